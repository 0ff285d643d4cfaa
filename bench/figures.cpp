// The figures of one run of the benchmark binary.
#include "figures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <map>
#include <stdexcept>

namespace metria::bench {

namespace {

std::map<std::string, double>& figures() {
  static std::map<std::string, double> all;
  return all;
}

}  // namespace

double Stopwatch::thread_cpu_us() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

double Samples::percentile(double p) const {
  if (m_us.empty()) return 0;
  std::vector<double> sorted = m_us;
  std::sort(sorted.begin(), sorted.end());
  const auto rank = static_cast<std::size_t>(std::ceil(p / 100.0 * static_cast<double>(sorted.size())));
  return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
}

void record_figure(const std::string& key, double value) { figures()[key] = value; }

void record_samples(const std::string& key, const Samples& samples) {
  record_figure(key + ".p50", samples.median());
  record_figure(key + ".p99", samples.percentile(99));
  record_figure(key + ".max", samples.max());
  record_figure(key + ".n", static_cast<double>(samples.size()));
}

void record_timings(const std::string& key, const Timings& timings) {
  record_samples(key, timings.wall);
  record_samples(key + ".cpu", timings.cpu);
}

void write_figures(const std::string& path) {
  FILE* out = std::fopen(path.c_str(), "w");
  if (!out) throw std::runtime_error("cannot write " + path);
  for (const auto& [key, value] : figures()) std::fprintf(out, "%s %.3f\n", key.c_str(), value);
  std::fclose(out);
}

}  // namespace metria::bench
