#include "ui/FormaatDialoog.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>
#include <functional>

namespace ui {

namespace {

// The templates of the grid, in pixels (15 twips each): one pictogram with
// its two captions; neighbours keep a gap of 2 pixels (30 twips).
constexpr QRect kPictogram(8, 8, 88, 88);
constexpr QRect kVorm(8, 98, 88, 16);
constexpr QRect kAfmeting(8, 114, 88, 16);
constexpr int kTussenruimte = 2;
constexpr int kKolomStap = kPictogram.width() + kTussenruimte;
constexpr int kRijStap = kAfmeting.top() + kAfmeting.height() - kPictogram.top() + kTussenruimte;
constexpr int kMarkeringLinks = 1;  // 15 twips
constexpr QSize kKnop(84, 26);
constexpr int kKnopRuimte = 6;
constexpr int kRand = 8;

const QColor kAchtergrond(255, 255, 255);
const QColor kSelektie(190, 215, 255);

QString Getal(float waarde) { return QString::number(double(waarde), 'g', 7); }

struct Klikken {
  std::function<void()> klik;
  std::function<void()> dubbel;
};

// One format drawn in a box whose coordinates run from -0.6 M to 0.6 M both
// ways, M being the largest side in the catalogue: every format at one scale.
class PictogramVak : public QWidget {
 public:
  PictogramVak(const EtiketFormaat& f, float m, Klikken k, QWidget* ouder)
      : QWidget(ouder), formaat_(f), m_(m), klikken_(std::move(k)) {
    setAutoFillBackground(true);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!(m_ > 0)) return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(width() / 2.0, height() / 2.0);
    p.scale(width() / (1.2 * m_), height() / (1.2 * m_));
    QPen pen(Qt::black);
    pen.setCosmetic(true);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const double w = formaat_.Breedte, h = formaat_.Hoogte;
    if (formaat_.Vorm == 0)
      p.drawRect(QRectF(-w / 2, -h / 2, w, h));
    else if (formaat_.Vorm == 1)
      p.drawEllipse(QPointF(0, 0), w / 2, w / 2);

    // Formats of one label size differ in how the labels lie: say so in the
    // corner, on the box's own colour so that a large outline under it does
    // not make it hard to read.
    const QString indeling = Formaat::IndelingTekst(formaat_);
    if (indeling.isEmpty()) return;
    p.resetTransform();
    p.setRenderHint(QPainter::Antialiasing, false);
    QFont letter = font();
    letter.setPixelSize(10);
    p.setFont(letter);
    const QRect vak = p.fontMetrics().boundingRect(indeling).adjusted(-2, -1, 2, 1);
    const QRect plek(2, 2, vak.width(), vak.height());
    p.fillRect(plek, palette().color(QPalette::Window));
    p.drawText(plek, Qt::AlignCenter, indeling);
  }
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton) klikken_.klik();
  }
  void mouseDoubleClickEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton) klikken_.dubbel();
  }

 private:
  EtiketFormaat formaat_;
  float m_;
  Klikken klikken_;
};

class Onderschrift : public QLabel {
 public:
  Onderschrift(const QString& tekst, Klikken k, QWidget* ouder) : QLabel(tekst, ouder), klikken_(std::move(k)) {
    setTextFormat(Qt::PlainText);
  }

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton) klikken_.klik();
  }
  void mouseDoubleClickEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton) klikken_.dubbel();
  }

 private:
  Klikken klikken_;
};

QString Naam(const char* basis, int i) { return QString::fromLatin1(basis) + QString::number(i); }

}  // namespace

QString Formaat::VormTekst(const EtiketFormaat& f) {
  return f.Vorm != 0 ? QStringLiteral("Rond") : QStringLiteral("Rechthoekig");
}

QString Formaat::AfmetingTekst(const EtiketFormaat& f) {
  if (f.Vorm != 0) return QStringLiteral("Diam.") + Getal(f.Breedte);
  return Getal(f.Breedte) + u'x' + Getal(f.Hoogte);
}

