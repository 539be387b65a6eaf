#pragma once
#include <QString>
#include <array>
#include <initializer_list>
#include <memory>
#include <variant>
#include <vector>

#include "model/Nummering.h"
#include "printing/Layer.h"
#include "printing/Rijbron.h"

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

// Any code of the source in the text: "[#]", a list column, a date or time.
bool HeeftCode(const QString& tekst, const Rijbron& bron);

// 0 no codes, 1 running number, 2 list: decided by the first element, in
// table order, whose text holds any code (2 when it holds a letter code).
qint16 IsNummering(const Ontwerp& o);
// The same with every column of the source's list: 2 when that element
// holds a code that names a column. Dates and times leave the mode alone.
qint16 IsNummering(const Ontwerp& o, const Rijbron& bron);

// The text with every code replaced for copy number n: all "[#]" first,
// then the letter codes "[A]" to "[E]", then the others from the left, a
// code inside an inserted value in a later pass. A letter code without a
// list row inserts nothing; a code that names nothing stays as typed;
// values that keep bringing codes back stop after a bounded number of passes.
QString VervangNummering(QString tekst, int n, const Rijbron& bron);
// The same with the numbering alone, the date and time taken now.
QString VervangNummering(QString tekst, int n, const Nummering& nummering);

// The codes in the design's texts that name nothing ("[Prijs]" with no
// column of that name), each once, in the order they first appear.
QStringList OnbekendeCodes(const Ontwerp& o, const Rijbron& bron);

// The numbers a job runs through in a mode: from, to, step; or, for a list
// printed in part, the chosen rows. Each number makes the job's copies,
// times its row's quantity when a column gives one.
struct Reeks {
  Reeks() = default;
  Reeks(int van_, int tot_, int stap_) : van(van_), tot(tot_), stap(stap_) {}
  int van = 1;
  int tot = 1;
  int stap = 1;
  // The chosen rows (counted from 1), in order; nothing: van to tot.
  std::shared_ptr<const std::vector<int>> rijen;
  // Each number's labels per copy, by its place in the series; nothing: 1.
  std::shared_ptr<const std::vector<qint32>> aantallen;
  // The numbers of the series, as a counted loop with its bounds taken once.
  std::vector<int> Nummers() const;
  // How many numbers that is, without listing them.
  qint64 Aantal() const;
  // The labels per copy of the number at `plek` in the series.
  qint32 AantalVoor(size_t plek) const { return aantallen ? (*aantallen)[plek] : 1; }
  // All labels the series makes with `kopieen` copies of every number.
  qint64 Etiketten(qint64 kopieen) const;
};
Reeks ReeksVoor(qint16 modus, const Nummering& nummering);
// The series of a job, with the list's chosen rows and quantities; the
// message that says which row is wrong when a quantity or the choice of
// rows cannot be read.
std::variant<Reeks, QString> MaakReeks(qint16 modus, const Nummering& nummering);

// The rows "5-10,12" chooses from a list of `aantal` rows, in the order
// given; the reason, in Dutch, when it cannot be read or names a row the
// list does not have.
std::variant<std::vector<int>, QString> LeesRijkeuze(QStringView tekst, qint32 aantal);
// Labels per row the largest quantity may ask for.
inline constexpr qint32 kGrootsteAantal = 32767;

}  // namespace printing
