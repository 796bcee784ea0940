// The time from starting the program to its first painted window. Run without arguments it
// starts itself `runs` times (20 unless given), one after another, and prints each time and
// their median and worst. Each started copy builds the window exactly as the program does
// (src/app/main.cpp: the die, the chime, the best-scores file) and reports, once the first
// paint of the main window has finished, the time since its parent started it: loading the
// program and its libraries, connecting to the display, building and painting the window.
#include <QApplication>
#include <QEvent>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Median.h"
#include "opponent/Die.h"
#include "ui/ChimeSound.h"
#include "ui/FileScoreStore.h"
#include "ui/frmJeuxDePoints.h"

namespace {

constexpr const char* kStartedAt = "QUINTARA_FIRST_PAINT_STARTED_AT_NS";

long long MonotonicNanoseconds() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// Reports the time once the first paint of the window (all its widgets) is over, then quits.
class FirstPaintWatch : public QObject {
 public:
  FirstPaintWatch(QWidget& window, long long startedAt) : window_(window), startedAt_(startedAt) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!seen_ && event->type() == QEvent::Paint && widget && widget->window() == &window_) {
      seen_ = true;
      // Queued behind the rest of this paint.
      QTimer::singleShot(0, [this] {
        std::printf("%.1f\n", (MonotonicNanoseconds() - startedAt_) / 1e6);
        std::fflush(stdout);
        QCoreApplication::exit(0);
      });
    }
    return false;
  }

 private:
  QWidget& window_;
  long long startedAt_;
  bool seen_ = false;
};

int StartedCopy(int argc, char* argv[], long long startedAt) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quintara"));
  quintara::ClockDie die;
  quintara::ui::frmJeuxDePoints window(die);
  window.setPointSound(std::make_unique<quintara::ui::ChimeSound>(QStringLiteral(QUINTARA_CHIME)));
  window.setScoreStore(std::make_unique<quintara::ui::FileScoreStore>(
      QApplication::applicationDirPath(),
      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
  FirstPaintWatch watch(window, startedAt);
  application.installEventFilter(&watch);
  window.show();
  return application.exec();
}

}  // namespace

int main(int argc, char* argv[]) {
  if (const char* startedAt = std::getenv(kStartedAt)) {
    return StartedCopy(argc, argv, std::atoll(startedAt));
  }
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    const std::string command = std::string(kStartedAt) + "=" +
                                std::to_string(MonotonicNanoseconds()) + " '" + argv[0] +
                                "' 2>/dev/null";
    FILE* copy = popen(command.c_str(), "r");
    if (copy == nullptr) return 1;
    char line[64] = {};
    const bool read = std::fgets(line, sizeof line, copy) != nullptr;
    if (pclose(copy) != 0 || !read) {
      std::fprintf(stderr, "run %d: no window painted\n", run + 1);
      return 1;
    }
    times.push_back(std::atof(line));
    std::printf("run %2d: first window painted after %.1f ms\n", run + 1, times.back());
  }
  std::printf("first window painted: median %.1f ms, worst %.1f ms over %d runs\n",
              quintara::bench::Median(times), *std::max_element(times.begin(), times.end()), runs);
  return 0;
}
