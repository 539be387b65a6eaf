// Figures that dither, in the window: the question when a grey picture
// comes in, the change later from the menu and by a double click, the
// dialog itself, and saving in a version that cannot keep the choice.
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>

#include "files/EtiketBestand.h"
#include "model/Afronden.h"
#include "printing/Omzetten.h"
#include "support/EtiketOpstelling.h"
#include "ui/EtiketPlaatje.h"
#include "ui/RasterDialoog.h"

namespace {

class RasterVenster : public EtiketOpstelling {
 protected:
  // A grey ramp from black to nearly white.
  static QImage Verloop() {
    QImage beeld(60, 20, QImage::Format_RGB32);
    for (int y = 0; y < beeld.height(); ++y)
      for (int x = 0; x < beeld.width(); ++x) beeld.setPixel(x, y, qRgb(x * 4, x * 4, x * 4));
    return beeld;
  }
  void Plak(const QImage& beeld) {
    klembord.beeld = beeld;
    Kind<QPushButton>("cmdPlakken")->click();
  }
  void OpenFiguurMenu() { emit Kind<QMenu>("mnuFiguur")->aboutToShow(); }
  const FiguurDeel& Figuur(int i) const { return *O().voorwerp(i).alsFiguur(); }
  bool SchermKlopt() { return venster->beeld().Beeld() == venster->beeld().Volledig(); }
};

}  // namespace

TEST_F(RasterVenster, AGreyPictureProposesDitheringAndCancellingAddsNothing) {
  Start();
  omzetAntwoord = std::nullopt;
  Plak(Verloop());
  ASSERT_EQ(omzetVragen.size(), 1u);
  EXPECT_EQ(omzetVragen[0].begin.Soort, OmzetSoort::FloydSteinberg);
  EXPECT_EQ(O().AantalVoorwerpen(), 0);
  EXPECT_FALSE(venster->geschiedenis().KanOngedaan());

  omzetAntwoord = Omzetting{OmzetSoort::Atkinson};
  Plak(Verloop());
  ASSERT_EQ(O().AantalVoorwerpen(), 1);
  EXPECT_EQ(Figuur(1).omzetting.Soort, OmzetSoort::Atkinson);
  // The question showed the dots of the box the figure got.
  const int ppm = venster->beeld().PrinterPuntenPerMm();
  EXPECT_EQ(omzetVragen[1].vak, QSize(RondAf(O().voorwerp(1).Breedte * ppm), RondAf(O().voorwerp(1).Hoogte * ppm)));
  EXPECT_TRUE(SchermKlopt());
  Menu("mnuOngedaan");
  EXPECT_EQ(O().AantalVoorwerpen(), 0);

  // Black and white alone is not asked about.
  QImage zw(20, 10, QImage::Format_RGB32);
  zw.fill(Qt::black);
  Plak(zw);
  EXPECT_EQ(omzetVragen.size(), 2u);
  EXPECT_EQ(O().AantalVoorwerpen(), 1);
}

TEST_F(RasterVenster, TheWayIsChangedLaterAsOneStepAndTheScreenShowsTheDots) {
  Start();
  Plak(Verloop());  // answered: the plain way
  ASSERT_EQ(O().AantalVoorwerpen(), 1);
  ASSERT_TRUE(Figuur(1).omzetting.IsStandaard());
  const QImage gewoon = venster->beeld().Beeld();

  OpenFiguurMenu();
  ASSERT_TRUE(Kind<QAction>("mnuAfdrukkenAls")->isEnabled());
  omzetAntwoord = Omzetting{OmzetSoort::Drempel, 100};
  Menu("mnuAfdrukkenAls");
  EXPECT_EQ(Figuur(1).omzetting, (Omzetting{OmzetSoort::Drempel, 100}));
  EXPECT_EQ(omzetVragen.back().begin, Omzetting{});
  EXPECT_TRUE(SchermKlopt());
  EXPECT_NE(venster->beeld().Beeld(), gewoon);

  // A double click on the selected figure asks again, starting from its way.
  omzetAntwoord = Omzetting{OmzetSoort::Geordend};
  emit Kind<EtiketPlaatje>("pictEtiket")->DubbelKlik(QPointF(0, 0));
  EXPECT_EQ(omzetVragen.back().begin, (Omzetting{OmzetSoort::Drempel, 100}));
  EXPECT_EQ(Figuur(1).omzetting.Soort, OmzetSoort::Geordend);
  Menu("mnuOngedaan");
  EXPECT_EQ(Figuur(1).omzetting, (Omzetting{OmzetSoort::Drempel, 100}));
  Menu("mnuOngedaan");
  EXPECT_TRUE(Figuur(1).omzetting.IsStandaard());
  EXPECT_EQ(venster->beeld().Beeld(), gewoon);

  // Without a figure selected there is nothing to ask about.
  venster->findChild<EtiketPlaatje*>()->DeSelekteerAlles();
  OpenFiguurMenu();
  EXPECT_FALSE(Kind<QAction>("mnuAfdrukkenAls")->isEnabled());
}

