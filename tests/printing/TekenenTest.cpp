#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QPainter>
#include <QRandomGenerator>

#include "platform/CellFont.h"
#include "platform/Cp1252.h"
#include "printing/Tekenen.h"
#include "printing/Uitrekken.h"

using namespace printing;

namespace {

EtiketFormaat Label(float w, float h) {
  EtiketFormaat f;
  f.Naam = QStringLiteral("test");
  f.Breedte = w;
  f.Hoogte = h;
  return f;
}

Voorwerp Tekst(const QString& tekst, float links, float boven, float breedte, qint16 punten, qint16 uitlijning = 0) {
  Voorwerp v(SoortVoorwerp::Tekstlijn);
  v.tekst().Tekst = tekst;
  v.tekst().Lettertype = QStringLiteral("DejaVu Sans");
  v.tekst().Lettergrootte = punten;
  v.Links = links;
  v.Boven = boven;
  v.Breedte = breedte;
  v.Hoogte = punten / 72.0f * 25.4f;
  v.tekst().Uitlijning = uitlijning;
  return v;
}

QImage Canvas(const EtiketFormaat& f, float ppm) {
  QImage img(int(f.Breedte * ppm + 0.99f), int(f.Hoogte * ppm + 0.99f), QImage::Format_RGB32);
  img.fill(Qt::white);
  return img;
}

// The smallest rectangle holding every non-white pixel.
QRect Inkt(const QImage& img) {
  QRect r;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixel(x, y) != qRgb(255, 255, 255)) r |= QRect(x, y, 1, 1);
  return r;
}

bool AlleenZwartWit(const QImage& img) {
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QRgb p = img.pixel(x, y);
      if (p != qRgb(255, 255, 255) && p != qRgb(0, 0, 0)) return false;
    }
  return true;
}

void Teken(QImage& img, const Voorwerp& v, const EtiketFormaat& f, const Apparaat& a) {
  QPainter p(&img);
  TekenVoorwerpOpDC(v, f, p, a);
}

// A picture of the given size, white with black where the function says.
template <typename F>
std::unique_ptr<Beeld> Plaatje(int w, int h, F zwart) {
  auto b = std::make_unique<Beeld>();
  b->raster = QImage(w, h, QImage::Format_Mono);
  b->raster.setColor(0, qRgb(255, 255, 255));
  b->raster.setColor(1, qRgb(0, 0, 0));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b->raster.setPixel(x, y, zwart(x, y) ? 1 : 0);
  return b;
}

Voorwerp Fig(std::unique_ptr<Beeld> b, float links, float boven, float breedte, float hoogte) {
  Voorwerp v(SoortVoorwerp::Figuur);
  const int w = b->raster.width(), h = b->raster.height();
  v.beeld().ZetAfbeelding(std::move(b), w, h);
  v.Links = links;
  v.Boven = boven;
  v.Breedte = breedte;
  v.Hoogte = hoogte;
  return v;
}

}  // namespace

TEST(TekstRechthoek, FollowsTheLabelCentreTheScaleAndTheShift) {
  const EtiketFormaat f = Label(40, 20);
  Voorwerp v = Tekst(QStringLiteral("x"), -10, -5, 20, 10);
  const QRect r = TekstRechthoek(v, f, {8, 8, 0, 0});
  EXPECT_EQ(r.left(), 80);
  EXPECT_EQ(r.left() + r.width(), 240);
  EXPECT_EQ(r.top(), 40);
  // 10 pt is 3.528 mm: 28.2 pixels high.
  EXPECT_EQ(r.height(), 28);
  const QRect s = TekstRechthoek(v, f, {8, 8, -2.5f, 0});
  EXPECT_EQ(s.left(), 60);
  EXPECT_EQ(s.width(), r.width());
}

TEST(TekstOpDC, DrawsPureBlackInsideItsBoxWithoutAntialiasing) {
  const EtiketFormaat f = Label(60, 20);
  const Voorwerp v = Tekst(QStringLiteral("Ågj Hallo"), -25, -4, 50, 10);
  QImage img = Canvas(f, 8);
  Teken(img, v, f, {8, 8, 0, 0});
  EXPECT_TRUE(AlleenZwartWit(img));
  const QRect ink = Inkt(img), box = TekstRechthoek(v, f, {8, 8, 0, 0});
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_TRUE(box.contains(ink)) << "ink " << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
}

