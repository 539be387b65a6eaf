// Random sequences of editor commands on the main window, each ending in a
// save in both file versions and opening what was saved: whatever the
// editor can make comes back as it was, as far as the version holds it.
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <bit>
#include <random>
#include <sstream>

#include "support/EtiketOpstelling.h"
#include "ui/FormaatDialoog.h"
#include "ui/frmRondeTekst.h"

using namespace ui;

namespace {

// The numbers of a seeded Mersenne twister are fixed by the standard, so a
// seed gives the same run on every system.
class Toeval {
 public:
  explicit Toeval(quint32 zaad) : g_(zaad) {}
  int Tot(int n) { return int(g_() % quint32(n)); }
  bool Kans(int procent) { return Tot(100) < procent; }
  float Tussen(float a, float b) { return a + (b - a) * float(g_() % 100001) / 100000.0f; }
  template <typename T>
  const T& Een(const std::vector<T>& v) {
    return v[size_t(Tot(int(v.size())))];
  }

 private:
  std::mt19937 g_;
};

bool ZelfdeBits(float a, float b) { return std::bit_cast<quint32>(a) == std::bit_cast<quint32>(b); }

// Black and white alike, dot for dot.
bool ZelfdeBeeld(const std::shared_ptr<const Beeld>& a, const std::shared_ptr<const Beeld>& b) {
  if (!a || !b) return !a && !b;
  if (a->isVector || b->isVector) return false;  // the editor makes raster figures only
  const QImage& x = a->raster;
  const QImage& y = b->raster;
  if (x.size() != y.size()) return false;
  if (x.format() == QImage::Format_Mono && y.format() == QImage::Format_Mono && x.colorTable() == y.colorTable()) {
    const int volle = x.width() / 8, rest = x.width() % 8;
    const uchar masker = uchar(0xFF00 >> rest);
    for (int r = 0; r < x.height(); ++r) {
      const uchar* p = x.constScanLine(r);
      const uchar* q = y.constScanLine(r);
      if (std::memcmp(p, q, size_t(volle)) != 0 || (rest && ((p[volle] ^ q[volle]) & masker))) return false;
    }
    return true;
  }
  for (int r = 0; r < x.height(); ++r)
    for (int k = 0; k < x.width(); ++k)
      if ((qGray(x.pixel(k, r)) < 128) != (qGray(y.pixel(k, r)) < 128)) return false;
  return true;
}

std::string Vak(const Voorwerp& v) {
  std::ostringstream s;
  s << "kind " << int(v.Soort()) << " at (" << v.Links << ", " << v.Boven << ") " << v.Breedte << " x " << v.Hoogte;
  if (const Tekstdeel* t = v.alsTekst()) s << " \"" << t->Tekst.toStdString() << "\"";
  return s.str();
}

// What is different between the design that was saved and the one read
// back, empty when nothing is. The file keeps text lines, then figures,
// then round texts, each in table order; version 1 keeps no round texts
// and no crops (its figures show their whole picture). A text line's
// remembered circle is not part of its record, and identities are the
// reading design's own.
std::string Verschil(const Ontwerp& bewaard, const Ontwerp& gelezen, int versie) {
  if (gelezen.HuidigFormaat != bewaard.HuidigFormaat) return "another format";
  std::vector<const Voorwerp*> verwacht;
  for (const SoortVoorwerp soort : {SoortVoorwerp::Tekstlijn, SoortVoorwerp::Figuur, SoortVoorwerp::RondeTekst}) {
    if (soort == SoortVoorwerp::RondeTekst && versie == 1) continue;
    for (int i = 1; i <= bewaard.AantalVoorwerpen(); ++i)
      if (bewaard.voorwerp(i).Soort() == soort) verwacht.push_back(&bewaard.voorwerp(i));
  }
  if (int(verwacht.size()) != gelezen.AantalVoorwerpen())
    return "read " + std::to_string(gelezen.AantalVoorwerpen()) + " elements of " + std::to_string(verwacht.size());
  for (size_t k = 0; k < verwacht.size(); ++k) {
    const Voorwerp& a = *verwacht[k];
    const Voorwerp& b = gelezen.voorwerp(int(k + 1));
    const std::string waar = "element " + std::to_string(k + 1) + ", saved " + Vak(a) + ", read " + Vak(b) + ": ";
    if (a.Soort() != b.Soort()) return waar + "kind";
    if (!ZelfdeBits(a.Links, b.Links) || !ZelfdeBits(a.Boven, b.Boven) || !ZelfdeBits(a.Breedte, b.Breedte) ||
        !ZelfdeBits(a.Hoogte, b.Hoogte))
      return waar + "box";
    if (const Tekstdeel* t = a.alsTekst()) {
      const Tekstdeel& u = b.tekst();
      if (t->Tekst != u.Tekst) return waar + "text";
      if (t->Lettertype != u.Lettertype) return waar + "font";
      if (t->Lettergrootte != u.Lettergrootte) return waar + "size";
      if (t->Vet.raw() != u.Vet.raw() || t->Cursief.raw() != u.Cursief.raw() ||
          t->Onderlijnd.raw() != u.Onderlijnd.raw())
        return waar + "style";
      if (t->Uitlijning != u.Uitlijning) return waar + "alignment";
    }
    if (a.Soort() == SoortVoorwerp::RondeTekst) {
      const Cirkeldeel& c = a.cirkel();
      const Cirkeldeel& d = b.cirkel();
      if (!ZelfdeBits(c.Straal, d.Straal)) return waar + "radius";
      if (!ZelfdeBits(c.Referentiepunt, d.Referentiepunt)) return waar + "reference angle";
      if (c.Wijzerzin.raw() != d.Wijzerzin.raw()) return waar + "direction";
      if (!ZelfdeBits(c.Spatiering, d.Spatiering))
        return waar + "spacing " + std::to_string(c.Spatiering) + " read as " + std::to_string(d.Spatiering);
      if (!ZelfdeBits(c.MiddenX, d.MiddenX) || !ZelfdeBits(c.MiddenY, d.MiddenY)) return waar + "centre";
    }
    if (a.alsBeeld()) {
      const Beelddeel& p = a.beeld();
      const Beelddeel& q = b.beeld();
      if (p.BeeldBreedte != q.BeeldBreedte || p.BeeldHoogte != q.BeeldHoogte) return waar + "picture size";
      const QRect bron = versie == 1 && a.Soort() == SoortVoorwerp::Figuur
                             ? QRect(0, 0, p.BeeldBreedte, p.BeeldHoogte)
                             : QRect(p.BronX, p.BronY, p.BronBreedte, p.BronHoogte);
      if (bron != QRect(q.BronX, q.BronY, q.BronBreedte, q.BronHoogte)) return waar + "crop";
      if (!ZelfdeBeeld(p.Afbeelding, q.Afbeelding)) return waar + "picture";
    }
  }
  return {};
}

class BewaarRondgang : public EtiketOpstelling {
 protected:
  static constexpr quint32 kZaad = 20260;
  static constexpr int kReeksen = 1000;

