#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "platformwidgets/MessageService.h"
#include "platformwidgets/Translations.h"

// The real message box: Dutch buttons, and the one clicked is the answer.
TEST(QtMessageService, AsksWithDutchButtonsAndAnswersWhatWasClicked) {
  QStringList opschriften;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    for (QAbstractButton* b : box->buttons()) opschriften << b->text();
    box->button(QMessageBox::No)->click();
  });
  platform::QtMessageService meldingen;
  const auto antwoord = meldingen.show(platform::MessageService::Icon::Question, QStringLiteral("Vellora"),
                                       QStringLiteral("Bewaren?"), platform::MessageService::Buttons::YesNoCancel);
  EXPECT_EQ(antwoord, platform::MessageService::Answer::No);
  opschriften.sort();
  EXPECT_EQ(opschriften, QStringList({QStringLiteral("&Ja"), QStringLiteral("&Nee"), QStringLiteral("Annuleren")}));
}

TEST(QtVertaling, QtsOwnTextsSpeakDutch) {
  ASSERT_TRUE(platform::installDutchQtTranslations());
  // The file dialog's and the standard buttons' texts come from these.
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "&Open"), QStringLiteral("&Openen"));
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuleren"));
}
