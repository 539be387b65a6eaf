#pragma once
#include <QList>
#include <QPair>
#include <QString>
#include "figures/Layer.h"

namespace platform {
class SettingsStore;
}

namespace figures {

// The user's galleries: name (shown in menus and lists) and picture folder,
// in the order the user keeps them.
using GalerijLijst = QList<QPair<QString, QString>>;

// The settings section that holds one value per gallery.
inline const QString kGalerijenSectie = QStringLiteral("Galleries");

// Replaces the stored galleries by the list: the whole section goes, then
// each gallery is written in list order with its name as key and its folder
// as the first of its list of folders; the folders after the first that
// the store held for that name stay. Keys compare without letter case, so
// of galleries with the same name the last one's folder is what remains.
// Making the store durable is left to the caller.
void BewaarGalerijen(platform::SettingsStore& s, const GalerijLijst& galerijen);

}  // namespace figures