QString Formaat::IndelingTekst(const EtiketFormaat& f) {
  if (f.Rijen > 1) return QStringLiteral("vel %1 x %2").arg(f.Kolommen).arg(f.Rijen);
  if (f.Kolommen > 1) return QStringLiteral("%1-baans").arg(f.Kolommen);
  return QString();
}

Formaat::Formaat(const FormatenTabel& formaten, int huidigFormaat, QWidget* parent)
    : QDialog(parent), formaten_(formaten) {
  setObjectName(QStringLiteral("Formaat"));
  setWindowTitle(QStringLiteral("Formaat"));
  setModal(true);
  Form_Load(huidigFormaat);
}

void Formaat::Form_Load(int huidigFormaat) {
  const int n = formaten_.AantalFormaten();
  float m = 0;
  for (const EtiketFormaat& f : formaten_.alle()) m = std::max({m, f.Breedte, f.Hoogte});

  // Rows: the count divided by 5, rounded up; then as few columns as fill them.
  rijen_ = n > 0 ? (n + 4) / 5 : 0;
  kolommen_ = rijen_ > 0 ? (n + rijen_ - 1) / rijen_ : 0;

  frmPictogrammen_ = new QWidget;
  frmPictogrammen_->setObjectName(QStringLiteral("frmPictogrammen"));
  const int rasterBreedte = kolommen_ * kKolomStap + 2 * kPictogram.left();
  const int rasterHoogte = kPictogram.top() + std::max(rijen_, 1) * kRijStap;
  frmPictogrammen_->setFixedSize(rasterBreedte, rasterHoogte);

  for (int i = 1; i <= n; ++i) {
    const EtiketFormaat& f = formaten_.formaat(i);
    const int kolom = (i - 1) % kolommen_, rij = (i - 1) / kolommen_;
    const int dx = kolom * kKolomStap, dy = rij * kRijStap;
    Klikken k{[this, i] { KiesFormaat(i); },
              [this, i] {
                KiesFormaat(i);
                accept();
              }};
    auto* pic = new PictogramVak(f, m, k, frmPictogrammen_);
    pic->setObjectName(Naam("picPictogram", i));
    pic->setGeometry(kPictogram.translated(dx, dy));
    pictogrammen_.push_back(pic);
    auto* vorm = new Onderschrift(VormTekst(f), k, frmPictogrammen_);
    vorm->setObjectName(Naam("lblVorm", i));
    vorm->setGeometry(kVorm.translated(dx, dy));
    auto* afmeting = new Onderschrift(AfmetingTekst(f), k, frmPictogrammen_);
    afmeting->setObjectName(Naam("lblAfmeting", i));
    afmeting->setGeometry(kAfmeting.translated(dx, dy));
    // Formats of one shape and size differ only in their name.
    for (QWidget* w : {static_cast<QWidget*>(pic), static_cast<QWidget*>(vorm), static_cast<QWidget*>(afmeting)})
      w->setToolTip(f.Naam);
  }

  // Only its colour is used: the highlight of the selected pictogram.
  lblSelektie_ = new QLabel(QStringLiteral("Selektie"), this);
  lblSelektie_->setObjectName(QStringLiteral("lblSelektie"));
  lblSelektie_->setAutoFillBackground(true);
  QPalette pal = lblSelektie_->palette();
  pal.setColor(QPalette::Window, kSelektie);
  lblSelektie_->setPalette(pal);
  lblSelektie_->hide();

  // The marker frames the captions under the selected pictogram; clicks
  // pass through it to them.
  shpRechthoek_ = new QFrame(frmPictogrammen_);
  shpRechthoek_->setObjectName(QStringLiteral("shpRechthoek"));
  shpRechthoek_->setFrameShape(QFrame::Box);
  shpRechthoek_->setAttribute(Qt::WA_TransparentForMouseEvents);
  shpRechthoek_->resize(kPictogram.width() + 2 * kMarkeringLinks,
                        kAfmeting.top() + kAfmeting.height() - kVorm.top() + kTussenruimte);
  shpRechthoek_->setVisible(n > 0);

  raster_ = new QScrollArea(this);
  raster_->setObjectName(QStringLiteral("scrPictogrammen"));
  raster_->setFrameShape(QFrame::NoFrame);
  raster_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  raster_->setWidget(frmPictogrammen_);

  cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
  cmdOK_->setObjectName(QStringLiteral("cmdOK"));
  cmdOK_->setDefault(true);
  cmdAnnuleren_ = new QPushButton(QStringLiteral("Annuleren"), this);
  cmdAnnuleren_->setObjectName(QStringLiteral("cmdAnnuleren"));
  connect(cmdOK_, &QPushButton::clicked, this, &Formaat::accept);
  connect(cmdAnnuleren_, &QPushButton::clicked, this, &Formaat::reject);

  // The grid sets the size, up to what the screen holds; beyond that the
  // grid scrolls. Two buttons always fit.
  QScreen* scherm = screen() ? screen() : QGuiApplication::primaryScreen();
  const QRect vrij = scherm ? scherm->availableGeometry() : QRect(0, 0, 1024, 768);
  const int knoppenHoogte = kKnop.height() + 2 * kRand;
  // Room for the window's own frame and title bar.
  const int ruimteBoven = 64;
  const int zichtbaar = std::max(kRijStap, std::min(rasterHoogte, vrij.height() - ruimteBoven - knoppenHoogte));
  const bool schuift = zichtbaar < rasterHoogte;
  const int schuifBreedte = schuift ? raster_->verticalScrollBar()->sizeHint().width() : 0;
  const int binnenBreedte = std::max(rasterBreedte + schuifBreedte, 2 * kKnop.width() + kKnopRuimte + 2 * kRand);
  const int binnenHoogte = zichtbaar + knoppenHoogte;
  raster_->setGeometry(0, 0, binnenBreedte, zichtbaar);
  cmdOK_->setGeometry(binnenBreedte - kKnop.width() - kRand, binnenHoogte - kRand - kKnop.height(), kKnop.width(),
                      kKnop.height());
  cmdAnnuleren_->setGeometry(cmdOK_->x() - kKnopRuimte - kKnop.width(), cmdOK_->y(), kKnop.width(), kKnop.height());
  setFixedSize(binnenBreedte, binnenHoogte);
  move(vrij.center() - QPoint(binnenBreedte / 2, binnenHoogte / 2));

  selectie_ = n > 0 ? std::clamp(huidigFormaat, 1, n) : 0;
  ToonSelektie();
}

