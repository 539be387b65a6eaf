#pragma once
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "editor/Wijziging.h"
#include "printing/Job.h"
#include "support/NepOmgeving.h"
#include "support/TestCatalogus.h"
#include "support/Tijdelijk.h"
#include "ui/AfdrukPaneel.h"
#include "ui/Bestandsopdrachten.h"
#include "ui/Etiket.h"
#include "ui/EtiketPlaatje.h"
#include "ui/FiguurPaneel.h"
#include "ui/TekstPaneel.h"

using namespace ui;

// The main window on the small test catalogue, an in-memory settings store
// and scripted message boxes.
class EtiketOpstelling : public ::testing::Test, protected NepOmgeving {
 protected:
  TempFolder tmp;
  QString catalogus = tmp.write(QStringLiteral("all.eft"), TestCatalogusTekst());
  std::unique_ptr<Etiket> venster;
  int beeindigd = 0;

  EtiketOpties Opties(int welkomMs = 0) {
    EtiketOpties opties = NepOpties(catalogus, welkomMs);
    opties.beeindig = [this] { ++beeindigd; };
    opties.programmaMap = tmp.root();
    opties.herstelMap = tmp.path(QStringLiteral("herstel"));
    return opties;
  }

  Etiket& Start() {
    venster = std::make_unique<Etiket>(Opties());
    EXPECT_TRUE(venster->Form_Load());
    venster->show();
    QApplication::processEvents();
    return *venster;
  }

  template <typename T>
  T* Kind(const QString& naam) {
    T* w = venster->findChild<T*>(naam);
    EXPECT_NE(w, nullptr) << naam.toStdString();
    return w;
  }
  template <typename T>
  T* Kind(const char* naam) { return Kind<T>(QString::fromLatin1(naam)); }
  void Menu(const char* naam) { Kind<QAction>(naam)->trigger(); }
  // The next question whether to save the changes is answered Nee.
  void ZonderBewaren() { meldingen.answers.push_back(platform::MessageService::Answer::No); }

  // Answers the next modal dialog of the given name through its controls.
  template <typename D>
  void BeantwoordDialoog(std::function<void(D*)> antwoord) {
    QTimer::singleShot(0, [antwoord] {
      if (auto* d = qobject_cast<D*>(QApplication::activeModalWidget())) antwoord(d);
    });
  }

  // Answers a modal dialog that opens later, such as one a background job
  // brings up when it ends.
  template <typename D>
  void BijDialoog(std::function<void(D*)> antwoord) {
    auto* klok = new QTimer;
    klok->setInterval(5);
    QObject::connect(klok, &QTimer::timeout, [klok, antwoord] {
      if (auto* d = qobject_cast<D*>(QApplication::activeModalWidget())) {
        klok->stop();
        klok->deleteLater();
        antwoord(d);
      }
    });
    klok->start();
  }

  // Print jobs run on a thread of their own: waits until the running one
  // has ended and the window has taken over its result.
  void WachtOpAfdruk() {
    EXPECT_TRUE(QTest::qWaitFor([this] { return !venster->afdruk().BezigMetAfdrukken(); }, 60000));
  }

  // The stream the window's design makes as a job of its own, straight
  // into memory: what a print or a preview must match.
  QByteArray JobStroom(qint16 aantal, bool spaarstand = false) {
    auto job = MaakJob({.ontwerp = O(),
                        .formaat = venster->HuidigEtiketFormaat(),
                        .instellingen = venster->instellingen(),
                        .aantal = aantal,
                        .spaarstand = spaarstand});
    EXPECT_TRUE(std::holds_alternative<Job>(job));
    QBuffer stroom;
    stroom.open(QIODevice::WriteOnly);
    VelStand stand;
    if (auto* j = std::get_if<Job>(&job)) DrukJob(*j, stand, stroom);
    return stroom.data();
  }

  const Ontwerp& O() const { return venster->ontwerp(); }
  const Bewerking& B() const { return venster->bewerking(); }
  // A figure element of the given box, with a small black-on-white picture.
  int NieuweFiguur(float l, float b, float br, float h) {
    Wijziging wijziging(venster->bewerker());
    Ontwerp& o = wijziging.ontwerp();
    const int i = wijziging.bewerking().NieuwVoorwerp(SoortVoorwerp::Figuur);
    auto beeld = std::make_shared<Beeld>();
    beeld->raster = QImage(4, 4, QImage::Format_Mono);
    beeld->raster.fill(1);
    o.voorwerp(i).beeld().ZetAfbeelding(std::move(beeld), 4, 4);
    o.PlaatsVoorwerp(i, l, b, br, h);
    return i;
  }
  // Changes the window's design as a command does: inside one change.
  template <typename F>
  void Wijzig(F&& f) {
    Wijziging wijziging(venster->bewerker());
    f(wijziging.ontwerp());
  }
  void ZetTekst(int i, const QString& tekst) {
    Wijzig([&](Ontwerp& o) { o.voorwerp(i).tekst().Tekst = tekst; });
  }
  void Plaats(int i, float l, float b, float br, float h) {
    Wijziging wijziging(venster->bewerker());
    wijziging.ontwerp().PlaatsVoorwerp(i, l, b, br, h);
  }
};
