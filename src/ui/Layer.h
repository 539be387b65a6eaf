#pragma once

// The layer of the window, its panels and dialogs. Its names live in
// namespace ui, which sees the names of the layers it is built on
// unqualified.
namespace model {}
namespace files {}
namespace roundtext {}
namespace figures {}
namespace barcodes {}
namespace printing {}
namespace editor {}
namespace ui {
using namespace model;
using namespace files;
using namespace roundtext;
using namespace figures;
using namespace barcodes;
using namespace printing;
using namespace editor;
}  // namespace ui
