#include <gtest/gtest.h>

#include <QBuffer>
#include <QtEndian>

#include "figures/Plaatje.h"
#include "ZipHulp.h"
#include "support/Tijdelijk.h"

using namespace figures;

namespace {

QByteArray Opgeslagen(const QImage& beeld, const char* soort, int kwaliteit = -1) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  beeld.save(&buffer, soort, kwaliteit);
  return bytes;
}

// The toolkit writes no GIF: two dots, black and white, coded by hand.
const QByteArray kGif("GIF89a\x02\x00\x01\x00\x80\x00\x00"  // 2 x 1, a palette of two colours
                      "\x00\x00\x00\xff\xff\xff"            // black, white
                      "\x2c\x00\x00\x00\x00\x02\x00\x01\x00\x00"
                      "\x02\x02\x44\x0a\x00"                // codes: clear, 0, 1, end
                      "\x3b",
                      35);

// A BMP header that claims a picture of breedte x hoogte at 24 bits a dot,
// followed by hardly any dots.
QByteArray BmpKop(qint32 breedte, qint32 hoogte) {
  QByteArray b(54 + 16, '\0');
  b[0] = 'B';
  b[1] = 'M';
  qToLittleEndian<quint32>(quint32(b.size()), b.data() + 2);
  qToLittleEndian<quint32>(54, b.data() + 10);
  qToLittleEndian<quint32>(40, b.data() + 14);
  qToLittleEndian<qint32>(breedte, b.data() + 18);
  qToLittleEndian<qint32>(hoogte, b.data() + 22);
  qToLittleEndian<quint16>(1, b.data() + 26);
  qToLittleEndian<quint16>(24, b.data() + 28);
  return b;
}

class PlaatjeTest : public ::testing::Test {
 protected:
  TempFolder tmp;
  QString Schrijf(const char* naam, const QByteArray& bytes) { return tmp.write(QString::fromLatin1(naam), bytes); }
  static QString Reden(const GeladenPlaatje& p) { return p.melding.section(u'\n', 3); }
};

}  // namespace

TEST_F(PlaatjeTest, ReadsBmpPngJpegAndGif) {
  for (const char* soort : {"BMP", "PNG"}) {
    const QString pad = Schrijf(soort, Opgeslagen(Proefbeeld(), soort));
    const GeladenPlaatje p = LeesPlaatje(pad);
    ASSERT_TRUE(p.gelukt()) << soort << ": " << p.melding.toStdString();
    EXPECT_EQ(p.beeld.size(), QSize(6, 4));
    const QImage b = MaakFiguurBitmap(p.beeld);
    EXPECT_EQ(b.pixelIndex(1, 1), 1) << soort;
    EXPECT_EQ(b.pixelIndex(0, 0), 0) << soort;
  }
  // JPEG only keeps the size exactly: its white comes back nearly white.
  const GeladenPlaatje jpeg = LeesPlaatje(Schrijf("foto.jpg", Opgeslagen(Proefbeeld(), "JPEG", 95)));
  ASSERT_TRUE(jpeg.gelukt()) << jpeg.melding.toStdString();
  EXPECT_EQ(jpeg.beeld.size(), QSize(6, 4));

  const GeladenPlaatje gif = LeesPlaatje(Schrijf("twee.gif", kGif));
  ASSERT_TRUE(gif.gelukt()) << gif.melding.toStdString();
  const QImage b = MaakFiguurBitmap(gif.beeld);
  ASSERT_EQ(b.size(), QSize(2, 1));
  EXPECT_EQ(b.pixelIndex(0, 0), 1);
  EXPECT_EQ(b.pixelIndex(1, 0), 0);
}

TEST_F(PlaatjeTest, TheContentDecidesNotTheName) {
  const GeladenPlaatje p = LeesPlaatje(Schrijf("eigenlijk-png.bmp", Opgeslagen(Proefbeeld(), "PNG")));
  ASSERT_TRUE(p.gelukt()) << p.melding.toStdString();
  EXPECT_EQ(p.beeld.size(), QSize(6, 4));
}

