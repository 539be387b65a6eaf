// Feeds arbitrary bytes to the settings file reader. The stored state read
// from it stays within its ranges, and after the program's own save every
// section it knew reads back as it was, whatever the file held around it.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "Fuzz.h"
#include "files/Instellingen.h"
#include "platform/SettingsStore.h"

using namespace files;

using fuzz::Eis;

namespace {

const QString& Pad() {
  // Each run saves the file for real: in memory where the system offers it.
  static QTemporaryDir map(QDir(QStringLiteral("/dev/shm")).exists()
                               ? QStringLiteral("/dev/shm/vellora-fuzz-XXXXXX")
                               : QDir::tempPath() + QStringLiteral("/vellora-fuzz-XXXXXX"));
  static const QString pad = map.filePath(QStringLiteral("vellora.conf"));
  return pad;
}

// Names compare without letter case, and a save may keep the file's spelling.
QList<QPair<QString, QString>> Sectie(const platform::SettingsStore& s, const QString& naam) {
  QList<QPair<QString, QString>> uit = s.readSection(naam);
  for (auto& [sleutel, waarde] : uit) sleutel = sleutel.toCaseFolded();
  return uit;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  {
    QFile f(Pad());
    Eis(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    Eis(f.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size));
  }
  platform::IniSettingsStore eerste(Pad());
  const OpgeslagenStand stand = LeesStand(eerste, QStringLiteral("/map"), 0);
  const Instellingen& i = stand.instellingen;
  Eis(i.Printer >= 1 && i.Printer <= kHoogstePrinter && i.PrinterPort >= 1 && i.PrinterPort <= 4);
  for (const qint16 model : i.PrinterModel) Eis(model >= 1 && model <= kHoogstePrinter);
  Eis(i.PrinterModel[size_t(i.PrinterPort - 1)] == i.Printer);
  Eis(i.PrintSpeed >= 1 && i.PrintSpeed <= 5 && i.Intensity >= 1 && i.Intensity <= 5);

  // A save of the state read, plus one value of any kind.
  const QStringList waarde = {QStringLiteral(" ;[x]=\\y\n"), QStringLiteral("\r;")};
  BewaarStand(eerste, stand.Formaat, stand.venster, stand.Spaarstand, stand.ToonAfdrukbaarGebied, i);
  eerste.writeList(QStringLiteral("Fuzz"), QStringLiteral("[;=\\"), waarde);
  Eis(eerste.flush());

  const platform::IniSettingsStore tweede(Pad());
  Eis(tweede.readList(QStringLiteral("Fuzz"), QStringLiteral("[;=\\")) == waarde);
  // The print offsets live in a section named after the format.
  for (const char* sectie : {"Defaults", "Galleries", "Recent", "89 x 36"}) {
    const QString naam = QString::fromLatin1(sectie);
    Eis(Sectie(tweede, naam) == Sectie(eerste, naam));
  }
  const OpgeslagenStand terug = LeesStand(tweede, QStringLiteral("/map"), 0);
  Eis(terug.instellingen.Printer1 == i.Printer1 && terug.instellingen.Galerijen == i.Galerijen);
  return 0;
}
