#pragma once
#include <QByteArray>
#include <QString>
#include <variant>
#include "model/Lijst.h"
#include "printing/Layer.h"

class QIODevice;

namespace printing {

using CsvRijen = Lijst;

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

// Reads a list kept in a spreadsheet: values separated by tabs, semicolons
// or commas, optionally quoted with doubled quotes inside, in UTF-8,
// Windows-1252 or UTF-16 with its byte-order mark. The separator is the one
// that splits the first lines alike: each of them into the same number of
// values, more than one, with quotes only around values (a separator inside
// quotes is part of the value). When more than one does, tab goes before
// semicolon and semicolon before comma, so "Kaas;4,95" is two values, as a
// Dutch spreadsheet writes them; when none splits a line, every line is one
// value. A line ends with LF, CR LF or CR; a quoted value may hold line
// ends, each read as LF. The columns are the list's columns A, B, ... (at
// most Lijst::kMaxKolommen); a row with fewer has the rest empty.
// Every line is a row, a blank one too (a row of empty values, so that the
// values after it stay with their copies); only blank lines at the very end
// are dropped. With `kopregel` the first line holds the column names and is
// no row: its values name the columns. Refused when the bytes are no text (control characters, or bytes
// that neither UTF-8 nor Windows-1252 gives a character for, or broken
// UTF-16), or beyond the limits above.
// The bytes become the list's own (written over as they are read): a
// caller that moves them in lends the list its memory.
std::variant<CsvRijen, LijstFout> LeesCsvLijst(QByteArray inhoud, bool kopregel = false);
// The same from a file, whose size is checked before it is read.
std::variant<CsvRijen, LijstFout> LeesLijstBestand(const QString& pad, bool kopregel = false);
// The same from an open stream (standard input, a pipe), read up to one
// byte past the size limit.
std::variant<CsvRijen, LijstFout> LeesLijst(QIODevice& bron, bool kopregel = false);
// The message for a refused list file, shown under "Fout".
QString LijstMelding(LijstFout fout, const QString& pad);

}  // namespace printing
