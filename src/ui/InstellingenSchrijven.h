#pragma once
#include "platform/SettingsStore.h"
#include "platformwidgets/MessageService.h"
#include "ui/Layer.h"

namespace ui {

// Makes what was written to the settings store last. A store that cannot
// be written (a full disk, a read-only folder) is told once a run; the
// program goes on with the settings it holds.
inline void SchrijfInstellingen(platform::SettingsStore& store, platform::MessageService& meldingen) {
  if (store.flushFailsFirstTime())
    meldingen.show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"),
                   QStringLiteral("De instellingen konden niet worden bewaard."));
}

}  // namespace ui
