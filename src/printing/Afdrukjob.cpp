#include "printing/Afdrukjob.h"

#include <QIODevice>
#include <algorithm>
#include <utility>

#include "model/Afronden.h"
#include "printing/Sbpl.h"
#include "printing/Velgrenzen.h"

namespace printing {

namespace {

struct Schrijver {
  QIODevice& uit;
  bool fout = false;
  Velgrenzen* grenzen = dynamic_cast<Velgrenzen*>(&uit);
  void operator()(const QByteArray& b) {
    if (!fout && !b.isEmpty() && uit.write(b) != b.size()) fout = true;
  }
  // A sheet's end is written: `afgedrukt` labels are in the stream whole.
  void VelAf(qint64 afgedrukt) {
    if (grenzen && !fout) grenzen->VelAf(afgedrukt);
  }
};

}  // namespace


Velgang::Velgang(const Afdrukopdracht& o, const VelStand& stand, bool rijenApart)
    : o_(&o), nummers_(o.reeks.Nummers()), rijenApart_(rijenApart) {
  const EtiketFormaat& f = o.formaat;
  rij_ = stand.VelOpen ? stand.VolgendeRij : 1;
  kolom_ = stand.VelOpen ? stand.VolgendeKolom : 1;
  x0_ = f.LinkerOffset + o.HorizontalShift;
  y0_ = f.BovenOffset + o.VerticalShift;
  x_ = float(kolom_ - 1) * f.HorizontaleSteek + x0_;
  y_ = rijenApart_ ? y0_ : float(rij_ - 1) * f.VerticaleSteek + y0_;
  perVel_ = std::max(1, int(f.Rijen) * int(f.Kolommen));
  // A sheet held open counts as the first one.
  vellen_ = stand.VelOpen ? 1 : 0;
}

void Velgang::Stop() {
  gestopt_ = true;
  fase_ = Fase::Klaar;
}

Velgang::Stap Velgang::Volgende() {
  const EtiketFormaat& f = o_->formaat;
  for (;;) {
    switch (fase_) {
      case Fase::BijNummer:
        if (index_ >= nummers_.size()) {
          fase_ = Fase::Klaar;
          return Stap::Einde;
        }
        kopieen_ = int(o_->Aantal) * o_->reeks.AantalVoor(index_);
        nummer_ = nummers_[index_++];
        gedaan_ = 0;
        fase_ = Fase::Plek;
        return Stap::Nummer;
      case Fase::Plek:
        if (gedaan_ >= kopieen_) {
          fase_ = Fase::BijNummer;
          continue;
        }
        fase_ = Fase::EtiketNu;
        if (rij_ == 1 && kolom_ == 1) {
          if (o_->GrootsteVellen > 0 && vellen_ == o_->GrootsteVellen) {
            Stop();
            return Stap::Einde;
          }
          ++vellen_;
          q_ = std::max(1, (kopieen_ - gedaan_) / perVel_);
          return Stap::Kop;
        }
        continue;
      case Fase::EtiketNu: fase_ = Fase::NaEtiket; return Stap::Etiket;
      case Fase::NaEtiket:
        gedaan_ += q_;
        ++kolom_;
        x_ += f.HorizontaleSteek;
        if (kolom_ > f.Kolommen) {
          x_ = x0_;
          if (!rijenApart_) y_ += f.VerticaleSteek;
          ++rij_;
          kolom_ = 1;
        }
        fase_ = Fase::Plek;
        if (rij_ > f.Rijen) {
          rij_ = 1;
          kolom_ = 1;
          x_ = x0_;
          y_ = y0_;
          return Stap::VolVel;
        }
        continue;
      case Fase::Klaar: return Stap::Einde;
    }
  }
}

Jobuitkomst Afdrukken(const Printertaal& taal, int ppm, const Afdrukopdracht& o, VelStand& stand,
                      const EtiketBlok& label, QIODevice& uit, const Voortgang& voortgang, QString* waarom,
                      qint64* etiketten) {
  Schrijver schrijf{uit};
  Velgang gang(o, stand, taal.Grenzen().rijenApart);
  bool onafdrukbaar = false;
  // Labels written on the current sheet, and those of the sheets closed.
  qint64 opVel = 0, afgedrukt = 0;
  QByteArray kop;
  // A failed write ends the walk there.
  for (Velgang::Stap s; !schrijf.fout && (s = gang.Volgende()) != Velgang::Stap::Einde;) {
    switch (s) {
      case Velgang::Stap::Nummer:
        if (voortgang && voortgang(gang.nummer(), o.reeks.tot)) gang.Stop();
        break;
      case Velgang::Stap::Kop:
        // Written with the sheet's first label, which always follows: a
        // label that cannot be drawn then leaves no empty sheet begun.
        kop = taal.BeginVel(o, ppm);
        break;
      case Velgang::Stap::Etiket:
        try {
          QByteArray blok = label(gang.x(), gang.y(), gang.nummer());
          if (!kop.isEmpty()) schrijf(std::exchange(kop, {}));
          if (gang.kolom() == 1) schrijf(taal.BeginRij(o, ppm, gang.y()));
          schrijf(blok);
          ++opVel;
          if (gang.kolom() >= o.formaat.Kolommen) schrijf(taal.EindeRij(gang.q()));
        } catch (const OnafdrukbaarEtiket& e) {
          // Nothing of this label went out; the sheet ends as a stop ends it.
          onafdrukbaar = true;
          if (waarom) *waarom = e.melding;
          gang.Stop();
        }
        break;
      case Velgang::Stap::VolVel:
        schrijf(taal.EindeVel(gang.q()));
        afgedrukt += opVel * gang.q();
        opVel = 0;
        schrijf.VelAf(afgedrukt);
        break;
      case Velgang::Stap::Einde: break;
    }
  }
  const int q = gang.gestopt() ? 1 : gang.q();
  const int rij = gang.rij(), kolom = gang.kolom();
  VelStand nieuw;
  if (!o.Spaarstand) {
    if (kolom != 1) schrijf(taal.EindeRij(q));
    if (rij != 1 || kolom != 1) schrijf(taal.EindeVel(q));
    afgedrukt += opVel * q;
    schrijf.VelAf(afgedrukt);
  } else {
    afgedrukt += opVel;
    nieuw.VelOpen = rij != 1 || kolom != 1;
    nieuw.VolgendeRij = qint16(rij);
    nieuw.VolgendeKolom = qint16(kolom);
  }
  if (etiketten) *etiketten = afgedrukt;
  if (schrijf.fout) return Jobuitkomst::Schrijffout;
  stand = nieuw;
  if (onafdrukbaar) return Jobuitkomst::Onafdrukbaar;
  return gang.gestopt() ? Jobuitkomst::Gestopt : Jobuitkomst::Klaar;
}

Jobuitkomst AfdrukkenSATO(const Afdrukopdracht& o, VelStand& stand, const EtiketBlok& label, QIODevice& uit,
                          const Voortgang& voortgang, QString* waarom, qint64* etiketten) {
  // SBPL's sheet frame is the same at any resolution.
  return Afdrukken(sbpl::Taal(), 0, o, stand, label, uit, voortgang, waarom, etiketten);
}

QString AfgedruktZin(qint64 etiketten) {
  if (etiketten == 0) return QStringLiteral("Er is geen etiket afgedrukt.");
  if (etiketten == 1) return QStringLiteral("1 etiket is afgedrukt.");
  return QStringLiteral("%1 etiketten zijn afgedrukt.").arg(etiketten);
}

std::optional<VerrePlek> EersteVerrePlek(const Afdrukopdracht& o, const VelStand& stand, int ppm,
                                         const Taalgrenzen& grenzen) {
  // As the label block turns its corner into dots.
  const auto punten = [ppm](float mm) { return RondAf(std::max(0.0f, mm) * float(ppm)); };
  const int grens = grenzen.grootstePositie;
  Velgang gang(o, stand, grenzen.rijenApart);
  // The rest of a held sheet, then one whole sheet: every place the job
  // can still reach has been seen (a later sheet repeats the whole one).
  const long long perVel = std::max(1, int(o.formaat.Rijen) * int(o.formaat.Kolommen));
  long long labels = 0;
  for (Velgang::Stap s; labels < 2 * perVel && (s = gang.Volgende()) != Velgang::Stap::Einde;) {
    if (s != Velgang::Stap::Etiket) continue;
    ++labels;
    const int verst = std::max(punten(gang.x()), punten(gang.y()));
    if (verst > grens) return VerrePlek{gang.rij(), gang.kolom(), verst};
  }
  return std::nullopt;
}

}  // namespace printing
