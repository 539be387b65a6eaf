// Writes the example designs into a folder (data/examples of the tree):
//   maak_voorbeelden CATALOGUE FOLDER
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "Voorbeelden.h"
#include "files/Catalogus.h"

using namespace files;

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: maak_voorbeelden CATALOGUE FOLDER\n");
    return 2;
  }
  const auto catalogus = LeesFormaten(QString::fromLocal8Bit(argv[1]));
  const FormatenTabel* formaten = std::get_if<FormatenTabel>(&catalogus);
  if (!formaten) {
    std::fprintf(stderr, "maak_voorbeelden: cannot read the catalogue %s\n", argv[1]);
    return 1;
  }
  for (const Voorbeeld& v : Voorbeelden(*formaten)) {
    const QByteArray bytes = v.Bytes();
    QFile f(QString::fromLocal8Bit(argv[2]) + u'/' + v.Bestand);
    if (bytes.isEmpty() || !f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
      std::fprintf(stderr, "maak_voorbeelden: cannot write %s\n", qPrintable(f.fileName()));
      return 1;
    }
  }
  return 0;
}
