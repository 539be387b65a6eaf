#pragma once
#include <QObject>
#include <QRegion>
#include <optional>
#include <vector>

#include "editor/Bewerking.h"
#include "editor/EtiketBeeld.h"
#include "editor/Geschiedenis.h"
#include "model/EtiketFormaat.h"

// The editor without its widgets: the design and the editor's state, the
// kept picture, the history, and the one path every change takes (see
// Wijziging). Windows and panels listen to its signals.
class Bewerker : public QObject {
  Q_OBJECT
 public:
  explicit Bewerker(const FormatenTabel& formaten, QObject* parent = nullptr);

  Bewerking& bewerking() { return bewerking_; }
  const Bewerking& bewerking() const { return bewerking_; }
  Ontwerp& ontwerp() { return bewerking_.ontwerp(); }
  const Ontwerp& ontwerp() const { return bewerking_.ontwerp(); }
  EtiketBeeld& beeld() { return beeld_; }
  const Geschiedenis& geschiedenis() const { return geschiedenis_; }
  const EtiketFormaat& Formaat() const { return beeld_.Formaat(); }

  // Hiding and showing the selection frames and handles, nested.
  void VerbergAlles();
  void ToonAlles();

  // A new scale for a picture of this inner size in pixels and outer size
  // in twips, and a full repaint.
  void BerekenSchaal(QSize pixels, QSizeF twips);
  void HertekenAlles();

  // Undo and redo: false when there was nothing to take back or forward.
  bool Ongedaan();
  bool Opnieuw();
  void WisGeschiedenis();
  // The next change is a step of its own, even with the same key as the
  // one before (a new burst of arrow keys).
  void BeginNieuweStap() { geschiedenis_.Onderbreek(); }

  // Whether the design differs from what was last saved or opened. Undo
  // back to that state makes it unchanged again.
  bool Gewijzigd() const { return stand_ != bewaardeStand_; }
  // The design as it is now was saved, opened or started anew.
  void ZetBewaard();
  // The design as it is now was saved nowhere (a design brought back from a
  // recovery copy): no state of it counts as saved.
  void ZetGewijzigd();
  // Called inside the change that starts another design: from here on the
  // file name, version and saved state are the new design's, and undo back
  // past this change brings the old design's back with it.
  void BeginAnderOntwerp();

 signals:
  // Part of the kept image changed (image pixels).
  void Getoond(const QRegion& gebied);
  // The whole picture changed, or what is drawn over it.
  void AllesGetoond();
  // The handles moved or were hidden or shown.
  void HandvattenGeplaatst();
  // Another format: the scale must be computed anew (BerekenSchaal).
  void FormaatVeranderd();
  // Undo or redo put another design and selection in place.
  void StapGezet();
  // The history or the changed flag moved.
  void GeschiedenisVeranderd();

 private:
  friend class Wijziging;
  void BeginWijziging(const QString& samenvoegen);
  // `mislukt`: the scope is left by an exception.
  void EindWijziging(bool mislukt) noexcept;
  // Repaints what differs from `voor` (everything after another format);
  // false when nothing differs.
  bool ToonVerschil(const Ontwerp& voor);
  void ZetStap(Stap stap);
  // The design, its selection and where it stands, for the history.
  Stap HuidigeStap() const;
  bool Wissel(std::optional<Stap> (Geschiedenis::*richting)(Stap));

  const FormatenTabel& formaten_;
  Bewerking bewerking_;
  EtiketBeeld beeld_;
  Geschiedenis geschiedenis_;
  int diepte_ = 0;
  std::vector<Stap> voor_;  // the design as each nested change found it
  QString sleutel_;
  quint64 stand_ = 1;
  quint64 bewaardeStand_ = 1;
  quint64 laatsteStand_ = 1;  // 0 never names a state
  quint64 ontwerpNr_ = 1;
  quint64 laatsteOntwerpNr_ = 1;
};
