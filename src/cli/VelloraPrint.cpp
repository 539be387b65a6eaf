// vellora-print: prints a design from the command line, for batch jobs and
// automation, with the same stream the editor sends.
#include <sys/stat.h>

#include <QCommandLineParser>
#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryFile>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <memory>
#include <optional>
#include <thread>
#include <variant>

#include "files/Catalogus.h"
#include "files/EigenFormaten.h"
#include "files/EtiketToepassen.h"
#include "files/Instellingen.h"
#include "files/LeesEtiket.h"
#include "model/Ontwerp.h"
#include "platform/AppInfo.h"
#include "platform/FontList.h"
#include "platform/ProcessStarter.h"
#include "platform/SettingsStore.h"
#include "printing/CsvLijst.h"
#include "printing/Job.h"
#include "printing/Printermodel.h"
#include "printing/Uitvoer.h"
#include "printing/Velafdruk.h"
#include "files/Voorraadvellen.h"
#include "roundtext/RondeTekst.h"

using namespace printing;

namespace {

constexpr int kSuccess = 0, kFailure = 1, kUsage = 2;
// More threads than this only cost memory: a canvas each.
constexpr int kMostWorkers = 64;

// One line on standard error, the program's name first.
int report(int code, const QString& tekst) {
  QString regel = tekst;
  regel.replace(u'\r', u' ').replace(u'\n', u' ');
  std::fprintf(stderr, "vellora-print: %s\n", qPrintable(regel.simplified()));
  return code;
}

// A step either gives its result or has told the user why not: the exit code.
template <typename T>
using Or = std::variant<T, int>;

std::optional<int> parseInteger(const QString& tekst, int van, int tot) {
  bool ok = false;
  const int w = tekst.trimmed().toInt(&ok);
  if (!ok || w < van || w > tot) return std::nullopt;
  return w;
}

std::optional<float> parseMillimetres(const QString& tekst) {
  bool ok = false;
  const double w = tekst.trimmed().toDouble(&ok);
  if (!ok || !std::isfinite(w) || std::fabs(w) > kGrootsteVerschuiving) return std::nullopt;
  return float(w);
}

// Qt's own notes (about the runtime folder, say) would break the promise
// of one clear line; real failures are reported by the program itself.
void onlySerious(QtMsgType soort, const QMessageLogContext&, const QString& tekst) {
  if (soort == QtCriticalMsg || soort == QtFatalMsg) std::fprintf(stderr, "vellora-print: %s\n", qPrintable(tekst));
}

// What the command line asks for, checked.
struct Options {
  QString ontwerp;
  std::optional<QString> uitvoer;  // "-": standard output
  qint16 aantal = 1;
  qint16 van = 1, tot = 1, stap = 1;
  std::optional<QString> lijst;  // "-": standard input
  bool kopregel = false;
  QString aantalKolom;
  QString rijen;
  QDateTime moment;  // invalid: now
  std::optional<qint16> printer, PrintSpeed, Intensity;
  std::optional<float> HorizontalShift, VerticalShift;
  std::optional<QString> catalogus;
  std::optional<QString> voorbeeld;
  bool stil = false;
  int werkers = 1;
  std::optional<Omzetting> omzetting;  // for every figure of the design
  std::optional<QString> pdf;
  int eersteEtiket = 1;
  QStringList sjablonen;  // template files of stock sheets
};

// --dither: none, threshold:N, floyd-steinberg, atkinson or ordered.
std::optional<Omzetting> parseDither(const QString& tekst) {
  const QString t = tekst.trimmed().toLower();
  if (t == QStringLiteral("none")) return Omzetting{};
  if (t == QStringLiteral("floyd-steinberg")) return Omzetting{OmzetSoort::FloydSteinberg};
  if (t == QStringLiteral("atkinson")) return Omzetting{OmzetSoort::Atkinson};
  if (t == QStringLiteral("ordered")) return Omzetting{OmzetSoort::Geordend};
  if (!t.startsWith(QStringLiteral("threshold:"))) return std::nullopt;
  const auto niveau = parseInteger(t.mid(10), 0, 255);
  if (!niveau) return std::nullopt;
  return Omzetting{OmzetSoort::Drempel, qint16(*niveau)};
}

// The models of the table: "VL200 or VL300", with their resolutions if asked.
QString ModelKeuze(bool metPunten) {
  QStringList namen;
  for (const Printermodel& m : Printermodellen())
    namen << QString::fromLatin1(m.naam) + (metPunten ? QStringLiteral(" (%1 dots/mm)").arg(m.puntenPerMm) : QString());
  const QString laatste = namen.takeLast();
  return namen.isEmpty() ? laatste : namen.join(QStringLiteral(", ")) + QStringLiteral(" or ") + laatste;
}

Or<Options> parseOptions() {
  const auto option = [](const char* name, const char* help, const char* value = nullptr,
                         const char* defaultValue = nullptr) {
    return QCommandLineOption(QString::fromLatin1(name), QString::fromLatin1(help),
                              value ? QString::fromLatin1(value) : QString(),
                              defaultValue ? QString::fromLatin1(defaultValue) : QString());
  };
  QCommandLineParser p;
  p.setApplicationDescription(QStringLiteral("Prints a Vellora label design (.VLO) to a label printer."));
  p.addHelpOption();
  p.addVersionOption();
  p.addPositionalArgument(QStringLiteral("DESIGN.VLO"), QStringLiteral("The design to print."));
  const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                  QStringLiteral("Write the printer stream to FILE (- for standard output) instead of "
                                                 "where the settings send it."),
                                  QStringLiteral("FILE"));
  const QCommandLineOption copies({QStringLiteral("n"), QStringLiteral("copies")},
                                  QStringLiteral("Copies of every number (default 1)."), QStringLiteral("N"),
                                  QStringLiteral("1"));
  const QCommandLineOption from = option("from", "First running number (default 1).", "A", "1");
  const QCommandLineOption to = option("to", "Last running number (default 1).", "B", "1");
  const QCommandLineOption step = option("step", "Step of the running number, not 0 (default 1).", "S", "1");
  const QCommandLineOption list =
      option("list", "Values for [A]..[Z] and named columns, one row per number (- reads standard input).", "FILE.csv");
  const QCommandLineOption skipHeader =
      option("skip-header", "The list's first line names its columns ([Name] then stands for them): no row.");
  const QCommandLineOption quantityColumn =
      option("quantity-column", "The list's column (a name or a letter) that gives each row's number of labels.", "NAME");
  const QCommandLineOption rows = option("rows", "Print only these rows of the list, e.g. 5-10,12.", "ROWS");
  const QCommandLineOption date =
      option("date", "Take this day (and time) as now for [Datum] and [Tijd].", "YYYY-MM-DD[THH:MM]");
  const QCommandLineOption model(QStringLiteral("model"), ModelKeuze(true) + u'.', QStringLiteral("MODEL"));
  const QCommandLineOption speed = option("speed", "Print speed 1-5.", "1-5");
  const QCommandLineOption darkness = option("darkness", "Print darkness 1-5.", "1-5");
  const QCommandLineOption shiftX = option("shift-x", "Horizontal print offset in mm.", "MM");
  const QCommandLineOption shiftY = option("shift-y", "Vertical print offset in mm.", "MM");
  const QCommandLineOption catalog =
      option("catalog", "The label format catalogue (default: the installed all.eft).", "FILE");
  const QCommandLineOption preview =
      option("preview", "Also draw every sheet of the stream as sheet-0001.png, ... in DIR.", "DIR");
  const QCommandLineOption quiet({QStringLiteral("q"), QStringLiteral("quiet")},
                                 QStringLiteral("No progress on standard error."));
  const QCommandLineOption jobs =
      option("jobs", "Threads that draw the labels (default: one per processor core).", "N");
  const QCommandLineOption dither =
      option("dither", "How every figure becomes dots: none (anything not white prints), threshold:N (0-255), "
             "floyd-steinberg, atkinson or ordered. Default: each figure's own choice.", "MODE");
  const QCommandLineOption pdf =
      option("pdf", "Write the sheets as a PDF (page size the sheet's, text as text) instead of to a label printer.",
             "FILE.pdf");
  const QCommandLineOption firstLabel =
      option("first-label", "With --pdf: the label to begin on, on a partly used first sheet (1 = top left, row "
             "by row).", "N", "1");
  const QCommandLineOption templates =
      option("templates", "Also read stock sheets from this gLabels template file (may be repeated).", "FILE.xml");
  p.addOptions({output, copies, from, to, step, list, skipHeader, quantityColumn, rows, date, model, speed, darkness,
                shiftX, shiftY, catalog, preview, quiet, jobs, dither, pdf, firstLabel, templates});

