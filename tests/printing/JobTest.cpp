#include <gtest/gtest.h>

#include <QBuffer>
#include <QPainter>
#include <QPicture>

#include "model/Ontwerp.h"
#include "printing/Job.h"
#include "printing/Printermodel.h"
#include "printing/Raster.h"
#include "support/EtiketRaster.h"
#include "printing/Sbpl.h"
#include "roundtext/RondeTekst.h"

using namespace printing;

// A job draws what no copy changes once and its copies on several threads.
// Its stream must be, byte for byte, what drawing every element of every
// copy in table order, one label after the other, gives.

namespace {

// The label block as the single-pass drawing makes it, packed a pixel at a
// time by the rule: exact white -> 0, anything else -> 1.
QByteArray ReferentieBlok(EtiketRaster& raster, int ppm, float links, float boven, int nummer) {
  const QImage& canvas = raster.Teken(std::min(links, 0.0f), std::min(boven, 0.0f), nummer);
  const int bpr = (canvas.width() + 15) / 16 * 2, rijen = (canvas.height() + 7) / 8 * 8;
  QByteArray bits(qsizetype(bpr) * rijen, '\0');
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x)
      if ((canvas.pixel(x, y) & 0xFFFFFFu) != 0xFFFFFFu)
        bits[y * bpr + x / 8] = char(bits[y * bpr + x / 8] | (0x80 >> (x % 8)));
  const int hs = RijenTeVersturen(bits, bpr, rijen);
  return sbpl::Grafiek(int(std::nearbyint(std::max(boven, 0.0f) * float(ppm))),
                       int(std::nearbyint(std::max(0.0f, links) * float(ppm))), bpr, hs, bits.constData());
}

// Accepts a number of bytes, then fails like a full disk.
class VolleSchijf : public QIODevice {
 public:
  explicit VolleSchijf(qint64 ruimte) : ruimte_(ruimte) { open(QIODevice::WriteOnly); }
  QByteArray geschreven;

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* d, qint64 n) override {
    if (geschreven.size() + n > ruimte_) return -1;
    geschreven.append(d, n);
    return n;
  }

 private:
  qint64 ruimte_;
};

struct Uitkomst {
  Jobuitkomst u;
  QByteArray stroom;
  VelStand stand;
  std::vector<int> gemeld;
};

// Stops when the progress reaches `stopBij` (0: never).
Voortgang Meld(std::vector<int>& gemeld, int stopBij) {
  return [&gemeld, stopBij](int n, int) {
    gemeld.push_back(n);
    return n == stopBij;
  };
}

Uitkomst Referentie(const Job& job, VelStand stand, int stopBij = 0, qint64 ruimte = -1) {
  EtiketRaster raster(job.ontwerp, job.opdracht.formaat, job.puntenPerMm, job.ontwerp.nummering,
                     [](Voorwerp& v) { return MaakRondeTekst(v); });
  Uitkomst r;
  VolleSchijf uit(ruimte < 0 ? std::numeric_limits<qint64>::max() : ruimte);
  r.u = AfdrukkenSATO(
      job.opdracht, stand, [&](float x, float y, int n) { return ReferentieBlok(raster, job.puntenPerMm, x, y, n); },
      uit, Meld(r.gemeld, stopBij));
  r.stroom = uit.geschreven;
  r.stand = stand;
  return r;
}

Uitkomst Gedrukt(const Job& job, VelStand stand, int werkers, int stopBij = 0, qint64 ruimte = -1) {
  Uitkomst r;
  VolleSchijf uit(ruimte < 0 ? std::numeric_limits<qint64>::max() : ruimte);
  r.u = DrukJob(job, stand, uit, Meld(r.gemeld, stopBij), werkers);
  r.stroom = uit.geschreven;
  r.stand = stand;
  return r;
}

