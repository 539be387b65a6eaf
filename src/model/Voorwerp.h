#pragma once
#include <QImage>
#include <QPicture>
#include <QRect>
#include <QString>
#include <functional>
#include <memory>
#include <mutex>
#include <type_traits>
#include <variant>

#include "model/Bool16.h"
#include "model/ExactGetal.h"
#include "model/Layer.h"
#include "model/Omzetting.h"
#include "model/Streepjescode.h"

namespace model {

class Ontwerp;

// The picture of an element: a raster (one bit, black on white, for figures
// and round texts) or, for some pasted pictures, a vector picture. Pictures
// are never changed once made, so copies of a design share them.
struct Beeld {
  QImage raster;
  QPicture vector;
  bool isVector = false;
  // A picture cheaper to draw again than to keep (a round text's, from its
  // layout): `teken` draws it and `raster` stays empty. Of the pictures
  // drawn this way only the most recently used are kept, within a fixed
  // budget of memory, so that thousands of them cost their descriptions.
  // It may run on any thread, for several pictures at once: it only reads
  // what it holds.
  std::function<QImage()> teken;
  // The picture's grey values (luminance laid over white, 255 only where
  // the one-bit raster is white), kept for figures that may be dithered;
  // null when the picture came without them.
  QImage grijs;
  // The dots last made from `grijs`: the screen asks for the same ones at
  // every repaint, the job once. Shared by copies, as the picture is.
  struct Omgezet {
    std::mutex slot;
    QImage punten;
    QRect bron;
    QSize vak;
    Omzetting omzetting;
  };
  std::shared_ptr<Omgezet> omgezet = std::make_shared<Omgezet>();

  Beeld() = default;
  Beeld(const Beeld&) = default;
  Beeld& operator=(const Beeld&) = delete;
  ~Beeld();

  // The raster: the kept one, or the one `teken` draws (or drew lately).
  QImage Raster() const;
};

// How many bytes the pictures drawn again are kept within at most; a
// single larger one is still drawn, and let go when another comes.
inline constexpr qint64 kGetekendeBeeldenBudget = qint64(32) << 20;

// The kinds of element, a closed set: every operation that does something
// of its own per kind handles all of them, by Voorwerp::Bezoek or by a
// switch without a default (the build makes a kind left out of a switch an
// error), so a new kind does not compile until each one handles it. The
// numbers are the ones the kinds always had; no file stores them.
enum class SoortVoorwerp : qint16 { Tekstlijn = 1, Figuur = 2, RondeTekst = 3, Streepjescodevoorwerp = 4 };

// The parts the kinds of element are made of.
// The text and its font: text lines and round texts.
struct Tekstdeel {
  QString Tekst;
  qint16 Lettergrootte = 0;
  QString Lettertype;
  Bool16 Vet;
  Bool16 Cursief;
  Bool16 Onderlijnd;
  qint16 Uitlijning = 0;  // text: 0 left, 1 right, 2 centred; round text: reference mode

  bool operator==(const Tekstdeel&) const = default;
};
// The circle a round text is set along.
struct Cirkeldeel {
  ExactGetal Straal = 0;
  ExactGetal Spatiering = 0;
  Bool16 Wijzerzin;
  ExactGetal Referentiepunt = 0;
  ExactGetal MiddenX = 0;
  ExactGetal MiddenY = 0;

  bool operator==(const Cirkeldeel&) const = default;
};
// A picture and the part of it that shows: figures and round texts.
struct Beelddeel {
  std::shared_ptr<const Beeld> Afbeelding;
  qint32 BeeldBreedte = 0;
  qint32 BeeldHoogte = 0;
  qint32 BronX = 0;
  qint32 BronY = 0;
  qint32 BronBreedte = 0;
  qint32 BronHoogte = 0;
  // Gives the element a picture; the source rectangle becomes the whole picture.
  void ZetAfbeelding(std::shared_ptr<const Beeld> beeld, qint32 breedte, qint32 hoogte);