TEST(TekstOpDC, CentresTheCellVertically) {
  const EtiketFormaat f = Label(60, 40);
  // A box much taller than the 28-pixel cell of 10 pt at 8 dots per mm.
  Voorwerp v = Tekst(QStringLiteral("H"), -25, -10, 50, 10);
  v.Hoogte = 20;  // 160 pixels
  QImage img = Canvas(f, 8);
  Teken(img, v, f, {8, 8, 0, 0});
  const QRect box = TekstRechthoek(v, f, {8, 8, 0, 0});
  const platform::CellFont font({v.tekst().Lettertype, false, false, false}, 28);
  const double basislijn = box.top() + (box.height() - 28) / 2 + font.ascent();
  const QRect ink = Inkt(img);
  EXPECT_NEAR(ink.bottom() + 1, basislijn, 1.0);
  // "H" stands on the baseline and reaches most of the way to the em top.
  EXPECT_NEAR(ink.height(), font.pixelSize() * 0.73, 2.0);
}

TEST(TekstOpDC, AlignsLeftRightAndCentred) {
  const EtiketFormaat f = Label(80, 20);
  const Apparaat a{8, 8, 0, 0};
  QRect inkt[3];
  for (qint16 u = 0; u < 3; ++u) {
    QImage img = Canvas(f, 8);
    Teken(img, Tekst(QStringLiteral("III"), -30, -4, 60, 10, u), f, a);
    inkt[u] = Inkt(img);
  }
  const QRect box = TekstRechthoek(Tekst(QStringLiteral("III"), -30, -4, 60, 10), f, a);
  EXPECT_LT(inkt[0].left() - box.left(), 6);
  EXPECT_LT(box.right() - inkt[1].right(), 6);
  const double midden = (inkt[2].left() + inkt[2].right()) / 2.0;
  EXPECT_NEAR(midden, (box.left() + box.right()) / 2.0, 2.0);
  // Any other value aligns left.
  QImage img = Canvas(f, 8);
  Teken(img, Tekst(QStringLiteral("III"), -30, -4, 60, 10, 7), f, a);
  EXPECT_EQ(Inkt(img), inkt[0]);
}

