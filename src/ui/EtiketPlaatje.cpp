#include "ui/EtiketPlaatje.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>

#include "editor/Bewerker.h"
#include "editor/Wijziging.h"
#include "model/Kenmerken.h"
#include "ui/Opdracht.h"

namespace ui {

namespace {
// How far a copy lands from its original, right and down (mm).
constexpr float kKopieAfstand = 2;
// Consecutive arrow presses join one undo step.
const QString kPijltjes = QStringLiteral("pijltjestoetsen");
// Pointer shapes of the handles, clockwise from the top-left corner.
constexpr Qt::CursorShape kVormen[8] = {Qt::SizeFDiagCursor, Qt::SizeVerCursor, Qt::SizeBDiagCursor, Qt::SizeHorCursor,
                                        Qt::SizeFDiagCursor, Qt::SizeVerCursor, Qt::SizeBDiagCursor, Qt::SizeHorCursor};
}  // namespace

EtiketPlaatje::EtiketPlaatje(Bewerker& bewerker, platform::MessageService& meldingen, QWidget* parent)
    : QFrame(parent), bewerker_(bewerker), meldingen_(meldingen) {
  setObjectName(QStringLiteral("pictEtiket"));
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  setLineWidth(1);
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Clicked or reached with Tab, the picture takes the keys that act on the
  // selection.
  setFocusPolicy(Qt::StrongFocus);
  setAcceptDrops(true);
  for (int i = 0; i < 8; ++i) {
    auto* h = new QWidget(this);
    h->setObjectName(QStringLiteral("picHandvat%1").arg(i));
    h->setAutoFillBackground(true);
    QPalette pal = h->palette();
    pal.setColor(QPalette::Window, Qt::black);
    h->setPalette(pal);
    h->setCursor(kVormen[i]);
    h->installEventFilter(this);
    h->hide();
    handvatten_[size_t(i)] = h;
  }
  connect(&bewerker_, &Bewerker::Getoond, this,
          [this](const QRegion& gebied) { update(gebied.translated(contentsRect().topLeft())); });
  connect(&bewerker_, &Bewerker::AllesGetoond, this, [this] { update(); });
  connect(&bewerker_, &Bewerker::HandvattenGeplaatst, this, &EtiketPlaatje::PlaatsHandvatWidgets);

  connect(this, &EtiketPlaatje::MuisNeer, this,
          [this](Qt::MouseButton knop, Qt::KeyboardModifiers toetsen, QPointF mm) {
            Opdracht(meldingen_, [&] { pictEtiket_MouseDown(knop, toetsen, float(mm.x()), float(mm.y())); });
          });
  connect(this, &EtiketPlaatje::MuisBeweegt, this, [this](Qt::MouseButtons knoppen, QPointF mm) {
    if (!verplaatsing_) return;
    // Only the right button keeps the move going; any other state ends it.
    if (knoppen == Qt::RightButton)
      ToonSchaduw(Verplaatsen(*verplaatsing_, float(mm.x()), float(mm.y())));
    else
      Opdracht(meldingen_, [this] { EindVerplaatsen(true); });
  });
  connect(this, &EtiketPlaatje::MuisLos, this, [this](Qt::MouseButton, QPointF) {
    if (verplaatsing_) Opdracht(meldingen_, [this] { EindVerplaatsen(true); });
  });
  connect(this, &EtiketPlaatje::HandvatNeer, this,
          [this](int index, Qt::MouseButton knop, Qt::KeyboardModifiers toetsen) {
            Opdracht(meldingen_, [&] { picHandvat_MouseDown(index, knop, toetsen); });
          });
  connect(this, &EtiketPlaatje::HandvatSleept, this, [this](QPointF mm) {
    if (rekking_) ToonSchaduw(Rekken(*rekking_, float(mm.x()), float(mm.y())));
  });
  connect(this, &EtiketPlaatje::HandvatLos, this, [this](int op, QPointF mm) {
    if (!rekking_) return;
    ToonSchaduw(Rekken(*rekking_, float(mm.x()), float(mm.y())));
    // Let go on the picture or another handle: done; on the handle itself
    // or outside everything: cancelled.
    Opdracht(meldingen_, [&] { EindRekken(op == 0 || op == 2); });
  });
}

void EtiketPlaatje::BerekenSchaal(bool altijd) {
  const QSize px = PixelMaat();
  const SchermSchaal& s = bewerker_.bewerking().Schaal;
  if (!altijd && px.width() == s.PixelBreedte && px.height() == s.PixelHoogte) return;
  bewerker_.BerekenSchaal(px, TwipsMaat());
}

QSizeF EtiketPlaatje::TwipsMaat() const {
  const double dpiX = logicalDpiX() > 0 ? logicalDpiX() : 96;
  const double dpiY = logicalDpiY() > 0 ? logicalDpiY() : 96;
  return {width() * 1440.0 / dpiX, height() * 1440.0 / dpiY};
}

void EtiketPlaatje::PlaatsHandvatWidgets() {
  const EtiketBeeld& beeld = bewerker_.beeld();
  const QPoint o = contentsRect().topLeft();
  for (int i = 0; i < 8; ++i) {
    const Handvat& d = beeld.Handvatten()[size_t(i)];
    QWidget* w = handvatten_[size_t(i)];
    if (d.Zichtbaar) {
      w->setGeometry(beeld.Schaal().naarPixels(d.Rechthoek).translated(o));
      w->show();
    } else {
      w->hide();
    }
  }
}

void EtiketPlaatje::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  const QRect binnen = contentsRect();
  p.fillRect(e->rect() & binnen, Qt::white);
  const EtiketBeeld& beeld = bewerker_.beeld();
  if (!beeld.Beeld().isNull()) {
    p.setClipRect(binnen & e->rect());
    p.translate(binnen.topLeft());
    p.drawImage(0, 0, beeld.Beeld());
    beeld.TekenBovenlaag(p);
    p.resetTransform();
    p.setClipping(false);
  }
  drawFrame(&p);
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = binnen.adjusted(1, 1, -1, -1);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
  }
}

