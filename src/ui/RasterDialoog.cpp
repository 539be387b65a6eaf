#include "ui/RasterDialoog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include "model/ZwartWit.h"
#include "printing/Omzetten.h"

namespace ui {

namespace {
// The largest the preview is shown; dots are never shown smaller than they
// must be to fit, nor blurred when shown larger.
constexpr int kVoorbeeldBreedte = 480, kVoorbeeldHoogte = 320;
}  // namespace

QString OmzettingNaam(OmzetSoort soort) {
  switch (soort) {
    case OmzetSoort::ZwartWit: return QStringLiteral("Zwart-wit (standaard)");
    case OmzetSoort::Drempel: return QStringLiteral("Drempel");
    case OmzetSoort::FloydSteinberg: return QStringLiteral("Rasteren: Floyd–Steinberg");
    case OmzetSoort::Atkinson: return QStringLiteral("Rasteren: Atkinson");
    case OmzetSoort::Geordend: return QStringLiteral("Rasteren: geordend patroon");
  }
  return {};
}

RasterDialoog::RasterDialoog(QImage grijs, QRect bron, QSize vak, QWidget* parent)
    : QDialog(parent), grijs_(std::move(grijs)), bron_(bron), vak_(vak), grijsTinten_(HeeftGrijstinten(grijs_)) {
  setObjectName(QStringLiteral("frmRastering"));
  setWindowTitle(QStringLiteral("Figuur afdrukken"));
  cboRastering_ = new QComboBox(this);
  cboRastering_->setObjectName(QStringLiteral("cboRastering"));
  for (int s = 0; s <= kHoogsteOmzetSoort; ++s) cboRastering_->addItem(OmzettingNaam(OmzetSoort(s)));
  spnDrempel_ = new QSpinBox(this);
  spnDrempel_->setObjectName(QStringLiteral("spnDrempel"));
  spnDrempel_->setRange(0, 255);
  sldDrempel_ = new QSlider(Qt::Horizontal, this);
  sldDrempel_->setObjectName(QStringLiteral("sldDrempel"));
  sldDrempel_->setRange(0, 255);
  lblVoorbeeld_ = new QLabel(this);
  lblVoorbeeld_->setObjectName(QStringLiteral("lblVoorbeeld"));
  lblVoorbeeld_->setAlignment(Qt::AlignCenter);
  lblVoorbeeld_->setMinimumSize(kVoorbeeldBreedte / 2, kVoorbeeldHoogte / 2);
  lblVoorbeeld_->setStyleSheet(QStringLiteral("background: white; border: 1px solid gray"));
  lblMaat_ = new QLabel(this);
  lblMaat_->setObjectName(QStringLiteral("lblMaat"));
  auto* knoppen = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  knoppen->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  knoppen->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuleren"));

  auto* vorm = new QFormLayout;
  vorm->addRow(QStringLiteral("&Afdrukken als:"), cboRastering_);
  auto* drempel = new QHBoxLayout;
  drempel->addWidget(sldDrempel_, 1);
  drempel->addWidget(spnDrempel_);
  auto* lblDrempel = new QLabel(QStringLiteral("&Drempel (0-255):"), this);
  lblDrempel->setBuddy(spnDrempel_);
  vorm->addRow(lblDrempel, drempel);
  auto* kolom = new QVBoxLayout(this);
  kolom->addLayout(vorm);
  kolom->addWidget(lblVoorbeeld_, 1);
  kolom->addWidget(lblMaat_);
  kolom->addWidget(knoppen);

  connect(cboRastering_, &QComboBox::currentIndexChanged, this, &RasterDialoog::Bijwerken);
  connect(spnDrempel_, &QSpinBox::valueChanged, this, [this](int v) {
    const QSignalBlocker stil(sldDrempel_);
    sldDrempel_->setValue(v);
    Bijwerken();
  });
  connect(sldDrempel_, &QSlider::valueChanged, spnDrempel_, &QSpinBox::setValue);
  connect(knoppen, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(knoppen, &QDialogButtonBox::rejected, this, &QDialog::reject);
  ZetKeuze({});
}

Omzetting RasterDialoog::Keuze() const {
  return {OmzetSoort(cboRastering_->currentIndex()), qint16(spnDrempel_->value())};
}

void RasterDialoog::ZetKeuze(const Omzetting& o) {
  {
    const QSignalBlocker a(cboRastering_), b(spnDrempel_), c(sldDrempel_);
    cboRastering_->setCurrentIndex(int(o.Soort));
    spnDrempel_->setValue(o.Drempel);
    sldDrempel_->setValue(o.Drempel);
  }
  Bijwerken();
}

std::optional<Omzetting> RasterDialoog::Toon(const Omzetting& begin) {
  ZetKeuze(begin);
  if (exec() != QDialog::Accepted) return std::nullopt;
  return Keuze();
}

void RasterDialoog::Bijwerken() {
  const Omzetting o = Keuze();
  spnDrempel_->setEnabled(o.Soort == OmzetSoort::Drempel);
  sldDrempel_->setEnabled(o.Soort == OmzetSoort::Drempel);
  punten_ = printing::Omzetten(grijs_, bron_, vak_, o);
  QString maat = QStringLiteral("%1 x %2 punten").arg(vak_.width()).arg(vak_.height());
  // A picture kept as black and white alone prints the same every way.
  if (!grijsTinten_) maat += QStringLiteral("\nDeze figuur heeft geen grijstinten: elke manier geeft dezelfde punten.");
  lblMaat_->setText(maat);
  if (punten_.isNull()) {
    lblVoorbeeld_->clear();
    return;
  }
  // Shown dot for dot, or whole dots enlarged; shrunk smoothly only when
  // the figure has more dots than the preview has room for.
  QImage beeld = punten_.convertToFormat(QImage::Format_RGB32);
  const QSize ruimte(kVoorbeeldBreedte, kVoorbeeldHoogte);
  if (beeld.width() > ruimte.width() || beeld.height() > ruimte.height()) {
    beeld = beeld.scaled(ruimte, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  } else {
    const int keer = std::max(1, std::min(ruimte.width() / beeld.width(), ruimte.height() / beeld.height()));
    beeld = beeld.scaled(beeld.size() * keer, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  }
  lblVoorbeeld_->setPixmap(QPixmap::fromImage(beeld));
}

}  // namespace ui
