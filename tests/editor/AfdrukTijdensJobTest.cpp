// A print job in flight: the window stays usable, and nothing the user
// does reaches the job's output or the sheet state it leaves.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <csignal>

#include "printing/Job.h"
#include "printing/Sbpl.h"
#include "support/EtiketOpstelling.h"

using namespace printing;

namespace {

// The printer is a pipe the test reads at its own pace: the job blocks once
// the pipe is full, so it is really still running while the test acts.
class JobOnderweg : public EtiketOpstelling {
 protected:
  QString pijp;
  int lezer = -1;
  QByteArray ontvangen;

  void SetUp() override {
    std::signal(SIGPIPE, SIG_IGN);
    pijp = tmp.path(QStringLiteral("printer"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pijp).constData(), 0600), 0);
    lezer = ::open(QFile::encodeName(pijp).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(lezer, 0);
    Zet("Printer1", pijp);
    Zet("Form", QStringLiteral(" 5"));  // 50 x 30, two across, three down
  }
  void TearDown() override {
    // A job blocked on the full pipe only stops when it can write again.
    if (venster && venster->afdruk().BezigMetAfdrukken()) {
      venster->afdruk().StopJob();
      LeegTotKlaar();
    }
    venster.reset();
    if (lezer >= 0) ::close(lezer);
  }
  void Zet(const char* sleutel, const QString& waarde) {
    instellingen.write(QStringLiteral("Defaults"), QString::fromLatin1(sleutel), waarde);
  }
  void Lees() {
    char blok[65536];
    for (ssize_t n; (n = ::read(lezer, blok, sizeof blok)) > 0;) ontvangen.append(blok, qsizetype(n));
  }
  // Reads what the printer gets until the job has ended.
  void LeegTotKlaar() {
    EXPECT_TRUE(QTest::qWaitFor(
        [this] {
          Lees();
          return !venster->afdruk().BezigMetAfdrukken();
        },
        60000));
    Lees();
  }
  // Numbers 1 to 100, one copy each: far more than the pipe holds.
  void NummerOntwerp() {
    Menu("mnuTekstLijnen1");
    ZetTekst(1, QStringLiteral("Nr [#]"));
    Nummering& n = venster->nummering();
    n.NummerVan = 1;
    n.NummerTot = 100;
    n.NummerStap = 1;
    // No question about saving when the window closes.
    venster->bewerker().ZetBewaard();
  }
  // The job the window is about to run, written straight into memory.
  // Starts the job and lets it write its first labels: it is then
  // somewhere in the middle, blocked on the full pipe.
  void StartJob() {
    Kind<QLineEdit>("txtAantal")->setText(QStringLiteral("1"));
    Kind<QPushButton>("cmdStartAfdrukken")->click();
    ASSERT_TRUE(venster->afdruk().BezigMetAfdrukken());
    ASSERT_TRUE(QTest::qWaitFor(
        [this] {
          Lees();
          return ontvangen.size() > 40000;
        },
        60000));
    ASSERT_TRUE(venster->afdruk().BezigMetAfdrukken());
  }
  // The labels of the stream, in order: where each went and its dots.
  static std::vector<std::pair<QPoint, QImage>> Labels(const QByteArray& stroom) {
    const sbpl::Lezing l = sbpl::Lees(stroom);
    EXPECT_TRUE(l.fout.isEmpty()) << l.fout.toStdString();
    std::vector<std::pair<QPoint, QImage>> uit;
    for (const sbpl::Vel& v : l.vellen)
      for (const sbpl::Label& b : v.labels) uit.emplace_back(QPoint(b.H, b.V), b.beeld);
    return uit;
  }
};

TEST_F(JobOnderweg, TheCommandsThatReachThePrinterAreOffAndEconomyModeStaysAsTheJobLeavesIt) {
  Start();
  NummerOntwerp();
  ASSERT_TRUE(Kind<QAction>("mnuSpaarstand")->isChecked());
  const QByteArray verwacht = JobStroom(1, true);
  StartJob();
  for (const char* naam :
       {"mnuNieuwEtiket", "mnuOpenen", "mnuVerwijderen", "mnuAfdrukken", "mnuAfdrukvoorbeeld", "mnuPrinterinstelling",
        "mnuVerschuivenAfdruk", "mnuSpaarstand", "mnuEindeProgramma", "mnuRecent1"})
    EXPECT_FALSE(Kind<QAction>(naam)->isEnabled()) << naam;
  for (const char* naam : {"cmdKiezen", "cmdStartAfdrukken", "cmdNummering"})
    EXPECT_FALSE(Kind<QPushButton>(naam)->isEnabled()) << naam;
  // Switching economy mode off would have closed the sheet through the
  // port file the job is still writing.
  Menu("mnuSpaarstand");
  QTest::mouseClick(Kind<QLabel>("imgEco"), Qt::LeftButton);
  Kind<QPushButton>("cmdStartAfdrukken")->click();
  EXPECT_TRUE(Kind<QAction>("mnuSpaarstand")->isChecked());
  // The rest of the window goes on meanwhile.
  Menu("mnuTekstLijnen2");
  EXPECT_EQ(O().AantalLijnen(), 2);
  EXPECT_TRUE(venster->afdruk().BezigMetAfdrukken());

  LeegTotKlaar();
  EXPECT_EQ(ontvangen, verwacht);
  // 100 labels: sixteen whole sheets and four on the seventeenth, held open.
  EXPECT_TRUE(venster->velStand().VelOpen);
  EXPECT_EQ(venster->velStand().VolgendeRij, 3);
  EXPECT_EQ(venster->velStand().VolgendeKolom, 1);
  EXPECT_TRUE(Kind<QAction>("mnuSpaarstand")->isEnabled());
  EXPECT_TRUE(Kind<QPushButton>("cmdKiezen")->isEnabled());
  EXPECT_FALSE(Kind<QWidget>("frmAfdrukken")->isVisible());
}

TEST_F(JobOnderweg, ClosingAsksAndWaitingClosesTheHeldSheetAfterTheWholeStream) {
  Start();
  NummerOntwerp();
  const QByteArray verwacht = JobStroom(1, true);
  StartJob();
  meldingen.answers = {platform::MessageService::Answer::Yes};
  EXPECT_FALSE(venster->close());
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].text, QStringLiteral("Er wordt nog afgedrukt. Wachten tot de afdruk klaar is?\n\n"
                                                    "Ja: Vellora sluit af zodra de afdruk klaar is.\n"
                                                    "Nee: de afdruk stopt en Vellora sluit af."));
  EXPECT_EQ(meldingen.shown[0].buttons, platform::MessageService::Buttons::YesNoCancel);
  EXPECT_TRUE(venster->isVisible());
  // Asked once; the job goes on.
  EXPECT_FALSE(venster->close());
  EXPECT_EQ(meldingen.shown.size(), 1u);

  LeegTotKlaar();
  EXPECT_TRUE(QTest::qWaitFor([this] { return !venster->isVisible(); }, 10000));
  Lees();
  // The job whole, then the closing of the sheet it left open.
  EXPECT_EQ(ontvangen, verwacht + sbpl::Taal().SluitOpenVel({true, 1, 1}));
  EXPECT_FALSE(venster->velStand().VelOpen);
}