void EtiketPlaatje::resizeEvent(QResizeEvent* e) {
  QFrame::resizeEvent(e);
  emit Vergroot();
}

QPointF EtiketPlaatje::NaarMm(QPointF punt) const {
  return bewerker_.beeld().Schaal().naarMm(punt - contentsRect().topLeft());
}

void EtiketPlaatje::mousePressEvent(QMouseEvent* e) {
  setFocus(Qt::MouseFocusReason);
  emit MuisNeer(e->button(), e->modifiers(), NaarMm(e->position()));
}

void EtiketPlaatje::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) emit DubbelKlik(NaarMm(e->position()));
}

namespace {
// The local files among what is dragged.
QStringList Bestanden(const QMimeData* gegevens) {
  QStringList paden;
  if (!gegevens) return paden;
  for (const QUrl& url : gegevens->urls())
    if (url.isLocalFile()) paden << url.toLocalFile();
  return paden;
}
}  // namespace

void EtiketPlaatje::dragEnterEvent(QDragEnterEvent* e) {
  if (!Bestanden(e->mimeData()).isEmpty()) e->acceptProposedAction();
}

void EtiketPlaatje::dragMoveEvent(QDragMoveEvent* e) {
  if (!Bestanden(e->mimeData()).isEmpty()) e->acceptProposedAction();
}

void EtiketPlaatje::dropEvent(QDropEvent* e) {
  const QStringList paden = Bestanden(e->mimeData());
  if (paden.isEmpty()) return;
  e->acceptProposedAction();
  emit BestandenLosgelaten(paden, NaarMm(e->position()));
}

void EtiketPlaatje::mouseMoveEvent(QMouseEvent* e) { emit MuisBeweegt(e->buttons(), NaarMm(e->position())); }

void EtiketPlaatje::mouseReleaseEvent(QMouseEvent* e) { emit MuisLos(e->button(), NaarMm(e->position())); }

bool EtiketPlaatje::eventFilter(QObject* o, QEvent* e) {
  auto* h = qobject_cast<QWidget*>(o);
  const auto it = std::find(handvatten_.begin(), handvatten_.end(), h);
  if (it == handvatten_.end()) return QFrame::eventFilter(o, e);
  const int index = int(it - handvatten_.begin());
  if (e->type() == QEvent::MouseButtonPress) {
    setFocus(Qt::MouseFocusReason);  // the handles are part of the picture
    auto* m = static_cast<QMouseEvent*>(e);
    emit HandvatNeer(index, m->button(), m->modifiers());
    return true;
  }
  if (e->type() == QEvent::MouseMove) {
    // The handle keeps the mouse while a button is down.
    emit HandvatSleept(NaarMm(h->mapTo(this, static_cast<QMouseEvent*>(e)->position())));
    return true;
  }
  if (e->type() == QEvent::MouseButtonRelease) {
    const QPointF hier = h->mapTo(this, static_cast<QMouseEvent*>(e)->position());
    int op = contentsRect().contains(hier.toPoint()) ? 0 : 3;
    for (int i = 0; i < 8; ++i) {
      QWidget* ander = handvatten_[size_t(i)];
      if (ander->isVisible() && ander->geometry().contains(hier.toPoint())) op = i == index ? 1 : 2;
    }
    emit HandvatLos(op, NaarMm(hier));
    return true;
  }
  return QFrame::eventFilter(o, e);
}

