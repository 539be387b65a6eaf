// vellora-print: prints a design from the command line, for batch jobs and
// automation, with the same stream the editor sends.
#include <sys/stat.h>

#include <QCommandLineParser>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryFile>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <optional>
#include <thread>
#include <variant>

#include "files/Catalogus.h"
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
#include "printing/Sbpl.h"
#include "printing/Uitvoer.h"
#include "roundtext/RondeTekst.h"

namespace {

constexpr int kGelukt = 0, kFout = 1, kGebruik = 2;
// More threads than this only cost memory: a canvas each.
constexpr int kMeesteWerkers = 64;

// One line on standard error, the program's name first.
int Meld(int code, const QString& tekst) {
  QString regel = tekst;
  regel.replace(u'\r', u' ').replace(u'\n', u' ');
  std::fprintf(stderr, "vellora-print: %s\n", qPrintable(regel.simplified()));
  return code;
}

// A step either gives its result or has told the user why not: the exit code.
template <typename T>
using Of = std::variant<T, int>;

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

// What the command line asks for, checked.
struct Opties {
  QString ontwerp;
  std::optional<QString> uitvoer;  // "-": standard output
  qint16 aantal = 1;
  qint16 van = 1, tot = 1, stap = 1;
  std::optional<QString> lijst;
  bool kopregel = false;
  std::optional<qint16> printer, snelheid, donkerte;
  std::optional<float> schuifX, schuifY;
  std::optional<QString> catalogus;
  std::optional<QString> voorbeeld;
  bool stil = false;
  int werkers = 1;
};

Of<Opties> LeesOpties() {
  const auto optie = [](const char* naam, const char* uitleg, const char* waarde = nullptr,
                        const char* standaard = nullptr) {
    return QCommandLineOption(QString::fromLatin1(naam), QString::fromLatin1(uitleg),
                              waarde ? QString::fromLatin1(waarde) : QString(),
                              standaard ? QString::fromLatin1(standaard) : QString());
  };
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
                                  QStringLiteral("Copies of every number (default 1)."), QStringLiteral("N"),
                                  QStringLiteral("1"));
  const QCommandLineOption van = optie("from", "First running number (default 1).", "A", "1");
  const QCommandLineOption tot = optie("to", "Last running number (default 1).", "B", "1");
  const QCommandLineOption stap = optie("step", "Step of the running number, not 0 (default 1).", "S", "1");
  const QCommandLineOption lijst = optie("list", "Values for [A]..[E], one row per number.", "FILE.csv");
  const QCommandLineOption kopregel = optie("skip-header", "The list's first line names its columns: no row.");
  const QCommandLineOption model = optie("model", "VL200 (8 dots/mm) or VL300 (12 dots/mm).", "MODEL");
  const QCommandLineOption snelheid = optie("speed", "Print speed 1-5.", "1-5");
  const QCommandLineOption donkerte = optie("darkness", "Print darkness 1-5.", "1-5");
  const QCommandLineOption schuifX = optie("shift-x", "Horizontal print offset in mm.", "MM");
  const QCommandLineOption schuifY = optie("shift-y", "Vertical print offset in mm.", "MM");
  const QCommandLineOption catalogus =
      optie("catalog", "The label format catalogue (default: the installed all.eft).", "FILE");
  const QCommandLineOption voorbeeld =
      optie("preview", "Also draw every sheet of the stream as sheet-0001.png, ... in DIR.", "DIR");
  const QCommandLineOption stil({QStringLiteral("q"), QStringLiteral("quiet")},
                                QStringLiteral("No progress on standard error."));
  const QCommandLineOption werkers =
      optie("jobs", "Threads that draw the labels (default: one per processor core).", "N");
  p.addOptions({uitvoer, aantal, van, tot, stap, lijst, kopregel, model, snelheid, donkerte, schuifX, schuifY,
                catalogus, voorbeeld, stil, werkers});

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

