#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>

#include "files/Herstelkopie.h"
#include "ui/FormaatDialoog.h"
#include "support/EtiketOpstelling.h"

using namespace ui;

namespace {
class Herstel : public EtiketOpstelling {
 protected:
  QString map = tmp.path(QStringLiteral("herstel"));

  QStringList Kopieen() { return QDir(map).entryList({QStringLiteral("*.VLO")}, QDir::Files); }
  QByteArray Inhoud(const QString& pad) {
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  // A saved design of one line, made in a window that is then closed.
  QString BewaardOntwerp() {
    Start();
    Menu("mnuTekstLijnen1");
    Kind<QLineEdit>("txtTekstlijn")->setText(QStringLiteral("Eerst"));
    const QString pad = tmp.path(QStringLiteral("orig.VLO"));
    bestanden.answers.push_back({pad, QStringLiteral("Vellora 3.0 (*.VLO *.vlo)")});
    Menu("mnuOpslaanAls");
    EXPECT_TRUE(venster->close());
    venster.reset();
    return pad;
  }
  // Another program opens the design, adds a line with this text, and is
  // killed once its recovery copy is written.
  void KindGedood(const QString& ontwerp, const QString& tekst) {
    QProcess kind;
    kind.start(QStringLiteral(HERSTEL_KIND), {catalogus, map, ontwerp, tekst});
    ASSERT_TRUE(kind.waitForStarted());
    QByteArray uit;
    while (!uit.contains("klaar") && kind.waitForReadyRead(20000)) uit += kind.readAllStandardOutput();
    ASSERT_TRUE(uit.contains("klaar")) << kind.readAllStandardError().toStdString();
    kind.kill();  // SIGKILL: nothing of the program runs after this
    ASSERT_TRUE(kind.waitForFinished());
    ASSERT_EQ(kind.exitStatus(), QProcess::CrashExit);
    ASSERT_EQ(Kopieen().size(), 1);
  }
};
}  // namespace

TEST_F(Herstel, TheCopyFollowsTheChangedFlag) {
  Etiket& e = Start();
  Menu("mnuTekstLijnen1");
  e.bestanden().BewaarHerstelkopie();
  EXPECT_EQ(Kopieen().size(), 1);
  // Undo back to the state it started in: nothing left to recover.
  Menu("mnuOngedaan");
  EXPECT_TRUE(Kopieen().isEmpty());
  Menu("mnuOpnieuw");
  e.bestanden().BewaarHerstelkopie();
  EXPECT_EQ(Kopieen().size(), 1);
  // A running program's copy is never offered to another.
  EXPECT_TRUE(Herstelkopie(map).Zoek().empty());
  bestanden.answers.push_back({tmp.path(QStringLiteral("a.VLO")), {}});
  Menu("mnuOpslaanAls");
  EXPECT_TRUE(Kopieen().isEmpty());
}

TEST_F(Herstel, NotSavingKeepsTheCopyUntilTheDesignIsReallyReplaced) {
  Etiket& e = Start();
  Menu("mnuTekstLijnen1");
  e.bestanden().BewaarHerstelkopie();
  ASSERT_EQ(Kopieen().size(), 1);
  // Nee, then no file chosen: the design stays, and so does its copy.
  ZonderBewaren();
  Menu("mnuOpenen");
  EXPECT_EQ(Kopieen().size(), 1);
  // Nee, then the format dialog cancelled.
  BeantwoordDialoog<Formaat>([](Formaat* d) { d->reject(); });
  ZonderBewaren();
  Kind<QPushButton>("cmdKiezen")->click();
  EXPECT_EQ(O().AantalLijnen(), 1);
  EXPECT_TRUE(e.isWindowModified());
  EXPECT_EQ(Kopieen().size(), 1);
  // Nee, then a format chosen: the design is replaced and its copy goes.
  BeantwoordDialoog<Formaat>([](Formaat* d) { d->accept(); });
  ZonderBewaren();
  Kind<QPushButton>("cmdKiezen")->click();
  EXPECT_EQ(O().AantalLijnen(), 0);
  EXPECT_TRUE(Kopieen().isEmpty());
}

TEST_F(Herstel, AfterAKillTheNextStartOffersTheDesignBackOrDeletesIt) {
  const QString ontwerp = BewaardOntwerp();
  const QByteArray bewaard = Inhoud(ontwerp);
  KindGedood(ontwerp, QStringLiteral("Gered"));
  meldingen.answers = {platform::MessageService::Answer::Yes};
  Etiket& e = Start();
  ASSERT_EQ(meldingen.shown.size(), 1u);
  EXPECT_TRUE(meldingen.shown[0].text.startsWith(QStringLiteral("Vellora is niet normaal afgesloten.")));
  EXPECT_TRUE(meldingen.shown[0].text.contains(QStringLiteral("orig.VLO")));
  // Back as a changed design under its own name; the file itself is as saved.
  ASSERT_EQ(O().AantalLijnen(), 2);
  EXPECT_EQ(O().voorwerp(1).tekst().Tekst, QStringLiteral("Eerst"));
  EXPECT_EQ(O().voorwerp(2).tekst().Tekst, QStringLiteral("Gered"));
  EXPECT_EQ(O().Bestandsnaam, ontwerp);
  EXPECT_EQ(O().BestType, 2);
  EXPECT_TRUE(e.isWindowModified());
  EXPECT_EQ(e.windowTitle(), QStringLiteral("Vellora - orig.VLO[*]"));
  EXPECT_EQ(Inhoud(ontwerp), bewaard);
  // The killed program's copy is gone; this one's holds the design now.
  EXPECT_EQ(Kopieen().size(), 1);
  EXPECT_TRUE(e.bestanden().herstelkopie().Bestaat());
  ZonderBewaren();
  EXPECT_TRUE(e.close());
  EXPECT_TRUE(Kopieen().isEmpty());
  venster.reset();

  // Declined, the copy goes and the program starts on an empty design.
  KindGedood(ontwerp, QStringLiteral("Weg"));
  meldingen.shown.clear();
  meldingen.answers = {platform::MessageService::Answer::No};
  Etiket& tweede = Start();
  EXPECT_EQ(meldingen.shown.size(), 1u);
  EXPECT_EQ(O().AantalVoorwerpen(), 0);
  EXPECT_FALSE(tweede.isWindowModified());
  EXPECT_TRUE(Kopieen().isEmpty());
  EXPECT_TRUE(QDir(map).entryList(QDir::Files).isEmpty());
}

TEST_F(Herstel, ACopyOfferedByOneEditorIsNotOfferedByASecondStartedMeanwhile) {
  const QString ontwerp = BewaardOntwerp();
  KindGedood(ontwerp, QStringLiteral("Gered"));
  // The second editor starts while the first one's question is open.
  NepOmgeving tweede;
  std::unique_ptr<Etiket> ander;
  meldingen.answers = {platform::MessageService::Answer::Yes};
  meldingen.tijdensVraag = [&] {
    EtiketOpties opties = tweede.NepOpties(catalogus);
    opties.herstelMap = map;
    opties.programmaMap = tmp.root();
    ander = std::make_unique<Etiket>(opties);
    ASSERT_TRUE(ander->Form_Load());
  };
  Start();
  ASSERT_EQ(meldingen.shown.size(), 1u);
  ASSERT_TRUE(ander);
  EXPECT_TRUE(tweede.meldingen.shown.empty());
  EXPECT_EQ(ander->ontwerp().AantalVoorwerpen(), 0);
  ASSERT_EQ(O().AantalLijnen(), 2);
  EXPECT_EQ(O().voorwerp(2).tekst().Tekst, QStringLiteral("Gered"));
  // The first editor's own copy now holds the design.
  EXPECT_EQ(Kopieen().size(), 1);
}
