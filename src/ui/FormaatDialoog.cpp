#include "ui/FormaatDialoog.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
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
    if (formaat_.Vorm == 0 && formaat_.Hoekstraal > 0)
      p.drawRoundedRect(QRectF(-w / 2, -h / 2, w, h), formaat_.Hoekstraal, formaat_.Hoekstraal);
    else if (formaat_.Vorm == 0)
      p.drawRect(QRectF(-w / 2, -h / 2, w, h));
    else if (formaat_.Vorm == 1 && formaat_.Ovaal)
      p.drawEllipse(QPointF(0, 0), w / 2, h / 2);
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
  if (f.Vorm != 0 && f.Ovaal) return QStringLiteral("Ovaal");
  return f.Vorm != 0 ? QStringLiteral("Rond") : QStringLiteral("Rechthoekig");
}

QString Formaat::AfmetingTekst(const EtiketFormaat& f) {
  if (f.Vorm != 0 && !f.Ovaal) return QStringLiteral("Diam.") + Getal(f.Breedte);
  return Getal(f.Breedte) + u'x' + Getal(f.Hoogte);
}

QString Formaat::IndelingTekst(const EtiketFormaat& f) {
  if (f.Rijen > 1) return QStringLiteral("vel %1 x %2").arg(f.Kolommen).arg(f.Rijen);
  if (f.Kolommen > 1) return QStringLiteral("%1-baans").arg(f.Kolommen);
  return QString();
}

Formaat::Formaat(const FormatenTabel& formaten, int huidigFormaat, QWidget* parent, Beheer beheer)
    : QDialog(parent), formaten_(formaten), beheer_(std::move(beheer)) {
  setObjectName(QStringLiteral("Formaat"));
  setWindowTitle(QStringLiteral("Formaat"));
  setModal(true);
  Form_Load(huidigFormaat);
}

int Formaat::AantalInRaster() const {
  return formaten_.EersteVoorraad() > 0 ? formaten_.EersteVoorraad() - 1 : formaten_.AantalFormaten();
}

std::vector<int> Formaat::Zoek(const QString& tekst) const {
  std::vector<int> uit;
  if (formaten_.EersteVoorraad() <= 0) return uit;
  const QStringList woorden = tekst.simplified().split(u' ', Qt::SkipEmptyParts);
  for (int i = formaten_.EersteVoorraad(); i <= formaten_.AantalFormaten() && int(uit.size()) < kMeesteTreffers; ++i) {
    const QString& naam = formaten_.formaat(i).Naam;
    if (std::all_of(woorden.begin(), woorden.end(),
                    [&](const QString& w) { return naam.contains(w, Qt::CaseInsensitive); }))
      uit.push_back(i);
  }
  return uit;
}

void Formaat::ToonTreffers(const QString& tekst) {
  if (!lstVoorraad_) return;
  lstVoorraad_->clear();
  for (const int i : Zoek(tekst)) {
    const EtiketFormaat& f = formaten_.formaat(i);
    // Sizes in inches or points come out with many decimals: a tenth of a
    // millimetre tells the products apart.
    const auto mm = [](float w) { return QString::number(std::round(double(w) * 10) / 10, 'g', 7); };
    const QString maat = f.Vorm != 0 && !f.Ovaal ? QStringLiteral("diam. ") + mm(f.Breedte)
                                                 : mm(f.Breedte) + u'x' + mm(f.Hoogte);
    QString regel = f.Naam + QStringLiteral("  (") + VormTekst(f) + u' ' + maat + QStringLiteral(" mm");
    const QString indeling = IndelingTekst(f);
    if (!indeling.isEmpty()) regel += QStringLiteral(", ") + indeling;
    auto* item = new QListWidgetItem(regel + u')', lstVoorraad_);
    item->setData(Qt::UserRole, i);
    if (i == selectie_) lstVoorraad_->setCurrentItem(item);
  }
}

void Formaat::Beheren(const std::function<bool()>& actie) {
  if (!actie || !actie()) return;
  // The table changed under the dialog: the owner makes it anew.
  vernieuwen_ = true;
  bevestigd_ = false;
  QDialog::reject();
}

