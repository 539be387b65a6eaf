#include "printing/Sbpl.h"

#include "printing/Afdrukjob.h"
#include "printing/Raster.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace printing {

namespace sbpl {
namespace {

QByteArray Cijfers(qint64 waarde, int breedte) { return QByteArray::number(waarde).rightJustified(breedte, '0'); }
QByteArray Esc(const char* tekst) { return QByteArray(1, kEsc) + tekst; }

}  // namespace

QByteArray StartVel() { return Esc("A"); }
QByteArray Snelheid(int snelheid) { return Esc("CS") + QByteArray::number(snelheid); }
QByteArray Intensiteit(int intensiteit) { return Esc("#E") + QByteArray::number(intensiteit); }
QByteArray Aantal(int aantal) { return Esc("Q") + Cijfers(aantal, 6); }
QByteArray EindeVel() { return Esc("Z"); }

QByteArray Grafiek(int v, int h, int bytesPerRij, int rijen, const char* data) {
  QByteArray uit = Esc("V") + Cijfers(v, 4) + Esc("H") + Cijfers(h, 4) + Esc("GB") + Cijfers(bytesPerRij, 3) +
                   Cijfers(rijen / 8, 3);
  uit.append(data, qsizetype(bytesPerRij) * rijen);
  return uit;
}

Lezing Lees(const QByteArray& s) { return printing::Lees(Taal(), s); }

namespace {

class SbplTaal final : public Printertaal {
 public:
  QString Naam() const override { return QStringLiteral("SBPL"); }
  // Sizes go out as three digits of 8 dots, positions as four digits; a
  // row wider than 4095 dots would not fit the printer's 16-bit count.
  Taalgrenzen Grenzen() const override { return {16, 8, 4095, 999 * 8, 9999}; }
  QByteArray BeginVel(const Afdrukopdracht& o, int) const override {
    return StartVel() + Snelheid(o.PrintSpeed) + Intensiteit(o.Intensity);
  }
  // A sheet is one graphic page: rows are only places on it.
  QByteArray BeginRij(const Afdrukopdracht&, int, float) const override { return {}; }
  QByteArray Etiket(const Rasterblok& b) const override {
    const QByteArray bits = QByteArray::fromRawData(b.data, qsizetype(b.bytesPerRij) * b.rijen);
    return Grafiek(b.v, b.h, b.bytesPerRij, RijenTeVersturen(bits, b.bytesPerRij, b.rijen), b.data);
  }
  QByteArray EindeRij(int) const override { return {}; }
  QByteArray EindeVel(int aantal) const override { return Aantal(aantal) + sbpl::EindeVel(); }
  // The held sheet never got its quantity: it is printed once.
  QByteArray SluitOpenVel(const VelStand&) const override { return EindeVel(1); }
  std::unique_ptr<Stroomlezer> Lezer(QIODevice& bron) const override { return std::make_unique<sbpl::Lezer>(bron); }
};

}  // namespace

const Printertaal& Taal() {
  static const SbplTaal taal;
  return taal;
}

bool Lezer::Is(const char* commando) {
  const qsizetype n = qsizetype(std::strlen(commando));
  return Zorg(n) && std::memcmp(buf_.constData() + i_, commando, size_t(n)) == 0;
}

bool Lezer::Getal(int cijfers, int* uit) {
  if (!Zorg(cijfers)) return false;
  int w = 0;
  for (int k = 0; k < cijfers; ++k) {
    const char c = buf_[i_ + k];
    if (c < '0' || c > '9') return false;
    w = w * 10 + (c - '0');
  }
  i_ += cijfers;
  *uit = w;
  return true;
}

std::optional<Vel> Lezer::Volgende() {
  while (!klaar_) {
    if (!Zorg(1)) {
      klaar_ = true;
      return Af();
    }
    if (buf_[i_] != kEsc) return Fout(QStringLiteral("ESC expected"));
    ++i_;
    if (Is("A")) {
      ++i_;
      if (vel_ && (!vel_->labels.empty() || vel_->metKop)) {
        // A new header while a sheet is still open starts a new sheet.
        std::optional<Vel> vorige = Af();
        Huidig().metKop = true;
        return vorige;
      }
      Huidig().metKop = true;
    } else if (Is("CS")) {
      i_ += 2;
      if (!Getal(1, &Huidig().snelheid)) return Fout(QStringLiteral("bad speed"));
    } else if (Is("#E")) {
      i_ += 2;
      if (!Getal(1, &Huidig().intensiteit)) return Fout(QStringLiteral("bad darkness"));
    } else if (Is("V")) {
      ++i_;
      if (!Getal(4, &v_)) return Fout(QStringLiteral("bad vertical position"));
    } else if (Is("H")) {
      ++i_;
      if (!Getal(4, &h_)) return Fout(QStringLiteral("bad horizontal position"));
    } else if (Is("GB")) {
      i_ += 2;
      int bytes = 0, blokken = 0;
      if (!Getal(3, &bytes) || !Getal(3, &blokken)) return Fout(QStringLiteral("bad graphic size"));
      const qsizetype lengte = qsizetype(bytes) * blokken * 8;
      if (!Zorg(lengte)) return Fout(QStringLiteral("graphic cut short"));
      Label l;
      l.V = v_;
      l.H = h_;
      l.beeld = QImage(bytes * 8, blokken * 8, QImage::Format_Mono);
      l.beeld.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
      for (int r = 0; r < l.beeld.height(); ++r)
        std::memcpy(l.beeld.scanLine(r), buf_.constData() + i_ + qsizetype(r) * bytes, size_t(bytes));
      i_ += lengte;
      Huidig().labels.push_back(std::move(l));
    } else if (Is("Q")) {
      ++i_;
      if (!Getal(6, &Huidig().aantal)) return Fout(QStringLiteral("bad quantity"));
    } else if (Is("Z")) {
      ++i_;
      Huidig().gesloten = true;
      return Af();
    } else {
      return Fout(QStringLiteral("unknown command"));
    }
  }
  return std::nullopt;
}

}  // namespace sbpl

}  // namespace printing
