// Runs a fuzz target's checks once on every file in the folders given,
// without the fuzzer: how the inputs that once found a fault stay tests.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
  LLVMFuzzerInitialize(&argc, &argv);
  int gelezen = 0;
  for (int i = 1; i < argc; ++i) {
    QDirIterator it(QString::fromLocal8Bit(argv[i]), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
      QFile f(it.next());
      if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(f.fileName()));
        return 1;
      }
      const QByteArray bytes = f.readAll();
      // A failed check aborts, naming the file last printed.
      std::printf("%s\n", qPrintable(f.fileName()));
      std::fflush(stdout);
      LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
      ++gelezen;
    }
  }
  std::printf("%d inputs passed\n", gelezen);
  return gelezen > 0 ? 0 : 1;
}
