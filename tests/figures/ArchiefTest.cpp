#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QStringList>

#include "figures/Plaatje.h"
#include "ZipHulp.h"
#include "platform/ZipArchive.h"
#include "support/Tijdelijk.h"

using namespace figures;

namespace {

// Every file below a folder, so a test sees anything written beside it.
QStringList AlleBestanden(const QString& map) {
  QStringList namen;
  QDirIterator it(map, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
  while (it.hasNext()) namen << it.next();
  namen.sort();
  return namen;
}

class ArchiefTest : public ::testing::Test {
 protected:
  // The archives lie one folder down, so an entry escaping upwards would
  // land in the test's own folder.
  TempFolder tmp;
  QString map = [this] {
    QDir(tmp.root()).mkdir(QStringLiteral("galerij"));
    return tmp.path(QStringLiteral("galerij"));
  }();
  const QByteArray bmp = BmpVan(Proefbeeld());
  platform::LibzipReader zip;

  QString Archief(const QString& naam, const std::vector<ZipDeel>& delen) {
    const QString pad = map + u'/' + naam;
    EXPECT_TRUE(MaakZip(pad, delen)) << naam.toStdString();
    return pad;
  }
  static QString Reden(const GeladenPlaatje& p) { return p.melding.section(u'\n', 3); }
};

}  // namespace

TEST_F(ArchiefTest, ReadsTheBitmapNamedAfterTheArchiveInMemory) {
  const QString pad = Archief(QStringLiteral("roos.VLG"), {{"leesmij.txt", "Rozen"}, {"roos.bmp", bmp}});
  const QStringList voor = AlleBestanden(tmp.root());
  const GeladenPlaatje p = LeesPlaatje(pad, zip);
  ASSERT_TRUE(p.gelukt()) << p.melding.toStdString();
  EXPECT_EQ(p.beeld.size(), QSize(6, 4));
  EXPECT_EQ(MaakFiguurBitmap(p.beeld).pixelIndex(2, 2), 1);
  // Nothing unpacked to disk, nothing left behind.
  EXPECT_EQ(AlleBestanden(tmp.root()), voor);
}

TEST_F(ArchiefTest, NamesMatchInAnyLetterCaseAndARenamedArchiveKeepsItsOneBitmap) {
  EXPECT_TRUE(LeesPlaatje(Archief(QStringLiteral("tulp.vlg"), {{"TULP.BMP", bmp}}), zip).gelukt());
  // Renamed after it was made: its only bitmap is still the picture.
  EXPECT_TRUE(LeesPlaatje(Archief(QStringLiteral("kopie van roos.vlg"), {{"roos.bmp", bmp}}), zip).gelukt());
  // The named bitmap wins over another one.
  const QByteArray anders = BmpVan(QImage(3, 3, QImage::Format_RGB32));
  const GeladenPlaatje p =
      LeesPlaatje(Archief(QStringLiteral("lelie.vlg"), {{"andere.bmp", anders}, {"lelie.bmp", bmp}}), zip);
  ASSERT_TRUE(p.gelukt());
  EXPECT_EQ(p.beeld.size(), QSize(6, 4));
}

TEST_F(ArchiefTest, EntriesOutsideTheArchiveFolderAreNeverTaken) {
  QStringList verwacht = AlleBestanden(tmp.root());
  int n = 0;
  for (const char* naam : {"../roos.bmp", "sub/../../roos.bmp", "/roos.bmp", "..\\roos.bmp", "sub/roos.bmp"}) {
    // Each the archive's only bitmap, which would otherwise be taken.
    const QString pad = Archief(QStringLiteral("roos%1.vlg").arg(++n), {{naam, bmp}});
    verwacht << pad;
    const GeladenPlaatje p = LeesPlaatje(pad, zip);
    EXPECT_FALSE(p.gelukt()) << naam;
    EXPECT_EQ(Reden(p), QStringLiteral("Het archief bevat geen afbeelding.")) << naam;
  }
  // Beside such an entry the plain one is read.
  const QString pad = Archief(QStringLiteral("tulp.vlg"), {{"../tulp.bmp", "geen bitmap"}, {"tulp.bmp", bmp}});
  verwacht << pad;
  EXPECT_TRUE(LeesPlaatje(pad, zip).gelukt());
  // Only the archives themselves are new: nothing appeared above or beside them.
  verwacht.sort();
  EXPECT_EQ(AlleBestanden(tmp.root()), verwacht);
}

TEST_F(ArchiefTest, AnArchiveWithoutItsBitmapInsertsNothing) {
  const GeladenPlaatje p = LeesPlaatje(Archief(QStringLiteral("leeg.vlg"), {{"leesmij.txt", "niets"}}), zip);
  EXPECT_FALSE(p.gelukt());
  EXPECT_EQ(p.melding, QStringLiteral("Fout bij het lezen van archief\n") + map +
                           QStringLiteral("/leeg.vlg\n\nHet archief bevat geen afbeelding."));
  // Two bitmaps, neither named after the archive: which one is unclear.
  EXPECT_EQ(Reden(LeesPlaatje(Archief(QStringLiteral("twee.vlg"), {{"a.bmp", bmp}, {"b.bmp", bmp}}), zip)),
            QStringLiteral("Het archief bevat geen afbeelding."));
  // The named entry holds no picture.
  EXPECT_EQ(Reden(LeesPlaatje(Archief(QStringLiteral("tekst.vlg"), {{"tekst.bmp", "geen bitmap"}}), zip)),
            QStringLiteral("Dit bestand is geen afbeelding (BMP, PNG, JPEG of GIF)."));
}

TEST_F(ArchiefTest, AnEntryLargerThanTheBoundIsRefused) {
  PlaatjeGrenzen grenzen;
  grenzen.maxArchiefBytes = bmp.size() - 1;
  const QString pad = Archief(QStringLiteral("roos.vlg"), {{"roos.bmp", bmp}});
  EXPECT_EQ(Reden(LeesPlaatje(pad, zip, grenzen)),
            QStringLiteral("De afbeelding in het archief is te groot (meer dan %1 bytes).").arg(bmp.size() - 1));
}

TEST_F(ArchiefTest, TheDeclaredSizeIsCheckedFirstAndNeverTrusted) {
  // Claims 4 GB: refused without unpacking anything.
  const QString groot = Archief(QStringLiteral("groot.vlg"), {{"groot.bmp", bmp, true}});
  QByteArray bytes = LeesBytes(groot);
  ZetGemeldeMaat(bytes, 0xFFFFFFF0u);
  SchrijfBytes(groot, bytes);
  EXPECT_EQ(Reden(LeesPlaatje(groot, zip)), QStringLiteral("De afbeelding in het archief is te groot (meer dan 64 MB)."));

  // Claims 10 bytes but unpacks to 200000: reading stops at the bound.
  const QString klein = Archief(QStringLiteral("klein.vlg"), {{"klein.bmp", QByteArray(200000, 'x')}});
  bytes = LeesBytes(klein);
  ZetGemeldeMaat(bytes, 10);
  SchrijfBytes(klein, bytes);
  platform::ZipError fout = platform::ZipError::None;
  const auto archief = zip.open(klein, fout);
  ASSERT_TRUE(archief);
  QByteArray uit;
  EXPECT_EQ(archief->read(0, 1000, uit), platform::ZipError::TooLarge);
  EXPECT_TRUE(uit.isEmpty());
}

TEST_F(ArchiefTest, ReadingStopsExactlyAtTheBound) {
  const QString pad = Archief(QStringLiteral("data.vlg"), {{"data.bin", QByteArray(5000, 'a')}});
  platform::ZipError fout;
  auto archief = zip.open(pad, fout);
  ASSERT_TRUE(archief);
  platform::ZipEntry e;
  ASSERT_EQ(archief->entry(0, e), platform::ZipError::None);
  EXPECT_EQ(e.name, QStringLiteral("data.bin"));
  EXPECT_EQ(e.size, 5000u);
  QByteArray uit;
  EXPECT_EQ(archief->read(0, 5000, uit), platform::ZipError::None);
  EXPECT_EQ(uit, QByteArray(5000, 'a'));
  EXPECT_EQ(archief->read(0, 4999, uit), platform::ZipError::TooLarge);
  EXPECT_TRUE(uit.isEmpty());
  EXPECT_EQ(archief->read(1, 5000, uit), platform::ZipError::NoEntry);
}

TEST_F(ArchiefTest, DamagedArchivesInsertNothing) {
  const QString geenZip = map + QStringLiteral("/ruis.vlg");
  SchrijfBytes(geenZip, QByteArray("Dit is geen zip-archief, alleen tekst.\n").repeated(20));
  EXPECT_EQ(Reden(LeesPlaatje(geenZip, zip)), QStringLiteral("Het archief is beschadigd of is geen zip-archief."));

  // Cut short: the directory at the end is gone.
  const QString kort = Archief(QStringLiteral("kort.vlg"), {{"kort.bmp", bmp}});
  QByteArray bytes = LeesBytes(kort);
  SchrijfBytes(kort, bytes.left(bytes.size() - 30));
  EXPECT_EQ(Reden(LeesPlaatje(kort, zip)), QStringLiteral("Het archief is beschadigd of is geen zip-archief."));

  // The stored bitmap's dots changed: its checksum no longer matches.
  const QString krom = Archief(QStringLiteral("krom.vlg"), {{"krom.bmp", bmp, true}});
  bytes = LeesBytes(krom);
  const qsizetype data = bytes.indexOf(QByteArray("BM")) + 60;
  bytes[data] = char(bytes[data] ^ 0x5A);
  SchrijfBytes(krom, bytes);
  EXPECT_EQ(Reden(LeesPlaatje(krom, zip)), QStringLiteral("Het archief is beschadigd."));

  const QString weg = map + QStringLiteral("/weg.vlg");
  EXPECT_EQ(LeesPlaatje(weg, zip).melding, QStringLiteral("Fout bij het openen van bestand\n") + weg);
}

TEST_F(ArchiefTest, AnEncryptedBitmapIsNotRead) {
  if (!zip_encryption_method_supported(ZIP_EM_AES_256, 1)) GTEST_SKIP() << "libzip built without encryption";
  const QString pad = Archief(QStringLiteral("geheim.vlg"), {{"geheim.bmp", bmp, false, "wachtwoord"}});
  EXPECT_EQ(Reden(LeesPlaatje(pad, zip)), QStringLiteral("De afbeelding in het archief is met een wachtwoord beveiligd."));
}
