#include "ui/frmRondeTekst.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <cmath>

#include "files/EtiketBestand.h"
#include "model/Afronden.h"
#include "platformwidgets/MessageService.h"
#include "platformwidgets/WidgetHelpers.h"
#include "roundtext/RondeTekst.h"
#include "ui/ReferentiepuntWijzer.h"

namespace ui {

namespace {

const QString kFout = QStringLiteral("Fout");

using platform::makeWidget;

template <typename W>
W* Maak(QWidget* ouder, const char* naam, QRect plaats) {
  return makeWidget<W>(ouder, naam, plaats);
}

QLabel* Opschrift(QWidget* ouder, const char* naam, const QString& tekst, QRect plaats) {
  auto* l = Maak<QLabel>(ouder, naam, plaats);
  l->setText(tekst);
  return l;
}

// A graphical button: checkable, and never taking Enter away from OK.
QPushButton* Schakelaar(QWidget* ouder, const char* naam, QRect plaats) {
  auto* k = Maak<QPushButton>(ouder, naam, plaats);
  k->setCheckable(true);
  k->setAutoDefault(false);
  return k;
}

// Three quarters of a circle with an arrow head in the running direction.
QIcon RichtingIcoon(bool wijzerzin) {
  QPixmap pm(20, 20);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 1.5));
  const QRectF cirkel(3, 3, 14, 14);
  // Qt counts arc angles counter-clockwise from three o'clock.
  p.drawArc(cirkel, 90 * 16, (wijzerzin ? -270 : 270) * 16);
  // The arc ends at nine o'clock (clockwise) or three o'clock, in both
  // directions running upward there.
  const double x = wijzerzin ? 3 : 17, y = 10;
  QPainterPath punt;
  punt.moveTo(x, y - 4);
  punt.lineTo(x - 3, y + 1);
  punt.lineTo(x + 3, y + 1);
  punt.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawPath(punt);
  return QIcon(pm);
}

const char* const kModusNamen[3] = {"Startpunt", "Eindpunt", "Midden"};

}  // namespace

bool LeesVeld(const QString& tekst, double& waarde) {
  QLocale c = QLocale::c();
  c.setNumberOptions(QLocale::RejectGroupSeparator);
  bool ok = false;
  const double v = c.toDouble(tekst.trimmed(), &ok);
  if (!ok || !std::isfinite(v)) return false;
  waarde = v;
  return true;
}

QString Getaltekst(double waarde) { return QString::number(waarde, 'g', 7); }

frmRondeTekst::frmRondeTekst(platform::MessageService& meldingen, QWidget* parent)
    : QDialog(parent), meldingen_(meldingen) {
  setObjectName(QStringLiteral("frmRondeTekst"));
  setWindowTitle(QStringLiteral("Ronde tekst"));
  setModal(true);
  MaakBesturing();
  LeesLettertypes();
}

