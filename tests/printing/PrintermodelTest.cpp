#include <gtest/gtest.h>

#include <QBuffer>

#include "printing/Afdrukjob.h"
#include "printing/Job.h"
#include "printing/Printermodel.h"

using namespace printing;

namespace {

// 2 x 3 labels of 28 x 18 mm, 30 and 20 mm apart, the first at 1.5 / 2 mm;
// with a print offset of 0.5 mm across every label starts 2 mm in.
Afdrukopdracht Opdracht(qint16 aantal, bool spaarstand) {
  Afdrukopdracht o;
  o.formaat.Naam = QStringLiteral("rondgang");
  o.formaat.Breedte = 28;
  o.formaat.Hoogte = 18;
  o.formaat.HorizontaleSteek = 30;
  o.formaat.VerticaleSteek = 20;
  o.formaat.Kolommen = 2;
  o.formaat.Rijen = 3;
  o.formaat.LinkerOffset = 1.5f;
  o.formaat.BovenOffset = 2;
  o.HorizontalShift = 0.5f;
  o.PrintSpeed = 3;
  o.Intensity = 4;
  o.Aantal = aantal;
  o.Spaarstand = spaarstand;
  return o;
}

constexpr int kBytes = 4, kRijen = 64;

// Label k's raster: k in its first byte, a diagonal, and its last row
// printed, so no language may leave a row off.
QByteArray Raster(int k) {
  QByteArray bits(kBytes * kRijen, '\0');
  bits[0] = char(k);
  for (int r = 0; r < kRijen; ++r) bits[r * kBytes + (r % 32) / 8] |= char(0x80 >> (r % 8));
  bits[(kRijen - 1) * kBytes + 3] = char(0x81);
  return bits;
}

// What the reader gave back for a label, as raw rows.
QByteArray Rijen(const QImage& beeld) {
  QByteArray uit;
  for (int r = 0; r < beeld.height(); ++r)
    uit.append(reinterpret_cast<const char*>(beeld.constScanLine(r)), beeld.width() / 8);
  return uit;
}

struct Geschreven {
  QByteArray stroom;
  VelStand stand;
};

// The job in the model's language, each label's block made by the language
// from Raster(k) at the label's place in dots.
Geschreven Schrijf(const Printermodel& m, const Afdrukopdracht& o) {
  const Printertaal& taal = m.taal();
  int k = 0;
  std::vector<QByteArray> rasters;
  const EtiketBlok blok = [&](float x, float y, int) {
    rasters.push_back(Raster(++k));
    return taal.Etiket({int(y * float(m.puntenPerMm) + 0.5f), int(x * float(m.puntenPerMm) + 0.5f), kBytes, kRijen,
                        rasters.back().constData()});
  };
  QBuffer uit;
  uit.open(QIODevice::WriteOnly);
  Geschreven g;
  EXPECT_EQ(Afdrukken(taal, m.puntenPerMm, o, g.stand, blok, uit), Jobuitkomst::Klaar) << m.naam;
  g.stroom = uit.data();
  return g;
}

// Label `k` read back where row r, column c of the sheet lies: x = 2 + 30 (c - 1),
// y = 2 + 20 (r - 1) mm.
void VerwachtLabel(const Stroomlabel& l, const Printermodel& m, int r, int c, int k) {
  EXPECT_EQ(l.H, (2 + 30 * (c - 1)) * m.puntenPerMm) << m.naam << " label " << k;
  EXPECT_EQ(l.V, (2 + 20 * (r - 1)) * m.puntenPerMm) << m.naam << " label " << k;
  EXPECT_EQ(Rijen(l.beeld), Raster(k)) << m.naam << " label " << k;
}

}  // namespace

