#pragma once
#include <QImage>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>

#include "model/Omzetting.h"
#include "ui/Layer.h"

class QWidget;

namespace platform {
class Clipboard;
class FileDialogs;
class MessageService;
class ProcessStarter;
class Scanner;
class SettingsStore;
}  // namespace platform

namespace ui {

// Asks how a figure becomes dots ("Figuur afdrukken"): its grey picture,
// the part that shows, its box in printer dots and the way chosen at first.
// Nothing: the user cancelled.
using OmzettingKiezen = std::function<std::optional<Omzetting>(const QImage& grijs, QRect bron, QSize vak,
                                                               const Omzetting& begin, QWidget* ouder)>;

// The outside world as the window's parts reach it.
struct Omgeving {
  platform::MessageService& meldingen;
  platform::SettingsStore& store;
  platform::FileDialogs& bestanden;
  platform::ProcessStarter& processen;
  platform::Clipboard& klembord;
  platform::Scanner& scanner;
  QString programmaMap;  // where PrintFile and the spool file live
  OmzettingKiezen kiesOmzetting;
};

}  // namespace ui
