// The editor's keys as a user presses them: which box or command each key
// reaches, wherever the keyboard focus is.
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "support/EtiketOpstelling.h"
#include "ui/Streepjescodes.h"
#include "ui/EtiketPlaatje.h"
#include "ui/frmRondeTekst.h"
#include "ui/frmStreepjescode.h"

using namespace ui;

namespace {

class Toetsen : public EtiketOpstelling {
 protected:
  QLineEdit* Box() { return Kind<QLineEdit>("txtTekstlijn"); }
  // Keys reach the widget holding the focus, and shortcuts only the active window.
  void Druk(Qt::Key toets, Qt::KeyboardModifiers toetsen = Qt::NoModifier) {
    QApplication::setActiveWindow(venster.get());
    QTest::keyClick(QApplication::focusWidget(), toets, toetsen);
  }
  void Typ(const QString& tekst) { QTest::keyClicks(QApplication::focusWidget(), tekst); }
  void KlikIn(QWidget* w) {
    QApplication::setActiveWindow(venster.get());
    QTest::mouseClick(w, Qt::LeftButton);
    ASSERT_TRUE(w->hasFocus()) << w->objectName().toStdString();
  }
  // A click on the label picture at a point in label mm.
  void KlikOpEtiket(QPointF mm) {
    EtiketPlaatje* plaatje = venster->pictEtiket();
    const QRect px = venster->beeld().Schaal().naarPixels(QRectF(mm, QSizeF(0.01, 0.01)));
    QApplication::setActiveWindow(venster.get());
    QTest::mouseClick(plaatje, Qt::LeftButton, {}, px.topLeft() + plaatje->contentsRect().topLeft());
  }
  QPointF Hoek(int i) { return {O().voorwerp(i).Links, O().voorwerp(i).Boven}; }
  QStringList Teksten() {
    QStringList t;
    for (int i = 1; i <= O().AantalVoorwerpen(); ++i) t << O().voorwerp(i).tekst().Tekst;
    return t;
  }
};

}  // namespace

