#include "ui/NummeringDialoog.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "model/Getal.h"
#include "platformwidgets/FileDialogs.h"
#include "platformwidgets/MessageService.h"
#include "platformwidgets/WidgetHelpers.h"
#include "printing/CsvLijst.h"

namespace ui {

namespace {
QLineEdit* Vak(QWidget* ouder, const char* naam) {
  auto* v = new QLineEdit(ouder);
  v->setObjectName(QString::fromLatin1(naam));
  return v;
}
}  // namespace

// The list as the grid shows and edits it: the numbering's own rows, so a
// list of a million rows costs the grid nothing until rows come into view.
// It shows at least the five columns a list has always had, and every
// column the list holds; a named column is captioned with its code.
class LijstModel : public QAbstractTableModel {
 public:
  LijstModel(Lijst& lijst, QObject* ouder) : QAbstractTableModel(ouder), lijst_(lijst) {}

  int rowCount(const QModelIndex& ouder = {}) const override { return ouder.isValid() ? 0 : int(lijst_.size()); }
  int columnCount(const QModelIndex& ouder = {}) const override {
    return ouder.isValid() ? 0 : std::max(5, lijst_.Kolommen());
  }
  QVariant data(const QModelIndex& cel, int rol) const override {
    if (!Binnen(cel) || (rol != Qt::DisplayRole && rol != Qt::EditRole)) return {};
    return lijst_.Waarde(cel.row(), cel.column());
  }
  bool setData(const QModelIndex& cel, const QVariant& waarde, int rol) override {
    if (!Binnen(cel) || rol != Qt::EditRole) return false;
    lijst_.ZetWaarde(cel.row(), cel.column(), waarde.toString());
    emit dataChanged(cel, cel, {Qt::DisplayRole, Qt::EditRole});
    return true;
  }
  Qt::ItemFlags flags(const QModelIndex& cel) const override {
    return QAbstractTableModel::flags(cel) | Qt::ItemIsEditable;
  }
  QVariant headerData(int sectie, Qt::Orientation richting, int rol) const override {
    if (richting == Qt::Horizontal && rol == Qt::DisplayRole) {
      const QString code = NummeringDialoog::KolomCode(lijst_, sectie);
      return code.isEmpty() ? QString::number(sectie + 1) : code;
    }
    return QAbstractTableModel::headerData(sectie, richting, rol);
  }

  void Opnieuw() {
    beginResetModel();
    endResetModel();
  }
  void RijErbij() {
    const int n = int(lijst_.size());
    beginInsertRows({}, n, n);
    lijst_.VoegRijToe();
    endInsertRows();
  }
  void RijWeg(int rij) {
    beginRemoveRows({}, rij, rij);
    lijst_.VerwijderRij(rij);
    endRemoveRows();
  }

