// Zooming the label picture: every step from 25 % to 800 % keeps the kept
// image equal to a full repaint, the label scrolls, and the point under the
// pointer stays there when the wheel zooms.
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

#include "support/EtiketOpstelling.h"
#include "ui/EtiketPlaatje.h"
#include "ui/Zoom.h"

namespace {
class ZoomVenster : public EtiketOpstelling {
 protected:
  QScrollArea* Gebied() { return Kind<QScrollArea>("scrEtiket"); }
  EtiketPlaatje* Plaatje() { return Kind<EtiketPlaatje>("pictEtiket"); }
  bool Klopt() { return venster->beeld().Beeld() == venster->beeld().Volledig(); }
  // The label point (mm) shown at a point of the area.
  QPointF MmOp(QPoint inGebied) {
    const QPoint p = Plaatje()->mapFrom(Gebied()->viewport(), inGebied) - Plaatje()->contentsRect().topLeft();
    return venster->beeld().Schaal().naarMm(p);
  }
};
}  // namespace

TEST_F(ZoomVenster, EveryStepRepaintsAsAWholeAndTheLabelScrolls) {
  Start();
  Menu("mnuTekstLijnen2");
  NieuweFiguur(-10, -5, 12, 8);
  const QSize gebied = Gebied()->viewport()->size();
  EXPECT_EQ(Plaatje()->size(), gebied);
  EXPECT_EQ(Kind<QAction>("mnuInzoomen")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Plus));
  EXPECT_EQ(Kind<QAction>("mnuUitzoomen")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Minus));
  for (int i = 0; i < 12; ++i) Menu("mnuInzoomen");
  EXPECT_DOUBLE_EQ(venster->zoom().Factor(), 8);
  EXPECT_EQ(Plaatje()->width(), qRound(Gebied()->maximumViewportSize().width() * 8.0));
  EXPECT_TRUE(Klopt());
  // An edit at 800 % repaints only its part, and that part as a whole would.
  Plaatje()->SelecteerVoorwerp(3);
  Plaatje()->Verschuif(1, 0.5f);
  EXPECT_TRUE(Klopt());
  // The handles follow every zoom step.
  const auto handvattenKloppen = [&] {
    const EtiketBeeld& beeld = venster->beeld();
    for (int i = 0; i < 8; ++i) {
      const Handvat& h = beeld.Handvatten()[size_t(i)];
      auto* w = Kind<QWidget>(QStringLiteral("picHandvat%1").arg(i));
      if (!h.Zichtbaar || w->isHidden()) continue;
      if (w->geometry() != beeld.Schaal().naarPixels(h.Rechthoek).translated(Plaatje()->contentsRect().topLeft()))
        return false;
    }
    return true;
  };
  EXPECT_TRUE(handvattenKloppen());
  Menu("mnuUitzoomen");
  EXPECT_TRUE(handvattenKloppen());
  EXPECT_GT(Gebied()->horizontalScrollBar()->maximum(), 0);
  for (int i = 0; i < 13; ++i) {
    Menu("mnuUitzoomen");
    EXPECT_TRUE(Klopt()) << venster->zoom().Factor();
  }
  EXPECT_DOUBLE_EQ(venster->zoom().Factor(), 0.25);
  EXPECT_EQ(Plaatje()->width(), qRound(Gebied()->maximumViewportSize().width() * 0.25));
  Menu("mnuPassend");
  EXPECT_EQ(Plaatje()->size(), gebied);
  EXPECT_EQ(Gebied()->horizontalScrollBar()->maximum(), 0);
}

TEST_F(ZoomVenster, CtrlWheelZoomsAboutThePointer) {
  Start();
  const QPoint wijzer(Gebied()->viewport()->width() / 3, Gebied()->viewport()->height() / 4);
  const QPointF mm = MmOp(wijzer);
  // Three notches: 125, 150, 200 %.
  for (int i = 0; i < 3; ++i) {
    QWheelEvent wiel(QPointF(Plaatje()->mapFrom(Gebied()->viewport(), wijzer)), QPointF(), QPoint(), QPoint(0, 120),
                     Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Plaatje(), &wiel);
  }
  EXPECT_DOUBLE_EQ(venster->zoom().Factor(), 2);
  // Within a screen pixel at the new scale.
  const QPointF nu = MmOp(wijzer);
  const float pixel = venster->beeld().Schaal().MmPerPixelX;
  EXPECT_NEAR(nu.x(), mm.x(), 1.5 * pixel);
  EXPECT_NEAR(nu.y(), mm.y(), 1.5 * pixel);
  // Without Ctrl the wheel only scrolls.
  QWheelEvent wiel(QPointF(10, 10), QPointF(), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                   Qt::NoScrollPhase, false);
  QApplication::sendEvent(Plaatje(), &wiel);
  EXPECT_DOUBLE_EQ(venster->zoom().Factor(), 2);
}
