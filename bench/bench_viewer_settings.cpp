// Loading and saving the viewer's settings: an ordinary file, and an 11 MB one (a last log with
// 1.2 million collapsed groups and forty thousand sections of record classes no longer installed).

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "viewer/core/settings.h"

namespace {

std::string TemporaryName() {
  char path[] = "/tmp/tracebook-bench-ini-XXXXXX";
  close(mkstemp(path));
  return path;
}

// Writes the large file and returns its name.
std::string WriteLargeSettings() {
  const std::string path = TemporaryName();
  std::ofstream out(path, std::ios::binary);
  for (int i = 0; i < 40'000; ++i) {
    out << "[TRemovedEvent" << i << "]\nEnabled=1\nColor=-2147483640\nBold=0\nItalic=0\n\n";
  }
  constexpr int kCollapsed = 1'200'000;
  out << "[LastLog]\nFilename=/logs/app.evt\nTickCount=1000\nCollapse=" << kCollapsed;
  for (int i = 0; i < kCollapsed; ++i) out << ',' << i * 7;
  out << '\n';
  return path;
}

void Measure(benchmark::State& state, const std::string& path, bool save) {
  TOXOptions settings(path);
  settings.Load();
  for (auto _ : state) {
    if (save) {
      settings.Save();
    } else {
      settings.Load();
    }
  }
  state.counters["file_MB"] =
      static_cast<double>(std::filesystem::file_size(path)) / (1024.0 * 1024.0);
  unlink(path.c_str());
}

void BM_SaveOrdinarySettings(benchmark::State& state) {
  const std::string path = TemporaryName();
  unlink(path.c_str());
  Measure(state, path, true);
}
BENCHMARK(BM_SaveOrdinarySettings)->Unit(benchmark::kMillisecond);

void BM_LoadLargeSettings(benchmark::State& state) { Measure(state, WriteLargeSettings(), false); }
BENCHMARK(BM_LoadLargeSettings)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SaveLargeSettings(benchmark::State& state) { Measure(state, WriteLargeSettings(), true); }
BENCHMARK(BM_SaveLargeSettings)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
