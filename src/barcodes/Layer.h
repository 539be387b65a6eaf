#pragma once

// The layer of barcode encoding. Its names live in namespace barcodes, which
// sees the names of the layers it is built on unqualified.
namespace model {}
namespace barcodes {
using namespace model;
}  // namespace barcodes
