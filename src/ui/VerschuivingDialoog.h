#pragma once
#include <QDialog>
#include "ui/Layer.h"

class QLineEdit;
namespace platform {
class MessageService;
class SettingsStore;
}  // namespace platform

namespace ui {

// "Verschuiving afdruk": the print offset of one format, stored under the
// format's name exactly as typed.
class VerschuivingDialoog : public QDialog {
  Q_OBJECT
 public:
  VerschuivingDialoog(platform::SettingsStore& instellingen, platform::MessageService& meldingen,
                      const QString& formaat, QWidget* parent = nullptr);

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  platform::SettingsStore& instellingen_;
  platform::MessageService& meldingen_;
  QString formaat_;
  QLineEdit* txtHorizontaleVerschuiving_;
  QLineEdit* txtVertikaleVerschuiving_;
};

}  // namespace ui