TEST_F(JobOnderweg, ClosingAndStoppingEndsTheJobBetweenNumbersWithEverySheetClosed) {
  Start();
  NummerOntwerp();
  const auto alles = Labels(JobStroom(1, true));
  StartJob();
  meldingen.answers = {platform::MessageService::Answer::No};
  EXPECT_FALSE(venster->close());
  LeegTotKlaar();
  EXPECT_TRUE(QTest::qWaitFor([this] { return !venster->isVisible(); }, 10000));
  Lees();
  const sbpl::Lezing l = sbpl::Lees(ontvangen);
  ASSERT_TRUE(l.fout.isEmpty()) << l.fout.toStdString();
  for (const sbpl::Vel& v : l.vellen) EXPECT_TRUE(v.gesloten);
  // The first labels of the job, in order, and not all of them.
  const auto gedrukt = Labels(ontvangen);
  ASSERT_FALSE(gedrukt.empty());
  EXPECT_LT(gedrukt.size(), alles.size());
  for (size_t i = 0; i < gedrukt.size(); ++i) {
    EXPECT_EQ(gedrukt[i].first, alles[i].first) << i;
    EXPECT_EQ(gedrukt[i].second, alles[i].second) << i;
  }
  EXPECT_FALSE(venster->velStand().VelOpen);
}

