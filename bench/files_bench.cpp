// Loading the largest shipped series file, reading a design file, and the command line from
// start to its printed report (the whole process).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>

#include "bench_support.h"
#include "design_file.h"
#include "series_file.h"
#include "series_list.h"

extern char** environ;

namespace impulsor::bench {
namespace {

namespace fs = std::filesystem;

void LoadLargestShippedSeries(benchmark::State& state) {
  std::string largest;
  std::uintmax_t size = 0;
  for (const std::string& series : listSeries(kData)) {
    const auto bytes = fs::file_size(kData / (series + ".txt"));
    if (bytes > size) size = bytes, largest = series;
  }
  CoreCatalog catalog;
  for (auto _ : state) {
    if (loadSeries(kData, largest, catalog)) state.SkipWithError("the series did not load");
  }
  state.SetLabel(largest + ", " + std::to_string(size) + " bytes");
}
BENCHMARK(LoadLargestShippedSeries)->Unit(benchmark::kMicrosecond);

void ReadDesignFile(benchmark::State& state) {
  const fs::path file = benchFolder() / "bench.sav";
  if (writeDesignFile(file, DesignInputs{})) state.SkipWithError("cannot write the design file");
  for (auto _ : state) {
    const DesignFileRead read = readDesignFile(file);
    benchmark::DoNotOptimize(read.inputs.Umin);
  }
}
BENCHMARK(ReadDesignFile)->Unit(benchmark::kMicrosecond);

void CommandLineStartUpToReport(benchmark::State& state) {
  const std::string folder = kData.string();
  std::vector<std::string> args = {IMPULSOR_CLI, "--dir", folder};
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  for (auto _ : state) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    if (posix_spawn(&pid, IMPULSOR_CLI, &actions, nullptr, argv.data(), environ) != 0)
      state.SkipWithError("cannot start the command line");
    int status = 0;
    waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("it failed");
  }
}
BENCHMARK(CommandLineStartUpToReport)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace impulsor::bench
