#include <sys/stat.h>
#include <unistd.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "support/EtiketOpstelling.h"
#include "ui/PrinterDialoog.h"
#include "ui/VerschuivingDialoog.h"

using namespace ui;

namespace {
class VensterInstellingen : public EtiketOpstelling {
 protected:
  QString Lees(const char* sectie, const char* sleutel) {
    return instellingen.read(QString::fromLatin1(sectie), QString::fromLatin1(sleutel), QStringLiteral("<geen>"));
  }
  void Zet(const char* sleutel, const char* waarde) {
    instellingen.write(QStringLiteral("Defaults"), QString::fromLatin1(sleutel), QString::fromUtf8(waarde));
  }
  // The window on a settings file of its own; it goes before the store does.
  struct Sluiter {
    std::unique_ptr<Etiket>& venster;
    ~Sluiter() { venster.reset(); }
  };
  Etiket& StartMet(platform::SettingsStore& store) {
    EtiketOpties opties = Opties();
    opties.instellingen = &store;
    venster = std::make_unique<Etiket>(opties);
    EXPECT_TRUE(venster->Form_Load());
    venster->show();
    return *venster;
  }
  // The start of a first run: nothing said, everything at its default.
  void OpDeStandaarden() {
    EXPECT_TRUE(meldingen.shown.empty());
    EXPECT_EQ(O().HuidigFormaat, 1);
    EXPECT_TRUE(Kind<QAction>("mnuSpaarstand")->isChecked());
    EXPECT_EQ(venster->instellingen().Printer1, QStringLiteral("lpt1:"));
    EXPECT_EQ(Kind<QLineEdit>("txtLettergrootte")->text(), QStringLiteral("12"));
  }
  // The messages that the settings could not be saved.
  size_t NietBewaard() const {
    return size_t(std::count_if(meldingen.shown.begin(), meldingen.shown.end(), [](const auto& m) {
      return m.title == QStringLiteral("Fout") &&
             m.text == QStringLiteral("De instellingen konden niet worden bewaard.");
    }));
  }
};
}  // namespace

TEST_F(VensterInstellingen, AFirstRunShowsTheDefaultTextAttributes) {
  Etiket& e = Start();
  EXPECT_EQ(Kind<QComboBox>("cmbLettertype")->currentText(), QStringLiteral("DejaVu Sans"));
  EXPECT_EQ(Kind<QLineEdit>("txtLettergrootte")->text(), QStringLiteral("12"));
  EXPECT_FALSE(Kind<QPushButton>("cmdVet")->isChecked());
  EXPECT_FALSE(Kind<QPushButton>("cmdCursief")->isChecked());
  EXPECT_FALSE(Kind<QPushButton>("cmdOnderlijnd")->isChecked());
  EXPECT_TRUE(Kind<QPushButton>("cmdUitlijning2")->isChecked());
  EXPECT_TRUE(Kind<QAction>("mnuSpaarstand")->isChecked());
  EXPECT_FALSE(Kind<QAction>("mnuToonAfdrukbaargebied")->isChecked());
  EXPECT_EQ(e.instellingen().PrinterPort, 1);
  EXPECT_EQ(e.instellingen().Printer1, QStringLiteral("lpt1:"));
  EXPECT_EQ(e.instellingen().Intensity, 5);
}

TEST_F(VensterInstellingen, StoredDefaultsFillTheToolbarAndBadValuesAreSkipped) {
  Zet("Fontname", "Liberation Sans");
  Zet("Fontsize", "9");
  Zet("FontBold", "1");
  Zet("FontItalic", "7");  // no state of a button: skipped
  instellingen.write(QStringLiteral("defaults"), QStringLiteral("Alignment"), QStringLiteral("0"));
  Start();
  EXPECT_EQ(Kind<QComboBox>("cmbLettertype")->currentText(), QStringLiteral("Liberation Sans"));
  EXPECT_EQ(Kind<QLineEdit>("txtLettergrootte")->text(), QStringLiteral("9"));
  EXPECT_TRUE(Kind<QPushButton>("cmdVet")->isChecked());
  EXPECT_TRUE(Kind<QAction>("mnuVet")->isChecked());
  EXPECT_FALSE(Kind<QPushButton>("cmdCursief")->isChecked());
  EXPECT_TRUE(Kind<QPushButton>("cmdUitlijning0")->isChecked());
  // A new line takes them.
  Menu("mnuTekstLijnen1");
  EXPECT_EQ(O().voorwerp(1).tekst().Lettertype, QStringLiteral("Liberation Sans"));
  EXPECT_EQ(O().voorwerp(1).tekst().Lettergrootte, 9);
  EXPECT_TRUE(O().voorwerp(1).tekst().Vet);
  EXPECT_EQ(O().voorwerp(1).tekst().Uitlijning, 0);
}