void ZelfdeAls(const Uitkomst& a, const Uitkomst& b, int werkers) {
  EXPECT_EQ(a.u, b.u) << werkers << " threads";
  EXPECT_TRUE(a.stroom == b.stroom) << werkers << " threads: " << a.stroom.size() << " bytes against "
                                    << b.stroom.size();
  EXPECT_EQ(a.stand.VelOpen, b.stand.VelOpen) << werkers << " threads";
  EXPECT_EQ(a.stand.VolgendeRij, b.stand.VolgendeRij) << werkers << " threads";
  EXPECT_EQ(a.stand.VolgendeKolom, b.stand.VolgendeKolom) << werkers << " threads";
  EXPECT_EQ(a.gemeld, b.gemeld) << werkers << " threads";
}

// Every worker count gives the single-pass stream.
void AlsEenDoorgang(const Job& job, const VelStand& stand = {}, int stopBij = 0, qint64 ruimte = -1) {
  const Uitkomst ref = Referentie(job, stand, stopBij, ruimte);
  ASSERT_FALSE(ref.stroom.isEmpty());
  for (int werkers : {1, 2, 4}) ZelfdeAls(Gedrukt(job, stand, werkers, stopBij, ruimte), ref, werkers);
}

EtiketFormaat Vel(float breedte, float hoogte, int kolommen, int rijen) {
  EtiketFormaat f;
  f.Naam = QStringLiteral("vel");
  f.Breedte = breedte;
  f.Hoogte = hoogte;
  f.HorizontaleSteek = breedte + 3;
  f.VerticaleSteek = hoogte + 2;
  f.Kolommen = qint16(kolommen);
  f.Rijen = qint16(rijen);
  f.LinkerOffset = 2;
  f.BovenOffset = 1;
  return f;
}

int Tekst(Ontwerp& o, const QString& tekst, float l, float b, float br, float h, qint16 punten = 12) {
  const int i = o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
  Voorwerp& v = o.voorwerp(i);
  v.tekst().Tekst = tekst;
  v.tekst().Lettertype = QStringLiteral("DejaVu Sans");
  v.tekst().Lettergrootte = punten;
  v.tekst().Vet = i % 2 == 0;
  o.PlaatsVoorwerp(i, l, b, br, h);
  return i;
}

int Rond(Ontwerp& o, const QString& tekst, float l, float b, float straal) {
  const int i = o.NieuwVoorwerp(SoortVoorwerp::RondeTekst);
  Voorwerp& v = o.voorwerp(i);
  v.tekst().Tekst = tekst;
  v.tekst().Lettertype = QStringLiteral("Liberation Sans");
  v.tekst().Lettergrootte = 9;
  v.cirkel().Straal = straal;
  v.cirkel().Wijzerzin = true;
  v.tekst().Uitlijning = 2;
  EXPECT_TRUE(MaakRondeTekst(o, i));
  float br = v.Breedte, h = v.Hoogte;
  o.PlaatsVoorwerp(i, l, b, br, h);
  return i;
}

// A one-bit chequered picture, or a colour one with light grey and near
// white in it: both are ANDed onto what lies below.
int Plaatje(Ontwerp& o, float l, float b, float br, float h, bool kleur) {
  const int i = o.NieuwVoorwerp(SoortVoorwerp::Figuur);
  auto beeld = std::make_shared<Beeld>();
  if (kleur) {
    beeld->raster = QImage(37, 23, QImage::Format_RGB32);
    for (int y = 0; y < 23; ++y)
      for (int x = 0; x < 37; ++x)
        beeld->raster.setPixel(x, y,
                               (x + y) % 5 == 0   ? qRgb(250, 255, 255)
                               : (x * y) % 7 == 0 ? qRgb(200, 30, 90)
                                                  : qRgb(255, 255, 255));
  } else {
    beeld->raster = QImage(64, 48, QImage::Format_Mono);
    beeld->raster.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 64; ++x) beeld->raster.setPixel(x, y, (x / 6 + y / 6) % 2);
  }
  const int w = beeld->raster.width(), hh = beeld->raster.height();
  o.voorwerp(i).beeld().ZetAfbeelding(std::move(beeld), w, hh);
  o.PlaatsVoorwerp(i, l, b, br, h);
  return i;
}