 private:
  bool Binnen(const QModelIndex& cel) const {
    return cel.isValid() && cel.row() < lijst_.size() && cel.column() >= 0 && cel.column() < columnCount();
  }
  Lijst& lijst_;
};

std::optional<QString> LeesLijstIn(Nummering& n) {
  n.NummerLijst.clear();
  if (!QFileInfo::exists(n.LijstBestand))
    return QStringLiteral("De lijst van dit ontwerp is niet gevonden:\n") + n.LijstBestand;
  auto gelezen = LeesLijstBestand(n.LijstBestand, n.Kopregel);
  if (const LijstFout* fout = std::get_if<LijstFout>(&gelezen)) return LijstMelding(*fout, n.LijstBestand);
  n.NummerLijst = std::move(std::get<CsvRijen>(gelezen));
  return std::nullopt;
}

QString NummeringDialoog::KolomCode(const Lijst& lijst, int kolom) {
  // A column's name is its code when the name leads back to it: a name
  // that is a fixed code ("Datum", a letter) or holds a bracket is not.
  if (kolom < lijst.Namen().size()) {
    const QString naam = lijst.Namen()[kolom].trimmed();
    const auto plek = VolgendeCode(u'[' + naam + u']');
    Nummering alleenLijst;
    alleenLijst.NummerLijst = lijst;
    const NummeringBron bron(alleenLijst, {});
    if (plek && plek->lengte == naam.size() + 2 && bron.Soort(naam) == CodeSoort::Kolom &&
        KolomVoor(lijst, naam) == kolom)
      return u'[' + naam + u']';
  }
  if (kolom >= 0 && kolom < 26) return QStringLiteral("[%1]").arg(QChar(u'A' + kolom));
  return {};
}

NummeringDialoog::NummeringDialoog(Nummering& nummering, platform::MessageService& meldingen,
                                   platform::FileDialogs& bestanden, QWidget* parent)
    : QDialog(parent), nummering_(nummering), meldingen_(meldingen), bestanden_(bestanden) {
  setObjectName(QStringLiteral("Nummering"));
  setWindowTitle(QStringLiteral("Nummering"));
  setModal(true);

  tabNummering_ = new QTabWidget(this);
  tabNummering_->setObjectName(QStringLiteral("tabNummering"));

  auto* reeks = new QWidget;
  auto* formulier = new QFormLayout(reeks);
  txtVan_ = Vak(reeks, "txtVan");
  txtTot_ = Vak(reeks, "txtTot");
  txtInStappenVan_ = Vak(reeks, "txtInStappenVan");
  formulier->addRow(QStringLiteral("Nummering &van:"), txtVan_);
  formulier->addRow(QStringLiteral("&Tot:"), txtTot_);
  formulier->addRow(QStringLiteral("In &stappen van:"), txtInStappenVan_);
  for (QLineEdit* v : {txtVan_, txtTot_, txtInStappenVan_}) v->installEventFilter(this);
  tabNummering_->addTab(reeks, QStringLiteral("Doornummeren"));

  auto* lijst = new QWidget;
  Grid1_ = new QTableView(lijst);
  Grid1_->setObjectName(QStringLiteral("Grid1"));
  lijstModel_ = new LijstModel(nummering_.NummerLijst, Grid1_);
  Grid1_->setModel(lijstModel_);
  Grid1_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  Grid1_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  Grid1_->horizontalHeader()->setSectionsClickable(true);
  Grid1_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  auto* toevoegen = platform::makeButton(lijst, QStringLiteral("cmdRijToevoegen"), QStringLiteral("Rij &toevoegen"));
  auto* verwijderen = platform::makeButton(lijst, QStringLiteral("cmdRijVerwijderen"), QStringLiteral("Rij &verwijderen"));
  auto* importeren = platform::makeButton(lijst, QStringLiteral("cmdImporteren"), QStringLiteral("&CSV importeren ..."));
  chkKopregel_ = platform::makeWidget<QCheckBox>(lijst, QStringLiteral("chkKopregel"));
  chkKopregel_->setText(QStringLiteral("Eerste regel bevat namen"));
  auto* lijstKnoppen = new QHBoxLayout;
  lijstKnoppen->addWidget(toevoegen);
  lijstKnoppen->addWidget(verwijderen);
  lijstKnoppen->addStretch();
  lijstKnoppen->addWidget(chkKopregel_);
  lijstKnoppen->addWidget(importeren);
  // How many labels each row makes, and which rows print.
  cmbAantalKolom_ = platform::makeWidget<QComboBox>(lijst, QStringLiteral("cmbAantalKolom"));
  txtRijen_ = Vak(lijst, "txtRijen");
  txtRijen_->setPlaceholderText(QStringLiteral("alle, of bijvoorbeeld 5-10,12"));
  auto* keuzes = new QFormLayout;
  keuzes->addRow(QStringLiteral("Aantal uit &kolom:"), cmbAantalKolom_);
  keuzes->addRow(QStringLiteral("Af te drukken &rijen:"), txtRijen_);
  // The file the list came from, which the design can remember.
  lblLijstBestand_ = platform::makeWidget<QLabel>(lijst, QStringLiteral("lblLijstBestand"));
  lblLijstBestand_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* opnieuw = platform::makeButton(lijst, QStringLiteral("cmdLijstLezen"), QStringLiteral("Opnieuw &lezen"));
  chkLijstOnthouden_ = platform::makeWidget<QCheckBox>(lijst, QStringLiteral("chkLijstOnthouden"));
  chkLijstOnthouden_->setText(QStringLiteral("Lijst in het ontwerp &onthouden"));
  auto* bestand = new QHBoxLayout;
  bestand->addWidget(lblLijstBestand_, 1);
  bestand->addWidget(opnieuw);
  bestand->addWidget(chkLijstOnthouden_);
  auto* lijstLayout = new QVBoxLayout(lijst);
  lijstLayout->addWidget(Grid1_);
  lijstLayout->addLayout(lijstKnoppen);
  lijstLayout->addLayout(keuzes);
  lijstLayout->addLayout(bestand);
  connect(opnieuw, &QPushButton::clicked, this, &NummeringDialoog::OpnieuwLezen);
  tabNummering_->addTab(lijst, QStringLiteral("Lijst"));

  const auto [ok, annuleren, knoppen] = platform::makeOkCancel(this);
  auto* hoofd = new QVBoxLayout(this);
  hoofd->addWidget(tabNummering_);
  hoofd->addLayout(knoppen);
  resize(560, 360);

  connect(ok, &QPushButton::clicked, this, &NummeringDialoog::cmdOK_Click);
  connect(annuleren, &QPushButton::clicked, this, &NummeringDialoog::cmdAnnuleren_Click);
  connect(toevoegen, &QPushButton::clicked, this, &NummeringDialoog::RijToevoegen);
  connect(verwijderen, &QPushButton::clicked, this, &NummeringDialoog::RijVerwijderen);
  connect(importeren, &QPushButton::clicked, this, &NummeringDialoog::Importeren);
  // A column header chooses that column and acts as OK.
  connect(Grid1_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int kolom) {
    if (KolomCode(nummering_.NummerLijst, kolom).isEmpty()) return;
    gekozenKolom_ = kolom;
    cmdOK_Click();
  });
  connect(Grid1_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& cel) {
    if (cel.isValid()) gekozenKolom_ = cel.column();
  });
  connect(tabNummering_, &QTabWidget::currentChanged, this, [this](int tab) {
    nummering_.GekozenTab = tab;
    if (tab == 1) Grid1_->setFocus();
  });
}

