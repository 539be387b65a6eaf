#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include "platform/SettingsStore.h"
#include "support/EtiketOpstelling.h"
#include "ui/Begroeting.h"
#include "ui/Etiket.h"
#include "ui/EtiketPlaatje.h"

using namespace ui;

class EtiketTest : public EtiketOpstelling {
 protected:
  QString Tekst(const char* label) { return Kind<QLabel>(label)->text(); }
};

TEST_F(EtiketTest, OpensOnTheFirstFormatWithItsOutline) {
  Etiket& e = Start();
  EXPECT_EQ(e.windowTitle(), QStringLiteral("Vellora[*]"));
  EXPECT_FALSE(e.isWindowModified());
  EXPECT_EQ(e.ontwerp().HuidigFormaat, 1);
  EXPECT_EQ(Tekst("lblVorm"), QStringLiteral("Rechth."));
  EXPECT_EQ(Tekst("lblAfmeting"), QStringLiteral("89x36"));
  EXPECT_TRUE(meldingen.shown.empty());
  // The picture holds the grey label in its middle.
  const QImage& beeld = e.beeld().Beeld();
  ASSERT_EQ(beeld.size(), e.pictEtiket()->contentsRect().size());
  EXPECT_EQ(beeld.pixel(beeld.rect().center()) & 0xFFFFFF, 0xC0C0C0u);
  EXPECT_EQ(beeld.pixel(2, 2) & 0xFFFFFF, 0xFFFFFFu);
}

TEST_F(EtiketTest, HasTheFramesAndControlsOfTheMainWindow) {
  Start();
  EXPECT_EQ(Kind<QGroupBox>("frmFormaat")->title(), QStringLiteral("Formaat"));
  EXPECT_EQ(Kind<QGroupBox>("frmTekst")->title(), QStringLiteral("Tekst"));
  EXPECT_EQ(Kind<QGroupBox>("frmFiguur")->title(), QStringLiteral("Figuur"));
  EXPECT_EQ(Kind<QGroupBox>("frmAfdruk")->title(), QStringLiteral("Afdruk"));
  EXPECT_EQ(Kind<QPushButton>("cmdKiezen")->text(), QStringLiteral("Kiezen"));
  EXPECT_EQ(Kind<QPushButton>("cmdNummering")->text(), QStringLiteral("1,2,3,..."));
  EXPECT_EQ(Kind<QLineEdit>("txtAantal")->text(), QStringLiteral("1"));
  ASSERT_NE(Kind<QLineEdit>("txtTekstlijn"), nullptr);
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(Kind<QPushButton>(QStringLiteral("cmdLijnen%1").arg(i).toLatin1().constData())->text(), QString::number(i + 1));
  for (int i = 0; i < 8; ++i)
    EXPECT_TRUE(Kind<QWidget>(QStringLiteral("picHandvat%1").arg(i).toLatin1().constData())->isHidden());
}

