// A list as a spreadsheet exports it (header, quotes, decimal commas, CR LF,
// a quantity column) printed through vellora-print, held label by label
// against the same design printed with each row's values typed in, and
// every label's barcode read back by a real decoder.
#include <gtest/gtest.h>

#include <QFile>
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

Afloop Print(const TempFolder& tmp, const QStringList& argumenten, const QByteArray& invoer = {}) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), tmp.path(QStringLiteral("config")));
  p.setProcessEnvironment(env);
  p.start(QStringLiteral(VELLORA_PRINT), QStringList{QStringLiteral("-q"), QStringLiteral("--catalog"), kCatalogus,
                                                     QStringLiteral("--model"), QStringLiteral("VL200")} +
                                             argumenten);
  p.write(invoer);
  p.closeWriteChannel();
  p.waitForFinished(120000);
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardError()};
}

QByteArray Lees(const QString& pad) {
  QFile f(pad);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// One row of the list as the test knows it, independent of any reader.
struct Rij {
  QString artikel, prijs, code;
  int aantal;
};

const std::vector<Rij> kRijen = {
    {QStringLiteral("Kaas \"Oud\" 48+"), QStringLiteral("4,95"), QStringLiteral("KAAS-0001"), 3},
    {QStringLiteral("Melk; halfvol"), QStringLiteral("1,10"), QStringLiteral("MELK-0002"), 1},
    {QStringLiteral("Brood"), QStringLiteral("2,25"), QStringLiteral("BROOD-003"), 0},
    {QStringLiteral("Appel, Elstar"), QStringLiteral("0,89"), QStringLiteral("APPEL-004"), 2},
};

// As a Dutch spreadsheet saves "CSV UTF-8": a byte-order mark, semicolons,
// text quoted with its quotes doubled, decimal commas, CR LF.
QByteArray Spreadsheet(QChar scheiding = u';') {
  const auto veld = [&](const QString& w) {
    if (w.contains(scheiding) || w.contains(u'"') || w.contains(u' '))
      return u'"' + QString(w).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
    return w;
  };
  QString uit = QStringList{QStringLiteral("Artikel"), QStringLiteral("Prijs"), QStringLiteral(" Code "),
                            QStringLiteral("Aantal")}
                    .join(scheiding) +
                QStringLiteral("\r\n");
  for (const Rij& r : kRijen)
    uit += QStringList{veld(r.artikel), veld(r.prijs), veld(r.code), QString::number(r.aantal)}.join(scheiding) +
           QStringLiteral("\r\n");
  return "\xEF\xBB\xBF" + uit.toUtf8();
}

// The design, with its codes or with one row's values typed in.
Ontwerp Ontwerpen(const QString& artikel, const QString& prijsregel, const QString& code) {
  Ontwerp o;
  const auto tekst = [&](const QString& t, float boven) {
    const int i = o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
    o.voorwerp(i).tekst().Tekst = t;
    o.voorwerp(i).tekst().Lettertype = QStringLiteral("DejaVu Sans");
    o.voorwerp(i).tekst().Lettergrootte = 9;
    float l = -24, b = boven, br = 48, h = 4.5f;
    o.PlaatsVoorwerp(i, l, b, br, h);
  };
  tekst(artikel, -14);
  tekst(prijsregel, -9);
  const int c = o.NieuwVoorwerp(SoortVoorwerp::Streepjescodevoorwerp);
  o.voorwerp(c).code().Soort = StreepjescodeSoort::Code128;
  o.voorwerp(c).code().Gegevens = code;
  float l = -23, b = -3, br = 46, h = 16;
  o.PlaatsVoorwerp(c, l, b, br, h);
  return o;
}

// The labels of a stream in the order the printer prints them, each once
// per copy its sheet is printed in (every sheet of "50 x 30" holds one).
struct Etiket {
  QImage beeld;
  int V = 0, H = 0;
};
std::vector<Etiket> Etiketten(const QByteArray& stroom) {
  const sbpl::Lezing lezing = sbpl::Lees(stroom);
  EXPECT_TRUE(lezing.fout.isEmpty()) << lezing.fout.toStdString();
  std::vector<Etiket> uit;
  for (const sbpl::Vel& vel : lezing.vellen) {
    EXPECT_TRUE(vel.gesloten);
    for (int q = 0; q < vel.aantal; ++q)
      for (const sbpl::Label& l : vel.labels) uit.push_back({l.beeld, l.V, l.H});
  }
  return uit;
}

QImage EenBit(const QImage& beeld) {
  QImage uit(beeld.size(), QImage::Format_Mono);
  uit.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  for (int y = 0; y < beeld.height(); ++y)
    for (int x = 0; x < beeld.width(); ++x) uit.setPixel(x, y, qGray(beeld.pixel(x, y)) < 128 ? 1 : 0);
  return uit;
}

}  // namespace

