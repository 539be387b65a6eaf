// Writes the seed corpus of every fuzz target into a folder of its own
// under the folder given: valid inputs made by the program's own writers
// where it has one, and small hand-made ones where the input comes from
// elsewhere (lists, pictures, archives).
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPicture>
#include <QTemporaryDir>
#include <cstdio>

#include "figures/ZipHulp.h"
#include "files/BewaarEtiket.h"
#include "files/EtiketBestand.h"
#include "model/ZwartWit.h"
#include "files/Instellingen.h"
#include "platform/SettingsStore.h"
#include "printing/Afdrukjob.h"
#include "printing/Sbpl.h"
#include "printing/Zpl.h"

using namespace printing;

namespace {

QImage Bitmap(int w, int h, int stap) {
  QImage m(w, h, QImage::Format_Mono);
  m.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  m.fill(0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if ((x + y) % stap == 0) m.setPixel(x, y, 1);
  return m;
}

void NieuweLijn(Ontwerp& o, const QString& tekst, float boven) {
  Voorwerp& v = o.voorwerp(o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn));
  v.tekst().Tekst = tekst;
  v.tekst().Lettergrootte = 10;
  v.tekst().Lettertype = QStringLiteral("Arial");
  v.tekst().Vet = true;
  v.tekst().Cursief = Bool16::fromRaw(1);
  v.tekst().Uitlijning = 2;
  v.Links = -40;
  v.Boven = boven;
  v.Breedte = 80;
  v.Hoogte = 3.5f;
}

void NieuweFiguur(Ontwerp& o, const QImage& beeld, bool bijsnijden) {
  Voorwerp& v = o.voorwerp(o.NieuwVoorwerp(SoortVoorwerp::Figuur));
  auto b = std::make_unique<Beeld>();
  b->raster = beeld;
  v.beeld().ZetAfbeelding(std::move(b), beeld.width(), beeld.height());
  if (bijsnijden) {
    v.beeld().BronX = 1;
    v.beeld().BronY = 2;
    v.beeld().BronBreedte = beeld.width() - 1;
    v.beeld().BronHoogte = beeld.height() - 2;
  }
  v.Links = 5;
  v.Boven = -10;
  v.Breedte = 20;
  v.Hoogte = 15;
}

void NieuweRondeTekst(Ontwerp& o, const QString& tekst, bool wijzerzin) {
  Voorwerp& v = o.voorwerp(o.NieuwVoorwerp(SoortVoorwerp::RondeTekst));
  v.tekst().Tekst = tekst;
  v.tekst().Lettergrootte = 9;
  v.tekst().Lettertype = QStringLiteral("Arial");
  v.tekst().Uitlijning = 1;
  v.cirkel().Straal = 17.5f;
  v.cirkel().Wijzerzin = wijzerzin;
  v.cirkel().Referentiepunt = 270;
  v.Links = -18;
  v.Boven = -18;
  v.Breedte = 36;
  v.Hoogte = 36;
}

void NieuweCode(Ontwerp& o, StreepjescodeSoort soort, const QString& gegevens, qint16 module) {
  Voorwerp& v = o.voorwerp(o.NieuwVoorwerp(SoortVoorwerp::Streepjescodevoorwerp));
  v.code().Soort = soort;
  v.code().Gegevens = gegevens;
  v.code().Modulebreedte = module;
  v.code().TekstTonen = module == 0;
  v.Links = -20;
  v.Boven = 0;
  v.Breedte = 40;
  v.Hoogte = 15;
}

void Bewaar(const QString& pad, const QByteArray& bytes) {
  QFile f(pad);
  if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(pad));
    std::exit(1);
  }
}

void Catalogi(const QDir& map) {
  Bewaar(map.filePath(QStringLiteral("een.eft")), "1\r\n\"89 x 36 adres\",0,89,36,92,39,1,1,95,39,3,1.5,1,1,1,1\r\n");
  Bewaar(map.filePath(QStringLiteral("vel.eft")),
         "3\n\"A4 3 x 8\",0,70,36,70,37,3,8,210,297,0,0.5,0.75,0.75,0.75,0.75\n"
         "\"Rond 40\",1,40,40,43,43,1,1,44,43,2,1.5,0,0,0,0\n"
         "\"klein, smal\",0,2.5e1,1E1,28,12,1,1,28,12,-1.5,.5,0.5,0.5,0.5,0.5\n");
  Bewaar(map.filePath(QStringLiteral("leeg.eft")), "0\r\n");
}

