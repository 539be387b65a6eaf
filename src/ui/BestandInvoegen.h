#pragma once
#include <QImage>
#include <QString>

#include "figures/Plaatje.h"
#include "ui/Layer.h"

class QWidget;
namespace platform {
class FileDialogs;
class MessageService;
class ZipReader;
}  // namespace platform

namespace ui {

// The picture the user chose for a new figure.
struct GekozenPlaatje {
  QImage beeld;  // null: nothing to insert (cancelled, or failed and reported)
  QString map;   // the chosen file's folder, with its trailing separator
};

// Lets the user choose a picture file, starting in `map` (blanks around it
// removed), and reads it. A cancelled dialog changes nothing; a file that
// cannot be read is reported under "Fout" with an exclamation icon. On
// success the caller adds the picture with FiguurToevoegen and makes `map`
// of the result its picture folder.
GekozenPlaatje BestandInvoegen(const QString& map, platform::FileDialogs& dialogen, platform::MessageService& meldingen,
                               QWidget* ouder = nullptr);
// The same with another archive reader and other bounds.
GekozenPlaatje BestandInvoegen(const QString& map, platform::FileDialogs& dialogen, platform::MessageService& meldingen,
                               QWidget* ouder, platform::ZipReader& zip, const PlaatjeGrenzen& grenzen);

// The caption of the picture file dialog.
constexpr const char* kBestandInvoegenTitel = "Bestand invoegen";

}  // namespace ui