void Formaat::ToonSelektie() {
  for (size_t j = 0; j < pictogrammen_.size(); ++j) {
    QWidget* pic = pictogrammen_[j];
    QPalette pal = pic->palette();
    pal.setColor(QPalette::Window,
                 int(j) + 1 == selectie_ ? lblSelektie_->palette().color(QPalette::Window) : kAchtergrond);
    pic->setPalette(pal);
    pic->update();
  }
  if (selectie_ < 1) return;
  QWidget* pic = Pictogram(selectie_);
  shpRechthoek_->move(pic->x() - kMarkeringLinks, pic->y() + pic->height());
  shpRechthoek_->raise();
  raster_->ensureWidgetVisible(shpRechthoek_, 0, kRand);
  raster_->ensureWidgetVisible(pic, 0, kRand);
}

void Formaat::KiesFormaat(int i) {
  if (i < 1 || i > formaten_.AantalFormaten()) return;
  selectie_ = i;
  ToonSelektie();
}

void Formaat::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  // Only now does the grid's area have its real size to scroll within.
  ToonSelektie();
}

bool Formaat::Toon(qint16& huidigFormaat) {
  huidig_ = &huidigFormaat;
  bevestigd_ = false;
  exec();
  huidig_ = nullptr;
  return bevestigd_;
}

void Formaat::accept() {
  bevestigd_ = true;
  if (huidig_ && selectie_ > 0) *huidig_ = qint16(selectie_);
  QDialog::accept();
}

void Formaat::reject() {
  bevestigd_ = false;
  if (huidig_) KiesFormaat(*huidig_);
  QDialog::reject();
}

}  // namespace ui
