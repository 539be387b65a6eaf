#pragma once

// The layer of device drawing, the label raster, the job and its routes. Its
// names live in namespace printing, which sees the names of the layers it is
// built on unqualified.
namespace model {}
namespace files {}
namespace roundtext {}
namespace barcodes {}
namespace printing {
using namespace model;
using namespace files;
using namespace roundtext;
using namespace barcodes;
}  // namespace printing