  if (!p.parse(QCoreApplication::arguments())) return report(kUsage, p.errorText());
  if (p.isSet(QStringLiteral("help"))) {
    std::fputs(qPrintable(p.helpText()), stdout);
    return kSuccess;
  }
  if (p.isSet(QStringLiteral("version"))) {
    std::printf("vellora-print %s\n", qPrintable(QCoreApplication::applicationVersion()));
    return kSuccess;
  }
  if (p.positionalArguments().size() != 1)
    return report(kUsage, QStringLiteral("give exactly one design file; see --help"));

  Options o;
  o.ontwerp = p.positionalArguments().first();
  const auto n = parseInteger(p.value(copies), -32768, 32767);
  if (!n) return report(kFailure, QStringLiteral("--copies must be a whole number from -32768 to 32767"));
  o.aantal = qint16(*n);
  const auto a = parseInteger(p.value(from), -32768, 32767), b = parseInteger(p.value(to), -32768, 32767),
             s = parseInteger(p.value(step), -32768, 32767);
  if (!a || !b || !s || *s == 0)
    return report(kFailure,
                  QStringLiteral("--from, --to and --step must be whole numbers from -32768 to 32767, the step not 0"));
  o.van = qint16(*a);
  o.tot = qint16(*b);
  o.stap = qint16(*s);
  if (p.isSet(model)) {
    const Printermodel* m = ZoekPrintermodel(p.value(model));
    if (!m) return report(kFailure, QStringLiteral("--model must be ") + ModelKeuze(false));
    o.printer = m->Printer;
  }
  if (p.isSet(speed)) {
    const auto v = parseInteger(p.value(speed), 1, 5);
    if (!v) return report(kFailure, QStringLiteral("--speed must be 1 to 5"));
    o.PrintSpeed = qint16(*v);
  }
  if (p.isSet(darkness)) {
    const auto v = parseInteger(p.value(darkness), 1, 5);
    if (!v) return report(kFailure, QStringLiteral("--darkness must be 1 to 5"));
    o.Intensity = qint16(*v);
  }
  if (p.isSet(shiftX) && !(o.HorizontalShift = parseMillimetres(p.value(shiftX))))
    return report(kFailure, QStringLiteral("--shift-x must be a number of mm"));
  if (p.isSet(shiftY) && !(o.VerticalShift = parseMillimetres(p.value(shiftY))))
    return report(kFailure, QStringLiteral("--shift-y must be a number of mm"));
  o.werkers = std::clamp(int(std::thread::hardware_concurrency()), 1, kMostWorkers);
  if (p.isSet(jobs)) {
    const auto v = parseInteger(p.value(jobs), 1, kMostWorkers);
    if (!v) return report(kFailure, QStringLiteral("--jobs must be a whole number from 1 to %1").arg(kMostWorkers));
    o.werkers = *v;
  }
  if (p.isSet(dither) && !(o.omzetting = parseDither(p.value(dither))))
    return report(kUsage, QStringLiteral("--dither must be none, threshold:N (N from 0 to 255), floyd-steinberg, "
                                         "atkinson or ordered"));
  if (p.isSet(pdf)) {
    if (p.isSet(output) || p.isSet(preview))
      return report(kUsage, QStringLiteral("--pdf goes with neither --output nor --preview"));
    o.pdf = p.value(pdf);
  }
  {
    const auto v = parseInteger(p.value(firstLabel), 1, 32767);
    if (!v) return report(kFailure, QStringLiteral("--first-label must be a whole number from 1"));
    if (*v != 1 && !p.isSet(pdf)) return report(kUsage, QStringLiteral("--first-label goes with --pdf"));
    o.eersteEtiket = *v;
  }
  o.sjablonen = p.values(templates);
  if (p.isSet(output)) o.uitvoer = p.value(output);
  if (p.isSet(list)) o.lijst = p.value(list);
  o.kopregel = p.isSet(skipHeader);
  o.aantalKolom = p.value(quantityColumn).trimmed();
  if (p.isSet(quantityColumn) && o.aantalKolom.isEmpty())
    return report(kFailure, QStringLiteral("--quantity-column needs the name or letter of a column"));
  o.rijen = p.value(rows).trimmed();
  if (p.isSet(rows) && o.rijen.isEmpty()) return report(kFailure, QStringLiteral("--rows needs rows, e.g. 5-10,12"));
  if (p.isSet(date)) {
    const QString d = p.value(date).trimmed();
    o.moment = d.contains(u'T') ? QDateTime::fromString(d, QStringLiteral("yyyy-MM-ddTHH:mm"))
                                : QDateTime(QDate::fromString(d, QStringLiteral("yyyy-MM-dd")), QTime::currentTime());
    if (!o.moment.isValid()) return report(kFailure, QStringLiteral("--date must be YYYY-MM-DD or YYYY-MM-DDTHH:MM"));
  }
  if (p.isSet(catalog)) o.catalogus = p.value(catalog);
  if (p.isSet(preview)) o.voorbeeld = p.value(preview);
  o.stil = p.isSet(quiet);
  return o;
}

