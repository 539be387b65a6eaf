// Text lines and their attributes: the line count, the text-line box, the
// font, size, style and alignment controls of the toolbar.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "editor/Etiket.h"
#include "editor/TekstlijnenDialoog.h"
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
  txtLettergrootte_->installEventFilter(this);
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
  if (nieuwAantal == ontwerp_.AantalLijnen) return;
  VerbergAlles();
  if (ontwerp_.AantalLijnen < nieuwAantal) {
    const int eerste = ontwerp_.AantalVoorwerpen + 1;
    const double grootte = LeesGetal(txtLettergrootte_->text());
    int uitlijning = 0;
    for (int k = 0; k < 3; ++k)
      if (cmdUitlijning_[size_t(k)]->isChecked()) uitlijning = k;
    for (int n = ontwerp_.AantalLijnen + 1; n <= nieuwAantal; ++n) {
      const int i = ontwerp_.NieuwVoorwerp(Tekstlijn);
      ontwerp_.voorwerp(i).Tekst = QStringLiteral("Lijn %1").arg(n);
      ZetLettertype(ontwerp_, i, cmbLettertype_->currentText());
      ZetLettergrootte(ontwerp_, i, grootte > 0 ? grootte : kStandaardGrootte);
      for (int s = 0; s < 3; ++s) ZetStijl(s, i, stijlKnoppen_[size_t(s)]->isChecked());
      ZetUitlijning(ontwerp_, i, qint16(uitlijning));
    }
    if (chkAutomatischVerdelen_->isChecked()) AutomatischVerdelen();
    Hertekenen();
    DeSelekteerAlles();
    SelecteerVoorwerp(eerste);
  } else {
    // The lines at the end of the table go first.
    for (int i = ontwerp_.AantalVoorwerpen; i >= 1 && ontwerp_.AantalLijnen > nieuwAantal; --i) {
      if (ontwerp_.voorwerp(i).Soort != Tekstlijn) continue;
      ontwerp_.TeHertekenenVoorwerp(i);
      ontwerp_.VerwijderVoorwerp(i);
    }
    if (chkAutomatischVerdelen_->isChecked()) AutomatischVerdelen();
    DeSelekteerAlles();
    if (ontwerp_.AantalLijnen > 0 || ontwerp_.AantalFiguren > 0) SelecteerVoorwerp(1);
    else VerbergHandvaten();
    if (ontwerp_.AantalLijnen == 0) ontwerp_.HuidigeLijn = 0;
    Hertekenen();
  }
  ToonAlles();
}

void Etiket::mnuMeerLijnen_Click() {
  if (!tekstlijnen_) tekstlijnen_ = std::make_unique<TekstlijnenDialoog>(this);
  const QString tekst = tekstlijnen_->Vraag(ontwerp_.AantalLijnen);
  const double waarde = std::nearbyint(LeesGetal(tekst));
  if (waarde > 32767 || waarde < -32768) throw OverloopFout("Overloop: zoveel lijnen kan een ontwerp niet bevatten.");
  LijnenToevoegen(qint16(waarde));
}

void Etiket::txtTekstlijn_Change() {
  const int h = ontwerp_.HuidigeLijn;
  if (h == 0 || txtTekstlijn_->text() == ontwerp_.voorwerp(h).Tekst) return;
  ontwerp_.voorwerp(h).Tekst = txtTekstlijn_->text();
  ontwerp_.TeHertekenenVoorwerp(h);
  Hertekenen(false);
}

void Etiket::txtTekstlijn_Enter() {
  if (ontwerp_.HuidigeLijn >= ontwerp_.AantalVoorwerpen) return;
  for (int i = ontwerp_.HuidigeLijn + 1; i <= ontwerp_.AantalVoorwerpen; ++i) {
    if (ontwerp_.voorwerp(i).Soort == Tekstlijn) {
      DeSelekteerAlles();
      SelecteerVoorwerp(i);
      return;
    }
  }
}

template <typename F>
void Etiket::VoorGeselecteerdeLijnen(F&& f) {
  for (int i = 1; i <= ontwerp_.AantalVoorwerpen; ++i)
    if (ontwerp_.voorwerp(i).Soort == Tekstlijn && ontwerp_.Geselecteerd(i)) f(i);
}

