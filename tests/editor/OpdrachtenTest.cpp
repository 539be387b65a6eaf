// Every command of the main window in turn, on a design holding text lines,
// a figure and a round text: after each one the kept image equals a full
// repaint, and undo and redo take the design back and forth exactly.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "support/EtiketOpstelling.h"
#include "ui/EtiketPlaatje.h"
#include "ui/FormaatDialoog.h"
#include "ui/TekstlijnenDialoog.h"
#include "ui/frmRondeTekst.h"

using namespace ui;

namespace {

// The design is written only through a change: the editor core, the window
// and its parts hand it out for reading alone.
template <typename T>
concept OntwerpSchrijfbaar = requires(T& t) { t.ontwerp().HuidigFormaat = 2; };
template <typename T>
concept VoorwerpenWeg = requires(T& t) { t.bewerking().VerwijderVoorwerpen(); };
static_assert(!OntwerpSchrijfbaar<Bewerker> && !OntwerpSchrijfbaar<Etiket>);
static_assert(!VoorwerpenWeg<Bewerker> && !VoorwerpenWeg<Etiket>);
static_assert(OntwerpSchrijfbaar<Wijziging> && VoorwerpenWeg<Wijziging>);

class Opdrachten : public EtiketOpstelling {
 protected:
  QLineEdit* Box() { return Kind<QLineEdit>("txtTekstlijn"); }
  void Klik(const char* knop) { Kind<QPushButton>(knop)->click(); }
  // A shortcut typed in the line box. Shortcuts reach only the active
  // window, which a closed dialog does not give back offscreen.
  void Toets(Qt::Key toets, Qt::KeyboardModifiers toetsen) {
    QApplication::setActiveWindow(venster.get());
    Box()->setFocus();
    QTest::keyClick(Box(), toets, toetsen);
  }

  // The kept image against a full repaint, pixel for pixel.
  void ControleerBeeld(const QString& wanneer) {
    QApplication::processEvents();
    const QImage gezien = venster->beeld().Beeld();
    const QImage vol = venster->beeld().Volledig();
    ASSERT_EQ(gezien.size(), vol.size()) << wanneer.toStdString();
    int anders = 0;
    for (int y = 0; y < vol.height(); ++y)
      for (int x = 0; x < vol.width(); ++x) anders += gezien.pixel(x, y) != vol.pixel(x, y);
    EXPECT_EQ(anders, 0) << "stale pixels " << wanneer.toStdString();
    EXPECT_TRUE(B().IsConsistent()) << wanneer.toStdString();
    EXPECT_EQ(B().Verborgen, 0) << wanneer.toStdString();
  }

  // Runs one command, checks the picture, and when the design changed,
  // undoes and redoes it, checking the design and the picture each time.
  void Doe(const QString& naam, const std::function<void()>& opdracht) {
    const Ontwerp voor = O();
    opdracht();
    ControleerBeeld(naam);
    const Ontwerp na = O();
    if (ZelfdeInhoud(voor, na)) return;
    ++veranderd;
    ASSERT_TRUE(Kind<QAction>("mnuOngedaan")->isEnabled()) << naam.toStdString();
    Menu("mnuOngedaan");
    EXPECT_TRUE(ZelfdeInhoud(O(), voor)) << "undo " << naam.toStdString();
    ControleerBeeld(QStringLiteral("undo ") + naam);
    ASSERT_TRUE(Kind<QAction>("mnuOpnieuw")->isEnabled()) << naam.toStdString();
    Menu("mnuOpnieuw");
    EXPECT_TRUE(ZelfdeInhoud(O(), na)) << "redo " << naam.toStdString();
    ControleerBeeld(QStringLiteral("redo ") + naam);
  }

  QPointF Midden(int i) {
    const Voorwerp& v = O().voorwerp(i);
    return {v.Links + v.Breedte / 2, v.Boven + v.Hoogte / 2};
  }
  int Eerste(SoortVoorwerp soort) {
    for (int i = 1; i <= O().AantalVoorwerpen(); ++i)
      if (O().voorwerp(i).Soort() == soort) return i;
    return 0;
  }
  void KlikOp(int i, Qt::KeyboardModifiers toetsen = Qt::NoModifier) {
    const QPointF m = Midden(i);
    venster->pictEtiket()->pictEtiket_MouseDown(Qt::LeftButton, toetsen, float(m.x()), float(m.y()));
  }
  void RondeTekstAntwoord(const QString& tekst) {
    BeantwoordDialoog<frmRondeTekst>([tekst](frmRondeTekst* d) {
      d->findChild<QLineEdit*>(QStringLiteral("txtTekst"))->setText(tekst);
      d->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    });
  }