// Stock sheets as gLabels' template files describe them: every shape,
// units, an alias, several grids, a paper size of its own.
void Sjablonen(const QDir& map) {
  Bewaar(map.filePath(QStringLiteral("merk-templates.xml")),
         "<?xml version=\"1.0\"?>\n<Glabels-templates>\n"
         "<Template brand=\"Merk\" part=\"R\" size=\"A4\"><Label-rectangle id=\"0\" width=\"2in\" "
         "height=\"72\" round=\"1cm\"><Markup-margin size=\"5\"/><Layout nx=\"2\" ny=\"3\" x0=\"10mm\" "
         "y0=\"1pc\" dx=\"60mm\" dy=\"1.5in\"/></Label-rectangle></Template>\n"
         "<Template brand=\"Merk\" part=\"R-B\" equiv=\"R\"/>\n"
         "<Template brand=\"Merk\" part=\"O\" size=\"Other\" width=\"100mm\" height=\"50mm\">"
         "<Label-round id=\"0\" radius=\"20mm\"><Layout nx=\"2\" ny=\"1\" x0=\"5mm\" y0=\"5mm\" "
         "dx=\"45mm\" dy=\"45mm\"/></Label-round></Template>\n"
         "<Template brand=\"Merk\" part=\"E\" size=\"US-Letter\"><Label-ellipse id=\"0\" width=\"3in\" "
         "height=\"1in\"><Layout nx=\"1\" ny=\"4\" x0=\"1in\" y0=\"1in\" dx=\"3in\" dy=\"2in\"/>"
         "</Label-ellipse></Template>\n"
         "<Template brand=\"Merk\" part=\"CD\" size=\"A4\"><Label-cd id=\"0\" radius=\"58mm\" "
         "hole=\"20mm\"><Layout nx=\"1\" ny=\"2\" x0=\"10mm\" y0=\"10mm\" dx=\"0\" dy=\"130mm\"/>"
         "</Label-cd></Template>\n"
         "<Template brand=\"Merk\" part=\"T\" size=\"A4\"><Label-rectangle id=\"0\" width=\"50mm\" "
         "height=\"20mm\"><Layout nx=\"1\" ny=\"2\" x0=\"10mm\" y0=\"10mm\" dx=\"50mm\" dy=\"30mm\"/>"
         "<Layout nx=\"1\" ny=\"2\" x0=\"110mm\" y0=\"10mm\" dx=\"50mm\" dy=\"30mm\"/></Label-rectangle>"
         "</Template>\n</Glabels-templates>\n");
  Bewaar(map.filePath(QStringLiteral("paper-sizes.xml")),
         "<Glabels-paper-sizes><Paper-size id=\"A5\" _name=\"A5\" width=\"148mm\" height=\"210mm\"/>"
         "<Paper-size id=\"X\" width=\"8.5in\" height=\"-1\"/></Glabels-paper-sizes>\n");
}

void Lijsten(const QDir& map) {
  Bewaar(map.filePath(QStringLiteral("komma.csv")),
         "naam,prijs,code\r\nKaas,\"12,50\",8712345678906\r\nMelk,1.10,\r\n");
  Bewaar(map.filePath(QStringLiteral("puntkomma.csv")),
         "\xEF\xBB\xBF\"Ærø\";\"zei \"\"hallo\"\"\";3\n\n\"twee\nregels\";b;c;d;e;f;g\n");
  Bewaar(map.filePath(QStringLiteral("cp1252.csv")), "caf\xE9;\x80 5\r\n;;\r\n\r\n");
  Bewaar(map.filePath(QStringLiteral("tab-cr.csv")), "Kaas\t4,95\t\"a;\rb\"\rMelk\t1,10\r\r");
  static const char le[] = "\xFF\xFEK\0a\0;\0\xAC\x20,\0\r\0\n\0\"\0\x34\xD8\x1E\xDD\"\0;\0" "1\0";
  static const char be[] = "\xFE\xFF\0a\0\t\0b\0\r\0c\0\t\0d";
  Bewaar(map.filePath(QStringLiteral("utf16le.csv")), QByteArray(le, sizeof le - 1));
  Bewaar(map.filePath(QStringLiteral("utf16be.csv")), QByteArray(be, sizeof be - 1));
}

void Instellingenbestanden(const QDir& map) {
  // The program's own writer, with the awkward values it must escape.
  QTemporaryDir tijdelijk;
  const QString pad = tijdelijk.filePath(QStringLiteral("vellora.conf"));
  {
    platform::IniSettingsStore s(pad);
    Instellingen i;
    i.FileFolder = QStringLiteral("/home/an/etiketten;oud");
    i.Printer1 = QStringLiteral("/dev/usb/lp0");
    i.Galerijen = {{QStringLiteral("[Dieren]"), QStringLiteral("C:\\Plaatjes")},
                   {QStringLiteral("a=b"), QStringLiteral("x\ny")}};
    BewaarStand(s, 3, VensterPlaats{10, 20, 3000, 4000, 2}, true, false, i);
    BewaarVerschuiving(s, QStringLiteral("89 x 36"), Verschuiving{QStringLiteral("1,5"), QStringLiteral("-2")});
    s.writeList(QStringLiteral("Recent"), QStringLiteral("Files"),
                {QStringLiteral("/a;b.VLO"), QStringLiteral("c.vlo")});
    if (!s.flush()) std::exit(1);
  }
  QFile f(pad);
  if (!f.open(QIODevice::ReadOnly)) std::exit(1);
  Bewaar(map.filePath(QStringLiteral("eigen.conf")), f.readAll());
  Bewaar(map.filePath(QStringLiteral("hand.conf")),
         "; typed by hand\n[Defaults]\nPrinter=2\nPrintSpeed=10\nIntensity=-3\nPrinterPort=x\n\n[galleries]\n"
         "\\;Eerste=C:\\Plaatjes;D:\\meer\n[HorizontalShift]\n89 x 36=1e9\n");
}

