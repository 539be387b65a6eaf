#pragma once
#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "editor/EtiketBeeld.h"
#include "model/EtiketFormaat.h"
#include "model/Ontwerp.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollBar;
class EtiketPlaatje;

namespace platform {
class MessageService;
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
};

// The main window: owns the one open design, the catalogue, the label
// picture and the controls. Control names are the objectNames.
class Etiket : public QMainWindow {
  Q_OBJECT
 public:
  explicit Etiket(EtiketOpties opties, QWidget* parent = nullptr);
  ~Etiket() override;

  // Start-up: welcome window, catalogue, fonts, settings. False when the
  // program cannot go on (the message has been shown); the caller ends it.
  bool Form_Load();

  Ontwerp& ontwerp() { return ontwerp_; }
  EtiketBeeld& beeld() { return beeld_; }
  const FormatenTabel& formaten() const { return formaten_; }
  const EtiketFormaat& HuidigEtiketFormaat() const { return formaten_.formaat(ontwerp_.HuidigFormaat); }
  EtiketPlaatje* pictEtiket() const { return pictEtiket_; }

  void BerekenSchaal();
  void Form_Resize();
  void TekenVorm();
  void Hertekenen(std::optional<bool> doeRefresh = std::nullopt);
  void ToonAfdrukbaarGebied();
  void VerbergAlles();
  void ToonAlles();

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

 protected:
  void closeEvent(QCloseEvent* e) override;
  void changeEvent(QEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void MaakMenus();
  void MaakBesturing();
  void LeesLettertypes();
  void LeesInstellingen();
  void BewaarInstellingen();
  void mnuInfo_Click();
  void mnuEindeProgramma_Click();
  void pictEtiket_Resize();
  QAction* Menuregel(QMenu* menu, const char* naam, const QString& tekst, bool beschikbaar);

  EtiketOpties opties_;
  FormatenTabel formaten_;
  Ontwerp ontwerp_;
  EtiketBeeld beeld_;
  int VorigeBreedte_ = 0;
  int VorigeHoogte_ = 0;
  bool geladen_ = false;
  bool eindeZonderOpslaan_ = false;

  QWidget* centraal_ = nullptr;
  EtiketPlaatje* pictEtiket_ = nullptr;
  QGroupBox* frmFormaat_ = nullptr;
  QGroupBox* frmTekst_ = nullptr;
  QGroupBox* frmFiguur_ = nullptr;
  QGroupBox* frmAfdruk_ = nullptr;
  QLabel* lblVorm_ = nullptr;
  QLabel* lblAfmeting_ = nullptr;
  QLineEdit* txtTekstlijn_ = nullptr;
  QPushButton* cmdNummering_ = nullptr;
  QComboBox* cmbLettertype_ = nullptr;
  QAction* mnuToonAfdrukbaargebied_ = nullptr;
};
