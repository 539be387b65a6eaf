// The shipped example designs are what their generator makes, open as
// designs and print with barcodes that scan, at both printer resolutions.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>

#include "Voorbeelden.h"
#include "barcodes/Scan.h"
#include "files/Catalogus.h"
#include "files/EtiketToepassen.h"
#include "files/Instellingen.h"
#include "files/LeesEtiket.h"
#include "printing/Job.h"
#include "printing/Sbpl.h"
#include "printing/Tekenen.h"
#include "support/VoorbeeldCodes.h"

using namespace printing;

namespace {

FormatenTabel Catalogus() {
  auto c = LeesFormaten(QStringLiteral(VELLORA_SOURCE_DIR "/data/all.eft"));
  return std::get<FormatenTabel>(std::move(c));
}

QByteArray Gelezen(const QString& bestand) {
  QFile f(QStringLiteral(VELLORA_SOURCE_DIR "/data/examples/") + bestand);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(Voorbeelden, TheShippedFilesAreWhatTheGeneratorMakes) {
  const std::vector<Voorbeeld> voorbeelden = Voorbeelden(Catalogus());
  ASSERT_EQ(voorbeelden.size(), AlleVoorbeeldCodes().size());
  for (const Voorbeeld& v : voorbeelden) {
    SCOPED_TRACE(v.Bestand.toStdString());
    EXPECT_GT(v.ontwerp.HuidigFormaat, 0);
    EXPECT_GT(v.ontwerp.AantalStreepjescodes(), 0);
    // If this fails after a deliberate change: maak_voorbeelden data/all.eft data/examples
    EXPECT_EQ(Gelezen(v.Bestand), v.Bytes());
  }
}

TEST(Voorbeelden, EachPrintsItsNumberedCopiesWithBarcodesThatScan) {
  const FormatenTabel formaten = Catalogus();
  for (const VoorbeeldCodes& verwacht : AlleVoorbeeldCodes()) {
    SCOPED_TRACE(verwacht.bestand);
    const LeesUitkomst r = LeesEtiketUit(Gelezen(QString::fromLatin1(verwacht.bestand)), formaten);
    ASSERT_TRUE(std::holds_alternative<GelezenEtiket>(r));
    Ontwerp o;
    PasEtiketToe(std::get<GelezenEtiket>(r), o, {});
    o.nummering.NummerVan = 1;
    o.nummering.NummerTot = qint16(verwacht.tot);
    o.nummering.NummerStap = 1;
    const EtiketFormaat& f = formaten.formaat(o.HuidigFormaat);
    for (int ppm : {8, 12}) {
      SCOPED_TRACE(ppm);
      Instellingen inst;
      inst.Printer = ppm == 8 ? 1 : 2;
      const auto job = MaakJob({o, f, inst, 0, 0, 1, false});
      ASSERT_TRUE(std::holds_alternative<Job>(job)) << std::get<QString>(job).toStdString();
      QBuffer uit;
      uit.open(QIODevice::WriteOnly);
      VelStand stand;
      QString waarom;
      ASSERT_EQ(DrukJob(std::get<Job>(job), stand, uit, {}, 2, &waarom), Jobuitkomst::Klaar) << waarom.toStdString();
      std::vector<QImage> labels;
      for (const sbpl::Vel& vel : sbpl::Lees(uit.data()).vellen)
        // With the paper below the last printed row, which the stream leaves out.
        for (const sbpl::Label& l : vel.labels) labels.push_back(l.beeld.copy(l.beeld.rect().adjusted(0, 0, 0, 96)));
      ASSERT_EQ(labels.size(), size_t(verwacht.tot));
      for (const auto& [formaat, teksten] : verwacht.codes) {
        std::vector<std::string> gescand;
        for (const QImage& label : labels) gescand.push_back(Scan(label, formaat).tekst);
        EXPECT_EQ(gescand, teksten);
      }
    }
  }
}

TEST(Voorbeelden, TheProductLabelsEan13IsPrintedWithinGs1sModuleRangeOnBothPrinters) {
  const FormatenTabel formaten = Catalogus();
  const LeesUitkomst r = LeesEtiketUit(Gelezen(QStringLiteral("Productetiket.VLO")), formaten);
  ASSERT_TRUE(std::holds_alternative<GelezenEtiket>(r));
  Ontwerp o;
  PasEtiketToe(std::get<GelezenEtiket>(r), o, {});
  const EtiketFormaat& f = formaten.formaat(o.HuidigFormaat);
  int ean = 0;
  for (int i = 1; i <= o.AantalVoorwerpen(); ++i)
    if (o.voorwerp(i).Soort() == SoortVoorwerp::Streepjescodevoorwerp) ean = i;
  ASSERT_GT(ean, 0);
  for (int ppm : {8, 12}) {
    SCOPED_TRACE(ppm);
    Instellingen inst;
    inst.Printer = ppm == 8 ? 1 : 2;
    const auto job = MaakJob({o, f, inst, 0, 0, 1, false});
    ASSERT_TRUE(std::holds_alternative<Job>(job)) << std::get<QString>(job).toStdString();
    QBuffer uit;
    uit.open(QIODevice::WriteOnly);
    VelStand stand;
    ASSERT_EQ(DrukJob(std::get<Job>(job), stand, uit, {}, 1), Jobuitkomst::Klaar);
    const sbpl::Lezing lezing = sbpl::Lees(uit.data());
    ASSERT_EQ(lezing.vellen.size(), 1u);
    const QImage label = lezing.vellen[0].labels.at(0).beeld;
    // Through the bars: an EAN-13 is 95 modules from its first bar to its last.
    const QRect vak = FiguurRechthoek(o.voorwerp(ean), f, {float(ppm), float(ppm), 0, 0});
    const int y = vak.top() + vak.height() / 3;
    int eerste = -1, laatste = -1;
    for (int x = std::max(0, vak.left()); x <= vak.right() && x < label.width(); ++x)
      if (label.pixelIndex(x, y) == 1) {
        if (eerste < 0) eerste = x;
        laatste = x;
      }
    ASSERT_GE(eerste, 0);
    const double moduleMm = double(laatste - eerste + 1) / 95 / ppm;
    EXPECT_GE(moduleMm, 0.264);
    EXPECT_LE(moduleMm, 0.66);
    EXPECT_EQ(Scan(label, ZXing::BarcodeFormat::EAN13).tekst, "8712345678906");
  }
}
