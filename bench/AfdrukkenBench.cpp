// Printing speed and memory: a 100 x 50 mm label at 12 dots per mm with
// four text lines (one numbered), one figure and one numbered round text,
// printed as a numbered series.
//
//   BM_Afdrukken:     the job in this process, to an output that discards
//                     the bytes, drawn by 1, 2 or all (0) threads; the
//                     design read back from its file, as vellora-print has it;
//                     in SBPL (VL300) and in ZPL (ZPL300), with the bytes
//                     each label takes on the wire;
//   BM_Etiketblok:    one label's block as SBPL writes it, as the ZPL job
//                     writes it, and whole in ZPL's two compressions: time
//                     and size of each;
//   BM_VelloraPrint:  the same job through `vellora-print -o FILE` as a
//                     whole process: start, reading, printing, writing; for
//                     the VL300 (2) and the ZPL300 (4).
//
// For profiling by hand: --write DIR writes the design (label.VLO) and its
// catalogue (all.eft) into DIR.
#include <benchmark/benchmark.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QIODevice>
#include <QTemporaryDir>
#include <chrono>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "Afvoer.h"
#include "files/BewaarEtiket.h"
#include "files/EtiketToepassen.h"
#include "files/LeesEtiket.h"
#include "model/Ontwerp.h"
#include "printing/Job.h"
#include "printing/Raster.h"
#include "printing/Sbpl.h"
#include "printing/Zpl.h"
#include "roundtext/RondeTekst.h"

using namespace printing;

extern char** environ;

namespace {

const char* const kCatalogus = "1\n\"100 x 50\",0,100,50,103,53,1,1,106,53,2,1.5,1,1,1,1\n";

EtiketFormaat Formaat() {
  EtiketFormaat f;
  f.Naam = QStringLiteral("100 x 50");
  f.Breedte = 100;
  f.Hoogte = 50;
  f.HorizontaleSteek = 103;
  f.VerticaleSteek = 53;
  f.VelBreedte = 106;
  f.VelHoogte = 53;
  f.LinkerOffset = 2;
  f.BovenOffset = 1.5f;
  return f;
}

void Ontwerpen(Ontwerp& o) {
  const char* teksten[4] = {"Artikel 4711-B", "Partij [#]", "Houdbaar tot 12-2027", "Vellora BV, Ede"};
  for (int i = 0; i < 4; ++i) {
    const int n = o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
    Voorwerp& v = o.voorwerp(n);
    v.tekst().Tekst = QString::fromLatin1(teksten[i]);
    v.tekst().Lettertype = QStringLiteral("DejaVu Sans");
    v.tekst().Lettergrootte = qint16(i == 1 ? 20 : 12);
    v.tekst().Uitlijning = 0;
    float l = -45, b = -22 + float(i) * 9, br = 60, h = v.tekst().Lettergrootte / 72.0f * 25.4f;
    o.PlaatsVoorwerp(n, l, b, br, h);
  }
  const int fig = o.NieuwVoorwerp(SoortVoorwerp::Figuur);
  auto beeld = std::make_unique<Beeld>();
  beeld->raster = QImage(300, 300, QImage::Format_Mono);
  beeld->raster.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 300; ++x) beeld->raster.setPixel(x, y, (x / 20 + y / 20) % 2);
  o.voorwerp(fig).beeld().ZetAfbeelding(std::move(beeld), 300, 300);
  float l = 20, b = -20, br = 25, h = 25;
  o.PlaatsVoorwerp(fig, l, b, br, h);
  const int rond = o.NieuwVoorwerp(SoortVoorwerp::RondeTekst);
  Voorwerp& r = o.voorwerp(rond);
  r.tekst().Tekst = QStringLiteral("Serie [#] - kwaliteit");
  r.tekst().Lettertype = QStringLiteral("DejaVu Sans");
  r.tekst().Lettergrootte = 10;
  r.cirkel().Straal = 20;
  r.cirkel().Wijzerzin = true;
  r.tekst().Uitlijning = 2;
  MaakRondeTekst(o, rond);
}

long PiekKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string regel;
  while (std::getline(status, regel))
    if (regel.rfind("VmHWM:", 0) == 0) return std::stol(regel.substr(6));
  return -1;
}

void HerstelPiek() {
  // Makes the peak start from what is in use now (Linux).
  std::ofstream("/proc/self/clear_refs") << "5";
}

int Werkers(benchmark::State& state) {
  return state.range(1) > 0 ? int(state.range(1)) : int(std::max(1u, std::thread::hardware_concurrency()));
}

bool SchrijfOntwerp(const QString& map) {
  Ontwerp o;
  Ontwerpen(o);
  QFile catalogus(map + QStringLiteral("/all.eft"));
  if (!catalogus.open(QIODevice::WriteOnly) || catalogus.write(kCatalogus) < 0) return false;
  return BewaarEtiket(map + QStringLiteral("/label.VLO"), 2, o, Formaat().Naam).Gelukt();
}

