#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <variant>

using CsvRijen = QList<std::array<QString, 5>>;

// Why a list was refused.
enum class LijstFout {
  Openen,       // the file cannot be read
  TeGroot,      // more bytes than kMaxLijstBytes
  TeVeelRijen,  // more rows than kMaxLijstRijen
  GeenTekst,    // control bytes, or bytes no code page gives a character for
};

// What a list may hold. A million rows is more than any label run needs,
// and at that size reading stays well within memory and a few seconds.
inline constexpr qint64 kMaxLijstBytes = qint64(64) * 1024 * 1024;
inline constexpr int kMaxLijstRijen = 1'000'000;

// Reads a list kept in a spreadsheet: values separated by commas or
// semicolons (whichever the first line uses most), optionally quoted with
// doubled quotes inside, in UTF-8 or Windows-1252. The first five columns
// become the list columns A to E; more are ignored, fewer left empty.
// Every line is a row, a blank one too (a row of empty values, so that the
// values after it stay with their copies); only blank lines at the very end
// are dropped. With `kopregel` the first line holds the column names and is
// no row. Refused when the bytes are no text (control bytes, or bytes that
// neither UTF-8 nor Windows-1252 gives a character for), or beyond the
// limits above.
std::variant<CsvRijen, LijstFout> LeesCsvLijst(const QByteArray& inhoud, bool kopregel = false);
// The same from a file, whose size is checked before it is read.
std::variant<CsvRijen, LijstFout> LeesLijstBestand(const QString& pad, bool kopregel = false);
// The message for a refused list file, shown under "Fout".
QString LijstMelding(LijstFout fout, const QString& pad);
