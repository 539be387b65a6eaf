#include "printing/Netwerkprinter.h"

#include <linux/sockios.h>
#include <linux/tcp.h>
#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QLocale>
#include <QRegularExpression>
#include <cerrno>
#include <cstddef>
#include <cstring>

namespace printing {

namespace {

const QLocale kNl(QLocale::Dutch);
// The kernel's TCP_CLOSE state, which only the header that clashes with
// linux/tcp.h names.
constexpr int kTcpDicht = 7;

// "1 seconde", "0,5 seconde", "60 seconden".
QString Seconden(int ms) {
  if (ms <= 1000) return kNl.toString(ms / 1000.0, 'g', 3) + QStringLiteral(" seconde");
  return kNl.toString(ms / 1000.0, 'g', 4) + QStringLiteral(" seconden");
}

// Whether `tekst` is an address of that family, as the system reads one.
bool IsAdres(int familie, const QString& tekst) {
  unsigned char adres[sizeof(in6_addr)];
  return ::inet_pton(familie, tekst.toLatin1().constData(), adres) == 1;
}

QString PoortFout() { return QStringLiteral("Een poortnummer loopt van 1 tot 65535."); }

// A host as a printer's name can be: a DNS name or IPv4 address; an IPv6
// address only inside brackets, since its colons would read as a port.
bool GeldigeHost(const QString& host) {
  if (host.isEmpty() || host.size() > 253) return false;
  static const QRegularExpression label(QStringLiteral("^[A-Za-z0-9]([A-Za-z0-9-]{0,61}[A-Za-z0-9])?$"));
  const QStringList delen = host.split(u'.');
  for (const QString& deel : delen)
    if (!label.match(deel).hasMatch()) return false;
  // Four numbers is meant as an IPv4 address, and must be one.
  static const QRegularExpression getallen(QStringLiteral("^[0-9.]+$"));
  if (getallen.match(host).hasMatch()) return IsAdres(AF_INET, host);
  return true;
}

// "host", "host:port", "[v6]" or "[v6]:port"; `metPoort`: the port must be given.
Netwerknaam LeesHostPoort(const QString& tekst, bool metPoort) {
  Netwerknaam n;
  static const QRegularExpression vorm(QStringLiteral("^(?:\\[([^\\]]*)\\]|([^:\\[\\]/]*))(?::([^:]*))?$"));
  const QRegularExpressionMatch m = vorm.match(tekst);
  if (!m.hasMatch()) {
    n.fout = QStringLiteral("Schrijf een netwerkprinter als tcp://naam of tcp://naam:poort.");
    return n;
  }
  const bool haken = m.capturedStart(1) >= 0;
  const QString host = haken ? m.captured(1) : m.captured(2);
  if (host.isEmpty()) {
    n.fout = QStringLiteral("Er is geen naam of adres van de printer opgegeven.");
    return n;
  }
  if (haken ? !IsAdres(AF_INET6, host) : !GeldigeHost(host)) {
    n.fout = QStringLiteral("\"%1\" is geen geldige naam of adres van een printer.").arg(host);
    return n;
  }
  Netwerkadres adres{host, kStandaardNetwerkpoort};
  if (m.capturedStart(3) >= 0) {
    static const QRegularExpression cijfers(QStringLiteral("^[0-9]{1,5}$"));
    const QString poort = m.captured(3);
    if (!cijfers.match(poort).hasMatch() || poort.toInt() < 1 || poort.toInt() > 65535) {
      n.fout = (poort.isEmpty() ? QStringLiteral("Er is geen poortnummer opgegeven. ")
                                : QStringLiteral("Het poortnummer %1 bestaat niet. ").arg(poort)) +
               PoortFout();
      return n;
    }
    adres.poort = poort.toInt();
  } else if (metPoort) {
    return n;
  }
  n.adres = adres;
  return n;
}

}  // namespace

QString Netwerkadres::Tekst() const {
  return host + QStringLiteral(", poort ") + QString::number(poort);
}

Netwerknaam LeesNetwerknaam(const QString& naam) {
  const QString tekst = naam.trimmed();
  static const QString schema = QStringLiteral("tcp://");
  if (tekst.startsWith(schema, Qt::CaseInsensitive)) return LeesHostPoort(tekst.mid(schema.size()), false);
  // Without the scheme only "name:digits" or "[v6]:digits" is meant for the
  // network: a path, "lpt1:" or a bare name stays what it always was.
  static const QRegularExpression kaal(QStringLiteral("^(\\[[^\\]]*\\]|[A-Za-z0-9.-]+):[0-9]+$"));
  if (!kaal.match(tekst).hasMatch()) return {};
  return LeesHostPoort(tekst, true);
}

// The connection

Netwerkverbinding::Netwerkverbinding(Netwerkadres adres, Wachttijden tijden)
    : adres_(std::move(adres)), tijden_(tijden) {}

Netwerkverbinding::~Netwerkverbinding() { Netwerkverbinding::close(); }

QString Netwerkverbinding::Wie() const { return QStringLiteral("De printer op ") + adres_.Tekst(); }

std::optional<QString> Netwerkverbinding::Verbind() {
  if (fd_ >= 0) return std::nullopt;
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* lijst = nullptr;
  const int r = ::getaddrinfo(adres_.host.toUtf8().constData(), QByteArray::number(adres_.poort).constData(), &hints,
                              &lijst);
  if (r == EAI_AGAIN)
    return QStringLiteral("De naam %1 kon niet worden opgezocht: de naamserver van het netwerk antwoordt niet.")
        .arg(adres_.host);
  if (r != 0)
    return QStringLiteral("De printer %1 is niet gevonden: het netwerk kent die naam niet.").arg(adres_.host);
  const QDeadlineTimer tijd(tijden_.verbindenMs);
  bool geweigerd = false, verlopen = false;
  int anders = 0;
  // Every address the name has, until one answers or the time is up.
  for (addrinfo* a = lijst; a && fd_ < 0 && !verlopen; a = a->ai_next) {
    const int fd = ::socket(a->ai_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
    if (fd < 0) {
      anders = errno;
      continue;
    }
    int fout = ::connect(fd, a->ai_addr, a->ai_addrlen) == 0 ? 0 : errno;
    if (fout == EINPROGRESS) {
      pollfd p{fd, POLLOUT, 0};
      int n;
      do n = ::poll(&p, 1, int(std::max<qint64>(0, tijd.remainingTime())));
      while (n < 0 && errno == EINTR);
      socklen_t lengte = sizeof fout;
      if (n <= 0) {
        verlopen = true;
      } else if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &fout, &lengte) != 0) {
        fout = errno;
      }
    }
    if (!verlopen && fout == 0) {
      fd_ = fd;
      bereikt_ = true;
      break;
    }
    ::close(fd);
    if (fout == ECONNREFUSED) geweigerd = true;
    else if (fout == ETIMEDOUT) verlopen = true;
    else if (fout != 0 && fout != EINPROGRESS) anders = fout;
  }
  ::freeaddrinfo(lijst);
  if (fd_ >= 0) return std::nullopt;
  if (geweigerd)
    return Wie() + QStringLiteral(" weigert de verbinding: daar luistert geen printer. Kijk het adres en de poort na.");
  if (verlopen)
    return Wie() + QStringLiteral(" antwoordt niet: na %1 is er nog geen verbinding. Staat de printer aan "
                                  "en is hij op het netwerk aangesloten?")
                       .arg(Seconden(tijden_.verbindenMs));
  return Wie() + QStringLiteral(" is niet bereikbaar: ") + QString::fromLocal8Bit(std::strerror(anders));
}

