// The benchmark binary: Google Benchmark's own report on stdout, and, when METRIA_BENCH_FIGURES
// names a file, the percentiles of every figure there for bench/run.sh.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "figures.h"
#include "offscreen_display.h"

int main(int argc, char** argv) {
  metria::bench::start_sdl_headless();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (const char* path = std::getenv("METRIA_BENCH_FIGURES")) metria::bench::write_figures(path);
  return 0;
}
