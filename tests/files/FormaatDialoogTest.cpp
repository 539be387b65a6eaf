#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <functional>

#include "support/TestCatalogus.h"
#include "ui/FormaatDialoog.h"

using namespace ui;

namespace {

EtiketFormaat Rechthoek(float w, float h) {
  EtiketFormaat f;
  f.Naam = QStringLiteral("%1 x %2").arg(w).arg(h);
  f.Breedte = w;
  f.Hoogte = h;
  return f;
}

FormatenTabel Reeks(int n) {
  std::vector<EtiketFormaat> f;
  for (int i = 1; i <= n; ++i) f.push_back(Rechthoek(float(20 + i), float(10 + i % 40)));
  return FormatenTabel(std::move(f));
}

// The bounding box of the dark dots a pictogram paints.
QRect Getekend(QWidget* w) {
  const QImage beeld = w->grab().toImage();
  QRect r;
  for (int y = 0; y < beeld.height(); ++y)
    for (int x = 0; x < beeld.width(); ++x)
      if (qGray(beeld.pixel(x, y)) < 128) r |= QRect(x, y, 1, 1);
  return r;
}

class FormaatTest : public ::testing::Test {
 protected:
  std::unique_ptr<Formaat> dlg;
  qint16 huidig = 2;

  Formaat& Open(const FormatenTabel& t, int start = 2) {
    huidig = qint16(start);
    dlg = std::make_unique<Formaat>(t, start);
    return *dlg;
  }
  template <typename T>
  T* Kind(const QString& naam) {
    T* w = dlg->findChild<T*>(naam);
    EXPECT_NE(w, nullptr) << naam.toStdString();
    return w;
  }
  QLabel* Label(const char* basis, int i) { return Kind<QLabel>(QString::fromLatin1(basis) + QString::number(i)); }
  QWidget* Pic(int i) { return Kind<QWidget>(QStringLiteral("picPictogram%1").arg(i)); }
  QColor Achtergrond(QWidget* w) { return w->palette().color(QPalette::Window); }
  QColor Highlight() { return Kind<QLabel>(QStringLiteral("lblSelektie"))->palette().color(QPalette::Window); }

  // Shows the dialog modally and lets `doe` work its controls meanwhile.
  bool Toon(std::function<void()> doe) {
    QTimer::singleShot(0, dlg.get(), [this, doe] {
      doe();
      // Whatever `doe` did, the dialog must not stay open.
      if (dlg->isVisible()) dlg->done(QDialog::Rejected);
    });
    return dlg->Toon(huidig);
  }
};

}  // namespace

TEST_F(FormaatTest, TheGridHasAtMostFiveColumnsAndAsFewAsFillTheRows) {
  const std::pair<int, QSize> gevallen[] = {{5, {5, 1}}, {6, {3, 2}},   {12, {4, 3}}, {26, {5, 6}},
                                            {1, {1, 1}}, {11, {4, 3}}, {300, {5, 60}}};
  for (const auto& [n, rasterMaat] : gevallen) {
    Open(Reeks(n), 1);
    EXPECT_EQ(dlg->Kolommen(), rasterMaat.width()) << n;
    EXPECT_EQ(dlg->Rijen(), rasterMaat.height()) << n;
    EXPECT_NE(dlg->findChild<QWidget*>(QStringLiteral("picPictogram%1").arg(n)), nullptr) << n;
    EXPECT_EQ(dlg->findChild<QWidget*>(QStringLiteral("picPictogram%1").arg(n + 1)), nullptr) << n;
  }
}