// The job vellora-print makes of the written design: read back as it
// reads it (elements placed on the label), numbers 1 to N, 12 dots per mm,
// for the printer model `printer` (2 VL300, 4 ZPL300).
std::optional<Job> LeesJob(int exemplaren, qint16 printer = 2) {
  static QTemporaryDir map;
  static const bool geschreven = SchrijfOntwerp(map.path());
  if (!geschreven) return std::nullopt;
  const FormatenTabel tabel({Formaat()});
  const LeesUitkomst gelezen = LeesEtiket(map.path() + QStringLiteral("/label.VLO"), tabel);
  if (!std::holds_alternative<GelezenEtiket>(gelezen)) return std::nullopt;
  Ontwerp o;
  PasEtiketToe(std::get<GelezenEtiket>(gelezen), o, [](Ontwerp& d, int i) { MaakRondeTekst(d, i); });
  o.nummering.NummerVan = 1;
  o.nummering.NummerTot = qint16(exemplaren);
  o.nummering.NummerStap = 1;
  Instellingen inst;
  inst.Printer = printer;
  auto job = MaakJob({o, tabel.formaat(1), inst, 0, 0, 1, false});
  if (Job* j = std::get_if<Job>(&job)) return std::move(*j);
  return std::nullopt;
}

// Arguments: copies (numbers 1 to N), threads (0: one per core), printer
// model (2 VL300 in SBPL, 4 ZPL300).
void BM_Afdrukken(benchmark::State& state) {
  const qint16 printer = qint16(state.range(2));
  const std::optional<Job> job = LeesJob(int(state.range(0)), printer);
  const std::optional<Job> opwarmen = LeesJob(10, printer);
  if (!job || !opwarmen) {
    state.SkipWithError("the design could not be written and read");
    return;
  }
  const int werkers = Werkers(state);
  // Fonts, threads and canvases once, as any job before this one left them:
  // the peak below is what the copies add.
  {
    Afvoer uit;
    VelStand stand;
    DrukJob(*opwarmen, stand, uit, {}, werkers);
  }
  long piek = 0;
  qint64 bytes = 0;
  for (auto _ : state) {
    HerstelPiek();
    const long voor = PiekKilobytes();
    Afvoer uit;
    VelStand stand;
    DrukJob(*job, stand, uit, {}, werkers);
    piek = std::max(piek, PiekKilobytes() - voor);
    bytes = uit.geschreven;
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.counters["labels_per_s"] =
      benchmark::Counter(double(state.iterations() * state.range(0)), benchmark::Counter::kIsRate);
  state.counters["werkers"] = werkers;
  state.counters["piek_extra_KiB"] = double(piek);
  state.counters["stroom_MiB"] = double(bytes) / (1024.0 * 1024.0);
  state.counters["bytes_per_etiket"] = double(bytes) / double(state.range(0));
}
BENCHMARK(BM_Afdrukken)
    ->ArgNames({"exemplaren", "werkers", "printer"})
    ->Args({10, 0, 2})
    ->Args({10000, 0, 2})
    ->Args({10000, 1, 2})
    ->Args({10000, 2, 2})
    ->Args({10000, 0, 4})
    ->Args({10000, 1, 4})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

// Two labels of the job (numbers 1 and 2) as rasters, read back from the
// SBPL stream.
std::vector<QByteArray> TweeEtiketten(int* bytesPerRij) {
  const std::optional<Job> job = LeesJob(2);
  if (!job) return {};
  QBuffer uit;
  uit.open(QIODevice::WriteOnly);
  VelStand stand;
  DrukJob(*job, stand, uit, {}, 1);
  std::vector<QByteArray> uitkomst;
  for (const sbpl::Vel& vel : sbpl::Lees(uit.data()).vellen)
    for (const sbpl::Label& l : vel.labels) {
      *bytesPerRij = l.beeld.width() / 8;
      QByteArray bits;
      for (int r = 0; r < l.beeld.height(); ++r)
        bits.append(reinterpret_cast<const char*>(l.beeld.constScanLine(r)), *bytesPerRij);
      // The blank rows below, which SBPL leaves off, are part of the raster.
      bits.resize(qsizetype(*bytesPerRij) * EtiketCanvas(job->opdracht.formaat, job->puntenPerMm).height(), '\0');
      uitkomst.push_back(bits);
    }
  return uitkomst;
}

// One label's block in a printer language, for the labels of numbers 1
// and 2 taking turns, as the copies of a numbered job do. Argument: 0 the
// SBPL block, 1 the ZPL block the job sends (strips of Z64), 2 the label
// as one graphic in ZPL's own compression, 3 as one Z64 graphic.
void BM_Etiketblok(benchmark::State& state) {
  int bpr = 0;
  const std::vector<QByteArray> etiketten = TweeEtiketten(&bpr);
  if (etiketten.size() != 2 || etiketten[0].size() != etiketten[1].size()) {
    state.SkipWithError("no labels");
    return;
  }
  const int rijen = int(etiketten[0].size() / bpr);
  qsizetype grootte = 0;
  size_t k = 0;
  for (auto _ : state) {
    const QByteArray& bits = etiketten[k++ % 2];
    const Rasterblok blok{18, 24, bpr, rijen, bits.constData()};
    const QByteArray g = state.range(0) == 0   ? sbpl::Taal().Etiket(blok)
                         : state.range(0) == 1 ? zpl::Taal().Etiket(blok)
                         : state.range(0) == 2 ? zpl::Ingepakt(bits.constData(), bpr, rijen)
                                               : zpl::Z64(bits.constData(), bits.size(), bpr);
    grootte = g.size();
    benchmark::DoNotOptimize(g.constData());
  }
  state.counters["ruw_bytes"] = double(etiketten[0].size());
  state.counters["blok_bytes"] = double(grootte);
}
BENCHMARK(BM_Etiketblok)->ArgName("soort")->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// The child's peak resident memory, read from /proc while it runs: the
// kernel's own figure for a spawned child also counts the pages of this
// process, which it starts as a copy of. The peak only grows, so the last
// reading before the end is the peak up to a few milliseconds.
long LeesPiek(pid_t kind) {
  std::ifstream status("/proc/" + std::to_string(kind) + "/status");
  std::string regel;
  while (std::getline(status, regel))
    if (regel.rfind("VmHWM:", 0) == 0) return std::stol(regel.substr(6));
  return -1;
}

// Arguments: copies, threads (0: the program's default, one per core), printer
// model (2 VL300, 4 ZPL300).
void BM_VelloraPrint(benchmark::State& state) {
  QTemporaryDir map;
  if (!SchrijfOntwerp(map.path())) {
    state.SkipWithError("the design could not be written");
    return;
  }
  const std::string programma = VELLORA_PRINT;
  const std::string catalogus = (map.path() + QStringLiteral("/all.eft")).toStdString();
  const std::string ontwerp = (map.path() + QStringLiteral("/label.VLO")).toStdString();
  const std::string uitvoer = (map.path() + QStringLiteral("/label.prn")).toStdString();
  const std::string tot = std::to_string(state.range(0)), werkers = std::to_string(state.range(1));
  const char* model = state.range(2) == 4 ? "ZPL300" : "VL300";
  // Its own settings: nothing of the user's comes in.
  const std::string instellingen = "XDG_CONFIG_HOME=" + map.path().toStdString();
  std::vector<char*> omgeving;
  for (char** e = environ; *e; ++e)
    if (std::strncmp(*e, "XDG_CONFIG_HOME=", 16) != 0) omgeving.push_back(*e);
  omgeving.push_back(const_cast<char*>(instellingen.c_str()));
  omgeving.push_back(nullptr);
  std::vector<const char*> argv = {programma.c_str(), "-q", "--catalog", catalogus.c_str(), "--model", model,
                                   "--from",          "1",  "--to",      tot.c_str(),       "-o",      uitvoer.c_str()};
  if (state.range(1) > 0) {
    argv.push_back("--jobs");
    argv.push_back(werkers.c_str());
  }
  argv.push_back(ontwerp.c_str());
  argv.push_back(nullptr);

  double piek = 0, cpu = 0, bytes = 0;
  for (auto _ : state) {
    QElapsedTimer klok;
    klok.start();
    pid_t kind = 0;
    if (posix_spawn(&kind, programma.c_str(), nullptr, nullptr, const_cast<char**>(argv.data()), omgeving.data()) !=
        0) {
      state.SkipWithError("vellora-print could not be started");
      return;
    }
    long gelezen = -1;
    int status = 0;
    rusage gebruik{};
    for (;;) {
      const pid_t klaar = wait4(kind, &status, WNOHANG, &gebruik);
      if (klaar == kind) break;
      if (klaar < 0) {
        state.SkipWithError("vellora-print could not be waited for");
        return;
      }
      gelezen = std::max(gelezen, LeesPiek(kind));
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    state.SetIterationTime(double(klok.nsecsElapsed()) / 1e9);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("vellora-print failed");
      return;
    }
    piek = std::max(piek, double(gelezen) / 1024.0);
    cpu = double(gebruik.ru_utime.tv_sec + gebruik.ru_stime.tv_sec) +
          double(gebruik.ru_utime.tv_usec + gebruik.ru_stime.tv_usec) / 1e6;
    bytes = double(QFile(QString::fromStdString(uitvoer)).size());
  }
  state.counters["labels_per_s"] =
      benchmark::Counter(double(state.iterations() * state.range(0)), benchmark::Counter::kIsRate);
  state.counters["piek_MiB"] = piek;
  state.counters["cpu_s"] = cpu;
  state.counters["stroom_MiB"] = bytes / (1024.0 * 1024.0);
}
BENCHMARK(BM_VelloraPrint)
    ->ArgNames({"exemplaren", "werkers", "printer"})
    ->Args({10, 0, 2})
    ->Args({10000, 1, 2})
    ->Args({10000, 0, 2})
    ->Args({10000, 1, 4})
    ->Args({10000, 0, 4})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc == 3 && std::strcmp(argv[1], "--write") == 0) return SchrijfOntwerp(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
