#include "ui/NummeringDialoog.h"

#include <QAbstractTableModel>
#include <QCheckBox>
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
class LijstModel : public QAbstractTableModel {
 public:
  LijstModel(CsvRijen& lijst, QObject* ouder) : QAbstractTableModel(ouder), lijst_(lijst) {}

  int rowCount(const QModelIndex& ouder = {}) const override { return ouder.isValid() ? 0 : int(lijst_.size()); }
  int columnCount(const QModelIndex& ouder = {}) const override { return ouder.isValid() ? 0 : 5; }
  QVariant data(const QModelIndex& cel, int rol) const override {
    if (!Binnen(cel) || (rol != Qt::DisplayRole && rol != Qt::EditRole)) return {};
    return lijst_[cel.row()][size_t(cel.column())];
  }
  bool setData(const QModelIndex& cel, const QVariant& waarde, int rol) override {
    if (!Binnen(cel) || rol != Qt::EditRole) return false;
    lijst_[cel.row()][size_t(cel.column())] = waarde.toString();
    emit dataChanged(cel, cel, {Qt::DisplayRole, Qt::EditRole});
    return true;
  }
  Qt::ItemFlags flags(const QModelIndex& cel) const override {
    return QAbstractTableModel::flags(cel) | Qt::ItemIsEditable;
  }
  QVariant headerData(int sectie, Qt::Orientation richting, int rol) const override {
    if (richting == Qt::Horizontal && rol == Qt::DisplayRole) return QStringLiteral("[%1]").arg(QChar(u'A' + sectie));
    return QAbstractTableModel::headerData(sectie, richting, rol);
  }

  void Opnieuw() {
    beginResetModel();
    endResetModel();
  }
  void RijErbij() {
    const int n = int(lijst_.size());
    beginInsertRows({}, n, n);
    lijst_.push_back({});
    endInsertRows();
  }
  void RijWeg(int rij) {
    beginRemoveRows({}, rij, rij);
    lijst_.erase(lijst_.begin() + rij);
    endRemoveRows();
  }

 private:
  bool Binnen(const QModelIndex& cel) const {
    return cel.isValid() && cel.row() < lijst_.size() && cel.column() >= 0 && cel.column() < 5;
  }
  CsvRijen& lijst_;
};

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
  auto* lijstLayout = new QVBoxLayout(lijst);
  lijstLayout->addWidget(Grid1_);
  lijstLayout->addLayout(lijstKnoppen);
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
  tabNummering_->setCurrentIndex(nummering_.GekozenTab);
  if (nummering_.GekozenTab == 1) Grid1_->setFocus();
  tag_.clear();
  exec();
  return tag_;
}

void NummeringDialoog::VulGrid() { lijstModel_->Opnieuw(); }

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
    tag_ = QStringLiteral("[%1]").arg(QChar(u'A' + gekozenKolom_));
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