TEST_F(FormaatTest, FormatsFillTheGridRowByRow) {
  Open(Reeks(12), 1);
  const int kolomStap = Pic(2)->x() - Pic(1)->x();
  const int rijStap = Pic(5)->y() - Pic(1)->y();
  // Column step: a pictogram and a gap; row step: a pictogram, its captions and a gap.
  EXPECT_EQ(kolomStap, Pic(1)->width() + 2);
  EXPECT_EQ(rijStap, Label("lblAfmeting", 1)->geometry().bottom() + 1 - Pic(1)->y() + 2);
  // Format 7 of 12 sits in column 2 and row 1 (both from 0).
  EXPECT_EQ(Pic(7)->pos(), Pic(1)->pos() + QPoint(2 * kolomStap, rijStap));
  EXPECT_EQ(Label("lblVorm", 7)->x(), Pic(7)->x());
  EXPECT_EQ(Label("lblVorm", 7)->y() - Label("lblVorm", 1)->y(), rijStap);
  EXPECT_EQ(Pic(12)->pos(), Pic(1)->pos() + QPoint(3 * kolomStap, 2 * rijStap));
}

TEST_F(FormaatTest, CaptionsGiveShapeAndSize) {
  std::vector<EtiketFormaat> f{Rechthoek(62, 29), Rechthoek(101.6f, 152.4f)};
  EtiketFormaat rond = Rechthoek(40, 40);
  rond.Vorm = 1;
  f.push_back(rond);
  EtiketFormaat vreemd = Rechthoek(30, 20);
  vreemd.Vorm = 5;
  f.push_back(vreemd);
  Open(FormatenTabel(f), 1);
  EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Formaat"));
  EXPECT_EQ(Label("lblVorm", 1)->text(), QStringLiteral("Rechthoekig"));
  EXPECT_EQ(Label("lblAfmeting", 1)->text(), QStringLiteral("62x29"));
  EXPECT_EQ(Label("lblAfmeting", 2)->text(), QStringLiteral("101.6x152.4"));
  EXPECT_EQ(Label("lblVorm", 3)->text(), QStringLiteral("Rond"));
  EXPECT_EQ(Label("lblAfmeting", 3)->text(), QStringLiteral("Diam.40"));
  // Any shape but 0 is called round, yet only shape 1 is drawn as a circle.
  EXPECT_EQ(Label("lblVorm", 4)->text(), QStringLiteral("Rond"));
  EXPECT_EQ(Label("lblAfmeting", 4)->text(), QStringLiteral("Diam.30"));
  EXPECT_TRUE(Getekend(Pic(4)).isNull());
  EXPECT_FALSE(Getekend(Pic(3)).isNull());
  EXPECT_EQ(Kind<QPushButton>(QStringLiteral("cmdOK"))->text(), QStringLiteral("OK"));
  EXPECT_EQ(Kind<QPushButton>(QStringLiteral("cmdAnnuleren"))->text(), QStringLiteral("Annuleren"));
  EXPECT_EQ(Kind<QLabel>(QStringLiteral("lblSelektie"))->text(), QStringLiteral("Selektie"));
}

TEST_F(FormaatTest, TilesOfTheSameSizeAreToldApartByLayoutAndName) {
  // A roll of single labels, a roll two across, a sheet of 2 x 3, and one
  // more to hold the highlight, so that the three are painted alike.
  std::vector<EtiketFormaat> f{Rechthoek(50, 30), Rechthoek(50, 30), Rechthoek(50, 30), Rechthoek(20, 10)};
  f[0].Naam = QStringLiteral("50 x 30");
  f[1].Naam = QStringLiteral("2 x 50 x 30");
  f[1].Kolommen = 2;
  f[2].Naam = QStringLiteral("2 x 3 x 50 x 30 vel");
  f[2].Kolommen = 2;
  f[2].Rijen = 3;
  Open(FormatenTabel(f), 4);
  for (int i : {2, 3}) {
    EXPECT_EQ(Label("lblVorm", i)->text(), Label("lblVorm", 1)->text());
    EXPECT_EQ(Label("lblAfmeting", i)->text(), Label("lblAfmeting", 1)->text());
  }
  const QImage rol = Pic(1)->grab().toImage(), tweeBaans = Pic(2)->grab().toImage(), vel = Pic(3)->grab().toImage();
  EXPECT_NE(rol, tweeBaans);
  EXPECT_NE(rol, vel);
  EXPECT_NE(tweeBaans, vel);
  for (int i : {1, 2, 3}) {
    EXPECT_EQ(Pic(i)->toolTip(), f[size_t(i - 1)].Naam);
    EXPECT_EQ(Label("lblVorm", i)->toolTip(), f[size_t(i - 1)].Naam);
    EXPECT_EQ(Label("lblAfmeting", i)->toolTip(), f[size_t(i - 1)].Naam);
  }
}

