#pragma once
#include <QDialog>
#include <QImage>
#include <QList>
#include <QString>
#include <optional>

#include "platform/Scanner.h"
#include "ui/Layer.h"

class QLabel;
class QListWidget;
class QPushButton;
namespace platform {
class MessageService;
}

namespace ui {

// The dialog "Scanner selecteren": the scanners found, one per line (the
// description with the device name behind it, since two scanners of one
// model read alike), with OK and Annuleren. Without scanners it says so and
// only Annuleren works. Hidden, not destroyed, after closing.
// Controls carry their names as objectName: lblUitleg, lstScanners,
// lblGeenScanner, cmdOK, cmdAnnuleren.
class ScannerKiezen : public QDialog {
  Q_OBJECT
 public:
  explicit ScannerKiezen(QWidget* parent = nullptr);

  // Fills the list; the scanner named `huidig` is selected, or else the first.
  void ZetBronnen(const QList<platform::ScanSource>& bronnen, const QString& huidig);

  // Shows the dialog modally. OK (or a double click) on a scanner writes its
  // device name into `apparaat` and gives true; Annuleren, Escape or closing
  // the window leave `apparaat` as it was.
  bool Toon(QString& apparaat);

  bool Bevestigd() const { return bevestigd_; }
  // The device name of the selected line; empty without a selection.
  QString Gekozen() const;
  QListWidget* Lijst() const { return lstScanners_; }

 public slots:
  void accept() override;
  void reject() override;

 private:
  QLabel* lblUitleg_ = nullptr;
  QListWidget* lstScanners_ = nullptr;
  QLabel* lblGeenScanner_ = nullptr;
  QPushButton* cmdOK_ = nullptr;
  bool bevestigd_ = false;
};

// The message when the scanning program cannot be run.
constexpr const char* kScannerFoutTitel = "Fout.";
constexpr const char* kScannerFoutTekst = "Het scanner-programma kan\nniet gestart worden.";
constexpr const char* kGeenScannerTekst =
    "Er is geen scanner gevonden.\nControleer of de scanner aangesloten en ingeschakeld is.";

// The command "Scanner selecteren": looks for the scanners and lets the user
// choose one in `dialoog`. True when the user chose; `apparaat` then holds
// the device name, which the caller keeps for the next scan. When the
// scanning program cannot be run the message "Fout." is shown and nothing
// else happens.
bool ScannerSelecteren(platform::Scanner& scanner, platform::MessageService& meldingen, ScannerKiezen& dialoog,
                       QString& apparaat);

// The command "Afbeelding Scannen": scans one picture from `apparaat` (empty:
// the system's default scanner). Nothing when no picture came (cancelled,
// failed); when the scanning program cannot be run the message "Fout." has
// been shown as well. The caller turns the picture into a figure.
std::optional<QImage> AfbeeldingScannen(platform::Scanner& scanner, platform::MessageService& meldingen,
                                        const QString& apparaat);

}  // namespace ui
