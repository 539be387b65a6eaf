#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "roundtext/RondeTekstOpdrachten.h"
#include "support/EtiketOpstelling.h"
#include "ui/FormaatDialoog.h"

using namespace ui;

namespace {
class Bestanden : public EtiketOpstelling {
 protected:
  const QString versie1 = QStringLiteral("Vellora 2.1 (*.VLO *.vlo)");
  const QString versie2 = QStringLiteral("Vellora 3.0 (*.VLO *.vlo)");

  QByteArray Inhoud(const QString& pad) {
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  // Two text lines and a figure, all a version 1 file can hold.
  void VulVersie1() {
    Menu("mnuTekstLijnen2");
    ZetTekst(1, QStringLiteral("Eerste"));
    Wijzig([](Ontwerp& o) { o.voorwerp(2).tekst().Vet = true; });
    Plaats(1, -30, -10, 40, 5);
    NieuweFiguur(10, -5, 8, 8);
  }
  // The same and a round text.
  void VulOntwerp() {
    VulVersie1();
    VoegRondeTekstToe();
  }
  void VoegRondeTekstToe() {
    RondeTekstGegevens g = NieuweRondeTekst(venster->HuidigEtiketFormaat(), QStringLiteral("DejaVu Sans"), 9, false, false, 2);
    g.Tekst = QStringLiteral("Rondom");
    Wijziging wijziging(venster->bewerker());
    ::VoegRondeTekstToe(wijziging.ontwerp(), venster->HuidigEtiketFormaat(), g);
  }
  void Antwoord(platform::MessageService::Answer a) { meldingen.answers.push_back(a); }
  // Closes the window before the store it was started on goes.
  struct Sluiter {
    std::unique_ptr<Etiket>& venster;
    ~Sluiter() { venster.reset(); }
  };
  // The window on a store of its own, such as one read from a file.
  void StartMet(platform::SettingsStore& store) {
    EtiketOpties opties = Opties();
    opties.instellingen = &store;
    venster = std::make_unique<Etiket>(opties);
    ASSERT_TRUE(venster->Form_Load());
    venster->show();
    QApplication::processEvents();
  }
};
}  // namespace

TEST_F(Bestanden, SaveOnANewDesignAsksAndVersionOneStaysVersionOne) {
  Etiket& e = Start();
  VulVersie1();
  const QString pad = tmp.path(QStringLiteral("adres.VLO"));
  bestanden.answers.push_back({pad, versie1});
  Menu("mnuOpslaan");
  EXPECT_EQ(bestanden.lastPreselected, versie2);
  EXPECT_EQ(e.windowTitle(), QStringLiteral("Vellora - adres.VLO[*]"));
  EXPECT_FALSE(e.isWindowModified());
  EXPECT_EQ(O().BestType, 1);
  EXPECT_TRUE(Inhoud(pad).startsWith(QByteArray("US\0\0", 4)));
  // A plain save keeps the version, without a dialog or a question.
  Kind<QLineEdit>("txtTekstlijn")->setText(QStringLiteral("Tweede"));
  EXPECT_TRUE(e.isWindowModified());
  Menu("mnuOpslaan");
  EXPECT_FALSE(e.isWindowModified());
  EXPECT_TRUE(bestanden.answers.empty());
  EXPECT_TRUE(meldingen.shown.empty());
  EXPECT_TRUE(Inhoud(pad).startsWith(QByteArray("US\0\0", 4)));
  EXPECT_TRUE(Inhoud(pad).contains("Tweede"));
  EXPECT_EQ(instellingen.read(QStringLiteral("Defaults"), QStringLiteral("FileFolder"), QStringLiteral("-")),
            QStringLiteral("-"));
  EXPECT_EQ(e.instellingen().FileFolder, tmp.root() + u'/');
}

TEST_F(Bestanden, VersionOneAsksBeforeItWouldDropRoundTextsAndCrops) {
  using A = platform::MessageService::Answer;
  const QString vraag = QStringLiteral(
      "Dit ontwerp bevat ronde tekst of bijgesneden figuren. Die kunnen in een bestand van Vellora 2.1 niet bewaard "
      "worden. Bewaren als Vellora 3.0?");
  Etiket& e = Start();
  // A cropped figure alone asks; Annuleren writes nothing.
  VulVersie1();
  {
    Wijziging wijziging(e.bewerker());
    wijziging.ontwerp().voorwerp(3).beeld().BronBreedte = 2;
  }
  const QString pad = tmp.path(QStringLiteral("oud.VLO"));
  bestanden.answers.push_back({pad, versie1});
  Antwoord(A::Cancel);
  Menu("mnuOpslaanAls");
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].title, QStringLiteral("Opslaan als"));
  EXPECT_EQ(meldingen.shown[0].text, vraag);
  EXPECT_EQ(meldingen.shown[0].buttons, platform::MessageService::Buttons::YesNoCancel);
  EXPECT_FALSE(QFile::exists(pad));
  EXPECT_TRUE(O().Bestandsnaam.isEmpty());
  EXPECT_TRUE(e.isWindowModified());
  // A round text asks too. Nee: the user chose version 1.
  VoegRondeTekstToe();
  bestanden.answers.push_back({pad, versie1});
  Antwoord(A::No);
  Menu("mnuOpslaanAls");
  EXPECT_TRUE(Inhoud(pad).startsWith(QByteArray("US\0\0", 4)));
  EXPECT_EQ(O().BestType, 1);
  EXPECT_FALSE(e.isWindowModified());
  // A plain save asks again; Ja writes version 2 from then on.
  Kind<QLineEdit>("txtTekstlijn")->setText(QStringLiteral("Anders"));
  Antwoord(A::Yes);
  Menu("mnuOpslaan");
  ASSERT_EQ(meldingen.shown.size(), 3u);
  EXPECT_EQ(meldingen.shown[2].title, QStringLiteral("Opslaan"));
  EXPECT_EQ(meldingen.shown[2].text, vraag);
  EXPECT_TRUE(Inhoud(pad).startsWith(QByteArray("VS\0\0", 4)));
  EXPECT_EQ(O().BestType, 2);
  Kind<QLineEdit>("txtTekstlijn")->setText(QStringLiteral("Verder"));
  Menu("mnuOpslaan");
  EXPECT_EQ(meldingen.shown.size(), 3u);
  EXPECT_TRUE(Inhoud(pad).contains("Verder"));
}

