// Error diffusion and the ordered pattern held to a plain reference written
// here: one value and one kind per dot in whole arrays, every rule spelled
// out, no row buffers. Random pictures, enlarged, shrunk and at one pixel a
// dot, with pure black and white among the greys.
#include <gtest/gtest.h>

#include <QImage>
#include <random>
#include <vector>

#include "model/ZwartWit.h"
#include "printing/Omzetten.h"

using namespace printing;

namespace {

enum Kind { Vrij, Rand, Wit, Zwart };

struct Punten {
  int w, h;
  std::vector<int> waarde;
  std::vector<Kind> kind;
};

bool Zuiver(int v) { return v == 0 || v == 255; }

// What falls on each dot of part `bron` of the picture: source columns
// [x * bw / w, (x + 1) * bw / w), at least one; all pure: black if any is,
// else white; otherwise the mean, an edge when any grey pixel among them has
// a pure one beside it in the whole picture.
Punten Bemonster(const QImage& g, QRect bron, int w, int h) {
  Punten p{w, h, std::vector<int>(size_t(w * h)), std::vector<Kind>(size_t(w * h))};
  const auto span = [](int i, int bron, int doel) {
    const int a = int(qint64(i) * bron / doel);
    return std::pair<int, int>(a, std::max(a + 1, int(qint64(i + 1) * bron / doel)));
  };
  const auto pixel = [&](int x, int y) { return int(g.pixelColor(x, y).red()); };
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      auto [xa, xb] = span(x, bron.width(), w);
      auto [ya, yb] = span(y, bron.height(), h);
      xa += bron.left(), xb += bron.left(), ya += bron.top(), yb += bron.top();
      long som = 0, n = 0;
      bool zwart = false, grijs = false, rand = false;
      for (int sy = ya; sy < yb; ++sy)
        for (int sx = xa; sx < xb; ++sx) {
          const int v = pixel(sx, sy);
          som += v;
          ++n;
          zwart |= v == 0;
          if (Zuiver(v)) continue;
          grijs = true;
          const int buren[4][2] = {{sx - 1, sy}, {sx + 1, sy}, {sx, sy - 1}, {sx, sy + 1}};
          for (const auto& b : buren)
            if (b[0] >= 0 && b[1] >= 0 && b[0] < g.width() && b[1] < g.height() && Zuiver(pixel(b[0], b[1])))
              rand = true;
        }
      const size_t i = size_t(y * w + x);
      p.kind[i] = !grijs ? (zwart ? Zwart : Wit) : rand ? Rand : Vrij;
      p.waarde[i] = !grijs ? (zwart ? 0 : 255) : int((som + n / 2) / n);
    }
  return p;
}

struct Buur {
  int dx, dy, deel;  // share of the error, in 1/16 (FS) or 1/6 (Atkinson)
};

// Error diffusion as a textbook writes it, with the whole-error remainder
// going to the last neighbour listed.
QImage Verspreid(const Punten& p, const std::vector<Buur>& buren, int noemer) {
  QImage uit = WitteBitmap(p.w, p.h);
  std::vector<int> fout(size_t(p.w * p.h), 0);
  for (int y = 0; y < p.h; ++y)
    for (int x = 0; x < p.w; ++x) {
      const size_t i = size_t(y * p.w + x);
      if (p.kind[i] == Zwart) uit.setPixel(x, y, 1);
      if (p.kind[i] == Zwart || p.kind[i] == Wit) continue;
      const int v = p.waarde[i] + fout[i];
      const bool zwart = (p.kind[i] == Rand ? p.waarde[i] : v) < 128;
      if (zwart) uit.setPixel(x, y, 1);
      const int e = v - (zwart ? 0 : 255);
      int rest = e;
      for (size_t k = 0; k < buren.size(); ++k) {
        const int deel = k + 1 == buren.size() ? rest : e * buren[k].deel / noemer;
        rest -= deel;
        const int bx = x + buren[k].dx, by = y + buren[k].dy;
        if (bx >= 0 && bx < p.w && by < p.h) fout[size_t(by * p.w + bx)] += deel;
      }
    }
  return uit;
}