  QLineEdit* Box() { return Kind<QLineEdit>("txtTekstlijn"); }
  void Klik(const char* knop) { Kind<QPushButton>(knop)->click(); }
  void Log(const std::string& stap) { stappen.push_back(stap); }
  static std::string Tekst(const QString& s) { return s.toStdString(); }

  // Characters the design file holds (Windows-1252), blanks included.
  QString WillekeurigeTekst(int hoogstens) {
    static const QString tekens = QStringLiteral("abcdefghijklmnopqrstuvwxyz ABCXYZ 0123456789 éëàç€-.,/()");
    QString s;
    for (int n = 1 + t->Tot(hoogstens); n > 0; --n) s += tekens[t->Tot(int(tekens.size()))];
    return s;
  }
  // Mostly on the picture; sometimes past its edges, now and then as far
  // as a pointer gets on a large screen.
  QPointF Sleeppunt() { return Punt(t->Kans(70) ? 0 : t->Kans(85) ? 0.3f : 5); }
  QPointF Punt(float ruimte) {
    const SchermSchaal& s = B().Schaal;
    return {t->Tussen(s.ScaleLeft - ruimte * s.ScaleWidth, s.ScaleLeft + (1 + ruimte) * s.ScaleWidth),
            t->Tussen(s.ScaleTop - ruimte * s.ScaleHeight, s.ScaleTop + (1 + ruimte) * s.ScaleHeight)};
  }
  bool OpHetPlaatje(QPointF p) {
    const SchermSchaal& s = B().Schaal;
    return QRectF(s.ScaleLeft, s.ScaleTop, s.ScaleWidth, s.ScaleHeight).contains(p);
  }
  // The middle of a random element, or a random point on the picture.
  QPointF Doel() {
    if (O().AantalVoorwerpen() == 0 || t->Kans(20)) return Punt(0);
    const Voorwerp& v = O().voorwerp(1 + t->Tot(O().AantalVoorwerpen()));
    return {v.Links + v.Breedte / 2, v.Boven + v.Hoogte / 2};
  }
  static std::string Pt(QPointF p) {
    std::ostringstream s;
    s << "(" << p.x() << ", " << p.y() << ")";
    return s.str();
  }
  static std::string Naam(Qt::KeyboardModifiers toetsen) {
    return std::string(toetsen & Qt::ShiftModifier ? " with shift" : "") +
           (toetsen & Qt::ControlModifier ? " with ctrl" : "");
  }
  Qt::KeyboardModifiers Toetsen() {
    Qt::KeyboardModifiers m;
    if (t->Kans(25)) m |= Qt::ShiftModifier;
    if (t->Kans(25)) m |= Qt::ControlModifier;
    return m;
  }