TEST_F(Bestanden, ChangesAreAskedForBeforeAnyCommandDropsThem) {
  using A = platform::MessageService::Answer;
  Etiket& e = Start();
  EXPECT_FALSE(e.isWindowModified());
  Menu("mnuTekstLijnen1");
  EXPECT_TRUE(e.isWindowModified());
  // Undo back to the saved state is no change; redo is.
  Menu("mnuOngedaan");
  EXPECT_FALSE(e.isWindowModified());
  Menu("mnuOpnieuw");
  EXPECT_TRUE(e.isWindowModified());
  // Annuleren stops the command with nothing changed.
  Antwoord(A::Cancel);
  Menu("mnuNieuwEtiket");
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].text, QStringLiteral("Wijzigingen in het nieuwe ontwerp bewaren?"));
  EXPECT_EQ(meldingen.shown[0].buttons, platform::MessageService::Buttons::YesNoCancel);
  EXPECT_EQ(O().AantalLijnen(), 1);
  // Ja goes on only when the save succeeded: Save as cancelled stops it.
  Antwoord(A::Yes);
  Menu("mnuOpenen");
  EXPECT_EQ(bestanden.lastCaption, QStringLiteral("Opslaan als"));
  EXPECT_EQ(O().AantalLijnen(), 1);
  EXPECT_TRUE(e.isWindowModified());
  // Ja with a name saves, and the command goes on.
  const QString pad = tmp.path(QStringLiteral("eerste.VLO"));
  bestanden.answers.push_back({pad, versie2});
  Antwoord(A::Yes);
  Menu("mnuNieuwEtiket");
  EXPECT_TRUE(QFile::exists(pad));
  EXPECT_EQ(O().AantalVoorwerpen(), 0);
  EXPECT_FALSE(e.isWindowModified());
  // A saved design is asked for by its name; Nee opens without saving.
  bestanden.answers.push_back({pad, {}});
  Menu("mnuOpenen");
  Menu("mnuTekstLijnen2");
  const QString andere = tmp.write(QStringLiteral("andere.VLO"), Inhoud(pad));
  bestanden.answers.push_back({andere, {}});
  meldingen.shown.clear();
  ZonderBewaren();
  Menu("mnuOpenen");
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].text, QStringLiteral("Wijzigingen in eerste.VLO bewaren?"));
  EXPECT_EQ(O().Bestandsnaam, andere);
  EXPECT_EQ(O().AantalLijnen(), 1);
  EXPECT_EQ(Inhoud(pad), Inhoud(andere));
  // Choosing a format asks before its dialog: Annuleren never shows it.
  Menu("mnuTekstLijnen3");
  Antwoord(A::Cancel);
  Kind<QPushButton>("cmdKiezen")->click();
  EXPECT_EQ(O().AantalLijnen(), 3);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  // Closing the window: Annuleren keeps it open, Nee closes it.
  Antwoord(A::Cancel);
  EXPECT_FALSE(e.close());
  EXPECT_TRUE(e.isVisible());
  ZonderBewaren();
  EXPECT_TRUE(e.close());
}

