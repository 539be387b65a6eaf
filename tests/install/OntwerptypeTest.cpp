// The design file type as the desktop learns it from the installed
// package file: by name in either case, and by the file's first bytes.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QProcess>

#include "support/Tijdelijk.h"

TEST(Ontwerptype, KnownByItsNameInEitherCaseAndByTheFirstBytesOfEveryVersion) {
  TempFolder tmp;
  ASSERT_TRUE(QDir(tmp.root()).mkpath(QStringLiteral("mime/packages")));
  ASSERT_TRUE(QFile::copy(QStringLiteral(VELLORA_SOURCE_DIR "/data/vellora-mime.xml"),
                          tmp.path(QStringLiteral("mime/packages/vellora.xml"))));
  // Registered as the system's trigger does after an install.
  ASSERT_EQ(QProcess::execute(QStringLiteral("update-mime-database"), {tmp.path(QStringLiteral("mime"))}), 0);
  // Read before any lookup: the database takes its folders once.
  qputenv("XDG_DATA_DIRS", (tmp.root() + QStringLiteral(":/usr/share")).toLocal8Bit());
  QMimeDatabase db;
  const QString ontwerp = QStringLiteral("application/x-vellora-design");

  for (const char* naam : {"ETIKET.VLO", "etiket.vlo"})
    EXPECT_EQ(db.mimeTypeForFile(tmp.path(QString::fromLatin1(naam)), QMimeDatabase::MatchExtension).name(), ontwerp)
        << naam;
  EXPECT_NE(db.mimeTypeForFile(tmp.path(QStringLiteral("etiket.vlox")), QMimeDatabase::MatchExtension).name(), ontwerp);

  // Without a telling name, the magic number of any version decides.
  const QByteArray staart(
      "\x07\x00"
      "89 x 36",
      9);
  const QString versie1 = tmp.write(QStringLiteral("versie1"), QByteArray("US\0\0", 4) + staart);
  const QString versie2 = tmp.write(QStringLiteral("versie2"), QByteArray("VS\0\0", 4) + staart);
  const QString versie4 = tmp.write(QStringLiteral("versie4"), QByteArray("WS\0\0", 4) + staart);
  const QString anders = tmp.write(QStringLiteral("anders"), QByteArray("UV\0\0", 4) + staart);
  EXPECT_EQ(db.mimeTypeForFile(versie1, QMimeDatabase::MatchContent).name(), ontwerp);
  EXPECT_EQ(db.mimeTypeForFile(versie2, QMimeDatabase::MatchContent).name(), ontwerp);
  EXPECT_EQ(db.mimeTypeForFile(versie4, QMimeDatabase::MatchContent).name(), ontwerp);
  EXPECT_NE(db.mimeTypeForFile(anders, QMimeDatabase::MatchContent).name(), ontwerp);
}
