#include "ui/EigenFormatenDialoog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <cmath>

#include "files/EigenFormaten.h"
#include "platformwidgets/MessageService.h"

namespace ui {

namespace {

QString Getal(double w) { return QString::number(w, 'g', 7); }

// The fields in the order of the form: object name, caption, name in messages.
struct Beschrijving {
  const char* objectNaam;
  const char* onderschrift;
  const char* naam;
};
const Beschrijving kVelden[] = {
    {"txtBreedte", "Breedte of diameter (mm)", "De breedte"},
    {"txtHoogte", "Hoogte (mm)", "De hoogte"},
    {"txtHoekstraal", "Hoekstraal (mm)", "De hoekstraal"},
    {"txtKolommen", "Kolommen", "Het aantal kolommen"},
    {"txtRijen", "Rijen", "Het aantal rijen"},
    {"txtHorizontaleSteek", "Horizontale steek (mm)", "De horizontale steek"},
    {"txtVerticaleSteek", "Verticale steek (mm)", "De verticale steek"},
    {"txtLinks", "Eerste etiket van links (mm)", "De linkermarge van het vel"},
    {"txtBoven", "Eerste etiket van boven (mm)", "De bovenmarge van het vel"},
    {"txtVelBreedte", "Breedte van het vel (mm)", "De breedte van het vel"},
    {"txtVelHoogte", "Hoogte van het vel (mm)", "De hoogte van het vel"},
    {"txtMargeLinks", "Onbedrukbaar links (mm)", "De onbedrukbare rand links"},
    {"txtMargeBoven", "Onbedrukbaar boven (mm)", "De onbedrukbare rand boven"},
    {"txtMargeRechts", "Onbedrukbaar rechts (mm)", "De onbedrukbare rand rechts"},
    {"txtMargeOnder", "Onbedrukbaar onder (mm)", "De onbedrukbare rand onder"},
};

EtiketFormaat NieuwFormaat() {
  // An A4 sheet of 3 x 8 labels, a start to change from.
  EtiketFormaat f;
  f.Naam = QStringLiteral("Nieuw formaat");
  f.Breedte = 70;
  f.Hoogte = 36;
  f.Kolommen = 3;
  f.Rijen = 8;
  f.HorizontaleSteek = 70;
  f.VerticaleSteek = 36;
  f.LinkerOffset = 0;
  f.BovenOffset = 4.5f;
  f.VelBreedte = 210;
  f.VelHoogte = 297;
  return f;
}

}  // namespace

QLineEdit* EigenFormaten::Vak(const char* objectNaam) const {
  for (const Veld& v : getallen_)
    if (v.vak->objectName() == QLatin1String(objectNaam)) return v.vak;
  return nullptr;
}

EigenFormaten::EigenFormaten(std::vector<EtiketFormaat> formaten, Omgeving omgeving, QWidget* parent)
    : QDialog(parent), formaten_(std::move(formaten)), omgeving_(std::move(omgeving)) {
  setObjectName(QStringLiteral("EigenFormaten"));
  setWindowTitle(QStringLiteral("Eigen formaten"));
  setModal(true);

  lstFormaten_ = new QListWidget(this);
  lstFormaten_->setObjectName(QStringLiteral("lstFormaten"));
  lstFormaten_->setMinimumWidth(180);
  auto* vorm = new QFormLayout;
  txtNaam_ = new QLineEdit(this);
  txtNaam_->setObjectName(QStringLiteral("txtNaam"));
  vorm->addRow(QStringLiteral("Naam"), txtNaam_);
  cmbVorm_ = new QComboBox(this);
  cmbVorm_->setObjectName(QStringLiteral("cmbVorm"));
  cmbVorm_->addItems({QStringLiteral("Rechthoekig"), QStringLiteral("Rond"), QStringLiteral("Ovaal")});
  vorm->addRow(QStringLiteral("Vorm"), cmbVorm_);
  for (const Beschrijving& b : kVelden) {
    auto* vak = new QLineEdit(this);
    vak->setObjectName(QString::fromLatin1(b.objectNaam));
    vorm->addRow(QString::fromLatin1(b.onderschrift), vak);
    getallen_.push_back({vak, b.naam});
  }
  // A round label's diameter is its width; a corner belongs to a rectangle.
  const auto volgVorm = [this](int v) {
    Vak("txtHoogte")->setEnabled(v != 1);
    Vak("txtHoekstraal")->setEnabled(v == 0);
  };
  connect(cmbVorm_, &QComboBox::currentIndexChanged, this, volgVorm);

  const auto knop = [this](const char* naam, const QString& tekst) {
    auto* k = new QPushButton(tekst, this);
    k->setObjectName(QString::fromLatin1(naam));
    k->setAutoDefault(false);
    return k;
  };
  QPushButton* cmdNieuw = knop("cmdNieuw", QStringLiteral("Nieuw"));
  QPushButton* cmdOpslaan = knop("cmdOpslaan", QStringLiteral("Opslaan"));
  QPushButton* cmdVerwijderen = knop("cmdVerwijderen", QStringLiteral("Verwijderen"));
  QPushButton* cmdSluiten = knop("cmdSluiten", QStringLiteral("Sluiten"));
  connect(cmdNieuw, &QPushButton::clicked, this, &EigenFormaten::cmdNieuw_Click);
  connect(cmdOpslaan, &QPushButton::clicked, this, [this] { cmdOpslaan_Click(); });
  connect(cmdVerwijderen, &QPushButton::clicked, this, &EigenFormaten::cmdVerwijderen_Click);
  connect(cmdSluiten, &QPushButton::clicked, this, &QDialog::accept);
  connect(lstFormaten_, &QListWidget::currentRowChanged, this, [this](int rij) {
    if (rij >= 0) Toon(rij);
  });

  auto* knoppen = new QHBoxLayout;
  for (QPushButton* k : {cmdNieuw, cmdOpslaan, cmdVerwijderen}) knoppen->addWidget(k);
  knoppen->addStretch();
  knoppen->addWidget(cmdSluiten);
  auto* rooster = new QGridLayout(this);
  rooster->addWidget(lstFormaten_, 0, 0);
  rooster->addLayout(vorm, 0, 1);
  rooster->addLayout(knoppen, 1, 0, 1, 2);

  VulLijst();
  if (formaten_.empty())
    cmdNieuw_Click();
  else
    lstFormaten_->setCurrentRow(0);
}

void EigenFormaten::VulLijst() {
  const QSignalBlocker stil(lstFormaten_);
  lstFormaten_->clear();
  for (const EtiketFormaat& f : formaten_) lstFormaten_->addItem(f.Naam);
  if (rij_ >= 0 && rij_ < int(formaten_.size())) lstFormaten_->setCurrentRow(rij_);
}

void EigenFormaten::Toon(int rij) {
  rij_ = rij;
  const EtiketFormaat f = rij >= 0 && rij < int(formaten_.size()) ? formaten_[size_t(rij)] : NieuwFormaat();
  txtNaam_->setText(f.Naam);
  cmbVorm_->setCurrentIndex(f.Vorm == 0 ? 0 : f.Ovaal ? 2 : 1);
  const double waarden[] = {f.Breedte,         f.Hoogte,        f.Hoekstraal,   double(f.Kolommen),
                            double(f.Rijen),   f.HorizontaleSteek, f.VerticaleSteek, f.LinkerOffset,
                            f.BovenOffset,     f.VelBreedte,    f.VelHoogte,    f.LinkerMarge,
                            f.BovenMarge,      f.RechterMarge,  f.OnderMarge};
  for (size_t i = 0; i < getallen_.size(); ++i) getallen_[i].vak->setText(Getal(waarden[i]));
  Vak("txtHoogte")->setEnabled(cmbVorm_->currentIndex() != 1);
  Vak("txtHoekstraal")->setEnabled(cmbVorm_->currentIndex() == 0);
}

void EigenFormaten::cmdNieuw_Click() {
  lstFormaten_->setCurrentRow(-1);
  Toon(-1);
  txtNaam_->setFocus();
  txtNaam_->selectAll();
}

std::optional<EtiketFormaat> EigenFormaten::LeesVelden(QString* fout) const {
  std::vector<double> w;
  for (const Veld& v : getallen_) {
    QString tekst = v.vak->text().trimmed();
    tekst.replace(u',', u'.');
    bool ok = false;
    const double getal = tekst.toDouble(&ok);
    if (!ok || !std::isfinite(getal)) {
      *fout = QStringLiteral("%1 is geen getal: \"%2\".").arg(QString::fromLatin1(v.naam), v.vak->text());
      return std::nullopt;
    }
    w.push_back(getal);
  }
  // Counts are whole numbers.
  for (size_t i : {size_t(3), size_t(4)})
    if (w[i] != std::floor(w[i]) || w[i] > 32767 || w[i] < -32768) {
      *fout = QStringLiteral("%1 moet een heel getal zijn.").arg(QString::fromLatin1(getallen_[i].naam));
      return std::nullopt;
    }
  EtiketFormaat f;
  f.Naam = txtNaam_->text().trimmed();
  f.Vorm = cmbVorm_->currentIndex() == 0 ? 0 : 1;
  f.Ovaal = cmbVorm_->currentIndex() == 2;
  f.Breedte = float(w[0]);
  f.Hoogte = cmbVorm_->currentIndex() == 1 ? float(w[0]) : float(w[1]);
  f.Hoekstraal = f.Vorm == 0 ? float(w[2]) : 0;
  f.Kolommen = qint16(w[3]);
  f.Rijen = qint16(w[4]);
  f.HorizontaleSteek = float(w[5]);
  f.VerticaleSteek = float(w[6]);
  f.LinkerOffset = float(w[7]);
  f.BovenOffset = float(w[8]);
  f.VelBreedte = float(w[9]);
  f.VelHoogte = float(w[10]);
  f.LinkerMarge = float(w[11]);
  f.BovenMarge = float(w[12]);
  f.RechterMarge = float(w[13]);
  f.OnderMarge = float(w[14]);
  return f;
}

bool EigenFormaten::Bewaar(std::vector<EtiketFormaat> nieuw) {
  if (omgeving_.bewaar)
    if (const auto fout = omgeving_.bewaar(nieuw)) {
      omgeving_.meldingen.show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"), *fout);
      return false;
    }
  formaten_ = std::move(nieuw);
  gewijzigd_ = true;
  VulLijst();
  return true;
}

bool EigenFormaten::cmdOpslaan_Click() {
  const auto melding = [this](const QString& tekst) {
    omgeving_.meldingen.show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"), tekst);
    return false;
  };
  QString fout;
  const std::optional<EtiketFormaat> f = LeesVelden(&fout);
  if (!f) return melding(fout);
  if (const auto bezwaar = files::FormaatBezwaar(*f)) return melding(*bezwaar);
  bool bezet = omgeving_.naamBezet && omgeving_.naamBezet(f->Naam);
  for (size_t i = 0; i < formaten_.size(); ++i)
    if (int(i) != rij_ && formaten_[i].Naam == f->Naam) bezet = true;
  if (bezet) return melding(QStringLiteral("Er is al een formaat met de naam \"%1\".").arg(f->Naam));
  // The open design's format keeps its name: its design names it.
  if (rij_ >= 0 && formaten_[size_t(rij_)].Naam == omgeving_.inGebruik && f->Naam != omgeving_.inGebruik)
    return melding(QStringLiteral("Het formaat \"%1\" is in gebruik in het open ontwerp; de naam kan niet veranderen.")
                       .arg(omgeving_.inGebruik));
  std::vector<EtiketFormaat> nieuw = formaten_;
  const int rij = rij_ >= 0 ? rij_ : int(nieuw.size());
  if (rij_ >= 0)
    nieuw[size_t(rij_)] = *f;
  else
    nieuw.push_back(*f);
  const int oud = rij_;
  rij_ = rij;
  if (!Bewaar(std::move(nieuw))) {
    rij_ = oud;
    return false;
  }
  Toon(rij);
  return true;
}

void EigenFormaten::cmdVerwijderen_Click() {
  if (rij_ < 0 || rij_ >= int(formaten_.size())) return;
  const QString naam = formaten_[size_t(rij_)].Naam;
  if (naam == omgeving_.inGebruik) {
    omgeving_.meldingen.show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"),
                             QStringLiteral("Het formaat \"%1\" is in gebruik in het open ontwerp en kan niet "
                                            "verwijderd worden.")
                                 .arg(naam));
    return;
  }
  if (omgeving_.meldingen.show(platform::MessageService::Icon::Question, QStringLiteral("Eigen formaten"),
                               QStringLiteral("Het formaat \"%1\" verwijderen?").arg(naam),
                               platform::MessageService::Buttons::YesNo) != platform::MessageService::Answer::Yes)
    return;
  std::vector<EtiketFormaat> nieuw = formaten_;
  nieuw.erase(nieuw.begin() + rij_);
  const int rij = std::min(rij_, int(nieuw.size()) - 1), oud = rij_;
  rij_ = rij;
  if (!Bewaar(std::move(nieuw))) {
    rij_ = oud;
    return;
  }
  if (rij >= 0)
    Toon(rij);
  else
    cmdNieuw_Click();
}

}  // namespace ui
