#pragma once
#include <QGroupBox>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>

#include "roundtext/RondeTekstOpdrachten.h"
#include "ui/Layer.h"

namespace editor {
class Bewerker;
}
namespace editor {
class Bewerking;
}
namespace model {
class Ontwerp;
}
class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTimer;
namespace platform {
class MessageService;
class SettingsStore;
}  // namespace platform

namespace ui {

class EtiketPlaatje;
class frmRondeTekst;
class TekstlijnenDialoog;

// The frame "Tekst" and the text-line box under the picture: how many lines
// the label has, the text of the line being edited, the font, size, style
// and alignment of the selected lines, automatic arrangement, and round
// texts. The style entries of the Tekst menu follow it.
class TekstPaneel : public QGroupBox {
  Q_OBJECT
 public:
  TekstPaneel(Bewerker& bewerker, EtiketPlaatje& plaatje, platform::MessageService& meldingen,
              platform::SettingsStore& instellingen, QWidget* parent = nullptr);
  ~TekstPaneel() override;

  // The text-line box; the window places it.
  QLineEdit* Tekstvak() const { return txtTekstlijn_; }
  // The box's selected text, also while the menu bar holds the keyboard
  // (the box then shows no selection). Cut and copy take it from here.
  QString TekstvakSelectie();
  // Replaces that selection with nothing.
  void KnipTekstvakSelectie();
  QLineEdit* Lettergrootte() const { return txtLettergrootte_; }
  // The entries of the Tekst menu, and "Standaard vastleggen" of Opties:
  // the window places them. Vet, Cursief and Onderlijnd follow the lines,
  // the round-text entries the selection.
  struct Acties {
    std::array<QAction*, 5> lijnen;  // mnuTekstLijnen1 ... 5
    QAction* meerLijnen;
    std::array<QAction*, 3> stijl;  // mnuVet, mnuCursief, mnuOnderlijnd
    QAction* rondeTekstToevoegen;
    QAction* rondeTekstWijzigen;
    QAction* tekstOmzetten;
    QAction* standaardVastleggen;
    QAction* passend;         // the current line shrinks to fit its box
    QAction* kleinsteGrootte;  // the smallest size it shrinks to
  };
  const Acties& acties() const { return acties_; }

  void LijnenToevoegen(qint16 nieuwAantal);
  void mnuMeerLijnen_Click();
  void tmrLettergrootte_Timer();
  // Enter in the size box, or leaving it: a size typed there is applied at
  // once rather than after the pause.
  void PasGetypteGrootteToe();

  // Automatic arrangement of the text lines (around the single figure).
  bool AutomatischSchikken() const;
  void ZetAutomatischSchikken(bool aan);
  void AutomatischVerdelen();

  // The fonts of this system in the font list.
  void LeesLettertypes(const QStringList& families);
  // The default text attributes of new lines, from and to the settings.
  void LeesKenmerken();
  void BewaarKenmerken();
  // A line's attributes in the controls, without applying them.
  void ToonKenmerken(int lijn);
  // The line box shows the current line; with none it is empty and cannot
  // be typed in.
  void ToonHuidigeLijn();

  // Round texts: add, edit the selected one, turn the selected line round
  // or back.
  void mnuRondeTekstToevoegen_Click();
  void mnuRondeTekstWijzigen_Click();
  void mnuTekstOmzetten_Click();
  void cmdTekstConverteren_Click();

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void MaakActies();
  // The round-text entries follow the selection.
  void ZetMenusVoorSelectie();
  // "Passend in vak" and its smallest size, for the current line; each
  // change one step to undo.
  void mnuPassend_Click();
  void mnuKleinsteGrootte_Click();
  void ToonPassend();
  void txtTekstlijn_Change();
  void txtTekstlijn_Enter();
  void cmbLettertype_Click();
  void txtLettergrootte_Change();
  void spinLettergrootte_Change();
  void ZetStijl(Ontwerp& o, int welke, int index, bool waarde);
  void StijlKnop_Click(int welke);
  void StijlMenu_Click(int welke);
  void cmdUitlijning_Click(int index);
  // Applies a change to every selected text line.
  template <typename F>
  void VoorGeselecteerdeLijnen(F&& f);
  frmRondeTekst& RondeTekstDialoog();
  // Shows the round-text dialog for an element and applies it after OK.
  bool WijzigRondeTekst(int index);

  Bewerker& bewerker_;
  const Bewerking& b_;
  EtiketPlaatje& plaatje_;
  platform::MessageService& meldingen_;
  platform::SettingsStore& instellingen_;

  QLineEdit* txtTekstlijn_ = nullptr;
  QComboBox* cmbLettertype_ = nullptr;
  QLineEdit* txtLettergrootte_ = nullptr;
  QScrollBar* spinLettergrootte_ = nullptr;
  QTimer* tmrLettergrootte_ = nullptr;
  std::array<QPushButton*, 3> stijlKnoppen_{};  // cmdVet, cmdCursief, cmdOnderlijnd
  Acties acties_{};
  std::array<QPushButton*, 3> cmdUitlijning_{};
  std::array<QPushButton*, 5> cmdLijnen_{};
  QPushButton* cmdCentreren_ = nullptr;
  QCheckBox* chkAutomatischVerdelen_ = nullptr;
  QPushButton* cmdRondeTekstToevoegen_ = nullptr;
  QPushButton* cmdTekstConverteren_ = nullptr;
  std::unique_ptr<TekstlijnenDialoog> tekstlijnen_;
  std::unique_ptr<frmRondeTekst> rondeTekst_;
  // The selection the box had when the menu bar took the keyboard.
  struct Selectie {
    int begin = 0, lengte = 0;
    QString tekst;  // the box's text then: a selection of another text is void
  };
  std::optional<Selectie> menuSelectie_;
  // That selection while the box still holds the text it was made in.
  const Selectie* MenuSelectie() const;
  // Shows it in the box again, and forgets it.
  void HerstelMenuSelectie();
};

}  // namespace ui