TEST_F(PlaatjeTest, AFileThatIsNoPictureGivesAMessage) {
  const QString pad = Schrijf("brief.bmp", "Beste klant,\r\nhierbij de etiketten.\r\n");
  const GeladenPlaatje p = LeesPlaatje(pad);
  EXPECT_FALSE(p.gelukt());
  EXPECT_EQ(p.melding, QStringLiteral("Fout bij het lezen van afbeelding\n") + pad +
                           QStringLiteral("\n\nDit bestand is geen afbeelding (BMP, PNG, JPEG of GIF)."));

  // A picture type the toolkit could read, but that is no figure source.
  const QString svg = Schrijf("vorm.svg",
                              "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"4\" height=\"4\">"
                              "<rect width=\"4\" height=\"4\"/></svg>");
  EXPECT_EQ(Reden(LeesPlaatje(svg)), QStringLiteral("Dit bestand is geen afbeelding (BMP, PNG, JPEG of GIF)."));

  EXPECT_FALSE(LeesPlaatje(Schrijf("leeg.png", QByteArray())).gelukt());
}

TEST_F(PlaatjeTest, AMissingFileCannotBeOpened) {
  const QString pad = tmp.path(QStringLiteral("weg.bmp"));
  EXPECT_EQ(LeesPlaatje(pad).melding, QStringLiteral("Fout bij het openen van bestand\n") + pad);
}

TEST_F(PlaatjeTest, ATruncatedPictureIsDamaged) {
  QImage groot(200, 200, QImage::Format_RGB32);
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 200; ++x) groot.setPixel(x, y, qRgb(x, y, x ^ y));
  const QByteArray png = Opgeslagen(groot, "PNG");
  const GeladenPlaatje p = LeesPlaatje(Schrijf("half.png", png.left(png.size() / 3)));
  EXPECT_FALSE(p.gelukt());
  EXPECT_EQ(Reden(p), QStringLiteral("De afbeelding is beschadigd of onvolledig."));
}

TEST_F(PlaatjeTest, AHugePictureIsRefusedBeforeItIsDecoded) {
  // 10000 x 10000 would need 400 MB once decoded.
  const GeladenPlaatje p = LeesPlaatje(Schrijf("reus.bmp", BmpKop(10000, 10000)));
  EXPECT_FALSE(p.gelukt());
  EXPECT_EQ(Reden(p), QStringLiteral("De afbeelding is te groot: 10000 x 10000 beeldpunten, ten hoogste 33554432 beeldpunten."));

  // Exactly at the limit it is read; one row more is too much.
  QImage grens(8192, 4096, QImage::Format_Mono);
  grens.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  grens.fill(1);
  const GeladenPlaatje heel = LeesPlaatje(Schrijf("grens.bmp", Opgeslagen(grens, "BMP")));
  ASSERT_TRUE(heel.gelukt()) << qPrintable(heel.melding);
  EXPECT_EQ(heel.beeld.size(), QSize(8192, 4096));
  EXPECT_EQ(heel.beeld.pixelColor(8191, 4095), QColor(Qt::black));
  EXPECT_FALSE(LeesPlaatje(Schrijf("voorbij.bmp", BmpKop(8192, 4097))).gelukt());

  // A picture within the size of one side but above the caller's bound.
  PlaatjeGrenzen klein;
  klein.maxPunten = 20;
  const GeladenPlaatje q = LeesPlaatjeUit(Opgeslagen(Proefbeeld(), "PNG"), QStringLiteral("proef.png"), klein);
  EXPECT_EQ(Reden(q), QStringLiteral("De afbeelding is te groot: 6 x 4 beeldpunten, ten hoogste 20 beeldpunten."));
}

TEST(IsArchief, EndsInVlgInAnyCase) {
  EXPECT_TRUE(IsArchief(QStringLiteral("/g/roos.VLG")));
  EXPECT_TRUE(IsArchief(QStringLiteral("/g/roos.vlg")));
  EXPECT_TRUE(IsArchief(QStringLiteral("/g/roos.Vlg")));
  // A folder or an earlier part of the name called ".vlg" does not stop it.
  EXPECT_TRUE(IsArchief(QStringLiteral("/g/oud.vlg/roos.vlg")));
  EXPECT_TRUE(IsArchief(QStringLiteral("/g/roos.vlg.vlg")));
  EXPECT_FALSE(IsArchief(QStringLiteral("/g/oud.vlg/roos.bmp")));
  EXPECT_FALSE(IsArchief(QStringLiteral("/g/roos.vlg.bmp")));
  EXPECT_FALSE(IsArchief(QStringLiteral("/g/roosvlg")));
}

TEST(PlaatjeFilters, OwnPicturesFirstInBothSpellings) {
  EXPECT_EQ(PlaatjeFilters(), QStringLiteral("Afbeeldingen (*.bmp *.vlg *.BMP *.VLG);;"
                                             "Andere afbeeldingen (*.png *.jpg *.jpeg *.gif *.PNG *.JPG *.JPEG *.GIF)"));
}