TEST_F(FormaatTest, AllPictogramsShareOneScale) {
  Open(FormatenTabel({Rechthoek(120, 60), Rechthoek(60, 30), Rechthoek(30, 120)}), 1);
  dlg->KiesFormaat(3);  // no highlight behind the first two
  const int vak = Pic(1)->width();
  // The largest side, 120, fills five sixths of the box.
  const QRect groot = Getekend(Pic(1));
  EXPECT_NEAR(groot.width(), vak * 5 / 6.0, 2.0);
  EXPECT_NEAR(groot.height(), vak * 5 / 12.0, 2.0);
  EXPECT_NEAR(groot.center().x(), vak / 2.0, 1.0);
  const QRect half = Getekend(Pic(2));
  EXPECT_NEAR(half.width(), groot.width() / 2.0, 2.0);
  EXPECT_NEAR(half.height(), groot.height() / 2.0, 2.0);
  EXPECT_NEAR(Getekend(Pic(3)).height(), groot.width(), 2.0);
}

TEST_F(FormaatTest, AClickHighlightsTheFormatAndMovesTheMarker) {
  Open(Reeks(6), 2);
  EXPECT_EQ(dlg->Selectie(), 2);
  EXPECT_EQ(Achtergrond(Pic(2)), Highlight());
  EXPECT_NE(Achtergrond(Pic(1)), Highlight());
  QTest::mouseClick(Label("lblAfmeting", 5), Qt::LeftButton);
  EXPECT_EQ(dlg->Selectie(), 5);
  EXPECT_EQ(Achtergrond(Pic(5)), Highlight());
  EXPECT_EQ(Achtergrond(Pic(2)), Achtergrond(Pic(1)));
  const QFrame* marker = Kind<QFrame>(QStringLiteral("shpRechthoek"));
  EXPECT_EQ(marker->x(), Pic(5)->x() - 1);
  EXPECT_EQ(marker->y(), Pic(5)->geometry().bottom() + 1);
  QTest::mouseClick(Pic(3), Qt::LeftButton);
  EXPECT_EQ(dlg->Selectie(), 3);
  QTest::mouseClick(Label("lblVorm", 6), Qt::LeftButton);
  EXPECT_EQ(dlg->Selectie(), 6);
  // A click only selects.
  EXPECT_EQ(huidig, 2);
}

TEST_F(FormaatTest, OkMakesTheSelectionCurrent) {
  Open(Reeks(6), 2);
  EXPECT_TRUE(Toon([this] {
    QTest::mouseClick(Pic(4), Qt::LeftButton);
    QTest::mouseClick(Kind<QPushButton>(QStringLiteral("cmdOK")), Qt::LeftButton);
  }));
  EXPECT_EQ(huidig, 4);
  EXPECT_TRUE(dlg->Bevestigd());
  EXPECT_FALSE(dlg->isVisible());
}

TEST_F(FormaatTest, AnnulerenKeepsTheFormatAndPutsTheSelectionBack) {
  Open(Reeks(6), 2);
  EXPECT_FALSE(Toon([this] {
    QTest::mouseClick(Pic(4), Qt::LeftButton);
    QTest::mouseClick(Kind<QPushButton>(QStringLiteral("cmdAnnuleren")), Qt::LeftButton);
  }));
  EXPECT_EQ(huidig, 2);
  EXPECT_EQ(dlg->Selectie(), 2);
  EXPECT_EQ(Achtergrond(Pic(2)), Highlight());
  EXPECT_FALSE(dlg->isVisible());
  // Escape is Annuleren too.
  EXPECT_FALSE(Toon([this] {
    QTest::mouseClick(Pic(5), Qt::LeftButton);
    QTest::keyClick(dlg.get(), Qt::Key_Escape);
  }));
  EXPECT_EQ(huidig, 2);
  EXPECT_EQ(dlg->Selectie(), 2);
}

