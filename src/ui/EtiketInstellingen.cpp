// Settings kept between runs, and the default text attributes.
#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "ui/Etiket.h"
#include "ui/Pictogrammen.h"
#include "model/Getal.h"
#include "platform/AppInfo.h"
#include "platformwidgets/MessageService.h"
#include "platform/SettingsStore.h"

namespace {

const QString kDefaults = QStringLiteral("Defaults");

// Window sizes are stored in twips, as the settings always held them.
double TwipsPerPixel(const QWidget* w) {
  const int dpi = w->logicalDpiX();
  return 1440.0 / (dpi > 0 ? dpi : 96);
}

struct Schermmaat {
  double breedte, hoogte;
};

Schermmaat SchermInTwips(const QWidget* w) {
  const QScreen* scherm = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
  const QRect r = scherm ? scherm->availableGeometry() : QRect(0, 0, 1024, 768);
  const double f = TwipsPerPixel(w);
  return {r.width() * f, r.height() * f};
}

}  // namespace

void Etiket::LeesInstellingen() {
  const OpgeslagenStand st = LeesStand(*opties_.instellingen, platform::appinfo::programFolder(), 0);
  ontwerp().HuidigFormaat = qint16(st.Formaat);
  mnuSpaarstand_->setChecked(st.Spaarstand);
  ZetLedSpaarstand();
  instellingen_ = st.instellingen;
  MenuAanpassen();
  mnuToonAfdrukbaargebied_->setChecked(st.ToonAfdrukbaarGebied);
  // A stored format beyond the catalogue takes the last one; one below its
  // start (which no run writes) the first.
  if (ontwerp().HuidigFormaat > formaten_.AantalFormaten()) ontwerp().HuidigFormaat = formaten_.AantalFormaten();
  if (ontwerp().HuidigFormaat < 1) ontwerp().HuidigFormaat = 1;

  const double f = TwipsPerPixel(this);
  const VensterPlaats& v = st.venster;
  if (HerstelVenster(v)) {
    const Schermmaat scherm = SchermInTwips(this);
    const VensterPlaats k = KlemVenster(v, width() * f, height() * f, scherm.breedte, scherm.hoogte);
    move(int(k.Links / f), int(k.Boven / f));
    resize(int(k.Breedte / f), int(k.Hoogte / f));
  }
  // A window closed while minimised comes back normal.
  setWindowState(v.Stijl == 2 ? Qt::WindowMaximized : Qt::WindowNoState);
}

void Etiket::BewaarInstellingen() {
  const double f = TwipsPerPixel(this);
  VensterPlaats v;
  v.Stijl = (windowState() & Qt::WindowMinimized) ? 1 : (windowState() & Qt::WindowMaximized) ? 2 : 0;
  v.Links = x() * f;
  v.Boven = y() * f;
  v.Hoogte = height() * f;
  v.Breedte = width() * f;
  BewaarStand(*opties_.instellingen, ontwerp().HuidigFormaat, v, mnuSpaarstand_->isChecked(),
              mnuToonAfdrukbaargebied_->isChecked(), instellingen_);
  if (!opties_.instellingen->flush())
    opties_.meldingen->show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"),
                            QStringLiteral("De instellingen konden niet worden bewaard."));
}