TEST_F(RasterVenster, TheDialogShowsTheDotsOfEachChoiceAndGivesTheOneTaken) {
  EtiketOpties opties = Opties();
  opties.kiesOmzetting = {};  // the real dialog
  venster = std::make_unique<Etiket>(opties);
  ASSERT_TRUE(venster->Form_Load());
  venster->show();
  QImage fs, drempel;
  BeantwoordDialoog<RasterDialoog>([&](RasterDialoog* d) {
    EXPECT_EQ(d->findChild<QComboBox*>(QStringLiteral("cboRastering"))->currentText(),
              QStringLiteral("Rasteren: Floyd–Steinberg"));
    fs = d->Punten();
    d->findChild<QComboBox*>(QStringLiteral("cboRastering"))->setCurrentIndex(int(OmzetSoort::Drempel));
    auto* spn = d->findChild<QSpinBox*>(QStringLiteral("spnDrempel"));
    EXPECT_TRUE(spn->isEnabled());
    spn->setValue(130);
    drempel = d->Punten();
    d->accept();
  });
  Plak(Verloop());
  ASSERT_EQ(O().AantalVoorwerpen(), 1);
  EXPECT_EQ(Figuur(1).omzetting, (Omzetting{OmzetSoort::Drempel, 130}));
  // The preview is the dots the printer gets: the left half of the ramp
  // (below 130) black, the rest white, against a dithered ramp.
  ASSERT_FALSE(drempel.isNull());
  EXPECT_EQ(drempel.pixelIndex(drempel.width() / 4, drempel.height() / 2), 1);
  EXPECT_EQ(drempel.pixelIndex(drempel.width() * 3 / 4, drempel.height() / 2), 0);
  EXPECT_NE(fs, drempel);

  BeantwoordDialoog<RasterDialoog>([](RasterDialoog* d) { d->reject(); });
  Plak(Verloop());
  EXPECT_EQ(O().AantalVoorwerpen(), 1);
}

TEST_F(RasterVenster, SavingInAVersionThatCannotKeepTheWayAsksFirst) {
  Start();
  omzetAntwoord = Omzetting{OmzetSoort::FloydSteinberg};
  Plak(Verloop());
  const QString naam = tmp.path(QStringLiteral("verloop.VLO"));
  const auto bewaarAls = [&](const char* filter, platform::MessageService::Answer antwoord) {
    bestanden.answers.push_back({naam, QString::fromLatin1(filter)});
    meldingen.answers.push_back(antwoord);
    const size_t voor = meldingen.shown.size();
    Menu("mnuOpslaanAls");
    return meldingen.shown.size() > voor ? meldingen.shown[voor].text : QString();
  };
  // Offered first: the version that keeps it.
  EXPECT_EQ(bewaarAls("Vellora 4.0 (*.VLO *.vlo)", platform::MessageService::Answer::Cancel),
            QStringLiteral("Dit ontwerp bevat figuren die gerasterd of met een drempel worden afgedrukt. Die kunnen "
                           "in een bestand van Vellora 4.0 niet bewaard worden. Bewaren als Vellora 5.0?"));
  EXPECT_EQ(bestanden.lastPreselected, QStringLiteral("Vellora 5.0 (*.VLO *.vlo)"));
  EXPECT_FALSE(QFile::exists(naam));
  bewaarAls("Vellora 4.0 (*.VLO *.vlo)", platform::MessageService::Answer::Yes);
  QFile f(naam);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.read(4), QByteArray("XS\0\0", 4));
  f.close();
  meldingen.answers.push_back(platform::MessageService::Answer::Yes);  // replace it
  bewaarAls("Vellora 3.0 (*.VLO *.vlo)", platform::MessageService::Answer::No);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.read(4), QByteArray("VS\0\0", 4));
}