std::optional<qint16> NummeringDialoog::GeldigVeld(const QString& tekst) {
  const double w = std::nearbyint(LeesGetal(tekst));
  if (w < -32768 || w > 32767) return std::nullopt;
  const qint16 waarde = qint16(w);
  if (QString::number(waarde) != tekst) return std::nullopt;
  return waarde;
}

QString NummeringDialoog::Kies() {
  if (nummering_.NummerStap == 0) nummering_.NummerVan = nummering_.NummerTot = nummering_.NummerStap = 1;
  txtVan_->setText(QString::number(nummering_.NummerVan));
  txtTot_->setText(QString::number(nummering_.NummerTot));
  txtInStappenVan_->setText(QString::number(nummering_.NummerStap));
  gekozenKolom_ = 0;
  VulGrid();
  txtRijen_->setText(nummering_.Rijkeuze);
  tabNummering_->setCurrentIndex(nummering_.GekozenTab);
  if (nummering_.GekozenTab == 1) Grid1_->setFocus();
  tag_.clear();
  exec();
  return tag_;
}

void NummeringDialoog::VulGrid() {
  lijstModel_->Opnieuw();
  const bool weg = !nummering_.LijstBestand.isEmpty() && !QFileInfo::exists(nummering_.LijstBestand);
  lblLijstBestand_->setText(nummering_.LijstBestand.isEmpty()
                                ? QString()
                                : QStringLiteral("Lijst: ") + nummering_.LijstBestand +
                                      (weg ? QStringLiteral(" (niet gevonden)") : QString()));
  chkLijstOnthouden_->setChecked(nummering_.LijstOnthouden);
  chkLijstOnthouden_->setEnabled(!nummering_.LijstBestand.isEmpty());
  if (!nummering_.NummerLijst.isEmpty())
    chkKopregel_->setChecked(nummering_.Kopregel || !nummering_.NummerLijst.Namen().isEmpty());
  // The quantity column is offered by its code; one no longer in the list
  // stays chosen, so that the job can say so.
  const QSignalBlocker stil(cmbAantalKolom_);
  cmbAantalKolom_->clear();
  cmbAantalKolom_->addItem(QStringLiteral("(geen: 1 per rij)"), QString());
  for (int k = 0; k < nummering_.NummerLijst.Kolommen(); ++k) {
    const QString code = KolomCode(nummering_.NummerLijst, k);
    if (!code.isEmpty()) cmbAantalKolom_->addItem(code, code.mid(1, code.size() - 2));
  }
  int keuze = 0;
  if (!nummering_.AantalKolom.isEmpty()) {
    const int k = KolomVoor(nummering_.NummerLijst, nummering_.AantalKolom);
    for (int i = 1; i < cmbAantalKolom_->count() && keuze == 0; ++i)
      if (KolomVoor(nummering_.NummerLijst, cmbAantalKolom_->itemData(i).toString()) == k && k >= 0) keuze = i;
    if (keuze == 0) {
      cmbAantalKolom_->addItem(u'[' + nummering_.AantalKolom + u']', nummering_.AantalKolom);
      keuze = cmbAantalKolom_->count() - 1;
    }
  }
  cmbAantalKolom_->setCurrentIndex(keuze);
}