  int veranderd = 0;
};

}  // namespace

TEST_F(Opdrachten, EveryCommandLeavesTheImageAsAFullRepaintAndUndoesExactly) {
  Start();
  EtiketPlaatje* plaatje = venster->pictEtiket();
  ControleerBeeld(QStringLiteral("start"));

  Doe("three lines", [&] { Klik("cmdLijnen2"); });
  Doe("typing", [&] { QTest::keyClicks(Box(), QStringLiteral("Kaas")); });
  Doe("Enter", [&] { QTest::keyClick(Box(), Qt::Key_Return); });
  Doe("more typing", [&] { QTest::keyClicks(Box(), QStringLiteral(" 500 g")); });
  Doe("five lines", [&] { Menu("mnuTekstLijnen5"); });
  Doe("two lines", [&] { Klik("cmdLijnen1"); });
  Doe("paste a picture", [&] {
    klembord.beeld = QImage(40, 20, QImage::Format_RGB32);
    klembord.beeld.fill(Qt::black);
    Klik("cmdPlakken");
  });
  Doe("add a round text", [&] {
    RondeTekstAntwoord(QStringLiteral("Rondom"));
    Klik("cmdRondeTekstToevoegen");
  });
  ASSERT_EQ(O().AantalLijnen(), 2);
  ASSERT_EQ(O().AantalFiguren(), 1);
  ASSERT_EQ(O().AantalRondeTeksten(), 1);

  Doe("select all with Ctrl+A in the line box", [&] { Toets(Qt::Key_A, Qt::ControlModifier); });
  EXPECT_EQ(B().AantalGeselecteerd(), 4);
  Doe("figure above", [&] { Klik("cmdFiguurBoven"); });
  Doe("figure left", [&] { Klik("cmdFiguurLinks"); });
  Doe("figure below", [&] { Klik("cmdFiguurOnder"); });
  Doe("figure right", [&] { Klik("cmdFiguurRechts"); });
  Doe("click a line", [&] { KlikOp(Eerste(SoortVoorwerp::Tekstlijn)); });
  Doe("shift-click the figure", [&] { KlikOp(Eerste(SoortVoorwerp::Figuur), Qt::ShiftModifier); });
  Doe("font", [&] {
    QComboBox* c = Kind<QComboBox>("cmbLettertype");
    c->setCurrentIndex(c->findText(QStringLiteral("Liberation Sans")));
    emit c->activated(c->currentIndex());
  });
  Doe("size", [&] {
    Kind<QLineEdit>("txtLettergrootte")->setText(QStringLiteral("20"));
    QSignalSpy vuur(Kind<QTimer>("tmrLettergrootte"), &QTimer::timeout);
    ASSERT_TRUE(vuur.wait(2000));
  });
  Doe("size arrow up", [&] { Kind<QScrollBar>("spinLettergrootte")->setValue(499); });
  Doe("size arrow down", [&] { Kind<QScrollBar>("spinLettergrootte")->setValue(501); });
  Doe("bold", [&] { Klik("cmdVet"); });
  Doe("italic", [&] { Klik("cmdCursief"); });
  Doe("underline from the menu", [&] { Menu("mnuOnderlijnd"); });
  Doe("align left", [&] { Klik("cmdUitlijning0"); });
  Doe("align centred", [&] { Klik("cmdUitlijning2"); });
  Doe("centre", [&] { Klik("cmdCentreren"); });
  Doe("arrange", [&] {
    QCheckBox* k = Kind<QCheckBox>("chkAutomatischVerdelen");
    if (k->isChecked()) k->click();
    k->click();
  });
  Doe("move with the right button", [&] {
    const QPointF m = Midden(Eerste(SoortVoorwerp::Figuur));
    emit plaatje->MuisNeer(Qt::RightButton, Qt::NoModifier, m);
    emit plaatje->MuisBeweegt(Qt::RightButton, m + QPointF(6, 3));
    emit plaatje->MuisLos(Qt::RightButton, m + QPointF(6, 3));
  });
  Doe("stretch by a handle", [&] {
    KlikOp(Eerste(SoortVoorwerp::Tekstlijn));
    const QRectF h = venster->beeld().Handvatten()[4].Rechthoek;
    emit plaatje->HandvatNeer(4, Qt::LeftButton, Qt::NoModifier);
    emit plaatje->HandvatSleept(h.center() + QPointF(5, 4));
    emit plaatje->HandvatLos(0, h.center() + QPointF(5, 4));
  });
  Doe("crop the figure", [&] {
    KlikOp(Eerste(SoortVoorwerp::Figuur));
    const QRectF h = venster->beeld().Handvatten()[4].Rechthoek;
    emit plaatje->HandvatNeer(4, Qt::RightButton, Qt::NoModifier);
    emit plaatje->HandvatLos(0, h.center() - QPointF(2, 2));
  });
  Doe("edit the round text by a double click", [&] {
    KlikOp(Eerste(SoortVoorwerp::RondeTekst));
    RondeTekstAntwoord(QStringLiteral("Anders rondom"));
    emit plaatje->DubbelKlik(Midden(Eerste(SoortVoorwerp::RondeTekst)));
  });
  Doe("turn a line round", [&] {
    KlikOp(Eerste(SoortVoorwerp::Tekstlijn));
    RondeTekstAntwoord(QStringLiteral("Nu rond"));
    Klik("cmdTekstConverteren");
  });
  Doe("turn it straight again", [&] {
    venster->pictEtiket()->DeSelekteerAlles();
    venster->pictEtiket()->SelecteerVoorwerp(O().AantalVoorwerpen() - 1);
    Menu("mnuTekstOmzetten");
  });
  Doe("paste two lines", [&] {
    klembord.beeld = QImage();
    klembord.tekst = QStringLiteral("Appels\nPeren");
    Menu("mnuPlakken");
  });
  Doe("cut in the line box", [&] {
    KlikOp(Eerste(SoortVoorwerp::Tekstlijn));
    Box()->setSelection(0, 3);
    Menu("mnuKnippen");
  });
  Doe("more lines", [&] {
    BeantwoordDialoog<TekstlijnenDialoog>([](TekstlijnenDialoog* d) {
      d->findChild<QLineEdit*>(QStringLiteral("txtAantalLijnen"))->setText(QStringLiteral("4"));
      d->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    });
    Menu("mnuMeerLijnen");
  });
  Doe("delete", [&] {
    KlikOp(Eerste(SoortVoorwerp::Figuur));
    Menu("mnuVerwijderen");
  });
  Doe("minimise and restore", [&] {
    venster->showMinimized();
    QApplication::processEvents();
    venster->showNormal();
    QApplication::processEvents();
  });
  Doe("a larger window", [&] {
    venster->resize(venster->width() + 120, venster->height() + 60);
    QApplication::processEvents();
  });
  Doe("printable area", [&] { Menu("mnuToonAfdrukbaargebied"); });
  Doe("another format", [&] {
    BeantwoordDialoog<Formaat>([](Formaat* d) {
      d->KiesFormaat(2);
      d->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    });
    ZonderBewaren();
    Klik("cmdKiezen");
  });
  EXPECT_GT(veranderd, 25);

  // Back to the very start step by step, and forward again.
  const Ontwerp eind = O();
  int terug = 0;
  while (Kind<QAction>("mnuOngedaan")->isEnabled() && terug < 200) {
    Toets(Qt::Key_Z, Qt::ControlModifier);
    ++terug;
  }
  EXPECT_EQ(O().AantalVoorwerpen(), 0);
  EXPECT_EQ(venster->geschiedenis().AantalStappen(), 0u);
  ControleerBeeld(QStringLiteral("all undone"));
  for (int i = 0; i < terug; ++i) {
    if (i % 2)
      Toets(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    else
      Toets(Qt::Key_Y, Qt::ControlModifier);
  }
  EXPECT_TRUE(ZelfdeInhoud(O(), eind));
  EXPECT_FALSE(Kind<QAction>("mnuOpnieuw")->isEnabled());
  ControleerBeeld(QStringLiteral("all redone"));

  Doe("new design", [&] {
    ZonderBewaren();
    Menu("mnuNieuwEtiket");
  });
  EXPECT_FALSE(Kind<QAction>("mnuOngedaan")->isEnabled());
}

TEST_F(Opdrachten, UndoAndRedoSitAtTheTopOfTheEditMenuAndFollowTheHistory) {
  Start();
  const QList<QAction*> regels = Kind<QMenu>("mnuBewerken")->actions();
  ASSERT_GE(regels.size(), 2);
  EXPECT_EQ(regels[0]->objectName(), QStringLiteral("mnuOngedaan"));
  EXPECT_EQ(regels[0]->text(), QStringLiteral("&Ongedaan maken"));
  EXPECT_EQ(regels[0]->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
  EXPECT_EQ(regels[1]->text(), QStringLiteral("Opn&ieuw"));
  EXPECT_EQ(regels[1]->shortcuts(), (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Y")),
                                                         QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));
  EXPECT_FALSE(regels[0]->isEnabled());
  EXPECT_FALSE(regels[1]->isEnabled());
  Klik("cmdLijnen1");
  EXPECT_TRUE(regels[0]->isEnabled());
  Menu("mnuOngedaan");
  EXPECT_FALSE(regels[0]->isEnabled());
  EXPECT_TRUE(regels[1]->isEnabled());
  EXPECT_EQ(O().AantalVoorwerpen(), 0);
  // A new change ends what could be redone.
  Klik("cmdLijnen0");
  EXPECT_FALSE(regels[1]->isEnabled());
}

TEST_F(Opdrachten, TypingInOneLineIsOneStepUntilAnotherCommandComesBetween) {
  Start();
  Klik("cmdLijnen1");
  const size_t basis = venster->geschiedenis().AantalStappen();
  QTest::keyClicks(Box(), QStringLiteral("abc"));  // replaces the selected text
  EXPECT_EQ(venster->geschiedenis().AantalStappen(), basis + 1);
  QTest::keyClick(Box(), Qt::Key_Return);  // the next line
  QTest::keyClicks(Box(), QStringLiteral("de"));
  EXPECT_EQ(venster->geschiedenis().AantalStappen(), basis + 2);
  Toets(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(O().voorwerp(2).tekst().Tekst, QStringLiteral("Lijn 2"));
  EXPECT_EQ(Box()->text(), QStringLiteral("Lijn 2"));
  Toets(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(O().voorwerp(1).tekst().Tekst, QStringLiteral("Lijn 1"));
  // The box edits the line that was current then.
  EXPECT_EQ(B().HuidigeLijn(), 1);
  EXPECT_EQ(Box()->text(), QStringLiteral("Lijn 1"));
  EXPECT_TRUE(B().Geselecteerd(1));
  // Redo comes back with the selection of that moment: line 2 was current.
  Toets(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(O().voorwerp(1).tekst().Tekst, QStringLiteral("abc"));
  EXPECT_EQ(B().HuidigeLijn(), 2);
  EXPECT_EQ(Box()->text(), QStringLiteral("Lijn 2"));
}

TEST_F(Opdrachten, TypingAfterAnUndoOrASaveStartsAStepOfItsOwn) {
  Start();
  Klik("cmdLijnen0");
  QTest::keyClicks(Box(), QStringLiteral("abc"));
  Toets(Qt::Key_Z, Qt::ControlModifier);
  ASSERT_EQ(O().voorwerp(1).tekst().Tekst, QStringLiteral("Lijn 1"));
  // Typed again in the same line: undo takes back just that.
  QTest::keyClicks(Box(), QStringLiteral("x"));
  Toets(Qt::Key_Z, Qt::ControlModifier);
  ASSERT_EQ(O().AantalLijnen(), 1);
  EXPECT_EQ(O().voorwerp(1).tekst().Tekst, QStringLiteral("Lijn 1"));

  // Saved while typing: undo after more typing comes back to what was saved.
  QTest::keyClicks(Box(), QStringLiteral("Kaas"));
  bestanden.answers.push_back({tmp.path(QStringLiteral("kaas.VLO")), {}});
  Menu("mnuOpslaanAls");
  const QString bewaard = O().voorwerp(1).tekst().Tekst;
  ASSERT_TRUE(bewaard.endsWith(QStringLiteral("Kaas")));
  QTest::keyClicks(Box(), QStringLiteral(" 500 g"));
  EXPECT_TRUE(venster->isWindowModified());
  Toets(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(O().voorwerp(1).tekst().Tekst, bewaard);
  EXPECT_FALSE(venster->isWindowModified());
}

TEST_F(Opdrachten, UndoShowsTheRestoredAttributesInTheToolbar) {
  Start();
  Klik("cmdLijnen0");
  QPushButton* vet = Kind<QPushButton>("cmdVet");
  ASSERT_FALSE(vet->isChecked());
  vet->click();
  ASSERT_TRUE(O().voorwerp(1).tekst().Vet);
  Menu("mnuOngedaan");
  EXPECT_FALSE(O().voorwerp(1).tekst().Vet);
  EXPECT_FALSE(vet->isChecked());
  EXPECT_FALSE(Kind<QAction>("mnuVet")->isChecked());
  Menu("mnuOpnieuw");
  EXPECT_TRUE(vet->isChecked());
}

TEST_F(Opdrachten, TheHistoryKeepsTheLastHundredStepsAndOpeningClearsIt) {
  Start();
  Klik("cmdLijnen0");
  for (int i = 0; i < 150; ++i) Klik(i % 2 ? "cmdVet" : "cmdCursief");
  EXPECT_EQ(venster->geschiedenis().AantalStappen(), 100u);
  int terug = 0;
  while (Kind<QAction>("mnuOngedaan")->isEnabled()) {
    Menu("mnuOngedaan");
    ++terug;
  }
  EXPECT_EQ(terug, 100);
  EXPECT_EQ(O().AantalVoorwerpen(), 1);

  const QString pad = tmp.path(QStringLiteral("een.VLO"));
  bestanden.answers.push_back({pad, {}});
  Menu("mnuOpslaanAls");
  Klik("cmdLijnen2");
  bestanden.answers.push_back({pad, {}});
  ZonderBewaren();
  Menu("mnuOpenen");
  EXPECT_EQ(O().AantalLijnen(), 1);
  EXPECT_FALSE(Kind<QAction>("mnuOngedaan")->isEnabled());
  EXPECT_FALSE(Kind<QAction>("mnuOpnieuw")->isEnabled());
}

TEST_F(Opdrachten, ASizeTooLargeIsReportedOnceNotEveryHalfSecond) {
  Start();
  Klik("cmdLijnen0");
  Kind<QLineEdit>("txtLettergrootte")->setText(QStringLiteral("40000"));
  QTest::qWait(1700);
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].title, QStringLiteral("Fout"));
  EXPECT_EQ(O().voorwerp(1).tekst().Lettergrootte, 12);
  ControleerBeeld(QStringLiteral("after the refused size"));
}

TEST_F(Opdrachten, TheNumberingBelongsToTheDesignButUndoLeavesIt) {
  Start();
  Klik("cmdLijnen1");
  venster->nummering().NummerLijst = {{QStringLiteral("a"), {}, {}, {}, {}}};
  venster->nummering().GekozenTab = 1;
  const Ontwerp kopie = O();
  Klik("cmdLijnen2");
  venster->nummering().NummerLijst.VoegRijToe({QStringLiteral("b"), {}, {}, {}, {}});
  Menu("mnuOngedaan");
  EXPECT_EQ(O().AantalLijnen(), 2);
  EXPECT_EQ(venster->nummering().AantalNummers(), 2);
  // A copy taken earlier kept its own list.
  EXPECT_EQ(kopie.nummering.AantalNummers(), 1);
  // A new design starts on the running number again.
  ZonderBewaren();
  Menu("mnuNieuwEtiket");
  EXPECT_EQ(venster->nummering().GekozenTab, 0);
  EXPECT_EQ(venster->nummering().AantalNummers(), 0);
}
