#pragma once
#include <QString>
#include <exception>

#include "platformwidgets/MessageService.h"
#include "ui/Layer.h"

namespace ui {

// Runs a command of the user. A failure inside it (such as a design that
// would pass 32767 elements) is shown as a "Fout" message instead of
// ending the program; the change it was making is taken back whole (see
// Wijziging).
template <typename F>
void Opdracht(platform::MessageService& meldingen, F&& f) {
  try {
    f();
  } catch (const std::exception& fout) {
    meldingen.show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"), QString::fromUtf8(fout.what()));
  }
}

}  // namespace ui
