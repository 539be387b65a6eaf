// Cut, copy and paste: text of the line being edited, text as text lines,
// and pictures as figures. The edit menu follows the clipboard.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSvgRenderer>

#include "ui/Etiket.h"
#include "ui/Wijziging.h"
#include "figures/Figuur.h"
#include "platform/Clipboard.h"

namespace {
// Dots per millimetre of label a pasted vector picture is drawn at.
constexpr int kVectorDots = 40;
}  // namespace

void Etiket::VerbindKlembord() {
  connect(mnuKnippen_, &QAction::triggered, this, [this] { Opdracht([this] { mnuKnippen_Click(); }); });
  connect(mnuCopieren_, &QAction::triggered, this, [this] { Opdracht([this] { mnuCopieren_Click(); }); });
  connect(mnuPlakken_, &QAction::triggered, this, [this] { Opdracht([this] { mnuPlakken_Click(); }); });
  connect(cmdPlakken_, &QPushButton::clicked, this, [this] { Opdracht([this] { cmdPlakken_Click(); }); });
  connect(mnuBewerken_, &QMenu::aboutToShow, this, &Etiket::mnuBewerken_Click);
}

platform::Clipboard& Etiket::Klembord() {
  if (opties_.klembord) return *opties_.klembord;
  if (!eigenKlembord_) eigenKlembord_ = std::make_unique<platform::QtClipboard>();
  return *eigenKlembord_;
}

void Etiket::mnuBewerken_Click() {
  const platform::Clipboard& k = Klembord();
  mnuPlakken_->setEnabled(k.hasText() || k.hasImage() || k.hasVector());
  const bool selectie = !txtTekstlijn_->selectedText().isEmpty();
  mnuKnippen_->setEnabled(selectie);
  mnuCopieren_->setEnabled(selectie);
}

void Etiket::mnuKnippen_Click() {
  if (!txtTekstlijn_->hasSelectedText()) return;
  Klembord().setText(txtTekstlijn_->selectedText());
  txtTekstlijn_->insert(QString());
}

void Etiket::mnuCopieren_Click() {
  if (txtTekstlijn_->hasSelectedText()) Klembord().setText(txtTekstlijn_->selectedText());
}

void Etiket::mnuPlakken_Click() {
  const platform::Clipboard& k = Klembord();
  if (!k.hasText()) {
    cmdPlakken_Click();
    return;
  }
  const QString tekst = k.text();
  // Lines end in CR LF on some systems and in LF alone here: both split.
  static const QRegularExpression regeleinde(QStringLiteral("\r\n|\n|\r"));
  QStringList stukken = tekst.split(regeleinde, Qt::SkipEmptyParts);
  Ontwerp& o = ontwerp();
  if (stukken.size() < 2) {
    if (bewerking_.HuidigeLijn() != 0) {
      txtTekstlijn_->insert(tekst);
      return;
    }
    Wijziging wijziging(*this);
    LijnenToevoegen(qint16(o.AantalLijnen() + 1));
    const int laatste = o.AantalVoorwerpen();
    o.voorwerp(laatste).Tekst = tekst;
    DeSelekteerAlles();
    SelecteerVoorwerp(laatste);
    return;
  }
  if (stukken.size() > 32767) stukken.resize(32767);
  Wijziging wijziging(*this);
  LijnenToevoegen(qint16(stukken.size()));
  int n = 0;
  for (int i = 1; i <= o.AantalVoorwerpen() && n < stukken.size(); ++i) {
    if (o.voorwerp(i).Soort() != Tekstlijn) continue;
    o.voorwerp(i).Tekst = stukken[n++];
  }
  DeSelekteerAlles();
  SelecteerVoorwerp(o.AantalVoorwerpen());
}

void Etiket::cmdPlakken_Click() {
  const platform::Clipboard& k = Klembord();
  QImage plaatje;
  if (k.hasVector()) {
    // A vector picture fills a raster of the label's proportions.
    const EtiketFormaat& f = HuidigEtiketFormaat();
    QSvgRenderer svg(k.vector());
    if (svg.isValid()) {
      plaatje = QImage(qRound(f.Breedte * kVectorDots), qRound(f.Hoogte * kVectorDots), QImage::Format_RGB32);
      if (!plaatje.isNull()) {
        plaatje.fill(Qt::white);
        QPainter p(&plaatje);
        svg.render(&p);
      }
    }
  }
  if (plaatje.isNull() && k.hasImage()) plaatje = k.image();
  if (!plaatje.isNull()) PlaatjeAlsFiguur(plaatje);
}

int Etiket::PlaatjeAlsFiguur(const QImage& plaatje) {
  Wijziging wijziging(*this);
  const int i = FiguurToevoegen(ontwerp(), HuidigEtiketFormaat(), bewerking_.Schaal, plaatje);
  if (i > 0) {
    DeSelekteerAlles();
    SelecteerVoorwerp(i);
  }
  return i;
}
