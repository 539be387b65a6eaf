#pragma once
#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "editor/Bewerking.h"
#include "editor/EtiketBeeld.h"
#include "editor/Geschiedenis.h"
#include "editor/Slepen.h"
#include "files/Instellingen.h"
#include "model/EtiketFormaat.h"
#include "printing/Afdrukjob.h"
#include "printing/Nummering.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollBar;
class QTimer;
class AfdrukVoortgang;
class Formaat;
class frmGalerij;
class ScannerKiezen;
class EtiketPlaatje;
class frmRondeTekst;
class NummeringDialoog;
class TekstlijnenDialoog;

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
  int welkomMs = 5000;  // how long the welcome window stays at least; tests use 0
  // Ends the program at once; empty: leave the application's event loop.
  std::function<void()> beeindig;
  platform::FileDialogs* bestanden = nullptr;   // empty: the real dialogs
  platform::ProcessStarter* processen = nullptr;  // empty: real processes
  platform::Clipboard* klembord = nullptr;        // empty: the system's
  platform::Scanner* scanner = nullptr;           // empty: SANE
  QString programmaMap;  // where PrintFile and the spool file live; empty: the executable's
};

// The main window: owns the one open design, the catalogue, the label
// picture and the controls. Control names are the objectNames. The
// handlers of each command group live in their own source file.
class Etiket : public QMainWindow {
  Q_OBJECT
 public:
  explicit Etiket(EtiketOpties opties, QWidget* parent = nullptr);
  ~Etiket() override;

  // Start-up: welcome window, catalogue, fonts, settings. False when the
  // program cannot go on (the message has been shown); the caller ends it.
  bool Form_Load();

  Ontwerp& ontwerp() { return bewerking_.ontwerp(); }
  Bewerking& bewerking() { return bewerking_; }
  EtiketBeeld& beeld() { return beeld_; }
  const FormatenTabel& formaten() const { return formaten_; }
  const EtiketFormaat& HuidigEtiketFormaat() const { return formaten_.formaat(bewerking_.ontwerp().HuidigFormaat); }
  EtiketPlaatje* pictEtiket() const { return pictEtiket_; }
  Instellingen& instellingen() { return instellingen_; }

  // Screen: scale, layout and repainting.
  void BerekenSchaal();
  void Form_Resize();
  // Paints the whole label again: after a new scale or format.
  void HertekenAlles();
  void ToonAfdrukbaarGebied();
  void VerbergAlles();
  void ToonAlles();

  // Undo and redo: the design and its selection as they were.
  void mnuOngedaan_Click();
  void mnuOpnieuw_Click();
  const Geschiedenis& geschiedenis() const { return geschiedenis_; }
  void WisGeschiedenis();

  // Text lines.
  void LijnenToevoegen(qint16 nieuwAantal);
  void mnuMeerLijnen_Click();

  // Selection and deleting.
  void SelecteerVoorwerp(int index);
  void DeSelecteerVoorwerp(int index);
  void DeSelekteerAlles();
  void PlaatsHandvaten();
  void VerbergHandvaten();
  void mnuAllesSelekteren_Click();
  // A left click in the label picture at (x, y) picture mm.
  void pictEtiket_MouseDown(Qt::MouseButton knop, Qt::KeyboardModifiers toetsen, float x, float y);
  void mnuVerwijderen_Click();
  void VerwijderVoorwerpen();
  // Moving and stretching: the shadow follows the pointer; at the end the
  // selected elements move so that the selection lands on the shadow.
  void BeginVerplaatsen(float x, float y, bool eenRichting);
  void EindVerplaatsen(bool doeVerplaatsing);
  void picHandvat_MouseDown(int index, Qt::MouseButton knop, Qt::KeyboardModifiers toetsen);
  void EindRekken(bool uitvoeren);
  void ToonSchaduw(const Kader& schaduw);
  void cmdCentreren_Click();

  // Text attributes: the setters keep the toolbar and menu in step.
  void ZetVet(int index, bool waarde);
  void ZetCursief(int index, bool waarde);
  void ZetOnderlijnd(int index, bool waarde);
  void tmrLettergrootte_Timer();

  // Files, pictures and the format.
  void mnuNieuwEtiket_Click();
  // Empties the design for a new one; the history stays (see cmdKiezen).
  void NieuwOntwerp();
  void mnuOpenen_Click();
  void mnuOpslaan_Click();
  void mnuOpslaanAls_Click();
  void ZetBestandsnaam(const QString& fn);
  // Reads a design file into the window; false (and the message shown)
  // when it could not be read.
  bool LeesEtiketIn(const QString& fn);
  bool BewaarEtiketAls(const QString& fn, qint16 bestType);
  void BestandInvoegen(const QString& map);
  void cmdKiezen_Click();
  // Spreads the text lines (around the single figure, if placed).
  void AutomatischVerdelen();
  void cmdFiguur_Click(qint16 positie);

