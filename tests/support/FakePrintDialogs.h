#pragma once
#include <QPrinter>
#include <QString>

#include "platformwidgets/PrintDialogs.h"

// Answers the print dialog from a script: the printer becomes a PDF file,
// and the first label is the one given. An empty file name means Cancel.
class FakePrintDialogs : public platform::PrintDialogs {
 public:
  bool choosePrinter(QPrinter& printer, QWidget*, int& firstLabel, int labelsPerSheet) override {
    ++shown;
    offeredLabels = labelsPerSheet;
    if (pdf.isEmpty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    firstLabel = answerFirstLabel;
    return true;
  }

  QString pdf;
  int answerFirstLabel = 1;
  int shown = 0;
  int offeredLabels = 0;
};
