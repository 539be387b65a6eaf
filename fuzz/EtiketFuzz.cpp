// Feeds arbitrary bytes to the design file reader. Besides not crashing,
// every file it accepts must survive the trip through a design: written
// again it is read again, unchanged text included, and writing that gives
// the same bytes once more.
#include <cstring>

#include "Fuzz.h"
#include "files/BewaarEtiket.h"
#include "files/EtiketToepassen.h"
#include "files/LeesEtiket.h"

using namespace files;

namespace {

const FormatenTabel& Formaten() {
  static const FormatenTabel t([] {
    std::vector<EtiketFormaat> f(2);
    f[0].Naam = QStringLiteral("89 x 36");
    f[1].Naam = QStringLiteral("Rond 40");
    return f;
  }());
  return t;
}

using fuzz::Eis;

Ontwerp Toepassen(const GelezenEtiket& e) {
  Ontwerp o;
  PasEtiketToe(e, o, {});
  return o;
}

// The same dots; the bits after the last dot of a row do not count.
bool ZelfdeDots(const QImage& a, const QImage& b) {
  if (a.size() != b.size() || a.format() != QImage::Format_Mono || b.format() != QImage::Format_Mono) return false;
  const int vol = a.width() / 8, rest = a.width() % 8;
  const uchar masker = uchar(0xFF00 >> rest);
  for (int y = 0; y < a.height(); ++y) {
    const uchar* p = a.constScanLine(y);
    const uchar* q = b.constScanLine(y);
    if (std::memcmp(p, q, size_t(vol)) != 0) return false;
    if (rest && (p[vol] & masker) != (q[vol] & masker)) return false;
  }
  return true;
}

void Controleer(const GelezenEtiket& e) {
  Eis(e.BestType == 1 || e.BestType == 2 || e.BestType == kBestTypeVersie4 || e.BestType == kBestTypeVersie5);
  Eis(e.HuidigFormaat >= 1 && e.HuidigFormaat <= Formaten().AantalFormaten());
  Eis(e.BestType != 1 || e.RondeTeksten.empty());
  Eis(e.BestType >= kBestTypeVersie4 || e.Streepjescodes.empty());
  int vorige = 0, voorwerpen = int(e.Lijnen.size() + e.Figuren.size() + e.RondeTeksten.size());
  for (const StreepjescodeRecord& c : e.Streepjescodes) {
    Eis(c.Index > vorige && c.Index <= ++voorwerpen);
    Eis(ModulePast(c.Code.Modulebreedte) && MaatPast(c.Code.Hoogte));
    vorige = c.Index;
  }
  for (const FiguurRecord& f : e.Figuren) {
    Eis(f.Afbeelding.format() == QImage::Format_Mono);
    Eis(qint64(f.Afbeelding.width()) * f.Afbeelding.height() <= kMaxBeeldPunten);
    Eis(f.MetBron == (e.BestType != 1));
    Eis(e.BestType == kBestTypeVersie5 || f.omzetting.IsStandaard());
    Eis(f.omzetting.Drempel >= 0 && f.omzetting.Drempel <= 255);
    Eis(f.Grijs.isNull() || (f.Grijs.format() == QImage::Format_Grayscale8 && f.Grijs.size() == f.Afbeelding.size()));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const LeesUitkomst r = LeesEtiketUit(fuzz::Bytes(data, size), Formaten());
  const auto* e = std::get_if<GelezenEtiket>(&r);
  if (!e) {
    Eis(!std::get<LeesFout>(r).Melding().isEmpty());
    return 0;
  }
  Controleer(*e);

  BewaarResultaat bewaard;
  const QByteArray eerste = EtiketBytes(e->BestType, Toepassen(*e), e->FormaatNaam, &bewaard);
  Eis(bewaard.Gelukt() && !bewaard.TekstAangepast());
  const LeesUitkomst opnieuw = LeesEtiketUit(eerste, Formaten());
  const auto* e2 = std::get_if<GelezenEtiket>(&opnieuw);
  Eis(e2 != nullptr);
  Eis(e2->Lijnen.size() == e->Lijnen.size() && e2->Figuren.size() == e->Figuren.size() &&
      e2->RondeTeksten.size() == e->RondeTeksten.size() && e2->Streepjescodes.size() == e->Streepjescodes.size());
  for (size_t i = 0; i < e->Streepjescodes.size(); ++i) {
    Eis(e2->Streepjescodes[i].Index == e->Streepjescodes[i].Index);
    Eis(e2->Streepjescodes[i].Code.Gegevens == e->Streepjescodes[i].Code.Gegevens);
  }
  for (size_t i = 0; i < e->Lijnen.size(); ++i) Eis(e2->Lijnen[i].Tekst == e->Lijnen[i].Tekst);
  for (size_t i = 0; i < e->Figuren.size(); ++i) {
    Eis(ZelfdeDots(e2->Figuren[i].Afbeelding, e->Figuren[i].Afbeelding));
    Eis(e2->Figuren[i].omzetting == e->Figuren[i].omzetting);
    // Grey values of a dithered figure come back; a plain one's are not kept.
    if (!e->Figuren[i].omzetting.IsStandaard() && !e->Figuren[i].Grijs.isNull())
      Eis(e2->Figuren[i].Grijs == e->Figuren[i].Grijs);
  }
  Eis(EtiketBytes(e2->BestType, Toepassen(*e2), e2->FormaatNaam) == eerste);
  return 0;
}
