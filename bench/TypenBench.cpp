// Typing one character in the text-line box of a design with 200 text
// lines: the change handler up to the repainted kept image, against a full
// repaint of the same design.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>

#include "ui/Etiket.h"
#include "ui/EtiketPlaatje.h"
#include "ui/TekstPaneel.h"
#include "editor/Wijziging.h"
#include "platformwidgets/MessageService.h"
#include "platform/SettingsStore.h"

namespace {

struct Opstelling {
  QTemporaryDir map;
  platform::MemorySettingsStore instellingen;
  platform::QtMessageService meldingen;
  std::unique_ptr<Etiket> etiket;
  QLineEdit* tekstlijn = nullptr;

  Opstelling() {
    const QString catalogus = map.filePath(QStringLiteral("all.eft"));
    QFile f(catalogus);
    f.open(QIODevice::WriteOnly);
    f.write("1\n\"100 x 150\",0,100,150,103,153,1,1,106,153,3,1.5,1,1,1,1\n");
    f.close();
    EtiketOpties opties;
    opties.instellingen = &instellingen;
    opties.meldingen = &meldingen;
    opties.catalogus = catalogus;
    opties.welkomMs = 0;
    etiket = std::make_unique<Etiket>(opties);
    etiket->Form_Load();
    etiket->show();
    QApplication::processEvents();
    etiket->tekst().LijnenToevoegen(200);
    {
      // Four columns of fifty lines, 6 pt, over the whole label.
      Wijziging wijziging(etiket->bewerker());
      Ontwerp& o = etiket->ontwerp();
      for (int i = 1; i <= 200; ++i) {
        Voorwerp& v = o.voorwerp(i);
        v.Lettergrootte = 6;
        float l = -48 + float((i - 1) % 4) * 24, b = -74 + float((i - 1) / 4) * 2.9f, br = 23, h = 6 / 72.0f * 25.4f;
        o.PlaatsVoorwerp(i, l, b, br, h);
      }
    }
    etiket->pictEtiket()->DeSelekteerAlles();
    etiket->pictEtiket()->SelecteerVoorwerp(101);
    tekstlijn = etiket->findChild<QLineEdit*>(QStringLiteral("txtTekstlijn"));
    QApplication::processEvents();
  }
};

Opstelling& Gedeeld() {
  static Opstelling o;
  return o;
}

void BM_TypenInTekstlijn(benchmark::State& state) {
  Opstelling& o = Gedeeld();
  const QString basis = o.tekstlijn->text();
  int n = 0;
  for (auto _ : state) {
    // One more character, as a keystroke gives.
    o.tekstlijn->setText(basis + QChar(u'a' + (n++ % 26)));
    benchmark::DoNotOptimize(o.etiket->beeld().Beeld().constBits());
  }
}
BENCHMARK(BM_TypenInTekstlijn)->Unit(benchmark::kMicrosecond);

void BM_VolledigeHertekening200Lijnen(benchmark::State& state) {
  Opstelling& o = Gedeeld();
  for (auto _ : state) {
    o.etiket->beeld().TekenAlles();
    benchmark::DoNotOptimize(o.etiket->beeld().Beeld().constBits());
  }
}
BENCHMARK(BM_VolledigeHertekening200Lijnen)->Unit(benchmark::kMicrosecond);

}  // namespace
