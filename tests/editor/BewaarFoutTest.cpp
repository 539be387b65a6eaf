// A save that goes wrong on the way: the disk fills up, the folder may not
// be written, or it is removed before the save is done. The file that was
// there stays as it was, the message names the file, and the design stays
// to be saved.
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QLineEdit>

#include "support/EtiketOpstelling.h"

namespace {

// A disk between the design and its file. It takes `ruimte` bytes; then,
// when full, it refuses the rest, else it does `onderweg` once and takes
// everything after all.
class Schijf : public QIODevice {
 public:
  Schijf(QIODevice& bestand, qint64 ruimte, bool vol, std::function<void()> onderweg = {})
      : bestand_(bestand), ruimte_(ruimte), vol_(vol), onderweg_(std::move(onderweg)) {
    open(QIODevice::WriteOnly);
  }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* d, qint64 n) override {
    if (geschreven_ + n > ruimte_) {
      if (onderweg_) std::exchange(onderweg_, {})();
      if (vol_) {
        // What still fits goes in, as on a real disk.
        bestand_.write(d, ruimte_ - geschreven_);
        geschreven_ = ruimte_;
        return -1;
      }
    }
    if (bestand_.write(d, n) != n) return -1;
    geschreven_ += n;
    return n;
  }

 private:
  QIODevice& bestand_;
  qint64 ruimte_;
  qint64 geschreven_ = 0;
  bool vol_;
  std::function<void()> onderweg_;
};

class BewaarFout : public EtiketOpstelling {
 protected:
  QString map = tmp.path(QStringLiteral("ontwerpen"));
  QString pad = map + QStringLiteral("/etiket.VLO");
  // What the next save meets; empty: it goes straight to the file.
  std::function<std::unique_ptr<QIODevice>(QIODevice&)> storing;

  QByteArray Inhoud(const QString& p) {
    QFile f(p);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  // The window with a design saved as etiket.VLO and changed since.
  Etiket& GewijzigdOntwerp() {
    EXPECT_TRUE(QDir().mkpath(map));
    EtiketOpties opties = Opties();
    opties.bewaarWeg = [this](QIODevice& f) { return storing ? storing(f) : nullptr; };
    venster = std::make_unique<Etiket>(opties);
    EXPECT_TRUE(venster->Form_Load());
    venster->show();
    Menu("mnuTekstLijnen2");
    Kind<QLineEdit>("txtTekstlijn")->setText(QStringLiteral("Bewaard"));
    NieuweFiguur(0, 0, 10, 10);
    bestanden.answers.push_back({pad, QStringLiteral("Vellora 3.0 (*.VLO *.vlo)")});
    Menu("mnuOpslaanAls");
    EXPECT_FALSE(venster->isWindowModified());
    Kind<QLineEdit>("txtTekstlijn")->setText(QStringLiteral("Gewijzigd"));
    EXPECT_TRUE(venster->isWindowModified());
    return *venster;
  }
  // The one message of a failed save of this file, and the design still to be saved.
  void NietBewaard(const QString& naam) {
    ASSERT_EQ(meldingen.shown.size(), 1u);
    EXPECT_EQ(meldingen.shown[0].icon, platform::MessageService::Icon::Exclamation);
    EXPECT_EQ(meldingen.shown[0].title, QStringLiteral("Fout"));
    EXPECT_EQ(meldingen.shown[0].text, QStringLiteral("Vellora kan het bestand\nniet bewaren.\n\n") + naam);
    EXPECT_TRUE(venster->isWindowModified());
    EXPECT_EQ(venster->windowTitle(), QStringLiteral("Vellora - etiket.VLO[*]"));
    EXPECT_EQ(O().Bestandsnaam, pad);
    meldingen.shown.clear();
  }
};

}  // namespace

TEST_F(BewaarFout, AFullDiskKeepsTheOldFileAndTheDesignUnsavedUntilThereIsRoom) {
  Etiket& e = GewijzigdOntwerp();
  const QByteArray oud = Inhoud(pad);
  ASSERT_GT(oud.size(), 200);
  storing = [](QIODevice& f) { return std::make_unique<Schijf>(f, 100, true); };
  Menu("mnuOpslaan");
  NietBewaard(pad);
  EXPECT_EQ(Inhoud(pad), oud);
  // Nothing half-written is left beside it, nor under a new name.
  bestanden.answers.push_back({map + QStringLiteral("/ander.VLO"), QStringLiteral("Vellora 3.0 (*.VLO *.vlo)")});
  Menu("mnuOpslaanAls");
  NietBewaard(map + QStringLiteral("/ander.VLO"));
  EXPECT_EQ(QDir(map).entryList(QDir::Files), QStringList{QStringLiteral("etiket.VLO")});
  // Closing asks; saving fails, so the window stays with the design.
  meldingen.answers = {platform::MessageService::Answer::Yes};
  EXPECT_FALSE(e.close());
  ASSERT_EQ(meldingen.shown.size(), 2u);
  EXPECT_EQ(meldingen.shown[1].text, QStringLiteral("Vellora kan het bestand\nniet bewaren.\n\n") + pad);
  EXPECT_TRUE(e.isVisible());
  EXPECT_TRUE(e.isWindowModified());
  EXPECT_EQ(Inhoud(pad), oud);
  // With room again the same command saves.
  storing = {};
  meldingen.shown.clear();
  Menu("mnuOpslaan");
  EXPECT_TRUE(meldingen.shown.empty());
  EXPECT_FALSE(e.isWindowModified());
  EXPECT_NE(Inhoud(pad), oud);
}

TEST_F(BewaarFout, AReadOnlyFolderKeepsTheOldFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes in a read-only folder all the same";
  GewijzigdOntwerp();
  const QByteArray oud = Inhoud(pad);
  ASSERT_EQ(::chmod(QFile::encodeName(map).constData(), 0555), 0);
  Menu("mnuOpslaan");
  ::chmod(QFile::encodeName(map).constData(), 0755);
  NietBewaard(pad);
  EXPECT_EQ(Inhoud(pad), oud);
  EXPECT_EQ(QDir(map).entryList(QDir::Files), QStringList{QStringLiteral("etiket.VLO")});
}

TEST_F(BewaarFout, AFolderRemovedDuringTheSaveIsNotMadeAgain) {
  GewijzigdOntwerp();
  storing = [this](QIODevice& f) {
    return std::make_unique<Schijf>(f, 100, false, [this] { ASSERT_TRUE(QDir(map).removeRecursively()); });
  };
  Menu("mnuOpslaan");
  NietBewaard(pad);
  EXPECT_FALSE(QFileInfo::exists(map));
  // Saved elsewhere, the design is that file's.
  storing = {};
  bestanden.answers.push_back({tmp.path(QStringLiteral("elders.VLO")), QStringLiteral("Vellora 3.0 (*.VLO *.vlo)")});
  Menu("mnuOpslaanAls");
  EXPECT_TRUE(meldingen.shown.empty());
  EXPECT_FALSE(venster->isWindowModified());
  EXPECT_TRUE(QFileInfo::exists(tmp.path(QStringLiteral("elders.VLO"))));
}