TEST_F(Bestanden, EndProgramAsksAndStillLeavesTheSettingsAlone) {
  using A = platform::MessageService::Answer;
  Etiket& e = Start();
  Menu("mnuTekstLijnen1");
  e.instellingen().FileFolder = QStringLiteral("/nergens/");
  Antwoord(A::Cancel);
  Menu("mnuEindeProgramma");
  EXPECT_EQ(beeindigd, 0);
  ZonderBewaren();
  Menu("mnuEindeProgramma");
  EXPECT_EQ(beeindigd, 1);
  EXPECT_EQ(meldingen.shown.size(), 2u);
  EXPECT_EQ(instellingen.read(QStringLiteral("Defaults"), QStringLiteral("FileFolder"), QStringLiteral("-")),
            QStringLiteral("-"));
}

TEST_F(Bestanden, ANameWithoutAPeriodGetsTheExtensionInCapitals) {
  Start();
  bestanden.answers.push_back({tmp.path(QStringLiteral("test")), versie2});
  Menu("mnuOpslaanAls");
  EXPECT_TRUE(QFile::exists(tmp.path(QStringLiteral("TEST.VLO"))));
  EXPECT_EQ(O().Bestandsnaam, tmp.path(QStringLiteral("TEST.VLO")));
  bestanden.answers.push_back({tmp.path(QStringLiteral("test.lbl")), versie2});
  Menu("mnuOpslaanAls");
  EXPECT_TRUE(QFile::exists(tmp.path(QStringLiteral("test.lbl"))));
  EXPECT_TRUE(Inhoud(tmp.path(QStringLiteral("test.lbl"))).startsWith(QByteArray("VS\0\0", 4)));
}

TEST_F(Bestanden, ADesignReadBackIsTheSameDesign) {
  Etiket& e = Start();
  VulOntwerp();
  const QString pad = tmp.path(QStringLiteral("rond.VLO"));
  bestanden.answers.push_back({pad, versie2});
  Menu("mnuOpslaanAls");
  const QByteArray bewaard = Inhoud(pad);
  Menu("mnuNieuwEtiket");
  EXPECT_EQ(O().AantalVoorwerpen(), 0);
  EXPECT_EQ(e.windowTitle(), QStringLiteral("Vellora[*]"));
  bestanden.answers.push_back({pad, {}});
  Menu("mnuOpenen");
  EXPECT_EQ(e.windowTitle(), QStringLiteral("Vellora - rond.VLO[*]"));
  EXPECT_FALSE(e.isWindowModified());
  EXPECT_TRUE(meldingen.shown.empty());
  ASSERT_EQ(O().AantalVoorwerpen(), 4);
  EXPECT_EQ(O().AantalLijnen(), 2);
  EXPECT_EQ(O().AantalFiguren(), 1);
  EXPECT_EQ(O().AantalRondeTeksten(), 1);
  EXPECT_EQ(O().voorwerp(1).tekst().Tekst, QStringLiteral("Eerste"));
  EXPECT_TRUE(O().voorwerp(2).tekst().Vet);
  EXPECT_EQ(O().voorwerp(4).tekst().Tekst, QStringLiteral("Rondom"));
  ASSERT_NE(O().voorwerp(4).beeld().Afbeelding, nullptr);
  EXPECT_TRUE(B().Geselecteerd(1));
  EXPECT_EQ(O().BestType, 2);
  EXPECT_TRUE(O().IsConsistent());
  // Saved again it gives the same bytes.
  Menu("mnuOpslaan");
  EXPECT_EQ(Inhoud(pad), bewaard);
}

TEST_F(Bestanden, AMissingFileLeavesTheDesignAndItsName) {
  Etiket& e = Start();
  Menu("mnuTekstLijnen1");
  bestanden.answers.push_back({tmp.path(QStringLiteral("bestaat.VLO")), versie2});
  Menu("mnuOpslaanAls");
  const QString weg = tmp.path(QStringLiteral("weg.VLO"));
  bestanden.answers.push_back({weg, {}});
  Menu("mnuOpenen");
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].title, QStringLiteral("Fout"));
  EXPECT_EQ(meldingen.shown[0].text, QStringLiteral("Vellora kan het bestand\nniet vinden.\n\n") + weg);
  EXPECT_EQ(O().AantalLijnen(), 1);
  EXPECT_EQ(e.windowTitle(), QStringLiteral("Vellora - bestaat.VLO[*]"));
}

