#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <optional>

using CsvRijen = QList<std::array<QString, 5>>;

// Reads a list kept in a spreadsheet: values separated by commas or
// semicolons (whichever the first line uses most), optionally quoted with
// doubled quotes inside, in UTF-8 or Windows-1252. The first five columns
// become the list columns A to E; more are ignored, fewer left empty.
// Every line is a row, a blank one too (a row of empty values, so that the
// values after it stay with their copies); only blank lines at the very end
// are dropped. With `kopregel` the first line holds the column names and is
// no row. Nothing when the bytes are no text (control bytes, or bytes that
// neither UTF-8 nor Windows-1252 gives a character for).
std::optional<CsvRijen> LeesCsvLijst(const QByteArray& inhoud, bool kopregel = false);
