// Picture files dropped on the label become figures where they were
// dropped; a file that is no picture is told and the others still come.
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "support/EtiketOpstelling.h"
#include "ui/EtiketPlaatje.h"

namespace {
class Loslaten : public EtiketOpstelling {
 protected:
  void Laat(const QStringList& paden, QPoint plek) {
    QMimeData gegevens;
    QList<QUrl> urls;
    for (const QString& p : paden) urls << QUrl::fromLocalFile(p);
    gegevens.setUrls(urls);
    auto* plaatje = Kind<EtiketPlaatje>("pictEtiket");
    QDragEnterEvent binnen(plek, Qt::CopyAction, &gegevens, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(plaatje, &binnen);
    ASSERT_TRUE(binnen.isAccepted());
    QDropEvent los(QPointF(plek), Qt::CopyAction, &gegevens, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(plaatje, &los);
  }
};
}  // namespace

TEST_F(Loslaten, DroppedPicturesLandWhereTheyWereDroppedAndABadFileIsTold) {
  Start();
  QImage zw(40, 20, QImage::Format_RGB32);
  zw.fill(Qt::black);
  const QString goed = tmp.path(QStringLiteral("logo.png"));
  ASSERT_TRUE(zw.save(goed));
  const QString slecht = tmp.write(QStringLiteral("notities.png"), "geen plaatje");
  auto* plaatje = Kind<EtiketPlaatje>("pictEtiket");
  const QPoint plek = plaatje->contentsRect().center() + QPoint(30, 10);
  Laat({goed, slecht, goed}, plek);

  ASSERT_EQ(O().AantalVoorwerpen(), 2);
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].title, QStringLiteral("Fout"));
  // The first is centred on the point it was dropped on, on the screen.
  const QRect r = venster->beeld().PixelRechthoek(O().voorwerp(1)).translated(plaatje->contentsRect().topLeft());
  EXPECT_LE(std::abs(r.center().x() - plek.x()), 1);
  EXPECT_LE(std::abs(r.center().y() - plek.y()), 1);
  // The second a little further right and down; each one step to undo.
  EXPECT_GT(O().voorwerp(2).Links, O().voorwerp(1).Links);
  EXPECT_GT(O().voorwerp(2).Boven, O().voorwerp(1).Boven);
  Menu("mnuOngedaan");
  EXPECT_EQ(O().AantalVoorwerpen(), 1);
  EXPECT_EQ(venster->beeld().Beeld(), venster->beeld().Volledig());
}
