#include <gtest/gtest.h>

#include "printing/Netwerkprinter.h"
#include "printing/Uitvoer.h"

using namespace printing;

TEST(Netwerkprinter, ANetworkNameGivesHostAndPortAndEveryOtherNameStaysAPath) {
  struct Geval {
    const char* naam;
    const char* host;  // nullptr: a device or file path
    int poort;
  };
  const Geval gevallen[] = {
      {"tcp://192.168.1.20", "192.168.1.20", 9100},
      {"TCP://printer.magazijn.local:6101", "printer.magazijn.local", 6101},
      {" etiket-3:9100 ", "etiket-3", 9100},
      {"[fe80::1]:515", "fe80::1", 515},
      {"tcp://[::1]", "::1", 9100},
      {"tcp://10.0.0.7:65535", "10.0.0.7", 65535},
      // What they always were.
      {"lpt1:", nullptr, 0},
      {"LPT2", nullptr, 0},
      {"/dev/usb/lp0", nullptr, 0},
      {"/tmp/printer:9100", nullptr, 0},
      {"etiketten.prn", nullptr, 0},
      {"printer", nullptr, 0},
      {"printer:abc", nullptr, 0},
  };
  for (const Geval& g : gevallen) {
    const Netwerknaam n = LeesNetwerknaam(QString::fromLatin1(g.naam));
    EXPECT_TRUE(n.fout.isEmpty()) << g.naam << ": " << n.fout.toStdString();
    ASSERT_EQ(n.adres.has_value(), g.host != nullptr) << g.naam;
    if (!g.host) continue;
    EXPECT_EQ(n.adres->host, QString::fromLatin1(g.host)) << g.naam;
    EXPECT_EQ(n.adres->poort, g.poort) << g.naam;
  }
}

TEST(Netwerkprinter, TheDialogsCheckRefusesABadNetworkNameAndShowsWhatAGoodOneStandsFor) {
  const std::pair<const char*, const char*> fout[] = {
      {"printer:0", "Het poortnummer 0 bestaat niet. Een poortnummer loopt van 1 tot 65535."},
      {"tcp://printer:65536", "Het poortnummer 65536 bestaat niet. Een poortnummer loopt van 1 tot 65535."},
      {"tcp://printer:", "Er is geen poortnummer opgegeven. Een poortnummer loopt van 1 tot 65535."},
      {"tcp://", "Er is geen naam of adres van de printer opgegeven."},
      {"tcp://300.1.2.3", "\"300.1.2.3\" is geen geldige naam of adres van een printer."},
      {"tcp://drukker_1", "\"drukker_1\" is geen geldige naam of adres van een printer."},
      {"[::g]:9100", "\"::g\" is geen geldige naam of adres van een printer."},
  };
  for (const auto& [naam, melding] : fout)
    EXPECT_EQ(PoortFout(QString::fromLatin1(naam)).value_or(QStringLiteral("geen fout")), QString::fromUtf8(melding))
        << naam;
  // Only the form is checked: no printer is asked.
  EXPECT_FALSE(PoortFout(QStringLiteral("tcp://geen-printer.invalid")).has_value());
  EXPECT_EQ(PoortBetekenis(QStringLiteral("tcp://192.168.1.20")), QStringLiteral("= netwerkprinter 192.168.1.20, poort 9100"));
  EXPECT_EQ(PoortBetekenis(QStringLiteral("printer:0")), QString());
  EXPECT_EQ(PoortBetekenis(QStringLiteral("/tmp/x.prn")), QString());

  // The channel of a connection that names one carries its address and the
  // settings' waits.
  Instellingen i;
  i.Printer3 = QStringLiteral("tcp://[::1]:9101");
  i.PrinterPort = 3;
  i.WriteTimeout = 2.5;
  const Uitvoerkanaal k = KiesKanaal(i, QString());
  ASSERT_TRUE(k.netwerk.has_value());
  EXPECT_EQ(k.netwerk->poort, 9101);
  EXPECT_EQ(k.poort, 3);
  EXPECT_EQ(k.naam, QStringLiteral("tcp://[::1]:9101"));
  EXPECT_EQ(k.wachttijden.schrijvenMs, 2500);
  EXPECT_EQ(k.wachttijden.verbindenMs, 10000);
}