TEST_F(VensterInstellingen, StandaardVastleggenWritesTheToolbar) {
  Start();
  Kind<QLineEdit>("txtLettergrootte")->setText(QStringLiteral("16"));
  Kind<QPushButton>("cmdOnderlijnd")->setChecked(true);
  Kind<QPushButton>("cmdUitlijning1")->setChecked(true);
  Menu("mnuStandaardVastleggen");
  EXPECT_EQ(Lees("Defaults", "Fontsize"), QStringLiteral("16"));
  EXPECT_EQ(Lees("Defaults", "FontUnderline"), QStringLiteral("1"));
  EXPECT_EQ(Lees("Defaults", "FontBold"), QStringLiteral("0"));
  EXPECT_EQ(Lees("Defaults", "Fontname"), Kind<QComboBox>("cmbLettertype")->currentText());
  EXPECT_EQ(Lees("defaults", "Alignment"), QStringLiteral("1"));
  // With no alignment button down the stored alignment stays.
  for (int i = 0; i < 3; ++i) {
    QPushButton* k = Kind<QPushButton>(QStringLiteral("cmdUitlijning%1").arg(i));
    k->setAutoExclusive(false);
    k->setChecked(false);
  }
  Menu("mnuStandaardVastleggen");
  EXPECT_EQ(Lees("defaults", "Alignment"), QStringLiteral("1"));
}

TEST_F(VensterInstellingen, ClosingWritesEverythingASaveWrites) {
  Zet("WindowsPrinter", "Etiketten");
  Zet("PrinterPort", "4");
  Zet("UseStartPosition", "False");
  Etiket& e = Start();
  EXPECT_FALSE(Kind<QAction>("mnuSpaarstand")->isChecked());
  EXPECT_EQ(e.instellingen().WindowsPrinter, QStringLiteral("Etiketten"));
  e.close();
  EXPECT_EQ(Lees("Defaults", "Windowsprinter"), QStringLiteral("Etiketten"));
  EXPECT_EQ(Lees("Defaults", "PrinterPort"), QStringLiteral("4"));
  EXPECT_EQ(Lees("Defaults", "UseStartPosition"), QStringLiteral("False"));
  EXPECT_EQ(Lees("Defaults", "Style"), QStringLiteral("0"));
  EXPECT_EQ(Lees("Defaults", "Width"), QString::number(e.width() * 15));
  EXPECT_EQ(Lees("Defaults", "Left"), QString::number(e.x() * 15));
}

TEST_F(VensterInstellingen, TheWindowComesBackWhereItWasClampedToTheScreen) {
  Zet("Left", "1500");
  Zet("Top", "750");
  Zet("Width", "14100");
  Zet("Height", "9000");
  Zet("Style", "0");
  Etiket& e = Start();
  // Never smaller than it starts, never larger than the screen; pulled
  // back onto the screen where it would stick out.
  const QSize scherm = e.screen()->availableGeometry().size();
  const int breedte = std::min(std::max(940, Etiket::OntwerpMaat().width()), scherm.width());
  EXPECT_EQ(e.width(), breedte);
  EXPECT_EQ(e.x(), std::min(scherm.width() - breedte, 100));
  EXPECT_LE(e.y() + e.height(), scherm.height());
  EXPECT_GE(e.height(), std::min(600, scherm.height()));
  venster.reset();
  Zet("Width", "9999999");
  Etiket& groot = Start();
  EXPECT_EQ(groot.width(), scherm.width());
  EXPECT_EQ(groot.x(), 0);
}

