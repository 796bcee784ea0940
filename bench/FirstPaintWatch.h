#pragma once

// What a started copy of the first-paint benchmark reports: once the first paint of its main
// window (all its widgets) is over, the time since its parent started it and the peak memory
// so far, on one line ("<ms> <kB>"), then it quits.
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QMainWindow>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace quintara::bench {

// Set by the parent to the monotonic time (ns) at which it starts a copy.
inline constexpr const char* kStartedAt = "QUINTARA_FIRST_PAINT_STARTED_AT_NS";

inline long long MonotonicNanoseconds() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// The process's peak resident memory (kB), as /usr/bin/time -v reports it at the end.
inline long PeakMemoryKilobytes() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
    if (line.startsWith("VmHWM:")) return std::atol(line.constData() + 6);
  }
  return 0;
}

// Installed on the application before its window shows.
class FirstPaintWatch : public QObject {
 public:
  explicit FirstPaintWatch(long long startedAt) : startedAt_(startedAt) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!seen_ && event->type() == QEvent::Paint && widget &&
        qobject_cast<QMainWindow*>(widget->window())) {
      seen_ = true;
      // Queued behind the rest of this paint.
      QTimer::singleShot(0, [this] {
        std::printf("%.1f %ld\n", (MonotonicNanoseconds() - startedAt_) / 1e6,
                    PeakMemoryKilobytes());
        std::fflush(stdout);
        QCoreApplication::exit(0);
      });
    }
    return false;
  }

 private:
  long long startedAt_;
  bool seen_ = false;
};

}  // namespace quintara::bench
