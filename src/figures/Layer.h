#pragma once

// The layer of pictures and their layout. Its names live in namespace
// figures, which sees the names of the layers it is built on unqualified.
namespace model {}
namespace figures {
using namespace model;
}  // namespace figures