TEST_F(Bestanden, AFileThatCannotBeReadLeavesTheOpenDesignAsItWas) {
  Etiket& e = Start();
  Menu("mnuTekstLijnen2");
  Kind<QPushButton>("cmdVet")->click();
  const Ontwerp voor = O();
  const size_t stappen = e.geschiedenis().AantalStappen();
  const QString kapot = tmp.write(QStringLiteral("kapot.VLO"), QByteArray("VS\0\0\x07\0" "89 x", 10));
  const QString ruis = tmp.write(QStringLiteral("ruis.VLO"), QByteArray("\x13\x37\xfe\x01 geen ontwerp \x00\x7f", 20));
  for (const QString& pad : {kapot, ruis}) {
    meldingen.shown.clear();
    bestanden.answers.push_back({pad, {}});
    ZonderBewaren();
    Menu("mnuOpenen");
    ASSERT_EQ(meldingen.shown.size(), 2u);
    EXPECT_EQ(meldingen.shown[1].title, QStringLiteral("Fout"));
    if (pad == kapot) {
      EXPECT_TRUE(meldingen.shown[1].text.contains(QStringLiteral("beschadigd")));
    }
    // Elements, name, version and history as they were.
    EXPECT_TRUE(ZelfdeInhoud(O(), voor));
    EXPECT_EQ(O().Bestandsnaam, voor.Bestandsnaam);
    EXPECT_EQ(O().BestType, voor.BestType);
    EXPECT_EQ(e.geschiedenis().AantalStappen(), stappen);
    EXPECT_EQ(e.windowTitle(), QStringLiteral("Vellora[*]"));
    EXPECT_TRUE(e.isWindowModified());
    EXPECT_EQ(B().Verborgen, 0);
    EXPECT_EQ(e.beeld().Beeld(), e.beeld().Volledig());
  }
  // Save still asks for a name: the damaged file is never overwritten.
  Menu("mnuOpslaan");
  EXPECT_EQ(bestanden.lastCaption, QStringLiteral("Opslaan als"));
  EXPECT_EQ(Inhoud(kapot).size(), 10);
}

TEST_F(Bestanden, ADesignNamedAtStartUpIsOpenedAndADamagedOneLeavesTheEmptyDesign) {
  Etiket& e = Start();
  VulVersie1();
  const QString pad = tmp.path(QStringLiteral("start.VLO"));
  bestanden.answers.push_back({pad, versie2});
  Menu("mnuOpslaanAls");
  Menu("mnuNieuwEtiket");
  meldingen.shown.clear();

  // Named relative to the folder the program was started in.
  const QString werkmap = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(tmp.root()));
  e.bestanden().OpenBijStart(QStringLiteral("start.VLO"));
  QDir::setCurrent(werkmap);
  EXPECT_TRUE(meldingen.shown.empty());
  EXPECT_EQ(O().AantalLijnen(), 2);
  EXPECT_EQ(O().Bestandsnaam, QFileInfo(pad).absoluteFilePath());
  EXPECT_EQ(e.windowTitle(), QStringLiteral("Vellora - start.VLO[*]"));
  EXPECT_FALSE(e.isWindowModified());

  Menu("mnuNieuwEtiket");
  const QString kapot = tmp.write(QStringLiteral("kapot.VLO"), QByteArray("VS\0\0\x07\0"
                                                                          "89 x",
                                                                          10));
  e.bestanden().OpenBijStart(kapot);
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].title, QStringLiteral("Fout"));
  EXPECT_TRUE(meldingen.shown[0].text.contains(QStringLiteral("beschadigd")));
  EXPECT_EQ(O().AantalVoorwerpen(), 0);
  EXPECT_EQ(e.windowTitle(), QStringLiteral("Vellora[*]"));

  // A changed design (a restored recovery copy, say) is asked about first;
  // Annuleren keeps it and opens nothing.
  Menu("mnuTekstLijnen1");
  meldingen.shown.clear();
  meldingen.answers.push_back(platform::MessageService::Answer::Cancel);
  e.bestanden().OpenBijStart(pad);
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(O().AantalLijnen(), 1);
}

TEST_F(Bestanden, AFailedSaveNamesTheFileAndChangesNothing) {
  Etiket& e = Start();
  Menu("mnuTekstLijnen1");
  const QString blokkade = tmp.write(QStringLiteral("blokkade"), "x");
  bestanden.answers.push_back({blokkade + QStringLiteral("/ontwerp.VLO"), versie2});
  Menu("mnuOpslaanAls");
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].title, QStringLiteral("Fout"));
  EXPECT_TRUE(meldingen.shown[0].text.contains(QStringLiteral("ontwerp.VLO")));
  EXPECT_EQ(e.windowTitle(), QStringLiteral("Vellora[*]"));
  EXPECT_TRUE(e.isWindowModified());
  // The next dialog does not start in the folder that failed.
  EXPECT_NE(e.instellingen().FileFolder, blokkade + u'/');
  bestanden.answers.push_back({tmp.path(QStringLiteral("kapot.VLO")), {}});
  tmp.write(QStringLiteral("kapot.VLO"), "VS");
  const QString voor = e.instellingen().FileFolder;
  ZonderBewaren();
  Menu("mnuOpenen");
  EXPECT_EQ(e.instellingen().FileFolder, voor);
  EXPECT_EQ(O().BestType, 0);
  EXPECT_TRUE(O().Bestandsnaam.isEmpty());
}

