#pragma once

// The layer of the editor without widgets. Its names live in namespace
// editor, which sees the names of the layers it is built on unqualified.
namespace model {}
namespace files {}
namespace roundtext {}
namespace barcodes {}
namespace printing {}
namespace editor {
using namespace model;
using namespace files;
using namespace roundtext;
using namespace barcodes;
using namespace printing;
}  // namespace editor