TEST(TekstOpDC, LongTextIsCutAtTheBoxAndNeverWraps) {
  const EtiketFormaat f = Label(60, 30);
  const Voorwerp v = Tekst(QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"), -20, -5, 20, 10);
  QImage img = Canvas(f, 8);
  Teken(img, v, f, {8, 8, 0, 0});
  const QRect box = TekstRechthoek(v, f, {8, 8, 0, 0});
  const QRect ink = Inkt(img);
  EXPECT_TRUE(box.contains(ink));
  EXPECT_GE(ink.right(), box.right() - 1);  // the text runs to the edge
  EXPECT_LE(ink.height(), 28);              // one line only
}

TEST(TekstOpDC, PartsLeftOfTheLabelAreCutOff) {
  const EtiketFormaat f = Label(40, 20);
  const Voorwerp v = Tekst(QStringLiteral("MMMM"), -20, -5, 30, 10);
  QImage gewoon = Canvas(f, 8), verschoven = Canvas(f, 8);
  Teken(gewoon, v, f, {8, 8, 0, 0});
  Teken(verschoven, v, f, {8, 8, -2.5f, 0});
  // 2.5 mm at 8 dots per mm: everything 20 pixels to the left.
  EXPECT_EQ(gewoon.copy(20, 0, 300, 160), verschoven.copy(0, 0, 300, 160));
}

TEST(TekstOpDC, LargeTextStaysOneBitClean) {
  const EtiketFormaat f = Label(100, 40);
  const Voorwerp v = Tekst(QStringLiteral("Groot"), -48, -15, 96, 72);
  QImage img = Canvas(f, 12);
  Teken(img, v, f, {12, 12, 0, 0});
  EXPECT_TRUE(AlleenZwartWit(img));
  EXPECT_FALSE(Inkt(img).isEmpty());
}

TEST(TekenOpDC, DrawsTheTextLinesOnly) {
  const EtiketFormaat f = Label(60, 30);
  Ontwerp o;
  const int fig = o.NieuwVoorwerp(SoortVoorwerp::Figuur);
  o.voorwerp(fig) = Fig(Plaatje(10, 10, [](int, int) { return true; }), 5, -5, 10, 10);
  const int lijn = o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
  o.voorwerp(lijn) = Tekst(QStringLiteral("Lijn 1"), -28, -5, 30, 10);
  QImage img = Canvas(f, 8);
  {
    QPainter p(&img);
    TekenOpDC(o, f, p, {8, 8, 0, 0});
  }
  const QRect ink = Inkt(img);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_LT(ink.right(), (30 + 5) * 8);  // nothing where the figure lies
}

TEST(FiguurOpDC, OverlappingFiguresAddUp) {
  const EtiketFormaat f = Label(20, 20);
  const Apparaat a{8, 8, 0, 0};
  // One picture with a vertical bar, one with a horizontal bar, same box.
  const Voorwerp staand = Fig(Plaatje(20, 20, [](int x, int) { return x >= 8 && x < 12; }), -5, -5, 10, 10);
  const Voorwerp liggend = Fig(Plaatje(20, 20, [](int, int y) { return y >= 8 && y < 12; }), -5, -5, 10, 10);
  QImage img = Canvas(f, 8);
  Teken(img, staand, f, a);
  Teken(img, liggend, f, a);
  const QRect box = FiguurRechthoek(staand, f, a);
  ASSERT_EQ(box, QRect(40, 40, 80, 80));
  EXPECT_EQ(img.pixel(80, 45), qRgb(0, 0, 0));    // the vertical bar survives
  EXPECT_EQ(img.pixel(45, 80), qRgb(0, 0, 0));    // the horizontal bar too
  EXPECT_EQ(img.pixel(45, 45), qRgb(255, 255, 255));
  EXPECT_TRUE(AlleenZwartWit(img));
}

TEST(FiguurOpDC, WhiteInThePictureLeavesTextUnderIt) {
  const EtiketFormaat f = Label(40, 20);
  const Apparaat a{8, 8, 0, 0};
  QImage met = Canvas(f, 8), zonder = Canvas(f, 8);
  const Voorwerp tekst = Tekst(QStringLiteral("Onder"), -15, -3, 30, 10);
  Teken(met, tekst, f, a);
  Teken(zonder, tekst, f, a);
  Teken(met, Fig(Plaatje(4, 4, [](int, int) { return false; }), -20, -10, 40, 20), f, a);
  EXPECT_EQ(met, zonder);
}

TEST(FiguurOpDC, ShowsTheSourceRectangleOnly) {
  const EtiketFormaat f = Label(20, 20);
  // Left half black, right half white; show only the right half.
  Voorwerp v = Fig(Plaatje(20, 10, [](int x, int) { return x < 10; }), -5, -5, 10, 10);
  v.beeld().BronX = 10;
  v.beeld().BronBreedte = 10;
  QImage img = Canvas(f, 8);
  Teken(img, v, f, {8, 8, 0, 0});
  EXPECT_TRUE(Inkt(img).isEmpty());
  v.beeld().BronX = 5;
  QImage half = Canvas(f, 8);
  Teken(half, v, f, {8, 8, 0, 0});
  EXPECT_EQ(Inkt(half), QRect(40, 40, 40, 80));
}

TEST(RekUit, ShrinkingKeepsThinDarkLines) {
  QImage bron(100, 100, QImage::Format_RGB32);
  bron.fill(Qt::white);
  for (int y = 0; y < 100; ++y) bron.setPixel(53, y, qRgb(0, 0, 0));
  const QImage klein = RekUit(bron, bron.rect(), 10, 10);
  for (int y = 0; y < 10; ++y) {
    EXPECT_EQ(klein.pixel(5, y), qRgb(0, 0, 0));
    EXPECT_EQ(klein.pixel(4, y), qRgb(255, 255, 255));
  }
  // Enlarging repeats pixels.
  const QImage groot = RekUit(bron, QRect(52, 0, 3, 1), 30, 2);
  EXPECT_EQ(groot.pixel(9, 0), qRgb(255, 255, 255));
  EXPECT_EQ(groot.pixel(10, 1), qRgb(0, 0, 0));
  EXPECT_EQ(groot.pixel(19, 0), qRgb(0, 0, 0));
  EXPECT_EQ(groot.pixel(20, 0), qRgb(255, 255, 255));
  EXPECT_TRUE(RekUit(bron, bron.rect(), 0, 5).isNull());
}

namespace {

// The whole line as one outline clipped to its box, the way every line was
// drawn before only the characters that can reach the box were: the
// reference the drawing must equal pixel for pixel.
void VolledigeLijn(const Voorwerp& v, const EtiketFormaat& f, QPainter& p, const Apparaat& a) {
  const QRect r = TekstRechthoek(v, f, a);
  const int cel = platform::CellFont::cellForPoints(a.PixelsPerMMy, v.tekst().Lettergrootte);
  const platform::CellFont font(
      {v.tekst().Lettertype, bool(v.tekst().Vet), bool(v.tekst().Cursief), bool(v.tekst().Onderlijnd)}, cel);
  const QString tekst = platform::throughCp1252(v.tekst().Tekst);
  const double breedte = font.width(tekst);
  double x = r.left();
  if (v.tekst().Uitlijning == 1) x = r.left() + r.width() - breedte;
  if (v.tekst().Uitlijning == 2) x = r.left() + (r.width() - breedte) / 2;
  const double y = r.top() + (r.height() - cel) / 2 + font.ascent();
  p.save();
  p.setClipRect(r, Qt::IntersectClip);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawPath(font.path(tekst, QPointF(x, y)));
  p.restore();
}

// Both drawings of one line on a grey canvas (so that antialiased edges
// show), with the screen's antialiasing or the printer's pure black.
struct Vergelijking {
  QImage leeg, snel, volledig;
};
Vergelijking Vergelijk(const Voorwerp& v, const EtiketFormaat& f, const Apparaat& a, bool antialiased) {
  Vergelijking u;
  u.leeg =
      QImage(int(f.Breedte * a.PixelsPerMMx + 0.99f), int(f.Hoogte * a.PixelsPerMMy + 0.99f), QImage::Format_RGB32);
  u.leeg.fill(antialiased ? qRgb(192, 192, 192) : qRgb(255, 255, 255));
  u.snel = u.leeg.copy();
  u.volledig = u.leeg.copy();
  for (auto [img, volledig] : {std::pair{&u.snel, false}, std::pair{&u.volledig, true}}) {
    QPainter p(img);
    p.setRenderHint(QPainter::Antialiasing, antialiased);
    if (volledig)
      VolledigeLijn(v, f, p, a);
    else
      TekstOpDC(v, f, p, a);
  }
  return u;
}

QString Herhaald(const QString& stuk, int lengte) {
  QString s;
  while (s.size() < lengte) s += stuk;
  s.truncate(lengte);
  return s;
}

}  // namespace

TEST(TekstOpDC, DrawsTheSamePixelsAsTheWholeLineForEveryFontStyleAndAlignment) {
  const EtiketFormaat f = Label(60, 30);
  // A screen scale that is no whole number, shifted by a fraction, and the printer's.
  const Apparaat scherm{3.71f, 3.71f, 0.37f, 0}, printer{8, 8, 0, 0};
  const QString kort = QStringLiteral("Ågj Hallo, wereld!");
  const QString lang = Herhaald(QStringLiteral("Vellora etiket Wij fffi 0123 ÅÉÏõ %&@ "), 3000);
  struct Stijl {
    const char* lettertype;
    bool vet, cursief, onderlijnd;
  };
  const Stijl stijlen[] = {{"DejaVu Sans", false, false, false},
                           {"DejaVu Serif", true, true, true},
                           {"Liberation Sans", false, true, false},
                           {"Liberation Mono", true, false, true},
                           {"Geen Bestaand Lettertype", false, false, true}};
  int getekend = 0;
  for (const Stijl& s : stijlen)
    for (qint16 uitlijning = 0; uitlijning < 3; ++uitlijning)
      for (const QString* tekst : {&kort, &lang})
        for (const bool antialiased : {true, false}) {
          Voorwerp v = Tekst(*tekst, -25, -6, 40, 14, uitlijning);
          v.tekst().Lettertype = QString::fromLatin1(s.lettertype);
          v.tekst().Vet = s.vet;
          v.tekst().Cursief = s.cursief;
          v.tekst().Onderlijnd = s.onderlijnd;
          const Vergelijking u = Vergelijk(v, f, antialiased ? scherm : printer, antialiased);
          ASSERT_EQ(u.snel, u.volledig) << s.lettertype << " uitlijning " << uitlijning << " lengte " << tekst->size()
                                        << (antialiased ? " scherm" : " printer");
          getekend += u.snel != u.leeg;
        }
  // Every one of them shows something.
  EXPECT_EQ(getekend, 5 * 3 * 2 * 2);
}

TEST(TekstOpDC, DrawsTheSamePixelsAsTheWholeLineInEveryInstalledFont) {
  const EtiketFormaat f = Label(60, 20);
  const QString lang = Herhaald(QStringLiteral("Wij maken etiketten: 0123 ÅÉÏõ ß %&@ "), 1500);
  int n = 0;
  for (const QString& familie : QFontDatabase::families()) {
    ++n;
    Voorwerp v = Tekst(lang, -25, -5, 40, 16, qint16(n % 3));
    v.tekst().Lettertype = familie;
    v.tekst().Vet = n % 2 == 0;
    v.tekst().Cursief = n % 4 < 2;
    v.tekst().Onderlijnd = n % 3 == 0;
    for (const bool antialiased : {true, false}) {
      const Vergelijking u =
          Vergelijk(v, f, antialiased ? Apparaat{4.2f, 4.2f, 0, 0} : Apparaat{8, 8, 0, 0}, antialiased);
      EXPECT_EQ(u.snel, u.volledig) << familie.toStdString() << (antialiased ? " scherm" : " printer");
    }
  }
  EXPECT_GT(n, 0);
}

TEST(TekstOpDC, DrawsTheSamePixelsWhereTheBoxLeavesTheLabelAndForAnUnderlineAlone) {
  const EtiketFormaat f = Label(40, 20);
  const Apparaat a{6.3f, 6.3f, -1.7f, 0.4f};
  // Boxes over the left and right edge of the label, and one reaching above it.
  for (const QRectF& kader : {QRectF(-26, -5, 20, 6), QRectF(8, -4, 20, 6), QRectF(-10, -13, 20, 8)})
    for (qint16 uitlijning = 0; uitlijning < 3; ++uitlijning)
      for (const bool antialiased : {true, false}) {
        Voorwerp v = Tekst(Herhaald(QStringLiteral("Mijn lange regel "), 2000), float(kader.left()), float(kader.top()),
                           float(kader.width()), 18, uitlijning);
        v.tekst().Onderlijnd = true;
        v.tekst().Cursief = true;
        const Vergelijking u = Vergelijk(v, f, a, antialiased);
        EXPECT_EQ(u.snel, u.volledig) << kader.left() << "," << kader.top() << " uitlijning " << uitlijning;
      }
  // Only the underline shows: the characters lie on either side of the box.
  for (const bool antialiased : {true, false}) {
    Voorwerp v = Tekst(QStringLiteral("W") + QString(1500, u' ') + QStringLiteral("W"), -15, -3, 30, 14, 2);
    v.tekst().Onderlijnd = true;
    const Vergelijking u = Vergelijk(v, f, a, antialiased);
    EXPECT_EQ(u.snel, u.volledig);
    EXPECT_NE(u.snel, u.leeg) << "the underline shows";
  }
}

TEST(TekstOpDC, DrawsTheSamePixelsForALineOfTheLongestTextAtThePrintersResolution) {
  // 32767 characters at 72 pt on 12 dots per mm: the whole line is over
  // eight million dots long.
  const EtiketFormaat f = Label(100, 40);
  for (qint16 uitlijning = 0; uitlijning < 3; ++uitlijning) {
    Voorwerp v = Tekst(QString(32767, u'W'), -48, -15, 96, 72, uitlijning);
    v.tekst().Onderlijnd = uitlijning == 2;
    const Vergelijking u = Vergelijk(v, f, {12, 12, 0, 0}, false);
    EXPECT_EQ(u.snel, u.volledig) << "uitlijning " << uitlijning;
    EXPECT_NE(u.snel, u.leeg);
  }
}

namespace {

// Stretching by its definition, as it always was computed: the whole
// picture as RGB32, every target pixel the AND of the source pixels on it.
QImage RekUitVolgensDefinitie(const QImage& bron, QRect bronRect, int breedte, int hoogte) {
  QImage doel(breedte, hoogte, QImage::Format_RGB32);
  doel.fill(Qt::white);
  bronRect = bronRect.intersected(bron.rect());
  if (bronRect.isEmpty()) return doel;
  const QImage src = bron.format() == QImage::Format_RGB32 || bron.format() == QImage::Format_ARGB32
                         ? bron
                         : bron.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < hoogte; ++y)
    for (int x = 0; x < breedte; ++x) {
      const int xa = int(qint64(x) * bronRect.width() / breedte), ya = int(qint64(y) * bronRect.height() / hoogte);
      const int xb = std::max(xa + 1, int(qint64(x + 1) * bronRect.width() / breedte));
      const int yb = std::max(ya + 1, int(qint64(y + 1) * bronRect.height() / hoogte));
      QRgb acc = 0xFFFFFFFFu;
      for (int sy = ya; sy < yb; ++sy)
        for (int sx = xa; sx < xb; ++sx) acc &= src.pixel(bronRect.left() + sx, bronRect.top() + sy);
      doel.setPixel(x, y, acc | 0xFF000000u);
    }
  return doel;
}

// Sparse specks and a few lines, as scanned pictures and lettering have.
QImage Vlekken(int w, int h, QImage::Format formaat, quint32 zaad) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(Qt::white);
  QRandomGenerator toeval(zaad);
  for (int i = 0; i < w * h / 12; ++i) img.setPixel(int(toeval.bounded(w)), int(toeval.bounded(h)), qRgb(0, 0, 0));
  for (int x = 0; x < w; ++x) img.setPixel(x, (x * 7) % h, qRgb(0, 0, 0));
  return img.convertToFormat(formaat, Qt::ThresholdDither);
}

}  // namespace

