// Samples of a measured figure, their percentiles, and the summary file that bench/run.sh reads:
// one "key value" line per figure.
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace metria::bench {

class Samples {
 public:
  void add(double microseconds) { m_us.push_back(microseconds); }
  std::size_t size() const { return m_us.size(); }
  // Nearest-rank percentile, p in [0, 100]; 0 when there is no sample.
  double percentile(double p) const;
  double median() const { return percentile(50); }
  double max() const { return percentile(100); }

 private:
  std::vector<double> m_us;
};

// Microseconds since construction: wall time, and the CPU time of the calling thread (which leaves
// out the time the thread waited for a core that other processes held).
class Stopwatch {
 public:
  Stopwatch() : m_start(std::chrono::steady_clock::now()), m_cpu_start(thread_cpu_us()) {}
  double elapsed_us() const {
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - m_start).count();
  }
  double cpu_us() const { return thread_cpu_us() - m_cpu_start; }

 private:
  static double thread_cpu_us();
  std::chrono::steady_clock::time_point m_start;
  double m_cpu_start;
};

// Wall and CPU samples of one figure.
struct Timings {
  Samples wall, cpu;
  // Adds the stopwatch's figures and returns the wall time in seconds, for SetIterationTime.
  double add(const Stopwatch& watch) {
    const double cpu_us = watch.cpu_us(), wall_us = watch.elapsed_us();
    wall.add(wall_us);
    cpu.add(cpu_us);
    return wall_us / 1e6;
  }
};

// Kept until write_figures(); a later value of the same key replaces the earlier one.
void record_figure(const std::string& key, double value);
void record_samples(const std::string& key, const Samples& samples);  // key.p50, key.p99, key.max, key.n
void record_timings(const std::string& key, const Timings& timings);  // key.* (wall), key.cpu.*
void write_figures(const std::string& path);

}  // namespace metria::bench