// Everything not given comes from the user's settings, as in the editor.
Instellingen LeesInstellingen(const platform::SettingsStore& store, const Options& o) {
  Instellingen inst = LeesStand(store, platform::appinfo::programFolder(), 0).instellingen;
  if (o.printer) inst.Printer = *o.printer;
  if (o.PrintSpeed) inst.PrintSpeed = *o.PrintSpeed;
  if (o.Intensity) inst.Intensity = *o.Intensity;
  return inst;
}

QString CatalogusPad(const Options& o) {
  return o.catalogus.value_or(platform::appinfo::dataFolder() + u'/' + QString::fromLatin1(kCatalogusNaam));
}

// The catalogue, then the user's own formats and the stock sheets, as the
// editor offers them, so that a design made on any of them prints.
Or<FormatenTabel> LeesCatalogus(const Options& o, const QString& instellingenPad) {
  const QString pad = CatalogusPad(o);
  auto formaten = LeesFormaten(pad);
  if (auto* fout = std::get_if<CatalogusFout>(&formaten)) return report(kFailure, fout->Melding());
  QString eigenFout;
  const auto eigen = LeesEigenFormaten(EigenFormatenPad(instellingenPad), &eigenFout);
  if (!eigenFout.isEmpty()) report(kFailure, eigenFout);
  for (const QString& sjabloon : o.sjablonen)
    if (!QFile::exists(sjabloon)) return report(kFailure, QStringLiteral("cannot read the templates ") + sjabloon);
  const Voorraadvellen voorraad = LeesVoorraadvellen(SjablonenMap(), o.sjablonen);
  return VoegFormatenSamen(std::get<FormatenTabel>(formaten), eigen, voorraad.formaten);
}

