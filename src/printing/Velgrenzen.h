#pragma once
#include <QtGlobal>

#include "printing/Layer.h"

namespace printing {

// An output that wants to know where in the stream the sheets end, so that
// when a job breaks off it can tell how many labels got through whole. The
// job tells it after writing each sheet's end.
class Velgrenzen {
 public:
  virtual ~Velgrenzen() = default;
  // A sheet has just ended: `etiketten` labels are printed from the stream so far.
  virtual void VelAf(qint64 etiketten) = 0;
};

}  // namespace printing
