// The window under a long run of random events: clicks anywhere, drags, mouse moves, keys,
// resizes and menus with their dialogs and boxes answered at random, the game's rules and what
// the window shows checked after every one of them. The seed is fixed and printed;
// QUINTARA_SOAK_SEED sets another, QUINTARA_SOAK_EVENTS and QUINTARA_SOAK_GROWTH_EVENTS the
// lengths of the two runs.
#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <deque>
#include <random>

#include "WindowHarness.h"
#include "board/ShownArea.h"
#include "support/Invariants.h"
#include "support/MemoryScoreStore.h"
#include "ui/Bars.h"
#include "ui/Colours.h"
#include "ui/RightPanel.h"
#include "ui/SheetWidget.h"
#include "ui/Twips.h"
#include "ui/frmApropos.h"
#include "ui/frmChoix.h"

using namespace quintara;
using namespace quintara::testing;
using std::chrono::milliseconds;

namespace {

unsigned long long FromEnvironment(const char* name, unsigned long long otherwise) {
  bool ok = false;
  const unsigned long long value = qEnvironmentVariable(name).toULongLong(&ok);
  return ok ? value : otherwise;
}

// What the window shows is what the game holds, and the game takes the window's size.
std::optional<std::string> BrokenOnWindow(const ui::frmJeuxDePoints& window) {
  const Game& game = window.game();
  const QSize client = window.client().size();
  const int width = std::min(client.width() * ui::kTwipsPerPixel + 120, kLargestOuterWidth);
  const int height = std::min(client.height() * ui::kTwipsPerPixel + 705, kLargestOuterHeight);
  if (game.OuterWidth() != width || game.OuterHeight() != height) return "a size not the window's";
  const int corner = IndexOf(game.CurrentSheet().RowMax(), game.CurrentSheet().ColMax());
  if (CrossingX(corner) / ui::kTwipsPerPixel >= client.width() ||
      CrossingY(corner) / ui::kTwipsPerPixel >= client.height()) {
    return "playable beyond the window's edge";
  }
  const ScoreBoard& scores = game.MatchScores();
  const ui::ScoreBoardPanel& board = window.client().rightPanel().scoreBoard();
  const auto shows = [&](const QString& name, int count) {
    const auto* label = board.findChild<QLabel*>(name);
    return label != nullptr && label->text() == QString::number(count);
  };
  if (!shows("Parties Joueur 1", scores.HumanGames) ||
      !shows("Parties Joueur 2", scores.ComputerGames) ||
      !shows("Manches Joueur 1", scores.HumanSets) ||
      !shows("Manches Joueur 2", scores.ComputerSets) || board.setsShown() != scores.SetsShown) {
    return "the board does not show the counts";
  }
  const ui::RightPanel& panel = window.client().rightPanel();
  if (panel.statusLine().text() != QString::fromStdString(game.StatusText()) ||
      panel.turnIndicator().colour() != ui::FromRgbNumber(game.TurnColour()) ||
      window.client().topBar().levelText().text() != QString("Niveau %1").arg(game.Level())) {
    return "the turn or the level shown is not the game's";
  }
  return std::nullopt;
}

// Closes every dialog as soon as it shows, after playing with it a little.
class ModalCloser : public QObject {
 public:
  explicit ModalCloser(std::mt19937& random) : random_(random) {
    QApplication::instance()->installEventFilter(this);
  }
  ~ModalCloser() override { QApplication::instance()->removeEventFilter(this); }
  int closed = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (event->type() != QEvent::Show || dialog == nullptr || !dialog->isWindow()) return false;
    // Queued, so that it runs inside the dialog's own event loop.
    QMetaObject::invokeMethod(
        dialog, [this, dialog] { Answer(dialog); }, Qt::QueuedConnection);
    return false;
  }