Or<Ontwerp> LeesOntwerp(const Options& o, const FormatenTabel& tabel) {
  const LeesUitkomst gelezen = LeesEtiket(o.ontwerp, tabel);
  if (auto* fout = std::get_if<LeesFout>(&gelezen)) return report(kFailure, fout->Melding());
  Ontwerp ontwerp;
  PasEtiketToe(std::get<GelezenEtiket>(gelezen), ontwerp, [](Ontwerp& d, int i) { MaakRondeTekst(d, i); });
  return ontwerp;
}

// The series and the list go with the design into the job.
std::optional<int> LeesNummering(const Options& o, Nummering& nummering) {
  nummering.NummerVan = o.van;
  nummering.NummerTot = o.tot;
  nummering.NummerStap = o.stap;
  // Without --list, the list the design names, as it names it.
  const bool onthouden = !o.lijst && nummering.LijstOnthouden && !nummering.LijstBestand.isEmpty();
  if (!o.lijst && !onthouden) {
    if (!o.aantalKolom.isEmpty() || !o.rijen.isEmpty())
      return report(kFailure, QStringLiteral("--quantity-column and --rows need a --list"));
    return std::nullopt;
  }
  const QString pad = o.lijst.value_or(nummering.LijstBestand);
  const bool kopregel = o.kopregel || (onthouden && nummering.Kopregel);
  if (onthouden && !QFileInfo::exists(pad))
    return report(kFailure, QStringLiteral("the list %1 that the design names is not there").arg(pad));
  const bool invoer = pad == QStringLiteral("-");
  const QString naam = invoer ? QStringLiteral("on standard input") : pad;
  auto gelezen = [&] {
    if (!invoer) return LeesLijstBestand(pad, kopregel);
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly)) return std::variant<CsvRijen, LijstFout>(LijstFout::Openen);
    return LeesLijst(in, kopregel);
  }();
  if (const LijstFout* fout = std::get_if<LijstFout>(&gelezen)) {
    switch (*fout) {
      case LijstFout::Openen: return report(kFailure, QStringLiteral("cannot read the list ") + naam);
      case LijstFout::TeGroot:
        return report(kFailure, QStringLiteral("the list %1 is larger than %2 MB").arg(naam).arg(kMaxLijstBytes >> 20));
      case LijstFout::TeVeelRijen:
        return report(kFailure, QStringLiteral("the list %1 has more than %2 rows").arg(naam).arg(kMaxLijstRijen));
      case LijstFout::GeenTekst: break;
    }
    return report(kFailure, QStringLiteral("the list ") + naam + QStringLiteral(" is not a text file"));
  }
  nummering.NummerLijst = std::move(std::get<CsvRijen>(gelezen));
  // What the command line says goes before what the design remembers.
  if (o.lijst || !o.aantalKolom.isEmpty()) nummering.AantalKolom = o.aantalKolom;
  if (o.lijst || !o.rijen.isEmpty()) nummering.Rijkeuze = o.rijen;
  return std::nullopt;
}

