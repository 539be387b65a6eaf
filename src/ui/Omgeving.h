#pragma once
#include <QString>
#include "ui/Layer.h"

namespace platform {
class Clipboard;
class FileDialogs;
class MessageService;
class ProcessStarter;
class Scanner;
class SettingsStore;
}  // namespace platform

namespace ui {

// The outside world as the window's parts reach it.
struct Omgeving {
  platform::MessageService& meldingen;
  platform::SettingsStore& store;
  platform::FileDialogs& bestanden;
  platform::ProcessStarter& processen;
  platform::Clipboard& klembord;
  platform::Scanner& scanner;
  QString programmaMap;  // where PrintFile and the spool file live
};

}  // namespace ui
