#include "ui/AfdrukVoorbeeld.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "platformwidgets/WidgetHelpers.h"

namespace ui {

namespace {
struct Stap {
  const char* tekst;
  double factor;
};
// "1:1" is the printer's own grid: one dot, one screen pixel.
constexpr Stap kStappen[] = {{"Passend", AfdrukVoorbeeld::kPassend},
                             {"25%", 0.25},
                             {"50%", 0.5},
                             {"1:1 (printerpunten)", 1},
                             {"200%", 2},
                             {"400%", 4}};
}  // namespace

AfdrukVoorbeeld::AfdrukVoorbeeld(std::vector<QImage> vellen, std::vector<int> aantallen, int totaal,
                                 const QString& etiketten, QWidget* parent)
    : QDialog(parent), vellen_(std::move(vellen)), aantallen_(std::move(aantallen)), totaal_(totaal) {
  setObjectName(QStringLiteral("frmAfdrukvoorbeeld"));
  setWindowTitle(QStringLiteral("Afdrukvoorbeeld"));
  cmdVorige_ = platform::makeButton(this, QStringLiteral("cmdVorige"), QStringLiteral("< &Vorige"));
  cmdVolgende_ = platform::makeButton(this, QStringLiteral("cmdVolgende"), QStringLiteral("V&olgende >"));
  lblVel_ = platform::makeWidget<QLabel>(this, QStringLiteral("lblVel"));
  lblAantal_ = platform::makeWidget<QLabel>(this, QStringLiteral("lblAantal"));
  cmbZoom_ = platform::makeWidget<QComboBox>(this, QStringLiteral("cmbZoom"));
  for (const Stap& s : kStappen) cmbZoom_->addItem(QString::fromUtf8(s.tekst), s.factor);
  lblMeer_ = platform::makeWidget<QLabel>(this, QStringLiteral("lblMeer"));
  if (totaal_ > int(vellen_.size()))
    lblMeer_->setText(QStringLiteral("De afdruk telt %1 vellen; het voorbeeld toont alleen de eerste %2.")
                          .arg(totaal_)
                          .arg(vellen_.size()));
  lblMeer_->setVisible(!lblMeer_->text().isEmpty());
  lblTotaal_ = platform::makeWidget<QLabel>(this, QStringLiteral("lblTotaal"));
  lblTotaal_->setText(etiketten.isEmpty() ? QString() : QStringLiteral("Totaal: ") + etiketten);
  lblTotaal_->setVisible(!etiketten.isEmpty());
  imgVel_ = platform::makeWidget<QLabel>(this, QStringLiteral("imgVel"));
  imgVel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  vlak_ = new QScrollArea(this);
  vlak_->setObjectName(QStringLiteral("vlakVel"));
  vlak_->setWidget(imgVel_);
  vlak_->setWidgetResizable(false);
  vlak_->setBackgroundRole(QPalette::Dark);
  // The fitting zoom follows the room the sheet gets.
  vlak_->viewport()->installEventFilter(this);
  auto* afdrukken = platform::makeButton(this, QStringLiteral("cmdAfdrukken"), QStringLiteral("Afdrukken"));
  auto* sluiten = platform::makeButton(this, QStringLiteral("cmdSluiten"), QStringLiteral("Sluiten"));

  auto* balk = new QHBoxLayout;
  balk->addWidget(cmdVorige_);
  balk->addWidget(lblVel_);
  balk->addWidget(cmdVolgende_);
  balk->addSpacing(12);
  balk->addWidget(lblAantal_);
  balk->addStretch();
  balk->addWidget(new QLabel(QStringLiteral("Zoom:"), this));
  balk->addWidget(cmbZoom_);
  auto* knoppen = new QHBoxLayout;
  knoppen->addStretch();
  knoppen->addWidget(afdrukken);
  knoppen->addWidget(sluiten);
  auto* hoofd = new QVBoxLayout(this);
  hoofd->addLayout(balk);
  hoofd->addWidget(lblTotaal_);
  hoofd->addWidget(lblMeer_);
  hoofd->addWidget(vlak_, 1);
  hoofd->addLayout(knoppen);

  connect(cmdVorige_, &QPushButton::clicked, this, [this] { ToonVel(huidig_ - 1); });
  connect(cmdVolgende_, &QPushButton::clicked, this, [this] { ToonVel(huidig_ + 1); });
  connect(cmbZoom_, &QComboBox::currentIndexChanged, this, [this] { Teken(); });
  connect(afdrukken, &QPushButton::clicked, this, &QDialog::accept);
  connect(sluiten, &QPushButton::clicked, this, &QDialog::reject);
  resize(720, 560);
  ToonVel(0);
}

double AfdrukVoorbeeld::Zoom() const { return cmbZoom_->currentData().toDouble(); }

void AfdrukVoorbeeld::ToonVel(int index) {
  const int aantal = int(vellen_.size());
  huidig_ = std::clamp(index, 0, std::max(0, aantal - 1));
  lblVel_->setText(aantal == 0 ? QStringLiteral("Geen vellen")
                               : QStringLiteral("Vel %1 van %2").arg(huidig_ + 1).arg(totaal_));
  // A sheet the printer prints more than once comes once in the stream.
  const int keer = size_t(huidig_) < aantallen_.size() ? aantallen_[size_t(huidig_)] : 1;
  lblAantal_->setText(keer > 1 ? QStringLiteral("%1 keer afgedrukt").arg(keer) : QString());
  cmdVorige_->setEnabled(huidig_ > 0);
  cmdVolgende_->setEnabled(huidig_ + 1 < aantal);
  Teken();
}

bool AfdrukVoorbeeld::eventFilter(QObject* o, QEvent* e) {
  if (o == vlak_->viewport() && e->type() == QEvent::Resize && Zoom() == kPassend) Teken();
  return QDialog::eventFilter(o, e);
}

void AfdrukVoorbeeld::Teken() {
  if (vellen_.empty()) {
    imgVel_->clear();
    return;
  }
  const QImage& vel = vellen_[size_t(huidig_)];
  // Device pixels: on a high-density screen 1:1 still means one dot to one
  // physical pixel.
  const qreal dpr = devicePixelRatioF();
  double zoom = Zoom();
  if (zoom == kPassend) {
    const QSize ruimte = vlak_->viewport()->size() * dpr;
    zoom = std::min(double(ruimte.width()) / vel.width(), double(ruimte.height()) / vel.height());
    zoom = std::max(zoom, 0.01);
  }
  const QSize maat(std::max(1, int(vel.width() * zoom + 0.5)), std::max(1, int(vel.height() * zoom + 0.5)));
  // Enlarged, every dot stays a sharp square; reduced, the dots are averaged
  // so thin lines do not vanish.
  QPixmap beeld = QPixmap::fromImage(
      maat == vel.size()
          ? vel
          : vel.scaled(maat, Qt::IgnoreAspectRatio, zoom >= 1 ? Qt::FastTransformation : Qt::SmoothTransformation));
  beeld.setDevicePixelRatio(dpr);
  imgVel_->setPixmap(beeld);
  imgVel_->resize(beeld.deviceIndependentSize().toSize());
}

}  // namespace ui