 private:
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  void Answer(QDialog* dialog) {
    if (!dialog->isVisible()) return;
    if (auto* choix = qobject_cast<ui::frmChoix*>(dialog)) {
      static const QStringList kNames = {"", "Anne", "Zoé l'été", "un nom bien trop long"};
      for (int steps = Below(4); steps > 0; --steps) {
        switch (Below(3)) {
          case 0: choix->optNiveau(Below(4))->click(); break;
          case 1: choix->optJoueur2(Below(2))->click(); break;
          default:
            choix->txtAdversaires(Below(2))->selectAll();
            choix->txtAdversaires(Below(2))->insert(kNames[Below(4)]);
        }
      }
    }
    if (auto* rules = qobject_cast<ui::frmApropos*>(dialog)) {
      rules->scrollBar()->setValue(Below(2001));
    }
    ++closed;
    const auto buttons = dialog->findChildren<QPushButton*>();
    switch (Below(3)) {
      case 0: QTest::keyClick(dialog, Qt::Key_Escape); break;
      case 1: dialog->close(); break;
      default:
        if (!buttons.isEmpty()) buttons[Below(static_cast<int>(buttons.size()))]->click();
    }
    if (dialog->isVisible()) dialog->reject();
  }

  std::mt19937& random_;
};

class Soak {
 public:
  Soak(unsigned long long seed, milliseconds growth)
      : seed_(seed),
        random_(static_cast<std::mt19937::result_type>(seed)),
        die_(static_cast<unsigned>(seed)),
        closer_(random_),
        growth_(growth) {
    Open();
  }

  // Runs the events; the first broken rule with the last few events, or an empty text.
  QString Run(long long count) {
    for (long long n = 0; n < count; ++n) {
      const Snapshot before = Snapshot::Of(window_->game());
      boxes_.clear();
      sounds_.clear();
      answers_.clear();
      for (int k = 0; k < 4; ++k) answers_ << (Below(2) == 0);
      const EventReach reach = Apply();
      // A resize is answered through queued calls.
      for (int k = 0; k < passes_; ++k) QApplication::processEvents();

      std::optional<std::string> broken = BrokenRule(window_->game(), before, reach);
      if (!broken) broken = BrokenOnWindow(*window_);
      if (!broken) broken = BrokenChime();
      if (broken) return Failure(n, QString::fromStdString(*broken));
      if (!window_->isVisible()) {
        // Only "Voulez vous rejouer" answered No ends the program; start it again.
        if (boxes_.filter("Voulez vous rejouer").isEmpty()) return Failure(n, "closed by itself");
        ++restarts;
        Open();
      }
    }
    return {};
  }

  // The chime has stopped once every point has grown.
  QString FinalChime() {
    sounds_.clear();
    for (int k = 0; k < 1000 && window_->client().sheet().growing(); ++k) QTest::qWait(5);
    for (const QString& sound : sounds_) chimePlaying_ = sound == "play";
    return chimePlaying_ ? "the chime plays on after every point has grown" : "";
  }

  int restarts = 0;
  int Modals() const { return closer_.closed; }

 private:
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

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

