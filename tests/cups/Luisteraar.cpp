// A stand-in printer for the spooling test: listens on a free port of the
// loopback address, writes the port number to a file, takes one connection
// and stores every byte it receives. Gives up after a minute.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: Luisteraar PORTFILE OUTFILE\n");
    return 2;
  }
  alarm(60);
  const int s = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in adres{};
  adres.sin_family = AF_INET;
  adres.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  adres.sin_port = 0;
  if (s < 0 || bind(s, reinterpret_cast<sockaddr*>(&adres), sizeof adres) != 0 || listen(s, 1) != 0) return 1;
  socklen_t lengte = sizeof adres;
  getsockname(s, reinterpret_cast<sockaddr*>(&adres), &lengte);
  {
    std::ofstream poort(argv[1]);
    poort << ntohs(adres.sin_port) << "\n";
  }
  const int c = accept(s, nullptr, nullptr);
  if (c < 0) return 1;
  std::vector<char> alles;
  char buffer[65536];
  for (ssize_t n; (n = read(c, buffer, sizeof buffer)) > 0;) alles.insert(alles.end(), buffer, buffer + n);
  std::ofstream uit(argv[2], std::ios::binary);
  uit.write(alles.data(), std::streamsize(alles.size()));
  return uit ? 0 : 1;
}
