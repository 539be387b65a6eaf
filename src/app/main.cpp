#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <csignal>
#include <cstdio>

#include "files/EigenFormaten.h"
#include "files/Voorraadvellen.h"
#include "platform/AppInfo.h"
#include "platform/SettingsStore.h"
#include "platformwidgets/MessageService.h"
#include "platformwidgets/Translations.h"
#include "ui/Bestandsopdrachten.h"
#include "ui/Etiket.h"

using namespace ui;

namespace {

// The command line, read before any window exists, so that --help and
// --version work without a display. The design to open, if one was given.
QString LeesOpdrachtregel(int argc, char** argv) {
  QCoreApplication kern(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("vellora"));
  QCoreApplication::setApplicationVersion(platform::appinfo::versionText().mid(2));
  QCommandLineParser p;
  p.setApplicationDescription(QStringLiteral("Vellora: design labels and print them on thermal label printers."));
  p.addHelpOption();
  p.addVersionOption();
  p.addPositionalArgument(QStringLiteral("DESIGN.VLO"), QStringLiteral("A design to open at start-up."),
                          QStringLiteral("[DESIGN.VLO]"));
  // Qt's own options (-platform offscreen, -style ...) are the window
  // system's business: taken here, read again by the application.
  p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  for (const char* naam : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                           "qwindowicon", "qwindowtitle", "display", "geometry", "style", "stylesheet", "session"}) {
    QCommandLineOption qt(QString::fromLatin1(naam), {}, QStringLiteral("value"));
    qt.setFlags(QCommandLineOption::HiddenFromHelp);
    p.addOption(qt);
  }
  for (const char* naam : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
    QCommandLineOption qt(QString::fromLatin1(naam));
    qt.setFlags(QCommandLineOption::HiddenFromHelp);
    p.addOption(qt);
  }
  p.process(kern);  // --help, --version and wrong options end the program here
  if (p.positionalArguments().size() > 1) {
    std::fprintf(stderr, "vellora: give at most one design file; see --help\n");
    std::exit(2);
  }
  return p.positionalArguments().value(0);
}

}  // namespace

int main(int argc, char** argv) {
  // A printer port that goes away mid-job (a pipe whose reader ended) is a
  // failed write the job reports, not the end of the program.
  std::signal(SIGPIPE, SIG_IGN);
  const QString ontwerp = LeesOpdrachtregel(argc, argv);

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vellora"));
  QApplication::setDesktopFileName(QStringLiteral("vellora"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/vellora.svg")));
  platform::installDutchQtTranslations();

  platform::IniSettingsStore instellingen(platform::IniSettingsStore::defaultPath());
  platform::QtMessageService meldingen;
  EtiketOpties opties;
  opties.instellingen = &instellingen;
  opties.meldingen = &meldingen;
  opties.eigenFormaten = files::EigenFormatenPad(instellingen.path());
  opties.sjablonenMap = files::SjablonenMap();

  Etiket etiket(opties);
  meldingen.setParent(&etiket);
  if (!etiket.Form_Load()) return 1;
  etiket.show();
  if (!ontwerp.isEmpty()) etiket.bestanden().OpenBijStart(ontwerp);
  return app.exec();
}
