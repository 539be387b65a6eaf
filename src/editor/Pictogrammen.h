#pragma once
#include <QIcon>
#include <QPixmap>

// Small pictures of the main window, drawn rather than shipped.

// Four lines set left (0), right (1) or centred (2).
QIcon UitlijnIcoon(int uitlijning);
// The economy-mode lamp: 0 off, 1 on, 2 on with a sheet held open.
QPixmap SpaarstandLamp(int stand);