void NummeringDialoog::RijToevoegen() {
  lijstModel_->RijErbij();
  Grid1_->setCurrentIndex(lijstModel_->index(lijstModel_->rowCount() - 1, 0));
}

void NummeringDialoog::RijVerwijderen() {
  const int rij = Grid1_->currentIndex().row();
  if (rij >= 0 && rij < nummering_.NummerLijst.size()) lijstModel_->RijWeg(rij);
}

void NummeringDialoog::ImporteerCsv(const QString& pad) {
  auto gelezen = LeesLijstBestand(pad, chkKopregel_->isChecked());
  if (const LijstFout* fout = std::get_if<LijstFout>(&gelezen)) {
    meldingen_.show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"), LijstMelding(*fout, pad));
    return;
  }
  nummering_.NummerLijst = std::move(std::get<CsvRijen>(gelezen));
  nummering_.LijstBestand = QFileInfo(pad).absoluteFilePath();
  nummering_.Kopregel = chkKopregel_->isChecked();
  VulGrid();
}

void NummeringDialoog::OpnieuwLezen() {
  if (nummering_.LijstBestand.isEmpty()) return;
  nummering_.Kopregel = chkKopregel_->isChecked();
  if (const auto fout = LeesLijstIn(nummering_))
    meldingen_.show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"), *fout);
  VulGrid();
}

void NummeringDialoog::Importeren() {
  const QString pad = bestanden_.openFile(this, QStringLiteral("Lijst importeren"), QString(),
                                          QStringLiteral("Lijsten (*.csv *.tsv *.txt);;Alle bestanden (*)"));
  if (!pad.isEmpty()) ImporteerCsv(pad);
}

void NummeringDialoog::cmdOK_Click() {
  if (tabNummering_->currentIndex() == 0) {
    const auto van = GeldigVeld(txtVan_->text()), tot = GeldigVeld(txtTot_->text()),
               stap = GeldigVeld(txtInStappenVan_->text());
    if (!van || !tot || !stap || *stap == 0) {
      meldingen_.show(platform::MessageService::Icon::Warning, QStringLiteral("Fout"),
                      QStringLiteral("Eén of meer velden bevatten\rongeldige waarden"));
      txtVan_->setFocus();
      return;
    }
    nummering_.NummerVan = *van;
    nummering_.NummerTot = *tot;
    nummering_.NummerStap = *stap;
    tag_ = QString::fromLatin1(kNummerCode);
  } else {
    // A choice of rows that cannot be read is said here, not at printing.
    const QString rijen = txtRijen_->text().trimmed();
    if (!rijen.isEmpty())
      if (const auto keuze = LeesRijkeuze(rijen, nummering_.NummerLijst.size());
          const QString* fout = std::get_if<QString>(&keuze)) {
        meldingen_.show(platform::MessageService::Icon::Warning, QStringLiteral("Fout"), *fout);
        txtRijen_->setFocus();
        return;
      }
    nummering_.Rijkeuze = rijen;
    nummering_.AantalKolom = cmbAantalKolom_->currentData().toString();
    nummering_.LijstOnthouden = chkLijstOnthouden_->isChecked() && !nummering_.LijstBestand.isEmpty();
    tag_ = KolomCode(nummering_.NummerLijst, gekozenKolom_);
    if (tag_.isEmpty()) tag_ = QStringLiteral("[A]");
  }
  nummering_.GekozenTab = tabNummering_->currentIndex();
  // Leaving the current cell commits a value still being typed.
  const int kolom = gekozenKolom_;
  Grid1_->setCurrentIndex({});
  gekozenKolom_ = kolom;
  done(QDialog::Accepted);
}

void NummeringDialoog::cmdAnnuleren_Click() {
  tag_.clear();
  done(QDialog::Rejected);
}

bool NummeringDialoog::eventFilter(QObject* o, QEvent* e) {
  if (e->type() == QEvent::FocusIn)
    if (auto* vak = qobject_cast<QLineEdit*>(o)) QTimer::singleShot(0, vak, &QLineEdit::selectAll);
  return QDialog::eventFilter(o, e);
}

}  // namespace ui