TEST_F(Bestanden, CharactersTheFileCannotHoldAreReportedOncePerSave) {
  Start();
  Menu("mnuTekstLijnen2");
  ZetTekst(1, QStringLiteral("Ω 1"));
  ZetTekst(2, QStringLiteral("✓ 2"));
  bestanden.answers.push_back({tmp.path(QStringLiteral("tekens.VLO")), versie2});
  Menu("mnuOpslaanAls");
  ASSERT_EQ(meldingen.shown.size(), 1u);
  Menu("mnuOpslaan");
  EXPECT_EQ(meldingen.shown.size(), 2u);
  EXPECT_TRUE(Inhoud(tmp.path(QStringLiteral("tekens.VLO"))).contains("? 1"));
}

TEST_F(Bestanden, NewClearsTheDesignTheCopiesAndAList) {
  Start();
  Menu("mnuTekstLijnen3");
  Kind<QLineEdit>("txtAantal")->setText(QStringLiteral("25"));
  venster->nummering().GekozenTab = 1;
  for (int i = 0; i < 4; ++i) venster->nummering().NummerLijst.VoegRijToe();
  venster->nummering().NummerVan = 7;
  ZonderBewaren();
  Menu("mnuNieuwEtiket");
  EXPECT_EQ(O().AantalVoorwerpen(), 0);
  EXPECT_EQ(Kind<QLineEdit>("txtAantal")->text(), QStringLiteral("1"));
  EXPECT_EQ(venster->nummering().AantalNummers(), 0);
  EXPECT_EQ(venster->nummering().GekozenTab, 0);
  // The series goes too: it was set for the old design.
  EXPECT_EQ(venster->nummering().NummerVan, 0);
  EXPECT_TRUE(Kind<QWidget>("picHandvat0")->isHidden());
}

TEST_F(Bestanden, UndoAndRedoAcrossKiezenBringEachDesignsOwnFileNameVersionAndSavedState) {
  Etiket& e = Start();
  auto kiesFormaat2 = [this] {
    BeantwoordDialoog<Formaat>([](Formaat* d) {
      d->KiesFormaat(2);
      d->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    });
    Kind<QPushButton>("cmdKiezen")->click();
  };
  Menu("mnuTekstLijnen1");
  const QString oud = tmp.path(QStringLiteral("oud.VLO"));
  bestanden.answers.push_back({oud, versie1});
  Menu("mnuOpslaanAls");
  kiesFormaat2();
  ASSERT_EQ(O().HuidigFormaat, 2);
  EXPECT_EQ(e.windowTitle(), QStringLiteral("Vellora[*]"));
  // The new design is changed and saved under a name of its own.
  Menu("mnuTekstLijnen1");
  const QString nieuw = tmp.path(QStringLiteral("nieuw.VLO"));
  bestanden.answers.push_back({nieuw, versie2});
  Menu("mnuOpslaanAls");
  // Undo of an edit keeps the name it was saved under since.
  Menu("mnuOngedaan");
  EXPECT_EQ(O().AantalVoorwerpen(), 0);
  EXPECT_EQ(O().Bestandsnaam, nieuw);
  EXPECT_EQ(O().BestType, 2);
  EXPECT_TRUE(e.isWindowModified());
  // Undo of Kiezen: the old design as oud.VLO holds it, in version 1.
  Menu("mnuOngedaan");
  EXPECT_EQ(O().HuidigFormaat, 1);
  EXPECT_EQ(O().Bestandsnaam, oud);
  EXPECT_EQ(O().BestType, 1);
  EXPECT_EQ(e.windowTitle(), QStringLiteral("Vellora - oud.VLO[*]"));
  EXPECT_FALSE(e.isWindowModified());
  // A plain save writes it there again, as the same version.
  const QByteArray bewaard = Inhoud(oud);
  ASSERT_TRUE(QFile::remove(oud));
  bestanden.lastCaption.clear();
  Menu("mnuOpslaan");
  EXPECT_TRUE(bestanden.lastCaption.isEmpty());
  EXPECT_EQ(Inhoud(oud), bewaard);
  // Redo: the new design, empty, under its own name and still changed.
  Menu("mnuOpnieuw");
  EXPECT_EQ(O().HuidigFormaat, 2);
  EXPECT_EQ(O().Bestandsnaam, nieuw);
  EXPECT_EQ(O().BestType, 2);
  EXPECT_EQ(e.windowTitle(), QStringLiteral("Vellora - nieuw.VLO[*]"));
  EXPECT_TRUE(e.isWindowModified());
  Menu("mnuOpnieuw");
  EXPECT_FALSE(e.isWindowModified());
  EXPECT_TRUE(meldingen.shown.empty());
}

