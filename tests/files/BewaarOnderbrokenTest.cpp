// A save killed at any moment: the file on disk is the old design or the
// new one, whole, never a mix of the two or a piece of either.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <random>

#include "files/BewaarEtiket.h"
#include "files/GrootOntwerp.h"
#include "files/LeesEtiket.h"
#include "support/TestCatalogus.h"
#include "support/Tijdelijk.h"

using namespace files;

namespace {

QByteArray Inhoud(const QString& pad) {
  QFile f(pad);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Schrijf(const QString& pad, const QByteArray& bytes) {
  QFile f(pad);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  ASSERT_EQ(f.write(bytes), bytes.size());
}

}  // namespace

TEST(BewaarOnderbroken, ASaveKilledAtAnyMomentLeavesTheOldFileOrTheNewOneWhole) {
  TempFolder tmp;
  const QString pad = tmp.path(QStringLiteral("groot.VLO"));
  const Ontwerp nieuwOntwerp = GrootOntwerp('n');
  const QByteArray oud = EtiketBytes(2, GrootOntwerp('o'), GrootFormaat());
  const QByteArray nieuw = EtiketBytes(2, nieuwOntwerp, GrootFormaat());
  ASSERT_GT(nieuw.size(), 3'000'000);
  ASSERT_EQ(oud.size(), nieuw.size());

  // The kills are spread over the time one save takes here, and a little past it.
  QElapsedTimer klok;
  klok.start();
  ASSERT_TRUE(BewaarEtiket(tmp.path(QStringLiteral("proef.VLO")), 2, nieuwOntwerp, GrootFormaat()).Gelukt());
  const qint64 duurUs = std::max<qint64>(klok.nsecsElapsed() / 1000, 1000);

  unsigned zaad = std::random_device{}();
  if (qEnvironmentVariableIsSet("VELLORA_ZAAD")) zaad = unsigned(qEnvironmentVariableIntValue("VELLORA_ZAAD"));
  SCOPED_TRACE(testing::Message() << "VELLORA_ZAAD=" << zaad << ", one save " << duurUs << " us");
  std::mt19937 toeval(zaad);
  std::uniform_int_distribution<qint64> wacht(0, duurUs * 3 / 2);

  const FormatenTabel catalogus = TestCatalogus();
  int oudGebleven = 0;
  for (int keer = 1; keer <= 50; ++keer) {
    SCOPED_TRACE(testing::Message() << "kill " << keer);
    Schrijf(pad, oud);
    QProcess kind;
    kind.start(QStringLiteral(BEWAAR_KIND), {pad});
    ASSERT_TRUE(kind.waitForStarted());
    QByteArray uit;
    while (!uit.contains("klaar") && kind.waitForReadyRead(10000)) uit += kind.readAllStandardOutput();
    ASSERT_TRUE(uit.contains("klaar")) << kind.readAllStandardError().toStdString();
    QThread::usleep(quint64(wacht(toeval)));
    kind.kill();  // SIGKILL: nothing of the save runs after this
    ASSERT_TRUE(kind.waitForFinished());
    ASSERT_EQ(kind.exitStatus(), QProcess::CrashExit) << "ended by itself: " << kind.exitCode();

    const QByteArray daar = Inhoud(pad);
    ASSERT_TRUE(daar == oud || daar == nieuw) << daar.size() << " bytes, neither the old file nor the new one";
    if (daar == oud) ++oudGebleven;
    const LeesUitkomst gelezen = LeesEtiket(pad, catalogus);
    ASSERT_TRUE(std::holds_alternative<GelezenEtiket>(gelezen)) << std::get<LeesFout>(gelezen).Melding().toStdString();
    const GelezenEtiket& e = std::get<GelezenEtiket>(gelezen);
    ASSERT_EQ(e.Lijnen.size(), 120u);
    ASSERT_EQ(e.Figuren.size(), 1u);
    EXPECT_EQ(e.Lijnen[0].Tekst, QString(30000, QLatin1Char(daar == oud ? 'o' : 'n')));
  }
  RecordProperty("OldFileKept", oudGebleven);
}
