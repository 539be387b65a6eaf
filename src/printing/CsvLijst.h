#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <array>

// Reads a list kept in a spreadsheet: values separated by commas or
// semicolons (whichever the first line uses most), optionally quoted with
// doubled quotes inside, in UTF-8 or Windows-1252. The first five columns
// become the list columns A to E; more are ignored, fewer left empty.
QList<std::array<QString, 5>> LeesCsvLijst(const QByteArray& inhoud);
