#pragma once

// The layer of text set along a circle. Its names live in namespace
// roundtext, which sees the names of the layers it is built on unqualified.
namespace model {}
namespace roundtext {
using namespace model;
}  // namespace roundtext