TEST(RekUitDeel, EveryPartEqualsTheWholeStretchByItsDefinition) {
  std::vector<QImage> plaatjes;
  for (auto formaat : {QImage::Format_Mono, QImage::Format_MonoLSB, QImage::Format_RGB32, QImage::Format_Indexed8})
    plaatjes.push_back(Vlekken(53, 37, formaat, quint32(plaatjes.size() + 1)));
  // One bit with other colours than black on white, one of them translucent.
  QImage anders = Vlekken(53, 37, QImage::Format_Mono, 9);
  anders.setColorTable({qRgb(0, 0, 0), qRgba(255, 120, 30, 100)});
  plaatjes.push_back(anders);
  QImage argb = Vlekken(53, 37, QImage::Format_ARGB32, 10);
  argb.setPixel(3, 3, qRgba(10, 200, 30, 40));
  plaatjes.push_back(argb);

  const QRect bronnen[] = {QRect(0, 0, 53, 37), QRect(5, 3, 40, 30), QRect(13, 9, 7, 5), QRect(40, 30, 50, 50)};
  const QSize maten[] = {{53, 37}, {10, 8}, {23, 31}, {160, 90}, {1, 1}, {53 * 2, 37 * 3}};
  for (const QImage& p : plaatjes)
    for (const QRect& bron : bronnen)
      for (const QSize& maat : maten) {
        const QImage geheel = RekUitVolgensDefinitie(p, bron, maat.width(), maat.height());
        ASSERT_EQ(RekUit(p, bron, maat.width(), maat.height()), geheel)
            << p.format() << " " << bron.x() << "," << bron.y() << " naar " << maat.width() << "x" << maat.height();
        const QRect delen[] = {QRect(QPoint(0, 0), maat), QRect(maat.width() / 3, maat.height() / 2, maat.width(), 3),
                               QRect(1, 1, 1, 1), QRect(-5, -5, maat.width() / 2 + 5, maat.height())};
        for (const QRect& deel : delen) {
          const QRect binnen = deel & QRect(QPoint(0, 0), maat);
          const QImage stuk = RekUitDeel(p, bron, maat.width(), maat.height(), deel);
          if (binnen.isEmpty()) {
            EXPECT_TRUE(stuk.isNull());
            continue;
          }
          EXPECT_EQ(stuk, geheel.copy(binnen)) << p.format() << " deel " << deel.x() << "," << deel.y();
        }
      }
}