TEST_F(JobOnderweg, CancelStopsTheJobAndOutsideEconomyModeTheLastSheetIsFinished) {
  Zet("UseStartPosition", QStringLiteral("False"));
  Start();
  NummerOntwerp();
  const auto alles = Labels(JobStroom(1, false));
  StartJob();
  QWidget* voortgang = Kind<QWidget>("frmAfdrukken");
  ASSERT_TRUE(voortgang->isVisible());
  voortgang->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
  LeegTotKlaar();
  const sbpl::Lezing l = sbpl::Lees(ontvangen);
  ASSERT_TRUE(l.fout.isEmpty()) << l.fout.toStdString();
  ASSERT_FALSE(l.vellen.empty());
  for (const sbpl::Vel& v : l.vellen) EXPECT_TRUE(v.gesloten);
  const auto gedrukt = Labels(ontvangen);
  EXPECT_LT(gedrukt.size(), alles.size());
  for (size_t i = 0; i < gedrukt.size(); ++i) EXPECT_EQ(gedrukt[i].second, alles[i].second) << i;
  EXPECT_FALSE(venster->velStand().VelOpen);
  EXPECT_FALSE(voortgang->isVisible());
  EXPECT_TRUE(meldingen.shown.empty());
}

TEST_F(JobOnderweg, ClosingTheProgressWindowStopsTheJobAsCancelDoes) {
  Zet("UseStartPosition", QStringLiteral("False"));
  Start();
  NummerOntwerp();
  const size_t alles = Labels(JobStroom(1, false)).size();
  QWidget* voortgang = nullptr;
  const std::vector<std::pair<const char*, std::function<void()>>> manieren = {
      {"Escape", [&] { QTest::keyClick(voortgang, Qt::Key_Escape); }},
      {"close", [&] { voortgang->close(); }},
  };
  for (const auto& [naam, sluit] : manieren) {
    ontvangen.clear();
    StartJob();
    voortgang = Kind<QWidget>("frmAfdrukken");
    ASSERT_TRUE(voortgang->isVisible()) << naam;
    sluit();
    // Still there while the job finishes its number, saying so.
    EXPECT_TRUE(voortgang->isVisible()) << naam;
    EXPECT_EQ(voortgang->findChild<QLabel*>(QStringLiteral("lblTekst1"))->text(),
              QStringLiteral("De afdruk wordt gestopt."));
    LeegTotKlaar();
    const sbpl::Lezing l = sbpl::Lees(ontvangen);
    ASSERT_TRUE(l.fout.isEmpty()) << naam << l.fout.toStdString();
    for (const sbpl::Vel& v : l.vellen) EXPECT_TRUE(v.gesloten) << naam;
    EXPECT_LT(Labels(ontvangen).size(), alles) << naam;
    EXPECT_FALSE(voortgang->isVisible()) << naam;
  }
  EXPECT_TRUE(meldingen.shown.empty());
}

TEST_F(JobOnderweg, AskingToCloseWhileTheJobEndsUnderTheQuestionClosesAfterThatJobNotTheNext) {
  Start();
  NummerOntwerp();
  const QByteArray verwacht = JobStroom(1, true);
  StartJob();
  // The job ends while the question is still being read; then Ja.
  meldingen.tijdensVraag = [this] { LeegTotKlaar(); };
  meldingen.answers = {platform::MessageService::Answer::Yes};
  EXPECT_FALSE(venster->close());
  ASSERT_FALSE(meldingen.shown.empty());
  EXPECT_TRUE(meldingen.shown[0].text.startsWith(QStringLiteral("Er wordt nog afgedrukt.")));
  EXPECT_FALSE(venster->afdruk().BezigMetAfdrukken());
  // Closed now, without waiting for a job that has not even begun.
  EXPECT_TRUE(QTest::qWaitFor([this] { return !venster->isVisible(); }, 10000));
  Lees();
  EXPECT_EQ(ontvangen, verwacht + sbpl::Taal().SluitOpenVel({true, 1, 1}));
}