QImage FloydSteinberg(const Punten& p) { return Verspreid(p, {{1, 0, 7}, {-1, 1, 3}, {0, 1, 5}, {1, 1, 1}}, 16); }
// The remainder of the sixths goes to the right-hand neighbour.
QImage Atkinson(const Punten& p) {
  return Verspreid(p, {{2, 0, 1}, {-1, 1, 1}, {0, 1, 1}, {1, 1, 1}, {0, 2, 1}, {1, 0, 1}}, 6);
}

// Bayer's 8 x 8 ranks r: a grey dot prints below (r + 1/2) / 64 of 255;
// an edge below 128.
QImage Geordend(const Punten& p) {
  const int bayer[8][8] = {{0, 32, 8, 40, 2, 34, 10, 42},  {48, 16, 56, 24, 50, 18, 58, 26},
                           {12, 44, 4, 36, 14, 46, 6, 38},  {60, 28, 52, 20, 62, 30, 54, 22},
                           {3, 35, 11, 43, 1, 33, 9, 41},   {51, 19, 59, 27, 49, 17, 57, 25},
                           {15, 47, 7, 39, 13, 45, 5, 37},  {63, 31, 55, 23, 61, 29, 53, 21}};
  QImage uit = WitteBitmap(p.w, p.h);
  for (int y = 0; y < p.h; ++y)
    for (int x = 0; x < p.w; ++x) {
      const size_t i = size_t(y * p.w + x);
      const double drempel = p.kind[i] == Vrij ? (bayer[y % 8][x % 8] + 0.5) / 64 * 255 : 128;
      if (p.waarde[i] < drempel) uit.setPixel(x, y, 1);
    }
  return uit;
}

// Random greys in blobs, so that flat areas, edges and pure pixels occur.
QImage Willekeurig(int w, int h, unsigned zaad) {
  std::mt19937 r(zaad);
  QImage g(w, h, QImage::Format_Grayscale8);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int keuze = int(r() % 10);
      g.scanLine(y)[x] = keuze == 0 ? 0 : keuze == 1 ? 255 : uchar(1 + r() % 254);
    }
  return g;
}

}  // namespace

TEST(Omzetten, ErrorDiffusionAndThePatternAreThePlainAlgorithmsDotForDot) {
  const struct {
    int w, h;
  } maten[] = {{37, 23}, {89, 55}, {22, 14}};  // one a dot, enlarged 2.4 times, shrunk 0.6 times
  for (unsigned zaad = 1; zaad <= 3; ++zaad) {
    const QImage grijs = Willekeurig(37, 23, zaad);
    for (const auto& m : maten) {
      SCOPED_TRACE(testing::Message() << "seed " << zaad << ", " << m.w << " x " << m.h);
      const Punten p = Bemonster(grijs, grijs.rect(), m.w, m.h);
      EXPECT_EQ(Omzetten(grijs, grijs.rect(), {m.w, m.h}, {OmzetSoort::FloydSteinberg}), FloydSteinberg(p));
      EXPECT_EQ(Omzetten(grijs, grijs.rect(), {m.w, m.h}, {OmzetSoort::Atkinson}), Atkinson(p));
      EXPECT_EQ(Omzetten(grijs, grijs.rect(), {m.w, m.h}, {OmzetSoort::Geordend}), Geordend(p));
    }
  }
}

TEST(Omzetten, ACropIsTurnedIntoDotsWithThePictureAroundItsEdge) {
  const QImage grijs = Willekeurig(40, 30, 7);
  const QRect bron(5, 4, 20, 16);
  EXPECT_EQ(Omzetten(grijs, bron, {48, 38}, {OmzetSoort::FloydSteinberg}), FloydSteinberg(Bemonster(grijs, bron, 48, 38)));
  // Black and white alone give the plain rule's dots whatever the way.
  QImage zuiver = grijs;
  for (int y = 0; y < zuiver.height(); ++y)
    for (int x = 0; x < zuiver.width(); ++x) zuiver.scanLine(y)[x] = zuiver.scanLine(y)[x] < 128 ? 0 : 255;
  const QImage gewoon = Omzetten(zuiver, bron, {13, 38}, {OmzetSoort::ZwartWit});
  for (OmzetSoort s : {OmzetSoort::FloydSteinberg, OmzetSoort::Atkinson, OmzetSoort::Geordend})
    EXPECT_EQ(Omzetten(zuiver, bron, {13, 38}, {s}), gewoon);
}