  // The clipboard.
  void mnuBewerken_Click();
  void mnuKnippen_Click();
  void mnuCopieren_Click();
  void mnuPlakken_Click();
  void cmdPlakken_Click();
  // A picture from any source becomes a new, selected figure; its index, or
  // 0 when the picture cannot be one.
  int PlaatjeAlsFiguur(const QImage& plaatje);

  // Galleries: the picture-insert menu follows the list.
  void MenuAanpassen();
  void mnuGalerijen_Click();
  bool MeerdereGalerijen() const { return meerdereGalerijen_; }

  // Scanning.
  void mnuScannerSelecteren_Click();
  void mnuAfbeeldingscannen_Click();

  // Round texts.
  void mnuRondeTekstToevoegen_Click();
  void mnuRondeTekstWijzigen_Click();
  void mnuTekstOmzetten_Click();
  void cmdTekstConverteren_Click();

  // Printing.
  void AfdrukkenSATO();
  void AfsluitenJobSATO();
  void mnuSpaarstand_Click();
  void cmdNummering_Click();
  void mnuPrinterinstelling_Click();
  void mnuVerschuivenAfdruk_Click();
  Nummering& nummering() { return nummering_; }
  const VelStand& velStand() const { return velStand_; }

  // Settings and the default text attributes.
  void LeesInstellingen();
  void BewaarInstellingen();
  void LeesKenmerken();
  void BewaarKenmerken();
  void ToonKenmerken(int lijn);
  void ZetLedSpaarstand();

  // Runs a command of the user. A failure inside it (such as a design that
  // would pass 32767 elements) is shown as a "Fout" message instead of
  // ending the program; what the command changed before it failed stays.
  template <typename F>
  void Opdracht(F&& f) {
    try {
      f();
    } catch (const std::exception& fout) {
      ToonFout(QString::fromUtf8(fout.what()));
    }
  }
  void ToonFout(const QString& tekst);

  // The size the controls were laid out for.
  static QSize OntwerpMaat();

 private:
  friend class Wijziging;
  // The change path: see Wijziging.
  void BeginWijziging(const QString& samenvoegen);
  void EindWijziging() noexcept;
  // Repaints what differs from `voor` (everything after another format);
  // false when nothing differs.
  bool ToonVerschil(const Ontwerp& voor);
  // Puts a state of the history back, with its selection shown everywhere.
  void ZetStap(Stap stap);
  void WerkGeschiedenisMenuBij();