  // Pictures compare by identity: they are never changed once made.
  bool operator==(const Beelddeel&) const = default;
};

// The kinds. A text line keeps the circle of the round text it may have
// been, so that turning it round again starts from there.
// Equality is derived, bases and fields alike: a field added to any part
// takes part in every comparison without anyone listing it. Each names
// its kind, which Voorwerp::Soort reads.
// A text line that shrinks its font until the text fits the box's width,
// never below Minimum points.
struct Passend {
  bool Aan = false;
  qint16 Minimum = 6;
  bool operator==(const Passend&) const = default;
};
inline constexpr qint16 kKleinstePassend = 1;

struct TekstlijnDeel : Tekstdeel, Cirkeldeel {
  static constexpr SoortVoorwerp kSoort = SoortVoorwerp::Tekstlijn;
  Passend passend;
  bool operator==(const TekstlijnDeel&) const = default;
};
struct FiguurDeel : Beelddeel {
  static constexpr SoortVoorwerp kSoort = SoortVoorwerp::Figuur;
  Omzetting omzetting;
  bool operator==(const FiguurDeel&) const = default;
};
struct RondeTekstDeel : Tekstdeel, Cirkeldeel, Beelddeel {
  static constexpr SoortVoorwerp kSoort = SoortVoorwerp::RondeTekst;
  bool operator==(const RondeTekstDeel&) const = default;
};
// A barcode is its description only: what it looks like follows from it
// and the printer's dots, so nothing drawn is kept.
struct StreepjescodeDeel : Streepjescode {
  static constexpr SoortVoorwerp kSoort = SoortVoorwerp::Streepjescodevoorwerp;
  bool operator==(const StreepjescodeDeel&) const = default;
};


// Lambdas joined into one overload set, for std::visit.
template <typename... F>
struct Overload : F... {
  using F::operator()...;
};
template <typename... F>
Overload(F...) -> Overload<F...>;
// True when the visitor takes each alternative of the variant.
template <typename Bezoeker, typename... Deel>
constexpr bool BezoektElkDeel(const std::variant<Deel...>*) {
  return (std::is_invocable_v<Bezoeker&, const Deel&> && ...);
}

// One element of the design: its box in millimetres (origin at the label's
// centre, y downwards) and the data of its kind. A copy shares the
// picture, which is read-only. The kind and the identity are set by the
// design, which counts its kinds.
struct Voorwerp {
  using Deel = std::variant<TekstlijnDeel, FiguurDeel, RondeTekstDeel, StreepjescodeDeel>;

  explicit Voorwerp(SoortVoorwerp soort = SoortVoorwerp::Tekstlijn);

  // The kind follows from the part the element holds.
  SoortVoorwerp Soort() const {
    return std::visit([](const auto& deel) { return std::decay_t<decltype(deel)>::kSoort; }, deel_);
  }
  // Calls the one of `f` that takes the part of this element's kind
  // (TekstlijnDeel, FiguurDeel, RondeTekstDeel or StreepjescodeDeel) and
  // returns what it returns; they all return the same type. Give every
  // kind a function of its own, taking its own part (no catch-all `auto`,
  // no part several kinds share): then a kind left out, or a new one, does
  // not compile.
  template <typename... F>
  decltype(auto) Bezoek(F&&... f) const {
    Overload bezoeker{std::forward<F>(f)...};
    static_assert(BezoektElkDeel<decltype(bezoeker)>(static_cast<const Deel*>(nullptr)),
                  "Voorwerp::Bezoek needs a function for every kind");
    return std::visit(bezoeker, deel_);
  }

  // Stays with the element for the life of the design, through moves,
  // deletions of others, copies and undo; 0 outside a design.
  quint32 Id() const { return id_; }

  ExactGetal Links = 0;
  ExactGetal Boven = 0;
  ExactGetal Breedte = 0;
  ExactGetal Hoogte = 0;

  float Rechts() const { return Links + Breedte; }
  float Onder() const { return Boven + Hoogte; }

  // The parts of the element's kind. Asking a kind for a part it does not
  // have is a fault of the program and throws std::logic_error; the
  // pointer forms give nullptr instead.
  Tekstdeel& tekst();
  const Tekstdeel& tekst() const;
  Cirkeldeel& cirkel();
  const Cirkeldeel& cirkel() const;
  Beelddeel& beeld();
  const Beelddeel& beeld() const;
  Tekstdeel* alsTekst();
  const Tekstdeel* alsTekst() const;
  const Beelddeel* alsBeeld() const;
  FiguurDeel* alsFiguur();
  const FiguurDeel* alsFiguur() const;
  TekstlijnDeel* alsTekstlijn();
  const TekstlijnDeel* alsTekstlijn() const;
  Streepjescode& code();
  const Streepjescode& code() const;
  const Streepjescode* alsCode() const;

  // Stores the box; a width or height not above 0 becomes 1, in the
  // caller's variable too.
  void Plaats(float& links, float& boven, float& breedte, float& hoogte);
  // Same content and box, identity aside; pictures compare by identity.
  bool ZelfdeAls(const Voorwerp& ander) const;

 private:
  friend class Ontwerp;
  // Another kind: the parts both kinds have are kept.
  void ZetSoort(SoortVoorwerp soort);

  quint32 id_ = 0;
  Deel deel_;
};

}  // namespace model
