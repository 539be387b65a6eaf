#include "printing/Uitvoer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace printing {

namespace {
const QString kSpool = QStringLiteral("data.prn");
// The spool file of one job: "data-" and six letters, ".prn".
const QByteArray kSpoolPatroon = "/data-XXXXXX.prn";

QString Onbereikbaar(const Uitvoerkanaal& kanaal, const QString& waarom) {
  return QStringLiteral("De printer kan niet worden bereikt:\n") + kanaal.naam + QStringLiteral("\n\n") + waarom;
}

bool IsPijp(const QString& pad) {
  struct stat st {};
  return ::stat(QFile::encodeName(pad).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

// Opening a pipe for writing waits until someone reads from it: a program
// at the other end that has gone would hold the window for good. It is
// opened without waiting, then written to as a printer is, waiting when
// it is full.
std::optional<QString> OpenPijp(QFile& bestand, const Uitvoerkanaal& kanaal) {
  const int fd = ::open(QFile::encodeName(kanaal.pad).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return Onbereikbaar(kanaal, QStringLiteral("Er is geen printer op deze aansluiting."));
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  if (!bestand.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return Onbereikbaar(kanaal, bestand.errorString());
  }
  return std::nullopt;
}
}  // namespace

QString PoortApparaat(const QString& naam, const std::function<bool(const QString&)>& bestaat) {
  static const QRegularExpression lpt(QStringLiteral("^lpt([1-3]):?$"), QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch m = lpt.match(naam.trimmed());
  if (!m.hasMatch()) return naam;
  const int n = m.captured(1).toInt() - 1;
  const auto isEr = bestaat ? bestaat : [](const QString& p) { return QFileInfo::exists(p); };
  const QString usb = QStringLiteral("/dev/usb/lp%1").arg(n);
  return isEr(usb) ? usb : QStringLiteral("/dev/lp%1").arg(n);
}

QStringList PrinterApparaten(const QString& dev) {
  QStringList apparaten;
  for (const QString& map : {dev + QStringLiteral("/usb"), dev}) {
    QDir d(map, QStringLiteral("lp*"), QDir::Name, QDir::System | QDir::Files);
    for (const QString& naam : d.entryList())
      if (QRegularExpression(QStringLiteral("^lp[0-9]+$")).match(naam).hasMatch()) apparaten << d.filePath(naam);
  }
  return apparaten;
}

std::optional<QString> PoortFout(const QString& naam) {
  if (const Netwerknaam net = LeesNetwerknaam(naam); net.IsNetwerk())
    return net.adres ? std::nullopt : std::optional<QString>(net.fout);
  if (naam.trimmed().isEmpty()) return QStringLiteral("Er is geen apparaat of bestand opgegeven.");
  const QString pad = PoortApparaat(naam.trimmed());
  const QFileInfo info(pad);
  if (info.isDir()) return QStringLiteral("Dit is een map, geen apparaat of bestand.");
  if (info.exists()) {
    if (!info.isWritable()) return QStringLiteral("Er mag niet naar worden geschreven.");
    return std::nullopt;
  }
  // A printer device that is not there is never created.
  if (pad != naam.trimmed() || pad.startsWith(QStringLiteral("/dev/")))
    return QStringLiteral("Er is geen printer op deze aansluiting.");
  const QFileInfo map(info.absolutePath());
  if (!map.isDir()) return QStringLiteral("De map bestaat niet.");
  if (!map.isWritable()) return QStringLiteral("In deze map mag niet worden geschreven.");
  return std::nullopt;
}

QString PoortBetekenis(const QString& naam) {
  const Netwerknaam net = LeesNetwerknaam(naam);
  if (net.adres) return QStringLiteral("= netwerkprinter ") + net.adres->Tekst();
  if (net.IsNetwerk()) return QString();
  const QString pad = PoortApparaat(naam.trimmed());
  return pad != naam.trimmed() ? QStringLiteral("= ") + pad : QString();
}

QString SpoolMap(const QString& programmaMap) {
  const QFileInfo map(programmaMap);
  if (map.isDir() && map.isWritable()) return programmaMap;
  QString eigen = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  if (eigen.isEmpty()) eigen = QDir::homePath() + QStringLiteral("/.local/share/Vellora");
  QDir().mkpath(eigen);
  return eigen;
}

Uitvoerkanaal KiesKanaal(const Instellingen& i, const QString& programmaMap) {
  Uitvoerkanaal k;
  k.poort = i.PrinterPort;
  if (k.poort == 4) {
    k.pad = SpoolMap(programmaMap) + u'/' + kSpool;
    k.naam = k.pad;
  } else {
    const QString& naam = k.poort == 2 ? i.Printer2 : k.poort == 3 ? i.Printer3 : i.Printer1;
    if (auto net = NetwerkKanaal(naam, i)) {
      net->poort = k.poort;
      return *net;
    }
    k.pad = PoortApparaat(naam);
    k.apparaat = naam != k.pad;
    k.naam = k.apparaat ? naam + QStringLiteral(" (") + k.pad + u')' : naam;
  }
  return k;
}

std::optional<Uitvoerkanaal> NetwerkKanaal(const QString& naam, const Instellingen& i) {
  const Netwerknaam net = LeesNetwerknaam(naam);
  if (!net.IsNetwerk()) return std::nullopt;
  Uitvoerkanaal k;
  k.netwerk = net.adres;
  k.netwerkFout = net.fout;
  k.naam = naam.trimmed();
  // Its address, which no job waiting to be handed on ever has as a file.
  k.pad = net.adres ? QStringLiteral("tcp://%1:%2").arg(net.adres->host).arg(net.adres->poort) : k.naam;
  k.wachttijden = {int(i.ConnectTimeout * 1000), int(i.WriteTimeout * 1000)};
  return k;
}

std::optional<QString> OpenKanaal(QFile& bestand, Uitvoerkanaal& kanaal) {
  if (kanaal.poort == 4) {
    QByteArray patroon = QFile::encodeName(QFileInfo(kanaal.pad).absolutePath()) + kSpoolPatroon;
    const int fd = ::mkostemps(patroon.data(), 4, O_CLOEXEC);
    if (fd < 0) return Onbereikbaar(kanaal, QString::fromLocal8Bit(std::strerror(errno)));
    kanaal.pad = kanaal.naam = QFile::decodeName(patroon);
    if (!bestand.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
      ::close(fd);
      QFile::remove(kanaal.pad);
      return Onbereikbaar(kanaal, bestand.errorString());
    }
    return std::nullopt;
  }
  const QFileInfo info(kanaal.pad);
  bestand.setFileName(kanaal.pad);
  if (kanaal.apparaat) {
    // A printer device that is not there is no file to create in /dev.
    if (!info.exists() || info.isFile() || info.isDir())
      return Onbereikbaar(kanaal, QStringLiteral("Er is geen printer op deze aansluiting."));
    if (!bestand.open(QIODevice::WriteOnly | QIODevice::ExistingOnly))
      return Onbereikbaar(kanaal, bestand.errorString());
    return std::nullopt;
  }
  if (IsPijp(kanaal.pad)) return OpenPijp(bestand, kanaal);
  if (info.isFile()) QFile::remove(kanaal.pad);  // a failure shows when opening
  if (!bestand.open(QIODevice::WriteOnly)) return Onbereikbaar(kanaal, bestand.errorString());
  return std::nullopt;
}

std::optional<QString> OpenKanaal(std::unique_ptr<QIODevice>& uit, Uitvoerkanaal& kanaal, bool laterVerbinden) {
  if (!kanaal.netwerkFout.isEmpty()) return Onbereikbaar(kanaal, kanaal.netwerkFout);
  if (!kanaal.netwerk) {
    auto bestand = std::make_unique<QFile>();
    if (auto melding = OpenKanaal(*bestand, kanaal)) return melding;
    uit = std::move(bestand);
    return std::nullopt;
  }
  auto verbinding = std::make_unique<Netwerkverbinding>(*kanaal.netwerk, kanaal.wachttijden);
  if (!laterVerbinden)
    if (const auto fout = verbinding->Verbind()) return Onbereikbaar(kanaal, *fout);
  verbinding->open(QIODevice::WriteOnly | QIODevice::Unbuffered);
  uit = std::move(verbinding);
  return std::nullopt;
}

bool LeverAf(QIODevice& uit) {
  if (auto* net = dynamic_cast<Netwerkverbinding*>(&uit)) return net->Afronden();
  if (auto* bestand = qobject_cast<QFileDevice*>(&uit)) return bestand->flush();
  return true;
}

QString SpoolProgramma(const QString& programmaMap) {
  const QString naast = programmaMap + QStringLiteral("/PrintFile");
  const QString geinstalleerd = QDir::cleanPath(programmaMap + QStringLiteral("/../libexec/vellora/PrintFile"));
  return !QFileInfo::exists(naast) && QFileInfo::exists(geinstalleerd) ? geinstalleerd : naast;
}

QString Doorgeeffout::Melding() const {
  if (!uitkomst.started)
    return QStringLiteral("Het programma dat het afdrukwerk doorgeeft kon niet worden gestart:\n") + programma +
           QStringLiteral("\n\n") + uitkomst.errorOutput;
  const QString hoe = uitkomst.crashed ? QStringLiteral("(afgebroken)")
                                       : QStringLiteral("(afsluitstatus %1)").arg(uitkomst.exitCode);
  return QStringLiteral("Het afdrukwerk kon niet worden doorgegeven:\n") + programma + QStringLiteral("\n\n") +
         (uitkomst.errorOutput.isEmpty() ? hoe : uitkomst.errorOutput + u'\n' + hoe);
}

QString WachtMelding(const Uitvoerkanaal& kanaal) {
  return QStringLiteral("Het vorige afdrukwerk naar\n") + kanaal.naam +
         QStringLiteral("\nwordt nog doorgegeven. Probeer het zo opnieuw.");
}

void Doorgeven::NaDeJob(const Uitvoerkanaal& kanaal, const Instellingen& i, Doorgegeven klaar) {
  Opdracht o;
  // A device or a network printer is no file that a later job could write over.
  if (!kanaal.apparaat && !kanaal.netwerk) o.pad = kanaal.pad;
  o.klaar = std::move(klaar);
  if (kanaal.poort == 4) {
    const QFileInfo spool(kanaal.pad);
    o.programma = SpoolProgramma(programmaMap_);
    o.argumenten = {spool.fileName(), i.WindowsPrinter};
    o.map = spool.absolutePath();
    o.weg = true;
  } else {
    const QString& opdracht = kanaal.poort == 2 ? i.Shell2 : kanaal.poort == 3 ? i.Shell3 : i.Shell1;
    // The command line is split into its program and arguments here, so no
    // shell ever reads it.
    QStringList delen = QProcess::splitCommand(opdracht);
    if (delen.isEmpty()) {
      if (o.klaar) o.klaar(std::nullopt);
      return;
    }
    o.programma = delen.takeFirst();
    o.argumenten = delen;
    o.map = programmaMap_;
  }
  rij_.push_back(std::move(o));
  Volgende();
}

bool Doorgeven::Wacht(const QString& pad) const {
  return std::any_of(rij_.begin(), rij_.end(), [&](const Opdracht& o) { return o.pad == pad; });
}

void Doorgeven::Volgende() {
  if (loopt_ || rij_.empty()) return;
  loopt_ = true;
  // Copies: a starter may report the end before it returns.
  const Opdracht o = rij_.front();
  starter_.start(o.programma, o.argumenten, o.map, [this](const platform::ProcessResult& r) {
    Opdracht klaar = std::move(rij_.front());
    rij_.pop_front();
    loopt_ = false;
    if (klaar.weg) QFile::remove(klaar.pad);
    if (klaar.klaar) klaar.klaar(r.ok() ? std::nullopt : std::optional<Doorgeeffout>({klaar.programma, r}));
    Volgende();
  });
}

}  // namespace printing
