// A design that remembers its list: version 5.0 names the list's file in
// block 2, relative to the design where it can, and finds it again beside
// a moved design or where it was; a design without it saves as before.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "files/BewaarEtiket.h"
#include "files/EtiketBestandHulp.h"
#include "files/EtiketToepassen.h"
#include "files/LeesEtiket.h"
#include "support/TestCatalogus.h"
#include "support/Tijdelijk.h"

using namespace files;

namespace {

const QString kFormaat = QStringLiteral("89 x 36");

Ontwerp MetLijst(const QString& lijst) {
  Ontwerp o;
  NieuweTekstlijn(o, QStringLiteral("[Artikel]"), -40, -15);
  o.nummering.LijstBestand = lijst;
  o.nummering.Kopregel = true;
  o.nummering.AantalKolom = QStringLiteral("Aantal");
  o.nummering.Rijkeuze = QStringLiteral("2-4");
  return o;
}

Nummering Gelezen(const QString& pad) {
  const LeesUitkomst u = LeesEtiket(pad, TestCatalogus());
  EXPECT_TRUE(std::holds_alternative<GelezenEtiket>(u));
  Ontwerp o;
  if (const auto* g = std::get_if<GelezenEtiket>(&u)) PasEtiketToe(*g, o, {});
  return o.nummering;
}

QByteArray Inhoud(const QString& pad) {
  QFile f(pad);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(LijstInOntwerp, Block2NamesTheListBesideTheDesignAndFindsItAgain) {
  TempFolder tmp;
  QDir().mkpath(tmp.path(QStringLiteral("a/lijsten")));
  const QString lijst = tmp.write(QStringLiteral("a/lijsten/export.csv"), "Artikel;Aantal\nKaas;2\n");
  Ontwerp o = MetLijst(lijst);
  // Not remembered: the design saves as version 2 always did.
  const QString zonder = tmp.path(QStringLiteral("a/zonder.VLO"));
  ASSERT_TRUE(BewaarEtiket(zonder, 2, o, kFormaat).Gelukt());
  EXPECT_EQ(Inhoud(zonder), EtiketBytes(2, Ontwerp(MetLijst(QString())), kFormaat));
  EXPECT_EQ(BewaarVersie(o, 0), 1);

  o.nummering.LijstOnthouden = true;
  EXPECT_TRUE(GebruiktVersie5(o));
  EXPECT_TRUE(OudeVersieVerliest(o, 2));
  const QString ontwerp = tmp.path(QStringLiteral("a/ontwerp.VLO"));
  ASSERT_TRUE(BewaarEtiket(ontwerp, kBestTypeVersie5, o, kFormaat).Gelukt());
  // The section at the end, byte by byte: one block, tag 2, its length,
  // then the relative path, the absolute one, the header flag, the
  // quantity column and the rows, each text as UTF-8 after its length.
  const QByteArray abs = QFileInfo(lijst).absoluteFilePath().toUtf8();
  QByteArray blok;
  const auto tekst = [&](const QByteArray& t) {
    blok += char(t.size() & 0xFF);
    blok += char(t.size() >> 8);
    blok += t;
  };
  tekst("lijsten/export.csv");
  tekst(abs);
  blok += QByteArray("\xFF\xFF", 2);
  tekst("Aantal");
  tekst("2-4");
  QByteArray sectie = QByteArray("\x01\x00\x02\x00", 4);
  const qint32 n = qint32(blok.size());
  sectie += QByteArray(reinterpret_cast<const char*>(&n), 4) + blok;
  EXPECT_TRUE(Inhoud(ontwerp).endsWith(sectie));
  EXPECT_TRUE(Inhoud(ontwerp).startsWith(QByteArray("\x58\x53\x00\x00", 4)));

  const Nummering terug = Gelezen(ontwerp);
  EXPECT_TRUE(terug.LijstOnthouden);
  EXPECT_EQ(terug.LijstBestand, QFileInfo(lijst).absoluteFilePath());
  EXPECT_TRUE(terug.Kopregel);
  EXPECT_EQ(terug.AantalKolom, QStringLiteral("Aantal"));
  EXPECT_EQ(terug.Rijkeuze, QStringLiteral("2-4"));

  // Design and list moved together: the list beside the design is found.
  ASSERT_TRUE(QDir().rename(tmp.path(QStringLiteral("a")), tmp.path(QStringLiteral("b"))));
  EXPECT_EQ(Gelezen(tmp.path(QStringLiteral("b/ontwerp.VLO"))).LijstBestand,
            QDir(tmp.path(QStringLiteral("b"))).filePath(QStringLiteral("lijsten/export.csv")));
  // A copy of the design elsewhere, the list in neither place: the design
  // still names it (beside it), so that it can be said to be missing.
  const QString elders = tmp.path(QStringLiteral("ontwerp.VLO"));
  ASSERT_TRUE(QFile::copy(tmp.path(QStringLiteral("b/ontwerp.VLO")), elders));
  EXPECT_EQ(Gelezen(elders).LijstBestand, tmp.path(QStringLiteral("lijsten/export.csv")));
  // The list back where it was: found there.
  ASSERT_TRUE(QDir().rename(tmp.path(QStringLiteral("b")), tmp.path(QStringLiteral("a"))));
  EXPECT_EQ(Gelezen(elders).LijstBestand, QFileInfo(lijst).absoluteFilePath());
}

TEST(LijstInOntwerp, ABlockThatClimbsOutOfTheDesignsFolderOrHasNoPathIsDamage) {
  Ontwerp o = MetLijst(QStringLiteral("/lijsten/export.csv"));
  o.nummering.LijstOnthouden = true;
  const QByteArray goed = EtiketBytes(kBestTypeVersie5, o, kFormaat);
  ASSERT_TRUE(std::holds_alternative<GelezenEtiket>(LeesEtiketUit(goed, TestCatalogus())));
  // No relative path was written (no folder known): its length is 0 at the
  // block's start. Give it one that climbs out.
  const qsizetype blok = goed.size() - (2 + 2 + 19 + 2 + 2 + 6 + 2 + 3);
  ASSERT_EQ(goed.mid(blok, 4), QByteArray("\x00\x00\x13\x00", 4));
  QByteArray klimt = goed;
  klimt.replace(blok, 2, QByteArray("\x05\x00../x", 7));
  const qsizetype lengte = blok - 4;
  klimt[lengte] = char(klimt[lengte] + 5);
  EXPECT_EQ(std::get<LeesFout>(LeesEtiketUit(klimt, TestCatalogus())).soort, LeesFout::Beschadigd);
  // One byte more than the block holds.
  QByteArray lang = goed;
  lang[lengte] = char(lang[lengte] + 1);
  lang += '\0';
  EXPECT_EQ(std::get<LeesFout>(LeesEtiketUit(lang, TestCatalogus())).soort, LeesFout::Beschadigd);
}
