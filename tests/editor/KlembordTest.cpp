#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "support/EtiketOpstelling.h"

namespace {
class Klembord : public EtiketOpstelling {
 protected:
  void OpenBewerken() {
    QMenu* m = venster->findChild<QMenu*>(QStringLiteral("mnuBewerken"));
    emit m->aboutToShow();
  }
  bool Aan(const char* naam) { return Kind<QAction>(naam)->isEnabled(); }
  // As the user does it: open the menu, then choose.
  void Bewerk(const char* naam) {
    OpenBewerken();
    Menu(naam);
  }
};
}  // namespace

TEST_F(Klembord, TheEditMenuFollowsTheClipboardAndTheLineBox) {
  Start();
  OpenBewerken();
  EXPECT_FALSE(Aan("mnuKnippen"));
  EXPECT_FALSE(Aan("mnuCopieren"));
  EXPECT_FALSE(Aan("mnuPlakken"));
  Menu("mnuTekstLijnen1");  // selects all of "Lijn 1" in the box
  klembord.tekst = QStringLiteral("x");
  OpenBewerken();
  EXPECT_TRUE(Aan("mnuKnippen"));
  EXPECT_TRUE(Aan("mnuCopieren"));
  EXPECT_TRUE(Aan("mnuPlakken"));
}

TEST_F(Klembord, CutAndCopyTakeTheSelectedTextOfTheLine) {
  Start();
  Menu("mnuTekstLijnen1");
  QLineEdit* box = Kind<QLineEdit>("txtTekstlijn");
  box->setText(QStringLiteral("Kaas 500 g"));
  box->setSelection(5, 3);
  Bewerk("mnuCopieren");
  EXPECT_EQ(klembord.tekst, QStringLiteral("500"));
  Bewerk("mnuKnippen");
  EXPECT_EQ(O().voorwerp(1).tekst().Tekst, QStringLiteral("Kaas  g"));
}

TEST_F(Klembord, CutAndCopyFromAMenuOpenedByKeyboardTakeTheSelectionTheBoxHad) {
  Start();
  Menu("mnuTekstLijnen1");
  QApplication::setActiveWindow(venster.get());
  QLineEdit* box = Kind<QLineEdit>("txtTekstlijn");
  box->setFocus();
  box->setText(QStringLiteral("Kaas 500 g"));
  box->setSelection(5, 3);
  // Alt gives the menu bar the keyboard; the box loses its selection then.
  venster->menuBar()->setFocus(Qt::MenuBarFocusReason);
  ASSERT_FALSE(box->hasSelectedText());
  OpenBewerken();
  EXPECT_TRUE(Aan("mnuCopieren"));
  Menu("mnuCopieren");
  EXPECT_EQ(klembord.tekst, QStringLiteral("500"));
  // A chosen entry closes the menu, and the box has the focus again, before
  // the command runs.
  box->setFocus(Qt::MenuBarFocusReason);
  EXPECT_EQ(box->selectedText(), QStringLiteral("500"));
  venster->menuBar()->setFocus(Qt::MenuBarFocusReason);
  OpenBewerken();
  box->setFocus(Qt::MenuBarFocusReason);
  Menu("mnuKnippen");
  EXPECT_EQ(O().voorwerp(1).tekst().Tekst, QStringLiteral("Kaas  g"));
}

TEST_F(Klembord, SeveralLinesBecomeExactlyThatManyTextLines) {
  Start();
  Menu("mnuTekstLijnen5");
  klembord.tekst = QStringLiteral("Appels\r\n\r\nPeren\r\n");
  Bewerk("mnuPlakken");
  ASSERT_EQ(O().AantalLijnen(), 2);
  EXPECT_EQ(O().voorwerp(1).tekst().Tekst, QStringLiteral("Appels"));
  EXPECT_EQ(O().voorwerp(2).tekst().Tekst, QStringLiteral("Peren"));
  EXPECT_TRUE(B().Geselecteerd(2));
  // Line ends of this system split too.
  klembord.tekst = QStringLiteral("a\nb\nc");
  Bewerk("mnuPlakken");
  EXPECT_EQ(O().AantalLijnen(), 3);
  EXPECT_EQ(O().voorwerp(3).tekst().Tekst, QStringLiteral("c"));
}