void frmRondeTekst::MaakBesturing() {
  setFixedSize(470, 330);

  frmTekst_ = Maak<QGroupBox>(this, "frmTekst", QRect(8, 6, 454, 122));
  frmTekst_->setTitle(QStringLiteral("Tekst"));
  txtTekst_ = Maak<QLineEdit>(frmTekst_, "txtTekst", QRect(10, 24, 434, 24));
  Opschrift(frmTekst_, "lblLettertype", QStringLiteral("Lettertype:"), QRect(10, 56, 80, 22));
  cmbLettertype_ = Maak<QComboBox>(frmTekst_, "cmbLettertype", QRect(90, 54, 196, 26));
  cmbLettertype_->setEditable(true);
  cmbLettertype_->setInsertPolicy(QComboBox::NoInsert);
  Opschrift(frmTekst_, "lblLettergrootte", QStringLiteral("Lettergrootte:"), QRect(300, 56, 90, 22));
  txtLettergrootte_ = Maak<QLineEdit>(frmTekst_, "txtLettergrootte", QRect(390, 54, 38, 26));
  spinLettergrootte_ = Maak<QScrollBar>(frmTekst_, "spinLettergrootte", QRect(428, 54, 16, 26));
  spinLettergrootte_->setOrientation(Qt::Vertical);
  spinLettergrootte_->setRange(0, 1000);
  spinLettergrootte_->setValue(500);
  connect(spinLettergrootte_, &QScrollBar::valueChanged, this, &frmRondeTekst::spinLettergrootte_Change);

  cmdVet_ = Schakelaar(frmTekst_, "cmdVet", QRect(10, 88, 28, 26));
  cmdVet_->setText(QStringLiteral("V"));
  cmdVet_->setToolTip(QStringLiteral("Vet"));
  QFont vet = cmdVet_->font();
  vet.setBold(true);
  cmdVet_->setFont(vet);
  cmdCursief_ = Schakelaar(frmTekst_, "cmdCursief", QRect(40, 88, 28, 26));
  cmdCursief_->setText(QStringLiteral("C"));
  cmdCursief_->setToolTip(QStringLiteral("Cursief"));
  QFont cursief = cmdCursief_->font();
  cursief.setItalic(true);
  cmdCursief_->setFont(cursief);
  cmdUitlijning_ = new QButtonGroup(this);
  cmdUitlijning_->setExclusive(true);
  for (int i = 0; i < 3; ++i) {
    QPushButton* k = Schakelaar(frmTekst_, QStringLiteral("cmdUitlijning%1").arg(i).toLatin1().constData(),
                                QRect(90 + i * 30, 88, 28, 26));
    k->setIcon(platform::alignmentIcon(i));
    k->setToolTip(QString::fromLatin1(kModusNamen[i]));
    cmdUitlijning_->addButton(k, i);
  }
  connect(cmdUitlijning_, &QButtonGroup::idToggled, this, [this](int id, bool aan) {
    if (aan) cmdUitlijning_Click(id);
  });

  Frame1_ = Maak<QGroupBox>(this, "Frame1", QRect(8, 134, 250, 150));
  Frame1_->setTitle(QStringLiteral("Rond zetten"));
  Opschrift(Frame1_, "lblStraal", QStringLiteral("Straal (mm):"), QRect(10, 28, 90, 22));
  txtStraal_ = Maak<QLineEdit>(Frame1_, "txtStraal", QRect(100, 26, 60, 26));
  Opschrift(Frame1_, "lblStraalEenheid", QStringLiteral("mm"), QRect(166, 28, 30, 22));
  Opschrift(Frame1_, "lblSpatiering", QStringLiteral("Spatiëring:"), QRect(10, 62, 90, 22));
  txtSpatiering_ = Maak<QLineEdit>(Frame1_, "txtSpatiering", QRect(100, 60, 60, 26));
  Opschrift(Frame1_, "lblSpatieringEenheid", QStringLiteral("%"), QRect(166, 62, 30, 22));
  Opschrift(Frame1_, "lblRichting", QStringLiteral("Richting:"), QRect(10, 100, 90, 22));
  cmdWijzerzin_ = Schakelaar(Frame1_, "cmdWijzerzin", QRect(100, 96, 34, 30));
  cmdWijzerzin_->setIcon(RichtingIcoon(true));
  cmdWijzerzin_->setToolTip(QStringLiteral("Wijzerzin"));
  cmdTegenwijzerzin_ = Schakelaar(Frame1_, "cmdTegenwijzerzin", QRect(138, 96, 34, 30));
  cmdTegenwijzerzin_->setIcon(RichtingIcoon(false));
  cmdTegenwijzerzin_->setToolTip(QStringLiteral("Tegenwijzerzin"));
  auto* richting = new QButtonGroup(this);
  richting->setExclusive(true);
  richting->addButton(cmdWijzerzin_);
  richting->addButton(cmdTegenwijzerzin_);

  frReferentiepunt_ = Maak<QGroupBox>(this, "frReferentiepunt", QRect(266, 134, 196, 150));
  frReferentiepunt_->setTitle(QStringLiteral("Referentiepunt:"));
  // An even height puts the horizontal line through the centre on a pixel row.
  picReferentiepunt_ = Maak<ReferentiepuntWijzer>(frReferentiepunt_, "picReferentiepunt", QRect(10, 24, 110, 110));
  connect(picReferentiepunt_, &ReferentiepuntWijzer::Gekozen, this, &frmRondeTekst::picReferentiepunt_Gekozen);
  txtReferentiepunt_ = Maak<QLineEdit>(frReferentiepunt_, "txtReferentiepunt", QRect(128, 66, 44, 26));
  connect(txtReferentiepunt_, &QLineEdit::textChanged, this, &frmRondeTekst::txtReferentiepunt_Change);
  Opschrift(frReferentiepunt_, "lblGraden", QStringLiteral("°"), QRect(175, 68, 14, 22));

  cmdOK_ = Maak<QPushButton>(this, "cmdOK", QRect(290, 294, 80, 28));
  cmdOK_->setText(QStringLiteral("OK"));
  cmdOK_->setDefault(true);
  connect(cmdOK_, &QPushButton::clicked, this, &frmRondeTekst::cmdOK_Click);
  cmdAnnuleren_ = Maak<QPushButton>(this, "cmdAnnuleren", QRect(378, 294, 84, 28));
  cmdAnnuleren_->setText(QStringLiteral("Annuleren"));
  cmdAnnuleren_->setAutoDefault(false);
  connect(cmdAnnuleren_, &QPushButton::clicked, this, &frmRondeTekst::reject);

  setTabOrder(txtTekst_, cmbLettertype_);
  setTabOrder(cmbLettertype_, txtLettergrootte_);
  setTabOrder(txtLettergrootte_, txtStraal_);
  setTabOrder(txtStraal_, txtSpatiering_);
  setTabOrder(txtSpatiering_, txtReferentiepunt_);
  setTabOrder(txtReferentiepunt_, cmdOK_);
  setTabOrder(cmdOK_, cmdAnnuleren_);
}