  // Answers the next modal dialog of this type, if the command shows one;
  // an answer it did not take is dropped before the next command.
  template <typename D>
  void Antwoord(std::function<void(D*)> antwoord) {
    open = true;
    QTimer::singleShot(0, [this, antwoord] {
      open = false;
      if (auto* d = qobject_cast<D*>(QApplication::activeModalWidget())) antwoord(d);
    });
  }
  void RondeTekstAntwoord() {
    std::ostringstream s;
    const QString tekst = t->Kans(5) ? QStringLiteral("  ") : WillekeurigeTekst(14);
    const QString grootte = QString::number(4 + t->Tot(40));
    const QString straal = Getaltekst(t->Tussen(2, 60));
    const QString spatiering = Getaltekst(t->Tussen(50, 200));
    QString hoek = Getaltekst(t->Tussen(-720, 720));
    if (t->Kans(10)) hoek = Getaltekst(t->Tussen(-1e6f, 1e6f));
    if (t->Kans(5)) hoek = t->Een<QString>({QStringLiteral("2000000"), QStringLiteral("-1e30"), QStringLiteral("1e7")});
    const int modus = t->Tot(3);
    const bool wijzerzin = t->Kans(50), vet = t->Kans(30), cursief = t->Kans(30);
    const QString lettertype = t->Een(lettertypes);
    s << "  dialog: \"" << Tekst(tekst) << "\" " << Tekst(lettertype) << " " << Tekst(grootte) << " pt, radius "
      << Tekst(straal) << ", spacing " << Tekst(spatiering) << ", angle " << Tekst(hoek) << ", mode " << modus
      << (wijzerzin ? ", clockwise" : ", anticlockwise") << (vet ? ", bold" : "") << (cursief ? ", italic" : "");
    const std::string regel = s.str();
    Antwoord<frmRondeTekst>([=, this](frmRondeTekst* d) {
      Log(regel);
      auto veld = [d](const char* naam) { return d->findChild<QLineEdit*>(QString::fromLatin1(naam)); };
      auto knop = [d](const QString& naam) { return d->findChild<QPushButton*>(naam); };
      veld("txtTekst")->setText(tekst);
      veld("txtLettergrootte")->setText(grootte);
      veld("txtStraal")->setText(straal);
      veld("txtSpatiering")->setText(spatiering);
      veld("txtReferentiepunt")->setText(hoek);
      d->findChild<QComboBox*>(QStringLiteral("cmbLettertype"))->setEditText(lettertype);
      knop(QStringLiteral("cmdUitlijning%1").arg(modus))->click();
      knop(wijzerzin ? QStringLiteral("cmdWijzerzin") : QStringLiteral("cmdTegenwijzerzin"))->click();
      if (knop(QStringLiteral("cmdVet"))->isChecked() != vet) knop(QStringLiteral("cmdVet"))->click();
      if (knop(QStringLiteral("cmdCursief"))->isChecked() != cursief) knop(QStringLiteral("cmdCursief"))->click();
      knop(QStringLiteral("cmdOK"))->click();
      // A refused value keeps the dialog open; the user gives up.
      if (d->isVisible()) {
        Log("  refused, cancelled");
        knop(QStringLiteral("cmdAnnuleren"))->click();
      }
    });
  }
  QImage WillekeurigPlaatje() {
    QImage p(2 + t->Tot(40), 2 + t->Tot(40), QImage::Format_RGB32);
    p.fill(Qt::white);
    const QRgb kleur = t->Kans(70) ? qRgb(0, 0, 0) : qRgb(t->Tot(256), t->Tot(256), t->Tot(256));
    const int dichtheid = 10 + t->Tot(80);
    for (int y = 0; y < p.height(); ++y)
      for (int x = 0; x < p.width(); ++x)
        if (t->Kans(dichtheid)) p.setPixel(x, y, kleur);
    return p;
  }
  // A handle dragged with a mouse button to a point, let go there.
  void SleepHandvat(Qt::MouseButton knop, const char* naam) {
    if (B().AantalGeselecteerd() == 0) return;
    const int h = t->Tot(8);
    const Qt::KeyboardModifiers toetsen = Toetsen();
    const QPointF naar = Sleeppunt();
    int op = OpHetPlaatje(naar) ? 0 : 3;
    if (op == 0 && t->Kans(10)) op = 1 + t->Tot(2);  // on itself (cancel) or another handle
    Log(std::string(naam) + " handle " + std::to_string(h) + Naam(toetsen) + " to " + Pt(naar) + ", let go " +
        (op == 0   ? "on the picture"
         : op == 1 ? "on itself"
         : op == 2 ? "on another handle"
                   : "outside"));
    EtiketPlaatje* p = venster->pictEtiket();
    emit p->HandvatNeer(h, knop, toetsen);
    emit p->HandvatSleept(naar);
    emit p->HandvatLos(op, naar);
  }