TEST_F(EtiketTest, MenusCarryTheirCaptionsAndOnlyWorkingEntriesAreEnabled) {
  Etiket& e = Start();
  QStringList kop;
  for (QAction* a : e.menuBar()->actions()) kop << a->text();
  EXPECT_EQ(kop, (QStringList{QStringLiteral("&Bestand"), QStringLiteral("Be&werken"), QStringLiteral("&Tekst"),
                              QStringLiteral("&Figuur"), QStringLiteral("&Opties"), QStringLiteral("Bee&ld"),
                              QStringLiteral("&Help")}));
  struct Regel {
    const char* naam;
    const char* tekst;
    bool werkt;  // disabled while its command is not there
  };
  const Regel regels[] = {{"mnuNieuwEtiket", "&Nieuw", true},
                          {"mnuOpenen", "&Openen ...", true},
                          {"mnuOpslaan", "O&pslaan ", true},
                          {"mnuOpslaanAls", "Ops&laan als ...", true},
                          {"mnuAfdrukvoorbeeld", "Afdruk&voorbeeld ...", true},
                          {"mnuAfdrukken", "&Afdrukken", true},
                          {"mnuKnippen", "K&nippen", false},
                          {"mnuPlakken", "&Plakken", false},
                          {"mnuVerwijderen", "&Verwijderen", true},
                          {"mnuAllesSelekteren", "&Alles selekteren", true},
                          {"mnuTekstLijnen1", "&1 Lijn", true},
                          {"mnuTekstLijnen2", "&2 Lijnen", true},
                          {"mnuTekstLijnen5", "&5 Lijnen", true},
                          {"mnuMeerLijnen", "&Meer lijnen", true},
                          {"mnuVet", "&Vet", true},
                          {"mnuCursief", "&Cursief", true},
                          {"mnuOnderlijnd", "&Onderlijnd", true},
                          {"mnuRondeTekstToevoegen", "&Ronde tekst toevoegen ...", true},
                          {"mnuRondeTekstWijzigen", "Ronde tekst &wijzigen ...", false},
                          {"mnuTekstOmzetten", "Om&zetten naar ronde tekst ...", false},
                          {"mnuBestandInvoegen", "&Bestand invoegen", true},
                          {"mnuGalerijen", "&Galerijen", true},
                          {"mnuScannerSelecteren", "&Scanner selecteren ...", true},
                          {"mnuAfbeeldingscannen", "&Afbeelding Scannen ...", true},
                          {"mnuPrinterinstelling", "Printer&instelling...", true},
                          {"mnuVerschuivenAfdruk", "&Verschuiven afdruk ...", true},
                          {"mnuSpaarstand", "S&paarstand", true},
                          {"mnuToonAfdrukbaargebied", "&Toon afdrukbaar gebied", true},
                          {"mnuStandaardVastleggen", "&Standaard vastleggen", true},
                          {"mnuInzoomen", "&Inzoomen", true},
                          {"mnuUitzoomen", "&Uitzoomen", true},
                          {"mnuPassend", "&Passend", true},
                          {"mnuInfo", "&Info", true},
                          {"mnuEindeProgramma", "&Einde Programma", true}};
  for (const Regel& r : regels) {
    QAction* a = Kind<QAction>(r.naam);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->text(), QString::fromUtf8(r.tekst)) << r.naam;
    EXPECT_EQ(a->isEnabled(), r.werkt) << r.naam;
  }
  EXPECT_EQ(Kind<QAction>("mnuCopieren")->text(), QStringLiteral("&Copiëren"));
  EXPECT_EQ(Kind<QAction>("mnuAllesSelekteren")->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));
  EXPECT_TRUE(Kind<QAction>("mnuToonAfdrukbaargebied")->isCheckable());
  EXPECT_TRUE(Kind<QAction>("mnuVet")->isCheckable());
}

TEST_F(EtiketTest, StartsOnTheStoredFormatClampedToTheCatalogue) {
  const std::pair<const char*, int> gevallen[] = {{" 2", 2}, {"40", 5}, {"0", 1}, {"-3", 1}, {"nonsense", 1}};
  for (const auto& [opgeslagen, verwacht] : gevallen) {
    instellingen.write(QStringLiteral("defaults"), QStringLiteral("FORM"), QString::fromLatin1(opgeslagen));
    Etiket& e = Start();
    EXPECT_EQ(e.ontwerp().HuidigFormaat, verwacht) << opgeslagen;
  }
  instellingen.write(QStringLiteral("Defaults"), QStringLiteral("Form"), QStringLiteral(" 2"));
  Start();
  EXPECT_EQ(Tekst("lblVorm"), QStringLiteral("Rond"));
  EXPECT_EQ(Tekst("lblAfmeting"), QStringLiteral("Diam. 40"));
}

