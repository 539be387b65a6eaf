#pragma once

// The layer of design files, the catalogue, settings and recovery copies. Its
// names live in namespace files, which sees the names of the layers it is
// built on unqualified.
namespace model {}
namespace files {
using namespace model;
}  // namespace files
