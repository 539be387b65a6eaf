// Own formats, stock sheets, office printers and PDF, as the user reaches
// them from the window.
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "files/EigenFormaten.h"
#include "support/EtiketOpstelling.h"
#include "support/Pdf.h"
#include "ui/EigenFormatenDialoog.h"
#include "ui/FormaatDialoog.h"

namespace {

constexpr int kDpi = 300;
constexpr double kMmPerPixel = 25.4 / kDpi;

// Two stock sheets of one maker with labels of the same size (80 x 40 mm)
// laid out differently, and an alias.
const char* kSjablonen = R"(<?xml version="1.0"?>
<Glabels-templates>
  <Template brand="Merk" part="Vel6" size="A4">
    <Label-rectangle id="0" width="80mm" height="40mm" round="2mm">
      <Layout nx="2" ny="3" x0="20mm" y0="30mm" dx="90mm" dy="50mm"/>
    </Label-rectangle>
  </Template>
  <Template brand="Merk" part="Vel6-B" equiv="Vel6"/>
  <Template brand="Merk" part="Vel10" size="A4">
    <Label-rectangle id="0" width="80mm" height="40mm">
      <Layout nx="2" ny="5" x0="15mm" y0="20mm" dx="100mm" dy="52mm"/>
    </Label-rectangle>
  </Template>
  <Template brand="Merk" part="CD" size="A4">
    <Label-cd id="0" radius="58mm" hole="20mm"><Layout nx="1" ny="2" x0="10mm" y0="10mm" dx="0" dy="130mm"/></Label-cd>
  </Template>
</Glabels-templates>
)";

class Vellen : public EtiketOpstelling {
 protected:
  QString eigen = tmp.path(QStringLiteral("config/Vellora/formaten.json"));

  Etiket& StartMetVellen() {
    QDir().mkpath(tmp.path(QStringLiteral("sjablonen")));
    tmp.write(QStringLiteral("sjablonen/merk-templates.xml"), kSjablonen);
    EtiketOpties opties = Opties();
    opties.eigenFormaten = eigen;
    opties.sjablonenMap = tmp.path(QStringLiteral("sjablonen"));
    venster = std::make_unique<Etiket>(opties);
    EXPECT_TRUE(venster->Form_Load());
    venster->show();
    QApplication::processEvents();
    return *venster;
  }

  // Chooses a format in the format dialog through its search box.
  void KiesVoorraad(const QString& zoek, const QString& naam) {
    BeantwoordDialoog<Formaat>([zoek, naam](Formaat* d) {
      d->findChild<QLineEdit*>(QStringLiteral("txtZoeken"))->setText(zoek);
      auto* lijst = d->findChild<QListWidget*>(QStringLiteral("lstVoorraad"));
      for (int i = 0; i < lijst->count(); ++i)
        if (lijst->item(i)->text().startsWith(naam + QStringLiteral("  ("))) lijst->setCurrentRow(i);
      d->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    });
    Kind<QPushButton>("cmdKiezen")->click();
  }

  void Tekst(const QString& tekst, float boven) {
    Wijzig([&](Ontwerp& o) {
      const int i = o.NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
      o.voorwerp(i).tekst().Tekst = tekst;
      o.voorwerp(i).tekst().Lettertype = QStringLiteral("DejaVu Sans");
      o.voorwerp(i).tekst().Lettergrootte = 10;
      float l = -35, b = boven, w = 70, h = 5;
      o.PlaatsVoorwerp(i, l, b, w, h);
    });
  }
};

void Vul(EigenFormaten* d, const char* veld, const QString& tekst) {
  d->findChild<QLineEdit*>(QString::fromLatin1(veld))->setText(tekst);
}

}  // namespace

TEST_F(Vellen, AStockSheetIsFoundByBrandAndPartAndPrintsAsPdfWhereTheSheetHasItsLabels) {
  Etiket& e = StartMetVellen();
  KiesVoorraad(QStringLiteral("merk vel6-b"), QStringLiteral("Merk Vel6-B"));
  ASSERT_EQ(e.HuidigEtiketFormaat().Naam, QStringLiteral("Merk Vel6-B"));
  EXPECT_FLOAT_EQ(e.HuidigEtiketFormaat().Breedte, 80);

  Tekst(QStringLiteral("Label [#]"), -10);
  e.nummering().NummerVan = 1;
  e.nummering().NummerTot = 4;
  e.nummering().NummerStap = 1;
  const QString pdf = tmp.path(QStringLiteral("vel.pdf"));
  bestanden.answers.push_back({pdf, {}});
  Menu("mnuPdf");
  ASSERT_TRUE(QFile::exists(pdf)) << (meldingen.shown.empty() ? "" : meldingen.shown.back().text.toStdString());
  const QString tekst = PdfText(pdf);
  for (int n = 1; n <= 4; ++n) EXPECT_TRUE(tekst.contains(QStringLiteral("Label %1").arg(n))) << n;
  // The page is A4, the sheet of the product.
  EXPECT_NEAR(PdfPageSize(pdf).width() * 25.4 / 72, 210, 0.1);
  EXPECT_NEAR(PdfPageSize(pdf).height() * 25.4 / 72, 297, 0.1);
}

