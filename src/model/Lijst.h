#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <initializer_list>
#include "model/Layer.h"

namespace model {

// A list of values, a row per label: all values in one UTF-8 buffer, each
// known by where it ends. A million rows of a few short values take tens
// of megabytes, where a text object per value took hundreds. Rows may hold
// fewer values than the widest one; the missing ones are empty. Copies
// share the buffer until one of them changes.
class Lijst {
 public:
  // At most this many columns are kept from a row; further ones are
  // dropped, as a spreadsheet's stray trailing separators would make them.
  static constexpr int kMaxKolommen = 256;

  Lijst() = default;
  // Rows written out, for small lists made in code.
  Lijst(std::initializer_list<QStringList> rijen);

  qint32 size() const { return qint32(rijen_.size()); }
  bool isEmpty() const { return rijen_.isEmpty(); }
  // The number of columns: the most values any row has.
  int Kolommen() const { return kolommen_; }
  // The value in column `kolom` (0-based) of row `rij` (0-based); empty
  // beyond the row's values.
  QString Waarde(qint32 rij, int kolom) const;
  // The same as its UTF-8 bytes, without decoding.
  QByteArrayView Bytes(qint32 rij, int kolom) const;
  QStringList Rij(qint32 rij) const;

  void ZetWaarde(qint32 rij, int kolom, const QString& waarde);
  void VoegRijToe(const QStringList& waarden = {});
  void VerwijderRij(qint32 rij);
  void clear() {
    *this = Lijst();
    Veranderd();
  }

  // The names of the columns, from a header row; empty without one.
  const QStringList& Namen() const { return namen_; }
  void ZetNamen(QStringList namen);
  // The column whose name is `naam`, letter case and surrounding spaces
  // ignored; -1 when none is.
  int KolomVan(QStringView naam) const;

  // For a reader that fills the list row by row: a row begins, its values
  // follow as UTF-8, each appended to the row begun last.
  void BeginRij();
  void VoegWaardeToe(QByteArrayView utf8);
  // For a reader that writes the values one after another into a buffer of
  // its own (a file's bytes, rewritten in place): each value is known by
  // where it ends, and the list takes the buffer when all are known.
  void VoegEindeToe(quint32 einde);
  void NeemBuffer(QByteArray buffer);
  void Reserveer(qsizetype rijen, qsizetype waarden, qsizetype bytes);
  // Gives back room reserved beyond what the list holds.
  void Krimp();

  // The memory the list holds, in bytes.
  qint64 Geheugen() const;
  // Changes with every change to the list, and only then: a copy has the
  // version of what it copied. For results worked out from the list.
  quint64 Versie() const { return versie_; }

  friend bool operator==(const Lijst& a, const Lijst& b);

 private:
  struct Plek {
    quint32 eerste = 0;  // index of the row's first value in einden_
    quint32 aantal = 0;  // its values
  };
  QByteArray buffer_;
  // Where each value ends in buffer_; it begins where the one before it
  // ends (the first at 0): values are only ever appended, a row that
  // changes is written anew at the end, so a value costs four bytes.
  QList<quint32> einden_;
  QList<Plek> rijen_;
  QStringList namen_;
  int kolommen_ = 0;
  quint64 versie_ = 0;
  void Veranderd();
};

}  // namespace model