TEST_F(Bestanden, KiezenStartsANewDesignOnTheChosenFormat) {
  Etiket& e = Start();
  Menu("mnuTekstLijnen1");
  BeantwoordDialoog<Formaat>([](Formaat* d) {
    d->KiesFormaat(2);
    d->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
  });
  ZonderBewaren();
  Kind<QPushButton>("cmdKiezen")->click();
  EXPECT_EQ(O().HuidigFormaat, 2);
  EXPECT_EQ(O().AantalVoorwerpen(), 0);
  EXPECT_EQ(Kind<QLabel>("lblVorm")->text(), QStringLiteral("Rond"));
  EXPECT_FLOAT_EQ(e.bewerking().Schaal.ScaleHeight, 40 * 1.1f);
  // Annuleren (or Escape) keeps the format and the design.
  Menu("mnuTekstLijnen1");
  const Ontwerp voor = O();
  BeantwoordDialoog<Formaat>([](Formaat* d) {
    d->KiesFormaat(3);
    d->findChild<QPushButton*>(QStringLiteral("cmdAnnuleren"))->click();
  });
  ZonderBewaren();
  Kind<QPushButton>("cmdKiezen")->click();
  EXPECT_EQ(O().HuidigFormaat, 2);
  EXPECT_TRUE(ZelfdeInhoud(O(), voor));
  BeantwoordDialoog<Formaat>([](Formaat* d) {
    d->KiesFormaat(3);
    QTest::keyClick(d, Qt::Key_Escape);
  });
  ZonderBewaren();
  Kind<QPushButton>("cmdKiezen")->click();
  EXPECT_TRUE(ZelfdeInhoud(O(), voor));
}

TEST_F(Bestanden, AnInsertedPictureBecomesASelectedFigure) {
  Etiket& e = Start();
  QImage plaatje(300, 100, QImage::Format_RGB32);
  plaatje.fill(Qt::white);
  for (int x = 0; x < 300; ++x) plaatje.setPixel(x, 50, qRgb(200, 0, 0));
  QDir().mkpath(tmp.path(QStringLiteral("plaatjes")));
  const QString pad = tmp.path(QStringLiteral("plaatjes/streep.png"));
  ASSERT_TRUE(plaatje.save(pad));
  bestanden.answers.push_back({pad, {}});
  Kind<QPushButton>("cmdBestand")->click();
  ASSERT_EQ(O().AantalFiguren(), 1);
  const Voorwerp& v = O().voorwerp(1);
  EXPECT_EQ(v.beeld().BeeldBreedte, 300);
  // No text lines: 90 % of the 89 mm label across.
  EXPECT_NEAR(v.Breedte, 0.9 * 89, 1e-3);
  EXPECT_TRUE(B().Geselecteerd(1));
  EXPECT_EQ(e.instellingen().ImageFolder, tmp.path(QStringLiteral("plaatjes/")));
  // Not a picture: a message, no figure.
  bestanden.answers.push_back({tmp.write(QStringLiteral("geen.bmp"), "geen plaatje"), {}});
  Menu("mnuBestandInvoegen");
  EXPECT_EQ(O().AantalFiguren(), 1);
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].title, QStringLiteral("Fout"));
}

TEST_F(Bestanden, TheFigureButtonsPutTheOnlyFigureBesideTheText) {
  instellingen.write(QStringLiteral("Defaults"), QStringLiteral("Form"), QStringLiteral(" 5"));  // 50 x 30
  Start();
  Menu("mnuTekstLijnen2");
  const int f = NieuweFiguur(0, 0, 10, 10);
  Kind<QPushButton>("cmdFiguurRechts")->click();
  const Voorwerp& fig = O().voorwerp(f);
  EXPECT_NEAR(fig.Links + fig.Breedte, 22.5, 1e-3);
  EXPECT_NEAR(O().voorwerp(1).Links + O().voorwerp(1).Breedte, fig.Links - 2.5, 1e-3);
  EXPECT_EQ(O().voorwerp(2).tekst().Uitlijning, 1);
  EXPECT_TRUE(meldingen.shown.empty());
  // A second figure: the buttons only warn.
  NieuweFiguur(5, 5, 3, 3);
  Kind<QPushButton>("cmdFiguurBoven")->click();
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_TRUE(meldingen.shown[0].text.startsWith(QStringLiteral("U kunt automatische combinatie van\r")));
  EXPECT_EQ(O().voorwerp(2).tekst().Uitlijning, 1);
}

