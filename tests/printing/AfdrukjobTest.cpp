#include <gtest/gtest.h>

#include <QBuffer>

#include "printing/Afdrukjob.h"
#include "printing/Sbpl.h"

using namespace printing;

namespace {

EtiketFormaat Vel(int kolommen, int rijen) {
  EtiketFormaat f;
  f.Naam = QStringLiteral("vel");
  f.Breedte = 40;
  f.Hoogte = 30;
  f.HorizontaleSteek = 43;
  f.VerticaleSteek = 33;
  f.Kolommen = qint16(kolommen);
  f.Rijen = qint16(rijen);
  f.LinkerOffset = 2;
  f.BovenOffset = 1;
  return f;
}

Afdrukopdracht Opdracht(int kolommen, int rijen, int aantal) {
  Afdrukopdracht o;
  o.formaat = Vel(kolommen, rijen);
  o.PrintSpeed = 3;
  o.Intensity = 5;
  o.Aantal = qint16(aantal);
  return o;
}

// A stand-in label block that shows what was asked for.
QByteArray Blok(float x, float y, int n) { return QStringLiteral("[L%1 %2,%3]").arg(n).arg(x).arg(y).toLatin1(); }

QByteArray Job(const Afdrukopdracht& o, VelStand& stand, const Voortgang& v = {}) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  EXPECT_NE(AfdrukkenSATO(o, stand, Blok, buffer, v), Jobuitkomst::Schrijffout);
  return buffer.data();
}

const QByteArray kKop = "\x1b" "A\x1b" "CS3\x1b#E5";
QByteArray Slot(int q) { return "\x1bQ" + QByteArray::number(q).rightJustified(6, '0') + "\x1bZ"; }

}  // namespace

TEST(AfdrukkenSATO, FourteenCopiesOnATwoByThreeSheet) {
  VelStand stand;
  const QByteArray uit = Job(Opdracht(2, 3, 14), stand);
  const QByteArray rij1 = "[L1 2,1][L1 45,1]", rij2 = "[L1 2,34][L1 45,34]", rij3 = "[L1 2,67][L1 45,67]";
  EXPECT_EQ(uit, kKop + rij1 + rij2 + rij3 + Slot(2) + kKop + rij1 + Slot(1));
  EXPECT_FALSE(stand.VelOpen);
}

TEST(AfdrukkenSATO, EconomyModeLeavesTheLastSheetOpenForTheNextJob) {
  VelStand stand;
  Afdrukopdracht o = Opdracht(2, 3, 14);
  o.Spaarstand = true;
  const QByteArray eerste = Job(o, stand);
  EXPECT_TRUE(eerste.endsWith("[L1 2,1][L1 45,1]"));
  EXPECT_EQ(eerste.count("\x1bZ"), 1);
  EXPECT_TRUE(stand.VelOpen);
  EXPECT_EQ(stand.VolgendeRij, 2);
  EXPECT_EQ(stand.VolgendeKolom, 1);
  // The next job continues at row 2, column 1 without a sheet header.
  o.Aantal = 3;
  const QByteArray tweede = Job(o, stand);
  EXPECT_EQ(tweede, "[L1 2,34][L1 45,34][L1 2,67]");
  EXPECT_TRUE(stand.VelOpen);
  EXPECT_EQ(stand.VolgendeRij, 3);
  EXPECT_EQ(stand.VolgendeKolom, 2);
  o.Aantal = 1;
  EXPECT_EQ(Job(o, stand), "[L1 45,67]" + Slot(1));
  EXPECT_FALSE(stand.VelOpen);
  EXPECT_EQ(sbpl::Taal().SluitOpenVel({true, 1, 1}), Slot(1));
}

TEST(AfdrukkenSATO, ANumberedSeriesContinuesOnTheSameSheet) {
  VelStand stand;
  Afdrukopdracht o = Opdracht(2, 2, 1);
  o.reeks = {1, 3, 1};
  EXPECT_EQ(Job(o, stand), kKop + "[L1 2,1][L2 45,1][L3 2,34]" + Slot(1));
}

TEST(AfdrukkenSATO, NumbersCountDownInSteps) {
  VelStand stand;
  Afdrukopdracht o = Opdracht(1, 1, 1);
  o.reeks = {10, 1, -3};
  std::vector<std::pair<int, int>> voortgang;
  const QByteArray uit = Job(o, stand, [&](int n, int laatste) {
    voortgang.push_back({n, laatste});
    return false;
  });
  EXPECT_EQ(voortgang, (std::vector<std::pair<int, int>>{{10, 1}, {7, 1}, {4, 1}, {1, 1}}));
  EXPECT_EQ(uit, kKop + "[L10 2,1]" + Slot(1) + kKop + "[L7 2,1]" + Slot(1) + kKop + "[L4 2,1]" + Slot(1) + kKop +
                     "[L1 2,1]" + Slot(1));
}

TEST(AfdrukkenSATO, APreviewsWorthOfSheetsEndsAfterItsLastWholeSheet) {
  // 2 labels a sheet, 5 numbers of 3 copies: sheets of 2 labels, the held
  // sheet counting as the first.
  Afdrukopdracht o = Opdracht(2, 1, 3);
  o.reeks = {1, 5, 1};
  VelStand heel;
  const QByteArray alles = Job(o, heel);
  o.GrootsteVellen = 3;
  VelStand stand;
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  EXPECT_EQ(AfdrukkenSATO(o, stand, Blok, buffer), Jobuitkomst::Gestopt);
  EXPECT_EQ(buffer.data(), kKop + "[L1 2,1][L1 45,1]" + Slot(1) + kKop + "[L1 2,1][L2 45,1]" + Slot(1) + kKop +
                               "[L2 2,1][L2 45,1]" + Slot(1));
  EXPECT_TRUE(alles.startsWith(buffer.data()));
  EXPECT_FALSE(stand.VelOpen);

  VelStand open{true, 1, 2};
  o.GrootsteVellen = 1;
  QBuffer rest;
  rest.open(QIODevice::WriteOnly);
  EXPECT_EQ(AfdrukkenSATO(o, open, Blok, rest), Jobuitkomst::Gestopt);
  EXPECT_EQ(rest.data(), "[L1 45,1]" + Slot(1));
}