TEST_F(EtiketTest, PrintableAreaFollowsTheMenuAndTheStoredOffsets) {
  instellingen.write(QStringLiteral("Defaults"), QStringLiteral("ShowArea"), QStringLiteral("True"));
  Etiket& e = Start();
  QAction* menu = Kind<QAction>("mnuToonAfdrukbaargebied");
  EXPECT_TRUE(menu->isChecked());
  ASSERT_TRUE(e.beeld().AfdrukbaarGebiedZichtbaar());
  EXPECT_FLOAT_EQ(e.beeld().AfdrukGebied().Onder, 18 - 2.5f);
  EXPECT_FLOAT_EQ(e.beeld().AfdrukGebied().Boven, -18 + 1.5f);

  // P - H + mB = 5.5 for this format: a stored shift of 6.5 lifts the bottom line by 1 mm.
  instellingen.write(QStringLiteral("89 x 36"), QStringLiteral("VerticalShift"), QStringLiteral("6.5"));
  instellingen.write(QStringLiteral("89 x 36"), QStringLiteral("HorizontalShift"), QStringLiteral("geen getal"));
  e.ToonAfdrukbaarGebied();
  EXPECT_FLOAT_EQ(e.beeld().AfdrukGebied().Onder, 18 - 3.5f);
  EXPECT_FLOAT_EQ(e.beeld().AfdrukGebied().Links, -44.5f + 1);

  // What the user sees: a red line across the whole picture at the top margin.
  auto rodePixels = [&] {
    const QImage zicht = e.pictEtiket()->grab().toImage();
    const int y = e.pictEtiket()->contentsRect().top() +
                  e.bewerking().Schaal.naarPixels(QRectF(0, e.beeld().AfdrukGebied().Boven, 0, 0)).top();
    int n = 0;
    for (int x = 0; x < zicht.width(); ++x) {
      const QColor c = zicht.pixelColor(x, y);
      n += c.red() > 200 && c.green() < 60;
    }
    return n;
  };
  EXPECT_GT(rodePixels(), e.pictEtiket()->width() / 3);

  menu->trigger();
  EXPECT_FALSE(menu->isChecked());
  EXPECT_FALSE(e.beeld().AfdrukbaarGebiedZichtbaar());
  EXPECT_EQ(rodePixels(), 0);
  menu->trigger();
  EXPECT_TRUE(e.beeld().AfdrukbaarGebiedZichtbaar());
}

TEST_F(EtiketTest, ShowAreaIsReadOnlyWhenExactlyTrue) {
  instellingen.write(QStringLiteral("Defaults"), QStringLiteral("ShowArea"), QStringLiteral("true"));
  Start();
  EXPECT_FALSE(Kind<QAction>("mnuToonAfdrukbaargebied")->isChecked());
}

TEST_F(EtiketTest, ResizingMovesTheControlsAndRescalesThePicture) {
  Etiket& e = Start();
  QWidget* pict = e.pictEtiket();
  QWidget* frame = Kind<QWidget>("frmTekst");
  QWidget* tekst = Kind<QWidget>("txtTekstlijn");
  QWidget* nummering = Kind<QWidget>("cmdNummering");
  const QRect p0 = pict->geometry(), f0 = frame->geometry(), t0 = tekst->geometry(), n0 = nummering->geometry();
  const float schaal0 = e.bewerking().Schaal.SchaalMmPerTwip;
  e.resize(e.width() + 100, e.height() + 50);
  QApplication::processEvents();
  EXPECT_EQ(pict->geometry(), p0.adjusted(0, 0, 100, 50));
  EXPECT_EQ(frame->geometry(), f0.translated(100, 0));
  EXPECT_EQ(tekst->geometry(), QRect(t0.x(), t0.y() + 50, t0.width() + 100, t0.height()));
  EXPECT_EQ(nummering->geometry(), n0.translated(100, 50));
  EXPECT_EQ(e.beeld().Beeld().size(), pict->contentsRect().size());
  EXPECT_LT(e.bewerking().Schaal.SchaalMmPerTwip, schaal0);
}

TEST_F(EtiketTest, AMissingCatalogueEndsTheProgramWithTheExactMessage) {
  catalogus = tmp.path(QStringLiteral("weg/all.eft"));
  Etiket e(Opties());
  EXPECT_FALSE(e.Form_Load());
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].icon, platform::MessageService::Icon::Stop);
  EXPECT_EQ(meldingen.shown[0].title, QStringLiteral("Onherstelbare fout"));
  EXPECT_EQ(meldingen.shown[0].text, QStringLiteral("Fout bij het openen van bestand\n") + catalogus +
                                         QStringLiteral("\n\nHet programma wordt beëindigd"));
}

TEST_F(EtiketTest, AnEmptyCatalogueIsFatalToo) {
  catalogus = tmp.write(QStringLiteral("leeg.eft"), "0\r\n");
  Etiket e(Opties());
  EXPECT_FALSE(e.Form_Load());
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].title, QStringLiteral("Onherstelbare fout"));
  EXPECT_TRUE(meldingen.shown[0].text.startsWith(QStringLiteral("Het bestand bevat geen etiketformaten\n")));
}

