// A program that is killed mid-edit: it opens a design, changes it, says
// "klaar" once its recovery copy is on disk, and waits to be killed. The
// design it opens has one line; the typed text goes to a second.
#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>

#include "files/Herstelkopie.h"
#include "support/NepOmgeving.h"
#include "ui/Bestandsopdrachten.h"
#include "ui/Etiket.h"

using namespace ui;

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() != 5) return 2;  // catalogue, recovery folder, design, text to type
  NepOmgeving omgeving;
  EtiketOpties opties = omgeving.NepOpties(args[1]);
  opties.herstelMap = args[2];
  opties.herstelMs = 100;
  Etiket e(opties);
  if (!e.Form_Load()) return 3;
  e.show();
  omgeving.bestanden.answers.push_back({args[3], {}});
  e.findChild<QAction*>(QStringLiteral("mnuOpenen"))->trigger();
  e.findChild<QAction*>(QStringLiteral("mnuTekstLijnen2"))->trigger();
  e.findChild<QLineEdit*>(QStringLiteral("txtTekstlijn"))->setText(args[4]);
  QTimer kijk;
  QObject::connect(&kijk, &QTimer::timeout, [&] {
    if (!e.bestanden().herstelkopie().Bestaat()) return;
    kijk.stop();
    std::puts("klaar");
    std::fflush(stdout);
  });
  kijk.start(20);
  return app.exec();
}
