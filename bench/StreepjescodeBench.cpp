// Encoding and drawing a numbered barcode, as printing does for every copy:
// a Code 128 and a QR Code on a label at 12 dots per mm.
#include <benchmark/benchmark.h>

#include "barcodes/TekenStreepjescode.h"

using namespace barcodes;

namespace {

constexpr int kPpm = 12;

void Teken(benchmark::State& state, StreepjescodeSoort soort, const QString& sjabloon, QSize vak) {
  Streepjescode code;
  code.Soort = soort;
  int nummer = 0;
  for (auto _ : state) {
    // A new number each copy, as the job replaces "[#]" before encoding.
    code.Gegevens = QString(sjabloon).replace(QStringLiteral("[#]"), QString::number(++nummer));
    const StreepjescodeTekening t = TekenStreepjescode(code, vak, kPpm);
    if (t.uitkomst != StreepjescodeTekening::Uitkomst::Getekend) state.SkipWithError("niet getekend");
    benchmark::DoNotOptimize(t.Beeld.constBits());
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_Code128(benchmark::State& state) {
  Teken(state, StreepjescodeSoort::Code128, QStringLiteral("VL-2026-[#]"), QSize(60 * kPpm, 15 * kPpm));
}
BENCHMARK(BM_Code128)->Unit(benchmark::kMicrosecond);

void BM_QrCode(benchmark::State& state) {
  Teken(state, StreepjescodeSoort::QrCode, QStringLiteral("https://vellora.example/zending/[#]"),
        QSize(25 * kPpm, 25 * kPpm));
}
BENCHMARK(BM_QrCode)->Unit(benchmark::kMicrosecond);

}  // namespace
