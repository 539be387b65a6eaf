#include "printing/Omzetten.h"

#include <algorithm>
#include <array>
#include <vector>

#include "model/ZwartWit.h"
#include "printing/Uitrekken.h"

namespace printing {

namespace {

constexpr int kMidden = 128;

// What the picture holds under one dot.
enum Soort : uchar { Vrij, Rand, Wit, Zwart };

bool Zuiver(uchar v) { return v == 0 || v == 255; }

// The 8 x 8 ordered pattern: a dot prints where its value lies below the
// pattern's threshold there, (rank + 1/2) / 64 of the way from 0 to 255.
constexpr std::array<std::array<uchar, 8>, 8> kPatroon = [] {
  constexpr int bayer[8][8] = {{0, 32, 8, 40, 2, 34, 10, 42},  {48, 16, 56, 24, 50, 18, 58, 26},
                               {12, 44, 4, 36, 14, 46, 6, 38},  {60, 28, 52, 20, 62, 30, 54, 22},
                               {3, 35, 11, 43, 1, 33, 9, 41},   {51, 19, 59, 27, 49, 17, 57, 25},
                               {15, 47, 7, 39, 13, 45, 5, 37},  {63, 31, 55, 23, 61, 29, 53, 21}};
  std::array<std::array<uchar, 8>, 8> t{};
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) t[size_t(y)][size_t(x)] = uchar((bayer[y][x] * 2 + 1) * 255 / 128 + 1);
  return t;
}();

// The source pixels under the dots of one row, reduced per column.
class Bemonsteraar {
 public:
  Bemonsteraar(const QImage& grijs, QRect bron, QSize vak)
      : grijs_(grijs),
        bron_(bron),
        kol_(Spannen(bron.width(), vak.width(), 0, vak.width() - 1)),
        rij_(Spannen(bron.height(), vak.height(), 0, vak.height() - 1)),
        som_(kol_.size()),
        aantal_(kol_.size()),
        grijzen_(kol_.size()),
        zwart_(kol_.size()),
        rand_(kol_.size()),
        waarde_(kol_.size()),
        soort_(kol_.size()) {}

  // Row y of dots: its values and what each dot is.
  void Rij(int y) {
    const std::pair<int, int> span = rij_[size_t(y)];
    // Enlarging repeats source rows: the dots of a row already sampled.
    if (span == vorige_) return;
    vorige_ = span;
    std::fill(som_.begin(), som_.end(), 0);
    std::fill(aantal_.begin(), aantal_.end(), 0);
    std::fill(grijzen_.begin(), grijzen_.end(), 0);
    std::fill(zwart_.begin(), zwart_.end(), 0);
    std::fill(rand_.begin(), rand_.end(), 0);
    for (int sy = span.first; sy < span.second; ++sy) BronRij(bron_.top() + sy);
    for (size_t x = 0; x < kol_.size(); ++x) {
      if (grijzen_[x] == 0) {
        soort_[x] = zwart_[x] ? Zwart : Wit;
        waarde_[x] = zwart_[x] ? 0 : 255;
      } else {
        soort_[x] = rand_[x] ? Rand : Vrij;
        waarde_[x] = int((som_[x] + aantal_[x] / 2) / aantal_[x]);
      }
    }
  }
  const std::vector<int>& Waarden() const { return waarde_; }
  const std::vector<uchar>& Soorten() const { return soort_; }

 private:
  // A grey pixel is at an edge when a pixel beside it (not across a
  // corner) is pure black or white.
  bool IsRand(int sx, int sy, const uchar* regel) const {
    if (sx > 0 && Zuiver(regel[sx - 1])) return true;
    if (sx + 1 < grijs_.width() && Zuiver(regel[sx + 1])) return true;
    if (sy > 0 && Zuiver(grijs_.constScanLine(sy - 1)[sx])) return true;
    return sy + 1 < grijs_.height() && Zuiver(grijs_.constScanLine(sy + 1)[sx]);
  }

  void BronRij(int sy) {
    const uchar* regel = grijs_.constScanLine(sy);
    // Edges are looked for only near a row with pure pixels: a photo has
    // none, and then every grey pixel is free.
    const bool randMogelijk = ZuiverRij(sy - 1) || ZuiverRij(sy) || ZuiverRij(sy + 1);
    for (size_t x = 0; x < kol_.size(); ++x) {
      qint64 som = 0;
      qint32 grijzen = 0;
      uchar zwart = 0, rand = rand_[x];
      const int eind = bron_.left() + kol_[x].second;
      for (int sx = bron_.left() + kol_[x].first; sx < eind; ++sx) {
        const uchar v = regel[sx];
        som += v;
        if (v == 0) {
          zwart = 1;
        } else if (v != 255) {
          ++grijzen;
          if (randMogelijk && !rand && IsRand(sx, sy, regel)) rand = 1;
        }
      }
      som_[x] += som;
      aantal_[x] += kol_[x].second - kol_[x].first;
      grijzen_[x] += grijzen;
      zwart_[x] |= zwart;
      rand_[x] = rand;
    }
  }

  // Whether row y of the picture has a pure pixel (rows outside: no).
  bool ZuiverRij(int y) {
    if (y < 0 || y >= grijs_.height()) return false;
    uchar& z = zuiverRij_[size_t(y)];
    if (z == 2) {
      const uchar* regel = grijs_.constScanLine(y);
      z = std::any_of(regel, regel + grijs_.width(), Zuiver) ? 1 : 0;
    }
    return z == 1;
  }

