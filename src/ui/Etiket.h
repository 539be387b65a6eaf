#pragma once
#include <optional>
#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>

#include "editor/Bewerker.h"
#include "files/BewaarEtiket.h"
#include "files/Instellingen.h"
#include "files/Voorraadvellen.h"
#include "model/EtiketFormaat.h"
#include "printing/Afdrukjob.h"
#include "printing/Nummering.h"
#include "ui/Layer.h"
#include "ui/Omgeving.h"
#include "ui/Opdracht.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
namespace platform {
class Clipboard;
class PrintDialogs;
class Scanner;
class FileDialogs;
class MessageService;
class ProcessStarter;
class SettingsStore;
}  // namespace platform

namespace ui {

class AfdrukPaneel;
class EtiketPlaatje;
class FiguurPaneel;
class TekstPaneel;
class Bestandsopdrachten;
class Streepjescodes;
class Zoom;
class Vellenafdruk;

// What the main window gets from outside.
struct EtiketOpties {
  platform::SettingsStore* instellingen = nullptr;  // required
  platform::MessageService* meldingen = nullptr;    // required
  QString catalogus;                                // all.eft; empty: the data folder's
  QString eigenFormaten;  // the user's own formats; empty: kept for this run only
  QString sjablonenMap;   // gLabels' template folder for stock sheets; empty: none
  int welkomMs = 5000;                              // how long the welcome window stays at least; tests use 0
  // Ends the program at once; empty: leave the application's event loop.
  std::function<void()> beeindig;
  platform::FileDialogs* bestanden = nullptr;     // empty: the real dialogs
  platform::ProcessStarter* processen = nullptr;  // empty: real processes
  platform::Clipboard* klembord = nullptr;        // empty: the system's
  platform::Scanner* scanner = nullptr;           // empty: SANE
  platform::PrintDialogs* afdrukdialogen = nullptr;  // empty: the system's print dialog
  QString programmaMap;                           // where PrintFile and the spool file live; empty: the executable's
  QString herstelMap;                             // recovery copies; empty: the user's data folder
  int herstelMs = 30000;                          // the least time between two recovery copies
  std::function<QStringList()> lettertypen;       // the font families; empty: the system's
  Schrijfweg bewaarWeg;                           // what a save's bytes pass through; empty: straight to the file
  OmzettingKiezen kiesOmzetting;                  // "Figuur afdrukken"; empty: the dialog
};

// The main window: the menus, the catalogue and the settings, around its
// parts: the label picture (selection, moving, stretching), the text panel,
// the figure panel and the print panel, which each own their controls,
// menu entries and behaviour, and the file and barcode commands. The window
// places their entries in its menus. The editor core beneath them holds the
// design, its one change path and the undo history.

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
  const std::vector<EtiketFormaat>& eigenFormaten() const { return eigenFormaten_; }
  // The own formats become these (kept in their file first); the message
  // when they could not be kept.
  std::optional<QString> ZetEigenFormaten(const std::vector<EtiketFormaat>& formaten);
  // The dialog of the own formats; true when they changed.
  bool BeheerEigenFormaten();
  // A template file of stock sheets the user picks, kept in the settings;
  // true when it added any.
  bool KiesSjabloonbestand();
  bool LeesSjabloonbestand(const QString& pad);
  // How many stock sheets there are, and how many were left out.
  QString VoorraadUitleg() const;
  const EtiketFormaat& HuidigEtiketFormaat() const { return bewerker_.Formaat(); }
  Instellingen& instellingen() { return instellingen_; }
  EtiketPlaatje* pictEtiket() const { return pictEtiket_; }
  TekstPaneel& tekst() const { return *tekst_; }
  FiguurPaneel& figuren() const { return *figuren_; }
  AfdrukPaneel& afdruk() const { return *afdruk_; }
  Bestandsopdrachten& bestanden() const { return *bestanden_; }
  Streepjescodes& streepjescodes() const { return *streepjescodes_; }
  Zoom& zoom() const { return *zoom_; }
  Vellenafdruk& vellen() const { return *vellen_; }
  Nummering& nummering() { return bewerker_.nummering(); }
  const VelStand& velStand() const;

  // Screen: scale and repainting.
  void BerekenSchaal();
  void Form_Resize();
  void HertekenAlles();
  void ToonAfdrukbaarGebied();

  // Undo and redo: the design and its selection as they were.
  void mnuOngedaan_Click() { bewerker_.Ongedaan(); }
  void mnuOpnieuw_Click() { bewerker_.Opnieuw(); }

  // Settings kept between runs.
  void LeesInstellingen();
  void BewaarInstellingen();

  // Runs a command of the user; a failure is shown as a "Fout" message.
  template <typename F>
  void Opdracht(F&& f) {
    ui::Opdracht(*opties_.meldingen, std::forward<F>(f));
  }

  // The size the window starts at.
  static QSize OntwerpMaat();

 protected:
  void closeEvent(QCloseEvent* e) override;
  void changeEvent(QEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  // The parts first, as they make the menu entries; then the menus.
  void MaakBesturing();
  void MaakMenus();
  // The outside world: what the options give, the real thing otherwise.
  Omgeving MaakOmgeving();
  void mnuEindeProgramma_Click();
  // While a job runs, the commands that could reach the design's file, the
  // printer state or the output are off.
  void ZetAfdrukBezig(bool bezig);
  // The shape and size of the format beside the "Kiezen" button.
  void ToonVorm();

  // The table anew from its parts; the open design keeps its format.
  void StelFormatenSamen();

  EtiketOpties opties_;
  FormatenTabel formaten_;
  FormatenTabel catalogus_;
  std::vector<EtiketFormaat> eigenFormaten_;
  Voorraadvellen voorraad_;
  QStringList sjabloonBestanden_;
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
  std::unique_ptr<platform::PrintDialogs> eigenAfdrukdialogen_;

  QWidget* centraal_ = nullptr;
  EtiketPlaatje* pictEtiket_ = nullptr;
  TekstPaneel* tekst_ = nullptr;
  FiguurPaneel* figuren_ = nullptr;
  AfdrukPaneel* afdruk_ = nullptr;
  Bestandsopdrachten* bestanden_ = nullptr;
  Streepjescodes* streepjescodes_ = nullptr;
  QScrollArea* scrEtiket_ = nullptr;
  Zoom* zoom_ = nullptr;
  Vellenafdruk* vellen_ = nullptr;
  QGroupBox* frmFormaat_ = nullptr;
  QLabel* lblVorm_ = nullptr;
  QLabel* lblAfmeting_ = nullptr;
  QPushButton* cmdKiezen_ = nullptr;

  QAction* mnuEindeProgramma_ = nullptr;
  QAction* mnuOngedaan_ = nullptr;
  QAction* mnuOpnieuw_ = nullptr;
  QAction* mnuAllesSelekteren_ = nullptr;
  QAction* mnuToonAfdrukbaargebied_ = nullptr;
};

}  // namespace ui