TEST_F(Klembord, OneLineGoesIntoTheBoxOrBecomesANewLine) {
  Start();
  Menu("mnuTekstLijnen1");
  QLineEdit* box = Kind<QLineEdit>("txtTekstlijn");
  box->setText(QStringLiteral("Prijs: "));
  box->setCursorPosition(7);
  klembord.tekst = QStringLiteral("€ 2,50");
  Bewerk("mnuPlakken");
  EXPECT_EQ(O().voorwerp(1).tekst().Tekst, QStringLiteral("Prijs: € 2,50"));
  // Nothing being edited: a new line at the end.
  venster->pictEtiket()->DeSelekteerAlles();
  ASSERT_EQ(B().HuidigeLijn(), 0);
  Bewerk("mnuPlakken");
  ASSERT_EQ(O().AantalLijnen(), 2);
  EXPECT_EQ(O().voorwerp(2).tekst().Tekst, QStringLiteral("€ 2,50"));
  EXPECT_TRUE(B().Geselecteerd(2));
}

TEST_F(Klembord, PicturesBecomeFiguresAndAVectorFillsTheLabelsProportions) {
  instellingen.write(QStringLiteral("Defaults"), QStringLiteral("Form"), QStringLiteral(" 5"));  // 50 x 30
  Start();
  klembord.svg = "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 10 10'>"
                 "<rect x='2' y='2' width='6' height='6' fill='black'/></svg>";
  klembord.beeld = QImage(20, 10, QImage::Format_RGB32);
  klembord.beeld.fill(Qt::black);
  Kind<QPushButton>("cmdPlakken")->click();
  ASSERT_EQ(O().AantalFiguren(), 1);
  // The vector picture wins and is drawn at 40 dots a millimetre.
  EXPECT_EQ(O().voorwerp(1).beeld().BeeldBreedte, 2000);
  EXPECT_EQ(O().voorwerp(1).beeld().BeeldHoogte, 1200);
  klembord.svg.clear();
  klembord.tekst = QStringLiteral("tekst telt hier niet");
  Kind<QPushButton>("cmdPlakken")->click();
  ASSERT_EQ(O().AantalFiguren(), 2);
  EXPECT_EQ(O().voorwerp(2).beeld().BeeldBreedte, 20);
  EXPECT_EQ(O().AantalLijnen(), 0);
}

TEST_F(Klembord, AScannedPictureBecomesAFigureAndACancelledScanChangesNothing) {
  Start();
  scanner.sources = {{QStringLiteral("test:0"), QStringLiteral("Testscanner")}};
  BeantwoordDialoog<QDialog>([](QDialog* d) { d->accept(); });
  Menu("mnuScannerSelecteren");
  EXPECT_EQ(scanner.listings, 1);
  scanner.picture = QImage(157, 196, QImage::Format_Grayscale8);
  scanner.picture.fill(Qt::gray);
  Menu("mnuAfbeeldingscannen");
  ASSERT_EQ(O().AantalFiguren(), 1);
  EXPECT_EQ(scanner.scannedDevices, QStringList{QStringLiteral("test:0")});
  EXPECT_TRUE(B().Geselecteerd(1));
  // A grey picture prints black: nothing of it is the exact background.
  const QImage& b = O().voorwerp(1).beeld().Afbeelding->raster;
  EXPECT_EQ(b.pixelIndex(78, 98), 1);
  scanner.scanStatus = platform::Scanner::Status::NoResult;
  Menu("mnuAfbeeldingscannen");
  EXPECT_EQ(O().AantalFiguren(), 1);
  EXPECT_TRUE(meldingen.shown.empty());
  scanner.scanStatus = platform::Scanner::Status::NotStarted;
  Menu("mnuAfbeeldingscannen");
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].title, QStringLiteral("Fout."));
  EXPECT_EQ(meldingen.shown[0].text, QStringLiteral("Het scanner-programma kan\nniet gestart worden."));
}

TEST_F(Klembord, APictureTooLargeIsToldWhetherPastedOrScanned) {
  Start();
  const QString melding =
      QStringLiteral("De afbeelding is te groot: %1 x %2 beeldpunten, ten hoogste 33554432 beeldpunten.");
  klembord.beeld = QImage(6000, 6000, QImage::Format_Mono);
  Kind<QPushButton>("cmdPlakken")->click();
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].title, QStringLiteral("Fout"));
  EXPECT_EQ(meldingen.shown[0].text, melding.arg(6000).arg(6000));
  // An A4 page scanned at 600 dots per inch.
  scanner.picture = QImage(4960, 7016, QImage::Format_Mono);
  Menu("mnuAfbeeldingscannen");
  ASSERT_EQ(meldingen.shown.size(), 2u);
  EXPECT_EQ(meldingen.shown[1].text, melding.arg(4960).arg(7016));
  EXPECT_EQ(O().AantalFiguren(), 0);
  EXPECT_FALSE(venster->isWindowModified());
}