namespace {
void Galerij(platform::MemorySettingsStore& s, const char* naam, const QStringList& mappen) {
  s.writeList(QStringLiteral("Galleries"), QString::fromLatin1(naam), mappen);
}
}  // namespace

TEST_F(Bestanden, WithSeveralGalleriesThePictureMenuBecomesASubmenu) {
  Galerij(instellingen, "Logo's", {QStringLiteral("/srv/logo")});
  Galerij(instellingen, "Pijlen", {QStringLiteral("/srv/pijlen"), QStringLiteral("/srv/oud")});
  Galerij(instellingen, "Vlaggen", {QStringLiteral("/srv/vlaggen")});
  Start();
  EXPECT_FALSE(Kind<QAction>("mnuBestandInvoegen")->isVisible());
  EXPECT_TRUE(Kind<QAction>("mnuBestandInvoegen2")->isVisible());
  EXPECT_TRUE(venster->figuren().MeerdereGalerijen());
  EXPECT_EQ(Kind<QAction>("mnuGalerij0")->text(), QStringLiteral("Logo's"));
  Menu("mnuGalerij2");
  EXPECT_EQ(bestanden.lastFolder, QStringLiteral("/srv/vlaggen"));
  Menu("mnuGalerij1");
  EXPECT_EQ(bestanden.lastFolder, QStringLiteral("/srv/pijlen"));  // the first of its folders
  EXPECT_EQ(bestanden.lastCaption, QStringLiteral("Bestand invoegen"));
}

TEST_F(Bestanden, DeletingGalleriesRebuildsTheMenuAndTheStore) {
  Galerij(instellingen, "Een", {QStringLiteral("/srv/een")});
  Galerij(instellingen, "Twee", {QStringLiteral("/srv/twee")});
  Galerij(instellingen, "Drie", {QStringLiteral("/srv/drie")});
  Start();
  auto verwijderEen = [this] {
    meldingen.answers = {platform::MessageService::Answer::Yes};
    BeantwoordDialoog<QDialog>([](QDialog* d) {
      d->findChild<QPushButton*>(QStringLiteral("cmdVerwijder"))->click();
      d->findChild<QPushButton*>(QStringLiteral("cmdSluiten"))->click();
    });
    Menu("mnuGalerijen");
  };
  // Three to two: the third submenu entry goes.
  verwijderEen();
  EXPECT_TRUE(venster->figuren().MeerdereGalerijen());
  EXPECT_EQ(venster->findChildren<QAction*>(QStringLiteral("mnuGalerij2")).size(), 0);
  EXPECT_EQ(Kind<QAction>("mnuGalerij0")->text(), QStringLiteral("Twee"));
  // Two to one: the single entry is back.
  verwijderEen();
  EXPECT_EQ(meldingen.shown.size(), 2u);
  EXPECT_FALSE(venster->figuren().MeerdereGalerijen());
  EXPECT_TRUE(Kind<QAction>("mnuBestandInvoegen")->isVisible());
  EXPECT_FALSE(Kind<QAction>("mnuBestandInvoegen2")->isVisible());
  const auto sectie = instellingen.readSection(QStringLiteral("Galleries"));
  ASSERT_EQ(sectie.size(), 1);
  EXPECT_EQ(sectie[0].first, QStringLiteral("Drie"));
  // One gallery left: its folder is where pictures are looked for.
  EXPECT_EQ(venster->instellingen().ImageFolder, QStringLiteral("/srv/drie"));
  Kind<QPushButton>("cmdBestand")->click();
  EXPECT_EQ(bestanden.lastFolder, QStringLiteral("/srv/drie"));
}

