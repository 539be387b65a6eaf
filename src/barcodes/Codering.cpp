#include "barcodes/Codering.h"

#include <zint.h>

#include <QRegularExpression>
#include <algorithm>
#include <memory>
#include <numeric>

namespace barcodes {

namespace {

struct ZintWeg {
  void operator()(zint_symbol* s) const { ZBarcode_Delete(s); }
};
using Symbool = std::unique_ptr<zint_symbol, ZintWeg>;

struct Poging {
  Symbool symbool;
  int resultaat = ZINT_ERROR_MEMORY;

  bool Mislukt() const { return resultaat >= ZINT_ERROR; }
  QString Tekst() const { return QString::fromUtf8(reinterpret_cast<const char*>(symbool->text)); }
  QString Melding() const { return QString::fromUtf8(symbool->errtxt); }
};

Poging Zint(int symbologie, const QByteArray& data, int invoer = UNICODE_MODE, int eci = 0, int optie1 = -1) {
  Poging p{Symbool(ZBarcode_Create())};
  if (!p.symbool) return p;
  zint_symbol* s = p.symbool.get();
  s->symbology = symbologie;
  s->input_mode = invoer;
  s->eci = eci;
  s->show_hrt = 0;  // the program draws the line itself
  if (optie1 >= 0) s->option_1 = optie1;
  p.resultaat = ZBarcode_Encode(s, reinterpret_cast<const unsigned char*>(data.constData()), int(data.size()));
  return p;
}

bool AlleenCijfers(const QString& t) {
  return std::all_of(t.begin(), t.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

bool IsAscii(const QString& t) {
  return std::all_of(t.begin(), t.end(), [](QChar c) { return c.unicode() < 0x80; });
}

QString Een(StreepjescodeSoort soort) { return QStringLiteral("Een ") + SoortNaam(soort); }

QString TeVeel(StreepjescodeSoort soort) {
  return QStringLiteral("Te veel gegevens voor een %1.").arg(SoortNaam(soort));
}

// What the user should read when zint refuses something the checks before it let through.
QString AlgemeneFout(StreepjescodeSoort soort, const Poging& p) {
  if (p.resultaat == ZINT_ERROR_TOO_LONG) return TeVeel(soort);
  return QStringLiteral("Van deze gegevens kan geen %1 worden gemaakt.").arg(SoortNaam(soort));
}

void Rustzones(StreepjescodeSoort soort, Modules& m) {
  int links = 10, rechts = 10, rondom = 0;
  switch (soort) {
    case StreepjescodeSoort::Ean13: links = 11, rechts = 7; break;
    case StreepjescodeSoort::Ean8: links = rechts = 7; break;
    case StreepjescodeSoort::UpcA: links = rechts = 9; break;
    case StreepjescodeSoort::QrCode: rondom = 4; break;
    case StreepjescodeSoort::DataMatrix: rondom = 1; break;
    case StreepjescodeSoort::Pdf417: rondom = 2; break;
    default: break;
  }
  if (!IsLineair(soort)) links = rechts = rondom;
  m.RustLinks = links;
  m.RustRechts = rechts;
  m.RustBoven = m.RustOnder = rondom;
}

// The human-readable line as retail codes print it: the first digit in the
// left quiet zone (and UPC-A's last one in the right), the others in groups
// between the guards, which reach down into the line.
void Opmaak(StreepjescodeSoort soort, Modules& m) {
  const QString& t = m.Tekst;
  auto deel = [&](int van, int lengte, int links, int rechts) {
    m.TekstDelen.push_back({t.mid(van, lengte), links, rechts});
  };
  if (soort == StreepjescodeSoort::Ean13 && t.size() == 13 && m.Breedte == 95) {
    deel(0, 1, -8, -1);
    deel(1, 6, 3, 45);
    deel(7, 6, 50, 92);
    m.LangeStrepen = {{0, 3}, {45, 50}, {92, 95}};
  } else if (soort == StreepjescodeSoort::Ean8 && t.size() == 8 && m.Breedte == 67) {
    deel(0, 4, 3, 31);
    deel(4, 4, 36, 64);
    m.LangeStrepen = {{0, 3}, {31, 36}, {64, 67}};
  } else if (soort == StreepjescodeSoort::UpcA && t.size() == 12 && m.Breedte == 95) {
    deel(0, 1, -8, -1);
    deel(1, 5, 10, 45);
    deel(6, 5, 50, 85);
    deel(11, 1, 96, 103);
    m.LangeStrepen = {{0, 10}, {45, 50}, {85, 95}};
  } else if (!t.isEmpty()) {
    deel(0, int(t.size()), 0, m.Breedte);
  }
  // Five modules, as zint draws them around an ITF-14 of its own.
  if (soort == StreepjescodeSoort::Itf14) m.Draagbalk = 5;
}

// zint draws Code 39's wide elements two modules wide; scanners want at
// least 2.5 times the narrow one at small modules. Every wide element gets
// three modules, which holds at any module width.
void BredeElementenDrie(Modules& m) {
  std::vector<std::uint8_t> nieuw;
  nieuw.reserve(m.Zwart.size() * 3 / 2);
  for (size_t x = 0; x < m.Zwart.size();) {
    size_t eind = x;
    while (eind < m.Zwart.size() && m.Zwart[eind] == m.Zwart[x]) ++eind;
    const size_t lengte = eind - x == 2 ? 3 : eind - x;
    nieuw.insert(nieuw.end(), lengte, m.Zwart[x]);
    x = eind;
  }
  m.Breedte = int(nieuw.size());
  m.Zwart = std::move(nieuw);
}

Modules UitSymbool(StreepjescodeSoort soort, const zint_symbol& s, const QString& tekst) {
  Modules m;
  m.Soort = soort;
  m.Breedte = s.width;
  m.Lineair = IsLineair(soort);
  // PDF417 rows are three modules high, as its standard asks; the matrix codes have square modules.
  const int rijHoogte = soort == StreepjescodeSoort::Pdf417 ? 3 : 1;
  m.RijHoogte.assign(size_t(s.rows), rijHoogte);
  m.Zwart.resize(size_t(s.rows) * size_t(s.width));
  // zint keeps a row's modules eight to a byte, the first module in the lowest bit.
  for (int y = 0; y < s.rows; ++y)
    for (int x = 0; x < s.width; ++x) m.Zwart[size_t(y) * s.width + x] = (s.encoded_data[y][x >> 3] >> (x & 7)) & 1;
  if (soort == StreepjescodeSoort::Code39 && s.rows == 1) BredeElementenDrie(m);
  Rustzones(soort, m);
  if (IsLineair(soort)) {
    m.Tekst = tekst;
    Opmaak(soort, m);
  }
  return m;
}

Codering Klaar(StreepjescodeSoort soort, const Poging& p) { return {UitSymbool(soort, *p.symbool, p.Tekst()), {}}; }

Codering Fout(QString tekst) { return {{}, std::move(tekst)}; }

// EAN, UPC and ITF-14: a fixed number of digits, the last one a check digit
// that may be left out.
Codering CodeerCijfers(StreepjescodeSoort soort, const QString& gegevens) {
  int zonder = 12, symbologie = BARCODE_EANX;
  switch (soort) {
    case StreepjescodeSoort::Ean8: zonder = 7; break;
    case StreepjescodeSoort::UpcA: zonder = 11, symbologie = BARCODE_UPCA; break;
    case StreepjescodeSoort::Itf14: zonder = 13, symbologie = BARCODE_ITF14; break;
    default: break;
  }
  if (!AlleenCijfers(gegevens)) return Fout(Een(soort) + QStringLiteral(" bestaat alleen uit cijfers."));
  if (gegevens.size() != zonder && gegevens.size() != zonder + 1)
    return Fout(QStringLiteral("%1 bestaat uit %2 of %3 cijfers.").arg(Een(soort)).arg(zonder).arg(zonder + 1));

  const QByteArray zonderCijfer = gegevens.left(zonder).toLatin1();
  auto berekend = [&] { return Zint(symbologie, zonderCijfer, DATA_MODE); };
  auto verkeerd = [](const Poging& metBerekend) {
    return Fout(QStringLiteral("Het controlecijfer klopt niet: het moet %1 zijn.").arg(metBerekend.Tekst().right(1)));
  };

  if (gegevens.size() == zonder) {
    const Poging p = berekend();
    return p.Mislukt() ? Fout(AlgemeneFout(soort, p)) : Klaar(soort, p);
  }
  // zint takes ITF-14 without its check digit only, and reads eight digits
  // for EAN as a short EAN-13: those two are checked against the digit zint computes.
  if (soort == StreepjescodeSoort::Itf14) {
    const Poging p = berekend();
    if (p.Mislukt()) return Fout(AlgemeneFout(soort, p));
    return p.Tekst() == gegevens ? Klaar(soort, p) : verkeerd(p);
  }
  if (soort == StreepjescodeSoort::Ean8) symbologie = BARCODE_EANX_CHK;
  const Poging p = Zint(symbologie, gegevens.toLatin1(), DATA_MODE);
  if (p.resultaat == ZINT_ERROR_INVALID_CHECK) {
    if (soort == StreepjescodeSoort::Ean8) symbologie = BARCODE_EANX;
    const Poging juist = berekend();
    if (!juist.Mislukt()) return verkeerd(juist);
  }
  return p.Mislukt() ? Fout(AlgemeneFout(soort, p)) : Klaar(soort, p);
}

Codering CodeerCode39(const QString& gegevens) {
  static const QString toegestaan = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ -.$/+%");
  for (QChar c : gegevens)
    // zint would quietly make capitals of small letters; the scanner would then read other data.
    if (!toegestaan.contains(c))
      return Fout(QStringLiteral("Een Code 39 kan het teken '%1' niet bevatten; alleen hoofdletters, cijfers, "
                                 "spaties en - . $ / + %.")
                      .arg(c));
  const Poging p = Zint(BARCODE_CODE39, gegevens.toLatin1(), DATA_MODE);
  return p.Mislukt() ? Fout(AlgemeneFout(StreepjescodeSoort::Code39, p)) : Klaar(StreepjescodeSoort::Code39, p);
}

Codering CodeerGs1(const QString& gegevens) {
  const QString voorbeeld = QStringLiteral(
      "Schrijf GS1-gegevens als AI's tussen haken, elk gevolgd door zijn waarde, bijvoorbeeld "
      "[01]09501101530003[10]ABC.");
  for (QChar c : gegevens)
    if (c.unicode() < 0x20 || c.unicode() > 0x7E)
      return Fout(QStringLiteral("GS1-gegevens kunnen het teken '%1' niet bevatten.").arg(c));
  static const QRegularExpression vorm(QStringLiteral("^(\\[\\d{2,4}\\][^\\[\\]]+)+$"));
  if (!vorm.match(gegevens).hasMatch()) return Fout(voorbeeld);

  const Poging p = Zint(BARCODE_GS1_128, gegevens.toLatin1(), GS1_MODE);
  // zint only warns about a wrong check digit or date inside an AI; such a
  // symbol would be refused at the other end, so it is refused here.
  if (p.resultaat == 0 || p.resultaat == ZINT_WARN_INVALID_OPTION) return Klaar(StreepjescodeSoort::Gs1_128, p);
  if (p.resultaat == ZINT_ERROR_TOO_LONG) return Fout(TeVeel(StreepjescodeSoort::Gs1_128));

  // zint's message is English; only its number and the AI it names are used.
  const QString melding = p.Melding();
  const auto nummer = QRegularExpression(QStringLiteral("^\\w+ (\\d+):")).match(melding);
  const auto ai = QRegularExpression(QStringLiteral("AI \\((\\d+)\\)")).match(melding);
  if (!ai.hasMatch()) return Fout(voorbeeld);
  const QString naam = QStringLiteral("AI (%1)").arg(ai.captured(1));
  const int n = nummer.hasMatch() ? nummer.captured(1).toInt() : 0;
  if (n == 260) return Fout(naam + QStringLiteral(" bestaat niet."));
  if (n == 259) return Fout(QStringLiteral("De waarde bij %1 heeft niet de juiste lengte.").arg(naam));
  if (melding.contains(QStringLiteral("checksum"), Qt::CaseInsensitive))
    return Fout(QStringLiteral("Het controlecijfer bij %1 klopt niet.").arg(naam));
  return Fout(QStringLiteral("De waarde bij %1 klopt niet.").arg(naam));
}

Codering CodeerTekst(StreepjescodeSoort soort, const QString& gegevens) {
  int symbologie = BARCODE_CODE128, eci = 0, optie1 = -1;
  switch (soort) {
    case StreepjescodeSoort::QrCode: symbologie = BARCODE_QRCODE, optie1 = 2; break;  // error correction M
    case StreepjescodeSoort::DataMatrix: symbologie = BARCODE_DATAMATRIX; break;
    case StreepjescodeSoort::Pdf417: symbologie = BARCODE_PDF417; break;
    default: break;
  }
  if (soort == StreepjescodeSoort::Code128) {
    for (QChar c : gegevens)
      if (c.unicode() > 0xFF) return Fout(QStringLiteral("Een Code 128 kan het teken '%1' niet bevatten.").arg(c));
  } else if (!IsAscii(gegevens)) {
    // Say outright that the data is UTF-8, so that no scanner has to guess.
    eci = 26;
  }
  const Poging p = Zint(symbologie, gegevens.toUtf8(), UNICODE_MODE, eci, optie1);
  return p.Mislukt() ? Fout(AlgemeneFout(soort, p)) : Klaar(soort, p);
}

}  // namespace

int Modules::HoogteInModules() const { return std::accumulate(RijHoogte.begin(), RijHoogte.end(), 0); }

Codering CodeerStreepjescode(StreepjescodeSoort soort, const QString& gegevens) {
  if (gegevens.isEmpty()) return Fout(QStringLiteral("Vul de gegevens van de streepjescode in."));
  switch (soort) {
    case StreepjescodeSoort::Ean13:
    case StreepjescodeSoort::Ean8:
    case StreepjescodeSoort::UpcA:
    case StreepjescodeSoort::Itf14: return CodeerCijfers(soort, gegevens);
    case StreepjescodeSoort::Code39: return CodeerCode39(gegevens);
    case StreepjescodeSoort::Gs1_128: return CodeerGs1(gegevens);
    case StreepjescodeSoort::Interleaved2of5: {
      if (!AlleenCijfers(gegevens)) return Fout(Een(soort) + QStringLiteral(" bestaat alleen uit cijfers."));
      // zint would put a 0 in front, and the scanner would read other data than was typed.
      if (gegevens.size() % 2 != 0)
        return Fout(Een(soort) +
                    QStringLiteral(" bestaat uit een even aantal cijfers; zet er zelf een 0 voor als dat bedoeld is."));
      const Poging p = Zint(BARCODE_C25INTER, gegevens.toLatin1(), DATA_MODE);
      return p.Mislukt() ? Fout(AlgemeneFout(soort, p)) : Klaar(soort, p);
    }
    case StreepjescodeSoort::Code128:
    case StreepjescodeSoort::QrCode:
    case StreepjescodeSoort::DataMatrix:
    case StreepjescodeSoort::Pdf417: return CodeerTekst(soort, gegevens);
  }
  return Fout(QStringLiteral("Onbekende soort streepjescode."));
}

std::optional<QString> FoutInGegevens(StreepjescodeSoort soort, const QString& gegevens) {
  Codering c = CodeerStreepjescode(soort, gegevens);
  if (c.Gelukt()) return std::nullopt;
  return std::move(c.Fout);
}

}  // namespace barcodes