TEST(FiguurOpDC, DrawsAsTheWholeStretchANDedOntoTheLabelUnderAnyClip) {
  const EtiketFormaat f = Label(40, 20);
  const Apparaat a{5.3f, 5.3f, 0.6f, 0};
  QImage zwartOpWit = Vlekken(300, 170, QImage::Format_Mono, 3), lsb = Vlekken(300, 170, QImage::Format_MonoLSB, 4),
         gekleurd = Vlekken(300, 170, QImage::Format_Mono, 5);
  zwartOpWit.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  lsb.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  gekleurd.setColorTable({qRgb(250, 240, 200), qRgb(20, 0, 90)});
  // Half off the label and shrunk; inside it, a crop enlarged.
  const std::pair<QRectF, QRect> kaders[] = {{QRectF(-27, -6, 22, 13), QRect(20, 0, 250, 170)},
                                             {QRectF(2, -8, 15, 14), QRect(100, 60, 30, 20)}};
  // Two patches, as a repaint after a change asks for.
  const QRegion klem = QRegion(40, 50, 20, 20) + QRegion(60, 30, 10, 10) + QRegion(150, 40, 30, 30);
  for (const QImage& plaatje : {zwartOpWit, lsb, gekleurd})
    for (const auto& [kader, bron] : kaders)
      for (const bool metKlem : {false, true}) {
        Voorwerp v(SoortVoorwerp::Figuur);
        auto b = std::make_unique<Beeld>();
        b->raster = plaatje;
        v.beeld().ZetAfbeelding(std::move(b), 300, 170);
        v.beeld().BronX = bron.x();
        v.beeld().BronY = bron.y();
        v.beeld().BronBreedte = bron.width();
        v.beeld().BronHoogte = bron.height();
        v.Links = float(kader.left());
        v.Boven = float(kader.top());
        v.Breedte = float(kader.width());
        v.Hoogte = float(kader.height());
        const QRect r = FiguurRechthoek(v, f, a);
        // A label of every colour, with text, which the AND keeps where the picture is white.
        QImage snel = Canvas(f, a.PixelsPerMMx);
        for (int y = 0; y < snel.height(); ++y)
          for (int x = 0; x < snel.width(); ++x) snel.setPixel(x, y, qRgb(255 - x % 97, 255 - y % 61, 200 + x % 56));
        Teken(snel, Tekst(QStringLiteral("Onder"), -18, -3, 30, 12), f, a);
        QImage volledig = snel.copy();
        const QImage ervoor = snel.copy();
        {
          QPainter p(&snel);
          if (metKlem) p.setClipRegion(klem);
          FiguurOpDC(v, f, p, a);
        }
        {
          QPainter p(&volledig);
          if (metKlem) p.setClipRegion(klem);
          p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
          p.drawImage(r.topLeft(), RekUitVolgensDefinitie(plaatje, bron, r.width(), r.height()));
        }
        EXPECT_EQ(snel, volledig) << plaatje.format() << " " << kader.left() << (metKlem ? " with" : " without")
                                  << " a clip";
        EXPECT_NE(snel, ervoor) << "the picture shows";
      }
}
