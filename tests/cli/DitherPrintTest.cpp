// Pictures with grey, printed through vellora-print with each way of
// turning them into dots, measured on the preview of the printed stream.
// The design is a version 1 file put together byte by byte here, with a
// grey PNG as its figure's picture, as another program could write it.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QProcess>

#include "barcodes/Scan.h"
#include "barcodes/TekenStreepjescode.h"
#include "files/EtiketBestandHulp.h"
#include "support/Tijdelijk.h"

namespace {

const QString kCatalogus = QStringLiteral(VELLORA_SOURCE_DIR "/data/all.eft");

// The picture: 12 steps of 20 x 60 pixels, luminance 0, 25, ..., 250 and
// pure white; below them a Code 128 symbol and plain (not smoothed) text
// in pure black and white, beside a grey ramp.
constexpr int kStappen = 12, kStapBreedte = 20, kWigHoogte = 60, kBreedte = kStappen * kStapBreedte, kHoogte = 100;
// The figure's box: 48 x 20 mm, 576 x 240 dots at 12 dots/mm: 2.4 dots a pixel.
constexpr int kPpm = 12, kStapPunten = 48, kWigPunten = 144, kFiguurBreedte = 576, kFiguurHoogte = 240;
constexpr int kCodeBreedte = 150;  // pixels of the lower part that hold the barcode and text

QImage Wig() {
  QImage beeld(kBreedte, kHoogte, QImage::Format_RGB32);
  beeld.fill(Qt::white);
  for (int k = 0; k < kStappen; ++k) {
    const int l = k == kStappen - 1 ? 255 : 25 * k;
    for (int y = 0; y < kWigHoogte; ++y)
      for (int x = k * kStapBreedte; x < (k + 1) * kStapBreedte; ++x) beeld.setPixel(x, y, qRgb(l, l, l));
  }
  Streepjescode code;
  code.Soort = StreepjescodeSoort::Code128;
  code.Gegevens = QStringLiteral("VL24");
  code.TekstTonen = false;
  code.Modulebreedte = 1;
  const auto t = barcodes::TekenStreepjescode(code, QSize(kCodeBreedte - 10, 26), 1);
  QPainter p(&beeld);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing, false);
  p.drawImage(QPoint(5, kWigHoogte + 3), t.Beeld.convertToFormat(QImage::Format_RGB32));
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(9);
  font.setStyleStrategy(QFont::NoAntialias);
  p.setFont(font);
  p.setPen(Qt::black);
  p.drawText(QRect(5, kWigHoogte + 29, kCodeBreedte - 10, 11), Qt::AlignLeft, QStringLiteral("Lot 24 Vellora"));
  for (int x = kCodeBreedte; x < kBreedte; ++x)
    for (int y = kWigHoogte + 5; y < kHoogte - 5; ++y) {
      const int l = 20 + (x - kCodeBreedte) * 2;
      beeld.setPixel(x, y, qRgb(l, l, l));
    }
  return beeld;
}

QByteArray Png(const QImage& beeld) {
  QByteArray bytes;
  QBuffer b(&bytes);
  b.open(QIODevice::WriteOnly);
  beeld.save(&b, "PNG");
  return bytes;
}

// A version 1 design on "50 x 30": one figure, 48 x 20 mm, centred.
QByteArray WigOntwerp(const QImage& beeld) {
  return Bytes().i32(21333).str("50 x 30").i16(0).i16(1).f32(-24).f32(-10).f32(48).f32(20).picture(Png(beeld));
}

struct Afloop {
  int code = -1;
  QByteArray fout;
};

Afloop Print(const TempFolder& tmp, const QStringList& argumenten) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), tmp.path(QStringLiteral("config")));
  p.setProcessEnvironment(env);
  p.start(QStringLiteral(VELLORA_PRINT), QStringList{QStringLiteral("-q"), QStringLiteral("--catalog"), kCatalogus,
                                                     QStringLiteral("--model"), QStringLiteral("VL300")} +
                                             argumenten);
  p.waitForFinished(120000);
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardError()};
}

