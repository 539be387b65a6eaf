#pragma once

class QPrinter;
class QWidget;

namespace platform {

// The system's print dialog, behind an interface so tests can answer it
// (a test points the printer at a PDF file).
class PrintDialogs {
 public:
  virtual ~PrintDialogs() = default;
  // Lets the user choose and set up the printer. `firstLabel` (1 to
  // `labelsPerSheet`) is where on a partly used first sheet to begin. False
  // when the user cancelled.
  virtual bool choosePrinter(QPrinter& printer, QWidget* parent, int& firstLabel, int labelsPerSheet) = 0;
};

class QtPrintDialogs : public PrintDialogs {
 public:
  bool choosePrinter(QPrinter& printer, QWidget* parent, int& firstLabel, int labelsPerSheet) override;
};

}  // namespace platform
