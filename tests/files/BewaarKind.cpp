// A program that saves a large design over a file again and again until it
// is killed. It says "klaar" once the design is made, just before the first
// save.
#include <QCoreApplication>
#include <cstdio>

#include "files/BewaarEtiket.h"
#include "files/GrootOntwerp.h"

using namespace files;

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 2) return 2;  // the file to save over
  const QString pad = QString::fromLocal8Bit(argv[1]);
  const Ontwerp ontwerp = GrootOntwerp('n');
  std::puts("klaar");
  std::fflush(stdout);
  // Not forever: a test that lost track of it must not leave it running.
  for (int i = 0; i < 1000; ++i)
    if (!BewaarEtiket(pad, 2, ontwerp, GrootFormaat()).Gelukt()) return 3;
  return 0;
}
