// Text lines and their attributes: the line count, the text-line box, the
// font, size, style and alignment controls of the toolbar.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "ui/Etiket.h"
#include "ui/TekstlijnenDialoog.h"
#include "ui/Wijziging.h"
#include "model/Afronden.h"
#include "model/Getal.h"
#include "model/Kenmerken.h"

namespace {
// The size of a new line when the size box holds no usable number.
constexpr double kStandaardGrootte = 12;
}  // namespace

void Etiket::VerbindTekst() {
  for (int i = 0; i < 5; ++i)
    connect(cmdLijnen_[size_t(i)], &QPushButton::clicked, this,
            [this, i] { Opdracht([this, i] { LijnenToevoegen(qint16(i + 1)); }); });
  connect(txtTekstlijn_, &QLineEdit::textChanged, this, [this] { Opdracht([this] { txtTekstlijn_Change(); }); });
  connect(txtTekstlijn_, &QLineEdit::returnPressed, this, [this] { Opdracht([this] { txtTekstlijn_Enter(); }); });
  connect(cmbLettertype_, &QComboBox::currentIndexChanged, this, [this] { Opdracht([this] { cmbLettertype_Click(); }); });
  connect(txtLettergrootte_, &QLineEdit::textChanged, this, &Etiket::txtLettergrootte_Change);
  connect(tmrLettergrootte_, &QTimer::timeout, this, [this] { Opdracht([this] { tmrLettergrootte_Timer(); }); });
  connect(spinLettergrootte_, &QScrollBar::valueChanged, this, [this] { Opdracht([this] { spinLettergrootte_Change(); }); });
  for (int i = 0; i < 3; ++i) {
    // A button's state set by the program runs its handler too, as the
    // menu entries rely on.
    connect(stijlKnoppen_[size_t(i)], &QPushButton::toggled, this, [this, i] { Opdracht([this, i] { StijlKnop_Click(i); }); });
    connect(stijlMenus_[size_t(i)], &QAction::triggered, this, [this, i] { Opdracht([this, i] { StijlMenu_Click(i); }); });
    connect(cmdUitlijning_[size_t(i)], &QPushButton::clicked, this,
            [this, i] { Opdracht([this, i] { cmdUitlijning_Click(i); }); });
  }
  connect(cmdCentreren_, &QPushButton::clicked, this, [this] { Opdracht([this] { cmdCentreren_Click(); }); });
}

void Etiket::LijnenToevoegen(qint16 nieuwAantal) {
  if (nieuwAantal < 0) nieuwAantal = 0;
  Ontwerp& o = ontwerp();
  if (nieuwAantal == o.AantalLijnen()) return;
  Wijziging wijziging(*this);
  if (o.AantalLijnen() < nieuwAantal) {
    const int eerste = o.AantalVoorwerpen() + 1;
    const double grootte = LeesGetal(txtLettergrootte_->text());
    int uitlijning = 0;
    for (int k = 0; k < 3; ++k)
      if (cmdUitlijning_[size_t(k)]->isChecked()) uitlijning = k;
    for (int n = o.AantalLijnen() + 1; n <= nieuwAantal; ++n) {
      const int i = bewerking_.NieuwVoorwerp(Tekstlijn);
      o.voorwerp(i).Tekst = QStringLiteral("Lijn %1").arg(n);
      ZetLettertype(o, i, cmbLettertype_->currentText());
      ZetLettergrootte(o, i, grootte > 0 ? grootte : kStandaardGrootte);
      for (int s = 0; s < 3; ++s) ZetStijl(s, i, stijlKnoppen_[size_t(s)]->isChecked());
      ZetUitlijning(o, i, qint16(uitlijning));
    }
    if (chkAutomatischVerdelen_->isChecked()) AutomatischVerdelen();
    DeSelekteerAlles();
    SelecteerVoorwerp(eerste);
  } else {
    // The lines at the end of the table go first.
    for (int i = o.AantalVoorwerpen(); i >= 1 && o.AantalLijnen() > nieuwAantal; --i)
      if (o.voorwerp(i).Soort() == Tekstlijn) bewerking_.VerwijderVoorwerp(i);
    if (chkAutomatischVerdelen_->isChecked()) AutomatischVerdelen();
    DeSelekteerAlles();
    if (o.AantalLijnen() > 0 || o.AantalFiguren() > 0) SelecteerVoorwerp(1);
    else VerbergHandvaten();
  }
}

void Etiket::mnuMeerLijnen_Click() {
  if (!tekstlijnen_) tekstlijnen_ = std::make_unique<TekstlijnenDialoog>(this);
  const QString tekst = tekstlijnen_->Vraag(ontwerp().AantalLijnen());
  const double waarde = std::nearbyint(LeesGetal(tekst));
  if (waarde > 32767 || waarde < -32768) throw OverloopFout("Overloop: zoveel lijnen kan een ontwerp niet bevatten.");
  LijnenToevoegen(qint16(waarde));
}

