#pragma once
#include <QString>
#include <optional>
#include <vector>

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
  // "Figuur afdrukken": each question asked, and the answer (the plain way
  // unless a test says otherwise; nothing is a cancel).
  struct OmzetVraag {
    QSize vak;
    Omzetting begin;
  };
  std::vector<OmzetVraag> omzetVragen;
  std::optional<Omzetting> omzetAntwoord = Omzetting{};
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
    opties.kiesOmzetting = [this](const QImage&, QRect, QSize vak, const Omzetting& begin, QWidget*) {
      omzetVragen.push_back({vak, begin});
      return omzetAntwoord;
    };
    opties.afdrukdialogen = &afdrukdialogen;
    return opties;
  }
};