void EtiketPlaatje::keyPressEvent(QKeyEvent* e) {
  const Qt::KeyboardModifiers toetsen = e->modifiers() & ~Qt::KeypadModifier;
  const bool ctrl = toetsen == Qt::ControlModifier;
  const bool gewoon = toetsen == Qt::NoModifier || toetsen == Qt::ShiftModifier;
  // An arrow moves by one dot of the printer, Shift+arrow by a millimetre.
  const float stap = toetsen == Qt::ShiftModifier ? 1.0f : 1.0f / float(bewerker_.beeld().PrinterPuntenPerMm());
  float dx = 0, dy = 0;
  switch (e->key()) {
    case Qt::Key_Left: dx = -stap; break;
    case Qt::Key_Right: dx = stap; break;
    case Qt::Key_Up: dy = -stap; break;
    case Qt::Key_Down: dy = stap; break;
    default: break;
  }
  if (gewoon && (dx != 0 || dy != 0)) {
    Opdracht(meldingen_, [&] { Verschuif(dx, dy); });
  } else if (toetsen == Qt::NoModifier && e->key() == Qt::Key_Delete) {
    emit VerwijderenGevraagd();
  } else if (ctrl && e->key() == Qt::Key_D) {
    Opdracht(meldingen_, [this] { Dupliceren(); });
  } else if (gewoon && !e->text().isEmpty() && e->text().at(0).isPrint()) {
    emit Getypt(e);
  } else {
    QFrame::keyPressEvent(e);
  }
}

void EtiketPlaatje::focusInEvent(QFocusEvent* e) {
  QFrame::focusInEvent(e);
  update();
}

void EtiketPlaatje::focusOutEvent(QFocusEvent* e) {
  QFrame::focusOutEvent(e);
  // Coming back later starts another burst of arrow keys; another window
  // taking the keyboard is no leaving.
  if (e->reason() != Qt::ActiveWindowFocusReason) bewerker_.BeginNieuweStap();
  update();
}

// Selecting, the handles and moving the selection as a whole.

void EtiketPlaatje::SelecteerVoorwerp(int index) {
  const Bewerking& b = bewerker_.bewerking();
  if (b.ontwerp().voorwerp(index).Soort() == SoortVoorwerp::Tekstlijn) {
    // Set first, so the line box finds the same text.
    bewerker_.ZetHuidigeLijn(index);
    emit LijnGekozen(index);
  }
  bewerker_.ZetGeselecteerd(index, true);
  emit SelectieVeranderd();
  if (!b.Bezig()) PlaatsHandvaten();
  update();
}

void EtiketPlaatje::DeSelecteerVoorwerp(int index) {
  const Bewerking& b = bewerker_.bewerking();
  bewerker_.ZetGeselecteerd(index, false);
  if (b.HuidigeLijn() == index) bewerker_.ZetHuidigeLijn(0);
  emit SelectieVeranderd();
  if (!b.Bezig()) PlaatsHandvaten();
  update();
}

void EtiketPlaatje::DeSelekteerAlles() {
  bewerker_.WisSelectie();
  bewerker_.ZetHuidigeLijn(0);
  emit SelectieVeranderd();
}

void EtiketPlaatje::AllesSelecteren() {
  Wijziging wijziging(bewerker_);
  const Bewerking& b = bewerker_.bewerking();
  for (int i = 1; i <= b.ontwerp().AantalVoorwerpen(); ++i)
    if (!b.Geselecteerd(i)) SelecteerVoorwerp(i);
}

void EtiketPlaatje::PlaatsHandvaten() {
  bewerker_.beeld().PlaatsHandvaten();
  PlaatsHandvatWidgets();
  update();
}

void EtiketPlaatje::VerbergHandvaten() {
  bewerker_.beeld().VerbergHandvaten();
  PlaatsHandvatWidgets();
}

