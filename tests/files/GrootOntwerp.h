#pragma once
#include "files/EtiketBestandHulp.h"

// A design of some megabytes, so that saving it takes a while: long text
// lines and a large figure. The letter fills the texts: two such designs
// are as long as each other and differ in every text byte.
inline Ontwerp GrootOntwerp(char letter) {
  Ontwerp o;
  for (int i = 0; i < 120; ++i) NieuweTekstlijn(o, QString(30000, QLatin1Char(letter)), -20, float(i % 10));
  NieuweFiguur(o, Bitmap(1200, 1200, [](int x, int y) { return ((x ^ y) & 8) != 0; }), 0, 0);
  return o;
}

// Its format, one of the test catalogue's.
inline QString GrootFormaat() { return QStringLiteral("50 x 30"); }