void Etiket::cmbLettertype_Click() {
  if (ontwerp_.Bezig) return;
  VerbergAlles();
  VoorGeselecteerdeLijnen([&](int i) {
    ZetLettertype(ontwerp_, i, cmbLettertype_->currentText());
    ontwerp_.TeHertekenenVoorwerp(i);
  });
  if (chkAutomatischVerdelen_->isChecked()) AutomatischVerdelen();
  Hertekenen();
  ToonAlles();
}

void Etiket::txtLettergrootte_Change() {
  if (ontwerp_.Bezig) return;
  // The size is applied half a second after the last keystroke.
  tmrLettergrootte_->stop();
  tmrLettergrootte_->setInterval(500);
  tmrLettergrootte_->start();
}

void Etiket::tmrLettergrootte_Timer() {
  const double grootte = LeesGetal(txtLettergrootte_->text());
  // No size (or a negative one, which would turn the box inside out):
  // nothing happens, and the timer waits for the next edit.
  if (grootte <= 0) return;
  VerbergAlles();
  VoorGeselecteerdeLijnen([&](int i) {
    ontwerp_.TeHertekenenVoorwerp(i);
    ZetLettergrootte(ontwerp_, i, grootte);
  });
  if (chkAutomatischVerdelen_->isChecked()) AutomatischVerdelen();
  tmrLettergrootte_->stop();
  Hertekenen();
  ToonAlles();
}

void Etiket::spinLettergrootte_Change() {
  if (ontwerp_.Bezig) return;
  const int stand = spinLettergrootte_->value();
  ontwerp_.Bezig = true;
  bool getal = false;
  const double grootte = LeesGetal(txtLettergrootte_->text(), &getal);
  // Without a number in the box the arrows have nothing to count from.
  if (getal && stand < 500) txtLettergrootte_->setText(QString::number(grootte + 1));
  else if (getal && stand > 500 && grootte > 4) txtLettergrootte_->setText(QString::number(grootte - 1));
  spinLettergrootte_->setValue(500);
  tmrLettergrootte_Timer();
  ontwerp_.Bezig = false;
}

void Etiket::ZetStijl(int welke, int index, bool waarde) {
  using Zetter = bool (*)(Ontwerp&, int, bool);
  static constexpr Zetter zetters[3] = {&::ZetVet, &::ZetCursief, &::ZetOnderlijnd};
  if (!zetters[welke](ontwerp_, index, waarde)) return;
  stijlMenus_[size_t(welke)]->setChecked(waarde);
  stijlKnoppen_[size_t(welke)]->setChecked(waarde);
}

void Etiket::ZetVet(int index, bool waarde) { ZetStijl(0, index, waarde); }
void Etiket::ZetCursief(int index, bool waarde) { ZetStijl(1, index, waarde); }
void Etiket::ZetOnderlijnd(int index, bool waarde) { ZetStijl(2, index, waarde); }

void Etiket::StijlKnop_Click(int welke) {
  if (ontwerp_.Bezig) return;
  const bool waarde = stijlKnoppen_[size_t(welke)]->isChecked();
  VoorGeselecteerdeLijnen([&](int i) {
    ZetStijl(welke, i, waarde);
    ontwerp_.TeHertekenenVoorwerp(i);
  });
  Hertekenen();
}

void Etiket::StijlMenu_Click(int welke) {
  // The entry has already changed its check mark. Every selected line
  // follows it; the button follows the setter and applies and redraws.
  const bool waarde = stijlMenus_[size_t(welke)]->isChecked();
  const bool knopVoor = stijlKnoppen_[size_t(welke)]->isChecked();
  for (int i = 1; i <= ontwerp_.AantalVoorwerpen; ++i)
    if (ontwerp_.Geselecteerd(i)) ZetStijl(welke, i, waarde);
  // When the button was already in that state nothing redrew the lines.
  if (stijlKnoppen_[size_t(welke)]->isChecked() == knopVoor) {
    VoorGeselecteerdeLijnen([&](int i) { ontwerp_.TeHertekenenVoorwerp(i); });
    Hertekenen();
  }
}

void Etiket::cmdUitlijning_Click(int index) {
  if (ontwerp_.Bezig) return;
  VoorGeselecteerdeLijnen([&](int i) {
    ZetUitlijning(ontwerp_, i, qint16(index));
    ontwerp_.TeHertekenenVoorwerp(i);
  });
  Hertekenen();
}
