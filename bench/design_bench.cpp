// One automatic design, one optimization, the automatic selection on the shipped default series
// and on a 100-core series where no size succeeds, and the session's start-up.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "bench_support.h"

namespace impulsor::bench {

namespace fs = std::filesystem;

fs::path benchFolder() {
  static const fs::path folder = [] {
    const fs::path f = fs::temp_directory_path() / "impulsor-bench";
    fs::create_directories(f);
    fs::copy_file(kData / "KVZN-TH cores.txt", f / "KVZN-TH cores.txt",
                  fs::copy_options::overwrite_existing);
    std::ifstream in(kData / "KVZN-TH cores.txt", std::ios::binary);
    const std::string shipped{std::istreambuf_iterator<char>(in), {}};
    std::ostringstream worst;
    for (int i = 0; i < 100; ++i) {
      // A large inductance factor passes the estimate at once; a 1 mm hole holds no primary.
      worst << "[W" << 1000 + i << "]\r\nOD = " << 20 + i
            << "\r\nID = 1\r\nOH = 10\r\nOD0 = " << 20 + i
            << "\r\nID0 = 1\r\nH0 = 10\r\nle = " << 40 + i
            << "\r\nAe = 100\r\nAL = " << 0.5 + 0.01 * i << "\r\n";
    }
    worst << shipped.substr(shipped.find("[END]"));
    std::ofstream(f / "Worst cores.txt", std::ios::binary) << worst.str();
    return f;
  }();
  return folder;
}

namespace {

// Argument 0: the fast evaluation the program uses; 1: the plain step-by-step evaluation.
struct StartedSession {
  SilentBoxes boxes;
  ImpulsorSession session{benchFolder(), boxes};
  explicit StartedSession(const benchmark::State& state) {
    session.setPlainEvaluation(state.range(0) == 1);
    session.startUp(/*readSettings=*/false);
    session.completeStartUp();
  }
};

void AutomaticDesignOnOneCore(benchmark::State& state) {
  StartedSession s(state);
  for (auto _ : state) s.session.recalculateCurrentCore();
  if (*s.session.lastStatus() != 0) state.SkipWithError("the default design failed");
}
BENCHMARK(AutomaticDesignOnOneCore)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void Optimization(benchmark::State& state) {
  StartedSession s(state);
  for (auto _ : state) s.session.optimize();
  if (s.boxes.shown != 0) state.SkipWithError("the optimization showed a message");
}
BENCHMARK(Optimization)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void AutomaticSelectionDefaultSeries(benchmark::State& state) {
  StartedSession s(state);
  for (auto _ : state) s.session.automaticSelection();
}
BENCHMARK(AutomaticSelectionDefaultSeries)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void AutomaticSelectionWorstCase100Cores(benchmark::State& state) {
  StartedSession s(state);
  const auto& list = s.session.seriesList();
  const int worst =
      static_cast<int>(std::find(list.begin(), list.end(), "Worst cores") - list.begin());
  s.session.chooseSeries(worst);
  if (s.session.coreList().size() != 100) state.SkipWithError("the worst-case series did not load");
  for (auto _ : state) s.session.automaticSelection();
  // Every size was designed: the selection ends on the last one.
  if (s.session.currentCore() != 99) state.SkipWithError("a size succeeded");
}
BENCHMARK(AutomaticSelectionWorstCase100Cores)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void SessionStartUp(benchmark::State& state) {
  for (auto _ : state) {
    StartedSession s(state);
    benchmark::DoNotOptimize(s.session.results().text(1040));
  }
}
BENCHMARK(SessionStartUp)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace impulsor::bench