 protected:
  void closeEvent(QCloseEvent* e) override;
  void changeEvent(QEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void MaakMenus();
  void MaakBesturing();
  void VerbindTekst();
  void VerbindSelectie();
  void VerbindAfdrukken();
  void VerbindRondeTekst();
  void VerbindBestanden();
  void VerbindFiguren();
  void VerbindSlepen();
  void VerbindKlembord();
  void VerbindScannen();
  void VerbindGalerijen();
  platform::Scanner& Scanner();
  platform::Clipboard& Klembord();
  frmRondeTekst& RondeTekstDialoog();
  // Shows the round-text dialog for an element and applies it after OK.
  bool WijzigRondeTekst(int index);
  platform::FileDialogs& Bestanden();
  platform::ProcessStarter& Processen();
  QString ProgrammaMap() const;
  // The job the window's controls and settings describe.
  Afdrukopdracht MaakOpdracht() const;
  // Runs one job onto an open channel; false when writing failed.
  bool SchrijfJob(QIODevice& uit, const Afdrukopdracht& opdracht);
  void LeesLettertypes();
  void mnuInfo_Click();
  void mnuEindeProgramma_Click();
  void pictEtiket_Resize();
  void txtTekstlijn_Change();
  void txtTekstlijn_Enter();
  void ZetMenusVoorSelectie(int index);
  void ZetStijl(int welke, int index, bool waarde);
  void StijlKnop_Click(int welke);
  void StijlMenu_Click(int welke);
  void cmbLettertype_Click();
  void txtLettergrootte_Change();
  void spinLettergrootte_Change();
  void cmdUitlijning_Click(int index);
  // Applies a change to every selected text line, noting each for repainting.
  template <typename F>
  void VoorGeselecteerdeLijnen(F&& f);
  QAction* Menuregel(QMenu* menu, const char* naam, const QString& tekst, bool beschikbaar);

  EtiketOpties opties_;
  FormatenTabel formaten_;
  Bewerking bewerking_;
  EtiketBeeld beeld_;
  Geschiedenis geschiedenis_;
  int wijzigingDiepte_ = 0;
  std::optional<Stap> wijzigingVoor_;
  QString wijzigingSleutel_;
  Instellingen instellingen_;
  bool geladen_ = false;
  bool eindeZonderOpslaan_ = false;
  VelStand velStand_;
  qint16 figuurPositie_ = 0;
  std::optional<Verplaatsing> verplaatsing_;
  std::optional<Rekking> rekking_;
  bool spaarstandGemeld_ = false;
  bool bezigMetAfdrukken_ = false;
  Nummering nummering_;
  std::unique_ptr<platform::FileDialogs> eigenBestanden_;
  std::unique_ptr<platform::ProcessStarter> eigenProcessen_;
  std::unique_ptr<platform::Clipboard> eigenKlembord_;
  std::unique_ptr<platform::Scanner> eigenScanner_;
  std::unique_ptr<ScannerKiezen> scannerKiezen_;
  QString scannerApparaat_;
  bool meerdereGalerijen_ = false;
  frmGalerij* frmGalerij_ = nullptr;  // owned by the window, kept after closing

  QWidget* centraal_ = nullptr;
  EtiketPlaatje* pictEtiket_ = nullptr;
  QGroupBox* frmFormaat_ = nullptr;
  QGroupBox* frmTekst_ = nullptr;
  QGroupBox* frmFiguur_ = nullptr;
  QGroupBox* frmAfdruk_ = nullptr;
  QLabel* lblVorm_ = nullptr;
  QLabel* lblAfmeting_ = nullptr;
  QLabel* imgEco_ = nullptr;
  QLineEdit* txtTekstlijn_ = nullptr;
  QPushButton* cmdNummering_ = nullptr;
  QComboBox* cmbLettertype_ = nullptr;
  QLineEdit* txtLettergrootte_ = nullptr;
  QScrollBar* spinLettergrootte_ = nullptr;
  QTimer* tmrLettergrootte_ = nullptr;
  std::array<QPushButton*, 3> stijlKnoppen_{};   // cmdVet, cmdCursief, cmdOnderlijnd
  std::array<QAction*, 3> stijlMenus_{};         // mnuVet, mnuCursief, mnuOnderlijnd
  std::array<QPushButton*, 3> cmdUitlijning_{};
  std::array<QPushButton*, 5> cmdLijnen_{};
  QPushButton* cmdCentreren_ = nullptr;
  QCheckBox* chkAutomatischVerdelen_ = nullptr;
  QAction* mnuToonAfdrukbaargebied_ = nullptr;
  QAction* mnuSpaarstand_ = nullptr;
  QAction* mnuRondeTekstToevoegen_ = nullptr;
  QAction* mnuRondeTekstWijzigen_ = nullptr;
  QPushButton* cmdRondeTekstToevoegen_ = nullptr;
  QPushButton* cmdTekstConverteren_ = nullptr;
  QAction* mnuTekstOmzetten_ = nullptr;
  QLineEdit* txtAantal_ = nullptr;
  QPushButton* cmdStartAfdrukken_ = nullptr;
  QAction* mnuAfdrukken_ = nullptr;
  QAction* mnuNieuwEtiket_ = nullptr;
  QAction* mnuOpenen_ = nullptr;
  QAction* mnuOpslaan_ = nullptr;
  QAction* mnuOpslaanAls_ = nullptr;
  QAction* mnuBestandInvoegen_ = nullptr;
  QPushButton* cmdBestand_ = nullptr;
  QPushButton* cmdPlakken_ = nullptr;
  QMenu* mnuBewerken_ = nullptr;
  QAction* mnuOngedaan_ = nullptr;
  QAction* mnuOpnieuw_ = nullptr;
  QAction* mnuAllesSelekteren_ = nullptr;
  QAction* mnuKnippen_ = nullptr;
  QAction* mnuCopieren_ = nullptr;
  QAction* mnuPlakken_ = nullptr;
  QAction* mnuScannerSelecteren_ = nullptr;
  QMenu* mnuBestandInvoegen2_ = nullptr;
  std::vector<QAction*> mnuGalerij_;  // entry 0 is the template
  QAction* mnuGalerijen_ = nullptr;
  QAction* mnuAfbeeldingscannen_ = nullptr;
  QPushButton* cmdKiezen_ = nullptr;
  std::unique_ptr<Formaat> formaatDialoog_;
  std::unique_ptr<TekstlijnenDialoog> tekstlijnen_;
  std::unique_ptr<AfdrukVoortgang> frmAfdrukken_;
  std::unique_ptr<NummeringDialoog> nummeringDialoog_;
  std::unique_ptr<frmRondeTekst> rondeTekst_;
};