void EtiketPlaatje::pictEtiket_MouseDown(Qt::MouseButton knop, Qt::KeyboardModifiers toetsen, float x, float y) {
  const Bewerking& b = bewerker_.bewerking();
  if (knop == Qt::RightButton) {
    // The right button moves: the element under the pointer, or the
    // selection as it is when the pointer is on nothing.
    const int raak = b.ontwerp().ZoekVoorwerp(x, y);
    if (raak != 0 && !b.Geselecteerd(raak)) {
      Wijziging wijziging(bewerker_);
      DeSelekteerAlles();
      SelecteerVoorwerp(raak);
    }
    if (b.AantalGeselecteerd() == 0) return;
    BeginVerplaatsen(x, y, toetsen & Qt::ControlModifier);
    return;
  }
  if (knop != Qt::LeftButton) return;
  const int raak = b.ontwerp().ZoekVoorwerp(x, y);
  if (raak == 0) return;
  Wijziging wijziging(bewerker_);
  if (toetsen & Qt::ShiftModifier) {
    if (!b.Geselecteerd(raak))
      SelecteerVoorwerp(raak);
    else if (b.AantalGeselecteerd() == 1)
      meldingen_.beep();
    else
      DeSelecteerVoorwerp(raak);
  } else {
    DeSelekteerAlles();
    SelecteerVoorwerp(raak);
  }
}

void EtiketPlaatje::ToonSchaduw(const Kader& schaduw) {
  EtiketBeeld& beeld = bewerker_.beeld();
  beeld.Schaduw = schaduw;
  beeld.SchaduwZichtbaar = true;
  update();
}

void EtiketPlaatje::BeginVerplaatsen(float x, float y, bool eenRichting) {
  EtiketBeeld& beeld = bewerker_.beeld();
  beeld.PlaatsHandvaten();
  verplaatsing_ =
      editor::BeginVerplaatsen(beeld.Selectie(), x - beeld.Selectie().Links, y - beeld.Selectie().Boven, eenRichting);
  ToonSchaduw(beeld.Selectie());
}

void EtiketPlaatje::EindVerplaatsen(bool doeVerplaatsing) {
  EtiketBeeld& beeld = bewerker_.beeld();
  verplaatsing_.reset();
  beeld.SchaduwZichtbaar = false;
  update();
  if (!doeVerplaatsing) return;
  const Kader sel = beeld.Selectie();
  const Kader& schaduw = beeld.Schaduw;
  const Bewerking& b = bewerker_.bewerking();
  auto links = [&](const Voorwerp& v) { return v.Links - sel.Links + schaduw.Links; };
  auto boven = [&](const Voorwerp& v) { return v.Boven - sel.Boven + schaduw.Boven; };
  const std::vector<int> selectie = b.GeselecteerdeVoorwerpen();
  for (int i : selectie) {
    const Voorwerp& v = b.ontwerp().voorwerp(i);
    // A design file holds no element beyond a kilometre: such a move is not made.
    if (KanBewaren(links(v), boven(v))) continue;
    meldingen_.beep();
    return;
  }
  Wijziging wijziging(bewerker_);
  Ontwerp& o = wijziging.ontwerp();
  for (int i : selectie) {
    const Voorwerp& v = std::as_const(o).voorwerp(i);
    float l = links(v), t = boven(v);
    float br = v.Breedte, h = v.Hoogte;
    o.PlaatsVoorwerp(i, l, t, br, h);
  }
}

void EtiketPlaatje::Centreren() {
  if (bewerker_.bewerking().AantalGeselecteerd() == 0) return;
  EtiketBeeld& beeld = bewerker_.beeld();
  beeld.PlaatsHandvaten();
  const Kader s = beeld.Selectie();
  Kader& schaduw = beeld.Schaduw;
  schaduw.Links = (s.Links - s.Rechts) / 2;
  schaduw.Rechts = schaduw.Links + (s.Rechts - s.Links);
  schaduw.Boven = (s.Boven - s.Onder) / 2;
  schaduw.Onder = schaduw.Boven + (s.Onder - s.Boven);
  beeld.SchaduwZichtbaar = true;
  EindVerplaatsen(true);
}

void EtiketPlaatje::Verschuif(float dx, float dy) {
  const Bewerking& b = bewerker_.bewerking();
  const std::vector<int> selectie = b.GeselecteerdeVoorwerpen();
  if (selectie.empty()) return;
  for (int i : selectie) {
    const Voorwerp& v = b.ontwerp().voorwerp(i);
    if (KanBewaren(v.Links + dx, v.Boven + dy)) continue;
    meldingen_.beep();
    return;
  }
  Wijziging wijziging(bewerker_, kPijltjes);
  Ontwerp& o = wijziging.ontwerp();
  for (int i : selectie) {
    const Voorwerp& v = std::as_const(o).voorwerp(i);
    float l = v.Links + dx, t = v.Boven + dy, br = v.Breedte, h = v.Hoogte;
    o.PlaatsVoorwerp(i, l, t, br, h);
  }
}