TEST(LijstBewijs, ASpreadsheetExportPrintsAsEachRowTypedIn) {
  TempFolder tmp;
  const QString ontwerp = tmp.path(QStringLiteral("lijst.VLO"));
  ASSERT_TRUE(BewaarEtiket(ontwerp, kBestTypeVersie4,
                           Ontwerpen(QStringLiteral("[artikel]"), QStringLiteral("\u20AC [Prijs] tot [Datum+30]"),
                                     QStringLiteral("[Code]")),
                           QStringLiteral("50 x 30"))
                  .Gelukt());
  const QString csv = tmp.write(QStringLiteral("export.csv"), Spreadsheet());
  const QString prn = tmp.path(QStringLiteral("lijst.prn"));
  const QStringList gemeen = {QStringLiteral("--skip-header"), QStringLiteral("--quantity-column"),
                              QStringLiteral("aantal"), QStringLiteral("--date"), QStringLiteral("2026-02-27"),
                              QStringLiteral("-n"), QStringLiteral("2")};
  const Afloop r = Print(tmp, gemeen + QStringList{QStringLiteral("--list"), csv, QStringLiteral("-o"), prn, ontwerp});
  ASSERT_EQ(r.code, 0) << r.fout.toStdString();
  EXPECT_TRUE(r.fout.isEmpty()) << r.fout.toStdString();
  const std::vector<Etiket> lijst = Etiketten(Lees(prn));

  // Each row typed into the design, printed its quantity times two.
  std::vector<Etiket> verwacht;
  std::vector<QString> codes;
  for (size_t i = 0; i < kRijen.size(); ++i) {
    const Rij& rij = kRijen[i];
    if (rij.aantal == 0) continue;
    const QString los = tmp.path(QStringLiteral("rij%1.VLO").arg(i));
    // 27 February 2026 and thirty days: 29 March.
    ASSERT_TRUE(BewaarEtiket(los, kBestTypeVersie4,
                             Ontwerpen(rij.artikel, QStringLiteral("\u20AC ") + rij.prijs + QStringLiteral(" tot 29-03-2026"),
                                       rij.code),
                             QStringLiteral("50 x 30"))
                    .Gelukt());
    const QString uit = tmp.path(QStringLiteral("rij%1.prn").arg(i));
    ASSERT_EQ(Print(tmp, {QStringLiteral("-n"), QString::number(2 * rij.aantal), QStringLiteral("-o"), uit, los}).code, 0);
    for (const Etiket& e : Etiketten(Lees(uit))) {
      verwacht.push_back(e);
      codes.push_back(rij.code);
    }
  }
  ASSERT_EQ(lijst.size(), verwacht.size());
  ASSERT_EQ(lijst.size(), size_t(2 * (3 + 1 + 0 + 2)));
  for (size_t i = 0; i < lijst.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(lijst[i].V, verwacht[i].V);
    EXPECT_EQ(lijst[i].H, verwacht[i].H);
    EXPECT_TRUE(lijst[i].beeld == verwacht[i].beeld);
    EXPECT_EQ(Scan(EenBit(lijst[i].beeld), ZXing::BarcodeFormat::Code128).tekst, codes[i].toStdString());
  }

  // The same list as another program pipes it in, or tab-separated, makes
  // the same stream; on three threads too.
  const QString pijp = tmp.path(QStringLiteral("pijp.prn"));
  ASSERT_EQ(Print(tmp,
                  gemeen + QStringList{QStringLiteral("--jobs"), QStringLiteral("3"), QStringLiteral("--list"),
                                       QStringLiteral("-"), QStringLiteral("-o"), pijp, ontwerp},
                  Spreadsheet())
                .code,
            0);
  EXPECT_EQ(Lees(pijp), Lees(prn));
  const QString tsv = tmp.write(QStringLiteral("export.tsv"), Spreadsheet(u'\t'));
  const QString tabs = tmp.path(QStringLiteral("tabs.prn"));
  ASSERT_EQ(Print(tmp, gemeen + QStringList{QStringLiteral("--list"), tsv, QStringLiteral("-o"), tabs, ontwerp}).code, 0);
  EXPECT_EQ(Lees(tabs), Lees(prn));

  // Rows chosen: the fourth, then the first, in that order.
  const QString keuze = tmp.path(QStringLiteral("keuze.prn"));
  ASSERT_EQ(Print(tmp, gemeen + QStringList{QStringLiteral("--rows"), QStringLiteral("4,1"), QStringLiteral("--list"),
                                           csv, QStringLiteral("-o"), keuze, ontwerp})
                .code,
            0);
  const std::vector<Etiket> gekozen = Etiketten(Lees(keuze));
  ASSERT_EQ(gekozen.size(), size_t(2 * (2 + 3)));
  for (size_t i = 0; i < gekozen.size(); ++i)
    EXPECT_EQ(Scan(EenBit(gekozen[i].beeld), ZXing::BarcodeFormat::Code128).tekst, i < 4 ? "APPEL-004" : "KAAS-0001")
        << i;
}

