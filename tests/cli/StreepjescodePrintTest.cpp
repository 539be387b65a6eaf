// vellora-print with barcodes: the shipped shipping label printed and its
// preview scanned; a barcode that cannot be printed ends the run with one line.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>

#include "barcodes/Scan.h"
#include "files/BewaarEtiket.h"
#include "files/EtiketBestand.h"
#include "printing/Sbpl.h"
#include "support/Tijdelijk.h"

using namespace printing;

namespace {

const QString kCatalogus = QStringLiteral(VELLORA_SOURCE_DIR "/data/all.eft");

struct Afloop {
  int code = -1;
  QByteArray fout;
};

Afloop Print(const TempFolder& tmp, const QStringList& argumenten) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), tmp.path(QStringLiteral("config")));
  p.setProcessEnvironment(env);
  p.start(QStringLiteral(VELLORA_PRINT),
          QStringList{QStringLiteral("-q"), QStringLiteral("--catalog"), kCatalogus} + argumenten);
  p.waitForFinished(120000);
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardError()};
}

// A preview sheet as ink and paper.
QImage EenBit(const QImage& beeld) {
  QImage uit(beeld.size(), QImage::Format_Mono);
  uit.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  for (int y = 0; y < beeld.height(); ++y)
    for (int x = 0; x < beeld.width(); ++x) uit.setPixel(x, y, qGray(beeld.pixel(x, y)) < 128 ? 1 : 0);
  return uit;
}

QByteArray Lees(const QString& pad) {
  QFile f(pad);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(VelloraPrintStreepjescodes, TheShippingLabelsPreviewShowsEachCopysCodes) {
  TempFolder tmp;
  const QString map = tmp.path(QStringLiteral("voorbeeld"));
  const Afloop r = Print(
      tmp, {QStringLiteral("--from"), QStringLiteral("41"), QStringLiteral("--to"), QStringLiteral("42"),
            QStringLiteral("--model"), QStringLiteral("VL200"), QStringLiteral("--preview"), map, QStringLiteral("-o"),
            tmp.path(QStringLiteral("x.prn")), QStringLiteral(VELLORA_SOURCE_DIR "/data/examples/Verzendetiket.VLO")});
  ASSERT_EQ(r.code, 0) << r.fout.toStdString();
  for (int n : {41, 42}) {
    const QImage vel(map + QStringLiteral("/sheet-%1.png").arg(n - 40, 4, 10, QLatin1Char('0')));
    ASSERT_FALSE(vel.isNull()) << n;
    const QImage eenBit = EenBit(vel);
    EXPECT_EQ(Scan(eenBit, ZXing::BarcodeFormat::Code128).tekst, "VZ2026" + std::to_string(n) + "NL");
    EXPECT_EQ(Scan(eenBit, ZXing::BarcodeFormat::QRCode).tekst, "https://vellora.example/zending/" + std::to_string(n));
  }
}

TEST(VelloraPrintStreepjescodes, ABarcodeThatCannotBePrintedEndsTheRunWithOneLine) {
  TempFolder tmp;
  Ontwerp o;
  const int i = o.NieuwVoorwerp(SoortVoorwerp::Streepjescodevoorwerp);
  o.voorwerp(i).code().Soort = StreepjescodeSoort::Ean13;
  o.voorwerp(i).code().Gegevens = QStringLiteral("[A]");
  float l = -22.5f, b = -12, br = 45, h = 24;
  o.PlaatsVoorwerp(i, l, b, br, h);
  const QString ontwerp = tmp.path(QStringLiteral("ean.VLO"));
  ASSERT_TRUE(BewaarEtiket(ontwerp, kBestTypeVersie4, o, QStringLiteral("50 x 30")).Gelukt());
  const QString lijst = tmp.write(QStringLiteral("l.csv"), "590123412345\n1234\n400638133393\n");
  const QString prn = tmp.path(QStringLiteral("x.prn"));

  const Afloop r = Print(tmp, {QStringLiteral("--list"), lijst, QStringLiteral("-o"), prn, ontwerp});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.fout,
            "vellora-print: Streepjescode 1, exemplaar 2: Een EAN-13 bestaat uit 12 of 13 cijfers. 1 etiket is "
            "afgedrukt.\n");
  // The label before it was printed, and its sheet finished.
  const sbpl::Lezing gelezen = sbpl::Lees(Lees(prn));
  ASSERT_EQ(gelezen.vellen.size(), 1u);
  EXPECT_TRUE(gelezen.vellen[0].gesloten);
  EXPECT_EQ(gelezen.vellen[0].labels.size(), 1u);

  // A copy known to fail from the start sends nothing at all.
  const QString kort = tmp.write(QStringLiteral("k.csv"), "1234\n");
  const QString leeg = tmp.path(QStringLiteral("y.prn"));
  const Afloop vooraf = Print(tmp, {QStringLiteral("--list"), kort, QStringLiteral("-o"), leeg, ontwerp});
  EXPECT_EQ(vooraf.code, 1);
  EXPECT_EQ(vooraf.fout, "vellora-print: Streepjescode 1, exemplaar 1: Een EAN-13 bestaat uit 12 of 13 cijfers.\n");
  EXPECT_FALSE(QFile::exists(leeg));
}
