#pragma once
#include <QString>

#include "platform/SettingsStore.h"
#include "support/FakeClipboard.h"
#include "support/FakeFileDialogs.h"
#include "support/FakeMessageService.h"
#include "support/FakePrintDialogs.h"
#include "support/FakeProcessStarter.h"
#include "support/FakeScanner.h"
#include "ui/Etiket.h"

using namespace ui;

// What the main window gets from outside, all of it scripted: settings in
// memory, message boxes, file dialogs, processes, the clipboard and the
// scanner.
struct NepOmgeving {
  platform::MemorySettingsStore instellingen;
  FakeMessageService meldingen;
  FakeFileDialogs bestanden;
  FakeProcessStarter processen;
  FakeClipboard klembord;
  FakeScanner scanner;
  FakePrintDialogs afdrukdialogen;

  // The window's options on these, with the catalogue at `catalogus`.
  EtiketOpties NepOpties(const QString& catalogus, int welkomMs = 0) {
    EtiketOpties opties;
    opties.instellingen = &instellingen;
    opties.meldingen = &meldingen;
    opties.catalogus = catalogus;
    opties.welkomMs = welkomMs;
    opties.bestanden = &bestanden;
    opties.processen = &processen;
    opties.klembord = &klembord;
    opties.scanner = &scanner;
    opties.afdrukdialogen = &afdrukdialogen;
    return opties;
  }
};
