#pragma once
// The main window on a 100 x 150 mm label holding 200 text lines of 6 pt in
// four columns over the whole label, line 101 selected: the design the
// keystroke and undo benchmarks work on.
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "editor/Wijziging.h"
#include "platform/SettingsStore.h"
#include "platformwidgets/MessageService.h"
#include "ui/Etiket.h"
#include "ui/EtiketPlaatje.h"
#include "ui/TekstPaneel.h"

using namespace ui;

struct Venster200Lijnen {
  QTemporaryDir map;
  platform::MemorySettingsStore instellingen;
  platform::QtMessageService meldingen;
  std::unique_ptr<Etiket> etiket;
  QLineEdit* tekstlijn = nullptr;

  // meer: adds further elements inside the same change.
  explicit Venster200Lijnen(const std::function<void(Wijziging&)>& meer = {}) {
    const QString catalogus = map.filePath(QStringLiteral("all.eft"));
    QFile f(catalogus);
    f.open(QIODevice::WriteOnly);
    f.write("1\n\"100 x 150\",0,100,150,103,153,1,1,106,153,3,1.5,1,1,1,1\n");
    f.close();
    EtiketOpties opties;
    opties.instellingen = &instellingen;
    opties.meldingen = &meldingen;
    opties.catalogus = catalogus;
    opties.welkomMs = 0;
    etiket = std::make_unique<Etiket>(opties);
    etiket->Form_Load();
    etiket->show();
    QApplication::processEvents();
    etiket->tekst().LijnenToevoegen(200);
    {
      Wijziging wijziging(etiket->bewerker());
      Ontwerp& o = wijziging.ontwerp();
      for (int i = 1; i <= 200; ++i) {
        Voorwerp& v = o.voorwerp(i);
        v.tekst().Lettergrootte = 6;
        float l = -48 + float((i - 1) % 4) * 24, b = -74 + float((i - 1) / 4) * 2.9f, br = 23, h = 6 / 72.0f * 25.4f;
        o.PlaatsVoorwerp(i, l, b, br, h);
      }
      if (meer) meer(wijziging);
    }
    etiket->pictEtiket()->DeSelekteerAlles();
    etiket->pictEtiket()->SelecteerVoorwerp(101);
    tekstlijn = etiket->findChild<QLineEdit*>(QStringLiteral("txtTekstlijn"));
    QApplication::processEvents();
  }
};