void Plaatjes(const QDir& map) {
  QImage beeld(13, 7, QImage::Format_RGB32);
  beeld.fill(Qt::white);
  for (int x = 0; x < 13; ++x) beeld.setPixel(x, x % 7, qRgb(0, 0, 0));
  // The first byte chooses the reader: even a loose picture, odd an archive.
  for (const char* soort : {"BMP", "PNG", "JPEG", "GIF"}) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!beeld.save(&buffer, soort)) continue;  // a build without that plugin
    Bewaar(map.filePath(QString::fromLatin1(soort).toLower()), QByteArray(1, 0) + bytes);
  }
  const QByteArray bmp = BmpVan(beeld.convertToFormat(QImage::Format_Mono));
  QTemporaryDir tijdelijk;
  const QString zip = tijdelijk.filePath(QStringLiteral("roos.VLG"));
  const std::pair<const char*, std::vector<ZipDeel>> archieven[] = {
      {"archief-naam", {{"roos.bmp", bmp}, {"lees mij.txt", "tekst"}}},
      {"archief-enige", {{"iets.BMP", bmp, true}}},
      {"archief-map", {{"../roos.bmp", bmp}, {"map/roos.bmp", bmp}}},
  };
  for (const auto& [naam, delen] : archieven) {
    QFile f(zip);
    if (!MaakZip(zip, delen) || !f.open(QIODevice::ReadOnly)) std::exit(1);
    Bewaar(map.filePath(QString::fromLatin1(naam)), QByteArray(1, 1) + f.readAll());
  }
}

void Stromen(const QDir& map) {
  const char rijen[] = "\xF0\x0F\xAA\x55\xFF\x00\x81\x18\x3C\xC3\x00\xFF\x7E\xE7\x24\x42";
  const QByteArray label = sbpl::Grafiek(12, 345, 2, 8, rijen);
  Bewaar(map.filePath(QStringLiteral("een-vel")),
         sbpl::StartVel() + sbpl::Snelheid(3) + sbpl::Intensiteit(2) + label + sbpl::Aantal(5) + sbpl::EindeVel());
  // A sheet held open by an earlier job, then two more.
  Bewaar(map.filePath(QStringLiteral("open-vel")), label + sbpl::Grafiek(40, 0, 1, 16, rijen) + sbpl::EindeVel() +
                                                       sbpl::StartVel() + label + sbpl::StartVel() + label);
}

