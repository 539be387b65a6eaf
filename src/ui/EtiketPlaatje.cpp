#include "ui/EtiketPlaatje.h"

#include <QMouseEvent>
#include <algorithm>
#include <QPaintEvent>
#include <QPainter>

#include "editor/EtiketBeeld.h"

namespace {
// Pointer shapes of the handles, clockwise from the top-left corner.
constexpr Qt::CursorShape kVormen[8] = {Qt::SizeFDiagCursor, Qt::SizeVerCursor, Qt::SizeBDiagCursor,
                                        Qt::SizeHorCursor,  Qt::SizeFDiagCursor, Qt::SizeVerCursor,
                                        Qt::SizeBDiagCursor, Qt::SizeHorCursor};
}  // namespace

EtiketPlaatje::EtiketPlaatje(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("pictEtiket"));
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  setLineWidth(1);
  setAttribute(Qt::WA_OpaquePaintEvent);
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
}

QSizeF EtiketPlaatje::TwipsMaat() const {
  const double dpiX = logicalDpiX() > 0 ? logicalDpiX() : 96;
  const double dpiY = logicalDpiY() > 0 ? logicalDpiY() : 96;
  return {width() * 1440.0 / dpiX, height() * 1440.0 / dpiY};
}

void EtiketPlaatje::PlaatsHandvatWidgets() {
  if (!beeld_) return;
  const QPoint o = contentsRect().topLeft();
  for (int i = 0; i < 8; ++i) {
    const Handvat& d = beeld_->Handvatten()[size_t(i)];
    QWidget* w = handvatten_[size_t(i)];
    if (d.Zichtbaar) {
      w->setGeometry(beeld_->Schaal().naarPixels(d.Rechthoek).translated(o));
      w->show();
    } else {
      w->hide();
    }
  }
}

void EtiketPlaatje::Toon(const QRegion& gebied) { update(gebied.translated(contentsRect().topLeft())); }

void EtiketPlaatje::ToonAlles() { update(); }

void EtiketPlaatje::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  const QRect binnen = contentsRect();
  p.fillRect(e->rect() & binnen, Qt::white);
  if (beeld_ && !beeld_->Beeld().isNull()) {
    p.setClipRect(binnen & e->rect());
    p.translate(binnen.topLeft());
    p.drawImage(0, 0, beeld_->Beeld());
    beeld_->TekenBovenlaag(p);
    p.resetTransform();
    p.setClipping(false);
  }
  drawFrame(&p);
}

void EtiketPlaatje::resizeEvent(QResizeEvent* e) {
  QFrame::resizeEvent(e);
  emit Vergroot();
}

QPointF EtiketPlaatje::NaarMm(QPointF punt) const {
  if (!beeld_) return {};
  return beeld_->Schaal().naarMm(punt - contentsRect().topLeft());
}

void EtiketPlaatje::mousePressEvent(QMouseEvent* e) {
  emit MuisNeer(e->button(), e->modifiers(), NaarMm(e->position()));
}

void EtiketPlaatje::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) emit DubbelKlik(NaarMm(e->position()));
}

void EtiketPlaatje::mouseMoveEvent(QMouseEvent* e) { emit MuisBeweegt(e->buttons(), NaarMm(e->position())); }

void EtiketPlaatje::mouseReleaseEvent(QMouseEvent* e) { emit MuisLos(e->button(), NaarMm(e->position())); }

bool EtiketPlaatje::eventFilter(QObject* o, QEvent* e) {
  auto* h = qobject_cast<QWidget*>(o);
  const auto it = std::find(handvatten_.begin(), handvatten_.end(), h);
  if (it == handvatten_.end()) return QFrame::eventFilter(o, e);
  const int index = int(it - handvatten_.begin());
  if (e->type() == QEvent::MouseButtonPress) {
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