// A pasted drawing: a white field with a black one inside.
int Tekening(Ontwerp& o, float l, float b, float br, float h) {
  const int i = o.NieuwVoorwerp(SoortVoorwerp::Figuur);
  auto tekening = std::make_shared<Beeld>();
  tekening->isVector = true;
  {
    QPainter p(&tekening->vector);
    p.fillRect(QRect(0, 0, 40, 20), Qt::white);
    p.fillRect(QRect(10, 5, 20, 10), Qt::black);
  }
  o.voorwerp(i).beeld().ZetAfbeelding(std::move(tekening), 40, 20);
  o.PlaatsVoorwerp(i, l, b, br, h);
  return i;
}

// Texts with and without codes, overlapping figures of both kinds, round
// texts with and without codes, in an order that mixes them.
Ontwerp Gemengd() {
  Ontwerp o;
  Plaatje(o, -20, -12, 25, 18, false);
  Tekst(o, QStringLiteral("Vast opschrift"), -28, -14, 40, 6);
  Tekst(o, QStringLiteral("Nr [#] / [#]"), -10, -6, 30, 7, 14);
  Plaatje(o, -12, -8, 20, 12, true);
  Rond(o, QStringLiteral("Rond zonder code"), 0, -12, 9);
  Rond(o, QStringLiteral("Serie [#] klaar"), -24, 0, 8);
  Tekst(o, QStringLiteral("Onderaan vast"), -28, 8, 50, 5, 10);
  Plaatje(o, 10, 4, 14, 9, false);
  return o;
}

Job MaakJobVan(Ontwerp o, const EtiketFormaat& f, int ppm, int aantal, Reeks reeks) {
  Job job{std::move(o), {}, ppm};
  job.opdracht.formaat = f;
  job.opdracht.PrintSpeed = 2;
  job.opdracht.Intensity = 4;
  job.opdracht.Aantal = qint16(aantal);
  job.opdracht.reeks = reeks;
  return job;
}

}  // namespace

TEST(DrukJob, NumberedCopiesOnSeveralSheetsAtBothResolutionsAreTheSinglePassStream) {
  // Numbers 7 down to 1 in steps of 2, three copies each, on 2 x 2 sheets.
  for (int ppm : {8, 12}) {
    SCOPED_TRACE(ppm);
    AlsEenDoorgang(MaakJobVan(Gemengd(), Vel(60, 30, 2, 2), ppm, 3, {7, 1, -2}));
  }
}

TEST(DrukJob, LabelsBeforeThePrintersOriginAreCutOffAsInOnePass) {
  // Negative offsets shift the drawing of the first column and row; the
  // other labels are not shifted: several fixed layers in one job.
  Job job = MaakJobVan(Gemengd(), Vel(60, 30, 3, 2), 8, 1, {1, 9, 1});
  job.opdracht.HorizontalShift = -4.5f;
  job.opdracht.VerticalShift = -2.25f;
  AlsEenDoorgang(job);
}

TEST(DrukJob, ListValuesFillTheirCodes) {
  Ontwerp o;
  Tekst(o, QStringLiteral("[A] [B]"), -28, -12, 56, 8);
  Plaatje(o, -5, -5, 20, 10, false);
  Rond(o, QStringLiteral("[C] en [E]"), -20, 0, 7);
  for (const char* rij : {"Jan;1;Ede;x;", "Piet;2;;y;laatste", "Kees;;Baarn;;z"}) {
    o.nummering.NummerLijst.VoegRijToe(QString::fromLatin1(rij).split(u';'));
  }
  AlsEenDoorgang(MaakJobVan(std::move(o), Vel(60, 30, 2, 1), 12, 2, {1, 3, 1}));
}