// ZPL streams as the jobs write them: a sheet of two rows printed twice,
// and a row held open by an earlier job, closed, then a sheet begun.
void ZplStromen(const QDir& map) {
  const char rijen[] = "\xF0\x0F\xAA\x55\xFF\x00\x81\x18\x3C\xC3\x00\xFF\x7E\xE7\x24\x42";
  const Printertaal& taal = zpl::Taal();
  const QByteArray label = taal.Etiket({8, 16, 2, 8, rijen});
  Afdrukopdracht o;
  o.formaat.Breedte = 30;
  o.formaat.Hoogte = 20;
  o.formaat.VerticaleSteek = 22;
  o.formaat.VelBreedte = 64;
  o.PrintSpeed = 2;
  o.Intensity = 4;
  const QByteArray rij = taal.BeginRij(o, 8, 1);
  Bewaar(map.filePath(QStringLiteral("twee-rijen")),
         taal.BeginVel(o, 8) + rij + label + label + taal.EindeRij(2) + rij + label + taal.EindeRij(2));
  Bewaar(map.filePath(QStringLiteral("open-rij")), label + taal.SluitOpenVel({true, 2, 2}) + taal.BeginVel(o, 8) + rij +
                                                       label + "^FO0,0^GFA,4,4,1,F0,:80^FS" + taal.EindeRij(1));
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_zaden FOLDER\n");
    return 2;
  }
  const QDir wortel(QString::fromLocal8Bit(argv[1]));
  for (const char* doel : {"etiket", "catalogus", "sjablonen", "lijst", "instellingen", "plaatje", "sbpl", "zpl"})
    if (!wortel.mkpath(QString::fromLatin1(doel))) return 1;
  const QDir map(wortel.filePath(QStringLiteral("etiket")));
  auto schrijf = [&](const char* naam, qint16 versie, const Ontwerp& o, const QString& formaat) {
    Bewaar(map.filePath(QString::fromLatin1(naam)), EtiketBytes(versie, o, formaat));
  };

  const Ontwerp leeg;
  schrijf("leeg-v1.VLO", 1, leeg, QStringLiteral("89 x 36"));
  schrijf("leeg-v2.VLO", 2, leeg, QStringLiteral("Rond 40"));

  Ontwerp tekst;
  NieuweLijn(tekst, QStringLiteral("Kaas € 12,50"), -10);
  NieuweLijn(tekst, QString(), 0);
  NieuweLijn(tekst, QStringLiteral("Ærø – café"), 10);
  schrijf("tekst-v1.VLO", 1, tekst, QStringLiteral("89 x 36"));

  Ontwerp alles;
  NieuweFiguur(alles, Bitmap(13, 7, 3), true);
  NieuweLijn(alles, QStringLiteral("Adres"), -12);
  NieuweRondeTekst(alles, QStringLiteral("Rondom de rand"), true);
  NieuweFiguur(alles, Bitmap(40, 3, 5), false);
  NieuweRondeTekst(alles, QStringLiteral("tegen de klok"), false);
  schrijf("alles-v2.VLO", 2, alles, QStringLiteral("Rond 40"));
  schrijf("alles-v1.VLO", 1, alles, QStringLiteral("89 x 36"));

  // Pictures of the other kinds a file may hold.
  Ontwerp vector;
  {
    Voorwerp& v = vector.voorwerp(vector.NieuwVoorwerp(SoortVoorwerp::Figuur));
    auto b = std::make_unique<Beeld>();
    QPainter p(&b->vector);
    p.fillRect(QRect(0, 0, 30, 20), Qt::white);
    p.fillRect(QRect(5, 5, 10, 10), Qt::black);
    p.end();
    b->isVector = true;
    v.beeld().ZetAfbeelding(std::move(b), 30, 20);
  }
  schrijf("vector-v2.VLO", 2, vector, QStringLiteral("89 x 36"));

  // Version 4.0: barcodes between and after the other kinds.
  Ontwerp codes;
  NieuweLijn(codes, QStringLiteral("Artikel"), -12);
  NieuweCode(codes, StreepjescodeSoort::Ean13, QStringLiteral("590123412345"), 0);
  NieuweFiguur(codes, Bitmap(9, 9, 2), false);
  NieuweRondeTekst(codes, QStringLiteral("Rondom"), true);
  NieuweCode(codes, StreepjescodeSoort::QrCode, QStringLiteral("https://vellora.example/[#]"), 4);
  schrijf("codes-v4.VLO", kBestTypeVersie4, codes, QStringLiteral("89 x 36"));
  schrijf("leeg-v4.VLO", kBestTypeVersie4, leeg, QStringLiteral("89 x 36"));

  // Version 5.0: a figure that dithers, with its grey values, and one
  // without them.
  Ontwerp grijs = codes;
  {
    Voorwerp& v = grijs.voorwerp(grijs.NieuwVoorwerp(SoortVoorwerp::Figuur));
    auto b = std::make_unique<Beeld>();
    b->grijs = QImage(12, 6, QImage::Format_Grayscale8);
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 12; ++x) b->grijs.scanLine(y)[x] = uchar(x * 21 + y);
    b->raster = NaarZwartWit(b->grijs);
    v.beeld().ZetAfbeelding(std::move(b), 12, 6);
    v.alsFiguur()->omzetting = {OmzetSoort::FloydSteinberg};
  }
  for (int i = 1; i <= grijs.AantalVoorwerpen(); ++i)
    if (FiguurDeel* f = grijs.voorwerp(i).alsFiguur(); f && f->omzetting.IsStandaard())
      f->omzetting = {OmzetSoort::Drempel, 77};
  schrijf("grijs-v5.VLO", kBestTypeVersie5, grijs, QStringLiteral("89 x 36"));

  Catalogi(QDir(wortel.filePath(QStringLiteral("catalogus"))));
  Sjablonen(QDir(wortel.filePath(QStringLiteral("sjablonen"))));
  Lijsten(QDir(wortel.filePath(QStringLiteral("lijst"))));
  Instellingenbestanden(QDir(wortel.filePath(QStringLiteral("instellingen"))));
  Plaatjes(QDir(wortel.filePath(QStringLiteral("plaatje"))));
  Stromen(QDir(wortel.filePath(QStringLiteral("sbpl"))));
  ZplStromen(QDir(wortel.filePath(QStringLiteral("zpl"))));
  return 0;
}
