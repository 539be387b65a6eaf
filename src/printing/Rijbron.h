#pragma once
#include <QDateTime>
#include <QString>
#include <QStringView>
#include <optional>

#include "model/Nummering.h"
#include "printing/Layer.h"

namespace printing {

// What a code between square brackets stands for.
enum class CodeSoort {
  Geen,    // nothing: the code stays as typed
  Nummer,  // "[#]": the label's number
  Kolom,   // a column of the list: "[A]" to "[Z]", or a header's name
  Moment,  // "[Datum]", "[Datum+30]", "[Datum-7]", "[Tijd]": the job's moment
};

// Where the values of each label come from. The job, the preview and the
// editor's checks read a label's values here, whatever holds them.
class Rijbron {
 public:
  virtual ~Rijbron() = default;
  // What the code `naam` (the text between its brackets) is.
  virtual CodeSoort Soort(QStringView naam) const = 0;
  // Its value on the label of number n (a running number or a list row,
  // counted from 1); asked only for a code of some kind.
  virtual QString Waarde(QStringView naam, int n) const = 0;
};

// A design's numbering as a row source: the running number, the list with
// its named columns, and the moment the job takes for now.
class NummeringBron : public Rijbron {
 public:
  NummeringBron(const Nummering& nummering, QDateTime moment);
  CodeSoort Soort(QStringView naam) const override;
  QString Waarde(QStringView naam, int n) const override;

  const Nummering& nummering() const { return nummering_; }
  const QDateTime& moment() const { return moment_; }

 private:
  Nummering nummering_;
  QDateTime moment_;
};

// The column of the list that `naam` names: a letter "A" to "Z" (upper
// case; "A" to "E" always, further ones when the list has them), else a
// header's name, letter case and surrounding spaces ignored. -1: none.
int KolomVoor(const Lijst& lijst, QStringView naam);
// How many days a date code shifts today by ("Datum" 0, "Datum+30" 30),
// or nothing for any other name.
std::optional<int> DatumVerschuiving(QStringView naam);

// Where a possible code lies in a text: the position of its "[" and its
// length with both brackets. A name is 1 to 64 characters with no bracket
// or line end.
struct CodePlek {
  qsizetype begin = 0, lengte = 0;
  QStringView naam;
};
// The first possible code at or after `vanaf`, or nothing.
std::optional<CodePlek> VolgendeCode(QStringView tekst, qsizetype vanaf = 0);

}  // namespace printing