TEST_F(FormaatTest, ADoubleClickActsAsOk) {
  Open(Reeks(6), 1);
  EXPECT_TRUE(Toon([this] { QTest::mouseDClick(Label("lblVorm", 6), Qt::LeftButton); }));
  EXPECT_EQ(huidig, 6);
  EXPECT_TRUE(Toon([this] { QTest::mouseDClick(Pic(3), Qt::LeftButton); }));
  EXPECT_EQ(huidig, 3);
}

TEST_F(FormaatTest, TheDialogKeepsItsOwnSelectionBetweenShowings) {
  Open(Reeks(6), 1);
  EXPECT_TRUE(Toon([this] {
    QTest::mouseClick(Pic(3), Qt::LeftButton);
    QTest::mouseClick(Kind<QPushButton>(QStringLiteral("cmdOK")), Qt::LeftButton);
  }));
  // A design file read meanwhile set another format; the dialog still shows
  // its own last choice, and OK makes that current.
  huidig = 5;
  EXPECT_TRUE(Toon([this] {
    EXPECT_EQ(dlg->Selectie(), 3);
    EXPECT_EQ(Achtergrond(Pic(3)), Highlight());
    QTest::mouseClick(Kind<QPushButton>(QStringLiteral("cmdOK")), Qt::LeftButton);
  }));
  EXPECT_EQ(huidig, 3);
}

TEST_F(FormaatTest, ALongCatalogueScrollsInsteadOfOutgrowingTheScreen) {
  Open(Reeks(300), 1);
  const QRect scherm = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_LE(dlg->height(), scherm.height());
  EXPECT_LE(dlg->width(), scherm.width());
  QScrollArea* raster = dlg->Raster();
  EXPECT_GT(raster->verticalScrollBar()->maximum(), 0);
  // The buttons stay inside the dialog, below the grid.
  const QPushButton* ok = Kind<QPushButton>(QStringLiteral("cmdOK"));
  const QPushButton* annuleren = Kind<QPushButton>(QStringLiteral("cmdAnnuleren"));
  EXPECT_TRUE(dlg->rect().contains(ok->geometry()));
  EXPECT_TRUE(dlg->rect().contains(annuleren->geometry()));
  EXPECT_GE(ok->y(), raster->geometry().bottom());
  EXPECT_LT(annuleren->x(), ok->x());

  // Picking the last format scrolls it into view; OK returns it.
  EXPECT_TRUE(Toon([this, raster] {
    dlg->KiesFormaat(300);
    const QRect zicht(QPoint(0, raster->verticalScrollBar()->value()), raster->viewport()->size());
    EXPECT_TRUE(zicht.contains(Pic(300)->geometry())) << raster->verticalScrollBar()->value();
    QTest::mouseClick(Kind<QPushButton>(QStringLiteral("cmdOK")), Qt::LeftButton);
  }));
  EXPECT_EQ(huidig, 300);

  // A short catalogue does not scroll: the dialog is sized to its grid.
  Open(TestCatalogus(), 1);
  EXPECT_TRUE(Toon([this] { EXPECT_EQ(dlg->Raster()->verticalScrollBar()->maximum(), 0); dlg->accept(); }));
}

TEST_F(FormaatTest, AnEmptyCatalogueShowsNothingAndChangesNothing) {
  Open(FormatenTabel(), 1);
  EXPECT_EQ(dlg->Rijen(), 0);
  EXPECT_EQ(dlg->Selectie(), 0);
  EXPECT_TRUE(Toon([this] { QTest::mouseClick(Kind<QPushButton>(QStringLiteral("cmdOK")), Qt::LeftButton); }));
  EXPECT_EQ(huidig, 1);
}