  const QImage& grijs_;
  QRect bron_;
  std::vector<std::pair<int, int>> kol_, rij_;
  std::pair<int, int> vorige_{-1, -1};
  std::vector<qint64> som_;
  std::vector<qint32> aantal_, grijzen_;
  std::vector<uchar> zwart_, rand_;
  std::vector<uchar> zuiverRij_ = std::vector<uchar>(size_t(grijs_.height()), 2);  // 2: not looked at yet
  std::vector<int> waarde_;
  std::vector<uchar> soort_;
};

void ZetZwart(uchar* regel, int x) { regel[x >> 3] |= uchar(0x80 >> (x & 7)); }

// Error diffusion: `fout` holds the error still to come for this row and
// the next ones; `verdeel` passes a dot's error on.
template <typename Verdeel>
void Verspreid(Bemonsteraar& m, QImage& uit, int rijen, Verdeel verdeel) {
  const int breedte = uit.width();
  // Two dots of margin each side, so the neighbours need no bounds checks.
  std::array<std::vector<int>, 3> fout;
  for (auto& f : fout) f.assign(size_t(breedte + 4), 0);
  for (int y = 0; y < rijen; ++y) {
    m.Rij(y);
    const std::vector<int>& waarde = m.Waarden();
    const std::vector<uchar>& soort = m.Soorten();
    uchar* regel = uit.scanLine(y);
    std::vector<int>& hier = fout[0];
    for (int x = 0; x < breedte; ++x) {
      const size_t k = size_t(x);
      if (soort[k] == Zwart) ZetZwart(regel, x);
      if (soort[k] == Zwart || soort[k] == Wit) continue;
      const int v = waarde[k] + hier[k + 2];
      // An edge dot ignores the error that reached it, but passes it on.
      const bool zwart = (soort[k] == Rand ? waarde[k] : v) < kMidden;
      if (zwart) ZetZwart(regel, x);
      verdeel(fout, k + 2, v - (zwart ? 0 : 255));
    }
    std::rotate(fout.begin(), fout.begin() + 1, fout.end());
    std::fill(fout[2].begin(), fout[2].end(), 0);
  }
}

}  // namespace

QImage Omzetten(const QImage& grijs, QRect bron, QSize vak, const Omzetting& o) {
  if (vak.isEmpty() || grijs.format() != QImage::Format_Grayscale8) return {};
  bron &= grijs.rect();
  if (bron.isEmpty()) return {};
  QImage uit = WitteBitmap(vak.width(), vak.height());
  if (uit.isNull()) return uit;
  Bemonsteraar m(grijs, bron, vak);
  switch (o.Soort) {
    case OmzetSoort::ZwartWit:
    case OmzetSoort::Drempel: {
      // The plain rule: a dot with anything but white under it prints.
      const bool gewoon = o.Soort == OmzetSoort::ZwartWit;
      for (int y = 0; y < vak.height(); ++y) {
        m.Rij(y);
        uchar* regel = uit.scanLine(y);
        for (int x = 0; x < vak.width(); ++x)
          if (gewoon ? m.Soorten()[size_t(x)] != Wit : m.Waarden()[size_t(x)] < o.Drempel) ZetZwart(regel, x);
      }
      break;
    }
    case OmzetSoort::Geordend:
      for (int y = 0; y < vak.height(); ++y) {
        m.Rij(y);
        uchar* regel = uit.scanLine(y);
        const auto& patroon = kPatroon[size_t(y & 7)];
        for (int x = 0; x < vak.width(); ++x) {
          const int v = m.Waarden()[size_t(x)];
          const uchar s = m.Soorten()[size_t(x)];
          const int drempel = s == Vrij ? patroon[size_t(x & 7)] : kMidden;
          if (v < drempel) ZetZwart(regel, x);
        }
      }
      break;
    case OmzetSoort::FloydSteinberg:
      Verspreid(m, uit, vak.height(), [](std::array<std::vector<int>, 3>& f, size_t k, int e) {
        const int rechts = e * 7 / 16, linksOnder = e * 3 / 16, onder = e * 5 / 16;
        f[0][k + 1] += rechts;
        f[1][k - 1] += linksOnder;
        f[1][k] += onder;
        f[1][k + 1] += e - rechts - linksOnder - onder;
      });
      break;
    case OmzetSoort::Atkinson:
      // Atkinson's six neighbours in equal shares, but the whole error: the
      // classic passes on three quarters, which prints the lightest and
      // darkest tenths of the grey scale as paper and solid black.
      Verspreid(m, uit, vak.height(), [](std::array<std::vector<int>, 3>& f, size_t k, int e) {
        const int deel = e / 6;
        f[0][k + 1] += e - 5 * deel;
        f[0][k + 2] += deel;
        f[1][k - 1] += deel;
        f[1][k] += deel;
        f[1][k + 1] += deel;
        f[2][k] += deel;
      });
      break;
  }
  return uit;
}

QImage GrijsVan(const Beeld& b) {
  if (!b.grijs.isNull()) return b.grijs;
  const QImage raster = b.Raster();
  if (raster.isNull()) return {};
  return raster.convertToFormat(QImage::Format_Grayscale8);
}

QImage OmgezetteFiguur(const Voorwerp& v, QSize vak) {
  const FiguurDeel* f = v.alsFiguur();
  if (!f || !f->Afbeelding || f->Afbeelding->isVector) return {};
  const Beeld& b = *f->Afbeelding;
  const QRect bron(f->BronX, f->BronY, f->BronBreedte, f->BronHoogte);
  Beeld::Omgezet& g = *b.omgezet;
  const std::lock_guard<std::mutex> slot(g.slot);
  if (g.punten.isNull() || g.vak != vak || g.bron != bron || !(g.omzetting == f->omzetting)) {
    g.punten = Omzetten(GrijsVan(b), bron, vak, f->omzetting);
    g.vak = vak;
    g.bron = bron;
    g.omzetting = f->omzetting;
  }
  return g.punten;
}

}  // namespace printing