void Etiket::LeesKenmerken() {
  const platform::SettingsStore& s = *opties_.instellingen;
  Bewerking::BezigBlok bezig(bewerking_);
  // A value a control cannot take is skipped; the control keeps its state.
  // Without a stored font: a plain sans font where the system has one. The
  // alphabetically first family is often a symbol or math font, whose tall
  // metrics make text of a given size look tiny.
  QString eersteLettertype = cmbLettertype_->count() > 0 ? cmbLettertype_->itemText(0) : QString();
  for (const char* voorkeur : {"DejaVu Sans", "Liberation Sans"}) {
    if (cmbLettertype_->findText(QString::fromLatin1(voorkeur)) >= 0) {
      eersteLettertype = QString::fromLatin1(voorkeur);
      break;
    }
  }
  const int lettertype = cmbLettertype_->findText(s.read(kDefaults, QStringLiteral("Fontname"), eersteLettertype));
  if (lettertype >= 0) cmbLettertype_->setCurrentIndex(lettertype);
  txtLettergrootte_->setText(s.read(kDefaults, QStringLiteral("Fontsize"), QStringLiteral("12")));
  const char* sleutels[3] = {"FontBold", "FontItalic", "FontUnderline"};
  for (int i = 0; i < 3; ++i) {
    bool getal = false;
    const double w = LeesGetal(s.read(kDefaults, QString::fromLatin1(sleutels[i]), QStringLiteral("0")), &getal);
    if (!getal || (w != 0 && w != 1)) continue;
    stijlKnoppen_[size_t(i)]->setChecked(w == 1);
    stijlMenus_[size_t(i)]->setChecked(w == 1);
  }
  bool getal = false;
  const double u = LeesGetal(s.read(QStringLiteral("defaults"), QStringLiteral("Alignment"), QStringLiteral("2")), &getal);
  if (getal && (u == 0 || u == 1 || u == 2)) cmdUitlijning_[size_t(u)]->setChecked(true);
}

void Etiket::BewaarKenmerken() {
  platform::SettingsStore& s = *opties_.instellingen;
  s.write(kDefaults, QStringLiteral("Fontname"), cmbLettertype_->currentText());
  s.write(kDefaults, QStringLiteral("Fontsize"), txtLettergrootte_->text());
  const char* sleutels[3] = {"FontBold", "FontItalic", "FontUnderline"};
  for (int i = 0; i < 3; ++i)
    s.write(kDefaults, QString::fromLatin1(sleutels[i]), stijlKnoppen_[size_t(i)]->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
  for (int i = 0; i < 3; ++i)
    if (cmdUitlijning_[size_t(i)]->isChecked())
      s.write(QStringLiteral("defaults"), QStringLiteral("Alignment"), QString::number(i));
  if (!s.flush())
    opties_.meldingen->show(platform::MessageService::Icon::Exclamation, QStringLiteral("Fout"),
                            QStringLiteral("De instellingen konden niet worden bewaard."));
}

void Etiket::ToonKenmerken(int lijn) {
  if (lijn == 0 || ontwerp().AantalLijnen() == 0) return;
  const Voorwerp& v = ontwerp().voorwerp(lijn);
  Bewerking::BezigBlok bezig(bewerking_);
  int lettertype = cmbLettertype_->findText(v.Lettertype);
  // A font this system lacks is still shown as the line's own.
  if (lettertype < 0 && !v.Lettertype.isEmpty()) {
    cmbLettertype_->addItem(v.Lettertype);
    lettertype = cmbLettertype_->count() - 1;
  }
  if (lettertype >= 0) cmbLettertype_->setCurrentIndex(lettertype);
  txtLettergrootte_->setText(QString::number(v.Lettergrootte));
  const bool stijl[3] = {bool(v.Vet), bool(v.Cursief), bool(v.Onderlijnd)};
  for (int i = 0; i < 3; ++i) {
    stijlKnoppen_[size_t(i)]->setChecked(stijl[i]);
    stijlMenus_[size_t(i)]->setChecked(stijl[i]);
  }
  if (v.Uitlijning >= 0 && v.Uitlijning <= 2) cmdUitlijning_[size_t(v.Uitlijning)]->setChecked(true);
}

void Etiket::ZetLedSpaarstand() {
  const int stand = !mnuSpaarstand_->isChecked() ? 0 : velStand_.VelOpen ? 2 : 1;
  imgEco_->setPixmap(SpaarstandLamp(stand));
  if (stand == 2 && !spaarstandGemeld_) {
    spaarstandGemeld_ = true;
    opties_.meldingen->show(platform::MessageService::Icon::Warning, QStringLiteral("Spaarstand"),
                            QStringLiteral("De spaarstand staat ingeschakeld.\n\nDe informatie werd doorgestuurd naar de\n"
                                           "printer, maar wordt nog niet afgedrukt"));
  }
}