TEST_F(Vellen, TheOfficePrinterBeginsAtTheChosenLabelOfAPartlyUsedSheet) {
  Etiket& e = StartMetVellen();
  KiesVoorraad(QStringLiteral("Vel6"), QStringLiteral("Merk Vel6"));
  ASSERT_EQ(e.HuidigEtiketFormaat().Naam, QStringLiteral("Merk Vel6"));
  // A black box a millimetre inside the label.
  Wijzig([](Ontwerp& o) {
    const int i = o.NieuwVoorwerp(SoortVoorwerp::Figuur);
    auto beeld = std::make_shared<Beeld>();
    beeld->raster = QImage(4, 4, QImage::Format_Mono);
    beeld->raster.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    beeld->raster.fill(1);
    o.voorwerp(i).beeld().ZetAfbeelding(std::move(beeld), 4, 4);
    float l = -39, b = -19, w = 78, h = 38;
    o.PlaatsVoorwerp(i, l, b, w, h);
  });
  Kind<QLineEdit>("txtAantal")->setText(QStringLiteral("4"));
  afdrukdialogen.pdf = tmp.path(QStringLiteral("printer.pdf"));
  afdrukdialogen.answerFirstLabel = 4;
  Menu("mnuAfdrukkenOpVellen");
  EXPECT_EQ(afdrukdialogen.shown, 1);
  EXPECT_EQ(afdrukdialogen.offeredLabels, 6);
  ASSERT_EQ(PdfPages(afdrukdialogen.pdf), 2);
  // Labels 4, 5 and 6 on the first sheet: the second of row 2 and both of
  // row 3; the fourth copy at the top left of the next sheet.
  const std::vector<QRect> eerste = DarkBlobs(RenderPdfPage(afdrukdialogen.pdf, kDpi, 1));
  ASSERT_EQ(eerste.size(), 3u);
  const QPointF plekken[] = {{20 + 90 + 1, 30 + 50 + 1}, {20 + 1, 30 + 100 + 1}, {20 + 90 + 1, 30 + 100 + 1}};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_NEAR(eerste[i].left() * kMmPerPixel, plekken[i].x(), 0.2) << i;
    EXPECT_NEAR(eerste[i].top() * kMmPerPixel, plekken[i].y(), 0.2) << i;
    EXPECT_NEAR(eerste[i].width() * kMmPerPixel, 78, 0.2) << i;
  }
  const std::vector<QRect> tweede = DarkBlobs(RenderPdfPage(afdrukdialogen.pdf, kDpi, 2));
  ASSERT_EQ(tweede.size(), 1u);
  EXPECT_NEAR(tweede[0].left() * kMmPerPixel, 21, 0.2);
  EXPECT_NEAR(tweede[0].top() * kMmPerPixel, 31, 0.2);

  // Cancelled: nothing is printed.
  QFile::remove(afdrukdialogen.pdf);
  afdrukdialogen.pdf.clear();
  Menu("mnuAfdrukkenOpVellen");
  EXPECT_EQ(afdrukdialogen.shown, 2);
}

TEST_F(Vellen, ADesignMovesToAnotherSheetWithLabelsOfTheSameSize) {
  using A = platform::MessageService::Answer;
  Etiket& e = StartMetVellen();
  KiesVoorraad(QStringLiteral("Vel6"), QStringLiteral("Merk Vel6"));
  Tekst(QStringLiteral("Blijft staan"), -10);
  NieuweFiguur(-20, 0, 10, 10);
  meldingen.shown.clear();
  meldingen.answers = {A::No, A::Yes};  // not saved; taken along
  KiesVoorraad(QStringLiteral("Vel10"), QStringLiteral("Merk Vel10"));
  EXPECT_EQ(e.HuidigEtiketFormaat().Naam, QStringLiteral("Merk Vel10"));
  ASSERT_EQ(O().AantalVoorwerpen(), 2);
  EXPECT_EQ(O().voorwerp(1).tekst().Tekst, QStringLiteral("Blijft staan"));
  ASSERT_FALSE(meldingen.shown.empty());
  EXPECT_EQ(meldingen.shown.back().text,
            QStringLiteral("De etiketten van Merk Vel10 zijn even groot als die van Merk Vel6.\n"
                           "Het ontwerp meenemen naar Merk Vel10?"));
  // Undo takes the move back.
  e.mnuOngedaan_Click();
  EXPECT_EQ(e.HuidigEtiketFormaat().Naam, QStringLiteral("Merk Vel6"));
  EXPECT_EQ(O().AantalVoorwerpen(), 2);

  // A label of another size starts anew, without the question.
  meldingen.shown.clear();
  meldingen.answers = {A::No};
  BeantwoordDialoog<Formaat>([](Formaat* d) {
    d->KiesFormaat(1);
    d->accept();
  });
  Kind<QPushButton>("cmdKiezen")->click();
  EXPECT_EQ(O().HuidigFormaat, 1);
  EXPECT_EQ(O().AantalVoorwerpen(), 0);
  EXPECT_EQ(meldingen.shown.size(), 1u);  // only whether to save the changes
}