  Opties o;
  o.ontwerp = p.positionalArguments().first();
  const auto n = Geheel(p.value(aantal), -32768, 32767);
  if (!n) return Meld(kFout, QStringLiteral("--copies must be a whole number from -32768 to 32767"));
  o.aantal = qint16(*n);
  const auto a = Geheel(p.value(van), -32768, 32767), b = Geheel(p.value(tot), -32768, 32767),
             s = Geheel(p.value(stap), -32768, 32767);
  if (!a || !b || !s || *s == 0)
    return Meld(kFout,
                QStringLiteral("--from, --to and --step must be whole numbers from -32768 to 32767, the step not 0"));
  o.van = qint16(*a);
  o.tot = qint16(*b);
  o.stap = qint16(*s);
  if (p.isSet(model)) {
    const QString m = p.value(model).toUpper();
    if (m != QStringLiteral("VL200") && m != QStringLiteral("VL300"))
      return Meld(kFout, QStringLiteral("--model must be VL200 or VL300"));
    o.printer = qint16(m == QStringLiteral("VL200") ? 1 : 2);
  }
  if (p.isSet(snelheid)) {
    const auto v = Geheel(p.value(snelheid), 1, 5);
    if (!v) return Meld(kFout, QStringLiteral("--speed must be 1 to 5"));
    o.snelheid = qint16(*v);
  }
  if (p.isSet(donkerte)) {
    const auto v = Geheel(p.value(donkerte), 1, 5);
    if (!v) return Meld(kFout, QStringLiteral("--darkness must be 1 to 5"));
    o.donkerte = qint16(*v);
  }
  if (p.isSet(schuifX) && !(o.schuifX = Millimeter(p.value(schuifX))))
    return Meld(kFout, QStringLiteral("--shift-x must be a number of mm"));
  if (p.isSet(schuifY) && !(o.schuifY = Millimeter(p.value(schuifY))))
    return Meld(kFout, QStringLiteral("--shift-y must be a number of mm"));
  o.werkers = std::clamp(int(std::thread::hardware_concurrency()), 1, kMeesteWerkers);
  if (p.isSet(werkers)) {
    const auto v = Geheel(p.value(werkers), 1, kMeesteWerkers);
    if (!v) return Meld(kFout, QStringLiteral("--jobs must be a whole number from 1 to %1").arg(kMeesteWerkers));
    o.werkers = *v;
  }
  if (p.isSet(uitvoer)) o.uitvoer = p.value(uitvoer);
  if (p.isSet(lijst)) o.lijst = p.value(lijst);
  o.kopregel = p.isSet(kopregel);
  if (p.isSet(catalogus)) o.catalogus = p.value(catalogus);
  if (p.isSet(voorbeeld)) o.voorbeeld = p.value(voorbeeld);
  o.stil = p.isSet(stil);
  return o;
}

// Everything not given comes from the user's settings, as in the editor.
Instellingen LeesInstellingen(const platform::SettingsStore& store, const Opties& o) {
  Instellingen inst = LeesStand(store, platform::appinfo::programFolder(), 0).instellingen;
  if (o.printer) inst.Printer = *o.printer;
  if (o.snelheid) inst.PrintSpeed = *o.snelheid;
  if (o.donkerte) inst.Intensity = *o.donkerte;
  return inst;
}

QString CatalogusPad(const Opties& o) {
  return o.catalogus.value_or(platform::appinfo::dataFolder() + u'/' + QString::fromLatin1(kCatalogusNaam));
}

Of<FormatenTabel> LeesCatalogus(const Opties& o) {
  const QString pad = CatalogusPad(o);
  auto formaten = LeesFormaten(pad);
  if (auto* fout = std::get_if<CatalogusFout>(&formaten)) return Meld(kFout, fout->Melding());
  return std::get<FormatenTabel>(std::move(formaten));
}

Of<Ontwerp> LeesOntwerp(const Opties& o, const FormatenTabel& tabel) {
  const LeesUitkomst gelezen = LeesEtiket(o.ontwerp, tabel);
  if (auto* fout = std::get_if<LeesFout>(&gelezen)) return Meld(kFout, fout->Melding());
  Ontwerp ontwerp;
  PasEtiketToe(std::get<GelezenEtiket>(gelezen), ontwerp, [](Ontwerp& d, int i) { MaakRondeTekst(d, i); });
  return ontwerp;
}

// The series and the list go with the design into the job.
std::optional<int> LeesNummering(const Opties& o, Nummering& nummering) {
  nummering.NummerVan = o.van;
  nummering.NummerTot = o.tot;
  nummering.NummerStap = o.stap;
  if (!o.lijst) return std::nullopt;
  auto gelezen = LeesLijstBestand(*o.lijst, o.kopregel);
  if (const LijstFout* fout = std::get_if<LijstFout>(&gelezen)) {
    switch (*fout) {
      case LijstFout::Openen: return Meld(kFout, QStringLiteral("cannot read the list ") + *o.lijst);
      case LijstFout::TeGroot:
        return Meld(kFout, QStringLiteral("the list %1 is larger than %2 MB").arg(*o.lijst).arg(kMaxLijstBytes >> 20));
      case LijstFout::TeVeelRijen:
        return Meld(kFout, QStringLiteral("the list %1 has more than %2 rows").arg(*o.lijst).arg(kMaxLijstRijen));
      case LijstFout::GeenTekst: break;
    }
    return Meld(kFout, QStringLiteral("the list ") + *o.lijst + QStringLiteral(" is not a text file"));
  }
  nummering.NummerLijst = std::move(std::get<CsvRijen>(gelezen));
  return std::nullopt;
}