  struct Opdracht {
    int gewicht;
    std::function<void()> doe;
    bool voegtToe = false;  // adds elements: a sequence starts with one of these
  };
  std::vector<Opdracht> Opdrachten() {
    EtiketPlaatje* p = venster->pictEtiket();
    return {
        {6,
         [this] {
           const int n = t->Tot(5);
           Log("lines " + std::to_string(n + 1));
           Klik(QStringLiteral("cmdLijnen%1").arg(n).toLatin1().constData());
         },
         true},
        {10,
         [this, p] {
           const QPointF m = Doel();
           const Qt::KeyboardModifiers toetsen = t->Kans(25) ? Qt::ShiftModifier : Qt::NoModifier;
           Log("click " + Pt(m) + Naam(toetsen));
           emit p->MuisNeer(Qt::LeftButton, toetsen, m);
         }},
        {2,
         [this] {
           Log("select all");
           Menu("mnuAllesSelekteren");
         }},
        {10,
         [this] {
           if (B().HuidigeLijn() == 0) return;
           if (t->Kans(15)) {
             Log("Enter");
             QTest::keyClick(Box(), Qt::Key_Return);
             return;
           }
           const QString s = WillekeurigeTekst(6);
           Log("type \"" + Tekst(s) + "\"");
           if (t->Kans(20)) QTest::keyClick(Box(), Qt::Key_Backspace);
           // Key by key; a letter without a key of its own comes as typed text.
           for (const QChar c : s) {
             if (c.unicode() < 128)
               QTest::keyClick(Box(), char(c.unicode()));
             else
               QTest::sendKeyEvent(QTest::Click, Box(), Qt::Key_unknown, QString(c), Qt::NoModifier);
           }
         }},
        {8,
         [this] {
           const char* knoppen[] = {"cmdVet",         "cmdCursief",     "cmdOnderlijnd",
                                    "cmdUitlijning0", "cmdUitlijning1", "cmdUitlijning2"};
           const char* k = knoppen[t->Tot(6)];
           Log(k);
           Klik(k);
         }},
        {2,
         [this] {
           const char* menus[] = {"mnuVet", "mnuCursief", "mnuOnderlijnd"};
           const char* m = menus[t->Tot(3)];
           Log(m);
           Menu(m);
         }},
        {6,
         [this] {
           if (t->Kans(30)) {
             const int stand = t->Kans(50) ? 499 : 501;
             Log(stand == 499 ? "size arrow up" : "size arrow down");
             Kind<QScrollBar>("spinLettergrootte")->setValue(stand);
             return;
           }
           const QString g =
               t->Kans(85)
                   ? QString::number(1 + t->Tot(90))
                   : t->Een<QString>({QStringLiteral("10.5"), QStringLiteral("0"), QStringLiteral("-3"),
                                      QStringLiteral("40000"), QStringLiteral("twaalf"), QStringLiteral("0.4")});
           Log("size " + Tekst(g));
           Kind<QLineEdit>("txtLettergrootte")->setText(g);
           // What the half-second timer then runs, without the wait.
           venster->Opdracht([this] { venster->tekst().tmrLettergrootte_Timer(); });
         }},
        {4,
         [this] {
           const QString f = t->Een(lettertypes);
           Log("font " + Tekst(f));
           QComboBox* c = Kind<QComboBox>("cmbLettertype");
           c->setCurrentIndex(c->findText(f));
         }},
        {8,
         [this, p] {
           const QPointF van = Doel(), naar = Sleeppunt();
           const Qt::KeyboardModifiers toetsen = t->Kans(20) ? Qt::ControlModifier : Qt::NoModifier;
           Log("move " + Pt(van) + " to " + Pt(naar) + Naam(toetsen));
           emit p->MuisNeer(Qt::RightButton, toetsen, van);
           emit p->MuisBeweegt(Qt::RightButton, naar);
           emit p->MuisLos(Qt::RightButton, naar);
         }},
        {8, [this] { SleepHandvat(Qt::LeftButton, "stretch"); }},
        {10,
         [this, p] {
           // Cropping wants one figure: usually pick one first.
           if (O().AantalFiguren() > 0 && t->Kans(80)) {
             std::vector<int> figuren;
             for (int i = 1; i <= O().AantalVoorwerpen(); ++i)
               if (O().voorwerp(i).Soort() == SoortVoorwerp::Figuur) figuren.push_back(i);
             const int i = t->Een(figuren);
             Log("select figure " + std::to_string(i));
             p->DeSelekteerAlles();
             p->SelecteerVoorwerp(i);
           }
           SleepHandvat(Qt::RightButton, "crop");
         }},
        {2,
         [this] {
           Log("centre");
           Klik("cmdCentreren");
         }},
        {2,
         [this] {
           Log("arrange");
           Kind<QCheckBox>("chkAutomatischVerdelen")->click();
         }},
        {2,
         [this] {
           const char* knoppen[] = {"cmdFiguurBoven", "cmdFiguurLinks", "cmdFiguurOnder", "cmdFiguurRechts"};
           const char* k = knoppen[t->Tot(4)];
           Log(k);
           Klik(k);
         }},
        {5,
         [this] {
           klembord.tekst.clear();
           klembord.beeld = WillekeurigPlaatje();
           Log("paste a picture of " + std::to_string(klembord.beeld.width()) + " x " +
               std::to_string(klembord.beeld.height()));
           Klik("cmdPlakken");
         },
         true},
        {2,
         [this] {
           klembord.beeld = QImage();
           klembord.tekst = WillekeurigeTekst(8);
           for (int n = t->Tot(3); n > 0; --n) klembord.tekst += QStringLiteral("\n") + WillekeurigeTekst(8);
           Log("paste text \"" + Tekst(klembord.tekst) + "\"");
           Menu("mnuPlakken");
         },
         true},
        {5,
         [this] {
           Log("add round text");
           RondeTekstAntwoord();
           Klik("cmdRondeTekstToevoegen");
         },
         true},
        {4,
         [this, p] {
           std::vector<int> rond;
           for (int i = 1; i <= O().AantalVoorwerpen(); ++i)
             if (O().voorwerp(i).Soort() == SoortVoorwerp::RondeTekst) rond.push_back(i);
           if (rond.empty()) return;
           const int i = t->Een(rond);
           Log("change round text " + std::to_string(i));
           p->DeSelekteerAlles();
           p->SelecteerVoorwerp(i);
           RondeTekstAntwoord();
           if (t->Kans(50))
             emit p->DubbelKlik(QPointF(O().voorwerp(i).Links, O().voorwerp(i).Boven));
           else
             Menu("mnuRondeTekstWijzigen");
         }},
        {5,
         [this] {
           Log("convert");
           const int i = B().GeselecteerdVoorwerp();
           if (B().AantalGeselecteerd() == 1 && O().voorwerp(i).Soort() == SoortVoorwerp::Tekstlijn)
             RondeTekstAntwoord();
           Klik("cmdTekstConverteren");
         }},
        {3,
         [this] {
           Log("delete");
           Menu("mnuVerwijderen");
         }},
        {3,
         [this] {
           Log("undo");
           Menu("mnuOngedaan");
         }},
        {3,
         [this] {
           Log("redo");
           Menu("mnuOpnieuw");
         }},
        {1,
         [this] {
           const int f = 1 + t->Tot(venster->formaten().AantalFormaten());
           Log("format " + std::to_string(f));
           Antwoord<Formaat>([f](Formaat* d) {
             d->KiesFormaat(f);
             d->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
           });
           Klik("cmdKiezen");
         }},
    };
  }

