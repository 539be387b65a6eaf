#pragma once
#include <QObject>
#include <QRegion>
#include <optional>
#include <vector>

#include "editor/Bewerking.h"
#include "editor/EtiketBeeld.h"
#include "editor/Geschiedenis.h"
#include "editor/Layer.h"
#include "model/EtiketFormaat.h"

namespace editor {

// The editor without its widgets: the design and the editor's state, the
// kept picture, the history, and the one path every change takes (see
// Wijziging). Windows and panels listen to its signals.
class Bewerker : public QObject {
  Q_OBJECT
 public:
  explicit Bewerker(const FormatenTabel& formaten, QObject* parent = nullptr);

  // Anyone may read the design. Changing it takes a Wijziging, which hands
  // out the writable design: a write beside it would skip the undo step,
  // the changed mark and the repaint.
  const Bewerking& bewerking() const { return bewerking_; }
  const Ontwerp& ontwerp() const { return bewerking_.ontwerp(); }
  EtiketBeeld& beeld() { return beeld_; }
  const Geschiedenis& geschiedenis() const { return geschiedenis_; }
  const EtiketFormaat& Formaat() const { return beeld_.Formaat(); }

  // The selection and the line being edited are the editor's, beside the
  // design: they change without a step of their own.
  void ZetGeselecteerd(int index, bool waarde) { bewerking_.ZetGeselecteerd(index, waarde); }
  void WisSelectie() { bewerking_.WisSelectie(); }
  void ZetHuidigeLijn(int index) { bewerking_.ZetHuidigeLijn(index); }
  // The busy mark (see Bewerking::Bezig) for as long as it lives.
  class BezigBlok {
   public:
    explicit BezigBlok(Bewerker& b) : blok_(b.bewerking_) {}

   private:
    Bewerking::BezigBlok blok_;
  };

  // The numbering of the print run travels with the design but is neither
  // saved in its file nor taken back by undo: it is set without a change.
  Nummering& nummering() { return bewerking_.nummering(); }
  // The file the design now is, after a save or when it was opened or
  // brought back: its name and version, no change of what it holds.
  void ZetBestand(const QString& naam, qint16 bestType);
  // Starts afresh on a design built outside the editor (the program's
  // first): no history, nothing to save. The owner computes the scale and
  // paints anew on FormaatVeranderd. False while a change is under way.
  bool Begin(Ontwerp ontwerp);

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

}  // namespace editor
