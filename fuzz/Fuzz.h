// What every fuzz target shares: the application object the readers need,
// and the check that turns a broken promise into a finding.
#pragma once
#include <QCoreApplication>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

// A broken promise names its line, so a finding says which one it broke.
inline void Eis(bool waar, const char* bestand = __builtin_FILE(), int regel = __builtin_LINE()) {
  if (waar) return;
  std::fprintf(stderr, "check failed: %s:%d\n", bestand, regel);
  std::abort();
}

inline QByteArray Bytes(const uint8_t* data, size_t size) {
  return QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
}

}  // namespace fuzz

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  // Picture plugins are found through the application's library paths.
  static QCoreApplication app(*argc, *argv);
  return 0;
}