TEST(DrukJob, ABlankListValueInARoundTextPrintsNothingOfIt) {
  // As a text line of blanks shows nothing: the labels are those of the
  // design without the round text. Once with black only, once with a
  // pasted drawing after it, which makes every copy draw in table order.
  for (bool tekening : {false, true}) {
    SCOPED_TRACE(tekening ? "with a drawing" : "black only");
    Ontwerp met, zonder;
    for (Ontwerp* o : {&met, &zonder}) {
      Plaatje(*o, -20, -12, 25, 18, false);
      Tekst(*o, QStringLiteral("Vast opschrift"), -28, -14, 40, 6);
      if (o == &met) Rond(*o, QStringLiteral("[A]"), -24, -2, 8);
      if (tekening) Tekening(*o, 5, 2, 20, 8);
      Plaatje(*o, 10, 4, 14, 9, true);
    }
    met.nummering.NummerLijst = {{QString(), QStringLiteral("b")}, {QStringLiteral("   "), QStringLiteral("c")}};
    const Job lijst = MaakJobVan(std::move(met), Vel(60, 30, 2, 1), 8, 1, {1, 2, 1});
    const Uitkomst verwacht = Referentie(MaakJobVan(std::move(zonder), Vel(60, 30, 2, 1), 8, 1, {1, 2, 1}), {});
    ZelfdeAls(Referentie(lijst, {}), verwacht, 0);
    for (int werkers : {1, 2}) ZelfdeAls(Gedrukt(lijst, {}, werkers), verwacht, werkers);
  }
}

TEST(DrukJob, APastedDrawingAfterANumberedTextStillPaintsOverIt) {
  // A drawing paints white as well as black: what comes after it must be
  // drawn after it on every copy.
  Ontwerp o = Gemengd();
  Tekening(o, -15, -8, 30, 12);
  Tekst(o, QStringLiteral("Erna [#]"), -28, 2, 40, 6);
  Plaatje(o, -2, -2, 10, 8, true);
  AlsEenDoorgang(MaakJobVan(std::move(o), Vel(60, 30, 2, 1), 8, 1, {1, 5, 1}));
}

TEST(DrukJob, EconomyModeHoldsASheetOpenAndTheNextJobContinuesIt) {
  Job job = MaakJobVan(Gemengd(), Vel(60, 30, 2, 3), 8, 1, {1, 4, 1});
  job.opdracht.Spaarstand = true;
  const Uitkomst eerste = Referentie(job, {});
  ASSERT_TRUE(eerste.stand.VelOpen);
  for (int werkers : {1, 2, 4}) ZelfdeAls(Gedrukt(job, {}, werkers), eerste, werkers);
  // The next job starts on the held sheet, without a header of its own.
  job.opdracht.reeks = {5, 9, 1};
  AlsEenDoorgang(job, eerste.stand);
}

TEST(DrukJob, AStopFromTheProgressEndsWhereOnePassEnds) {
  // Labels drawn ahead of the stop never reach the output.
  Job job = MaakJobVan(Gemengd(), Vel(60, 30, 2, 2), 8, 1, {1, 40, 1});
  AlsEenDoorgang(job, {}, 6);
  job.opdracht.Spaarstand = true;
  AlsEenDoorgang(job, {}, 7);
}

TEST(DrukJob, AFailedWriteLeavesWhatOnePassLeaves) {
  Job job = MaakJobVan(Gemengd(), Vel(60, 30, 2, 2), 8, 1, {1, 30, 1});
  job.opdracht.Spaarstand = true;
  const VelStand open{true, 2, 1};
  const Uitkomst heel = Referentie(job, open);
  // The disk fills in the middle of the ninth label.
  const qint64 ruimte = heel.stroom.size() * 9 / 30;
  const Uitkomst ref = Referentie(job, open, 0, ruimte);
  ASSERT_EQ(ref.u, Jobuitkomst::Schrijffout);
  EXPECT_TRUE(ref.stand.VelOpen);  // the sheet state is left as it was
  for (int werkers : {1, 2, 4}) ZelfdeAls(Gedrukt(job, open, werkers, 0, ruimte), ref, werkers);
}

TEST(DrukJob, APreviewsWorthOfSheetsDrawnAheadStopsAtItsLastSheet) {
  Job job = MaakJobVan(Gemengd(), Vel(60, 30, 2, 2), 8, 1, {1, 50, 1});
  job.opdracht.GrootsteVellen = 3;
  const Uitkomst ref = Referentie(job, {});
  EXPECT_EQ(ref.u, Jobuitkomst::Gestopt);
  EXPECT_EQ(sbpl::Lees(ref.stroom).vellen.size(), 3u);
  for (int werkers : {1, 2, 4}) ZelfdeAls(Gedrukt(job, {}, werkers), ref, werkers);
}