// Where the bytes go: a file, standard output, the port of the settings, or
// a printer on the network given on the command line.
struct Uitvoer {
  QFile bestand;
  std::unique_ptr<QIODevice> kanaalUit;  // the port's device, file or connection
  Uitvoerkanaal kanaal;
  bool eigen = false;  // given on the command line
  bool netwerk = false;  // a network printer, from the command line or the settings
  bool spool = false;  // a spool file of this job, not yet handed on
  QIODevice& io() { return kanaalUit ? *kanaalUit : static_cast<QIODevice&>(bestand); }
  ~Uitvoer() {
    // A job that never reached its spooler leaves no spool file behind.
    if (spool) {
      io().close();
      QFile::remove(kanaal.pad);
    }
  }
};

std::optional<int> OpenUitvoer(const Options& o, Uitvoer& u) {
  if (u.eigen && !u.netwerk && *o.uitvoer == QStringLiteral("-")) {
    if (!u.bestand.open(stdout, QIODevice::WriteOnly))
      return report(kFailure, QStringLiteral("cannot write to standard output"));
  } else if (u.eigen && !u.netwerk) {
    u.bestand.setFileName(*o.uitvoer);
    if (!u.bestand.open(QIODevice::WriteOnly | QIODevice::Truncate))
      return report(kFailure, QStringLiteral("cannot write ") + *o.uitvoer + QStringLiteral(": ") + u.bestand.errorString());
  } else {
    // A printer on the network is connected to now, before a byte is sent.
    if (const auto melding = OpenKanaal(u.kanaalUit, u.kanaal)) return report(kFailure, *melding);
    u.spool = !u.eigen && u.kanaal.poort == 4;
  }
  return std::nullopt;
}