  // Saves the design in both versions through the window and opens each
  // file again; the first difference, or empty.
  std::string LaatsteMelding() const {
    return meldingen.shown.empty() ? std::string("(no message)") : Tekst(meldingen.shown.back().text);
  }
  std::string BewaarEnLees() {
    const Ontwerp bewaard = O();
    QString pad[3];
    for (const int versie : {2, 1}) {
      pad[versie] = tmp.path(QStringLiteral("rondgang%1.VLO").arg(versie));
      meldingen.shown.clear();
      if (!venster->bestanden().BewaarEtiketAls(pad[versie], qint16(versie)))
        return "version " + std::to_string(versie) + " not saved: " + LaatsteMelding();
      if (!meldingen.shown.empty()) return "saving told: " + LaatsteMelding();
    }
    for (const int versie : {2, 1}) {
      if (!venster->bestanden().LeesEtiketIn(pad[versie]))
        return "version " + std::to_string(versie) + " not read: " + LaatsteMelding();
      const std::string verschil = Verschil(bewaard, O(), versie);
      if (!verschil.empty()) return "version " + std::to_string(versie) + ", " + verschil;
    }
    return {};
  }

  Toeval* t = nullptr;
  std::vector<std::string> stappen;
  std::vector<QString> lettertypes;
  bool open = false;
};

}  // namespace

