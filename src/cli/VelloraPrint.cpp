// vellora-print: prints a design from the command line, for batch jobs and
// automation, with the same stream the editor sends.
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryFile>
#include <cmath>
#include <cstdio>
#include <optional>

#include "files/Catalogus.h"
#include "files/EtiketToepassen.h"
#include "files/Instellingen.h"
#include "files/LeesEtiket.h"
#include "model/Getal.h"
#include "model/Ontwerp.h"
#include "platform/AppInfo.h"
#include "platform/ProcessStarter.h"
#include "platform/SettingsStore.h"
#include "printing/Afdrukjob.h"
#include "printing/CsvLijst.h"
#include "printing/Raster.h"
#include "printing/Sbpl.h"
#include "printing/Uitvoer.h"
#include "roundtext/RondeTekst.h"

namespace {

constexpr int kGelukt = 0, kFout = 1, kGebruik = 2;

// One line on standard error, the program's name first.
int Meld(int code, const QString& tekst) {
  QString regel = tekst;
  regel.replace(u'\r', u' ').replace(u'\n', u' ');
  std::fprintf(stderr, "vellora-print: %s\n", qPrintable(regel.simplified()));
  return code;
}

std::optional<int> Geheel(const QString& tekst, int van, int tot) {
  bool ok = false;
  const int w = tekst.trimmed().toInt(&ok);
  if (!ok || w < van || w > tot) return std::nullopt;
  return w;
}

std::optional<float> Millimeter(const QString& tekst) {
  bool ok = false;
  const double w = tekst.trimmed().toDouble(&ok);
  if (!ok || !std::isfinite(w) || std::fabs(w) > kGrootsteVerschuiving) return std::nullopt;
  return float(w);
}

// Qt's own notes (about the runtime folder, say) would break the promise
// of one clear line; real failures are reported by the program itself.
void AlleenErnstig(QtMsgType soort, const QMessageLogContext&, const QString& tekst) {
  if (soort == QtCriticalMsg || soort == QtFatalMsg) std::fprintf(stderr, "vellora-print: %s\n", qPrintable(tekst));
}

}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(AlleenErnstig);
  // Fonts need a GUI application, but no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QGuiApplication::setApplicationName(QStringLiteral("Vellora"));
  QGuiApplication::setApplicationVersion(platform::appinfo::versionText().mid(2));

  QCommandLineParser p;
  p.setApplicationDescription(QStringLiteral("Prints a Vellora label design (.VLO) to a label printer."));
  p.addHelpOption();
  p.addVersionOption();
  p.addPositionalArgument(QStringLiteral("DESIGN.VLO"), QStringLiteral("The design to print."));
  const QCommandLineOption uitvoer({QStringLiteral("o"), QStringLiteral("output")},
                                   QStringLiteral("Write the printer stream to FILE (- for standard output) instead of "
                                                  "where the settings send it."),
                                   QStringLiteral("FILE"));
  const QCommandLineOption aantal({QStringLiteral("n"), QStringLiteral("copies")},
                                  QStringLiteral("Copies of every number (default 1)."), QStringLiteral("N"), QStringLiteral("1"));
  const QCommandLineOption van(QStringLiteral("from"), QStringLiteral("First running number (default 1)."), QStringLiteral("A"), QStringLiteral("1"));
  const QCommandLineOption tot(QStringLiteral("to"), QStringLiteral("Last running number (default 1)."), QStringLiteral("B"), QStringLiteral("1"));
  const QCommandLineOption stap(QStringLiteral("step"), QStringLiteral("Step of the running number, not 0 (default 1)."), QStringLiteral("S"), QStringLiteral("1"));
  const QCommandLineOption lijst(QStringLiteral("list"), QStringLiteral("Values for [A]..[E], one row per number."), QStringLiteral("FILE.csv"));
  const QCommandLineOption kopregel(QStringLiteral("skip-header"),
                                    QStringLiteral("The list's first line names its columns: no row."));
  const QCommandLineOption model(QStringLiteral("model"), QStringLiteral("VL200 (8 dots/mm) or VL300 (12 dots/mm)."), QStringLiteral("MODEL"));
  const QCommandLineOption snelheid(QStringLiteral("speed"), QStringLiteral("Print speed 1-5."), QStringLiteral("1-5"));
  const QCommandLineOption donkerte(QStringLiteral("darkness"), QStringLiteral("Print darkness 1-5."), QStringLiteral("1-5"));
  const QCommandLineOption schuifX(QStringLiteral("shift-x"), QStringLiteral("Horizontal print offset in mm."), QStringLiteral("MM"));
  const QCommandLineOption schuifY(QStringLiteral("shift-y"), QStringLiteral("Vertical print offset in mm."), QStringLiteral("MM"));
  const QCommandLineOption catalogus(QStringLiteral("catalog"), QStringLiteral("The label format catalogue (default: the installed all.eft)."), QStringLiteral("FILE"));
  const QCommandLineOption voorbeeld(QStringLiteral("preview"), QStringLiteral("Also draw every sheet of the stream as sheet-0001.png, ... in DIR."), QStringLiteral("DIR"));
  const QCommandLineOption stil({QStringLiteral("q"), QStringLiteral("quiet")}, QStringLiteral("No progress on standard error."));
  p.addOptions({uitvoer, aantal, van, tot, stap, lijst, kopregel, model, snelheid, donkerte, schuifX, schuifY,
                catalogus, voorbeeld, stil});

  if (!p.parse(QCoreApplication::arguments())) return Meld(kGebruik, p.errorText());
  if (p.isSet(QStringLiteral("help"))) {
    std::fputs(qPrintable(p.helpText()), stdout);
    return kGelukt;
  }
  if (p.isSet(QStringLiteral("version"))) {
    std::printf("vellora-print %s\n", qPrintable(QCoreApplication::applicationVersion()));
    return kGelukt;
  }
  if (p.positionalArguments().size() != 1)
    return Meld(kGebruik, QStringLiteral("give exactly one design file; see --help"));
  const QString ontwerpPad = p.positionalArguments().first();

  // Everything not given comes from the user's settings, as in the editor.
  platform::IniSettingsStore store(platform::IniSettingsStore::defaultPath());
  Instellingen inst = LeesStand(store, platform::appinfo::programFolder(), 0).instellingen;
  const auto aantalKopie = Geheel(p.value(aantal), -32768, 32767);
  if (!aantalKopie) return Meld(kFout, QStringLiteral("--copies must be a whole number from -32768 to 32767"));
  const auto a = Geheel(p.value(van), -32768, 32767), b = Geheel(p.value(tot), -32768, 32767),
             s = Geheel(p.value(stap), -32768, 32767);
  if (!a || !b || !s || *s == 0)
    return Meld(kFout, QStringLiteral("--from, --to and --step must be whole numbers from -32768 to 32767, the step not 0"));
  if (p.isSet(model)) {
    const QString m = p.value(model).toUpper();
    if (m != QStringLiteral("VL200") && m != QStringLiteral("VL300")) return Meld(kFout, QStringLiteral("--model must be VL200 or VL300"));
    inst.Printer = m == QStringLiteral("VL200") ? 1 : 2;
  }
  if (p.isSet(snelheid)) {
    const auto v = Geheel(p.value(snelheid), 1, 5);
    if (!v) return Meld(kFout, QStringLiteral("--speed must be 1 to 5"));
    inst.PrintSpeed = qint16(*v);
  }
  if (p.isSet(donkerte)) {
    const auto v = Geheel(p.value(donkerte), 1, 5);
    if (!v) return Meld(kFout, QStringLiteral("--darkness must be 1 to 5"));
    inst.Intensity = qint16(*v);
  }
  std::optional<float> sx, sy;
  if (p.isSet(schuifX) && !(sx = Millimeter(p.value(schuifX)))) return Meld(kFout, QStringLiteral("--shift-x must be a number of mm"));
  if (p.isSet(schuifY) && !(sy = Millimeter(p.value(schuifY)))) return Meld(kFout, QStringLiteral("--shift-y must be a number of mm"));

  const QString catalogusPad =
      p.isSet(catalogus) ? p.value(catalogus) : platform::appinfo::dataFolder() + u'/' + QString::fromLatin1(kCatalogusNaam);
  auto formaten = LeesFormaten(catalogusPad);
  if (auto* fout = std::get_if<CatalogusFout>(&formaten)) return Meld(kFout, fout->Melding());
  const FormatenTabel& tabel = std::get<FormatenTabel>(formaten);

  const LeesUitkomst gelezen = LeesEtiket(ontwerpPad, tabel);
  if (auto* fout = std::get_if<LeesFout>(&gelezen)) return Meld(kFout, fout->Melding());
  Ontwerp ontwerp;
  PasEtiketToe(std::get<GelezenEtiket>(gelezen), ontwerp, [](Ontwerp& o, int i) { MaakRondeTekst(o, i); });
  const EtiketFormaat& formaat = tabel.formaat(ontwerp.HuidigFormaat);

  Nummering nummering;
  nummering.NummerVan = qint16(*a);
  nummering.NummerTot = qint16(*b);
  nummering.NummerStap = qint16(*s);
  if (p.isSet(lijst)) {
    QFile csv(p.value(lijst));
    if (!csv.open(QIODevice::ReadOnly)) return Meld(kFout, QStringLiteral("cannot read the list ") + p.value(lijst));
    const std::optional<CsvRijen> rijen = LeesCsvLijst(csv.readAll(), p.isSet(kopregel));
    if (!rijen)
      return Meld(kFout, QStringLiteral("the list ") + p.value(lijst) + QStringLiteral(" is not a text file"));
    nummering.NummerLijst = *rijen;
  }
  // A list design without its list would print nothing and look done.
  if (IsNummering(ontwerp) == 2 && nummering.NummerLijst.isEmpty())
    return Meld(kFout, p.isSet(lijst)
                           ? QStringLiteral("the list ") + p.value(lijst) + QStringLiteral(" has no rows")
                           : QStringLiteral("the design uses list values [A] to [E]: give the list with --list"));

  const int ppm = inst.Printer == 1 ? 8 : 12;
  if (const auto grens = LabelRaster::Grenzen(formaat, ppm)) return Meld(kFout, *grens);
  Afdrukopdracht opdracht;
  opdracht.formaat = formaat;
  opdracht.HorizontalShift = sx ? *sx : HorizontaleVerschuiving(store, formaat.Naam);
  opdracht.VerticalShift = sy ? *sy : VerticaleVerschuiving(store, formaat.Naam);
  opdracht.PrintSpeed = inst.PrintSpeed;
  opdracht.Intensity = inst.Intensity;
  opdracht.Aantal = qint16(*aantalKopie);
  opdracht.Spaarstand = false;  // a batch job always finishes its last sheet
  opdracht.reeks = ReeksVoor(IsNummering(ontwerp), nummering);
  if (GrootstePositie(opdracht, ppm) > 9999)
    return Meld(kFout, QStringLiteral("a label of this sheet lies beyond the printer's 9999 dots"));

  // Where the bytes go.
  QFile uit;
  Uitvoerkanaal kanaal;
  const bool eigenUitvoer = p.isSet(uitvoer);
  if (eigenUitvoer && p.value(uitvoer) == QStringLiteral("-")) {
    if (!uit.open(stdout, QIODevice::WriteOnly)) return Meld(kFout, QStringLiteral("cannot write to standard output"));
  } else if (eigenUitvoer) {
    uit.setFileName(p.value(uitvoer));
    if (!uit.open(QIODevice::WriteOnly | QIODevice::Truncate))
      return Meld(kFout, QStringLiteral("cannot write ") + p.value(uitvoer) + QStringLiteral(": ") + uit.errorString());
  } else {
    kanaal = KiesKanaal(inst, platform::appinfo::programFolder());
    if (const auto melding = OpenKanaal(uit, kanaal)) return Meld(kFout, *melding);
  }
  // For the preview the stream is kept aside as well.
  QTemporaryFile kopie;
  const bool metVoorbeeld = p.isSet(voorbeeld);
  if (metVoorbeeld && !kopie.open()) return Meld(kFout, QStringLiteral("cannot make a temporary file for the preview"));

  struct Tee : QIODevice {
    QIODevice& a;
    QIODevice* b;
    Tee(QIODevice& x, QIODevice* y) : a(x), b(y) { open(QIODevice::WriteOnly); }
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* d, qint64 n) override {
      if (a.write(d, n) != n) return -1;
      if (b && b->write(d, n) != n) return -1;
      return n;
    }
  } tee(uit, metVoorbeeld ? &kopie : nullptr);

  const bool stilte = p.isSet(stil);
  LabelRaster raster(ontwerp, formaat, ppm, nummering, [](Voorwerp& v) { MaakRondeTekst(v); });
  VelStand stand;
  const Jobuitkomst u = AfdrukkenSATO(
      opdracht, stand, [&](float x, float y, int n) { return raster.DrukEenExemplaarSATO(x, y, n); }, tee,
      [&](int n, int laatste) {
        if (!stilte) std::fprintf(stderr, "Exemplaar %d van %d\n", n, laatste);
        return false;
      });
  const bool geschreven = u != Jobuitkomst::Schrijffout && uit.flush();
  uit.close();
  if (!geschreven)
    return Meld(kFout, QStringLiteral("writing failed: ") + (eigenUitvoer ? p.value(uitvoer) : kanaal.naam));
  if (!eigenUitvoer) {
    platform::QtProcessStarter starter;
    NaDeJob(kanaal, inst, platform::appinfo::programFolder(), starter);
  }

  if (metVoorbeeld) {
    kopie.flush();
    kopie.seek(0);
    const sbpl::Lezing l = sbpl::Lees(kopie.readAll());
    if (!l.fout.isEmpty()) return Meld(kFout, QStringLiteral("the stream could not be read back: ") + l.fout);
    QDir map(p.value(voorbeeld));
    if (!map.mkpath(QStringLiteral("."))) return Meld(kFout, QStringLiteral("cannot make ") + map.path());
    for (size_t i = 0; i < l.vellen.size(); ++i) {
      const QString naam = map.filePath(QStringLiteral("sheet-%1.png").arg(i + 1, 4, 10, QLatin1Char('0')));
      if (!l.vellen[i].Afbeelding().save(naam)) return Meld(kFout, QStringLiteral("cannot write ") + naam);
    }
  }
  return kGelukt;
}