TEST(DrukJob, BarcodesFixedAndNumberedOverTextAndPicturesAreTheSinglePassStream) {
  // A fixed EAN-13 under a picture, a numbered Code 128 over a text, a
  // numbered QR Code beside them, at both resolutions and over sheets.
  Ontwerp o = Gemengd();
  const auto code = [&](StreepjescodeSoort soort, const char* gegevens, float l, float b, float br, float h) {
    const int i = o.NieuwVoorwerp(SoortVoorwerp::Streepjescodevoorwerp);
    o.voorwerp(i).code().Soort = soort;
    o.voorwerp(i).code().Gegevens = QString::fromLatin1(gegevens);
    o.PlaatsVoorwerp(i, l, b, br, h);
  };
  code(StreepjescodeSoort::Ean13, "590123412345", -29, -14, 43, 14);
  code(StreepjescodeSoort::Code128, "NR-[#]", -10, 2, 28, 10);
  code(StreepjescodeSoort::QrCode, "https://vellora.example/[#]", 18, -14, 11, 11);
  for (int ppm : {8, 12}) {
    SCOPED_TRACE(ppm);
    const Job job = MaakJobVan(o, Vel(60, 30, 2, 2), ppm, 2, {1, 5, 1});
    ASSERT_EQ(Referentie(job, {}).u, Jobuitkomst::Klaar);
    AlsEenDoorgang(job);
  }
}

TEST(MaakJob, OnlyTheLabelsTheJobPlacesMustLieWithinTheFourDigitPositions) {
  // One column of 40 rows, 32 mm apart from 1 mm down: at 12 dots per mm
  // row 27 lies at 12 + 26 * 384 = 9996 dots, row 28 at 10380.
  const EtiketFormaat f = Vel(60, 30, 1, 40);
  Instellingen inst;
  inst.Printer = 2;
  const Ontwerp o;
  const auto maak = [&](int aantal, VelStand stand = {}) {
    return MaakJob({.ontwerp = o, .formaat = f, .instellingen = inst, .aantal = qint16(aantal), .stand = stand});
  };
  EXPECT_TRUE(std::holds_alternative<Job>(maak(27)));
  const auto teVer = maak(28);
  ASSERT_TRUE(std::holds_alternative<QString>(teVer));
  EXPECT_EQ(std::get<QString>(teVer), QStringLiteral("Het etiket op rij 28, kolom 1 van het vel ligt verder dan 9999 "
                                                     "punten van het begin van de printer."));
  // A held sheet: the job begins where it left off.
  const VelStand rij27{true, 27, 1}, rij28{true, 28, 1};
  EXPECT_TRUE(std::holds_alternative<Job>(maak(1, rij27)));
  EXPECT_TRUE(std::holds_alternative<QString>(maak(2, rij27)));
  EXPECT_TRUE(std::holds_alternative<QString>(maak(1, rij28)));
  // On a sheet of 27 rows every sheet repeats the first: the largest job is
  // accepted without walking all of it.
  EtiketFormaat kort = f;
  kort.Rijen = 27;
  Ontwerp genummerd;
  Tekst(genummerd, QStringLiteral("Nr [#]"), -10, -6, 30, 7);
  genummerd.nummering.NummerVan = -32768;
  genummerd.nummering.NummerTot = 32767;
  genummerd.nummering.NummerStap = 1;
  EXPECT_TRUE(std::holds_alternative<Job>(
      MaakJob({.ontwerp = genummerd, .formaat = kort, .instellingen = inst, .aantal = 32767})));
  // A ZPL printer gets every row as a page of its own: the 28th row is as
  // near its page's top as the first (on the sheet it would lie at
  // 865 mm, 20760 dots at 24 dots per mm, beyond any ZPL position).
  inst.Printer = ZoekPrintermodel(QStringLiteral("ZPL600"))->Printer;
  EXPECT_TRUE(std::holds_alternative<Job>(maak(40, rij28)));
}