void frmRondeTekst::LeesLettertypes() {
  // The same list as the main window's font box.
  cmbLettertype_->clear();
  cmbLettertype_->addItems(QFontDatabase::families());
}

void frmRondeTekst::Vul(const RondeTekstGegevens& g) {
  gegevens_ = g;
  cmdVet_->setChecked(g.Vet);
  cmdCursief_->setChecked(g.Cursief);
  // A mode this program never makes is shown as the first one.
  const int modus = g.Uitlijning >= 0 && g.Uitlijning <= 2 ? g.Uitlijning : 0;
  cmdUitlijning_->button(modus)->setChecked(true);
  cmdUitlijning_Click(modus);
  const int i = cmbLettertype_->findText(g.Lettertype);
  if (i >= 0) cmbLettertype_->setCurrentIndex(i);
  cmbLettertype_->setEditText(g.Lettertype);
  txtLettergrootte_->setText(QString::number(g.Lettergrootte));
  txtReferentiepunt_->setText(Getaltekst(g.Referentiepunt));
  (g.Wijzerzin ? cmdWijzerzin_ : cmdTegenwijzerzin_)->setChecked(true);
  txtStraal_->setText(Getaltekst(g.Straal));
  txtTekst_->setText(g.Tekst);
  txtTekst_->selectAll();
  txtSpatiering_->setText(Getaltekst(g.Spatiering));
}

bool frmRondeTekst::Toon() {
  bevestigd_ = false;
  txtTekst_->setFocus();
  exec();
  return bevestigd_;
}

