// Settings kept between runs, and the default text attributes.
#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "model/Getal.h"
#include "platform/AppInfo.h"
#include "platform/SettingsStore.h"
#include "platformwidgets/MessageService.h"
#include "ui/AfdrukPaneel.h"
#include "ui/Etiket.h"
#include "ui/FiguurPaneel.h"
#include "ui/InstellingenSchrijven.h"
#include "ui/Pictogrammen.h"
#include "ui/Streepjescodes.h"

namespace ui {

namespace {

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

// The name of a format after the catalogue, beside its place ("Form").
const QString kFormaatNaam = QStringLiteral("FormName");

}  // namespace

void Etiket::LeesInstellingen() {
  const OpgeslagenStand st = LeesStand(*opties_.instellingen, platform::appinfo::programFolder(), 0);
  afdruk_->acties().spaarstand->setChecked(st.Spaarstand);
  afdruk_->ZetLedSpaarstand();
  instellingen_ = st.instellingen;
  streepjescodes_->ZetPrinterPunten();
  figuren_->MenuAanpassen();
  mnuToonAfdrukbaargebied_->setChecked(st.ToonAfdrukbaarGebied);
  // The program starts on an empty design of the stored format. One beyond
  // the catalogue takes the last; one below its start (which no run
  // writes) the first.
  Ontwerp begin;
  begin.HuidigFormaat = qint16(st.Formaat);
  // An own format or a stock sheet is known by name as well: the places
  // after the catalogue move when own formats come and go.
  if (st.Formaat > catalogus_.AantalFormaten())
    if (const int i = formaten_.ZoekFormaat(opties_.instellingen->read(QStringLiteral("Defaults"), kFormaatNaam)); i > 0)
      begin.HuidigFormaat = qint16(i);
  if (begin.HuidigFormaat > formaten_.AantalFormaten()) begin.HuidigFormaat = formaten_.AantalFormaten();
  if (begin.HuidigFormaat < 1) begin.HuidigFormaat = 1;
  bewerker_.Begin(std::move(begin));

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
  if (ontwerp().HuidigFormaat > catalogus_.AantalFormaten())
    opties_.instellingen->write(QStringLiteral("Defaults"), kFormaatNaam, HuidigEtiketFormaat().Naam);
  BewaarStand(*opties_.instellingen, ontwerp().HuidigFormaat, v, afdruk_->acties().spaarstand->isChecked(),
              mnuToonAfdrukbaargebied_->isChecked(), instellingen_);
  SchrijfInstellingen(*opties_.instellingen, *opties_.meldingen);
}

}  // namespace ui