// Each sequence starts on a new design with a command that adds elements;
// a failing one is reported with its seed and steps, and three end the run.
TEST_F(BewaarRondgang, EveryDesignTheEditorMakesIsReadBackAsItWasSaved) {
  Start();
  for (const char* f : {"DejaVu Sans", "DejaVu Serif", "Liberation Sans", "Liberation Serif", "Liberation Mono"})
    if (QFontDatabase::families().contains(QString::fromLatin1(f))) lettertypes.push_back(QString::fromLatin1(f));
  ASSERT_FALSE(lettertypes.empty());

  int mislukt = 0, stappenTotaal = 0;
  for (int reeks = 0; reeks < kReeksen && mislukt < 3; ++reeks) {
    Toeval toeval(kZaad + quint32(reeks));
    t = &toeval;
    stappen.clear();
    std::string fout;
    Menu("mnuNieuwEtiket");
    const std::vector<Opdracht> opdrachten = Opdrachten();
    int totaal = 0;
    for (const Opdracht& o : opdrachten) totaal += o.gewicht;
    std::vector<size_t> toevoegen;
    for (size_t k = 0; k < opdrachten.size(); ++k)
      if (opdrachten[k].voegtToe) toevoegen.push_back(k);
    for (int n = 4 + t->Tot(17), stap = 0; stap < n; ++stap, ++stappenTotaal) {
      size_t k = 0;
      if (stap == 0) {
        k = t->Een(toevoegen);
      } else {
        int keuze = t->Tot(totaal);
        while (keuze >= opdrachten[k].gewicht) keuze -= opdrachten[k++].gewicht;
      }
      try {
        opdrachten[k].doe();
      } catch (const std::exception& e) {
        if (fout.empty()) fout = std::string("a command let through: ") + e.what();
      }
      // An answer for a dialog that did not come is dropped now.
      if (open) QApplication::processEvents();
    }
    const std::string verschil = fout.empty() ? BewaarEnLees() : fout;
    if (verschil.empty()) continue;
    ++mislukt;
    std::ostringstream uitleg;
    uitleg << "seed " << kZaad << " + " << reeks << ": " << verschil << "\nsteps:";
    for (const std::string& s : stappen) uitleg << "\n  " << s;
    ADD_FAILURE() << uitleg.str();
  }
  if (mislukt == 0) {
    EXPECT_GT(stappenTotaal, 10 * kReeksen);
  }
}
