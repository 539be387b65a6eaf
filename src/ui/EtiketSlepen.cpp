// Moving the selection with the right mouse button, stretching it by a
// handle with the left one, and cropping a figure by a handle with the right.
#include <QCheckBox>

#include "ui/Etiket.h"
#include "ui/EtiketPlaatje.h"
#include "ui/Wijziging.h"
#include "model/Kenmerken.h"
#include "platformwidgets/MessageService.h"

void Etiket::VerbindSlepen() {
  connect(pictEtiket_, &EtiketPlaatje::MuisBeweegt, this, [this](Qt::MouseButtons knoppen, QPointF mm) {
    if (!verplaatsing_) return;
    // Only the right button keeps the move going; any other state ends it.
    if (knoppen == Qt::RightButton) ToonSchaduw(Verplaatsen(*verplaatsing_, float(mm.x()), float(mm.y())));
    else Opdracht([this] { EindVerplaatsen(true); });
  });
  connect(pictEtiket_, &EtiketPlaatje::MuisLos, this, [this](Qt::MouseButton, QPointF) {
    if (verplaatsing_) Opdracht([this] { EindVerplaatsen(true); });
  });
  connect(pictEtiket_, &EtiketPlaatje::HandvatNeer, this,
          [this](int index, Qt::MouseButton knop, Qt::KeyboardModifiers toetsen) {
            Opdracht([&] { picHandvat_MouseDown(index, knop, toetsen); });
          });
  connect(pictEtiket_, &EtiketPlaatje::HandvatSleept, this, [this](QPointF mm) {
    if (rekking_) ToonSchaduw(Rekken(*rekking_, float(mm.x()), float(mm.y())));
  });
  connect(pictEtiket_, &EtiketPlaatje::HandvatLos, this, [this](int op, QPointF mm) {
    if (!rekking_) return;
    ToonSchaduw(Rekken(*rekking_, float(mm.x()), float(mm.y())));
    // Let go on the picture or another handle: done; on the handle itself
    // or outside everything: cancelled.
    Opdracht([&] { EindRekken(op == 0 || op == 2); });
  });
}

void Etiket::ToonSchaduw(const Kader& schaduw) {
  beeld_.Schaduw = schaduw;
  beeld_.SchaduwZichtbaar = true;
  pictEtiket_->ToonAlles();
}

void Etiket::BeginVerplaatsen(float x, float y, bool eenRichting) {
  beeld_.PlaatsHandvaten();
  verplaatsing_ = ::BeginVerplaatsen(beeld_.Selectie(), x - beeld_.Selectie().Links, y - beeld_.Selectie().Boven,
                                     eenRichting);
  ToonSchaduw(beeld_.Selectie());
}

void Etiket::picHandvat_MouseDown(int index, Qt::MouseButton knop, Qt::KeyboardModifiers toetsen) {
  bool bijsnijden = false;
  if (knop == Qt::RightButton) {
    const int i = bewerking_.GeselecteerdVoorwerp();
    if (bewerking_.AantalGeselecteerd() != 1 || ontwerp().voorwerp(i).Soort() != Figuur) {
      opties_.meldingen->show(platform::MessageService::Icon::Warning, QStringLiteral("Fout"),
                              QStringLiteral("Bijsnijden werkt alleen indien\ner één figuur geselecteerd is"),
                              platform::MessageService::Buttons::OkCancel);
      return;
    }
    bijsnijden = true;
  } else if (knop != Qt::LeftButton) {
    return;
  }
  beeld_.PlaatsHandvaten();
  rekking_ = BeginRekken(beeld_.Selectie(), index, toetsen & Qt::ShiftModifier, toetsen & Qt::ControlModifier,
                         bijsnijden);
  ToonSchaduw(beeld_.Selectie());
}

void Etiket::EindRekken(bool uitvoeren) {
  const std::optional<Rekking> r = rekking_;
  rekking_.reset();
  const Kader schaduw = beeld_.Schaduw;
  beeld_.SchaduwZichtbaar = false;
  pictEtiket_->ToonAlles();
  if (!uitvoeren || !r) return;
  Wijziging wijziging(*this);
  chkAutomatischVerdelen_->setChecked(false);
  Ontwerp& o = ontwerp();
  for (int i = 1; i <= o.AantalVoorwerpen(); ++i) {
    if (!bewerking_.Geselecteerd(i)) continue;
    Voorwerp& v = o.voorwerp(i);
    NieuwVak n = RekVoorwerp(v, *r, schaduw);
    if (v.Soort() == Tekstlijn) {
      ZetLettergrootte(o, i, n.Lettergrootte);
      n.Hoogte = v.Hoogte;
    }
    if (r->Bijsnijden && v.Soort() == Figuur) {
      v.BronX = n.BronX;
      v.BronY = n.BronY;
      v.BronBreedte = n.BronBreedte;
      v.BronHoogte = n.BronHoogte;
    }
    o.PlaatsVoorwerp(i, n.Links, n.Boven, n.Breedte, n.Hoogte);
  }
  ToonKenmerken(bewerking_.HuidigeLijn());
}