  // One random event, noted in the recent ones; what it may do to the sheet.
  EventReach Apply() {
    QWindow* handle = window_->windowHandle();
    const QSize size = window_->client().size();
    // A client-area point, kept inside the client area, in the window's coordinates.
    const auto inWindow = [&](QPoint point) {
      point = QPoint(std::min(point.x(), size.width() - 1), std::min(point.y(), size.height() - 1));
      return window_->client().mapTo(window_.get(), point);
    };
    const auto anywhere = [&] {
      return inWindow(QPoint(Below(size.width()), Below(size.height())));
    };
    const int roll = Below(1000);
    passes_ = roll >= 940 && roll < 975 ? 6 : 2;
    const QPoint at = anywhere();
    recent_.push_back(QString("%1 at %2,%3").arg(roll).arg(at.x()).arg(at.y()));
    if (recent_.size() > 12) recent_.pop_front();
    if (roll < 400) {
      // Anywhere, or on a crossing, which a click anywhere rarely hits.
      const QPoint crossing = WindowHarness::Crossing(IndexOf(Below(24), Below(33)));
      const QPoint where = roll < 250 ? at : inWindow(crossing);
      QTest::mouseClick(handle, roll % 8 == 0 ? Qt::RightButton : Qt::LeftButton, {}, where);
      return EventReach::kOnePoint;
    }
    if (roll < 420) {
      // Pressed on one intersection and let go on another: no click.
      QTest::mousePress(handle, Qt::LeftButton, {}, at);
      QTest::mouseMove(handle, anywhere());
      QTest::mouseRelease(handle, Qt::LeftButton, {}, anywhere());
      return EventReach::kOnePoint;
    }
    if (roll < 600) {
      QTest::mouseMove(handle, at);
      return EventReach::kNoPoint;
    }
    if (roll < 940) {
      static const Qt::Key kKeys[] = {Qt::Key_Left,   Qt::Key_Up,    Qt::Key_Right, Qt::Key_Down,
                                      Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape,
                                      Qt::Key_Tab,    Qt::Key_A};
      const Qt::Key key = kKeys[roll < 855 ? roll % 4 : roll < 916 ? 4 + roll % 2 : 6 + roll % 4];
      QTest::keyClick(&window_->client().sheet(), key);
      return key == Qt::Key_Return || key == Qt::Key_Enter ? EventReach::kOnePoint
                                                           : EventReach::kNoPoint;
    }
    if (roll < 970) {
      window_->resizeClient(QSize(300 + Below(800), 200 + Below(600)));
      return EventReach::kNoPoint;
    }
    if (roll < 975) {
      window_->setWindowState(window_->windowState() | Qt::WindowMaximized);
      return EventReach::kNoPoint;
    }
    QAction* const menus[] = {window_->mnuNouvelle(), window_->mnuChanger(),
                              window_->mnuStatistique(), window_->mnuSon(Below(3)),
                              window_->mnuApropos()};
    const int menu = Below(5);
    menus[menu]->trigger();
    return menu < 2 ? EventReach::kMaySweep : EventReach::kNoPoint;
  }

  std::optional<std::string> BrokenChime() {
    int plays = 0;
    for (const QString& sound : sounds_) {
      chimePlaying_ = sound == "play";
      plays += chimePlaying_ ? 1 : 0;
    }
    if (plays > 1) return "more than one chime in one event";
    if (growth_.count() == 0 && chimePlaying_) return "the chime plays on with no point growing";
    return std::nullopt;
  }

  QString Failure(long long n, const QString& rule) {
    return QString(
               "event %1 broke a rule: %2 (replay with QUINTARA_SOAK_SEED=%3)\n  %4\n  boxes: %5")
        .arg(n)
        .arg(rule)
        .arg(seed_)
        .arg(QStringList(recent_.begin(), recent_.end()).join("\n  "), boxes_.join(" | "));
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
  int passes_ = 2;
  std::deque<QString> recent_;
  std::unique_ptr<ui::frmJeuxDePoints> window_;
};

// The offscreen platform says so on every dialog; thousands of those lines would hide the rest.
QtMessageHandler previousHandler = nullptr;
void QuietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (!message.startsWith("This plugin does not support")) previousHandler(type, context, message);
}

const unsigned long long kSeed = FromEnvironment("QUINTARA_SOAK_SEED", 20261206);

}  // namespace

class SoakTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    previousHandler = qInstallMessageHandler(QuietPlatform);
    qInfo("soak seed %llu (replay with QUINTARA_SOAK_SEED=%llu)", kSeed, kSeed);
  }

  void randomEventsKeepTheGameWhole() {
    RunSoak(kSeed, milliseconds(0), FromEnvironment("QUINTARA_SOAK_EVENTS", 100000));
  }

  // The same with points that take their time to grow, so that events land mid-growth.
  void randomEventsWhilePointsGrow() {
    RunSoak(kSeed + 1, milliseconds(40), FromEnvironment("QUINTARA_SOAK_GROWTH_EVENTS", 5000));
  }

 private:
  static void RunSoak(unsigned long long seed, milliseconds growth, unsigned long long count) {
    Soak soak(seed, growth);
    QElapsedTimer clock;
    clock.start();
    const QString failure = soak.Run(static_cast<long long>(count));
    qInfo("%llu events in %.1f s, %d modal windows, %d restarts", count,
          static_cast<double>(clock.elapsed()) / 1000.0, soak.Modals(), soak.restarts);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    const QString chime = soak.FinalChime();
    QVERIFY2(chime.isEmpty(), qPrintable(chime));
  }
};

QTEST_MAIN(SoakTest)
#include "SoakTest.moc"