void Etiket::txtTekstlijn_Change() {
  const int h = bewerking_.HuidigeLijn();
  if (h == 0) return;
  const Voorwerp& lijn = std::as_const(bewerking_).ontwerp().voorwerp(h);
  if (txtTekstlijn_->text() == lijn.Tekst) return;
  // Typing in one line is one step for undo.
  Wijziging wijziging(*this, QString::number(lijn.Id()));
  ontwerp().voorwerp(h).Tekst = txtTekstlijn_->text();
}

void Etiket::txtTekstlijn_Enter() {
  const Ontwerp& o = ontwerp();
  const int h = bewerking_.HuidigeLijn();
  if (h >= o.AantalVoorwerpen()) return;
  for (int i = h + 1; i <= o.AantalVoorwerpen(); ++i) {
    if (o.voorwerp(i).Soort() == Tekstlijn) {
      Wijziging wijziging(*this);
      DeSelekteerAlles();
      SelecteerVoorwerp(i);
      return;
    }
  }
}

template <typename F>
void Etiket::VoorGeselecteerdeLijnen(F&& f) {
  const Ontwerp& o = ontwerp();
  for (int i = 1; i <= o.AantalVoorwerpen(); ++i)
    if (o.voorwerp(i).Soort() == Tekstlijn && bewerking_.Geselecteerd(i)) f(i);
}

void Etiket::cmbLettertype_Click() {
  if (bewerking_.Bezig()) return;
  Wijziging wijziging(*this);
  VoorGeselecteerdeLijnen([&](int i) { ZetLettertype(ontwerp(), i, cmbLettertype_->currentText()); });
  if (chkAutomatischVerdelen_->isChecked()) AutomatischVerdelen();
}

void Etiket::txtLettergrootte_Change() {
  if (bewerking_.Bezig()) return;
  // The size is applied half a second after the last keystroke.
  tmrLettergrootte_->stop();
  tmrLettergrootte_->setInterval(500);
  tmrLettergrootte_->start();
}

void Etiket::tmrLettergrootte_Timer() {
  // One try per edit: a size that cannot be applied is reported once, not
  // every half second.
  tmrLettergrootte_->stop();
  const double grootte = LeesGetal(txtLettergrootte_->text());
  // No size (or a negative one, which would turn the box inside out):
  // nothing happens until the next edit.
  if (grootte <= 0) return;
  Wijziging wijziging(*this);
  VoorGeselecteerdeLijnen([&](int i) { ZetLettergrootte(ontwerp(), i, grootte); });
  if (chkAutomatischVerdelen_->isChecked()) AutomatischVerdelen();
}

void Etiket::spinLettergrootte_Change() {
  if (bewerking_.Bezig()) return;
  const int stand = spinLettergrootte_->value();
  {
    Bewerking::BezigBlok bezig(bewerking_);
    bool getal = false;
    const double grootte = LeesGetal(txtLettergrootte_->text(), &getal);
    // Without a number in the box the arrows have nothing to count from.
    if (getal && stand < 500) txtLettergrootte_->setText(QString::number(grootte + 1));
    else if (getal && stand > 500 && grootte > 4) txtLettergrootte_->setText(QString::number(grootte - 1));
    spinLettergrootte_->setValue(500);
  }
  tmrLettergrootte_Timer();
}

void Etiket::ZetStijl(int welke, int index, bool waarde) {
  using Zetter = bool (*)(Ontwerp&, int, bool);
  static constexpr Zetter zetters[3] = {&::ZetVet, &::ZetCursief, &::ZetOnderlijnd};
  if (!zetters[welke](ontwerp(), index, waarde)) return;
  Bewerking::BezigBlok bezig(bewerking_);
  stijlMenus_[size_t(welke)]->setChecked(waarde);
  stijlKnoppen_[size_t(welke)]->setChecked(waarde);
}

void Etiket::ZetVet(int index, bool waarde) { ZetStijl(0, index, waarde); }
void Etiket::ZetCursief(int index, bool waarde) { ZetStijl(1, index, waarde); }
void Etiket::ZetOnderlijnd(int index, bool waarde) { ZetStijl(2, index, waarde); }

void Etiket::StijlKnop_Click(int welke) {
  if (bewerking_.Bezig()) return;
  Wijziging wijziging(*this);
  const bool waarde = stijlKnoppen_[size_t(welke)]->isChecked();
  VoorGeselecteerdeLijnen([&](int i) { ZetStijl(welke, i, waarde); });
}

void Etiket::StijlMenu_Click(int welke) {
  if (bewerking_.Bezig()) return;
  // The entry has already changed its check mark; every selected line and
  // the button follow it.
  Wijziging wijziging(*this);
  const bool waarde = stijlMenus_[size_t(welke)]->isChecked();
  {
    Bewerking::BezigBlok bezig(bewerking_);
    stijlKnoppen_[size_t(welke)]->setChecked(waarde);
  }
  VoorGeselecteerdeLijnen([&](int i) { ZetStijl(welke, i, waarde); });
}

void Etiket::cmdUitlijning_Click(int index) {
  if (bewerking_.Bezig()) return;
  Wijziging wijziging(*this);
  VoorGeselecteerdeLijnen([&](int i) { ZetUitlijning(ontwerp(), i, qint16(index)); });
}
