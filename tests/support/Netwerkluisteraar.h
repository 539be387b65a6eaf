#pragma once
// A printer on 127.0.0.1 for tests: a plain socket on a thread of its own
// that takes one connection and reads it as it is told to.
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QByteArray>
#include <atomic>
#include <thread>

class Netwerkluisteraar {
 public:
  enum class Gedrag {
    AllesLezen,   // reads until the other side closes
    DeelLezen,    // reads `deel` bytes, then closes with the rest unread
    NietLezen,    // accepts and never reads, until the test ends
    NietAannemen  // a full queue that takes no connection: connecting hangs
  };

  explicit Netwerkluisteraar(Gedrag gedrag, qint64 deel = 0) : gedrag_(gedrag), deel_(deel) {
    fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    int ja = 1;
    ::setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &ja, sizeof ja);
    if (gedrag != Gedrag::AllesLezen) {
      // Small, so that what a printer that stops reading holds is small too.
      int klein = 4096;
      ::setsockopt(fd_, SOL_SOCKET, SO_RCVBUF, &klein, sizeof klein);
    }
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t lengte = sizeof a;
    ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &lengte);
    poort_ = ntohs(a.sin_port);
    ::listen(fd_, 0);
    if (gedrag == Gedrag::NietAannemen) {
      // Connections the queue holds unaccepted fill it: the next one's
      // handshake is never answered.
      for (int& v : vullers_) {
        v = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        ::connect(v, reinterpret_cast<sockaddr*>(&a), sizeof a);
      }
      ::usleep(100000);
      return;
    }
    draad_ = std::thread([this] { Loop(); });
  }

  ~Netwerkluisteraar() {
    klaar_ = true;
    ::shutdown(fd_, SHUT_RDWR);
    if (draad_.joinable()) draad_.join();
    for (int v : vullers_)
      if (v >= 0) ::close(v);
    ::close(fd_);
  }

  int poort() const { return poort_; }
  // What it read, once the connection has ended (AllesLezen, DeelLezen).
  QByteArray Gelezen() {
    if (draad_.joinable()) draad_.join();
    return gelezen_;
  }

 private:
  void Loop() {
    const int c = ::accept(fd_, nullptr, nullptr);
    if (c < 0) return;
    char blok[65536];
    while (gedrag_ != Gedrag::NietLezen) {
      qint64 wil = sizeof blok;
      if (gedrag_ == Gedrag::DeelLezen) wil = std::min<qint64>(wil, deel_ - gelezen_.size());
      if (wil <= 0) break;
      const ssize_t n = ::recv(c, blok, size_t(wil), 0);
      if (n <= 0) break;
      gelezen_.append(blok, n);
    }
    while (gedrag_ == Gedrag::NietLezen && !klaar_) ::usleep(10000);
    ::close(c);
  }

  Gedrag gedrag_;
  qint64 deel_;
  int fd_ = -1;
  int poort_ = 0;
  int vullers_[3] = {-1, -1, -1};
  std::atomic<bool> klaar_{false};
  QByteArray gelezen_;
  std::thread draad_;
};
