#include <QApplication>
#include <gtest/gtest.h>

// Every test program gets a QApplication; without a display it must run on
// the offscreen platform, also when the build lists the tests.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vellora-test"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
