#pragma once
#include <optional>
#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>
#include <memory>

#include "editor/Bewerker.h"
#include "files/BewaarEtiket.h"
#include "files/Instellingen.h"
#include "model/EtiketFormaat.h"
#include "printing/Afdrukjob.h"
#include "printing/Nummering.h"
#include "ui/Opdracht.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class AfdrukPaneel;
class EtiketPlaatje;
class FiguurPaneel;
class Formaat;
class Herstelkopie;
class QTimer;
class TekstPaneel;

namespace platform {
class Clipboard;
class Scanner;
class FileDialogs;
class MessageService;
class ProcessStarter;
class SettingsStore;
}  // namespace platform

// What the main window gets from outside.
struct EtiketOpties {
  platform::SettingsStore* instellingen = nullptr;  // required
  platform::MessageService* meldingen = nullptr;    // required
  QString catalogus;                                // all.eft; empty: the data folder's
  int welkomMs = 5000;                              // how long the welcome window stays at least; tests use 0
  // Ends the program at once; empty: leave the application's event loop.
  std::function<void()> beeindig;
  platform::FileDialogs* bestanden = nullptr;     // empty: the real dialogs
  platform::ProcessStarter* processen = nullptr;  // empty: real processes
  platform::Clipboard* klembord = nullptr;        // empty: the system's
  platform::Scanner* scanner = nullptr;           // empty: SANE
  QString programmaMap;                           // where PrintFile and the spool file live; empty: the executable's
  QString herstelMap;                             // recovery copies; empty: the user's data folder
  int herstelMs = 30000;                          // the least time between two recovery copies
  std::function<QStringList()> lettertypen;       // the font families; empty: the system's
  Schrijfweg bewaarWeg;                           // what a save's bytes pass through; empty: straight to the file
};

// The main window: the menus, the catalogue, the file commands and the
// settings, around its parts: the label picture (selection, moving,
// stretching), the text panel, the figure panel and the print panel, which
// each own their controls and behaviour. The editor core beneath them holds
// the design, its one change path and the undo history.
class RecenteBestanden;
class frmStreepjescode;

class Etiket : public QMainWindow {
  Q_OBJECT
 public:
  explicit Etiket(EtiketOpties opties, QWidget* parent = nullptr);
  ~Etiket() override;

  // Start-up: welcome window, catalogue, fonts, settings. False when the
  // program cannot go on (the message has been shown); the caller ends it.
  bool Form_Load();

  Bewerker& bewerker() { return bewerker_; }
  const Ontwerp& ontwerp() const { return bewerker_.ontwerp(); }
  const Bewerking& bewerking() const { return bewerker_.bewerking(); }
  EtiketBeeld& beeld() { return bewerker_.beeld(); }
  const Geschiedenis& geschiedenis() const { return bewerker_.geschiedenis(); }
  const FormatenTabel& formaten() const { return formaten_; }
  const EtiketFormaat& HuidigEtiketFormaat() const { return bewerker_.Formaat(); }
  Instellingen& instellingen() { return instellingen_; }
  EtiketPlaatje* pictEtiket() const { return pictEtiket_; }
  TekstPaneel& tekst() const { return *tekst_; }
  FiguurPaneel& figuren() const { return *figuren_; }
  AfdrukPaneel& afdruk() const { return *afdruk_; }
  Nummering& nummering();
  const VelStand& velStand() const;

  // Screen: scale and repainting.
  void BerekenSchaal();
  void Form_Resize();
  void HertekenAlles();
  void ToonAfdrukbaarGebied();

  // Undo and redo: the design and its selection as they were.
  void mnuOngedaan_Click();
  void mnuOpnieuw_Click();
  void WisGeschiedenis();

  // Files and the format.
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
  RecenteBestanden& recent() { return *recent_; }
  // Both true when the design was saved.
  bool mnuOpslaan_Click();
  bool mnuOpslaanAls_Click();
  // Before a command that would drop a changed design: asks whether to save
  // it. False when the command must not go on (cancelled, or the save failed).
  bool WijzigingenBewaren();
  void ZetBestandsnaam(const QString& fn);
  // Reads a design file into the window; false (and the message shown)
  // when it could not be read.
  bool LeesEtiketIn(const QString& fn);
  bool BewaarEtiketAls(const QString& fn, qint16 bestType);
  void cmdKiezen_Click();

  // Barcodes: a new one through the dialog, a selected one changed.
  void mnuStreepjescodeToevoegen_Click();
  void WijzigStreepjescode(int index);
  // The printer's dots per mm, in which the screen lays barcodes out.
  int PrinterPuntenPerMm() const { return instellingen_.Printer == 1 ? 8 : 12; }
  void ZetPrinterPunten();
  // Shows over the picture which barcode does not lie wholly on the label,
  // or hides that notice: such a barcode would be refused when printing.
  void ControleerStreepjescodes();

  // Settings kept between runs.
  void LeesInstellingen();
  void BewaarInstellingen();

  // Runs a command of the user; a failure is shown as a "Fout" message.
  template <typename F>
  void Opdracht(F&& f) {
    ::Opdracht(*opties_.meldingen, std::forward<F>(f));
  }

