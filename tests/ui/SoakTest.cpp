// The window under a long run of random events: clicks anywhere, mouse moves, keys, resizes and
// menus, the game's state checked after every one of them. The run is seeded; the seed is
// printed, and QUINTARA_SOAK_SEED replays it. QUINTARA_SOAK_EVENTS and
// QUINTARA_SOAK_GROWTH_EVENTS set the lengths of the two runs.
#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <array>
#include <chrono>
#include <deque>
#include <memory>
#include <random>

#include "SoakChecks.h"
#include "WindowHarness.h"
#include "board/ShownArea.h"
#include "support/MemoryScoreStore.h"
#include "ui/SheetWidget.h"
#include "ui/Twips.h"
#include "ui/frmApropos.h"
#include "ui/frmChoix.h"
#include "ui/frmStatistique.h"

using namespace quintara;
using namespace quintara::testing;

namespace {

using std::chrono::milliseconds;

unsigned long long FromEnvironment(const char* name, unsigned long long otherwise) {
  bool ok = false;
  const unsigned long long value = qEnvironmentVariable(name).toULongLong(&ok);
  return ok ? value : otherwise;
}

// The computer's die, rolled from the run's own generator so that a seed replays the run.
class SeededDie : public DieSource {
 public:
  explicit SeededDie(std::mt19937& random) : random_(random) {}
  int Roll() override { return std::uniform_int_distribution<int>(1, 6)(random_); }

 private:
  std::mt19937& random_;
};

// Closes every modal window of the game as soon as it shows, after playing with it a little:
// the opponent and level dialog is used or left, the rules are scrolled.
class ModalCloser : public QObject {
 public:
  explicit ModalCloser(std::mt19937& random) : random_(random) {
    QApplication::instance()->installEventFilter(this);
  }
  ~ModalCloser() override { QApplication::instance()->removeEventFilter(this); }

  int closed = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Show) return false;
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (dialog == nullptr || !dialog->isWindow()) return false;
    // Queued, so that it runs inside the dialog's own event loop.
    QMetaObject::invokeMethod(
        dialog, [this, dialog] { Answer(dialog); }, Qt::QueuedConnection);
    return false;
  }

 private:
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  void Answer(QDialog* dialog) {
    if (!dialog->isVisible()) return;
    if (auto* choix = qobject_cast<ui::frmChoix*>(dialog)) UseChoix(*choix);
    if (auto* rules = qobject_cast<ui::frmApropos*>(dialog)) ScrollRules(*rules);
    ++closed;
    switch (Below(3)) {
      case 0: QTest::keyClick(dialog, Qt::Key_Escape); break;
      case 1: dialog->close(); break;
      default: {
        const auto buttons = dialog->findChildren<QPushButton*>();
        if (buttons.isEmpty()) {
          dialog->reject();
        } else {
          buttons[Below(static_cast<int>(buttons.size()))]->click();
        }
      }
    }
    // Whatever was pressed, the window must be gone now.
    if (dialog->isVisible()) dialog->reject();
  }

  void UseChoix(ui::frmChoix& choix) {
    static const std::array<QString, 5> kNames = {"", "Anne", "Zoé l'été", "Joueur 2",
                                                  "un nom bien trop long pour la case"};
    for (int steps = Below(4); steps > 0; --steps) {
      switch (Below(3)) {
        case 0: choix.optNiveau(Below(4))->click(); break;
        case 1: choix.optJoueur2(Below(2))->click(); break;
        default: {
          QLineEdit* field = choix.txtAdversaires(Below(2));
          field->selectAll();
          const QString& name = kNames[static_cast<std::size_t>(Below(5))];
          // Typed key by key where the keys exist; accents come as an input method sends them.
          if (name.toLatin1() == name.toUtf8()) {
            QTest::keyClicks(field, name);
          } else {
            field->insert(name);
          }
        }
      }
    }
  }

  void ScrollRules(ui::frmApropos& rules) {
    QScrollBar* bar = rules.scrollBar();
    for (int steps = Below(4); steps > 0; --steps) {
      if (Below(2) == 0) {
        bar->setValue(bar->minimum() + Below(bar->maximum() - bar->minimum() + 1));
      } else {
        bar->triggerAction(Below(2) == 0 ? QAbstractSlider::SliderPageStepAdd
                                         : QAbstractSlider::SliderSingleStepSub);
      }
    }
  }

  std::mt19937& random_;
};

enum class Kind { kClick, kClickCrossing, kDrag, kMove, kKey, kResize, kMaximise, kMenu };

struct Event {
  Kind kind;
  int a = 0;
  int b = 0;
};

QString Describe(const Event& event) {
  static const std::array<const char*, 8> kNames = {
      "click at", "click on crossing", "drag from", "move to",
      "key",      "resize to",         "maximise",  "menu"};
  return QStringLiteral("%1 %2 %3")
      .arg(QString::fromLatin1(kNames[static_cast<std::size_t>(event.kind)]))
      .arg(event.a)
      .arg(event.b);
}