void Formaat::Form_Load(int huidigFormaat) {
  const int n = AantalInRaster();
  float m = 0;
  for (int i = 1; i <= n; ++i) m = std::max({m, formaten_.formaat(i).Breedte, formaten_.formaat(i).Hoogte});

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

  // Stock sheets are found by brand and part number.
  const bool zoeken = formaten_.EersteVoorraad() > 0;
  if (zoeken) {
    txtZoeken_ = new QLineEdit(this);
    txtZoeken_->setObjectName(QStringLiteral("txtZoeken"));
    txtZoeken_->setPlaceholderText(QStringLiteral("Vellen uit de winkel: merk en nummer, bv. Avery L7160"));
    txtZoeken_->setClearButtonEnabled(true);
    lstVoorraad_ = new QListWidget(this);
    lstVoorraad_->setObjectName(QStringLiteral("lstVoorraad"));
    // How many sheets there are, and how many could not be taken.
    lblVoorraad_ = new QLabel(beheer_.voorraadUitleg, this);
    lblVoorraad_->setObjectName(QStringLiteral("lblVoorraad"));
    lblVoorraad_->setTextFormat(Qt::PlainText);
    lblVoorraad_->setWordWrap(true);
    connect(txtZoeken_, &QLineEdit::textChanged, this, &Formaat::ToonTreffers);
    connect(lstVoorraad_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { KiesFormaat(item->data(Qt::UserRole).toInt()); });
    connect(lstVoorraad_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
      if (item) KiesFormaat(item->data(Qt::UserRole).toInt());
    });
    connect(lstVoorraad_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
      KiesFormaat(item->data(Qt::UserRole).toInt());
      accept();
    });
  }
  std::vector<QPushButton*> beheerKnoppen;
  const auto beheerKnop = [&](const char* naam, const QString& tekst, const std::function<bool()>& actie) {
    if (!actie) return;
    auto* knop = new QPushButton(tekst, this);
    knop->setObjectName(QString::fromLatin1(naam));
    knop->setAutoDefault(false);
    connect(knop, &QPushButton::clicked, this, [this, actie] { Beheren(actie); });
    beheerKnoppen.push_back(knop);
  };
  beheerKnop("cmdEigenFormaten", QStringLiteral("Eigen formaten ..."), beheer_.eigenFormaten);
  beheerKnop("cmdSjablonen", QStringLiteral("Sjabloonbestand ..."), beheer_.sjablonen);
  int beheerBreedte = 0;
  for (QPushButton* k : beheerKnoppen) beheerBreedte += std::max(kKnop.width(), k->sizeHint().width()) + kKnopRuimte;
  const int uitlegHoogte = zoeken && !beheer_.voorraadUitleg.isEmpty() ? 32 : 0;
  const int zoekHoogte = zoeken ? 24 + 4 + 140 + 4 + uitlegHoogte : 0;

  // The grid sets the size, up to what the screen holds; beyond that the
  // grid scrolls. Two buttons always fit.
  QScreen* scherm = screen() ? screen() : QGuiApplication::primaryScreen();
  const QRect vrij = scherm ? scherm->availableGeometry() : QRect(0, 0, 1024, 768);
  const int knoppenHoogte = kKnop.height() + 2 * kRand;
  // Room for the window's own frame and title bar.
  const int ruimteBoven = 64;
  const int zichtbaar =
      std::max(kRijStap, std::min(rasterHoogte, vrij.height() - ruimteBoven - knoppenHoogte - zoekHoogte));
  const bool schuift = zichtbaar < rasterHoogte;
  const int schuifBreedte = schuift ? raster_->verticalScrollBar()->sizeHint().width() : 0;
  const int binnenBreedte = std::max({rasterBreedte + schuifBreedte, 2 * kKnop.width() + kKnopRuimte + 2 * kRand + beheerBreedte,
                                      zoeken ? 420 : 0});
  const int binnenHoogte = zichtbaar + zoekHoogte + knoppenHoogte;
  raster_->setGeometry(0, 0, binnenBreedte, zichtbaar);
  if (zoeken) {
    txtZoeken_->setGeometry(kRand, zichtbaar + 4, binnenBreedte - 2 * kRand, 24);
    lstVoorraad_->setGeometry(kRand, zichtbaar + 4 + 24 + 4, binnenBreedte - 2 * kRand, 140);
    lblVoorraad_->setGeometry(kRand, zichtbaar + 4 + 24 + 4 + 140 + 2, binnenBreedte - 2 * kRand, uitlegHoogte);
    lblVoorraad_->setVisible(uitlegHoogte > 0);
  }
  {
    int x = kRand;
    for (QPushButton* k : beheerKnoppen) {
      const int b = std::max(kKnop.width(), k->sizeHint().width());
      k->setGeometry(x, binnenHoogte - kRand - kKnop.height(), b, kKnop.height());
      x += b + kKnopRuimte;
    }
  }
  cmdOK_->setGeometry(binnenBreedte - kKnop.width() - kRand, binnenHoogte - kRand - kKnop.height(), kKnop.width(),
                      kKnop.height());
  cmdAnnuleren_->setGeometry(cmdOK_->x() - kKnopRuimte - kKnop.width(), cmdOK_->y(), kKnop.width(), kKnop.height());
  setFixedSize(binnenBreedte, binnenHoogte);
  move(vrij.center() - QPoint(binnenBreedte / 2, binnenHoogte / 2));

  const int alle = formaten_.AantalFormaten();
  selectie_ = alle > 0 ? std::clamp(huidigFormaat, 1, alle) : 0;
  // A stock sheet in use is shown found.
  if (txtZoeken_ && selectie_ > n) txtZoeken_->setText(formaten_.formaat(selectie_).Naam);
  else if (txtZoeken_) ToonTreffers(QString());
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
  // A stock sheet is selected in the list, not in the grid.
  shpRechthoek_->setVisible(selectie_ >= 1 && selectie_ <= int(pictogrammen_.size()));
  if (lstVoorraad_ && selectie_ <= int(pictogrammen_.size())) lstVoorraad_->setCurrentItem(nullptr);
  if (selectie_ < 1 || selectie_ > int(pictogrammen_.size())) return;
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
  vernieuwen_ = false;
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