// The same file, whatever the names: through symbolic links, or a hard link.
bool ZelfdeBestand(const QString& a, const QString& b) {
  struct stat sa {}, sb {};
  return ::stat(QFile::encodeName(a).constData(), &sa) == 0 && ::stat(QFile::encodeName(b).constData(), &sb) == 0 &&
         sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

// Writing over a file the job was made from would destroy it: refused
// before anything is opened.
std::optional<int> GeenInvoerAlsUitvoer(const Options& o, const QString& uitvoer) {
  const std::vector<std::pair<const char*, QString>> invoer = {
      {"design", o.ontwerp},
      {"list", o.lijst == QStringLiteral("-") ? QString() : o.lijst.value_or(QString())},
      {"catalogue", CatalogusPad(o)}};
  for (const auto& [wat, pad] : invoer)
    if (!pad.isEmpty() && ZelfdeBestand(uitvoer, pad))
      return report(kFailure, QStringLiteral("the output %1 is the %2 %3; nothing was written")
                             .arg(uitvoer, QString::fromLatin1(wat), pad));
  return std::nullopt;
}

// The preview folder is made, and shown to take files, before anything is sent.
std::optional<int> MaakVoorbeeldMap(const QString& mapNaam) {
  QDir map(mapNaam);
  if (!map.mkpath(QStringLiteral(".")))
    return report(kFailure, QStringLiteral("cannot make the preview folder ") + mapNaam + QStringLiteral("; nothing was sent"));
  QTemporaryFile proef(map.filePath(QStringLiteral(".vellora-print-XXXXXX")));
  if (!proef.open())
    return report(kFailure, QStringLiteral("cannot write to the preview folder ") + mapNaam + QStringLiteral(": ") +
                           proef.errorString() + QStringLiteral("; nothing was sent"));
  return std::nullopt;
}

// Every sheet of the stream as a picture, drawn as it is read: one sheet
// in memory at a time.
int Voorbeeld(const QString& mapNaam, QTemporaryFile& kopie, const Printertaal& taal) {
  if (!kopie.seek(0)) return report(kFailure, QStringLiteral("the stream could not be read back for the preview"));
  const QDir map(mapNaam);
  const std::unique_ptr<Stroomlezer> lezer = taal.Lezer(kopie);
  int nummer = 0;
  while (const std::optional<Stroomvel> vel = lezer->Volgende()) {
    const QString naam = map.filePath(QStringLiteral("sheet-%1.png").arg(++nummer, 4, 10, QLatin1Char('0')));
    if (!vel->Afbeelding().save(naam))
      return report(kFailure, QStringLiteral("cannot write ") + naam + QStringLiteral("; nothing was sent"));
  }
  if (!lezer->fout().isEmpty())
    return report(kFailure, QStringLiteral("the stream could not be read back: ") + lezer->fout() +
                           QStringLiteral("; nothing was sent"));
  return kSuccess;
}

// The stream kept aside for the preview goes out once the preview is made.
bool Kopieer(QTemporaryFile& kopie, QIODevice& uit) {
  if (!kopie.seek(0)) return false;
  while (!kopie.atEnd()) {
    const QByteArray stuk = kopie.read(qint64(1) << 20);
    if (stuk.isEmpty() || uit.write(stuk) != stuk.size()) return false;
  }
  return true;
}

// Hands the job on by the route of its port and waits for that to end.
std::optional<int> GeefDoor(Uitvoer& uit, const Instellingen& inst) {
  platform::QtProcessStarter starter;
  Doorgeven doorgeven(starter, platform::appinfo::programFolder());
  std::optional<std::optional<Doorgeeffout>> einde;
  QEventLoop lus;
  uit.spool = false;  // from here on the handing on removes it
  doorgeven.NaDeJob(uit.kanaal, inst, [&](const std::optional<Doorgeeffout>& fout) {
    einde = fout;
    lus.quit();
  });
  if (!einde) lus.exec();
  if (!*einde) return std::nullopt;
  const Doorgeeffout& f = **einde;
  if (!f.uitkomst.started)
    return report(kFailure, QStringLiteral("cannot start ") + f.programma + QStringLiteral(": ") + f.uitkomst.errorOutput);
  const QString hoe = f.uitkomst.crashed ? QStringLiteral(" crashed")
                                         : QStringLiteral(" failed with exit status %1").arg(f.uitkomst.exitCode);
  return report(kFailure, f.programma + hoe +
                         (f.uitkomst.errorOutput.isEmpty() ? QString() : QStringLiteral(": ") + f.uitkomst.errorOutput));
}

// The sheets as a PDF: nothing goes to a printer.
int DrukPdf(const Options& o, const Ontwerp& ontwerp, const EtiketFormaat& formaat, const platform::SettingsStore& store) {
  Velopdracht v;
  v.formaat = formaat;
  v.aantal = o.aantal;
  v.eersteEtiket = o.eersteEtiket;
  if (o.eersteEtiket > EtikettenPerVel(formaat))
    return report(kFailure, QStringLiteral("--first-label %1: a sheet of %2 has %3 labels")
                               .arg(o.eersteEtiket)
                               .arg(formaat.Naam)
                               .arg(EtikettenPerVel(formaat)));
  v.reeks = ReeksVoor(IsNummering(ontwerp), ontwerp.nummering);
  if (IsNummering(ontwerp) == 2 && ontwerp.nummering.NummerLijst.isEmpty())
    return report(kFailure, QStringLiteral("the design uses list values [A] to [E], but no --list was given"));
  v.HorizontalShift = o.HorizontalShift.value_or(HorizontaleVerschuiving(store, formaat.Naam));
  v.VerticalShift = o.VerticalShift.value_or(VerticaleVerschuiving(store, formaat.Naam));
  if (const auto code = GeenInvoerAlsUitvoer(o, *o.pdf)) return *code;
  if (const auto fout = BewaarAlsPdf(ontwerp, v, *o.pdf, [](Voorwerp& w) { return MaakRondeTekst(w); }))
    return report(kFailure, *fout);
  return kSuccess;
}

int run() {
  const Or<Options> opties = parseOptions();
  if (const int* code = std::get_if<int>(&opties)) return *code;
  const Options& o = std::get<Options>(opties);
  // Without a font the labels would go out without their text, as if that
  // were all of them.
  if (platform::installedFontFamilies().isEmpty())
    return report(kFailure, QStringLiteral("no usable fonts are installed, so no text can be drawn"));

  platform::IniSettingsStore store(platform::IniSettingsStore::defaultPath());
  const Instellingen inst = LeesInstellingen(store, o);
  const Or<FormatenTabel> tabel = LeesCatalogus(o, store.path());
  if (const int* code = std::get_if<int>(&tabel)) return *code;
  Or<Ontwerp> gelezen = LeesOntwerp(o, std::get<FormatenTabel>(tabel));
  if (const int* code = std::get_if<int>(&gelezen)) return *code;
  Ontwerp& ontwerp = std::get<Ontwerp>(gelezen);
  if (o.omzetting)
    for (int i = 1; i <= ontwerp.AantalVoorwerpen(); ++i)
      if (FiguurDeel* figuur = ontwerp.voorwerp(i).alsFiguur()) figuur->omzetting = *o.omzetting;
  if (const auto code = LeesNummering(o, ontwerp.nummering)) return *code;
  const NummeringBron bron(ontwerp.nummering, o.moment.isValid() ? o.moment : QDateTime::currentDateTime());
  if (o.lijst && ontwerp.nummering.NummerLijst.isEmpty() && IsNummering(ontwerp, bron) == 2)
    return report(kFailure, QStringLiteral("the list ") +
                                (*o.lijst == QStringLiteral("-") ? QStringLiteral("on standard input") : *o.lijst) +
                                QStringLiteral(" has no rows"));

  // A code that names no column is printed as typed; said before a label goes out.
  if (const QStringList onbekend = OnbekendeCodes(ontwerp, bron); !onbekend.isEmpty())
    std::fprintf(stderr, "vellora-print: %s\n",
                 qPrintable(QStringLiteral("no column for %1; printed as typed").arg(onbekend.join(QStringLiteral(", ")))));

  const EtiketFormaat& formaat = std::get<FormatenTabel>(tabel).formaat(ontwerp.HuidigFormaat);
  if (o.pdf) return DrukPdf(o, ontwerp, formaat, store);
  const auto gemaakt =
      MaakJob({ontwerp, formaat, inst, o.HorizontalShift.value_or(HorizontaleVerschuiving(store, formaat.Naam)),
               o.VerticalShift.value_or(VerticaleVerschuiving(store, formaat.Naam)), o.aantal,
               false,  // a batch job always finishes its last sheet
               {}, bron.moment()});
  if (const QString* melding = std::get_if<QString>(&gemaakt)) return report(kFailure, *melding);
  const Job& job = std::get<Job>(gemaakt);

  // Everything that can fail is tried before a byte goes out: a script that
  // tries again must not print twice.
  Uitvoer uit;
  uit.eigen = o.uitvoer.has_value();
  if (!uit.eigen) uit.kanaal = KiesKanaal(inst, platform::appinfo::programFolder());
  if (const auto net = uit.eigen ? NetwerkKanaal(*o.uitvoer, inst) : std::nullopt) uit.kanaal = *net;
  uit.netwerk = uit.kanaal.netwerk || !uit.kanaal.netwerkFout.isEmpty();
  const QString uitvoerPad =
      uit.netwerk ? QString() : uit.eigen ? *o.uitvoer : uit.kanaal.poort != 4 ? uit.kanaal.pad : QString();
  if (uitvoerPad != QStringLiteral("-") && !uitvoerPad.isEmpty())
    if (const auto code = GeenInvoerAlsUitvoer(o, uitvoerPad)) return *code;
  // With a preview the stream is kept aside and drawn first, then sent.
  QTemporaryFile kopie;
  if (o.voorbeeld) {
    if (const auto code = MaakVoorbeeldMap(*o.voorbeeld)) return *code;
    if (!kopie.open()) return report(kFailure, QStringLiteral("cannot make a temporary file for the preview"));
  }
  if (const auto code = OpenUitvoer(o, uit)) return *code;

  VelStand stand;
  QString waarom;
  qint64 etiketten = 0;
  const Jobuitkomst u = DrukJob(
      job, stand, o.voorbeeld ? static_cast<QIODevice&>(kopie) : uit.io(),
      [&](int n, int laatste) {
        if (!o.stil) std::fprintf(stderr, "Exemplaar %d van %d\n", n, laatste);
        return false;
      },
      o.werkers, &waarom, &etiketten);
  bool geschreven = u != Jobuitkomst::Schrijffout;
  if (o.voorbeeld) {
    if (!geschreven || !kopie.flush())
      return report(kFailure, QStringLiteral("cannot keep the stream for the preview: ") + kopie.errorString() +
                             QStringLiteral("; nothing was sent"));
    if (const int code = Voorbeeld(*o.voorbeeld, kopie, *job.taal); code != kSuccess) return code;
    geschreven = Kopieer(kopie, uit.io());
  }
  // A printer on the network is waited for until it has every byte.
  geschreven = geschreven && LeverAf(uit.io());
  // Why, as the system put it: no room left, the other end gone; a network
  // printer says why and how much of the job it got.
  QString waaromNiet;
  if (auto* bestand = qobject_cast<QFileDevice*>(&uit.io())) {
    if (bestand->error() != QFileDevice::NoError) waaromNiet = QStringLiteral(": ") + bestand->errorString();
  } else if (!geschreven) {
    waaromNiet = QStringLiteral(": ") + uit.io().errorString();
  }
  uit.io().close();
  if (!geschreven)
    return report(kFailure, QStringLiteral("writing failed: ") + (uit.eigen ? *o.uitvoer : uit.kanaal.naam) + waaromNiet);
  if (!uit.eigen)
    if (const auto code = GeefDoor(uit, inst)) return *code;
  // The labels before it went out as a stopped job's do; the job says which
  // label stopped it.
  if (u == Jobuitkomst::Onafdrukbaar) return report(kFailure, waarom + u' ' + AfgedruktZin(etiketten));
  return kSuccess;
}

}  // namespace

int main(int argc, char** argv) {
  // A port that goes away mid-job (a pipe whose reader ended) is a failed
  // write, reported as such, not the end of the program.
  std::signal(SIGPIPE, SIG_IGN);
  qInstallMessageHandler(onlySerious);
  // Fonts need a GUI application, but no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QGuiApplication::setApplicationName(QStringLiteral("Vellora"));
  QGuiApplication::setApplicationVersion(platform::appinfo::versionText().mid(2));
  return run();
}
