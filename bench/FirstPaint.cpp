// The program's start against the floor of Qt. Run without arguments it starts, `runs` times
// (20 unless given), a copy of itself that builds the window as the program does
// (app/ProgramWindow.h) and the bare Qt window of bare_window (a menu bar and a painted grid),
// alternately, and prints for each the time from just before the process started to the end of
// its main window's first paint (loading the program and its libraries, connecting to the
// display, building and painting the window) and the peak memory by then; then the medians,
// the program's worst time, and the program's figures as a ratio to the bare window's.
#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "FirstPaintWatch.h"
#include "Median.h"
#include "app/ProgramWindow.h"
#include "opponent/Die.h"
#include "ui/MainWindow.h"

using namespace quintara::bench;

namespace {

int StartedCopy(int argc, char* argv[], long long startedAt) {
  QApplication application(argc, argv);
  FirstPaintWatch watch(startedAt);
  application.installEventFilter(&watch);
  quintara::ClockDie die;
  const auto window =
      quintara::app::ShowProgramWindow(application, die, QStringLiteral(QUINTARA_PROGRAM_FOLDER));
  return application.exec();
}

struct Start {
  double milliseconds = 0;
  double megabytes = 0;
};

// Starts `program` as a copy and reads its report; false when it painted no window.
bool Run(const std::string& program, Start& start) {
  const std::string command = std::string(kStartedAt) + "=" +
                              std::to_string(MonotonicNanoseconds()) + " '" + program +
                              "' 2>/dev/null";
  FILE* copy = popen(command.c_str(), "r");
  if (copy == nullptr) return false;
  long kilobytes = 0;
  const bool read = std::fscanf(copy, "%lf %ld", &start.milliseconds, &kilobytes) == 2;
  start.megabytes = kilobytes / 1024.0;
  return pclose(copy) == 0 && read;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (const char* startedAt = std::getenv(kStartedAt)) {
    return StartedCopy(argc, argv, std::atoll(startedAt));
  }
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  std::vector<double> times, bareTimes, memory, bareMemory;
  for (int run = 0; run < runs; ++run) {
    Start program, bare;
    // Each goes first in every other run, so that neither gains from the other's warm caches.
    const bool programFirst = run % 2 == 0;
    if (!Run(programFirst ? argv[0] : QUINTARA_BARE_WINDOW, programFirst ? program : bare) ||
        !Run(programFirst ? QUINTARA_BARE_WINDOW : argv[0], programFirst ? bare : program)) {
      std::fprintf(stderr, "run %d: no window painted\n", run + 1);
      return 1;
    }
    times.push_back(program.milliseconds);
    memory.push_back(program.megabytes);
    bareTimes.push_back(bare.milliseconds);
    bareMemory.push_back(bare.megabytes);
    std::printf(
        "run %2d: first window painted after %.1f ms, %.1f MB (bare window %.1f ms, %.1f MB)\n",
        run + 1, program.milliseconds, program.megabytes, bare.milliseconds, bare.megabytes);
  }
  const double time = Median(times), bareTime = Median(bareTimes);
  const double peak = Median(memory), barePeak = Median(bareMemory);
  std::printf("first window painted: median %.1f ms, worst %.1f ms over %d runs\n", time,
              *std::max_element(times.begin(), times.end()), runs);
  std::printf("bare window painted: median %.1f ms; the program takes %.2fx its time\n", bareTime,
              time / bareTime);
  std::printf("peak memory at the first paint: median %.1f MB, bare window %.1f MB; %.2fx\n", peak,
              barePeak, peak / barePeak);
  return 0;
}