TEST_F(EtiketTest, WithoutAFontTheProgramEndsAndOtherwiseTheFontBoxOffersTheSystemsFonts) {
  EtiketOpties opties = Opties();
  opties.lettertypen = [] { return QStringList(); };
  {
    Etiket e(opties);
    EXPECT_FALSE(e.Form_Load());
    ASSERT_EQ(meldingen.shown.size(), 1u);
    EXPECT_EQ(meldingen.shown[0].icon, platform::MessageService::Icon::Stop);
    EXPECT_EQ(meldingen.shown[0].title, QStringLiteral("Onherstelbare fout"));
    EXPECT_EQ(meldingen.shown[0].text,
              QStringLiteral("Er zijn geen lettertypen geïnstalleerd.\nHet programma wordt beëindigd."));
  }
  const QStringList twee = {QStringLiteral("Liberation Sans"), QStringLiteral("Liberation Serif")};
  opties.lettertypen = [twee] { return twee; };
  venster = std::make_unique<Etiket>(opties);
  ASSERT_TRUE(venster->Form_Load());
  QComboBox* box = Kind<QComboBox>("cmbLettertype");
  QStringList aangeboden;
  for (int i = 0; i < box->count(); ++i) aangeboden << box->itemText(i);
  EXPECT_EQ(aangeboden, twee);
  EXPECT_EQ(box->currentText(), QStringLiteral("Liberation Sans"));
  EXPECT_EQ(meldingen.shown.size(), 1u);
}

TEST_F(EtiketTest, ClosingSavesTheSettingsButEindeProgrammaDoesNot) {
  {
    instellingen.write(QStringLiteral("Defaults"), QStringLiteral("Form"), QStringLiteral(" 3"));
    Etiket& e = Start();
    Kind<QAction>("mnuToonAfdrukbaargebied")->trigger();
    Kind<QAction>("mnuEindeProgramma")->trigger();
    EXPECT_EQ(beeindigd, 1);
    EXPECT_EQ(instellingen.read(QStringLiteral("Defaults"), QStringLiteral("ShowArea"), QStringLiteral("unset")),
              QStringLiteral("unset"));
    e.close();  // the closing steps do not run after "Einde Programma"
    EXPECT_EQ(instellingen.read(QStringLiteral("Defaults"), QStringLiteral("ShowArea"), QStringLiteral("unset")),
              QStringLiteral("unset"));
  }
  Etiket& e = Start();
  Kind<QAction>("mnuToonAfdrukbaargebied")->trigger();
  e.close();
  EXPECT_EQ(instellingen.read(QStringLiteral("Defaults"), QStringLiteral("Form")), QStringLiteral(" 3"));
  EXPECT_EQ(instellingen.read(QStringLiteral("Defaults"), QStringLiteral("ShowArea")), QStringLiteral("True"));
}

TEST_F(EtiketTest, InfoShowsTheWelcomeWindowModallyWithOk) {
  Start();
  bool gezien = false, okZichtbaar = false;
  QTimer::singleShot(0, [&] {
    auto* b = qobject_cast<Begroeting*>(QApplication::activeModalWidget());
    if (!b) return;
    gezien = true;
    okZichtbaar = b->OkZichtbaar();
    b->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
  });
  Kind<QAction>("mnuInfo")->trigger();
  EXPECT_TRUE(gezien);
  EXPECT_TRUE(okZichtbaar);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(EtiketTest, ACommandThatPassesTheElementLimitShowsAMessageInsteadOfCrashing) {
  Etiket& e = Start();
  e.Opdracht([&] {
    Wijziging wijziging(e.bewerker());
    for (int i = 0; i <= Ontwerp::kMaxVoorwerpen; ++i) wijziging.bewerking().NieuwVoorwerp(SoortVoorwerp::Tekstlijn);
  });
  // The refused command made nothing: not even the elements below the limit.
  EXPECT_EQ(e.ontwerp().AantalVoorwerpen(), 0);
  EXPECT_TRUE(e.ontwerp().IsConsistent());
  EXPECT_FALSE(e.geschiedenis().KanOngedaan());
  // Leaving through the exception still showed the frames and repainted.
  EXPECT_EQ(e.bewerking().Verborgen, 0);
  EXPECT_FALSE(e.bewerking().Bezig());
  const QImage gezien = e.beeld().Beeld();
  e.beeld().TekenAlles();
  EXPECT_EQ(gezien, e.beeld().Beeld());
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].title, QStringLiteral("Fout"));
  EXPECT_EQ(meldingen.shown[0].icon, platform::MessageService::Icon::Exclamation);
  EXPECT_TRUE(meldingen.shown[0].text.contains(QStringLiteral("32767")));
}