TEST(Printermodel, EveryModelReadsBackTheSheetsLabelsAndQuantitiesItsJobWrote) {
  for (const Printermodel& m : Printermodellen()) {
    // 14 copies on six places: one sheet six labels twice, then two labels once.
    const Geschreven g = Schrijf(m, Opdracht(14, false));
    const Stroomlezing l = Lees(m.taal(), g.stroom);
    EXPECT_TRUE(l.fout.isEmpty()) << m.naam << ": " << l.fout.toStdString();
    ASSERT_EQ(l.vellen.size(), 2u) << m.naam;
    const Stroomvel &eerste = l.vellen[0], &tweede = l.vellen[1];
    EXPECT_EQ(eerste.aantal, 2) << m.naam;
    EXPECT_EQ(tweede.aantal, 1) << m.naam;
    for (const Stroomvel* v : {&eerste, &tweede}) {
      EXPECT_TRUE(v->metKop && v->gesloten) << m.naam;
      EXPECT_EQ(v->snelheid, 3) << m.naam;
      EXPECT_EQ(v->intensiteit, 4) << m.naam;
    }
    ASSERT_EQ(eerste.labels.size(), 6u) << m.naam;
    for (int i = 0; i < 6; ++i) VerwachtLabel(eerste.labels[size_t(i)], m, i / 2 + 1, i % 2 + 1, i + 1);
    ASSERT_EQ(tweede.labels.size(), 2u) << m.naam;
    VerwachtLabel(tweede.labels[0], m, 1, 1, 7);
    VerwachtLabel(tweede.labels[1], m, 1, 2, 8);
  }
}

TEST(Printermodel, ASheetHeldOpenIsClosedOnceInItsOwnLanguage) {
  for (const Printermodel& m : Printermodellen()) {
    // Three labels: the second row is left open after its first label.
    const Geschreven g = Schrijf(m, Opdracht(3, true));
    ASSERT_TRUE(g.stand.VelOpen) << m.naam;
    EXPECT_EQ(g.stand.VolgendeRij, 2) << m.naam;
    EXPECT_EQ(g.stand.VolgendeKolom, 2) << m.naam;
    const Stroomlezing open = Lees(m.taal(), g.stroom);
    ASSERT_EQ(open.vellen.size(), 1u) << m.naam;
    EXPECT_FALSE(open.vellen[0].gesloten) << m.naam;
    const Stroomlezing l = Lees(m.taal(), g.stroom + m.taal().SluitOpenVel(g.stand));
    EXPECT_TRUE(l.fout.isEmpty()) << m.naam << ": " << l.fout.toStdString();
    ASSERT_EQ(l.vellen.size(), 1u) << m.naam;
    EXPECT_TRUE(l.vellen[0].gesloten) << m.naam;
    EXPECT_EQ(l.vellen[0].aantal, 1) << m.naam;
    ASSERT_EQ(l.vellen[0].labels.size(), 3u) << m.naam;
    VerwachtLabel(l.vellen[0].labels[2], m, 2, 1, 3);
  }
}

TEST(Printermodel, TheStoredPrinterValueChoosesTheResolution) {
  // 1 is the VL200 at 8 dots per mm, 3 to 5 the ZPL printers; a value no
  // model has has always meant the VL300.
  const std::pair<qint16, int> gevallen[] = {{1, 8}, {2, 12}, {3, 8}, {4, 12}, {5, 24}, {0, 12}, {6, 12}, {-1, 12}};
  for (const auto& [printer, ppm] : gevallen) EXPECT_EQ(PrintermodelVoor(printer).puntenPerMm, ppm) << printer;
  ASSERT_NE(ZoekPrintermodel(QStringLiteral("vl200")), nullptr);
  EXPECT_EQ(ZoekPrintermodel(QStringLiteral("vl200"))->Printer, 1);
  EXPECT_EQ(ZoekPrintermodel(QStringLiteral("VL400")), nullptr);
  ASSERT_NE(ZoekPrintermodel(QStringLiteral("zpl600")), nullptr);
  EXPECT_EQ(ZoekPrintermodel(QStringLiteral("zpl600"))->taal().Naam(), QStringLiteral("ZPL II"));
}

TEST(TelVellen, ASheetHeldOpenCountsAsTheFirstSheetOfTheJob) {
  // Held at row 2: four labels finish it, then 10 copies fill one sheet
  // once (10 div 6 = 1) and four places of a third.
  Job job{Ontwerp(), Opdracht(14, false), 8};
  const VelStand open{true, 2, 1};
  EXPECT_EQ(TelVellen(job, open), 3);
  EXPECT_EQ(TelVellen(job, VelStand{}), 2);  // 14 = 2 x 6 on one sheet, then 2
  job.opdracht.Aantal = 0;
  EXPECT_EQ(TelVellen(job, open), 0);
}