class Soak {
 public:
  Soak(unsigned long long seed, milliseconds growth)
      : seed_(seed),
        random_(static_cast<std::mt19937::result_type>(seed)),
        die_(random_),
        closer_(random_),
        growth_(growth) {
    Open();
  }

  // Runs the events; the first broken rule, with the last few events, or an empty text.
  QString Run(long long count) {
    for (long long n = 0; n < count; ++n) {
      const SheetSnapshot before = SheetSnapshot::Of(window_->game());
      boxes_.clear();
      sounds_.clear();
      answers_.clear();
      for (int k = 0; k < 4; ++k) answers_ << (Below(2) == 0);

      const Event event = Next();
      recent_.push_back(event);
      if (recent_.size() > 12) recent_.pop_front();
      const EventReach reach = Apply(event);
      Settle(event.kind == Kind::kResize || event.kind == Kind::kMaximise ? 6 : 2);

      const SheetSnapshot after = SheetSnapshot::Of(window_->game());
      if (auto broken = BrokenRule(*window_, before, after, reach)) return Failure(n, *broken);
      if (auto broken = BrokenChime()) return Failure(n, *broken);
      if (!window_->isVisible()) {
        // Only "Voulez vous rejouer" answered No ends the program; start it again.
        if (boxes_.filter(QStringLiteral("Voulez vous rejouer")).isEmpty()) {
          return Failure(n, QStringLiteral("the window closed by itself"));
        }
        ++restarts;
        Open();
      }
    }
    return {};
  }

  // The chime has stopped once every point has grown.
  QString FinalChime() {
    sounds_.clear();
    QElapsedTimer waited;
    waited.start();
    while (window_->client().sheet().growing() && waited.elapsed() < 5000) QTest::qWait(5);
    if (window_->client().sheet().growing()) return QStringLiteral("a point never stopped growing");
    for (const QString& sound : sounds_) chimePlaying_ = sound == QStringLiteral("play");
    if (chimePlaying_) return QStringLiteral("the chime plays on after every point has grown");
    return {};
  }

  int restarts = 0;
  int Modals() const { return closer_.closed; }

 private:
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  void Open() {
    window_.reset();  // one window at a time, as the program has
    window_ = std::make_unique<ui::frmJeuxDePoints>(die_);
    window_->setGrowthDuration(growth_);
    window_->setPointSound(std::make_unique<RecordingSound>(sounds_));
    window_->setMessageBoxes(std::make_unique<ScriptedBoxes>(boxes_, answers_));
    window_->setScoreStore(std::make_unique<MemoryScoreStore>());
    window_->show();
    if (!QTest::qWaitForWindowExposed(window_.get())) qFatal("the window did not show");
    chimePlaying_ = false;
  }

  Event Next() {
    const QSize client = window_->client().size();
    const int roll = Below(1000);
    if (roll < 250) return {Kind::kClick, Below(client.width()), Below(client.height())};
    if (roll < 400) return {Kind::kClickCrossing, Between(0, 23), Between(0, 32)};
    if (roll < 420) return {Kind::kDrag, Below(client.width()), Below(client.height())};
    if (roll < 600) return {Kind::kMove, Below(client.width()), Below(client.height())};
    if (roll < 940) return {Kind::kKey, Below(100), 0};
    if (roll < 970) return {Kind::kResize, Between(300, 1100), Between(200, 800)};
    if (roll < 975) return {Kind::kMaximise, 0, 0};
    return {Kind::kMenu, Below(100), Below(3)};
  }