TEST_F(EtiketTest, RestoringFromMinimisedAppliesTheWholeChangeAndShowsEveryElement) {
  Etiket& e = Start();
  Menu("mnuTekstLijnen3");
  QWidget* frame = Kind<QWidget>("frmFormaat");
  QWidget* tekst = Kind<QWidget>("txtTekstlijn");
  const QRect f0 = frame->geometry(), t0 = tekst->geometry();
  e.setWindowState(Qt::WindowMinimized);
  e.resize(e.width() + 60, e.height() + 30);
  QApplication::processEvents();
  e.setWindowState(Qt::WindowNoState);
  QApplication::processEvents();
  EXPECT_EQ(frame->geometry(), f0.translated(60, 0));
  EXPECT_EQ(tekst->y(), t0.y() + 30);
  EXPECT_EQ(e.beeld().Beeld().size(), e.pictEtiket()->contentsRect().size());
  EXPECT_EQ(e.beeld().Beeld(), e.beeld().Volledig());
}

TEST_F(EtiketTest, AtItsSmallestSizeEveryControlStaysVisibleAndApart) {
  Etiket& e = Start();
  e.resize(10, 10);
  QApplication::processEvents();
  EXPECT_GE(e.width(), e.minimumSizeHint().width());
  QWidget* centraal = e.centralWidget();
  const QRect binnen = centraal->rect();
  std::vector<std::pair<QString, QRect>> plekken;
  for (QWidget* w : centraal->findChildren<QWidget*>()) {
    const QString naam = w->objectName();
    if (!naam.startsWith(QStringLiteral("cmd")) && !naam.startsWith(QStringLiteral("txt")) &&
        !naam.startsWith(QStringLiteral("frm")) && !naam.startsWith(QStringLiteral("cmb")) &&
        !naam.startsWith(QStringLiteral("chk")) && naam != QStringLiteral("pictEtiket"))
      continue;
    ASSERT_TRUE(w->isVisible()) << naam.toStdString();
    const QRect r(w->mapTo(centraal, QPoint(0, 0)), w->size());
    EXPECT_TRUE(binnen.contains(r)) << naam.toStdString();
    EXPECT_GT(r.width(), 8) << naam.toStdString();
    EXPECT_GT(r.height(), 8) << naam.toStdString();
    // Controls with the same parent never cover each other.
    for (const auto& [ander, plek] : plekken) {
      if (centraal->findChild<QWidget*>(ander)->parentWidget() == w->parentWidget()) {
        EXPECT_FALSE(plek.intersects(r)) << naam.toStdString() << " over " << ander.toStdString();
      }
    }
    plekken.emplace_back(naam, r);
  }
  EXPECT_GT(plekken.size(), 30u);
}

TEST_F(EtiketTest, TheWelcomeWindowStaysUpWhileStartingForItsTime) {
  Etiket e(Opties(400));
  int gezien = 0;
  bool metOk = false;
  QTimer kijker;
  QObject::connect(&kijker, &QTimer::timeout, [&] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* b = qobject_cast<Begroeting*>(w); b && b->isVisible()) {
        ++gezien;
        metOk = metOk || b->OkZichtbaar();
      }
  });
  kijker.start(50);
  QElapsedTimer klok;
  klok.start();
  ASSERT_TRUE(e.Form_Load());
  EXPECT_GE(klok.elapsed(), 400);
  EXPECT_GE(gezien, 3);
  EXPECT_FALSE(metOk);
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (qobject_cast<Begroeting*>(w)) {
      EXPECT_FALSE(w->isVisible());
    }
  }
}
