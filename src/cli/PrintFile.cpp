// The spooling program of the "Windows printer" connection: hands a file,
// byte for byte, to an operating-system printer as a raw job.
//   PrintFile FILE "PRINTER"
// An empty printer name means the system's default printer.
#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: PrintFile FILE [PRINTER]\n");
    return 2;
  }
  const std::string bestand = argv[1];
  const std::string printer = argc == 3 ? argv[2] : "";
  std::vector<std::string> args = {"lp"};
  if (!printer.empty()) {
    args.push_back("-d");
    args.push_back(printer);
  }
  args.push_back("-o");
  args.push_back("raw");
  // "--" keeps a file name starting with "-" from being read as an option.
  args.push_back("--");
  args.push_back(bestand);
  std::vector<char*> argv2;
  for (auto& a : args) argv2.push_back(a.data());
  argv2.push_back(nullptr);
  const pid_t kind = fork();
  if (kind < 0) {
    std::perror("PrintFile");
    return 1;
  }
  if (kind == 0) {
    execvp("lp", argv2.data());
    std::perror("PrintFile: lp");
    _exit(127);
  }
  int status = 0;
  if (waitpid(kind, &status, 0) < 0) return 1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