TEST_F(Vellen, OwnFormatsAreMadeCheckedKeptAndDeleted) {
  using A = platform::MessageService::Answer;
  Etiket& e = StartMetVellen();
  const int catalogus = TestCatalogus().AantalFormaten();
  BeantwoordDialoog<Formaat>([](Formaat* d) {
    d->findChild<QPushButton*>(QStringLiteral("cmdEigenFormaten"))->click();
  });
  // The own formats' dialog: a format with labels that overlap is refused
  // with its reason, then corrected and kept.
  BijDialoog<EigenFormaten>([this](EigenFormaten* d) {
    d->cmdNieuw_Click();
    Vul(d, "txtNaam", QStringLiteral("Flesjes"));
    Vul(d, "txtBreedte", QStringLiteral("50"));
    Vul(d, "txtHoogte", QStringLiteral("25"));
    Vul(d, "txtKolommen", QStringLiteral("3"));
    Vul(d, "txtRijen", QStringLiteral("10"));
    Vul(d, "txtHorizontaleSteek", QStringLiteral("45"));
    Vul(d, "txtVerticaleSteek", QStringLiteral("27"));
    Vul(d, "txtLinks", QStringLiteral("20"));
    Vul(d, "txtBoven", QStringLiteral("10"));
    EXPECT_FALSE(d->cmdOpslaan_Click());
    Vul(d, "txtHorizontaleSteek", QStringLiteral("60"));
    Vul(d, "txtBoven", QStringLiteral("-1"));
    EXPECT_FALSE(d->cmdOpslaan_Click());
    Vul(d, "txtBoven", QStringLiteral("10,5"));
    EXPECT_TRUE(d->cmdOpslaan_Click());
    // The format dialog is made anew with the new format in its grid; OK
    // chooses it.
    BijDialoog<Formaat>([](Formaat* d) {
      EXPECT_NE(d->findChild<QWidget*>(QStringLiteral("picPictogram%1").arg(d->AantalInRaster())), nullptr);
      d->KiesFormaat(d->AantalInRaster());
      d->accept();
    });
    d->findChild<QPushButton*>(QStringLiteral("cmdSluiten"))->click();
  });
  Kind<QPushButton>("cmdKiezen")->click();
  ASSERT_GE(meldingen.shown.size(), 2u);
  EXPECT_EQ(meldingen.shown[0].text,
            QStringLiteral("De etiketten naast elkaar overlappen: de horizontale steek (45 mm) is kleiner dan de "
                           "breedte (50 mm)."));
  EXPECT_EQ(meldingen.shown[1].text, QStringLiteral("De bovenmarge van het vel mag niet negatief zijn."));
  EXPECT_EQ(e.HuidigEtiketFormaat().Naam, QStringLiteral("Flesjes"));
  EXPECT_FLOAT_EQ(e.HuidigEtiketFormaat().BovenOffset, 10.5f);
  // After the catalogue, before the stock sheets; kept in its own file.
  EXPECT_EQ(O().HuidigFormaat, catalogus + 1);
  const auto bewaard = LeesEigenFormaten(eigen);
  ASSERT_EQ(bewaard.size(), 1u);
  EXPECT_EQ(bewaard[0].Naam, QStringLiteral("Flesjes"));
  // The stock sheets were found again after it: the alias still names its product.
  EXPECT_FLOAT_EQ(e.formaten().formaat(e.formaten().ZoekFormaat(QStringLiteral("Merk Vel6-B"))).BovenOffset, 30);

  // The format in use cannot be deleted; another one can, after a question.
  meldingen.shown.clear();
  meldingen.answers = {A::Ok, A::Yes};
  BijDialoog<EigenFormaten>([](EigenFormaten* d) {
    d->findChild<QListWidget*>(QStringLiteral("lstFormaten"))->setCurrentRow(0);
    d->cmdVerwijderen_Click();
    d->cmdNieuw_Click();
    Vul(d, "txtNaam", QStringLiteral("Rond 30"));
    d->findChild<QComboBox*>(QStringLiteral("cmbVorm"))->setCurrentIndex(1);
    Vul(d, "txtBreedte", QStringLiteral("30"));
    Vul(d, "txtHorizontaleSteek", QStringLiteral("35"));
    Vul(d, "txtVerticaleSteek", QStringLiteral("35"));
    EXPECT_TRUE(d->cmdOpslaan_Click());
    EXPECT_EQ(d->formaten().size(), 2u);
    d->cmdVerwijderen_Click();
    d->accept();
  });
  EXPECT_TRUE(e.BeheerEigenFormaten());
  ASSERT_EQ(meldingen.shown.size(), 2u);
  EXPECT_EQ(meldingen.shown[0].text,
            QStringLiteral("Het formaat \"Flesjes\" is in gebruik in het open ontwerp en kan niet verwijderd worden."));
  EXPECT_EQ(meldingen.shown[1].text, QStringLiteral("Het formaat \"Rond 30\" verwijderen?"));
  ASSERT_EQ(LeesEigenFormaten(eigen).size(), 1u);
  EXPECT_EQ(e.HuidigEtiketFormaat().Naam, QStringLiteral("Flesjes"));
}

