#pragma once

// The layer of the design value and its parts. Its names live in namespace
// model, which sees the names of the layers it is built on unqualified.
namespace model {
}  // namespace model
