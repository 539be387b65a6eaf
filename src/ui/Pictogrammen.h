#pragma once
#include <QIcon>
#include <QPixmap>
#include "ui/Layer.h"

namespace ui {

// Small pictures of the main window, drawn rather than shipped.

// The economy-mode lamp: 0 off, 1 on, 2 on with a sheet held open.
QPixmap SpaarstandLamp(int stand);

}  // namespace ui