  EventReach Apply(const Event& event) {
    QWindow* handle = window_->windowHandle();
    ui::ClientArea& client = window_->client();
    const auto inWindow = [&](int x, int y) { return client.mapTo(window_.get(), QPoint(x, y)); };
    switch (event.kind) {
      case Kind::kClick:
        QTest::mouseClick(handle, Below(8) == 0 ? Qt::RightButton : Qt::LeftButton, Qt::NoModifier,
                          inWindow(event.a, event.b));
        return EventReach::kOnePoint;
      case Kind::kClickCrossing: {
        const QPoint crossing = WindowHarness::Crossing(IndexOf(event.a, event.b));
        const QSize size = client.size();
        QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier,
                          inWindow(std::min(crossing.x(), size.width() - 1),
                                   std::min(crossing.y(), size.height() - 1)));
        return EventReach::kOnePoint;
      }
      case Kind::kDrag: {
        // Pressed on one intersection and let go on another: no click.
        const QSize size = client.size();
        QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, inWindow(event.a, event.b));
        QTest::mouseMove(handle, inWindow(Below(size.width()), Below(size.height())));
        QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier,
                            inWindow(Below(size.width()), Below(size.height())));
        return EventReach::kOnePoint;
      }
      case Kind::kMove:
        QTest::mouseMove(handle, inWindow(event.a, event.b));
        return EventReach::kNoPoint;
      case Kind::kKey: return PressKey(event.a);
      case Kind::kResize:
        window_->resizeClient(QSize(event.a, event.b));
        return EventReach::kNoPoint;
      case Kind::kMaximise:
        window_->setWindowState(window_->windowState() | Qt::WindowMaximized);
        return EventReach::kNoPoint;
      case Kind::kMenu: return Menu(event.a, event.b);
    }
    return EventReach::kNoPoint;
  }

  EventReach PressKey(int roll) {
    static const std::array<Qt::Key, 4> kArrows = {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right,
                                                   Qt::Key_Down};
    static const std::array<Qt::Key, 10> kOthers = {
        Qt::Key_Space, Qt::Key_A,    Qt::Key_Escape,   Qt::Key_Tab,       Qt::Key_Home,
        Qt::Key_F1,    Qt::Key_Plus, Qt::Key_PageDown, Qt::Key_Backspace, Qt::Key_0};
    QWidget& sheet = window_->client().sheet();
    if (roll < 75) {
      QTest::keyClick(&sheet, kArrows[static_cast<std::size_t>(roll % 4)]);
      return EventReach::kNoPoint;
    }
    if (roll < 93) {
      QTest::keyClick(&sheet, roll % 2 == 0 ? Qt::Key_Return : Qt::Key_Enter);
      return EventReach::kOnePoint;
    }
    QTest::keyClick(&sheet, kOthers[static_cast<std::size_t>(roll % 10)]);
    return EventReach::kNoPoint;
  }

  EventReach Menu(int roll, int item) {
    if (roll < 30) {
      window_->mnuNouvelle()->trigger();
      return EventReach::kMaySweep;
    }
    if (roll < 55) {
      window_->mnuChanger()->trigger();
      return EventReach::kMaySweep;
    }
    if (roll < 70) {
      window_->mnuStatistique()->trigger();
      return EventReach::kNoPoint;
    }
    if (roll < 85) {
      window_->mnuSon(item)->trigger();
      return EventReach::kNoPoint;
    }
    window_->mnuApropos()->trigger();
    return EventReach::kNoPoint;
  }

  void Settle(int passes) {
    for (int k = 0; k < passes; ++k) QApplication::processEvents();
  }

  std::optional<QString> BrokenChime() {
    int plays = 0;
    for (const QString& sound : sounds_) {
      chimePlaying_ = sound == QStringLiteral("play");
      plays += chimePlaying_ ? 1 : 0;
    }
    if (plays > 1) return QStringLiteral("%1 chimes in one event").arg(plays);
    if (growth_.count() == 0 && chimePlaying_) {
      return QStringLiteral("the chime plays on with no point growing");
    }
    return std::nullopt;
  }

  QString Failure(long long n, const QString& rule) {
    QStringList lines{
        QStringLiteral("event %1 broke a rule: %2 (replay with QUINTARA_SOAK_SEED=%3)")
            .arg(n)
            .arg(rule)
            .arg(seed_)};
    for (const Event& event : recent_) lines << QStringLiteral("  ") + Describe(event);
    lines << QStringLiteral("  boxes: ") + boxes_.join(QStringLiteral(" | "));
    return lines.join('\n');
  }

  unsigned long long seed_;
  std::mt19937 random_;
  SeededDie die_;
  ModalCloser closer_;
  milliseconds growth_;
  QStringList boxes_;
  QStringList sounds_;
  QList<bool> answers_;
  bool chimePlaying_ = false;
  std::deque<Event> recent_;
  std::unique_ptr<ui::frmJeuxDePoints> window_;
};

// The offscreen platform says so on every dialog; thousands of those lines would hide the rest.
QtMessageHandler previousHandler = nullptr;
void QuietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QStringLiteral("This plugin does not support"))) return;
  previousHandler(type, context, message);
}

unsigned long long Seed() {
  static const unsigned long long seed =
      FromEnvironment("QUINTARA_SOAK_SEED", std::random_device{}());
  return seed;
}

}  // namespace

class SoakTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    previousHandler = qInstallMessageHandler(QuietPlatform);
    qInfo("soak seed %llu (replay with QUINTARA_SOAK_SEED=%llu)", Seed(), Seed());
  }

  void randomEventsKeepTheGameWhole() {
    RunSoak(Seed(), milliseconds(0), FromEnvironment("QUINTARA_SOAK_EVENTS", 100000));
  }

  // The same with points that take their time to grow, so that events land mid-growth.
  void randomEventsWhilePointsGrow() {
    RunSoak(Seed() + 1, milliseconds(40), FromEnvironment("QUINTARA_SOAK_GROWTH_EVENTS", 5000));
  }

 private:
  static void RunSoak(unsigned long long seed, milliseconds growth, unsigned long long count) {
    Soak soak(seed, growth);
    QElapsedTimer clock;
    clock.start();
    const QString failure = soak.Run(static_cast<long long>(count));
    const double seconds = std::max<qint64>(clock.elapsed(), 1) / 1000.0;
    qInfo("%llu events in %.1f s (%.0f a second), %d modal windows, %d restarts", count, seconds,
          static_cast<double>(count) / seconds, soak.Modals(), soak.restarts);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    const QString chime = soak.FinalChime();
    QVERIFY2(chime.isEmpty(), qPrintable(chime));
  }
};

QTEST_MAIN(SoakTest)
#include "SoakTest.moc"