qint64 Netwerkverbinding::Aangekomen() const {
  if (fd_ < 0) return 0;
  tcp_info info{};
  socklen_t lengte = sizeof info;
  if (::getsockopt(fd_, IPPROTO_TCP, TCP_INFO, &info, &lengte) == 0 &&
      lengte >= offsetof(tcp_info, tcpi_bytes_acked) + sizeof info.tcpi_bytes_acked)
    return qint64(info.tcpi_bytes_acked);
  // An older system: what was written less what still waits in the queue.
  int wacht = 0;
  if (::ioctl(fd_, SIOCOUTQ, &wacht) != 0) return 0;
  return geschreven_ - wacht;
}

void Netwerkverbinding::Afgebroken(const QString& waarom) {
  mislukt_ = true;
  const qint64 aangekomen = std::min(Aangekomen(), geschreven_);
  QString zin = QStringLiteral("Het afdrukwerk is afgebroken: niet alle etiketten zijn afgedrukt.\nDe printer heeft %1 "
                               "bytes ontvangen")
                    .arg(kNl.toString(aangekomen));
  if (velGemeld_) {
    qint64 heel = 0;
    for (const auto& [bytes, etiketten] : vellen_)
      if (bytes <= aangekomen) heel = etiketten;
    zin += heel == 0 ? QStringLiteral(", geen enkel etiket volledig.")
                     : heel == 1 ? QStringLiteral(", daarin 1 volledig etiket.")
                                 : QStringLiteral(", daarin %1 volledige etiketten.").arg(kNl.toString(heel));
  } else {
    zin += u'.';
  }
  setErrorString(waarom + QStringLiteral("\n\n") + zin);
}