TEST_F(Klembord, FiguresAreAddedOnlyWhileAllTheirPicturesTogetherCanBeSaved) {
  Start();
  // Four pictures of 5792 x 5792 dots leave 28672 dots of the 134217728
  // that one design file keeps.
  klembord.beeld = QImage(5792, 5792, QImage::Format_Mono);
  klembord.beeld.fill(0);
  for (int i = 0; i < 4; ++i) Kind<QPushButton>("cmdPlakken")->click();
  ASSERT_EQ(O().AantalFiguren(), 4);
  ASSERT_TRUE(meldingen.shown.empty());
  const size_t stappen = venster->geschiedenis().AantalStappen();

  // 113 x 256 dots is 256 too many, from a file as from the clipboard.
  QImage teVeel(113, 256, QImage::Format_RGB32);
  teVeel.fill(Qt::black);
  const QString pad = tmp.path(QStringLiteral("teveel.png"));
  ASSERT_TRUE(teVeel.save(pad));
  bestanden.answers.push_back({pad, {}});
  Menu("mnuBestandInvoegen");
  klembord.beeld = teVeel;
  Kind<QPushButton>("cmdPlakken")->click();
  const QString melding = QStringLiteral(
      "De afbeelding kan niet worden toegevoegd: de figuren van dit ontwerp zouden samen\n"
      "134217984 beeldpunten hebben, ten hoogste 134217728 beeldpunten.");
  ASSERT_EQ(meldingen.shown.size(), 2u);
  for (const auto& m : meldingen.shown) {
    EXPECT_EQ(m.title, QStringLiteral("Fout"));
    EXPECT_EQ(m.text, melding);
  }
  EXPECT_EQ(O().AantalFiguren(), 4);
  EXPECT_EQ(venster->geschiedenis().AantalStappen(), stappen);

  // What fits exactly is scanned in, and the design saves.
  scanner.picture = QImage(112, 256, QImage::Format_Mono);
  scanner.picture.fill(0);
  Menu("mnuAfbeeldingscannen");
  EXPECT_EQ(O().AantalFiguren(), 5);
  bestanden.answers.push_back({tmp.path(QStringLiteral("vol.VLO")), {}});
  Menu("mnuOpslaanAls");
  EXPECT_EQ(meldingen.shown.size(), 2u);
  EXPECT_FALSE(venster->isWindowModified());
}

TEST_F(Klembord, TheLineBoxShowsTheCurrentLineOrIsEmptyAndClosed) {
  Etiket& e = Start();
  QLineEdit* box = Kind<QLineEdit>("txtTekstlijn");
  EXPECT_FALSE(box->isEnabled());
  Menu("mnuTekstLijnen3");
  NieuweFiguur(0, 0, 5, 5);
  EXPECT_TRUE(box->isEnabled());
  // Pasting several lines ends on the figure after them: no line to type in.
  klembord.tekst = QStringLiteral("a\nb");
  Bewerk("mnuPlakken");
  ASSERT_EQ(B().HuidigeLijn(), 0);
  EXPECT_TRUE(box->text().isEmpty());
  EXPECT_FALSE(box->isEnabled());
  // Choosing a line opens the box on it; a file that cannot be read keeps it.
  venster->pictEtiket()->SelecteerVoorwerp(2);
  EXPECT_EQ(box->text(), QStringLiteral("b"));
  EXPECT_TRUE(box->isEnabled());
  bestanden.answers.push_back({tmp.write(QStringLiteral("kapot.VLO"), "VS"), {}});
  ZonderBewaren();
  Menu("mnuOpenen");
  EXPECT_EQ(box->text(), QStringLiteral("b"));
  EXPECT_TRUE(box->isEnabled());
  // A new design has no line.
  ZonderBewaren();
  Menu("mnuNieuwEtiket");
  EXPECT_TRUE(box->text().isEmpty());
  EXPECT_FALSE(box->isEnabled());
  EXPECT_FALSE(e.isWindowModified());
}
