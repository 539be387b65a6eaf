#pragma once
#include <QByteArray>

#include "files/Catalogus.h"

using namespace files;

// A small catalogue for the tests: a rectangular roll, a round label, a
// tall label, a shape that is neither, and a sheet of 2 x 3 labels.
inline QByteArray TestCatalogusTekst() {
  return "5\r\n"
         "\"89 x 36\",0,89,36,92,39,1,1,95,39,3,1.5,1,1.5,2,2.5\r\n"
         "\"Rond 40\",1,40,40,43,43,2,1,90,43,2,1.5,2,2,2,2\r\n"
         "\"101.6 x 152.4\",0,101.6,152.4,101.6,155.58,1,1,108,155.58,3.2,1.59,1,1,1,1\r\n"
         "\"Vreemd\",5,30,20,33,23,1,1,40,23,5,1,1,1,1,1\r\n"
         "\"50 x 30\",0,50,30,53,33,2,3,110,99,3,1.5,1,1,1,1\r\n";
}

inline FormatenTabel TestCatalogus() { return std::get<FormatenTabel>(LeesFormatenUit(TestCatalogusTekst(), "test")); }
