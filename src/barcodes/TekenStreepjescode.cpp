#include "barcodes/TekenStreepjescode.h"

#include <QLocale>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

namespace barcodes {

namespace {

// Below this the bars of a linear code are too short for a scanner's line to
// find them reliably: ten modules, as for the quiet zones.
constexpr int kKleinsteBalk = 10;

QString Punten(int k) { return k == 1 ? QStringLiteral("1 punt") : QStringLiteral("%1 punten").arg(k); }

// The smallest module a printer of ppm dots per mm can make reliably.
constexpr int kKleinstePunten = 2;

int BreedteInPunten(const Modules& m, int k) { return (m.RustLinks + m.Breedte + m.RustRechts) * k; }

// The height a layout needs at module width k: for a linear code the line
// under the bars and the shortest bars, for the others the whole symbol.
int NodigeHoogte(const Modules& m, bool lineair, bool tekst, int k, int ppm) {
  if (lineair) return (tekst ? TekstHoogte(k, ppm) : 0) + (kKleinsteBalk + 2 * m.Draagbalk) * k;
  return (m.RustBoven + m.HoogteInModules() + m.RustOnder) * k;
}

// Sets dots [van, tot) of a one-bit row of `breedte` dots, the leftmost
// dot in the high bit; dots outside the row are left alone.
void ZetPunten(uchar* rij, int breedte, int van, int tot) {
  van = std::max(van, 0);
  tot = std::min(tot, breedte);
  while (van < tot && (van & 7)) {
    rij[van >> 3] |= uchar(0x80 >> (van & 7));
    ++van;
  }
  const int volle = (tot - van) >> 3;
  if (volle > 0) {
    std::memset(rij + (van >> 3), 0xFF, size_t(volle));
    van += volle * 8;
  }
  while (van < tot) {
    rij[van >> 3] |= uchar(0x80 >> (van & 7));
    ++van;
  }
}

}  // namespace

Modulebereik BereikVan(StreepjescodeSoort soort) {
  switch (soort) {
    case StreepjescodeSoort::Ean13:
    case StreepjescodeSoort::Ean8:
    case StreepjescodeSoort::UpcA: return {0.264, 0.66};
    case StreepjescodeSoort::Itf14: return {0.264, 1.016};
    case StreepjescodeSoort::Gs1_128: return {0.25, 1.016};
    case StreepjescodeSoort::Code128:
    case StreepjescodeSoort::Code39:
    case StreepjescodeSoort::Interleaved2of5: return {0.19, 0};
    case StreepjescodeSoort::QrCode:
    case StreepjescodeSoort::DataMatrix:
    case StreepjescodeSoort::Pdf417: break;
  }
  return {};
}

int KleinsteModule(StreepjescodeSoort soort, int ppm) {
  // A thousandth of a dot of slack, so that a bound that is a whole number of dots stays one.
  return std::max(kKleinstePunten, int(std::ceil(BereikVan(soort).KleinsteMm * ppm - 1e-3)));
}

int GrootsteModule(StreepjescodeSoort soort, int ppm) {
  const double grootste = BereikVan(soort).GrootsteMm;
  if (grootste <= 0) return INT_MAX;
  return std::max(KleinsteModule(soort, ppm), int(std::floor(grootste * ppm + 1e-3)));
}

int TekstHoogte(int module, int puntenPerMm) {
  // In proportion to the bars, as the digits under a retail code are, but never below 2 mm.
  return std::max(2 * puntenPerMm, 8 * module);
}

std::optional<Indeling> Schik(const Modules& m, bool tekstTonen, int module, QSize vak, int ppm, QString* waarom) {
  const bool lineair = m.Lineair;
  const bool tekst = lineair && tekstTonen && !m.Tekst.isEmpty();
  const int eenheid = m.RustLinks + m.Breedte + m.RustRechts;
  if (eenheid <= 0 || m.Rijen() == 0) return std::nullopt;

  auto pastBreedte = [&](int k) { return BreedteInPunten(m, k) <= vak.width(); };
  auto pastHoogte = [&](int k) { return NodigeHoogte(m, lineair, tekst, k, ppm) <= vak.height(); };
  auto weiger = [&](bool teSmal, const QString& hoe) -> std::optional<Indeling> {
    if (waarom)
      *waarom = QStringLiteral("Het vak is te %1 voor deze streepjescode%2.")
                    .arg(teSmal ? QStringLiteral("smal") : QStringLiteral("laag"), hoe);
    return std::nullopt;
  };

  int k = module;
  if (k <= kModuleAutomatisch) {
    // Within the symbology's range: a smaller module would not scan
    // reliably, a larger one is not what the symbology is made for.
    const int kleinste = KleinsteModule(m.Soort, ppm), grootste = GrootsteModule(m.Soort, ppm);
    for (k = std::min(grootste, std::max(0, vak.width()) / eenheid); k >= kleinste && !pastHoogte(k); --k) {
    }
    if (k < kleinste)
      return weiger(!pastBreedte(kleinste),
                    QStringLiteral(", ook met modules van %1 (%2 mm), de kleinste voor een %3")
                        .arg(Punten(kleinste), QLocale(QLocale::Dutch).toString(double(kleinste) / ppm, 'g', 3),
                             SoortNaam(m.Soort)));
  } else {
    const QString hoe = QStringLiteral(" met modules van %1").arg(Punten(k));
    if (!pastBreedte(k)) return weiger(true, hoe);
    if (!pastHoogte(k)) return weiger(false, hoe);
  }

  Indeling in;
  in.Module = k;
  const int x = (vak.width() - BreedteInPunten(m, k)) / 2 + m.RustLinks * k;
  if (lineair) {
    const int tekstHoogte = tekst ? TekstHoogte(k, ppm) : 0;
    const int draagbalk = m.Draagbalk * k;
    in.Symbool = QRect(x, draagbalk, m.Breedte * k, vak.height() - tekstHoogte - 2 * draagbalk);
    if (tekst) {
      const int y = vak.height() - tekstHoogte;
      for (const TekstPlaats& p : m.TekstDelen) {
        in.TekstDelen.push_back({p.Tekst, QRect(x + p.Van * k, y, (p.Tot - p.Van) * k, tekstHoogte)});
        in.TekstVak |= in.TekstDelen.back().Vak;
      }
    }
  } else {
    const int y = (vak.height() - NodigeHoogte(m, false, false, k, ppm)) / 2 + m.RustBoven * k;
    in.Symbool = QRect(x, y, m.Breedte * k, m.HoogteInModules() * k);
  }
  return in;
}

QImage TekenModules(const Modules& m, const Indeling& in, QSize vak) {
  QImage beeld(vak, QImage::Format_Mono);
  if (beeld.isNull()) return beeld;
  beeld.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  beeld.fill(0);
  const int k = in.Module;
  const int breedte = vak.width();
  std::vector<uchar> rij(size_t(beeld.bytesPerLine()));
  // Every row is written through here: a layout that does not match the
  // box only loses what lies outside it.
  const auto kopieer = [&](int y) {
    if (y >= 0 && y < beeld.height()) std::memcpy(beeld.scanLine(y), rij.data(), rij.size());
  };
  int y = in.Symbool.top();
  for (int r = 0; r < m.Rijen(); ++r) {
    // One row of modules is made once and copied to all its dots' rows.
    std::fill(rij.begin(), rij.end(), uchar(0));
    for (int x = 0; x < m.Breedte;) {
      if (!m.IsZwart(x, r)) {
        ++x;
        continue;
      }
      int eind = x;
      while (eind < m.Breedte && m.IsZwart(eind, r)) ++eind;
      ZetPunten(rij.data(), breedte, in.Symbool.left() + x * k, in.Symbool.left() + eind * k);
      x = eind;
    }
    const int hoogte = m.Lineair ? in.Symbool.height() : m.RijHoogte[size_t(r)] * k;
    for (int d = 0; d < hoogte; ++d, ++y) kopieer(y);
  }
  if (!m.Lineair) return beeld;

  if (m.Draagbalk > 0) {
    // Over the quiet zones too, so that they frame the whole symbol.
    std::fill(rij.begin(), rij.end(), uchar(0));
    ZetPunten(rij.data(), breedte, in.Symbool.left() - m.RustLinks * k, in.Symbool.right() + 1 + m.RustRechts * k);
    for (int d = 0; d < m.Draagbalk * k; ++d) {
      kopieer(in.Symbool.top() - 1 - d);
      kopieer(in.Symbool.bottom() + 1 + d);
    }
  }
  if (!in.TekstVak.isEmpty() && !m.LangeStrepen.empty()) {
    // The guards reach halfway down the line, between its groups of digits.
    std::fill(rij.begin(), rij.end(), uchar(0));
    for (auto [van, tot] : m.LangeStrepen)
      for (int x = van; x < tot; ++x)
        if (x >= 0 && x < m.Breedte && m.IsZwart(x, 0))
          ZetPunten(rij.data(), breedte, in.Symbool.left() + x * k, in.Symbool.left() + (x + 1) * k);
    for (int d = 0; d < in.TekstVak.height() / 2; ++d) kopieer(in.Symbool.bottom() + 1 + d);
  }
  return beeld;
}

StreepjescodeTekening TekenStreepjescode(const Streepjescode& code, QSize vak, int ppm) {
  StreepjescodeTekening t;
  const Codering c = CodeerStreepjescode(code.Soort, code.Gegevens);
  if (!c.Gelukt()) {
    t.uitkomst = StreepjescodeTekening::Uitkomst::OngeldigeGegevens;
    t.Fout = c.Fout;
    return t;
  }
  const std::optional<Indeling> in = Schik(c.modules, code.TekstTonen, code.Modulebreedte, vak, ppm, &t.Fout);
  if (!in) {
    t.uitkomst = StreepjescodeTekening::Uitkomst::PastNiet;
    return t;
  }
  t.indeling = *in;
  t.Beeld = TekenModules(c.modules, *in, vak);
  if (!in->TekstVak.isEmpty()) t.Tekst = c.modules.Tekst;
  return t;
}

int BeginModule(const Streepjescode& code, int ppm) {
  if (code.Modulebreedte != kModuleAutomatisch) return code.Modulebreedte;
  return std::clamp(int(std::lround(ppm / 3.0)), KleinsteModule(code.Soort, ppm), GrootsteModule(code.Soort, ppm));
}

std::optional<float> NominaleHoogte(StreepjescodeSoort soort, bool tekstTonen, int module, int ppm) {
  // GS1's bar height at 100 %, for a module of 0.33 mm.
  double balken = 0;
  switch (soort) {
    case StreepjescodeSoort::Ean13:
    case StreepjescodeSoort::UpcA: balken = 22.85; break;
    case StreepjescodeSoort::Ean8: balken = 18.23; break;
    default: return std::nullopt;
  }
  if (module <= 0 || ppm <= 0) return std::nullopt;
  const double moduleMm = double(module) / ppm;
  const double regel = tekstTonen ? double(TekstHoogte(module, ppm)) / ppm : 0;
  // To a hundredth of a millimetre, as the height is typed.
  return float(std::round((balken * moduleMm / 0.33 + regel) * 100) / 100);
}

QSize GewensteMaat(const Streepjescode& code, int ppm) {
  const Codering c = CodeerStreepjescode(code.Soort, code.Gegevens);
  if (!c.Gelukt()) return {};
  const int k = BeginModule(code, ppm);
  const int breedte = BreedteInPunten(c.modules, k);
  if (IsLineair(code.Soort)) return {breedte, int(std::lround(code.Hoogte * ppm))};
  return {breedte, NodigeHoogte(c.modules, false, false, k, ppm)};
}

}  // namespace barcodes
