#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <memory>

#include "figures/Galerijen.h"
#include "platform/SettingsStore.h"
#include "support/FakeMessageService.h"
#include "ui/frmGalerij.h"
#include "ui/frmGalerijen.h"

using namespace ui;

namespace {

using Answer = platform::MessageService::Answer;

class GalerijenTest : public ::testing::Test {
 protected:
  FakeMessageService meldingen;
  frmGalerij galerij{meldingen};
  GalerijLijst lijst{{"Dieren", "/plaatjes/dieren"}, {"Bloemen", "/plaatjes/bloemen"}, {"Logo's", "/logo"}};
  std::unique_ptr<frmGalerijen> dlg;
  int getoond = 0;       // times the gallery dialog was answered
  QString gevuldNaam;    // what it held when it came up
  QString gevuldPad;
  QWidget* focus = nullptr;

  void Open() { dlg = std::make_unique<frmGalerijen>(lijst, galerij, meldingen); }
  QLineEdit* Veld(const char* naam) { return galerij.findChild<QLineEdit*>(QString::fromLatin1(naam)); }
  QListWidget* Lijst() { return dlg->findChild<QListWidget*>(QStringLiteral("lstGalerijen")); }
  void Klik(QWidget* w, const char* knop) { w->findChild<QPushButton*>(QString::fromLatin1(knop))->click(); }
  QStringList Namen() {
    QStringList n;
    for (int i = 0; i < Lijst()->count(); ++i) n << Lijst()->item(i)->text();
    return n;
  }
  // The selected row; -1 for none, -2 for more than one.
  int Selectie() {
    const auto s = Lijst()->selectedItems();
    return s.size() == 1 ? Lijst()->row(s.first()) : (s.isEmpty() ? -1 : -2);
  }
  // Answers the gallery dialog once it is up, noting what it showed; an empty
  // `knop` closes it as Escape would.
  void Antwoord(const QString& naam, const QString& pad, const char* knop = "cmdOK") {
    QTimer::singleShot(0, [=, this] {
      if (QApplication::activeModalWidget() != &galerij) return;
      ++getoond;
      gevuldNaam = Veld("txtBeschrijving")->text();
      gevuldPad = Veld("txtPad")->text();
      focus = galerij.focusWidget();
      Veld("txtBeschrijving")->setText(naam);
      Veld("txtPad")->setText(pad);
      Veld("txtPad")->setFocus();  // the user's last field
      if (*knop) Klik(&galerij, knop);
      // Refused, it stays up: the user then gives up.
      if (galerij.isVisible()) galerij.reject();
    });
  }
  void Klik(const char* knop, const QString& naam, const QString& pad, const char* antwoord = "cmdOK") {
    Antwoord(naam, pad, antwoord);
    Klik(dlg.get(), knop);
    QApplication::processEvents();
  }
};

}  // namespace

TEST_F(GalerijenTest, GalleryDialogReportsHowItWasClosedAndIsOnlyHidden) {
  EXPECT_EQ(galerij.windowTitle(), QStringLiteral("Galerij"));
  Antwoord("Naam", "/map");
  EXPECT_TRUE(galerij.Toon());
  EXPECT_EQ(galerij.Tag(), QStringLiteral("OK"));
  EXPECT_TRUE(galerij.isHidden());
  EXPECT_EQ(galerij.Beschrijving(), QStringLiteral("Naam"));  // keeps its contents
  Antwoord("X", "Y", "cmdAnnuleren");
  EXPECT_FALSE(galerij.Toon());
  EXPECT_EQ(galerij.Tag(), QString());
  // Shown again, the focus leaves the field the user was in last.
  EXPECT_EQ(focus, Veld("txtBeschrijving"));
  Antwoord("X", "Y", "");  // Escape or the close button
  EXPECT_FALSE(galerij.Toon());
  EXPECT_EQ(getoond, 3);
}

TEST_F(GalerijenTest, LoadingListsTheNamesAndSelectsTheFirst) {
  Open();
  EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Galleries"));
  const char* knoppen[][2] = {{"cmdToevoegen", "Add ..."}, {"cmdWijzigen", "Edit ..."},
                             {"cmdVerwijder", "Delete ..."}, {"cmdSluiten", "Close"}, {"cmdAnnuleren", "Cancel"}};
  for (const auto& [naam, tekst] : knoppen)
    EXPECT_EQ(dlg->findChild<QPushButton*>(QString::fromLatin1(naam))->text(), QString::fromLatin1(tekst));
  EXPECT_EQ(Namen(), QStringList({"Dieren", "Bloemen", "Logo's"}));
  EXPECT_EQ(Selectie(), 0);
  lijst.clear();
  Open();
  EXPECT_EQ(Selectie(), -1);
}

TEST_F(GalerijenTest, AddNeedsOkAndBothFields) {
  Open();
  Klik("cmdToevoegen", "", "/leeg");
  Klik("cmdToevoegen", "Zonder map", "");
  Klik("cmdToevoegen", "Geannuleerd", "/a", "cmdAnnuleren");
  EXPECT_EQ(lijst.size(), 3);
  EXPECT_EQ(Namen().size(), 3);
  // A name left empty is refused while the dialog is up; a missing folder
  // only makes the addition come to nothing.
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].text, QStringLiteral("Geef de galerij een naam."));
  Klik("cmdToevoegen", "Vlaggen", "/vlaggen");
  EXPECT_EQ(gevuldNaam, QString());  // cleared, not the last values typed
  EXPECT_EQ(gevuldPad, QString());
  EXPECT_EQ(lijst.last(), (QPair<QString, QString>{"Vlaggen", "/vlaggen"}));
  EXPECT_EQ(Namen().last(), QStringLiteral("Vlaggen"));
  EXPECT_EQ(Selectie(), 3);
  EXPECT_EQ(getoond, 4);
}

