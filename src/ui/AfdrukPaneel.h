#pragma once
#include <QGroupBox>
#include <functional>
#include <memory>
#include <optional>

#include "files/Instellingen.h"
#include "printing/Afdrukjob.h"
#include "printing/Nummering.h"
#include "printing/Uitvoer.h"
#include "ui/Layer.h"
#include "ui/Omgeving.h"

namespace editor {
class Bewerker;
}
namespace printing {
struct Job;
}
class QAction;
class QBuffer;
class QFile;
class QIODevice;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

class AchtergrondJob;
class AfdrukVoortgang;
class NummeringDialoog;

// The frame "Afdruk" and everything printing does from the window: the
// copies box, "Start afdrukken", economy mode and its lamp, the numbering
// button and dialog, the printer and offset dialogs, and the print preview.
// A job runs on a thread of its own; while it does, every command that
// could reach the printer state or the output is switched off.
class AfdrukPaneel : public QGroupBox {
  Q_OBJECT
 public:
  AfdrukPaneel(Bewerker& bewerker, Instellingen& instellingen, QLineEdit& tekstlijn, Omgeving omgeving,
               QWidget* parent = nullptr);
  ~AfdrukPaneel() override;

  // The numbering button "1,2,3,..."; the window places it.
  QPushButton* NummeringKnop() const { return cmdNummering_; }
  // The menu entries of printing; the window places them. Afdrukken,
  // Spaarstand and Afdrukvoorbeeld work like the controls.
  struct Acties {
    QAction* afdrukvoorbeeld;
    QAction* afdrukken;
    QAction* spaarstand;
    QAction* printerinstelling;
    QAction* verschuivenAfdruk;
  };
  const Acties& acties() const { return acties_; }

  // Starts the job the controls describe; it runs on after this returns.
  void AfdrukkenSATO();
  void AfsluitenJobSATO();
  void mnuSpaarstand_Click();
  void cmdNummering_Click();
  // The numbering dialog, for a field other than the line box: the code
  // chosen ("[#]", "[A]", ...), or an empty text.
  QString KiesNummeringCode();
  void mnuPrinterinstelling_Click();
  void mnuVerschuivenAfdruk_Click();
  void ZetLedSpaarstand();
  // Runs the job into memory and shows its sheets; nothing reaches the
  // printer and the sheet state stays as it is.
  void mnuAfdrukvoorbeeld_Click();
  // A job (or a preview's job) is running.
  bool BezigMetAfdrukken() const { return bezig_; }
  bool BezigMetVoorbeeld() const { return bezig_ && voorbeeld_ != nullptr; }
  // The running job stops before its next number, as with Cancel.
  void StopJob();
  // Counts the jobs started: tells one job from the next.
  int JobNummer() const { return jobNummer_; }

  Nummering& nummering();
  // The copies box as a number of copies, or nothing (the message shown).
  std::optional<qint16> LeesAantal();
  const VelStand& velStand() const { return velStand_; }
  // A new design: the copies box starts at 1, and the series and the list
  // go with the old one.
  void NieuwOntwerp();
  // Reads the list the design names (its file, header, quantity column and
  // rows); a list that cannot be read is said, and the list stays empty.
  void LeesOnthoudenLijst();
  // How many labels the job the controls describe makes, as the frame
  // shows it: copies times numbers or list rows. Empty for a single label.
  QString TotaalTekst() const;
  // Shows that total again; the design or its numbering changed.
  void ToonTotaal();

 signals:
  // The printer settings were changed in their dialog.
  void InstellingenVeranderd();
  // A format's print offset was changed in its dialog.
  void VerschuivingVeranderd();
  // A job started (true) or ended, its results taken over (false).
  void BezigVeranderd(bool bezig);

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void MaakActies();
  // The job the controls and settings describe, or nothing when it cannot
  // be printed (the message has been shown).
  std::optional<Job> MaakJobUitVenster();
  // Runs the job onto the output on its own thread; `klaar` gets its
  // outcome and new sheet state on this thread.
  void StartJob(Job job, QIODevice& uit, const QString& wat,
                std::function<void(Jobuitkomst, const VelStand&, const QString&, qint64)> klaar);
  void AfdrukKlaar(Jobuitkomst uitkomst, const VelStand& stand, const QString& waarom, qint64 etiketten);
  void ZetBezig(bool bezig);
  void Fout(const QString& tekst);
  // The message of the first label whose barcode data will not encode, or empty.
  QString OnafdrukbareRij(const Ontwerp& o, qint16 modus, const Reeks& reeks, const Rijbron& bron) const;
  // Hands a written job on by its route (spooler or after-job command).
  void Doorgeef(const Uitvoerkanaal& kanaal);

  Bewerker& bewerker_;
  Instellingen& instellingen_;
  QLineEdit& tekstlijn_;
  Omgeving omgeving_;
  Doorgeven doorgeven_{omgeving_.processen, omgeving_.programmaMap};

  QLineEdit* txtAantal_ = nullptr;
  QPushButton* cmdStartAfdrukken_ = nullptr;
  QLabel* imgEco_ = nullptr;
  QLabel* lblTotaal_ = nullptr;
  QPushButton* cmdNummering_ = nullptr;
  Acties acties_{};

  VelStand velStand_;
  // The language of the running job and of the sheet held open: a sheet
  // is closed in the language it was begun in.
  const Printertaal* jobTaal_ = nullptr;
  const Printertaal* velTaal_ = nullptr;
  mutable QString codeSleutel_, codeFout_;
  bool spaarstandGemeld_ = false;
  bool bezig_ = false;
  bool gestopt_ = false;  // the user stopped the running job
  int jobNummer_ = 0;
  AchtergrondJob* loper_ = nullptr;
  std::unique_ptr<QIODevice> uit_;  // the channel of the running job
  Uitvoerkanaal kanaal_;
  std::unique_ptr<QBuffer> voorbeeld_;  // the stream of a running preview
  std::unique_ptr<AfdrukVoortgang> frmAfdrukken_;
  std::unique_ptr<NummeringDialoog> nummeringDialoog_;
};

}  // namespace ui