TEST_F(Vellen, AStockSheetIsStillTheCurrentFormatAfterOwnFormatsCameBefore) {
  Etiket& e = StartMetVellen();
  KiesVoorraad(QStringLiteral("Vel10"), QStringLiteral("Merk Vel10"));
  const qint16 plek = O().HuidigFormaat;
  e.BewaarInstellingen();
  EtiketFormaat eigenVel;
  eigenVel.Naam = QStringLiteral("Eigen");
  eigenVel.Breedte = 50;
  eigenVel.Hoogte = 20;
  eigenVel.VelBreedte = 50;
  eigenVel.VelHoogte = 20;
  ASSERT_FALSE(e.ZetEigenFormaten({eigenVel}));
  // The open design moved with its format.
  EXPECT_EQ(O().HuidigFormaat, plek + 1);
  EXPECT_EQ(e.HuidigEtiketFormaat().Naam, QStringLiteral("Merk Vel10"));
  venster.reset();
  // The next run starts on it, not on the sheet now at its old place.
  Etiket& volgende = StartMetVellen();
  EXPECT_EQ(volgende.HuidigEtiketFormaat().Naam, QStringLiteral("Merk Vel10"));
}

TEST_F(Vellen, ATemplateFileTheUserPicksAddsItsSheetsAndCountsWhatItLeftOut) {
  Etiket& e = StartMetVellen();
  const QString eigenSjablonen = tmp.write(QStringLiteral("winkel.xml"), R"(<Glabels-templates>
  <Template brand="Winkel" part="W1" size="A4"><Label-round id="0" radius="15mm"><Layout nx="5" ny="8" x0="10mm" y0="10mm" dx="40mm" dy="35mm"/></Label-round></Template>
  <Template brand="Winkel" part="W2" size="A4"><Label-cd id="0" radius="58mm" hole="20mm"><Layout nx="1" ny="2" x0="10mm" y0="10mm" dx="0" dy="130mm"/></Label-cd></Template>
</Glabels-templates>)");
  bestanden.answers.push_back({eigenSjablonen, {}});
  meldingen.shown.clear();
  EXPECT_TRUE(e.KiesSjabloonbestand());
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].text,
            QStringLiteral("1 etiketvellen gelezen uit %1.\n1 overgeslagen: hun vorm (zoals cd-etiketten) of indeling "
                           "kan Vellora niet afdrukken.")
                .arg(eigenSjablonen));
  const int w1 = e.formaten().ZoekFormaat(QStringLiteral("Winkel W1"));
  ASSERT_GT(w1, 0);
  EXPECT_FLOAT_EQ(e.formaten().formaat(w1).Breedte, 30);
  EXPECT_EQ(e.formaten().ZoekFormaat(QStringLiteral("Winkel W2")), 0);
  // The installed sheets stay, and the file is read again at the next start.
  EXPECT_GT(e.formaten().ZoekFormaat(QStringLiteral("Merk Vel6")), 0);
  // The format dialog says so under its list.
  QString uitleg;
  BeantwoordDialoog<Formaat>([&uitleg](Formaat* d) {
    uitleg = d->findChild<QLabel*>(QStringLiteral("lblVoorraad"))->text();
    d->reject();
  });
  Kind<QPushButton>("cmdKiezen")->click();
  EXPECT_EQ(uitleg, QStringLiteral("4 etiketvellen uit de winkel; 2 overgeslagen, want hun vorm (zoals cd-etiketten) "
                                   "of indeling kan Vellora niet afdrukken"));
  venster.reset();
  EXPECT_GT(StartMetVellen().formaten().ZoekFormaat(QStringLiteral("Winkel W1")), 0);
}
