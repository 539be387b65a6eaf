#include <gtest/gtest.h>

#include "files/Instellingen.h"
#include "platform/SettingsStore.h"
#include "printing/Printermodel.h"

using namespace printing;

// The settings reader keeps "Printer" within a range of its own: a model
// added to the table beyond that range would silently print as another.
TEST(PrintermodelInstelling, EveryModelsStoredValueSurvivesTheSettingsOnEveryConnection) {
  for (const Printermodel& m : Printermodellen()) {
    for (qint16 poort = 1; poort <= 4; ++poort) {
      platform::MemorySettingsStore s;
      Instellingen i;
      i.PrinterPort = poort;
      i.Printer = m.Printer;
      i.PrinterModel = {m.Printer, m.Printer, m.Printer, m.Printer};
      BewaarStand(s, 1, {}, true, false, i);
      const Instellingen terug = LeesStand(s, QString(), 0).instellingen;
      EXPECT_EQ(terug.Printer, m.Printer) << m.naam;
      EXPECT_EQ(terug.PrinterModel[poort - 1], m.Printer) << m.naam;
      EXPECT_EQ(terug.PrinterModel[poort % 4], m.Printer) << m.naam;
      EXPECT_STREQ(PrintermodelVoor(terug.Printer).naam, m.naam);
    }
  }
}
