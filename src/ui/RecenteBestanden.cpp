#include "ui/RecenteBestanden.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "ui/InstellingenSchrijven.h"

namespace ui {

namespace {
const QString kSectie = QStringLiteral("Recent");
const QString kSleutel = QStringLiteral("Files");

// One file, however it was named: the same design is one entry.
QString Eenduidig(const QString& pad) { return QDir::cleanPath(QFileInfo(pad).absoluteFilePath()); }
}  // namespace

RecenteBestanden::RecenteBestanden(QMenu& menu, QAction* voor, platform::SettingsStore& store,
                                   platform::MessageService& meldingen, std::function<void(const QString&)> kies,
                                   QObject* parent)
    : QObject(parent), store_(store), meldingen_(meldingen) {
  for (const QString& pad : store_.readList(kSectie, kSleutel)) {
    const QString p = Eenduidig(pad);
    if (!pad.trimmed().isEmpty() && !lijst_.contains(p) && lijst_.size() < kAantal) lijst_ << p;
  }
  for (int i = 0; i < kAantal; ++i) {
    auto* a = new QAction(&menu);
    a->setObjectName(QStringLiteral("mnuRecent%1").arg(i + 1));
    connect(a, &QAction::triggered, this, [this, i, kies] {
      // The path is taken now: choosing may change the list.
      if (i < lijst_.size()) kies(QString(lijst_[i]));
    });
    menu.insertAction(voor, a);
    regels_ << a;
  }
  scheiding_ = menu.insertSeparator(voor);
  Toon();
}

void RecenteBestanden::Voeg(const QString& pad) {
  const QString p = Eenduidig(pad);
  if (!lijst_.isEmpty() && lijst_.first() == p) return;
  lijst_.removeAll(p);
  lijst_.prepend(p);
  while (lijst_.size() > kAantal) lijst_.removeLast();
  Toon();
  Bewaar();
}

void RecenteBestanden::Verwijder(const QString& pad) {
  if (lijst_.removeAll(Eenduidig(pad)) == 0) return;
  Toon();
  Bewaar();
}

void RecenteBestanden::ZetBeschikbaar(bool ja) {
  for (QAction* a : regels_) a->setEnabled(ja);
}

void RecenteBestanden::Toon() {
  for (int i = 0; i < kAantal; ++i) {
    QAction* a = regels_[i];
    const bool er = i < lijst_.size();
    a->setVisible(er);
    if (!er) continue;
    // "&" in a name would be taken for an accelerator.
    QString naam = QFileInfo(lijst_[i]).fileName();
    naam.replace(u'&', QStringLiteral("&&"));
    a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(naam));
    a->setStatusTip(lijst_[i]);
    a->setToolTip(lijst_[i]);
  }
  scheiding_->setVisible(!lijst_.isEmpty());
}

void RecenteBestanden::Bewaar() {
  store_.writeList(kSectie, kSleutel, lijst_);
  SchrijfInstellingen(store_, meldingen_);
}

}  // namespace ui
