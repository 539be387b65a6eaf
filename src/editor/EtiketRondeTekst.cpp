// Round texts from the main window: add, edit, and turning a text line
// into a round text and back.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "editor/Etiket.h"
#include "editor/EtiketPlaatje.h"
#include "model/Getal.h"
#include "model/Kenmerken.h"
#include "platform/MessageService.h"
#include "roundtext/RondeTekstOpdrachten.h"
#include "roundtext/frmRondeTekst.h"

namespace {
class BezigeMuis {
 public:
  BezigeMuis() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BezigeMuis() { QApplication::restoreOverrideCursor(); }
};
}  // namespace

void Etiket::VerbindRondeTekst() {
  connect(mnuRondeTekstToevoegen_, &QAction::triggered, this, [this] { Opdracht([this] { mnuRondeTekstToevoegen_Click(); }); });
  connect(cmdRondeTekstToevoegen_, &QPushButton::clicked, this, [this] { Opdracht([this] { mnuRondeTekstToevoegen_Click(); }); });
  connect(mnuRondeTekstWijzigen_, &QAction::triggered, this, [this] { Opdracht([this] { mnuRondeTekstWijzigen_Click(); }); });
  connect(mnuTekstOmzetten_, &QAction::triggered, this, [this] { Opdracht([this] { mnuTekstOmzetten_Click(); }); });
  connect(cmdTekstConverteren_, &QPushButton::clicked, this, [this] { Opdracht([this] { cmdTekstConverteren_Click(); }); });
  connect(pictEtiket_, &EtiketPlaatje::DubbelKlik, this, [this] {
    // A double click on a lone round text edits it.
    const int i = ontwerp_.GeselecteerdVoorwerp();
    if (ontwerp_.AantalGeselecteerd == 1 && ontwerp_.voorwerp(i).Soort == RondeTekst)
      Opdracht([this] { mnuRondeTekstWijzigen_Click(); });
  });
}

frmRondeTekst& Etiket::RondeTekstDialoog() {
  if (!rondeTekst_) rondeTekst_ = std::make_unique<frmRondeTekst>(*opties_.meldingen, this);
  return *rondeTekst_;
}

void Etiket::mnuRondeTekstToevoegen_Click() {
  BezigeMuis muis;
  int uitlijning = 0;
  for (int k = 0; k < 3; ++k)
    if (cmdUitlijning_[size_t(k)]->isChecked()) uitlijning = k;
  const double grootte = std::nearbyint(LeesGetal(txtLettergrootte_->text()));
  frmRondeTekst& dialoog = RondeTekstDialoog();
  dialoog.Vul(NieuweRondeTekst(HuidigEtiketFormaat(), cmbLettertype_->currentText(),
                               qint16(grootte > 0 && grootte < 32768 ? grootte : 12), stijlKnoppen_[0]->isChecked(),
                               stijlKnoppen_[1]->isChecked(), qint16(uitlijning)));
  if (!dialoog.Toon()) return;
  VerbergAlles();
  const int i = VoegRondeTekstToe(ontwerp_, HuidigEtiketFormaat(), dialoog.Gegevens());
  Hertekenen();
  DeSelekteerAlles();
  SelecteerVoorwerp(i);
  ToonAlles();
}

bool Etiket::WijzigRondeTekst(int index) {
  frmRondeTekst& dialoog = RondeTekstDialoog();
  dialoog.Vul(GegevensVan(ontwerp_.voorwerp(index)));
  bool ok = false;
  {
    BezigeMuis muis;
    ok = dialoog.Toon();
  }
  if (!ok) return false;
  VerbergAlles();
  ::WijzigRondeTekst(ontwerp_, index, HuidigEtiketFormaat(), dialoog.Gegevens());
  Hertekenen();
  ToonAlles();
  return true;
}

void Etiket::mnuRondeTekstWijzigen_Click() {
  const int i = ontwerp_.GeselecteerdVoorwerp();
  if (i == 0) {
    opties_.meldingen->beep();
    return;
  }
  WijzigRondeTekst(i);
}

void Etiket::mnuTekstOmzetten_Click() {
  const int i = ontwerp_.GeselecteerdVoorwerp();
  if (i == 0) {
    opties_.meldingen->beep();
    return;
  }
  const qint16 soort = ontwerp_.voorwerp(i).Soort;
  if (soort == Tekstlijn) {
    BeginOmzettingNaarRond(ontwerp_, i, HuidigEtiketFormaat());
    const bool ok = WijzigRondeTekst(i);
    EindOmzettingNaarRond(ontwerp_, i, ok);
    if (!ok) Hertekenen();
    SelecteerVoorwerp(i);
  } else if (soort == RondeTekst) {
    VerbergAlles();
    ZetOmNaarRecht(ontwerp_, i);
    ZetLettergrootte(ontwerp_, i, ontwerp_.voorwerp(i).Lettergrootte);
    Hertekenen();
    SelecteerVoorwerp(i);
    ToonAlles();
  }
}

void Etiket::cmdTekstConverteren_Click() {
  const int i = ontwerp_.GeselecteerdVoorwerp();
  if (ontwerp_.AantalGeselecteerd == 1 && ontwerp_.voorwerp(i).Soort != Figuur) {
    mnuTekstOmzetten_Click();
    return;
  }
  opties_.meldingen->show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"),
                          QStringLiteral("Omzetten van tekst werkt alleen\nals er één tekstelement geselecteerd is."),
                          platform::MessageService::Buttons::OkCancel);
}