TEST_F(Bestanden, GalleriesKeepEveryCharacterOfTheirNamesAndFoldersThroughTheSettingsFile) {
  // One gallery the user wrote by hand, with two folders.
  const QString pad = tmp.write(QStringLiteral("Vellora.ini"), "[Galleries]\nPijlen=/srv/pijlen;/srv/oud\n");
  const QList<QPair<QString, QString>> nieuw = {
      {QStringLiteral(";Logo's"), QStringLiteral("/srv/;logo's")},
      {QStringLiteral("[Oud]"), QStringLiteral("/srv/[oud]")},
      {QStringLiteral("a=b]"), QStringLiteral("/srv/a=b;c;")},
      {QStringLiteral("Twee\nregels\r"), QStringLiteral("/srv/x\r\ny\nz")},
      {QStringLiteral("C:\\Plaatjes\\"), QStringLiteral("C:\\Plaatjes\\;D:\\")},
      {QStringLiteral("Ünïcødé ✓"), QStringLiteral("/srv/日本")},
  };
  {
    platform::IniSettingsStore ini(pad);
    Sluiter sluit{venster};
    StartMet(ini);
    BeantwoordDialoog<QDialog>([&](QDialog* d) {
      for (const auto& [naam, map] : nieuw) {
        QTimer::singleShot(0, [naam, map] {
          QWidget* g = QApplication::activeModalWidget();
          if (!g || g->objectName() != QStringLiteral("frmGalerij")) return;
          g->findChild<QLineEdit*>(QStringLiteral("txtBeschrijving"))->setText(naam);
          g->findChild<QLineEdit*>(QStringLiteral("txtPad"))->setText(map);
          g->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        });
        d->findChild<QPushButton*>(QStringLiteral("cmdToevoegen"))->click();
      }
      d->findChild<QPushButton*>(QStringLiteral("cmdSluiten"))->click();
    });
    Menu("mnuGalerijen");
    ASSERT_EQ(venster->instellingen().Galerijen.size(), 1 + nieuw.size());
  }
  // The next run sees every gallery as it was typed.
  platform::IniSettingsStore ini(pad);
  Sluiter sluit{venster};
  StartMet(ini);
  const QList<QPair<QString, QString>> verwacht = QList<QPair<QString, QString>>{{"Pijlen", "/srv/pijlen"}} + nieuw;
  EXPECT_EQ(venster->instellingen().Galerijen, verwacht);
  for (qsizetype i = 0; i < verwacht.size(); ++i) {
    QAction* actie = Kind<QAction>(QStringLiteral("mnuGalerij%1").arg(i));
    ASSERT_NE(actie, nullptr);
    EXPECT_EQ(actie->text(), verwacht[i].first);
    actie->trigger();
    EXPECT_EQ(bestanden.lastFolder, verwacht[i].second);
  }
  // The hand-written gallery still lists both its folders.
  EXPECT_EQ(ini.readList(QStringLiteral("Galleries"), QStringLiteral("Pijlen")),
            QStringList({QStringLiteral("/srv/pijlen"), QStringLiteral("/srv/oud")}));
}

TEST_F(Bestanden, TheLastEightDesignsOpenedOrSavedAreNumberedInTheFileMenuAndKeptForTheNextStart) {
  Start();
  Menu("mnuTekstLijnen1");
  QStringList paden;
  for (int i = 1; i <= 9; ++i) {
    paden << tmp.path(QStringLiteral("ontwerp%1.VLO").arg(i));
    bestanden.answers.push_back({paden.last(), versie2});
    Menu("mnuOpslaanAls");
  }
  auto regel = [this](int n) { return Kind<QAction>(QStringLiteral("mnuRecent%1").arg(n)); };
  // Newest first, the oldest of nine gone.
  for (int n = 1; n <= 8; ++n) {
    EXPECT_TRUE(regel(n)->isVisible());
    EXPECT_EQ(regel(n)->text(), QStringLiteral("&%1 ontwerp%2.VLO").arg(n).arg(10 - n));
  }
  EXPECT_EQ(instellingen.readList(QStringLiteral("Recent"), QStringLiteral("Files")).size(), 8);

  // Opening one brings it to the top, once.
  ZonderBewaren();
  Menu("mnuNieuwEtiket");
  regel(5)->trigger();
  EXPECT_EQ(O().Bestandsnaam, paden[4]);
  EXPECT_EQ(regel(1)->text(), QStringLiteral("&1 ontwerp5.VLO"));
  EXPECT_EQ(regel(2)->text(), QStringLiteral("&2 ontwerp9.VLO"));
  EXPECT_EQ(regel(6)->text(), QStringLiteral("&6 ontwerp4.VLO"));

  // The next start has the list.
  venster.reset();
  Start();
  EXPECT_EQ(regel(1)->text(), QStringLiteral("&1 ontwerp5.VLO"));
  EXPECT_TRUE(regel(8)->isVisible());

  // A file that is gone is taken off the list with a message; the design
  // stays as it was.
  Menu("mnuTekstLijnen2");
  ASSERT_TRUE(QFile::remove(paden[8]));
  meldingen.shown.clear();
  regel(2)->trigger();
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].text, QStringLiteral("Het bestand bestaat niet meer:\n") + paden[8] +
                                         QStringLiteral("\n\nHet is uit de lijst van recente bestanden gehaald."));
  EXPECT_EQ(O().AantalLijnen(), 2);
  EXPECT_EQ(regel(2)->text(), QStringLiteral("&2 ontwerp8.VLO"));
  EXPECT_FALSE(regel(8)->isVisible());
  EXPECT_EQ(instellingen.readList(QStringLiteral("Recent"), QStringLiteral("Files")).size(), 7);
}
