#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include "support/Tijdelijk.h"
#include "ui/Begroeting.h"

using namespace ui;

TEST(Begroeting, BuildStampFollowsTheFilesDate) {
  TempFolder tmp;
  const QString pad = tmp.write(QStringLiteral("vellora"), "binary");
  QFile f(pad);
  ASSERT_TRUE(f.open(QIODevice::ReadWrite));
  ASSERT_TRUE(f.setFileTime(QDateTime(QDate(2007, 3, 15), QTime(12, 0)), QFileDevice::FileModificationTime));
  f.close();
  EXPECT_EQ(Begroeting::BuildVan(pad), QStringLiteral("070315000"));
  // A copy with a new date gets a new stamp.
  ASSERT_TRUE(f.open(QIODevice::ReadWrite));
  ASSERT_TRUE(f.setFileTime(QDateTime(QDate(2026, 12, 1), QTime(8, 0)), QFileDevice::FileModificationTime));
  f.close();
  EXPECT_EQ(Begroeting::BuildVan(pad), QStringLiteral("261201000"));
}

TEST(Begroeting, ShowsVersionAndTheStampOfItsOwnExecutable) {
  Begroeting b(Begroeting::Rol::Welkom);
  EXPECT_EQ(b.windowTitle(), QStringLiteral("Vellora"));
  EXPECT_EQ(b.Versie(), QStringLiteral("v 4.0"));
  const QDate datum = QFileInfo(QCoreApplication::applicationFilePath()).lastModified().date();
  EXPECT_EQ(b.Build(), datum.toString(QStringLiteral("yyMMdd")) + QStringLiteral("000"));
  EXPECT_EQ(b.findChild<QLabel*>(QStringLiteral("lblVersie"))->text(), QStringLiteral("v 4.0"));
  ASSERT_NE(b.findChild<QLabel*>(QStringLiteral("imgLogo")), nullptr);
}

TEST(Begroeting, OnlyTheInfoWindowHasAnOkButton) {
  Begroeting welkom(Begroeting::Rol::Welkom);
  EXPECT_FALSE(welkom.OkZichtbaar());
  EXPECT_EQ(welkom.cursor().shape(), Qt::WaitCursor);
  Begroeting info(Begroeting::Rol::Info);
  EXPECT_TRUE(info.OkZichtbaar());
  EXPECT_TRUE(info.isModal());
  EXPECT_EQ(info.cursor().shape(), Qt::ArrowCursor);
  info.show();
  info.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
  EXPECT_FALSE(info.isVisible());
  EXPECT_EQ(info.result(), QDialog::Accepted);
}
