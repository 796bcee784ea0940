// Random clicks, moves, keys, resizes and menus, their dialogs and boxes answered at random: the
// game keeps its rules. QUINTARA_SOAK_SEED and QUINTARA_SOAK_EVENTS set another seed and length.
#include <random>

#include "WindowHarness.h"
#include "support/Invariants.h"

using namespace quintara;
using namespace quintara::testing;

class SoakTest : public QObject {
  Q_OBJECT

 private slots:
  // A new window every 5000 events (its points growing at once or in 40 ms) and after a No.
  void randomEventsKeepTheGameWhole() {
    const int seed = qEnvironmentVariable("QUINTARA_SOAK_SEED", "20261206").toInt(),
              events = qEnvironmentVariable("QUINTARA_SOAK_EVENTS", "100000").toInt();
    random_.seed(seed);
    for (int n = 0; n < events; ++n) {
      if (n % 5000 == 0 || !h_->window.isVisible()) {
        h_ = std::make_unique<WindowHarness>(std::chrono::milliseconds(40 * Below(2)), Below(1000));
        h_->modals.otherwise = [this](QDialog* dialog) { Use(dialog); };
      }
      const Snapshot before = Snapshot::Of(h_->window.game());
      heard_ = h_->sounds.size();
      h_->modals.answers = {Below(2) == 0, Below(2) == 0, Below(2) == 0};
      const EventReach reach = Apply();
      // Queued resizes, and the boxes and dialogs the event opened, answered.
      for (int k = 0;
           k < 6 || (k < 200 && (QApplication::activeModalWidget() ||
                                 h_->window.game().WaitingFor() != Game::Question::kNone));
           ++k)
        QApplication::processEvents();
      const std::string broken = Broken(before, reach);
      QVERIFY2(broken.empty(),
               qPrintable(QString("seed %1, event %2: %3").arg(seed).arg(n).arg(broken.c_str())));
    }
  }

 private:
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  // The first rule the last event broke, or nothing. The window's size in twips: 15 a pixel, the
  // frame as at the design size (9000 x 6555 round 8880 x 5850), from 8730 x 6540 to 12120 x 8700.
  std::string Broken(const Snapshot& before, EventReach reach) {
    const Game& game = h_->window.game();
    const QSize client = h_->client().size();
    const QSize outer(client.width() * 15 + 120, client.height() * 15 + 705);
    if (auto broken = BrokenRule(game, before, reach)) return *broken;
    if (outer != outer.expandedTo({8730, 6540}).boundedTo({12120, 8700}) ||
        QSize(game.OuterWidth(), game.OuterHeight()) != outer)
      return "a size out of bounds or not the window's";
    // One chime at most, none with the sound off, lasting as long as its point grows.
    const QStringList now = h_->sounds.mid(heard_);
    const bool growing = h_->client().sheet().growing(), playing = h_->sounds.endsWith("play");
    if (now.count("play") > (h_->window.soundAction(2)->isChecked() ? 0 : 1) ||
        (playing ? !growing : now.contains("play") && growing))
      return "a chime too many or not as long as its point's growth";
    return "";
  }

  void Use(QDialog* dialog) {  // the level and the opponent at random, then closed
    for (QRadioButton* choice : dialog->findChildren<QRadioButton*>())
      if (Below(3) == 0) choice->click();
    QTest::keyClick(dialog, Below(2) ? Qt::Key_Escape : Qt::Key_Return);
    if (dialog->isVisible()) dialog->reject();
  }

  // One random event, on a crossing or anywhere; what it may do to the sheet.
  EventReach Apply() {
    const QSize size = h_->client().size();
    const auto on = [this](QPoint pixel) { return h_->client().mapTo(&h_->window, pixel); };
    const QPoint anywhere = on(QPoint(Below(size.width()), Below(size.height())));
    const QPoint crossing = Pixel(Below(24), Below(33));  // which a click anywhere rarely hits
    const QPoint at = QRect({}, size).contains(crossing) && Below(3) > 0 ? on(crossing) : anywhere;
    const Qt::Key keys[] = {Qt::Key_Left,   Qt::Key_Up,    Qt::Key_Right,  Qt::Key_Down,
                            Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Tab};
    QAction* const menus[] = {h_->window.newSheetAction(), h_->window.changeLevelAction(),
                              h_->window.statisticsAction(), h_->window.soundAction(Below(3)),
                              h_->window.rulesAction()};
    const int menu = Below(5), key = Below(3) > 0 ? Below(4) : 4 + Below(4);  // mostly arrows
    const Qt::MouseButton button = Below(8) == 0 ? Qt::RightButton : Qt::LeftButton;
    switch (std::discrete_distribution<int>({40, 18, 36, 4, 2})(random_)) {
      case 0:  // now and then let go elsewhere: no click
        QTest::mousePress(h_->window.windowHandle(), button, {}, at);
        QTest::mouseRelease(h_->window.windowHandle(), button, {}, Below(5) == 0 ? anywhere : at);
        return EventReach::kOnePoint;
      case 1: QTest::mouseMove(h_->window.windowHandle(), at); break;
      case 2:
        QTest::keyClick(&h_->client().sheet(), keys[key]);
        return key == 4 || key == 5 ? EventReach::kOnePoint : EventReach::kNoPoint;
      case 3:  // or the largest size, as when maximised
        if (Below(4) == 0) h_->window.setWindowState(Qt::WindowMaximized);
        h_->window.resizeClient(QSize(300 + Below(800), 200 + Below(600)));
        break;
      default:
        menus[menu]->trigger();
        return menu < 2 ? EventReach::kMaySweep : EventReach::kNoPoint;
    }
    return EventReach::kNoPoint;
  }

  std::mt19937 random_;
  qsizetype heard_ = 0;  // the chime's plays and stops before the event
  std::unique_ptr<WindowHarness> h_;
};

QTEST_MAIN(SoakTest)
#include "SoakTest.moc"
