// Loaded into the real program with LD_PRELOAD: writes the moment of every SDL_CreateWindow (a
// screen's Form_Load has just run and armed its first timer), SDL_ShowWindow and
// SDL_RenderPresent (the frames the user sees) to the file named by METRIA_PRESENT_LOG, in
// milliseconds since the process started (METRIA_LAUNCH_NS from timed_exec, else since this
// library was loaded), with how long the call itself took (microseconds) and the CPU time the
// process has used so far (milliseconds, every thread). The program is not changed.
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

struct SDL_Renderer;
struct SDL_Window;

namespace {

long long clock_ns(clockid_t clock) {
  timespec t{};
  clock_gettime(clock, &t);
  return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

long long monotonic_ns() { return clock_ns(CLOCK_MONOTONIC); }

struct PresentLog {
  FILE* file = nullptr;
  long long origin_ns = 0;

  PresentLog() {
    const char* launched = std::getenv("METRIA_LAUNCH_NS");
    origin_ns = launched ? std::atoll(launched) : monotonic_ns();
    if (const char* path = std::getenv("METRIA_PRESENT_LOG")) file = std::fopen(path, "w");
  }
  // Line-buffered by hand: the program is killed at the end of a measurement.
  void write(const char* what, long long at_ns, long long took_ns) {
    if (!file) return;
    std::fprintf(file, "%s %.3f %.1f %.3f\n", what, static_cast<double>(at_ns - origin_ns) / 1e6,
                 static_cast<double>(took_ns) / 1e3, static_cast<double>(clock_ns(CLOCK_PROCESS_CPUTIME_ID)) / 1e6);
    std::fflush(file);
  }
};

PresentLog& present_log() {
  static PresentLog log;
  return log;
}

template <typename Function>
Function next_definition(const char* name) {
  return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" void SDL_RenderPresent(SDL_Renderer* renderer) {
  static const auto real = next_definition<void (*)(SDL_Renderer*)>("SDL_RenderPresent");
  const long long start = monotonic_ns();
  real(renderer);
  const long long end = monotonic_ns();
  present_log().write("present", end, end - start);
}

extern "C" SDL_Window* SDL_CreateWindow(const char* title, int x, int y, int w, int h, unsigned flags) {
  static const auto real = next_definition<SDL_Window* (*)(const char*, int, int, int, int, unsigned)>("SDL_CreateWindow");
  present_log().write("create", monotonic_ns(), 0);
  return real(title, x, y, w, h, flags);
}

extern "C" void SDL_ShowWindow(SDL_Window* window) {
  static const auto real = next_definition<void (*)(SDL_Window*)>("SDL_ShowWindow");
  present_log().write("show", monotonic_ns(), 0);
  real(window);
}

// Stamp the origin as early as possible when the launcher did not.
__attribute__((constructor)) void stamp_origin() { present_log(); }