TEST(AfdrukkenSATO, NoCopiesWritesNothingButStillReportsProgress) {
  VelStand stand;
  int gemeld = 0;
  EXPECT_TRUE(Job(Opdracht(2, 2, 0), stand, [&](int, int) { return ++gemeld, false; }).isEmpty());
  EXPECT_EQ(gemeld, 1);
}

TEST(AfdrukkenSATO, CancelStopsBetweenNumbersAndFinishesTheSheetOnce) {
  VelStand stand;
  Afdrukopdracht o = Opdracht(2, 2, 8);
  o.reeks = {1, 5, 1};
  int gemeld = 0;
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  const Jobuitkomst u = AfdrukkenSATO(o, stand, Blok, buffer, [&](int, int) { return ++gemeld == 2; });
  EXPECT_EQ(u, Jobuitkomst::Gestopt);
  // Number 1: one sheet of quantity 2 holds all eight; nothing of number 2.
  EXPECT_EQ(buffer.data().count("[L1 "), 4);
  EXPECT_EQ(buffer.data().count("[L2 "), 0);
  EXPECT_TRUE(buffer.data().endsWith(Slot(2)));
}

TEST(AfdrukkenSATO, AFailedWriteLeavesTheSheetStateAlone) {
  VelStand stand{true, 2, 1};
  Afdrukopdracht o = Opdracht(2, 3, 5);
  o.Spaarstand = true;
  QBuffer alleenLezen;
  alleenLezen.open(QIODevice::ReadOnly);
  EXPECT_EQ(AfdrukkenSATO(o, stand, Blok, alleenLezen), Jobuitkomst::Schrijffout);
  EXPECT_TRUE(stand.VelOpen);
  EXPECT_EQ(stand.VolgendeRij, 2);
}

TEST(AfdrukkenSATO, TheStreamReadsBackAsSheets) {
  VelStand stand;
  Afdrukopdracht o = Opdracht(2, 3, 14);
  const EtiketBlok echt = [](float x, float y, int) {
    const QByteArray rij(4, '\xff');
    QByteArray data;
    for (int i = 0; i < 8; ++i) data += rij;
    return sbpl::Grafiek(int(y * 8), int(x * 8), 4, 8, data.constData());
  };
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  ASSERT_EQ(AfdrukkenSATO(o, stand, echt, buffer), Jobuitkomst::Klaar);
  const sbpl::Lezing l = sbpl::Lees(buffer.data());
  ASSERT_TRUE(l.fout.isEmpty()) << l.fout.toStdString();
  ASSERT_EQ(l.vellen.size(), 2u);
  EXPECT_EQ(l.vellen[0].aantal, 2);
  EXPECT_EQ(l.vellen[0].labels.size(), 6u);
  EXPECT_EQ(l.vellen[0].snelheid, 3);
  EXPECT_EQ(l.vellen[1].aantal, 1);
  EXPECT_EQ(l.vellen[1].labels[1].H, 45 * 8);
  EXPECT_EQ(l.vellen[1].labels[1].V, 8);
  const QImage vel = l.vellen[0].Afbeelding();
  EXPECT_EQ(vel.pixel(45 * 8, 67 * 8) & 0xFFFFFF, 0u);
  EXPECT_EQ(vel.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(Voorbeeldvel, LabelsAtAnyBitOffsetAddUpAndTheFarthestCornerStaysOneBitADot) {
  // Two overlapping labels, the second not on a byte boundary.
  const char rij[] = "\xF0\x0F";
  QByteArray stroom = sbpl::StartVel() + sbpl::Grafiek(1, 3, 2, 8, QByteArray(rij, 2).repeated(8).constData()) +
                      sbpl::Grafiek(2, 5, 2, 8, QByteArray(rij, 2).repeated(8).constData()) + sbpl::EindeVel();
  QImage vel = sbpl::Lees(stroom).vellen.at(0).Afbeelding(QSize(40, 20));
  ASSERT_EQ(vel.size(), QSize(40, 20));
  QString zwart;
  for (int x = 0; x < 24; ++x) zwart += (vel.pixel(x, 2) & 0xFFFFFF) == 0 ? u'#' : u'.';
  EXPECT_EQ(zwart, QStringLiteral("...######......######..."));
  EXPECT_EQ(vel.pixel(0, 1) & 0xFFFFFF, 0xFFFFFFu);

  // The farthest a stream can place a label, and the largest label.
  const QByteArray grootst(999 * 999 * 8, '\xFF');
  stroom = sbpl::Grafiek(9999, 9999, 999, 999 * 8, grootst.constData());
  vel = sbpl::Lees(stroom).vellen.at(0).Afbeelding();
  EXPECT_EQ(vel.size(), QSize(9999 + 999 * 8, 9999 + 999 * 8));
  EXPECT_EQ(vel.depth(), 1);
  EXPECT_EQ(vel.pixel(9999 + 999 * 8 - 1, 9999 + 999 * 8 - 1) & 0xFFFFFF, 0u);
  EXPECT_EQ(vel.pixel(9998, 9998) & 0xFFFFFF, 0xFFFFFFu);
}
