#pragma once
#include <QString>
#include <array>
#include <initializer_list>
#include <vector>

#include "model/Nummering.h"
#include "printing/Layer.h"

namespace model {
class Ontwerp;
}
namespace model {
struct Voorwerp;
}

namespace printing {

inline constexpr const char* kNummerCode = "[#]";
inline constexpr const char* kLijstCodes[5] = {"[A]", "[B]", "[C]", "[D]", "[E]"};

// The 1-based position of the first occurrence of the first of the codes
// that occurs at all, 0 if none does.
int ZoekCode(const QString& tekst, std::initializer_list<const char*> codes);
// Where an element holds the codes: a text line's or round text's text, a
// barcode's data; nullptr for a figure, which holds none.
const QString* CodeTekst(const Voorwerp& v);
// The same in CodeTekst of element index; a figure gives 0.
int ZoekCode(const Ontwerp& o, int index, std::initializer_list<const char*> codes);
// Any of the six codes in the text.
bool HeeftCode(const QString& tekst);

// 0 no codes, 1 running number, 2 list: decided by the first element, in
// table order, whose text holds any code (2 when it holds a letter code).
qint16 IsNummering(const Ontwerp& o);

// The text with every code replaced for copy number n: all "[#]" first,
// then the letter codes, a code inside an inserted value in a later pass.
// A letter code without a list row inserts nothing; values that keep
// bringing codes back stop after a bounded number of passes.
QString VervangNummering(QString tekst, int n, const Nummering& nummering);

// The numbers a job runs through in a mode: from, to, step.
struct Reeks {
  int van = 1;
  int tot = 1;
  int stap = 1;
  // The numbers of the series, as a counted loop with its bounds taken once.
  std::vector<int> Nummers() const;
  // How many numbers that is, without listing them.
  qint64 Aantal() const;
};
Reeks ReeksVoor(qint16 modus, const Nummering& nummering);

}  // namespace printing
