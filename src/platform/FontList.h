#pragma once
#include <QStringList>

namespace platform {

// The font families the font boxes offer. Empty when no font can be loaded
// at all (none installed, or only damaged files): fontconfig then still
// names its generic families, which draw no text.
QStringList installedFontFamilies();

}  // namespace platform
