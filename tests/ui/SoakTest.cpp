// The window under a long run of random events: clicks anywhere, drags, mouse moves, keys,
// resizes and menus with their dialogs and boxes answered at random, the game's rules and what
// the window shows checked after every one. The seed is fixed and printed; QUINTARA_SOAK_SEED
// sets another, QUINTARA_SOAK_EVENTS and QUINTARA_SOAK_GROWTH_EVENTS the lengths of the runs.
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
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

namespace {

unsigned long long FromEnvironment(const char* name, unsigned long long otherwise) {
  bool ok = false;
  const unsigned long long value = qEnvironmentVariable(name).toULongLong(&ok);
  return ok ? value : otherwise;
}

// The game takes the window's size, and the window shows what the game holds.
std::optional<std::string> BrokenOnWindow(const ui::frmJeuxDePoints& window) {
  const Game& game = window.game();
  const QSize client = window.client().size();
  const int width = std::min(client.width() * ui::kTwipsPerPixel + 120, kLargestOuterWidth);
  const int height = std::min(client.height() * ui::kTwipsPerPixel + 705, kLargestOuterHeight);
  if (game.OuterWidth() != width || game.OuterHeight() != height) return "a size not the window's";
  const int corner = IndexOf(game.CurrentSheet().RowMax(), game.CurrentSheet().ColMax());
  if (WindowHarness::Crossing(corner).x() >= client.width() ||
      WindowHarness::Crossing(corner).y() >= client.height()) {
    return "playable beyond the window's edge";
  }
  const ScoreBoard& scores = game.MatchScores();
  const ui::ScoreBoardPanel& board = window.client().rightPanel().scoreBoard();
  const std::pair<const char*, int> counts[] = {{"Parties Joueur 1", scores.HumanGames},
                                                {"Parties Joueur 2", scores.ComputerGames},
                                                {"Manches Joueur 1", scores.HumanSets},
                                                {"Manches Joueur 2", scores.ComputerSets}};
  for (const auto& [name, count] : counts) {
    const auto* label = board.findChild<QLabel*>(name);
    if (label == nullptr || label->text() != QString::number(count)) return "a count not shown";
  }
  const ui::RightPanel& panel = window.client().rightPanel();
  if (board.setsShown() != scores.SetsShown ||
      panel.statusLine().text() != QString::fromStdString(game.StatusText()) ||
      panel.turnIndicator().colour() != ui::FromRgbNumber(game.TurnColour()) ||
      window.client().topBar().levelText().text() != QString("Niveau %1").arg(game.Level())) {
    return "the sets, the turn or the level shown is not the game's";
  }
  return std::nullopt;
}

// Closes every dialog as soon as it shows, after playing with it a little.
class DialogCloser : public QObject {
 public:
  explicit DialogCloser(std::mt19937& random) : random_(random) {
    QApplication::instance()->installEventFilter(this);
  }
  ~DialogCloser() override { QApplication::instance()->removeEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (event->type() == QEvent::Show && dialog != nullptr && dialog->isWindow()) {
      // Queued, so that it runs inside the dialog's own event loop.
      QMetaObject::invokeMethod(
          dialog, [this, dialog] { Use(dialog); }, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  void Use(QDialog* dialog) {
    if (auto* choix = qobject_cast<ui::frmChoix*>(dialog)) {
      static const QStringList kNames = {"", "Anne", "Zoé l'été", "un nom bien trop long"};
      for (int steps = Below(4); steps > 0; --steps) {
        choix->optNiveau(Below(4))->click();
        choix->optJoueur2(Below(2))->click();
        choix->txtAdversaires(Below(2))->setText(kNames[Below(4)]);
      }
    }
    if (auto* rules = qobject_cast<ui::frmApropos*>(dialog))
      rules->scrollBar()->setValue(Below(2001));
    const auto buttons = dialog->findChildren<QPushButton*>();
    if (Below(2) == 0) QTest::keyClick(dialog, Qt::Key_Escape);
    if (dialog->isVisible() && !buttons.isEmpty()) buttons[Below(int(buttons.size()))]->click();
    if (dialog->isVisible()) dialog->reject();
  }

  std::mt19937& random_;
};

class Soak {
 public:
  Soak(unsigned long long seed, std::chrono::milliseconds growth)
      : random_(std::mt19937::result_type(seed)), die_(unsigned(seed)), growth_(growth) {
    Open();
  }

  // Runs the events; the first broken rule, or an empty text.
  QString Run(unsigned long long count) {
    for (unsigned long long n = 0; n < count; ++n) {
      const Snapshot before = Snapshot::Of(window_->game());
      boxes_.clear();
      sounds_.clear();
      answers_ = {Below(2) == 0, Below(2) == 0, Below(2) == 0};
      const EventReach reach = Apply();
      // A resize is answered through queued calls.
      for (int k = 0; k < passes_; ++k) QApplication::processEvents();

      std::optional<std::string> broken = BrokenRule(window_->game(), before, reach);
      if (!broken) broken = BrokenOnWindow(*window_);
      for (const QString& sound : sounds_) chimePlaying_ = sound == "play";
      if (sounds_.count("play") > 1) broken = "more than one chime in one event";
      if (growth_.count() == 0 && chimePlaying_)
        broken = "the chime plays on with no point growing";
      // Only "Voulez vous rejouer" answered No ends the program; then it starts again.
      if (!window_->isVisible() && boxes_.filter("Voulez vous rejouer").isEmpty()) {
        broken = "the window closed by itself";
      }
      if (broken) return QString("event %1: %2").arg(n).arg(QString::fromStdString(*broken));
      if (!window_->isVisible()) Open();
    }
    // Once every point has grown the chime has stopped.
    sounds_.clear();
    for (int k = 0; k < 1000 && window_->client().sheet().growing(); ++k) QTest::qWait(5);
    for (const QString& sound : sounds_) chimePlaying_ = sound == "play";
    return chimePlaying_ ? "the chime plays on after every point has grown" : "";
  }

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

  // One random event; what it may do to the sheet.
  EventReach Apply() {
    QWindow* handle = window_->windowHandle();
    const QSize size = window_->client().size();
    const auto inWindow = [&](QPoint client) {
      client =
          QPoint(std::min(client.x(), size.width() - 1), std::min(client.y(), size.height() - 1));
      return window_->client().mapTo(window_.get(), client);
    };
    const auto anywhere = [&] {
      return inWindow(QPoint(Below(size.width()), Below(size.height())));
    };
    const int roll = Below(1000);
    passes_ = roll >= 940 && roll < 975 ? 6 : 2;
    if (roll < 400) {
      // Anywhere, or on a crossing, which a click anywhere rarely hits.
      const QPoint where = roll < 250
                               ? anywhere()
                               : inWindow(WindowHarness::Crossing(IndexOf(Below(24), Below(33))));
      QTest::mouseClick(handle, roll % 8 == 0 ? Qt::RightButton : Qt::LeftButton, {}, where);
      return EventReach::kOnePoint;
    }
    if (roll < 420) {
      // Pressed on one intersection and let go on another: no click.
      QTest::mousePress(handle, Qt::LeftButton, {}, anywhere());
      QTest::mouseMove(handle, anywhere());
      QTest::mouseRelease(handle, Qt::LeftButton, {}, anywhere());
      return EventReach::kOnePoint;
    }
    if (roll < 600) {
      QTest::mouseMove(handle, anywhere());
      return EventReach::kNoPoint;
    }
    if (roll < 940) {
      static const Qt::Key kKeys[] = {Qt::Key_Left,   Qt::Key_Up,    Qt::Key_Right, Qt::Key_Down,
                                      Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape,
                                      Qt::Key_Tab,    Qt::Key_A};
      const int key = roll < 855 ? roll % 4 : roll < 916 ? 4 + roll % 2 : 6 + roll % 4;
      QTest::keyClick(&window_->client().sheet(), kKeys[key]);
      return key == 4 || key == 5 ? EventReach::kOnePoint : EventReach::kNoPoint;
    }
    if (roll < 970) {
      window_->resizeClient(QSize(300 + Below(800), 200 + Below(600)));
    } else if (roll < 975) {
      window_->setWindowState(window_->windowState() | Qt::WindowMaximized);
    } else {
      QAction* const menus[] = {window_->mnuNouvelle(), window_->mnuChanger(),
                                window_->mnuStatistique(), window_->mnuSon(Below(3)),
                                window_->mnuApropos()};
      const int menu = Below(5);
      menus[menu]->trigger();
      if (menu < 2) return EventReach::kMaySweep;
    }
    return EventReach::kNoPoint;
  }

  std::mt19937 random_;
  SeededDie die_;
  DialogCloser closer_{random_};
  std::chrono::milliseconds growth_;
  QStringList boxes_;
  QStringList sounds_;
  QList<bool> answers_;
  bool chimePlaying_ = false;
  int passes_ = 2;
  std::unique_ptr<ui::frmJeuxDePoints> window_;
};

// The offscreen platform says so on every dialog; thousands of those lines would hide the rest.
QtMessageHandler previousHandler = nullptr;
void QuietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (!message.startsWith("This plugin does not support")) previousHandler(type, context, message);
}

const unsigned long long kSeed = FromEnvironment("QUINTARA_SOAK_SEED", 20261206);

void RunSoak(unsigned long long seed, std::chrono::milliseconds growth, unsigned long long count) {
  const QString failure = Soak(seed, growth).Run(count);
  QVERIFY2(failure.isEmpty(), qPrintable(failure + QString(" (seed %1)").arg(seed)));
}

}  // namespace

class SoakTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    previousHandler = qInstallMessageHandler(QuietPlatform);
    qInfo("soak seed %llu (replay with QUINTARA_SOAK_SEED=%llu)", kSeed, kSeed);
  }

  void randomEventsKeepTheGameWhole() {
    RunSoak(kSeed, std::chrono::milliseconds(0), FromEnvironment("QUINTARA_SOAK_EVENTS", 100000));
  }

  // The same with points that take their time to grow, so that events land mid-growth.
  void randomEventsWhilePointsGrow() {
    RunSoak(kSeed + 1, std::chrono::milliseconds(40),
            FromEnvironment("QUINTARA_SOAK_GROWTH_EVENTS", 5000));
  }
};

QTEST_MAIN(SoakTest)
#include "SoakTest.moc"
