#pragma once
#include <QObject>
#include <QStringList>
#include <functional>
#include "ui/Layer.h"

class QAction;
class QMenu;
namespace platform {
class MessageService;
class SettingsStore;
}  // namespace platform

namespace ui {

// The last designs opened or saved, newest first, as numbered entries of
// the file menu ("&1 NAAM.VLO", ...). The list lives in the settings and is
// written as soon as it changes, so the next start has it however this
// one ends.
class RecenteBestanden : public QObject {
  Q_OBJECT
 public:
  static constexpr int kAantal = 8;

  // The entries go into menu before `voor`; kies gets the chosen path.
  RecenteBestanden(QMenu& menu, QAction* voor, platform::SettingsStore& store, platform::MessageService& meldingen,
                   std::function<void(const QString&)> kies, QObject* parent = nullptr);

  // A design was opened or saved under this path: it comes first.
  void Voeg(const QString& pad);
  void Verwijder(const QString& pad);
  // Off while nothing may be opened (a print job runs).
  void ZetBeschikbaar(bool ja);
  const QStringList& Lijst() const { return lijst_; }

 private:
  void Toon();
  void Bewaar();

  platform::SettingsStore& store_;
  platform::MessageService& meldingen_;
  QStringList lijst_;
  QList<QAction*> regels_;
  QAction* scheiding_;
};

}  // namespace ui