bool frmRondeTekst::LeesVelden(RondeTekstGegevens& uit, QString& melding, QLineEdit** veld) const {
  auto fout = [&](const QString& tekst, QLineEdit* waar) {
    melding = tekst;
    if (veld) *veld = waar;
    return false;
  };
  auto geenGetal = [&](const QString& naam, QLineEdit* waar) {
    return fout(QStringLiteral("Vul bij %1 een getal in.\nGebruik een punt als decimaalteken.").arg(naam), waar);
  };
  RondeTekstGegevens g;
  g.Tekst = txtTekst_->text();
  if (ZonderSlotspaties(g.Tekst).isEmpty()) return fout(QStringLiteral("Er is geen tekst ingevuld."), txtTekst_);
  g.Lettertype = cmbLettertype_->currentText();
  if (g.Lettertype.trimmed().isEmpty()) return fout(QStringLiteral("Er is geen lettertype gekozen."), nullptr);

  double grootte = 0, straal = 0, spatiering = 0, hoek = 0;
  if (!LeesVeld(txtLettergrootte_->text(), grootte))
    return geenGetal(QStringLiteral("Lettergrootte"), txtLettergrootte_);
  if (!LeesVeld(txtStraal_->text(), straal)) return geenGetal(QStringLiteral("Straal"), txtStraal_);
  if (!LeesVeld(txtSpatiering_->text(), spatiering)) return geenGetal(QStringLiteral("Spatiëring"), txtSpatiering_);
  if (!LeesVeld(txtReferentiepunt_->text(), hoek))
    return geenGetal(QStringLiteral("Referentiepunt"), txtReferentiepunt_);
  // The size is kept in 16 bits, rounded like every other conversion.
  if (grootte >= 32767.5)
    return fout(QStringLiteral("De lettergrootte mag niet groter zijn dan 32767 punten."), txtLettergrootte_);
  if (!(grootte > 0.5)) return fout(QStringLiteral("De lettergrootte moet minstens 1 punt zijn."), txtLettergrootte_);
  g.Lettergrootte = qint16(RondAf(grootte));
  g.Vet = cmdVet_->isChecked();
  g.Cursief = cmdCursief_->isChecked();
  g.Uitlijning = qint16(std::max(0, cmdUitlijning_->checkedId()));
  g.Straal = float(straal);
  g.Spatiering = float(spatiering);
  g.Wijzerzin = cmdWijzerzin_->isChecked();
  g.Referentiepunt = float(hoek);

  // The letters are set on a circle inside the radius: it must leave room for them.
  const LetterMaten m = MatenVan(RondeLetter(g.Lettertype, g.Lettergrootte, g.Vet, g.Cursief));
  const qint32 H = m.H > 0 ? m.H : RondeCelhoogte(g.Lettergrootte);
  const double grens = std::max(H, H - m.IL) / double(RondeResolutie);
  if (!(g.Straal > H / double(RondeResolutie)) || !(Werkstraal(g.Straal, m) > 0))
    return fout(QStringLiteral("De straal moet groter zijn dan de hoogte van de letters:\n"
                               "bij %1 punten meer dan %2 mm.")
                    .arg(g.Lettergrootte)
                    .arg(QString::number(grens, 'f', 2)),
                txtStraal_);
  if (g.Straal > GrootsteStraal)
    return fout(QStringLiteral("De straal mag niet groter zijn dan %1 mm.").arg(Getaltekst(GrootsteStraal)),
                txtStraal_);
  // The angle is saved as it is; a design file holds no larger one.
  if (!MaatPast(g.Referentiepunt))
    return fout(QStringLiteral("Het referentiepunt moet tussen %1 en %2 graden liggen.")
                    .arg(Getaltekst(-kMaxMaat), Getaltekst(kMaxMaat)),
                txtReferentiepunt_);
  static_assert(GrootsteStraal <= kMaxMaat, "every radius the dialog takes fits a design file");
  uit = g;
  return true;
}

void frmRondeTekst::cmdOK_Click() {
  RondeTekstGegevens g;
  QString melding;
  QLineEdit* veld = nullptr;
  if (!LeesVelden(g, melding, &veld)) {
    meldingen_.show(platform::MessageService::Icon::Exclamation, kFout, melding);
    if (veld) {
      veld->setFocus();
      veld->selectAll();
    } else {
      cmbLettertype_->setFocus();
    }
    return;
  }
  gegevens_ = g;
  Sluit(true);
}

void frmRondeTekst::reject() { Sluit(false); }

void frmRondeTekst::Sluit(bool bevestigd) {
  bevestigd_ = bevestigd;
  txtTekst_->setFocus();
  if (bevestigd)
    QDialog::accept();
  else
    QDialog::reject();
}

void frmRondeTekst::cmdUitlijning_Click(int index) {
  if (index >= 0 && index <= 2) frReferentiepunt_->setTitle(QString::fromLatin1(kModusNamen[index]));
}

void frmRondeTekst::spinLettergrootte_Change(int waarde) {
  if (bezig_) return;
  const QScopedValueRollback<bool> bezig(bezig_, true);
  double grootte = 0;
  // Without a number in the box the arrows have nothing to count from.
  if (LeesVeld(txtLettergrootte_->text(), grootte)) {
    if (waarde < 500)
      txtLettergrootte_->setText(Getaltekst(grootte + 1));
    else if (waarde > 500 && grootte > 4)
      txtLettergrootte_->setText(Getaltekst(grootte - 1));
  }
  spinLettergrootte_->setValue(500);
}

void frmRondeTekst::txtReferentiepunt_Change(const QString& tekst) {
  double hoek = 0;
  if (LeesVeld(tekst, hoek))
    picReferentiepunt_->ZetHoek(hoek);
  else
    meldingen_.beep();
}

void frmRondeTekst::picReferentiepunt_Gekozen(int graden) { txtReferentiepunt_->setText(QString::number(graden)); }

}  // namespace ui