void EtiketPlaatje::Dupliceren() {
  const Bewerking& b = bewerker_.bewerking();
  const std::vector<int> selectie = b.GeselecteerdeVoorwerpen();
  if (selectie.empty()) return;
  for (int i : selectie) {
    const Voorwerp& v = b.ontwerp().voorwerp(i);
    if (KanBewaren(v.Links + kKopieAfstand, v.Boven + kKopieAfstand)) continue;
    meldingen_.beep();
    return;
  }
  Wijziging wijziging(bewerker_);
  Ontwerp& o = wijziging.ontwerp();
  std::vector<int> kopieen;
  for (int i : selectie) {
    const int k = o.VoegKopieToe(i);
    const Voorwerp& v = std::as_const(o).voorwerp(k);
    float l = v.Links + kKopieAfstand, t = v.Boven + kKopieAfstand, br = v.Breedte, h = v.Hoogte;
    o.PlaatsVoorwerp(k, l, t, br, h);
    kopieen.push_back(k);
  }
  DeSelekteerAlles();
  for (int k : kopieen) SelecteerVoorwerp(k);
}

void EtiketPlaatje::picHandvat_MouseDown(int index, Qt::MouseButton knop, Qt::KeyboardModifiers toetsen) {
  const Bewerking& b = bewerker_.bewerking();
  bool bijsnijden = false;
  if (knop == Qt::RightButton) {
    const int i = b.GeselecteerdVoorwerp();
    if (b.AantalGeselecteerd() != 1 || b.ontwerp().voorwerp(i).Soort() != SoortVoorwerp::Figuur) {
      meldingen_.show(platform::MessageService::Icon::Warning, QStringLiteral("Fout"),
                      QStringLiteral("Bijsnijden werkt alleen indien\ner één figuur geselecteerd is"),
                      platform::MessageService::Buttons::OkCancel);
      return;
    }
    bijsnijden = true;
  } else if (knop != Qt::LeftButton) {
    return;
  }
  EtiketBeeld& beeld = bewerker_.beeld();
  beeld.PlaatsHandvaten();
  const bool shift = toetsen & Qt::ShiftModifier, ctrl = toetsen & Qt::ControlModifier;
  rekking_ = bijsnijden
                 ? BeginBijsnijden(beeld.Selectie(), index, shift, ctrl, b.ontwerp().voorwerp(b.GeselecteerdVoorwerp()))
                 : BeginRekken(beeld.Selectie(), index, shift, ctrl, false);
  ToonSchaduw(beeld.Selectie());
}

void EtiketPlaatje::EindRekken(bool uitvoeren) {
  EtiketBeeld& beeld = bewerker_.beeld();
  const std::optional<Rekking> r = rekking_;
  rekking_.reset();
  const Kader schaduw = beeld.Schaduw;
  beeld.SchaduwZichtbaar = false;
  update();
  if (!uitvoeren || !r) return;
  const Bewerking& b = bewerker_.bewerking();
  std::vector<std::pair<int, NieuwVak>> vakken;
  for (int i : b.GeselecteerdeVoorwerpen()) {
    const Voorwerp& v = b.ontwerp().voorwerp(i);
    vakken.emplace_back(i, RekVoorwerp(v, *r, schaduw));
    if (KanBewaren(vakken.back().second, v.Soort())) continue;
    meldingen_.beep();
    return;
  }
  Wijziging wijziging(bewerker_);
  Ontwerp& o = wijziging.ontwerp();
  for (auto& [i, n] : vakken) {
    Voorwerp& v = o.voorwerp(i);
    if (v.Soort() == SoortVoorwerp::Tekstlijn) {
      ZetLettergrootte(o, i, n.Lettergrootte);
      n.Hoogte = v.Hoogte;
    }
    if (r->Bijsnijden && v.Soort() == SoortVoorwerp::Figuur) {
      v.beeld().BronX = n.BronX;
      v.beeld().BronY = n.BronY;
      v.beeld().BronBreedte = n.BronBreedte;
      v.beeld().BronHoogte = n.BronHoogte;
    }
    o.PlaatsVoorwerp(i, n.Links, n.Boven, n.Breedte, n.Hoogte);
  }
  emit Gerekt();
}

}  // namespace ui