TEST(LijstBewijs, AQuantityThatIsNoNumberStopsTheRunBeforeAnythingIsSentNamingTheRow) {
  TempFolder tmp;
  const QString ontwerp = tmp.path(QStringLiteral("lijst.VLO"));
  ASSERT_TRUE(BewaarEtiket(ontwerp, kBestTypeVersie4,
                           Ontwerpen(QStringLiteral("[Artikel] [Maat]"), QStringLiteral("[Prijs]"), QStringLiteral("X")),
                           QStringLiteral("50 x 30"))
                  .Gelukt());
  const QString prn = tmp.path(QStringLiteral("x.prn"));
  for (const auto& [aantal, melding] :
       {std::pair<QByteArray, QByteArray>{"", "Rij 2 heeft geen aantal in kolom Aantal."},
        {"2,5", "Rij 2 heeft in kolom Aantal het aantal \"2,5\"; dat moet een geheel getal van 0 tot 32767 zijn."}}) {
    const QByteArray lijst = "Artikel;Prijs;Aantal\r\nKaas;4,95;1\r\nMelk;1,10;" + aantal + "\r\nBrood;2,25;1\r\n";
    const Afloop r = Print(tmp, {QStringLiteral("--list"), QStringLiteral("-"), QStringLiteral("--skip-header"),
                                 QStringLiteral("--quantity-column"), QStringLiteral("Aantal"), QStringLiteral("-o"),
                                 prn, ontwerp},
                           lijst);
    EXPECT_EQ(r.code, 1);
    // The code that names no column is told first; then why nothing printed.
    EXPECT_EQ(r.fout, "vellora-print: no column for [Maat]; printed as typed\nvellora-print: " + melding + "\n")
        << r.fout.toStdString();
    EXPECT_FALSE(QFile::exists(prn));
  }
}

TEST(LijstBewijs, ADesignThatRemembersItsListPrintsItWithoutBeingToldAndSaysWhenItIsGone) {
  TempFolder tmp;
  const QString csv = tmp.write(QStringLiteral("export.csv"), Spreadsheet());
  Ontwerp o = Ontwerpen(QStringLiteral("[Artikel]"), QStringLiteral("[Prijs]"), QStringLiteral("[Code]"));
  o.nummering.LijstBestand = csv;
  o.nummering.Kopregel = true;
  o.nummering.AantalKolom = QStringLiteral("Aantal");
  o.nummering.LijstOnthouden = true;
  const QString ontwerp = tmp.path(QStringLiteral("lijst.VLO"));
  ASSERT_TRUE(BewaarEtiket(ontwerp, kBestTypeVersie5, o, QStringLiteral("50 x 30")).Gelukt());
  const QString zelf = tmp.path(QStringLiteral("zelf.prn")), gezegd = tmp.path(QStringLiteral("gezegd.prn"));
  ASSERT_EQ(Print(tmp, {QStringLiteral("-o"), zelf, ontwerp}).code, 0);
  ASSERT_EQ(Print(tmp, {QStringLiteral("--list"), csv, QStringLiteral("--skip-header"), QStringLiteral("--quantity-column"),
                        QStringLiteral("Aantal"), QStringLiteral("-o"), gezegd, ontwerp})
                .code,
            0);
  EXPECT_EQ(Etiketten(Lees(zelf)).size(), 6u);
  EXPECT_EQ(Lees(zelf), Lees(gezegd));
  ASSERT_TRUE(QFile::remove(csv));
  const Afloop weg = Print(tmp, {QStringLiteral("-o"), zelf, ontwerp});
  EXPECT_EQ(weg.code, 1);
  EXPECT_EQ(weg.fout, "vellora-print: the list " + csv.toUtf8() + " that the design names is not there\n");
}
