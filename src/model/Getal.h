#pragma once
#include <QString>
#include "model/Layer.h"

namespace model {

// The leading number of a text with a period as decimal separator, the way
// the program reads numbers typed or stored by the user: blanks are skipped,
// and a text that does not start with a number counts as 0.
double LeesGetal(const QString& tekst, bool* gevonden = nullptr);

}  // namespace model