  // The size the window starts at.
  static QSize OntwerpMaat();

  // Crash recovery: writes the recovery copy of a changed design now (it is
  // otherwise written at most every herstelMs), and the copy's folder.
  void BewaarHerstelkopie();
  Herstelkopie& herstelkopie() { return *herstel_; }

 protected:
  void closeEvent(QCloseEvent* e) override;
  void changeEvent(QEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void MaakMenus();
  void MaakBesturing();
  platform::FileDialogs& Bestanden();
  platform::ProcessStarter& Processen();
  platform::Clipboard& Klembord();
  platform::Scanner& Scanner();
  QString ProgrammaMap() const;
  void mnuInfo_Click();
  void mnuEindeProgramma_Click();
  // While a job runs, the commands that could reach the design's file, the
  // printer state or the output are off.
  void ZetAfdrukBezig(bool bezig);
  // The round-text entries follow the selection.
  void ZetMenusVoorSelectie();
  // The shape and size of the format beside the "Kiezen" button.
  void ToonVorm();
  QAction* Menuregel(QMenu* menu, const char* naam, const QString& tekst, bool beschikbaar);
  // The version a save writes: version 1 asks first when it would lose
  // round texts or crops. 0 when the user cancelled.
  qint16 KiesVersie(qint16 versie, const QString& titel);
  // Saves under this name in this version (after that question), and the
  // design is then that file's. False when cancelled or failed.
  bool Bewaar(const QString& naam, qint16 versie, const QString& titel);
  // The changed flag in the title, and the recovery copy that goes with it.
  void VolgWijzigingen();
  // At start-up: offers a design left behind by a program that ended abnormally.
  void BiedHerstelAan();

  EtiketOpties opties_;
  FormatenTabel formaten_;
  Bewerker bewerker_;
  Instellingen instellingen_;
  bool geladen_ = false;
  bool eindeZonderOpslaan_ = false;
  // The job after whose end the window closes: a request lapses with the
  // job it was made for, and never closes the window after another one.
  std::optional<int> sluitenNaJob_;
  std::unique_ptr<platform::FileDialogs> eigenBestanden_;
  std::unique_ptr<platform::ProcessStarter> eigenProcessen_;
  std::unique_ptr<platform::Clipboard> eigenKlembord_;
  std::unique_ptr<platform::Scanner> eigenScanner_;

  QWidget* centraal_ = nullptr;
  EtiketPlaatje* pictEtiket_ = nullptr;
  TekstPaneel* tekst_ = nullptr;
  FiguurPaneel* figuren_ = nullptr;
  AfdrukPaneel* afdruk_ = nullptr;
  QGroupBox* frmFormaat_ = nullptr;
  QLabel* lblVorm_ = nullptr;
  QLabel* lblAfmeting_ = nullptr;
  QPushButton* cmdKiezen_ = nullptr;
  QLabel* lblStreepjescode_ = nullptr;  // see ControleerStreepjescodes

  std::unique_ptr<RecenteBestanden> recent_;
  std::unique_ptr<frmStreepjescode> frmStreepjescode_;
  QAction* mnuNieuwEtiket_ = nullptr;
  QAction* mnuOpenen_ = nullptr;
  QAction* mnuOpslaan_ = nullptr;
  QAction* mnuOpslaanAls_ = nullptr;
  QAction* mnuAfdrukken_ = nullptr;
  QAction* mnuAfdrukvoorbeeld_ = nullptr;
  QAction* mnuEindeProgramma_ = nullptr;
  QMenu* mnuBewerken_ = nullptr;
  QAction* mnuOngedaan_ = nullptr;
  QAction* mnuOpnieuw_ = nullptr;
  QAction* mnuKnippen_ = nullptr;
  QAction* mnuCopieren_ = nullptr;
  QAction* mnuPlakken_ = nullptr;
  QAction* mnuAllesSelekteren_ = nullptr;
  std::array<QAction*, 5> mnuTekstLijnen_{};
  QAction* mnuMeerLijnen_ = nullptr;
  std::array<QAction*, 3> stijlMenus_{};  // mnuVet, mnuCursief, mnuOnderlijnd
  QAction* mnuRondeTekstToevoegen_ = nullptr;
  QAction* mnuRondeTekstWijzigen_ = nullptr;
  QAction* mnuTekstOmzetten_ = nullptr;
  QAction* mnuBestandInvoegen_ = nullptr;
  QMenu* mnuBestandInvoegen2_ = nullptr;
  QAction* mnuGalerij0_ = nullptr;
  QAction* mnuGalerijen_ = nullptr;
  QAction* mnuScannerSelecteren_ = nullptr;
  QAction* mnuAfbeeldingscannen_ = nullptr;
  QAction* mnuSpaarstand_ = nullptr;
  QAction* mnuToonAfdrukbaargebied_ = nullptr;
  std::unique_ptr<Formaat> formaatDialoog_;
  std::unique_ptr<Herstelkopie> herstel_;
  QTimer* herstelKlok_ = nullptr;
};
