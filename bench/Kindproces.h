// Measures a task in a fresh process of the benchmark program itself, as a
// user starts the editor or the command-line printer. The child times its
// own work and prints "<seconds> <peak KiB> ..." on standard output; the
// peak is read by the child: the kernel's figure for a spawned child may
// still count the parent's pages.
#pragma once
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

extern char** environ;

// The child's peak resident memory in KiB.
inline long PiekKiB() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& regel : status.readAll().split('\n'))
    if (regel.startsWith("VmHWM:")) return regel.mid(6).trimmed().split(' ').value(0).toLong();
  return -1;
}

struct Meting {
  bool gelukt = false;
  double tijd = 0;     // s, the child's own measurement
  double piekMiB = 0;  // the child's peak resident memory, as it read it
  double totaal = 0;   // s, start to end of the child process
  std::string uit;     // all it printed
};

// Runs this program again with the arguments given.
inline Meting Draai(const std::vector<std::string>& argumenten) {
  Meting m;
  int pijp[2];
  if (pipe(pijp) != 0) return m;
  posix_spawn_file_actions_t acties;
  posix_spawn_file_actions_init(&acties);
  posix_spawn_file_actions_adddup2(&acties, pijp[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&acties, pijp[0]);
  std::vector<char*> argv = {const_cast<char*>("/proc/self/exe")};
  for (const std::string& a : argumenten) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  QElapsedTimer klok;
  klok.start();
  pid_t kind = 0;
  const int fout = posix_spawn(&kind, "/proc/self/exe", &acties, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&acties);
  close(pijp[1]);
  if (fout != 0) {
    close(pijp[0]);
    return m;
  }
  char buf[256];
  for (ssize_t n; (n = read(pijp[0], buf, sizeof buf)) > 0;) m.uit.append(buf, size_t(n));
  close(pijp[0]);
  int status = 0;
  if (waitpid(kind, &status, 0) != kind) return m;
  m.totaal = double(klok.nsecsElapsed()) / 1e9;
  long piek = -1;
  m.gelukt = WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
             std::sscanf(m.uit.c_str(), "%lf %ld", &m.tijd, &piek) == 2 && piek > 0;
  m.piekMiB = double(piek) / 1024.0;
  return m;
}

// Each iteration runs one child; its own time is the iteration's, and the
// worst peak and process time become counters. The last measurement, or
// one that did not succeed (the benchmark is then skipped).
inline Meting MeetInKind(benchmark::State& state, const std::vector<std::string>& argumenten) {
  Meting m;
  double piek = 0, totaal = 0;
  for (auto _ : state) {
    m = Draai(argumenten);
    if (!m.gelukt) {
      state.SkipWithError("the child process failed");
      return m;
    }
    state.SetIterationTime(m.tijd);
    piek = std::max(piek, m.piekMiB);
    totaal = std::max(totaal, m.totaal);
  }
  state.counters["piek_MiB"] = piek;
  state.counters["proces_s"] = totaal;
  return m;
}