TEST_F(GalerijenTest, EditStoresBothFieldsAsTypedAndRenamesInPlace) {
  Open();
  Lijst()->setCurrentRow(1, QItemSelectionModel::ClearAndSelect);
  Klik("cmdWijzigen", "Planten", "/planten");
  EXPECT_EQ(gevuldNaam, QStringLiteral("Bloemen"));
  EXPECT_EQ(gevuldPad, QStringLiteral("/plaatjes/bloemen"));
  EXPECT_EQ(Namen(), QStringList({"Dieren", "Planten", "Logo's"}));
  EXPECT_EQ(lijst[1], (QPair<QString, QString>{"Planten", "/planten"}));
  Klik("cmdWijzigen", "Niet", "/niet", "cmdAnnuleren");
  EXPECT_EQ(lijst[1].first, QStringLiteral("Planten"));
  Klik("cmdWijzigen", "Planten", "");  // a folder may be emptied on a change
  EXPECT_EQ(lijst[1], (QPair<QString, QString>{"Planten", ""}));
  Klik("cmdWijzigen", " ", "/planten");  // a name may not
  EXPECT_EQ(lijst[1], (QPair<QString, QString>{"Planten", ""}));
  EXPECT_EQ(Namen()[1], QStringLiteral("Planten"));
  EXPECT_EQ(lijst.size(), 3);
}

TEST_F(GalerijenTest, EditAndDeleteBeepWithoutSelection) {
  Open();
  Lijst()->clearSelection();
  Klik("cmdWijzigen", "Fout", "/fout", "");
  Klik("cmdVerwijder", "Fout", "/fout", "");
  EXPECT_EQ(meldingen.beeps, 2);
  EXPECT_EQ(getoond, 0);
  EXPECT_TRUE(meldingen.shown.empty());
  EXPECT_EQ(lijst.size(), 3);
}

TEST_F(GalerijenTest, DeleteAsksAndSelectsTheNeighbour) {
  Open();
  Lijst()->setCurrentRow(1, QItemSelectionModel::ClearAndSelect);
  meldingen.answers = {Answer::No, Answer::Yes, Answer::Yes, Answer::Yes};
  Klik(dlg.get(), "cmdVerwijder");
  ASSERT_EQ(meldingen.shown.size(), 1u);
  const auto& vraag = meldingen.shown[0];
  EXPECT_EQ(vraag.text, QStringLiteral("Are you sure you want to remove\r\nBloemen\r\nfrom the list?"));
  EXPECT_EQ(vraag.title, QStringLiteral("Delete gallery"));
  EXPECT_EQ(vraag.icon, platform::MessageService::Icon::Question);
  EXPECT_EQ(vraag.buttons, platform::MessageService::Buttons::YesNo);
  EXPECT_EQ(lijst.size(), 3);  // No
  Klik(dlg.get(), "cmdVerwijder");
  EXPECT_EQ(Namen(), QStringList({"Dieren", "Logo's"}));
  EXPECT_EQ(lijst[1].second, QStringLiteral("/logo"));
  EXPECT_EQ(Selectie(), 1);  // same position
  Klik(dlg.get(), "cmdVerwijder");
  EXPECT_EQ(Selectie(), 0);  // the removed one was the last
  Klik(dlg.get(), "cmdVerwijder");
  EXPECT_TRUE(lijst.isEmpty());
  EXPECT_EQ(Lijst()->count(), 0);
  EXPECT_EQ(Selectie(), -1);
}

TEST_F(GalerijenTest, CloseKeepsAndCancelRestores) {
  const GalerijLijst voor = lijst;
  for (const char* sluit : {"cmdAnnuleren", "", "cmdSluiten"}) {
    Open();
    meldingen.answers = {Answer::Yes, Answer::Yes};
    Klik("cmdToevoegen", "Nieuw", "/nieuw");
    Klik(dlg.get(), "cmdVerwijder");
    Klik(dlg.get(), "cmdVerwijder");
    Klik("cmdToevoegen", "Nog een", "/nog");
    QTimer::singleShot(0, [this, sluit] {
      if (QApplication::activeModalWidget() != dlg.get()) return;
      if (*sluit) Klik(dlg.get(), sluit);
      else dlg->close();  // the window's own close button
    });
    EXPECT_EQ(dlg->Toon(), QByteArray(sluit) == "cmdSluiten");
    if (QByteArray(sluit) != "cmdSluiten") {
      EXPECT_EQ(lijst, voor) << sluit;
    }
  }
  EXPECT_EQ(lijst, (GalerijLijst{{"Dieren", "/plaatjes/dieren"}, {"Bloemen", "/plaatjes/bloemen"}, {"Nog een", "/nog"}}));
}

TEST(BewaarGalerijen, ReplacesTheSectionAndKeepsTheLastOfEqualNames) {
  platform::MemorySettingsStore s;
  s.write(kGalerijenSectie, "Oud", "/oud");
  s.write("Defaults", "Printer", "2");
  BewaarGalerijen(s, {{"Dieren", "/a"}, {"Bloemen", "/b"}, {"dieren", "/c"}});
  EXPECT_EQ(s.readSection("Galleries"),
            (QList<QPair<QString, QString>>{{"dieren", "/c"}, {"Bloemen", "/b"}}));
  EXPECT_EQ(s.read("Defaults", "Printer"), QStringLiteral("2"));
  BewaarGalerijen(s, {});
  EXPECT_TRUE(s.readSection("Galleries").isEmpty());
}
