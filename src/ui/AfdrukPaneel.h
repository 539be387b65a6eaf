#pragma once
#include <QGroupBox>
#include <memory>

#include "files/Instellingen.h"
#include "printing/Afdrukjob.h"
#include "printing/Nummering.h"
#include "ui/Omgeving.h"

class AfdrukVoortgang;
class Bewerker;
class NummeringDialoog;
class QAction;
class QIODevice;
class QLabel;
class QLineEdit;
class QPushButton;

// The frame "Afdruk" and everything printing does from the window: the
// copies box, "Start afdrukken", economy mode and its lamp, the numbering
// button and dialog, and the printer and offset dialogs.
class AfdrukPaneel : public QGroupBox {
  Q_OBJECT
 public:
  AfdrukPaneel(Bewerker& bewerker, Instellingen& instellingen, QLineEdit& tekstlijn, Omgeving omgeving,
               QWidget* parent = nullptr);
  ~AfdrukPaneel() override;

  // The numbering button "1,2,3,..."; the window places it.
  QPushButton* NummeringKnop() const { return cmdNummering_; }
  // The menu entries that work like the controls.
  void ZetMenus(QAction* afdrukken, QAction* spaarstand);

  void AfdrukkenSATO();
  void AfsluitenJobSATO();
  void mnuSpaarstand_Click();
  void cmdNummering_Click();
  void mnuPrinterinstelling_Click();
  void mnuVerschuivenAfdruk_Click();
  void ZetLedSpaarstand();
  bool BezigMetAfdrukken() const { return bezigMetAfdrukken_; }

  Nummering& nummering();
  const VelStand& velStand() const { return velStand_; }
  // A new design: the copies box starts at 1 and a list goes with the old one.
  void NieuwOntwerp();

 signals:
  // The printer settings were changed in their dialog.
  void InstellingenVeranderd();
  // A format's print offset was changed in its dialog.
  void VerschuivingVeranderd();

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  // The job the controls and settings describe.
  Afdrukopdracht MaakOpdracht() const;
  // Runs one job onto an open channel; false when writing failed.
  bool SchrijfJob(QIODevice& uit, const Afdrukopdracht& opdracht);

  Bewerker& bewerker_;
  Instellingen& instellingen_;
  QLineEdit& tekstlijn_;
  Omgeving omgeving_;

  QLineEdit* txtAantal_ = nullptr;
  QPushButton* cmdStartAfdrukken_ = nullptr;
  QLabel* imgEco_ = nullptr;
  QPushButton* cmdNummering_ = nullptr;
  QAction* mnuAfdrukken_ = nullptr;
  QAction* mnuSpaarstand_ = nullptr;

  VelStand velStand_;
  bool spaarstandGemeld_ = false;
  bool bezigMetAfdrukken_ = false;
  std::unique_ptr<AfdrukVoortgang> frmAfdrukken_;
  std::unique_ptr<NummeringDialoog> nummeringDialoog_;
};