TEST_F(Toetsen, CtrlAZAndYActOnTheBoxTheyAreTypedInAndOnTheDesignOnlyFromTheLineBox) {
  Start();
  Kind<QPushButton>("cmdLijnen2")->click();
  const QStringList lijnen = Teksten();
  ASSERT_EQ(lijnen, (QStringList{"Lijn 1", "Lijn 2", "Lijn 3"}));
  for (const char* naam : {"txtAantal", "txtLettergrootte"}) {
    SCOPED_TRACE(naam);
    auto* vak = Kind<QLineEdit>(naam);
    KlikIn(vak);
    const QString voor = vak->text();
    vak->deselect();
    Druk(Qt::Key_A, Qt::ControlModifier);
    Typ(QStringLiteral("20"));
    EXPECT_EQ(vak->text(), QStringLiteral("20"));
    EXPECT_EQ(Teksten(), lijnen);
    EXPECT_EQ(B().AantalGeselecteerd(), 1);
    EXPECT_TRUE(vak->hasFocus());
    Druk(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(vak->text(), voor);
    Druk(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(vak->text(), QStringLiteral("20"));
    EXPECT_EQ(O().AantalLijnen(), 3);  // the three lines were not undone
  }
  // In the line box the keys keep their meaning for the design.
  KlikIn(Box());
  Druk(Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(B().AantalGeselecteerd(), 3);
  const Ontwerp na = O();
  const size_t stappen = venster->geschiedenis().AantalStappen();
  Druk(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(venster->geschiedenis().AantalStappen(), stappen - 1);
  EXPECT_FALSE(ZelfdeInhoud(O(), na));
  Druk(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_TRUE(ZelfdeInhoud(O(), na));
}

TEST_F(Toetsen, ARefusedCommandLeavesTheDesignAsItWasAndNoUndoStep) {
  Start();
  Kind<QPushButton>("cmdLijnen1")->click();
  const Ontwerp voor = O();
  const size_t stappen = venster->geschiedenis().AantalStappen();
  ASSERT_EQ(stappen, 1u);
  // A size no line can have, typed but not yet applied to the selected line.
  Kind<QLineEdit>("txtLettergrootte")->setText(QStringLiteral("99999"));
  Kind<QTimer>("tmrLettergrootte")->stop();
  Kind<QPushButton>("cmdLijnen4")->click();
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_TRUE(meldingen.shown[0].text.startsWith(QStringLiteral("Overloop")));
  EXPECT_TRUE(ZelfdeInhoud(O(), voor));
  EXPECT_EQ(O().AantalLijnen(), 2);
  EXPECT_EQ(venster->geschiedenis().AantalStappen(), stappen);
  EXPECT_EQ(B().AantalGeselecteerd(), 1);
  EXPECT_TRUE(B().Geselecteerd(1));
  EXPECT_EQ(venster->beeld().Beeld(), venster->beeld().Volledig());
  Menu("mnuOngedaan");
  EXPECT_EQ(O().AantalVoorwerpen(), 0);
}

TEST_F(Toetsen, UndoTakesTheFiguresPlaceBackWithTheLayout) {
  Start();
  Kind<QPushButton>("cmdLijnen1")->click();
  const int fig = NieuweFiguur(0, 0, 10, 10);
  Kind<QPushButton>("cmdFiguurBoven")->click();
  const Ontwerp boven = O();
  Kind<QPushButton>("cmdFiguurLinks")->click();
  Menu("mnuOngedaan");
  EXPECT_TRUE(ZelfdeInhoud(O(), boven));
  // Arranging again keeps the lines under the figure, across the label.
  auto* schikken = Kind<QCheckBox>("chkAutomatischVerdelen");
  schikken->setChecked(false);
  QTest::mouseClick(schikken, Qt::LeftButton, {}, QPoint(8, schikken->height() / 2));
  ASSERT_TRUE(schikken->isChecked());
  Voorwerp f = O().voorwerp(fig);
  for (int i : {1, 2}) {
    EXPECT_GE(O().voorwerp(i).Boven, f.Boven + f.Hoogte) << i;
    EXPECT_FLOAT_EQ(O().voorwerp(i).Breedte, venster->HuidigEtiketFormaat().Breedte) << i;
  }
  EXPECT_TRUE(ZelfdeInhoud(O(), boven));
  Menu("mnuOpnieuw");
  schikken->setChecked(false);
  QTest::mouseClick(schikken, Qt::LeftButton, {}, QPoint(8, schikken->height() / 2));
  f = O().voorwerp(fig);
  for (int i : {1, 2}) EXPECT_GE(O().voorwerp(i).Links, f.Links + f.Breedte) << i;  // beside it again
}

TEST_F(Toetsen, EnterOrLeavingTheSizeBoxAppliesTheTypedSizeAtOnce) {
  Start();
  Kind<QPushButton>("cmdLijnen1")->click();
  Menu("mnuAllesSelekteren");
  auto* grootte = Kind<QLineEdit>("txtLettergrootte");
  KlikIn(grootte);
  grootte->selectAll();
  Typ(QStringLiteral("20"));
  Druk(Qt::Key_Return);
  for (int i : {1, 2}) EXPECT_EQ(O().voorwerp(i).tekst().Lettergrootte, 20) << i;
  Typ(QStringLiteral("6"));  // 206
  KlikIn(Kind<QLineEdit>("txtAantal"));
  for (int i : {1, 2}) EXPECT_EQ(O().voorwerp(i).tekst().Lettergrootte, 206) << i;
  EXPECT_FALSE(Kind<QTimer>("tmrLettergrootte")->isActive());
  // The two sizes are two steps for undo.
  Menu("mnuOngedaan");
  EXPECT_EQ(O().voorwerp(1).tekst().Lettergrootte, 20);
}

TEST_F(Toetsen, WithoutAutomaticArrangementNewLinesStackOnTheLabelAndWrapToItsTop) {
  Start();
  ASSERT_EQ(venster->HuidigEtiketFormaat().Naam, QStringLiteral("89 x 36"));
  Kind<QCheckBox>("chkAutomatischVerdelen")->setChecked(false);
  Kind<QLineEdit>("txtLettergrootte")->setText(QStringLiteral("24"));  // 8.4667 mm high
  Kind<QPushButton>("cmdLijnen3")->click();
  Kind<QPushButton>("cmdLijnen4")->click();
  ASSERT_EQ(O().AantalLijnen(), 5);
  // From the top down while they fit in 36 mm; the fifth (15.87 + 8.47 > 18) starts at the top.
  const float boven[5] = {-18, -9.5333f, -1.0667f, 7.4f, -18};
  for (int i = 1; i <= 5; ++i) {
    EXPECT_NEAR(O().voorwerp(i).Boven, boven[i - 1], 1e-3) << i;
    EXPECT_FLOAT_EQ(O().voorwerp(i).Links, -44.5f) << i;
    EXPECT_FLOAT_EQ(O().voorwerp(i).Breedte, 89) << i;
  }
}

TEST_F(Toetsen, TheFileKeysPrintAndHelpReachTheirCommandsWhereverTheFocusIs) {
  Start();
  Kind<QPushButton>("cmdLijnen1")->click();
  const std::pair<const char*, QKeyCombination> regels[] = {
      {"mnuNieuwEtiket", Qt::CTRL | Qt::Key_N},  {"mnuOpenen", Qt::CTRL | Qt::Key_O},
      {"mnuOpslaan", Qt::CTRL | Qt::Key_S},      {"mnuOpslaanAls", Qt::CTRL | Qt::SHIFT | Qt::Key_S},
      {"mnuAfdrukken", Qt::CTRL | Qt::Key_P},    {"mnuInfo", QKeyCombination(Qt::Key_F1)}};
  for (const auto& [naam, toets] : regels) {
    QAction* regel = Kind<QAction>(naam);
    // Only whether the key reaches the entry: its command is tested on its own.
    QObject::disconnect(regel, &QAction::triggered, nullptr, nullptr);
    QSignalSpy gekozen(regel, &QAction::triggered);
    for (const char* plek : {"txtTekstlijn", "txtAantal", "txtLettergrootte", "pictEtiket", "cmbLettertype"}) {
      Kind<QWidget>(plek)->setFocus();
      Druk(toets.key(), toets.keyboardModifiers());
    }
    EXPECT_EQ(gekozen.count(), 5) << naam;
  }
  // The entry the picture's Delete key uses keeps having no shortcut.
  EXPECT_TRUE(Kind<QAction>("mnuVerwijderen")->shortcuts().isEmpty());
}

TEST_F(Toetsen, ThePictureTakesTheFocusAndItsKeysActOnTheSelection) {
  Start();
  Kind<QPushButton>("cmdLijnen1")->click();
  EtiketPlaatje* plaatje = venster->pictEtiket();
  // Clicking a line selects it and gives the picture the keyboard.
  const QPointF hoek = Hoek(2);
  KlikOpEtiket(hoek + QPointF(1, 1));
  ASSERT_TRUE(plaatje->hasFocus());
  ASSERT_EQ(B().GeselecteerdeVoorwerpen(), std::vector<int>{2});

  // A burst of arrows: three printer dots right (VL200: 1/8 mm) and 1 mm down, one undo step.
  const size_t stappen = venster->geschiedenis().AantalStappen();
  for (int n = 0; n < 3; ++n) Druk(Qt::Key_Right);
  Druk(Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_NEAR(Hoek(2).x(), hoek.x() + 0.375, 1e-5);
  EXPECT_NEAR(Hoek(2).y(), hoek.y() + 1, 1e-5);
  EXPECT_EQ(venster->geschiedenis().AantalStappen(), stappen + 1);
  // On a VL300 a dot is 1/12 mm; a new burst after the undo.
  venster->instellingen().Printer = 2;
  venster->streepjescodes().ZetPrinterPunten();
  Menu("mnuOngedaan");
  EXPECT_EQ(Hoek(2), hoek);
  Druk(Qt::Key_Up);
  EXPECT_NEAR(Hoek(2).y(), hoek.y() - 1.0 / 12, 1e-5);
  EXPECT_EQ(venster->geschiedenis().AantalStappen(), stappen + 1);

  // Ctrl+A keeps the focus; Ctrl+D copies the selection a little off, selected.
  Druk(Qt::Key_A, Qt::ControlModifier);
  EXPECT_TRUE(plaatje->hasFocus());
  EXPECT_EQ(B().AantalGeselecteerd(), 2);
  const Ontwerp voor = O();
  Druk(Qt::Key_D, Qt::ControlModifier);
  ASSERT_EQ(O().AantalLijnen(), 4);
  EXPECT_EQ(B().GeselecteerdeVoorwerpen(), (std::vector<int>{3, 4}));
  for (int i : {1, 2}) {
    EXPECT_EQ(O().voorwerp(i + 2).tekst().Tekst, voor.voorwerp(i).tekst().Tekst);
    EXPECT_EQ(Hoek(i + 2), QPointF(voor.voorwerp(i).Links + 2, voor.voorwerp(i).Boven + 2));
    EXPECT_NE(O().voorwerp(i + 2).Id(), voor.voorwerp(i).Id());
  }
  EXPECT_TRUE(plaatje->hasFocus());
  // Delete removes them again.
  Druk(Qt::Key_Delete);
  EXPECT_TRUE(ZelfdeInhoud(O(), voor));
  EXPECT_EQ(venster->beeld().Beeld(), venster->beeld().Volledig());

  // What is typed on the picture goes into the line being edited.
  ASSERT_EQ(B().HuidigeLijn(), 1);
  Typ(QStringLiteral("Kaas"));
  EXPECT_EQ(O().voorwerp(1).tekst().Tekst, QStringLiteral("Kaas"));
  EXPECT_TRUE(Box()->hasFocus());
  // There the keys keep their text meaning.
  const Ontwerp inBox = O();
  Druk(Qt::Key_Left);
  Druk(Qt::Key_Delete);
  Druk(Qt::Key_D, Qt::ControlModifier);
  EXPECT_EQ(O().AantalVoorwerpen(), 2);
  EXPECT_EQ(Hoek(1), QPointF(inBox.voorwerp(1).Links, inBox.voorwerp(1).Boven));
  EXPECT_EQ(O().voorwerp(1).tekst().Tekst, QStringLiteral("Kaa"));

  // The empty part of the picture takes the focus too, and Tab reaches it.
  KlikOpEtiket(QPointF(venster->HuidigEtiketFormaat().Breedte / 2 + 1, 0));
  EXPECT_TRUE(plaatje->hasFocus());
  Box()->setFocus();
  for (int n = 0; n < 30 && !plaatje->hasFocus(); ++n) Druk(Qt::Key_Tab);
  EXPECT_TRUE(plaatje->hasFocus());
}

TEST_F(Toetsen, TabReachesEveryControlOfTheWindow) {
  Start();
  Kind<QPushButton>("cmdLijnen2")->click();  // the line box takes text now
  // Every control a user can work, found by its kind.
  QSet<QWidget*> controls;
  for (QWidget* w : venster->findChildren<QWidget*>()) {
    const bool invoer = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                        qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSlider*>(w) ||
                        qobject_cast<EtiketPlaatje*>(w);
    if (invoer && w->isVisible() && w->isEnabled() && w->window() == venster.get()) controls.insert(w);
  }
  ASSERT_GT(controls.size(), 20);
  QApplication::setActiveWindow(venster.get());
  venster->pictEtiket()->setFocus(Qt::OtherFocusReason);
  QWidget* begin = QApplication::focusWidget();
  ASSERT_EQ(begin, venster->pictEtiket());
  QSet<QWidget*> bereikt;
  for (int n = 0; n < 200; ++n) {
    bereikt.insert(QApplication::focusWidget());
    Druk(Qt::Key_Tab);
    if (QApplication::focusWidget() == begin) break;
  }
  EXPECT_EQ(QApplication::focusWidget(), begin) << "Tab does not come round";
  QStringList gemist;
  for (QWidget* w : controls)
    if (!bereikt.contains(w)) gemist << w->objectName() + u':' + QString::fromLatin1(w->metaObject()->className());
  gemist.sort();
  EXPECT_TRUE(gemist.isEmpty()) << gemist.join(u' ').toStdString();
}

namespace {

// The letter after the ampersand of a caption, 0 without one.
QChar Ezelsbrug(const QString& tekst) {
  for (int i = 0; i + 1 < tekst.size(); ++i) {
    if (tekst[i] != u'&') continue;
    if (tekst[i + 1] != u'&') return tekst[i + 1].toUpper();
    ++i;  // "&&" is a plain ampersand
  }
  return {};
}

// Every entry of a menu bar or menu shown to the user has a letter of its
// own there. Entries named by the user (the galleries) are left out.
void ControleerEzelsbruggen(const QList<QAction*>& regels, const QString& waar) {
  QMap<QChar, QString> gezien;
  for (QAction* a : regels) {
    if (a->isSeparator() || !a->isVisible() || a->objectName().startsWith(u"mnuGalerij")) continue;
    const QChar letter = Ezelsbrug(a->text());
    EXPECT_FALSE(letter.isNull()) << waar.toStdString() << ": " << a->text().toStdString();
    if (letter.isNull()) continue;
    EXPECT_FALSE(gezien.contains(letter)) << waar.toStdString() << ": " << a->text().toStdString() << " and "
                                          << gezien.value(letter).toStdString();
    gezien.insert(letter, a->text());
    if (a->menu()) ControleerEzelsbruggen(a->menu()->actions(), a->text());
  }
}

}  // namespace

TEST_F(Toetsen, EveryMenuAndEntryHasALetterOfItsOwnThatAltReaches) {
  Start();
  ControleerEzelsbruggen(venster->menuBar()->actions(), QStringLiteral("menu bar"));
  // Alt and the menu's letter opens it; the entry's letter runs the entry.
  const auto kies = [this](Qt::Key menu, Qt::Key regel) {
    QApplication::setActiveWindow(venster.get());
    QTest::keyClick(venster.get(), menu, Qt::AltModifier);
    auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(open, nullptr);
    QTest::keyClick(open, regel);
  };
  bool code = false, rond = false;
  BeantwoordDialoog<frmStreepjescode>([&](frmStreepjescode* d) {
    code = true;
    d->reject();
  });
  kies(Qt::Key_F, Qt::Key_T);
  EXPECT_TRUE(code) << "Figuur > Streepjescode toevoegen";
  BeantwoordDialoog<frmRondeTekst>([&](frmRondeTekst* d) {
    rond = true;
    d->reject();
  });
  kies(Qt::Key_T, Qt::Key_R);
  EXPECT_TRUE(rond) << "Tekst > Ronde tekst toevoegen";
  kies(Qt::Key_F, Qt::Key_B);
  EXPECT_FALSE(bestanden.lastCaption.isEmpty()) << "Figuur > Bestand invoegen";
  kies(Qt::Key_T, Qt::Key_3);
  EXPECT_EQ(O().AantalLijnen(), 3);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(Toetsen, AnAlignmentButtonReachedByTabIsSetWithSpaceAndStaysTheOneOn) {
  Start();
  Kind<QPushButton>("cmdLijnen1")->click();
  const auto aan = [this] {
    QStringList knoppen;
    for (const char* naam : {"cmdUitlijning0", "cmdUitlijning1", "cmdUitlijning2"})
      if (Kind<QPushButton>(naam)->isChecked()) knoppen << QString::fromLatin1(naam);
    return knoppen.join(u' ').toStdString();
  };
  ASSERT_TRUE(aan() == "cmdUitlijning0" || aan() == "cmdUitlijning2") << aan();
  QApplication::setActiveWindow(venster.get());
  Kind<QPushButton>("cmdUitlijning1")->setFocus(Qt::TabFocusReason);
  for (int keer = 0; keer < 2; ++keer) {  // the second press leaves it on
    Druk(Qt::Key_Space);
    EXPECT_EQ(aan(), "cmdUitlijning1");
    EXPECT_EQ(O().voorwerp(1).tekst().Uitlijning, 1);
  }
}