// Where the bytes go: a file, standard output, or the port of the settings.
struct Uitvoer {
  QFile bestand;
  Uitvoerkanaal kanaal;
  bool eigen = false;  // given on the command line
  bool spool = false;  // a spool file of this job, not yet handed on
  ~Uitvoer() {
    // A job that never reached its spooler leaves no spool file behind.
    if (spool) {
      bestand.close();
      QFile::remove(kanaal.pad);
    }
  }
};

std::optional<int> OpenUitvoer(const Opties& o, Uitvoer& u) {
  if (u.eigen && *o.uitvoer == QStringLiteral("-")) {
    if (!u.bestand.open(stdout, QIODevice::WriteOnly))
      return Meld(kFout, QStringLiteral("cannot write to standard output"));
  } else if (u.eigen) {
    u.bestand.setFileName(*o.uitvoer);
    if (!u.bestand.open(QIODevice::WriteOnly | QIODevice::Truncate))
      return Meld(kFout, QStringLiteral("cannot write ") + *o.uitvoer + QStringLiteral(": ") + u.bestand.errorString());
  } else {
    if (const auto melding = OpenKanaal(u.bestand, u.kanaal)) return Meld(kFout, *melding);
    u.spool = u.kanaal.poort == 4;
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
std::optional<int> GeenInvoerAlsUitvoer(const Opties& o, const QString& uitvoer) {
  const std::vector<std::pair<const char*, QString>> invoer = {
      {"design", o.ontwerp}, {"list", o.lijst.value_or(QString())}, {"catalogue", CatalogusPad(o)}};
  for (const auto& [wat, pad] : invoer)
    if (!pad.isEmpty() && ZelfdeBestand(uitvoer, pad))
      return Meld(kFout, QStringLiteral("the output %1 is the %2 %3; nothing was written")
                             .arg(uitvoer, QString::fromLatin1(wat), pad));
  return std::nullopt;
}

// The preview folder is made, and shown to take files, before anything is sent.
std::optional<int> MaakVoorbeeldMap(const QString& mapNaam) {
  QDir map(mapNaam);
  if (!map.mkpath(QStringLiteral(".")))
    return Meld(kFout, QStringLiteral("cannot make the preview folder ") + mapNaam + QStringLiteral("; nothing was sent"));
  QTemporaryFile proef(map.filePath(QStringLiteral(".vellora-print-XXXXXX")));
  if (!proef.open())
    return Meld(kFout, QStringLiteral("cannot write to the preview folder ") + mapNaam + QStringLiteral(": ") +
                           proef.errorString() + QStringLiteral("; nothing was sent"));
  return std::nullopt;
}

// Every sheet of the stream as a picture, drawn as it is read: one sheet
// in memory at a time.
int Voorbeeld(const QString& mapNaam, QTemporaryFile& kopie) {
  if (!kopie.seek(0)) return Meld(kFout, QStringLiteral("the stream could not be read back for the preview"));
  const QDir map(mapNaam);
  sbpl::Lezer lezer(kopie);
  int nummer = 0;
  while (const std::optional<sbpl::Vel> vel = lezer.Volgende()) {
    const QString naam = map.filePath(QStringLiteral("sheet-%1.png").arg(++nummer, 4, 10, QLatin1Char('0')));
    if (!vel->Afbeelding().save(naam))
      return Meld(kFout, QStringLiteral("cannot write ") + naam + QStringLiteral("; nothing was sent"));
  }
  if (!lezer.fout().isEmpty())
    return Meld(kFout, QStringLiteral("the stream could not be read back: ") + lezer.fout() +
                           QStringLiteral("; nothing was sent"));
  return kGelukt;
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
    return Meld(kFout, QStringLiteral("cannot start ") + f.programma + QStringLiteral(": ") + f.uitkomst.errorOutput);
  const QString hoe = f.uitkomst.crashed ? QStringLiteral(" crashed")
                                         : QStringLiteral(" failed with exit status %1").arg(f.uitkomst.exitCode);
  return Meld(kFout, f.programma + hoe +
                         (f.uitkomst.errorOutput.isEmpty() ? QString() : QStringLiteral(": ") + f.uitkomst.errorOutput));
}

int Draai() {
  const Of<Opties> opties = LeesOpties();
  if (const int* code = std::get_if<int>(&opties)) return *code;
  const Opties& o = std::get<Opties>(opties);
  // Without a font the labels would go out without their text, as if that
  // were all of them.
  if (platform::installedFontFamilies().isEmpty())
    return Meld(kFout, QStringLiteral("no usable fonts are installed, so no text can be drawn"));

  platform::IniSettingsStore store(platform::IniSettingsStore::defaultPath());
  const Instellingen inst = LeesInstellingen(store, o);
  const Of<FormatenTabel> tabel = LeesCatalogus(o);
  if (const int* code = std::get_if<int>(&tabel)) return *code;
  Of<Ontwerp> gelezen = LeesOntwerp(o, std::get<FormatenTabel>(tabel));
  if (const int* code = std::get_if<int>(&gelezen)) return *code;
  Ontwerp& ontwerp = std::get<Ontwerp>(gelezen);
  if (const auto code = LeesNummering(o, ontwerp.nummering)) return *code;
  if (o.lijst && ontwerp.nummering.NummerLijst.isEmpty() && IsNummering(ontwerp) == 2)
    return Meld(kFout, QStringLiteral("the list ") + *o.lijst + QStringLiteral(" has no rows"));

  const EtiketFormaat& formaat = std::get<FormatenTabel>(tabel).formaat(ontwerp.HuidigFormaat);
  const auto gemaakt =
      MaakJob({ontwerp, formaat, inst, o.schuifX.value_or(HorizontaleVerschuiving(store, formaat.Naam)),
               o.schuifY.value_or(VerticaleVerschuiving(store, formaat.Naam)), o.aantal,
               false});  // a batch job always finishes its last sheet
  if (const QString* melding = std::get_if<QString>(&gemaakt)) return Meld(kFout, *melding);
  const Job& job = std::get<Job>(gemaakt);

  // Everything that can fail is tried before a byte goes out: a script that
  // tries again must not print twice.
  Uitvoer uit;
  uit.eigen = o.uitvoer.has_value();
  if (!uit.eigen) uit.kanaal = KiesKanaal(inst, platform::appinfo::programFolder());
  const QString uitvoerPad = uit.eigen ? *o.uitvoer : uit.kanaal.poort != 4 ? uit.kanaal.pad : QString();
  if (uitvoerPad != QStringLiteral("-") && !uitvoerPad.isEmpty())
    if (const auto code = GeenInvoerAlsUitvoer(o, uitvoerPad)) return *code;
  // With a preview the stream is kept aside and drawn first, then sent.
  QTemporaryFile kopie;
  if (o.voorbeeld) {
    if (const auto code = MaakVoorbeeldMap(*o.voorbeeld)) return *code;
    if (!kopie.open()) return Meld(kFout, QStringLiteral("cannot make a temporary file for the preview"));
  }
  if (const auto code = OpenUitvoer(o, uit)) return *code;

  VelStand stand;
  QString waarom;
  qint64 etiketten = 0;
  const Jobuitkomst u = DrukJob(
      job, stand, o.voorbeeld ? static_cast<QIODevice&>(kopie) : static_cast<QIODevice&>(uit.bestand),
      [&](int n, int laatste) {
        if (!o.stil) std::fprintf(stderr, "Exemplaar %d van %d\n", n, laatste);
        return false;
      },
      o.werkers, &waarom, &etiketten);
  bool geschreven = u != Jobuitkomst::Schrijffout;
  if (o.voorbeeld) {
    if (!geschreven || !kopie.flush())
      return Meld(kFout, QStringLiteral("cannot keep the stream for the preview: ") + kopie.errorString() +
                             QStringLiteral("; nothing was sent"));
    if (const int code = Voorbeeld(*o.voorbeeld, kopie); code != kGelukt) return code;
    geschreven = Kopieer(kopie, uit.bestand);
  }
  geschreven = geschreven && uit.bestand.flush();
  // Why, as the system put it: no room left, the other end gone.
  const QString waaromNiet =
      uit.bestand.error() != QFileDevice::NoError ? QStringLiteral(": ") + uit.bestand.errorString() : QString();
  uit.bestand.close();
  if (!geschreven)
    return Meld(kFout, QStringLiteral("writing failed: ") + (uit.eigen ? *o.uitvoer : uit.kanaal.naam) + waaromNiet);
  if (!uit.eigen)
    if (const auto code = GeefDoor(uit, inst)) return *code;
  // The labels before it went out as a stopped job's do; the job says which
  // label stopped it.
  if (u == Jobuitkomst::Onafdrukbaar) return Meld(kFout, waarom + u' ' + AfgedruktZin(etiketten));
  return kGelukt;
}

}  // namespace

int main(int argc, char** argv) {
  // A port that goes away mid-job (a pipe whose reader ended) is a failed
  // write, reported as such, not the end of the program.
  std::signal(SIGPIPE, SIG_IGN);
  qInstallMessageHandler(AlleenErnstig);
  // Fonts need a GUI application, but no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QGuiApplication::setApplicationName(QStringLiteral("Vellora"));
  QGuiApplication::setApplicationVersion(platform::appinfo::versionText().mid(2));
  return Draai();
}
