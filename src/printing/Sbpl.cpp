#include "printing/Sbpl.h"

#include <algorithm>
#include <cstring>

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

QImage Vel::Afbeelding(QSize minimaal) const {
  int breedte = std::max(1, minimaal.width()), hoogte = std::max(1, minimaal.height());
  for (const Label& l : labels) {
    breedte = std::max(breedte, l.H + l.beeld.width());
    hoogte = std::max(hoogte, l.V + l.beeld.height());
  }
  // One bit a dot, as printed: even the largest sheet a stream can place
  // stays a few tens of megabytes.
  QImage uit(breedte, hoogte, QImage::Format_Mono);
  uit.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  uit.fill(0);
  const qsizetype regel = uit.bytesPerLine();
  for (const Label& l : labels) {
    // Dots of overlapping labels add up, as on the printer. A label is a
    // whole number of bytes wide, so every bit of its rows counts.
    const int eerste = l.H / 8, schuif = l.H % 8, bytes = l.beeld.width() / 8;
    for (int r = 0; r < l.beeld.height(); ++r) {
      const uchar* bron = l.beeld.constScanLine(r);
      uchar* doel = uit.scanLine(l.V + r);
      for (int b = 0; b < bytes; ++b) {
        doel[eerste + b] |= uchar(bron[b] >> schuif);
        if (schuif && eerste + b + 1 < regel) doel[eerste + b + 1] |= uchar(bron[b] << (8 - schuif));
      }
    }
  }
  return uit;
}

Lezing Lees(const QByteArray& s) {
  Lezing lezing;
  qsizetype i = 0;
  int v = 0, h = 0;
  auto huidig = [&]() -> Vel& {
    if (lezing.vellen.empty() || lezing.vellen.back().gesloten) lezing.vellen.emplace_back();
    return lezing.vellen.back();
  };
  auto getal = [&](int cijfers, int* uit) {
    if (i + cijfers > s.size()) return false;
    int w = 0;
    for (int k = 0; k < cijfers; ++k) {
      const char c = s[i + k];
      if (c < '0' || c > '9') return false;
      w = w * 10 + (c - '0');
    }
    i += cijfers;
    *uit = w;
    return true;
  };
  auto fout = [&](const QString& tekst) {
    lezing.fout = tekst + QStringLiteral(" (byte %1)").arg(i);
    return lezing;
  };
  while (i < s.size()) {
    if (s[i] != kEsc) return fout(QStringLiteral("ESC expected"));
    ++i;
    if (s.mid(i, 1) == "A") {
      ++i;
      Vel& vel = huidig();
      if (!vel.labels.empty() || vel.metKop) {
        // A new header while a sheet is still open starts a new sheet.
        lezing.vellen.emplace_back();
      }
      lezing.vellen.back().metKop = true;
    } else if (s.mid(i, 2) == "CS") {
      i += 2;
      if (!getal(1, &huidig().snelheid)) return fout(QStringLiteral("bad speed"));
    } else if (s.mid(i, 2) == "#E") {
      i += 2;
      if (!getal(1, &huidig().intensiteit)) return fout(QStringLiteral("bad darkness"));
    } else if (s.mid(i, 1) == "V") {
      ++i;
      if (!getal(4, &v)) return fout(QStringLiteral("bad vertical position"));
    } else if (s.mid(i, 1) == "H") {
      ++i;
      if (!getal(4, &h)) return fout(QStringLiteral("bad horizontal position"));
    } else if (s.mid(i, 2) == "GB") {
      i += 2;
      int bytes = 0, blokken = 0;
      if (!getal(3, &bytes) || !getal(3, &blokken)) return fout(QStringLiteral("bad graphic size"));
      const qsizetype lengte = qsizetype(bytes) * blokken * 8;
      if (i + lengte > s.size()) return fout(QStringLiteral("graphic cut short"));
      Label l;
      l.V = v;
      l.H = h;
      l.beeld = QImage(bytes * 8, blokken * 8, QImage::Format_Mono);
      l.beeld.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
      for (int r = 0; r < l.beeld.height(); ++r)
        std::memcpy(l.beeld.scanLine(r), s.constData() + i + qsizetype(r) * bytes, size_t(bytes));
      i += lengte;
      huidig().labels.push_back(std::move(l));
    } else if (s.mid(i, 1) == "Q") {
      ++i;
      if (!getal(6, &huidig().aantal)) return fout(QStringLiteral("bad quantity"));
    } else if (s.mid(i, 1) == "Z") {
      ++i;
      huidig().gesloten = true;
    } else {
      return fout(QStringLiteral("unknown command"));
    }
  }
  return lezing;
}

}  // namespace sbpl
