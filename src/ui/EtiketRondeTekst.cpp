// Round texts from the main window: add, edit, and turning a text line
// into a round text and back.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "ui/Etiket.h"
#include "ui/EtiketPlaatje.h"
#include "ui/Wijziging.h"
#include "model/Getal.h"
#include "model/Kenmerken.h"
#include "platformwidgets/WidgetHelpers.h"
#include "platformwidgets/MessageService.h"
#include "roundtext/RondeTekstOpdrachten.h"
#include "ui/frmRondeTekst.h"


void Etiket::VerbindRondeTekst() {
  connect(mnuRondeTekstToevoegen_, &QAction::triggered, this, [this] { Opdracht([this] { mnuRondeTekstToevoegen_Click(); }); });
  connect(cmdRondeTekstToevoegen_, &QPushButton::clicked, this, [this] { Opdracht([this] { mnuRondeTekstToevoegen_Click(); }); });
  connect(mnuRondeTekstWijzigen_, &QAction::triggered, this, [this] { Opdracht([this] { mnuRondeTekstWijzigen_Click(); }); });
  connect(mnuTekstOmzetten_, &QAction::triggered, this, [this] { Opdracht([this] { mnuTekstOmzetten_Click(); }); });
  connect(cmdTekstConverteren_, &QPushButton::clicked, this, [this] { Opdracht([this] { cmdTekstConverteren_Click(); }); });
  connect(pictEtiket_, &EtiketPlaatje::DubbelKlik, this, [this] {
    // A double click on a lone round text edits it.
    const int i = bewerking_.GeselecteerdVoorwerp();
    if (bewerking_.AantalGeselecteerd() == 1 && ontwerp().voorwerp(i).Soort() == RondeTekst)
      Opdracht([this] { mnuRondeTekstWijzigen_Click(); });
  });
}

frmRondeTekst& Etiket::RondeTekstDialoog() {
  if (!rondeTekst_) rondeTekst_ = std::make_unique<frmRondeTekst>(*opties_.meldingen, this);
  return *rondeTekst_;
}

void Etiket::mnuRondeTekstToevoegen_Click() {
  platform::BusyCursor muis;
  int uitlijning = 0;
  for (int k = 0; k < 3; ++k)
    if (cmdUitlijning_[size_t(k)]->isChecked()) uitlijning = k;
  const double grootte = std::nearbyint(LeesGetal(txtLettergrootte_->text()));
  frmRondeTekst& dialoog = RondeTekstDialoog();
  dialoog.Vul(NieuweRondeTekst(HuidigEtiketFormaat(), cmbLettertype_->currentText(),
                               qint16(grootte > 0 && grootte < 32768 ? grootte : 12), stijlKnoppen_[0]->isChecked(),
                               stijlKnoppen_[1]->isChecked(), qint16(uitlijning)));
  if (!dialoog.Toon()) return;
  Wijziging wijziging(*this);
  const int i = VoegRondeTekstToe(ontwerp(), HuidigEtiketFormaat(), dialoog.Gegevens());
  DeSelekteerAlles();
  SelecteerVoorwerp(i);
}

bool Etiket::WijzigRondeTekst(int index) {
  frmRondeTekst& dialoog = RondeTekstDialoog();
  dialoog.Vul(GegevensVan(ontwerp().voorwerp(index)));
  bool ok = false;
  {
    platform::BusyCursor muis;
    ok = dialoog.Toon();
  }
  if (!ok) return false;
  Wijziging wijziging(*this);
  platform::BusyCursor muis;
  ::WijzigRondeTekst(ontwerp(), index, HuidigEtiketFormaat(), dialoog.Gegevens());
  return true;
}

void Etiket::mnuRondeTekstWijzigen_Click() {
  const int i = bewerking_.GeselecteerdVoorwerp();
  if (i == 0) {
    opties_.meldingen->beep();
    return;
  }
  WijzigRondeTekst(i);
}

void Etiket::mnuTekstOmzetten_Click() {
  const int i = bewerking_.GeselecteerdVoorwerp();
  if (i == 0) {
    opties_.meldingen->beep();
    return;
  }
  const qint16 soort = ontwerp().voorwerp(i).Soort();
  Wijziging wijziging(*this);
  if (soort == Tekstlijn) {
    BeginOmzettingNaarRond(ontwerp(), i, HuidigEtiketFormaat());
    const bool ok = WijzigRondeTekst(i);
    EindOmzettingNaarRond(ontwerp(), i, ok);
    // A round text is not edited in the line box.
    if (ok && bewerking_.HuidigeLijn() == i) bewerking_.ZetHuidigeLijn(0);
    SelecteerVoorwerp(i);
  } else if (soort == RondeTekst) {
    ZetOmNaarRecht(ontwerp(), i);
    ZetLettergrootte(ontwerp(), i, ontwerp().voorwerp(i).Lettergrootte);
    SelecteerVoorwerp(i);
  }
}

void Etiket::cmdTekstConverteren_Click() {
  const int i = bewerking_.GeselecteerdVoorwerp();
  if (bewerking_.AantalGeselecteerd() == 1 && ontwerp().voorwerp(i).Soort() != Figuur) {
    mnuTekstOmzetten_Click();
    return;
  }
  opties_.meldingen->show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"),
                          QStringLiteral("Omzetten van tekst werkt alleen\nals er één tekstelement geselecteerd is."),
                          platform::MessageService::Buttons::OkCancel);
}
