// timed_exec PROGRAM [ARGS...]: puts the current CLOCK_MONOTONIC time in METRIA_LAUNCH_NS and
// replaces itself with PROGRAM, so the moment recorded is the start of PROGRAM's process.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: timed_exec PROGRAM [ARGS...]\n");
    return 2;
  }
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  const std::string ns = std::to_string(static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec);
  setenv("METRIA_LAUNCH_NS", ns.c_str(), 1);
  execv(argv[1], argv + 1);
  std::perror(argv[1]);
  return 127;
}