TEST_F(VensterInstellingen, MinimisedComesBackNormalAndMaximisedStaysMaximised) {
  Zet("Style", "1");
  EXPECT_FALSE(Start().windowState() & Qt::WindowMinimized);
  venster.reset();
  Zet("Style", "2");
  EXPECT_TRUE(Start().windowState() & Qt::WindowMaximized);
  venster->close();
  EXPECT_EQ(Lees("Defaults", "Style"), QStringLiteral("2"));
}

TEST_F(VensterInstellingen, ALeftOfZeroIsNotRestored) {
  Zet("Left", "0");
  Zet("Top", "750");
  Zet("Width", "20000");
  Zet("Height", "9000");
  Etiket& e = Start();
  EXPECT_NE(e.width(), 20000 / 15);
}

TEST_F(VensterInstellingen, SettingsThatCannotBeSavedAreToldOnceAndTheProgramGoesOn) {
  // The settings folder is a file: nothing can be read there nor written,
  // whoever runs this.
  const QString geenMap = tmp.write(QStringLiteral("config"), "geen map");
  platform::IniSettingsStore store(geenMap + QStringLiteral("/Vellora/Vellora.ini"));
  Sluiter sluiter{venster};
  Etiket& e = StartMet(store);
  OpDeStandaarden();
  // Everything that saves settings: the text defaults, a print offset, the
  // printer dialog, the recent files after a save, and closing.
  Menu("mnuStandaardVastleggen");
  ASSERT_EQ(NietBewaard(), 1u);
  BeantwoordDialoog<VerschuivingDialoog>([](VerschuivingDialoog* d) {
    d->findChild<QLineEdit*>(QStringLiteral("txtHorizontaleVerschuiving"))->setText(QStringLiteral("1"));
    d->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
  });
  Menu("mnuVerschuivenAfdruk");
  BeantwoordDialoog<PrinterDialoog>(
      [](PrinterDialoog* d) { d->findChild<QPushButton*>(QStringLiteral("cmdAnnuleren"))->click(); });
  Menu("mnuPrinterinstelling");
  Menu("mnuTekstLijnen1");
  bestanden.answers.push_back({tmp.path(QStringLiteral("a.VLO")), QStringLiteral("Vellora 3.0 (*.VLO *.vlo)")});
  Menu("mnuOpslaanAls");
  EXPECT_TRUE(e.close());
  EXPECT_EQ(NietBewaard(), 1u);
  EXPECT_EQ(meldingen.shown.size(), 1u);
  // The run went on with what it was given: the offset, the saved design.
  EXPECT_EQ(store.read(QStringLiteral("89 x 36"), QStringLiteral("HorizontalShift")), QStringLiteral("1"));
  EXPECT_TRUE(QFile::exists(tmp.path(QStringLiteral("a.VLO"))));
  QFile blijft(geenMap);
  ASSERT_TRUE(blijft.open(QIODevice::ReadOnly));
  EXPECT_EQ(blijft.readAll(), QByteArray("geen map"));
}

TEST_F(VensterInstellingen, ASettingsFolderThatCannotBeReadStartsOnTheDefaults) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads a folder without permissions all the same";
  const QString map = tmp.path(QStringLiteral("Vellora"));
  ASSERT_TRUE(QDir().mkpath(map));
  tmp.write(QStringLiteral("Vellora/Vellora.ini"),
            "[Defaults]\nForm= 3\nUseStartPosition=False\nPrinter1=/dev/usb/lp0\n");
  ASSERT_EQ(::chmod(QFile::encodeName(map).constData(), 0), 0);
  platform::IniSettingsStore store(map + QStringLiteral("/Vellora.ini"));
  Sluiter sluiter{venster};
  Etiket& e = StartMet(store);
  OpDeStandaarden();
  EXPECT_TRUE(e.close());
  EXPECT_EQ(NietBewaard(), 1u);
  ::chmod(QFile::encodeName(map).constData(), 0755);
}
