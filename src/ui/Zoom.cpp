#include "ui/Zoom.h"

#include <QAction>
#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "ui/EtiketPlaatje.h"

namespace ui {

const std::vector<double>& Zoom::Stappen() {
  static const std::vector<double> stappen = {0.25, 0.33, 0.5, 0.67, 0.75, 1, 1.25, 1.5, 2, 3, 4, 6, 8};
  return stappen;
}

Zoom::Zoom(QScrollArea& gebied, EtiketPlaatje& plaatje, QObject* parent)
    : QObject(parent), gebied_(gebied), plaatje_(plaatje) {
  inzoomen_ = new QAction(QStringLiteral("&Inzoomen"), this);
  inzoomen_->setObjectName(QStringLiteral("mnuInzoomen"));
  inzoomen_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  uitzoomen_ = new QAction(QStringLiteral("&Uitzoomen"), this);
  uitzoomen_->setObjectName(QStringLiteral("mnuUitzoomen"));
  uitzoomen_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
  passend_ = new QAction(QStringLiteral("&Passend"), this);
  passend_->setObjectName(QStringLiteral("mnuPassend"));
  passend_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
  connect(inzoomen_, &QAction::triggered, this, &Zoom::Inzoomen);
  connect(uitzoomen_, &QAction::triggered, this, &Zoom::Uitzoomen);
  connect(passend_, &QAction::triggered, this, &Zoom::Passend);
  viewport_ = gebied_.viewport();
  viewport_->installEventFilter(this);
  plaatje_.installEventFilter(this);
}

QPointF Zoom::Midden() const { return QRectF(gebied_.viewport()->rect()).center(); }

void Zoom::ZetFactor(double factor) { ZetFactor(factor, Midden()); }

void Zoom::ZetFactor(double factor, QPointF anker) {
  factor = std::clamp(factor, Stappen().front(), Stappen().back());
  if (factor == factor_) return;
  // The point under the anchor as a share of the picture, kept there.
  const QPointF opPlaatje = plaatje_.mapFrom(gebied_.viewport(), anker.toPoint());
  const double fx = plaatje_.width() > 0 ? opPlaatje.x() / plaatje_.width() : 0.5;
  const double fy = plaatje_.height() > 0 ? opPlaatje.y() / plaatje_.height() : 0.5;
  factor_ = factor;
  PasMaatAan();
  gebied_.horizontalScrollBar()->setValue(int(std::lround(fx * plaatje_.width() - anker.x())));
  gebied_.verticalScrollBar()->setValue(int(std::lround(fy * plaatje_.height() - anker.y())));
}

double Zoom::Stap(int richting) const {
  const auto& s = Stappen();
  if (richting > 0) {
    const auto volgende = std::upper_bound(s.begin(), s.end(), factor_ + 1e-9);
    return volgende != s.end() ? *volgende : factor_;
  }
  const auto vorige = std::lower_bound(s.begin(), s.end(), factor_ - 1e-9);
  return vorige != s.begin() ? *(vorige - 1) : factor_;
}

void Zoom::Inzoomen() { ZetFactor(Stap(1)); }

void Zoom::Uitzoomen() { ZetFactor(Stap(-1)); }

void Zoom::Passend() { ZetFactor(1); }

void Zoom::PasMaatAan() {
  // At most the area at 100 %: scroll bars then never show, so the area
  // does not shrink under the picture and make it fit again.
  const QSize ruimte = gebied_.maximumViewportSize();
  const QSize maat(std::max(1, int(std::lround(ruimte.width() * factor_))),
                   std::max(1, int(std::lround(ruimte.height() * factor_))));
  if (plaatje_.size() != maat) plaatje_.resize(maat);
}

bool Zoom::eventFilter(QObject* o, QEvent* e) {
  // The viewport kept from the start: while the area is taken down, its
  // children still send events, and the area is no scroll area any more.
  if (o == viewport_ && e->type() == QEvent::Resize) PasMaatAan();
  if (o == &plaatje_ && e->type() == QEvent::Wheel) {
    auto* wiel = static_cast<QWheelEvent*>(e);
    if (wiel->modifiers() & Qt::ControlModifier) {
      const int stap = wiel->angleDelta().y();
      if (stap != 0) ZetFactor(Stap(stap), plaatje_.mapTo(viewport_, wiel->position().toPoint()));
      return true;
    }
  }
  return QObject::eventFilter(o, e);
}

}  // namespace ui