qint64 Netwerkverbinding::writeData(const char* data, qint64 lengte) {
  if (mislukt_) return -1;
  if (fd_ < 0) {
    if (const auto fout = Verbind()) {
      mislukt_ = true;
      setErrorString(*fout);
      return -1;
    }
  }
  qint64 gedaan = 0;
  while (gedaan < lengte) {
    const ssize_t n = ::send(fd_, data + gedaan, size_t(lengte - gedaan), MSG_NOSIGNAL);
    if (n > 0) {
      gedaan += n;
      geschreven_ += n;
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      // The queue is full: the printer is not reading. Any room it makes
      // starts the wait anew.
      // Waited for in short steps, so that a program that ends need not
      // wait out the printer.
      const QDeadlineTimer stil(tijden_.schrijvenMs);
      int r = 0;
      while (r == 0 && !stil.hasExpired() && !afbreken_) {
        pollfd p{fd_, POLLOUT, 0};
        r = ::poll(&p, 1, int(std::min<qint64>(100, stil.remainingTime())));
        if (r < 0 && errno == EINTR) r = 0;
      }
      if (afbreken_) {
        Afgebroken(QStringLiteral("Het afdrukwerk is gestopt terwijl de printer geen gegevens aannam."));
        return -1;
      }
      if (r == 0) {
        Afgebroken(QStringLiteral("De printer heeft %1 lang geen gegevens meer aangenomen.")
                       .arg(Seconden(tijden_.schrijvenMs)));
        return -1;
      }
      continue;  // room, or an error that the next send reports
    }
    Afgebroken(QStringLiteral("De verbinding met de printer is midden in het afdrukwerk verbroken (%1).")
                   .arg(QString::fromLocal8Bit(std::strerror(n < 0 ? errno : EPIPE))));
    return -1;
  }
  return lengte;
}

void Netwerkverbinding::VelAf(qint64 etiketten) {
  velGemeld_ = true;
  vellen_.emplace_back(geschreven_, etiketten);
  // Only the last sheet the printer already has is still needed; the queue
  // bounds how far the writes run ahead of it.
  if (vellen_.size() > 64) {
    const qint64 aangekomen = Aangekomen();
    while (vellen_.size() >= 2 && vellen_[1].first <= aangekomen) vellen_.pop_front();
  }
}

bool Netwerkverbinding::Afronden() {
  if (mislukt_) return false;
  if (fd_ < 0) {
    QIODevice::close();
    return true;  // nothing was written, so nothing was sent
  }
  QDeadlineTimer stil(tijden_.schrijvenMs);
  qint64 vorige = Aangekomen();
  for (;;) {
    int fout = 0;
    socklen_t lengte = sizeof fout;
    ::getsockopt(fd_, SOL_SOCKET, SO_ERROR, &fout, &lengte);
    tcp_info info{};
    socklen_t infoLengte = sizeof info;
    const bool dicht = ::getsockopt(fd_, IPPROTO_TCP, TCP_INFO, &info, &infoLengte) == 0 && info.tcpi_state == kTcpDicht;
    const qint64 nu = Aangekomen();
    if (fout == 0 && !dicht && nu >= geschreven_) break;
    if (fout != 0 || dicht) {
      Afgebroken(QStringLiteral("De verbinding met de printer is verbroken voordat hij alles had ontvangen (%1).")
                     .arg(QString::fromLocal8Bit(std::strerror(fout ? fout : ECONNRESET))));
      Sluit();
      return false;
    }
    if (nu > vorige) {
      vorige = nu;
      stil.setRemainingTime(tijden_.schrijvenMs);
    }
    if (stil.hasExpired() || afbreken_) {
      Afgebroken(QStringLiteral("De printer heeft %1 lang geen gegevens meer aangenomen.")
                     .arg(Seconden(tijden_.schrijvenMs)));
      Sluit();
      return false;
    }
    ::poll(nullptr, 0, 20);
  }
  ::shutdown(fd_, SHUT_WR);
  close();
  return true;
}

void Netwerkverbinding::Sluit() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

void Netwerkverbinding::close() {
  Sluit();
  QIODevice::close();
}

}  // namespace printing