// The printed figure: the first sheet of the preview, from the top-left
// dot of the wedge's solid black first step, one bit a dot.
QImage GedruktFiguur(const TempFolder& tmp, const QString& modus) {
  const QString ontwerp = tmp.write(QStringLiteral("wig.VLO"), WigOntwerp(Wig()));
  const QString map = tmp.path(QStringLiteral("voorbeeld-") + QString(modus).replace(u':', u'-'));
  const Afloop r = Print(tmp, {QStringLiteral("--dither"), modus, QStringLiteral("--preview"), map,
                               QStringLiteral("-o"), tmp.path(QStringLiteral("x.prn")), ontwerp});
  EXPECT_EQ(r.code, 0) << r.fout.toStdString();
  const QImage vel(map + QStringLiteral("/sheet-0001.png"));
  if (vel.isNull()) return {};
  for (int y = 0; y < vel.height(); ++y)
    for (int x = 0; x < vel.width(); ++x) {
      if (qGray(vel.pixel(x, y)) >= 128) continue;
      QImage uit(kFiguurBreedte, kFiguurHoogte, QImage::Format_Mono);
      uit.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
      for (int j = 0; j < kFiguurHoogte; ++j)
        for (int i = 0; i < kFiguurBreedte; ++i)
          uit.setPixel(i, j, x + i < vel.width() && y + j < vel.height() && qGray(vel.pixel(x + i, y + j)) < 128);
      return uit;
    }
  return {};
}

// The share of black dots of step k, two dots in from its edges.
double Aandeel(const QImage& figuur, int k) {
  int zwart = 0, alle = 0;
  for (int y = 2; y < kWigPunten - 2; ++y)
    for (int x = k * kStapPunten + 2; x < (k + 1) * kStapPunten - 2; ++x, ++alle) zwart += figuur.pixelIndex(x, y);
  return double(zwart) / alle;
}

QImage CodeDeel(const QImage& figuur) {
  // The barcode and text below the wedge: pixels 60-99 down, 0-149 across.
  return figuur.copy(0, kWigPunten, kCodeBreedte * kFiguurBreedte / kBreedte, kFiguurHoogte - kWigPunten);
}

}  // namespace

TEST(DitherPrint, EachWayPrintsTheGreyWedgeInProportionAndLeavesBarcodeAndTextAlone) {
  TempFolder tmp;
  const QImage gewoon = GedruktFiguur(tmp, QStringLiteral("none"));
  ASSERT_FALSE(gewoon.isNull());
  // The plain rule: every step but pure white solid black.
  for (int k = 0; k < kStappen; ++k) EXPECT_EQ(Aandeel(gewoon, k), k == kStappen - 1 ? 0.0 : 1.0) << k;
  const Gescand code = Scan(CodeDeel(gewoon), ZXing::BarcodeFormat::Code128);
  EXPECT_EQ(code.tekst, "VL24");

  for (const QString& modus : {QStringLiteral("floyd-steinberg"), QStringLiteral("atkinson"), QStringLiteral("ordered")}) {
    SCOPED_TRACE(modus.toStdString());
    const QImage figuur = GedruktFiguur(tmp, modus);
    ASSERT_FALSE(figuur.isNull());
    double vorige = 2;
    for (int k = 0; k < kStappen; ++k) {
      const double verwacht = k == kStappen - 1 ? 0.0 : (255.0 - 25 * k) / 255;
      const double aandeel = Aandeel(figuur, k);
      EXPECT_NEAR(aandeel, verwacht, 0.06) << "step " << k;
      EXPECT_LT(aandeel, vorige) << "step " << k;
      vorige = aandeel;
    }
    EXPECT_EQ(Aandeel(figuur, kStappen - 1), 0.0);
    // Pure black and white print as they always did, dot for dot.
    EXPECT_EQ(CodeDeel(figuur), CodeDeel(gewoon));
    EXPECT_EQ(Scan(CodeDeel(figuur), ZXing::BarcodeFormat::Code128).tekst, "VL24");
  }
}

TEST(DitherPrint, AThresholdPrintsWhatIsDarkerThanItsLevel) {
  TempFolder tmp;
  const QImage figuur = GedruktFiguur(tmp, QStringLiteral("threshold:100"));
  ASSERT_FALSE(figuur.isNull());
  // Steps 0-3 are 0 to 75, below 100; steps 4 on are 100 and lighter.
  for (int k = 0; k < kStappen; ++k) EXPECT_EQ(Aandeel(figuur, k), k < 4 ? 1.0 : 0.0) << k;
}

TEST(DitherPrint, AWrongModeIsAUsageError) {
  TempFolder tmp;
  const QString ontwerp = tmp.write(QStringLiteral("wig.VLO"), WigOntwerp(Wig()));
  for (const QString& modus : {QStringLiteral("threshold:256"), QStringLiteral("threshold:"), QStringLiteral("zigzag")}) {
    const Afloop r = Print(tmp, {QStringLiteral("--dither"), modus, QStringLiteral("-o"), tmp.path(QStringLiteral("x")), ontwerp});
    EXPECT_EQ(r.code, 2) << modus.toStdString();
    EXPECT_TRUE(r.fout.contains("--dither must be")) << r.fout.toStdString();
  }
}
