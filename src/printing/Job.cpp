#include "printing/Job.h"

#include <QFileInfo>
#include <algorithm>
#include <thread>

#include "barcodes/Codering.h"
#include "model/OpEtiket.h"
#include "printing/Printermodel.h"
#include "printing/Raster.h"
#include "printing/Tekenen.h"
#include "printing/Werkploeg.h"
#include "roundtext/RondeTekst.h"

namespace printing {

namespace {

// The first barcode that could not be printed, checked as the job will
// draw it: a barcode without codes as it is, a numbered one for the first
// number of the series; the job finds a later copy that cannot be printed
// as it comes to it, in order. A barcode not wholly on the label would come
// out cut off, whatever its data.
std::optional<QString> StreepjescodeBezwaar(const Ontwerp& o, const EtiketFormaat& f, int ppm, const Reeks& reeks,
                                           const Rijbron& bron) {
  const Apparaat a{float(ppm), float(ppm), 0, 0};
  const std::vector<int> nummers = reeks.Nummers();
  int codes = 0;
  for (int i = 1; i <= o.AantalVoorwerpen(); ++i) {
    const Voorwerp& v = o.voorwerp(i);
    if (v.Soort() != SoortVoorwerp::Streepjescodevoorwerp) continue;
    ++codes;
    // Half a dot of slack: a box placed against the edge rounds either way.
    if (!LigtOpEtiket(f, v.Links, v.Boven, v.Breedte, v.Hoogte, 0.5f / float(ppm)))
      return StreepjescodeBuitenEtiket(codes);
    const QSize vak = FiguurRechthoek(v, f, a).size();
    if (!HeeftCode(v.code().Gegevens, bron)) {
      if (const auto fout = StreepjescodeFout(v.code(), vak, ppm))
        return StreepjescodeMelding(codes, std::nullopt, *fout);
      continue;
    }
    if (nummers.empty()) continue;
    Streepjescode code = v.code();
    code.Gegevens = VervangNummering(code.Gegevens, nummers.front(), bron);
    if (const auto fout = StreepjescodeFout(code, vak, ppm)) return StreepjescodeMelding(codes, nummers.front(), *fout);
  }
  return std::nullopt;
}

// More threads than this only cost memory: a canvas each.
constexpr int kMeesteWerkers = 64;
}  // namespace

std::variant<Job, QString> MaakJob(const JobGegevens& g) {
  const Printermodel& model = PrintermodelVoor(g.instellingen.Printer);
  const Taalgrenzen grenzen = model.Grenzen();
  Job job{g.ontwerp, {}, model.puntenPerMm, &model.taal(),
          g.moment.isValid() ? g.moment : QDateTime::currentDateTime()};
  if (const auto grens = PrinterGrenzen(g.formaat, job.puntenPerMm, grenzen)) return *grens;
  Afdrukopdracht& o = job.opdracht;
  o.formaat = g.formaat;
  o.HorizontalShift = g.HorizontalShift;
  o.VerticalShift = g.VerticalShift;
  o.PrintSpeed = g.instellingen.PrintSpeed;
  o.Intensity = g.instellingen.Intensity;
  o.Aantal = g.aantal;
  o.Spaarstand = g.spaarstand;
  // A list the design names that could not be read prints nothing in its
  // place: its codes would go out as typed.
  if (const Nummering& n = job.ontwerp.nummering; n.LijstOnthouden && n.NummerLijst.isEmpty())
    return (QFileInfo::exists(n.LijstBestand) ? QStringLiteral("De lijst van dit ontwerp heeft geen rijen:\n")
                                             : QStringLiteral("De lijst van dit ontwerp is niet gevonden:\n")) +
           n.LijstBestand;
  const NummeringBron bron(job.ontwerp.nummering, job.moment);
  const qint16 modus = IsNummering(job.ontwerp, bron);
  // A list design without its list would print nothing and look done.
  if (modus == 2 && job.ontwerp.nummering.NummerLijst.isEmpty())
    return QStringLiteral("Het ontwerp gebruikt lijstwaarden [A] tot [E], maar er is geen lijst met waarden.");
  auto reeks = MaakReeks(modus, job.ontwerp.nummering);
  if (const QString* fout = std::get_if<QString>(&reeks)) return *fout;
  o.reeks = std::get<Reeks>(std::move(reeks));
  if (const auto plek = EersteVerrePlek(o, g.stand, job.puntenPerMm, grenzen))
    return QStringLiteral("Het etiket op rij %1, kolom %2 van het vel ligt verder dan %3 punten van het begin van "
                          "de printer.")
        .arg(plek->rij)
        .arg(plek->kolom)
        .arg(grenzen.grootstePositie);
  if (const auto bezwaar = StreepjescodeBezwaar(job.ontwerp, g.formaat, job.puntenPerMm, o.reeks, bron)) return *bezwaar;
  return job;
}

Jobuitkomst DrukJob(const Job& job, VelStand& stand, QIODevice& uit, const Voortgang& voortgang, int werkers,
                    QString* waarom, qint64* etiketten) {
  const Etiketdruk druk(job.ontwerp, job.opdracht.formaat, job.puntenPerMm, job.ontwerp.nummering,
                        [](Voorwerp& v) { return MaakRondeTekst(v); }, job.taal, job.moment);
  if (werkers <= 0) werkers = int(std::max(1u, std::thread::hardware_concurrency()));
  werkers = std::min(werkers, kMeesteWerkers);
  if (werkers == 1) {
    // One thread: the labels are drawn here, as the job asks for them.
    Etiketdruk::Doek doek;
    return Afdrukken(
        *job.taal, job.puntenPerMm, job.opdracht, stand, [&](float x, float y, int n) { return druk.DrukEenExemplaar(doek, x, y, n); },
        uit, voortgang, waarom, etiketten);
  }
  Werkploeg ploeg(druk, job.opdracht, stand, werkers);
  return Afdrukken(
      *job.taal, job.puntenPerMm, job.opdracht, stand, [&](float x, float y, int n) { return ploeg.Volgende(x, y, n); }, uit, voortgang,
      waarom, etiketten);
}

std::optional<QString> EersteOnafdrukbare(const Ontwerp& o, const Reeks& reeks, const Rijbron& bron, qint64 grens) {
  // The numbered barcodes, with their number among the barcodes.
  std::vector<std::pair<int, const Streepjescode*>> codes;
  int nummer = 0;
  for (int i = 1; i <= o.AantalVoorwerpen(); ++i) {
    const Voorwerp& v = o.voorwerp(i);
    if (v.Soort() != SoortVoorwerp::Streepjescodevoorwerp) continue;
    ++nummer;
    if (HeeftCode(v.code().Gegevens, bron)) codes.emplace_back(nummer, &v.code());
  }
  if (codes.empty()) return std::nullopt;
  const std::vector<int> nummers = reeks.Nummers();
  for (size_t k = 0; k < nummers.size() && qint64(k) < grens; ++k) {
    // A row that makes no labels cannot stop the job.
    if (reeks.AantalVoor(k) == 0) continue;
    for (const auto& [codeNummer, code] : codes)
      if (const auto fout = FoutInGegevens(code->Soort, VervangNummering(code->Gegevens, nummers[k], bron)))
        return StreepjescodeMelding(codeNummer, nummers[k], *fout);
  }
  return std::nullopt;
}

int TelVellen(const Job& job, const VelStand& stand) {
  // Every sheet the job begins, and the one held open when labels go on it
  // before any other begins.
  Velgang gang(job.opdracht, stand);
  int vellen = 0;
  bool begonnen = false;
  for (Velgang::Stap s; (s = gang.Volgende()) != Velgang::Stap::Einde;) {
    if (s == Velgang::Stap::Kop) {
      ++vellen;
      begonnen = true;
    } else if (s == Velgang::Stap::Etiket && !begonnen) {
      ++vellen;
      begonnen = true;
    }
  }
  return vellen;
}

}  // namespace printing
