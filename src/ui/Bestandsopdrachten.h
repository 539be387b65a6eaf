#pragma once
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "files/BewaarEtiket.h"
#include "ui/Layer.h"

namespace editor {
class Bewerker;
}
namespace model {
class FormatenTabel;
}
namespace files {
class Herstelkopie;
}
class QAction;
class QMenu;
class QTimer;
class QWidget;
namespace files {
struct Instellingen;
}
namespace platform {
class FileDialogs;
class MessageService;
class SettingsStore;
}  // namespace platform

namespace ui {

class AfdrukPaneel;
class EtiketPlaatje;
class Formaat;
class RecenteBestanden;
class TekstPaneel;

// The file commands of the window: a new design, opening one (also from
// the recent files or when the program starts), saving it in the version
// that keeps what it holds, the question before a changed design is
// dropped, another format (which starts a new design), and the recovery
// copy of a changed design. The window's title follows the file.
class Bestandsopdrachten : public QObject {
  Q_OBJECT
 public:
  // What the commands reach: the window (title, dialogs) and its parts.
  struct Delen {
    QWidget& venster;
    Bewerker& bewerker;
    EtiketPlaatje& plaatje;
    TekstPaneel& tekst;
    AfdrukPaneel& afdruk;
    const FormatenTabel& formaten;
    Instellingen& instellingen;
    // The user's own formats and a template file of stock sheets, from the
    // format dialog: true when the table changed.
    std::function<bool()> eigenFormaten;
    std::function<bool()> sjablonen;
    std::function<QString()> voorraadUitleg;
  };
  struct Omgeving {
    platform::MessageService& meldingen;
    platform::FileDialogs& bestanden;
    platform::SettingsStore& store;
    QString herstelMap;  // empty: the user's data folder
    int herstelMs;       // the least time between two recovery copies
    Schrijfweg bewaarWeg;
  };
  // The menu entries Nieuw, Openen ..., Opslaan and Opslaan als ..., with their keys.
  struct Acties {
    QAction* nieuw;
    QAction* openen;
    QAction* opslaan;
    QAction* opslaanAls;
  };

  Bestandsopdrachten(Delen delen, Omgeving omgeving, QObject* parent = nullptr);
  ~Bestandsopdrachten() override;
  const Acties& acties() const { return acties_; }
  // The recent files go into the file menu before `voor`.
  void PlaatsRecent(QMenu& menu, QAction* voor);
  RecenteBestanden& recent() { return *recent_; }
  // The program is ready: recovery copies may be written, and one left by
  // a run that ended abnormally is offered.
  void Start();

  void mnuNieuwEtiket_Click();
  // Empties the design for a new one; the history stays (see cmdKiezen).
  void NieuwOntwerp();
  void mnuOpenen_Click();
  // Opens a design file as Openen does once a file is chosen; false (and
  // the message shown) when it could not be read.
  bool OpenBestand(const QString& pad);
  // The design named when the program was started: a file that cannot be
  // read gets its message and the empty design stays.
  void OpenBijStart(const QString& pad);
  // A design chosen from the recent files; one that is gone is taken off
  // the list with a message.
  void OpenRecent(const QString& pad);
  // Both true when the design was saved.
  bool mnuOpslaan_Click();
  bool mnuOpslaanAls_Click();
  // Before a command that would drop a changed design: asks whether to save
  // it. False when the command must not go on (cancelled, or the save failed).
  bool WijzigingenBewaren();
  // Reads a design file into the window; false (and the message shown)
  // when it could not be read.
  bool LeesEtiketIn(const QString& fn);
  bool BewaarEtiketAls(const QString& fn, qint16 bestType);
  // Another format, chosen in its dialog, starts a new design; one of the
  // same label size may take the design along.
  void cmdKiezen_Click();
  // The formats changed: the dialog is made anew when next shown.
  void FormatenVeranderd();

  // Crash recovery: writes the recovery copy of a changed design now (it is
  // otherwise written at most every herstelMs), and the copy's folder.
  void BewaarHerstelkopie();
  Herstelkopie& herstelkopie() { return *herstel_; }

 private:
  void ZetBestandsnaam(const QString& fn);
  // The version a save writes: version 1 asks first when it would lose
  // round texts or crops. 0 when the user cancelled.
  qint16 KiesVersie(qint16 versie, const QString& titel);
  // Saves under this name in this version (after that question), and the
  // design is then that file's. False when cancelled or failed.
  bool Bewaar(const QString& naam, qint16 versie, const QString& titel);
  // The changed flag in the title, and the recovery copy that goes with it.
  void VolgWijzigingen();
  // Offers a design left behind by a program that ended abnormally.
  void BiedHerstelAan();

  Delen d_;
  Omgeving omgeving_;
  Acties acties_{};
  bool gestart_ = false;
  std::unique_ptr<RecenteBestanden> recent_;
  std::unique_ptr<Formaat> formaatDialoog_;
  bool formatenVeranderd_ = false;
  std::unique_ptr<Herstelkopie> herstel_;
  QTimer* herstelKlok_ = nullptr;
};

}  // namespace ui
