#include "files/Instellingen.h"

#include <algorithm>
#include <cmath>

#include "model/Getal.h"
#include "platform/SettingsStore.h"

namespace files {

namespace {
const QString kDefaults = QStringLiteral("Defaults");

QString Lees(const platform::SettingsStore& s, const char* sleutel, const QString& standaard) {
  return s.read(kDefaults, QString::fromLatin1(sleutel), standaard);
}

QString Getal(double v) { return QString::number(v, 'g', 12); }
QString Bool(bool b) { return b ? QStringLiteral("True") : QStringLiteral("False"); }

qint16 LeesBinnen(const QString& tekst, qint16 laagste, qint16 hoogste) {
  return std::clamp(LeesInteger(tekst), laagste, hoogste);
}

bool LeesBool(const QString& tekst) {
  if (tekst.trimmed().compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0) return true;
  bool getal = false;
  const double v = LeesGetal(tekst, &getal);
  return getal && v != 0;
}
}  // namespace

qint16 LeesInteger(const QString& tekst) {
  const double v = std::nearbyint(LeesGetal(tekst));
  return qint16(std::clamp(v, -32768.0, 32767.0));
}

OpgeslagenStand LeesStand(const platform::SettingsStore& s, const QString& programmaMap, int ontwerpStijl) {
  OpgeslagenStand st;
  st.Formaat = LeesInteger(Lees(s, "Form", QStringLiteral("1")));
  st.Spaarstand = LeesBool(Lees(s, "UseStartPosition", QStringLiteral("True")));
  Instellingen& i = st.instellingen;
  i.ImageFolder = programmaMap;
  i.FileFolder = Lees(s, "FileFolder", programmaMap);
  // A gallery may list several folders; the first is the one it opens.
  const QString galerijen = QStringLiteral("Galleries");
  for (const auto& galerij : s.readSection(galerijen))
    i.Galerijen.append({galerij.first, s.readList(galerijen, galerij.first).value(0)});
  const QString printer = Lees(s, "Printer", QStringLiteral("1"));
  i.Printer = LeesBinnen(printer, 1, kHoogstePrinter);
  i.PrinterPort = LeesBinnen(Lees(s, "PrinterPort", QStringLiteral("1")), 1, 4);
  for (int n = 1; n <= 4; ++n)
    i.PrinterModel[n - 1] =
        LeesBinnen(s.read(kDefaults, QStringLiteral("PrinterModel%1").arg(n), printer), 1, kHoogstePrinter);
  // Printer is always written as the chosen connection's model, and an
  // older version that changed the model changed only Printer: it wins.
  i.PrinterModel[i.PrinterPort - 1] = i.Printer;
  i.PrintSpeed = LeesBinnen(Lees(s, "PrintSpeed", QStringLiteral("1")), 1, 5);
  i.Intensity = LeesBinnen(Lees(s, "Intensity", QStringLiteral("5")), 1, 5);
  i.WindowsPrinter = Lees(s, "WindowsPrinter", QString());
  st.ToonAfdrukbaarGebied = Lees(s, "ShowArea", QStringLiteral("False")) == QStringLiteral("True");
  i.Printer1 = Lees(s, "Printer1", QStringLiteral("lpt1:"));
  i.Printer2 = Lees(s, "Printer2", QStringLiteral("lpt2:"));
  i.Printer3 = Lees(s, "Printer3", QStringLiteral("lpt3:"));
  i.Shell1 = Lees(s, "Shell1", QString());
  i.Shell2 = Lees(s, "Shell2", QString());
  i.Shell3 = Lees(s, "Shell3", QString());
  const auto seconden = [&](const char* sleutel, double standaard) {
    bool getal = false;
    const double v = LeesGetal(Lees(s, sleutel, QString::number(standaard)), &getal);
    return getal && v > 0 ? std::min(v, 3600.0) : standaard;
  };
  i.ConnectTimeout = seconden("ConnectTimeout", i.ConnectTimeout);
  i.WriteTimeout = seconden("WriteTimeout", i.WriteTimeout);
  VensterPlaats& v = st.venster;
  v.Links = LeesGetal(Lees(s, "Left", QStringLiteral("0")));
  v.Boven = LeesGetal(Lees(s, "Top", QStringLiteral("0")));
  v.Hoogte = LeesGetal(Lees(s, "Height", QStringLiteral("0")));
  v.Breedte = LeesGetal(Lees(s, "Width", QStringLiteral("0")));
  v.Stijl = LeesInteger(Lees(s, "Style", QString::number(ontwerpStijl)));
  return st;
}

void BewaarStand(platform::SettingsStore& s, int formaat, const VensterPlaats& venster, bool spaarstand,
                 bool toonAfdrukbaarGebied, const Instellingen& i) {
  auto zet = [&](const char* sleutel, const QString& waarde) { s.write(kDefaults, QString::fromLatin1(sleutel), waarde); };
  zet("Form", u' ' + QString::number(formaat));
  zet("Style", QString::number(venster.Stijl));
  zet("Left", Getal(venster.Links));
  zet("Top", Getal(venster.Boven));
  zet("Height", Getal(venster.Hoogte));
  zet("Width", Getal(venster.Breedte));
  zet("UseStartPosition", Bool(spaarstand));
  zet("ImageFolder", i.ImageFolder);
  zet("FileFolder", i.FileFolder);
  zet("Printer", QString::number(i.Printer));
  // A connection's model is written once it differs from what Printer
  // would give it, or once it has a key of its own: reading gives it back
  // either way. Printer is the chosen connection's, as reading takes it.
  std::array<qint16, 4> modellen = i.PrinterModel;
  if (i.PrinterPort >= 1 && i.PrinterPort <= 4) modellen[i.PrinterPort - 1] = i.Printer;
  for (int n = 1; n <= 4; ++n) {
    const QString sleutel = QStringLiteral("PrinterModel%1").arg(n);
    const QString model = QString::number(modellen[n - 1]);
    if (model != QString::number(i.Printer) || s.read(kDefaults, sleutel, QString()) != QString())
      s.write(kDefaults, sleutel, model);
  }
  zet("PrinterPort", QString::number(i.PrinterPort));
  zet("PrintSpeed", QString::number(i.PrintSpeed));
  zet("Intensity", QString::number(i.Intensity));
  zet("Windowsprinter", i.WindowsPrinter);
  zet("ShowArea", Bool(toonAfdrukbaarGebied));
  // What connections 1 to 3 stand for is written only once the printer
  // dialog changed it: a file that never named them keeps not naming them.
  const QString poorten[3] = {i.Printer1, i.Printer2, i.Printer3};
  for (int n = 1; n <= 3; ++n) {
    const QString sleutel = QStringLiteral("Printer%1").arg(n);
    if (s.read(kDefaults, sleutel, QStringLiteral("lpt%1:").arg(n)) != poorten[n - 1])
      s.write(kDefaults, sleutel, poorten[n - 1]);
  }
}

bool HerstelVenster(const VensterPlaats& o) {
  return o.Stijl == 0 && o.Links > 0 && o.Boven > 0 && o.Hoogte > 0 && o.Breedte > 0;
}

VensterPlaats KlemVenster(const VensterPlaats& o, double huidigeBreedte, double huidigeHoogte, double schermBreedte,
                          double schermHoogte) {
  VensterPlaats v = o;
  v.Hoogte = std::min(std::max(o.Hoogte, huidigeHoogte), schermHoogte);
  v.Breedte = std::min(std::max(o.Breedte, huidigeBreedte), schermBreedte);
  v.Links = std::min(schermBreedte - v.Breedte, std::max(0.0, o.Links));
  v.Boven = std::min(schermHoogte - v.Hoogte, std::max(0.0, o.Boven));
  return v;
}

namespace {
const QString kHorizontaal = QStringLiteral("HorizontalShift");
const QString kVerticaal = QStringLiteral("VerticalShift");
}  // namespace

Verschuiving LeesVerschuiving(const platform::SettingsStore& s, const QString& formaat) {
  return {s.read(formaat, kHorizontaal, QStringLiteral("0")), s.read(formaat, kVerticaal, QStringLiteral("0"))};
}

void BewaarVerschuiving(platform::SettingsStore& s, const QString& formaat, const Verschuiving& v) {
  s.write(formaat, kHorizontaal, v.Horizontaal);
  s.write(formaat, kVerticaal, v.Verticaal);
}

namespace {
float Millimeters(const QString& tekst) {
  return float(std::clamp(LeesGetal(tekst), -kGrootsteVerschuiving, kGrootsteVerschuiving));
}
}  // namespace

float HorizontaleVerschuiving(const platform::SettingsStore& s, const QString& formaat) {
  return Millimeters(LeesVerschuiving(s, formaat).Horizontaal);
}

float VerticaleVerschuiving(const platform::SettingsStore& s, const QString& formaat) {
  return Millimeters(LeesVerschuiving(s, formaat).Verticaal);
}

}  // namespace files