TEST_F(JobOnderweg, APrinterThatGoesAwayMidJobEndsItWithAMessageAndTheHeldSheetAsItWas) {
  Zet("Shell1", QStringLiteral("melding klaar"));
  Start();
  Menu("mnuTekstLijnen1");
  // One label on a fresh sheet, held open in economy mode.
  Kind<QPushButton>("cmdStartAfdrukken")->click();
  LeegTotKlaar();
  const VelStand voor = venster->velStand();
  ASSERT_TRUE(voor.VelOpen);
  ASSERT_EQ(processen.started.size(), 1u);
  meldingen.shown.clear();
  NummerOntwerp();
  StartJob();
  // The printer ends: the job's next write finds nobody reading.
  ::close(lezer);
  lezer = -1;
  WachtOpAfdruk();
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(meldingen.shown[0].title, QStringLiteral("Fout"));
  EXPECT_TRUE(meldingen.shown[0].text.startsWith(QStringLiteral("Het schrijven naar de printer is mislukt:\n") + pijp +
                                                 QStringLiteral("\n\n")))
      << meldingen.shown[0].text.toStdString();
  EXPECT_EQ(venster->velStand().VelOpen, voor.VelOpen);
  EXPECT_EQ(venster->velStand().VolgendeRij, voor.VolgendeRij);
  EXPECT_EQ(venster->velStand().VolgendeKolom, voor.VolgendeKolom);
  // The after-job command belongs to a job that went out.
  EXPECT_EQ(processen.started.size(), 1u);
  for (const char* naam : {"mnuAfdrukken", "mnuSpaarstand", "mnuNieuwEtiket", "mnuPrinterinstelling"})
    EXPECT_TRUE(Kind<QAction>(naam)->isEnabled()) << naam;
  for (const char* naam : {"cmdKiezen", "cmdStartAfdrukken", "cmdNummering"})
    EXPECT_TRUE(Kind<QPushButton>(naam)->isEnabled()) << naam;
  EXPECT_FALSE(Kind<QWidget>("frmAfdrukken")->isVisible());
  // Tried again, the pipe nobody reads is refused at once instead of
  // holding the window until a reader comes.
  Kind<QPushButton>("cmdStartAfdrukken")->click();
  EXPECT_FALSE(venster->afdruk().BezigMetAfdrukken());
  ASSERT_EQ(meldingen.shown.size(), 2u);
  EXPECT_EQ(meldingen.shown[1].text, QStringLiteral("De printer kan niet worden bereikt:\n") + pijp +
                                         QStringLiteral("\n\nEr is geen printer op deze aansluiting."));
  EXPECT_TRUE(venster->velStand().VelOpen);
}

// The tests above see to a broken pipe themselves; the editor program must
// do so from its start, or such a printer would end it.
TEST(EditorProgramma, IgnoresABrokenPipeFromItsStart) {
  TempFolder tmp;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  for (const char* map : {"XDG_CONFIG_HOME", "XDG_DATA_HOME"})
    env.insert(QString::fromLatin1(map), tmp.path(QString::fromLatin1(map)));
  QProcess p;
  p.setProcessEnvironment(env);
  // It starts with the default, whatever this program does with the signal.
  const auto vorige = std::signal(SIGPIPE, SIG_DFL);
  p.start(QStringLiteral(VELLORA), {});
  const bool gestart = p.waitForStarted();
  std::signal(SIGPIPE, vorige);
  ASSERT_TRUE(gestart);
  QFile status(QStringLiteral("/proc/%1/status").arg(p.processId()));
  bool genegeerd = false;
  for (QDeadlineTimer tijd(10000); !genegeerd && !tijd.hasExpired() && p.state() == QProcess::Running;) {
    QThread::msleep(10);
    if (!status.open(QIODevice::ReadOnly)) continue;
    for (const QByteArray& regel : status.readAll().split('\n'))
      if (regel.startsWith("SigIgn:"))
        genegeerd = (regel.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGPIPE - 1)) & 1;
    status.close();
  }
  p.kill();
  p.waitForFinished();
  EXPECT_TRUE(genegeerd) << p.readAllStandardError().toStdString();
}

}  // namespace
