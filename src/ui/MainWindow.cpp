#include "ui/MainWindow.h"

#include <QActionGroup>
#include <QApplication>
#include <QEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollBar>

#include "board/ShownArea.h"
#include "game/SpokenWords.h"
#include "game/Texts.h"
#include "ui/Announcer.h"
#include "ui/Bars.h"
#include "ui/ClientArea.h"
#include "ui/MessageBoxes.h"
#include "ui/OpponentDialog.h"
#include "ui/PointSound.h"
#include "ui/RightPanel.h"
#include "ui/RulesWindow.h"
#include "ui/SheetWidget.h"
#include "ui/SideMarks.h"
#include "ui/StatisticsWindow.h"
#include "ui/Translations.h"
#include "ui/Twips.h"

namespace quintara::ui {

MainWindow::MainWindow(DieSource& die, QWidget* parent)
    : QMainWindow(parent),
      sound_(std::make_unique<SilentPointSound>()),
      game_(*this, die),
      client_(std::make_unique<ClientArea>(game_, this)),
      opponentDialog_(std::make_unique<OpponentDialog>(this)),
      announcer_(new Announcer(this)) {
  setObjectName("mainWindow");
  setWindowTitle(quintara::texts::kApplicationTitle);
  createMenus();
  setCentralWidget(client_.get());
  client_->setMinimumSize(ClientPixels(kSmallestOuterWidth, kSmallestOuterHeight));
  keepLargestSize();

  SheetWidget& sheet = client_->sheet();
  connect(&sheet, &SheetWidget::intersectionClicked, this, &MainWindow::clickIntersection);
  connect(&sheet, &SheetWidget::hovered, &client_->statusBar(), &StatusBar::showHover);
  connect(&sheet, &SheetWidget::growthsEnded, this, [this] {
    if (!stopSoundAfterGrowth_) return;
    stopSoundAfterGrowth_ = false;
    sound_->stop();
  });
  connect(&sheet, &SheetWidget::crossHairKey, this, &MainWindow::pressKey);
  connect(client_.get(), &ClientArea::resized, this, &MainWindow::followSize);
  sheet.setFocus();
  sheet.installEventFilter(this);  // for its first paint

  // The dialog's choices take effect at once.
  connect(opponentDialog_.get(), &OpponentDialog::levelChosen, this, [this](int level) {
    game_.SetLevel(level);
    refreshBars();
  });
  connect(opponentDialog_.get(), &OpponentDialog::opponentChosen, this,
          [this](bool againstComputer) {
            game_.SetTwoPlayers(!againstComputer);
            ScoresChanged();  // the counts are said with the sides' names
          });
  connect(opponentDialog_.get(), &OpponentDialog::namesChanged, this,
          [this](const QString& name1, const QString& name2) {
            game_.SetPlayerNames(name1.toStdString(), name2.toStdString());
            ScoresChanged();
          });
  connect(opponentDialog_.get(), &QDialog::finished, this, &MainWindow::comeBack);

  ScoresChanged();
  // The game tells each later change of turn itself.
  TurnChanged(game_.TurnColour(), game_.StatusText());
  refreshBars();
  resizeClient(QSize(ToPixels(kDesignClientWidth), ToPixels(kDesignClientHeight)));
}

MainWindow::~MainWindow() = default;

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint && watched == &client_->sheet()) {
    // The chime gets ready once the sheet is on screen, off the program's start.
    watched->removeEventFilter(this);
    QMetaObject::invokeMethod(
        this, [this] { sound_->prepare(); }, Qt::QueuedConnection);
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::setPointSound(std::unique_ptr<PointSound> sound) {
  sound_ = std::move(sound);
}

void MainWindow::setScoreStore(std::unique_ptr<ScoreStore> store) {
  scoreStore_ = std::move(store);
  game_.SetScoreStore(scoreStore_.get());
}

void MainWindow::createMenus() {
  QMenu* file = menuBar()->addMenu(tr("&Fichier"));
  newSheetAction_ = file->addAction(tr("&Nouvelle feuille"), this, &MainWindow::newSheet);
  changeLevelAction_ = file->addAction(tr("&Changer de niveau"), this, &MainWindow::changeLevel);
  statisticsAction_ = file->addAction(tr("&Statistique"), this, &MainWindow::openStatistics);
  quitAction_ = file->addAction(tr("&Quitter"), this, &MainWindow::quitProgram);

  QMenu* sounds = menuBar()->addMenu(tr("Sons"));
  auto* soundGroup = new QActionGroup(this);
  const std::array<QString, 3> soundNames = {tr("Son 1"), tr("Son 2"), tr("Désactiver le son")};
  for (int k = 0; k < 3; ++k) {
    QAction* item = sounds->addAction(soundNames[static_cast<std::size_t>(k)]);
    item->setCheckable(true);
    soundGroup->addAction(item);
    connect(item, &QAction::triggered, this, [this, k] { chooseSound(k); });
    soundActions_[static_cast<std::size_t>(k)] = item;
  }
  soundActions_[0]->setChecked(true);
  soundActions_[1]->setEnabled(false);  // cannot be chosen

  // The player's helpers, apart from the sheet's commands under "&Fichier" and last before the
  // rules, as in other games.
  QMenu* helpers = menuBar()->addMenu(tr("&Partie"));
  takeBackAction_ = helpers->addAction(tr("Annuler le coup"), this, [this] {
    game_.TakeBack();
    afterHelp();
  });
  takeBackAction_->setShortcut(Qt::CTRL | Qt::Key_Z);
  hintAction_ = helpers->addAction(tr("Conseil"), this, [this] {
    game_.AskHint();
    afterHelp();
  });
  hintAction_->setShortcut(Qt::CTRL | Qt::Key_H);
  helpers->addSeparator();
  redMarksAction_ = helpers->addAction(tr("Marquer les points rouges d'une croix"));
  redMarksAction_->setCheckable(true);
  connect(redMarksAction_, &QAction::toggled, this, &MarkRedSide);

  // The usual keys, the same on every desktop.
  newSheetAction_->setShortcut(Qt::CTRL | Qt::Key_N);
  quitAction_->setShortcut(Qt::CTRL | Qt::Key_Q);
  rulesAction_ = menuBar()->addAction(tr("&?"), this, &MainWindow::showRules);
  rulesAction_->setShortcut(Qt::Key_F1);
}

void MainWindow::newSheet() {
  game_.MenuNewSheet();
  refreshBars();
}

void MainWindow::changeLevel() {
  game_.MenuChangeLevel();
  refreshBars();
}

void MainWindow::openStatistics() {
  game_.ShowStatistics();
  refreshBars();
}

void MainWindow::quitProgram() {
  Quit();
}

void MainWindow::chooseSound(int index) {
  game_.SetSoundOn(index == 0);
  Announce(Translate(index == 0 ? texts::kSoundOnWords : texts::kSoundOffWords));
  sayAnnouncements();
}

void MainWindow::showRules() {
  if (!rulesWindow_) {
    rulesWindow_ = std::make_unique<RulesWindow>(this);
    connect(rulesWindow_.get(), &QDialog::finished, this, &MainWindow::comeBack);
  }
  rulesWindow_->scrollBar()->setValue(0);
  rulesWindow_->open();
}

void MainWindow::setGrowthDuration(std::chrono::milliseconds duration) {
  client_->sheet().setGrowthDuration(duration);
}

void MainWindow::resizeClient(QSize pixels) {
  resize(chrome() + pixels);
}

void MainWindow::followSize() {
  const QSize outer = OuterTwips(client_->size());
  if (outer.width() > kLargestOuterWidth || outer.height() > kLargestOuterHeight) {
    // Once the platform has finished with the size it is handing out now.
    QMetaObject::invokeMethod(this, &MainWindow::showLargest, Qt::QueuedConnection);
  }
  // The game caps the size as well, so the shown area is right even before the window has
  // taken its new size.
  game_.Resize(outer.width(), outer.height());
  client_->sheet().tellShownArea();
}

void MainWindow::showLargest() {
  if (windowState().testAnyFlags(Qt::WindowMaximized | Qt::WindowFullScreen)) {
    setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
  }
  resizeClient(ClientPixels(kLargestOuterWidth, kLargestOuterHeight));
}

// The window manager is told the largest size, so that maximising gives the largest sheet and
// restoring brings the window back; a platform that maximises past it gets the largest normal
// window instead (followSize).
void MainWindow::keepLargestSize() {
  setMaximumSize(ClientPixels(kLargestOuterWidth, kLargestOuterHeight) + QSize(0, menuBarHeight()));
}

QSize MainWindow::chrome() const {
  // Whatever the window adds round the client area: the menu bar.
  return client_->isVisible() ? size() - client_->size() : QSize(0, menuBarHeight());
}

int MainWindow::menuBarHeight() const {
  return menuWidget() != nullptr ? menuWidget()->sizeHint().height() : 0;
}

void MainWindow::enterEvent(QEnterEvent* event) {
  QMainWindow::enterEvent(event);
  client_->sheet().showHoverMarker(true);
}

void MainWindow::leaveEvent(QEvent* event) {
  QMainWindow::leaveEvent(event);
  client_->sheet().showHoverMarker(false);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  // Without a window manager nothing holds the window to its smallest size but the window.
  const QSize least = size().expandedTo(minimumSize());
  if (least != size()) {
    QMetaObject::invokeMethod(
        this, [this, least] { resize(least); }, Qt::QueuedConnection);
  }
}

void MainWindow::clickIntersection(int index) {
  game_.ClickIntersection(index);
  refreshBars();
}

void MainWindow::pressKey(Key key) {
  const int before = game_.CrossHairIndex();
  game_.PressKey(key);
  client_->sheet().moveCrossHair(before, game_.CrossHairIndex());
  refreshBars();
}

void MainWindow::afterHelp() {
  client_->sheet().update();  // the points taken back, the hint's mark and the cross-hair
  refreshBars();
}

void MainWindow::refreshBars() {
  takeBackAction_->setEnabled(game_.CanTakeBack());
  client_->topBar().showLevel(game_.Level());
  tellScreenReader();
}

// After each of the player's events: the crossing the cross-hair has moved to, then what the
// game told, in one notification. A key that changes nothing says nothing, as a list says
// nothing at its last line.
void MainWindow::tellScreenReader() {
  client_->sheet().tellScreenReader();
  sayAnnouncements();
}

// Also before a modal window opens, so that its words come after what led to it.
void MainWindow::sayAnnouncements() {
  if (announcements_.isEmpty()) return;
  announcer_->say(announcements_.join(QStringLiteral(". ")));
  announcements_.clear();
}

void MainWindow::Announce(const std::string& words) {
  announcements_.append(QString::fromStdString(words));
}

void MainWindow::PointPlaced(int index, PointColour /*colour*/, bool growing) {
  SheetWidget& sheet = client_->sheet();
  if (growing) {
    sheet.startGrowth(index);
  } else {
    sheet.update(SheetWidget::pointArea(index));
  }
}

void MainWindow::PointsTakenBack() {
  SheetCleared();  // a point taken back while it grows stops growing
}

void MainWindow::SheetDrawn() {
  client_->sheet().update();
}

void MainWindow::SheetCleared() {
  client_->sheet().cancelGrowths();
  client_->sheet().update();
}

void MainWindow::TurnChanged(PointColour colour, const std::string& statusText) {
  client_->rightPanel().showTurn(colour, QString::fromStdString(statusText));
}

void MainWindow::ScoresChanged() {
  const quintara::ScoreBoard& board = game_.MatchScores();
  const spoken::Side green{game_.PlayerName1(), false};
  const spoken::Side red{game_.PlayerName2(), !game_.TwoPlayers()};
  const auto words = [&](bool sets, int greenCount, int redCount) {
    return QStringList{QString::fromStdString(spoken::CountWords(*this, sets, green, greenCount)),
                       QString::fromStdString(spoken::CountWords(*this, sets, red, redCount))};
  };
  auto& panel = client_->rightPanel().scoreBoard();
  panel.showGames(board.HumanGames, board.ComputerGames,
                  words(false, board.HumanGames, board.ComputerGames));
  panel.showSets(board.HumanSets, board.ComputerSets,
                 words(true, board.HumanSets, board.ComputerSets));
  panel.setSetsShown(board.SetsShown);
}

void MainWindow::ShowStatistics() {
  sayAnnouncements();
  if (!statisticsWindow_) {
    statisticsWindow_ = std::make_unique<StatisticsWindow>(game_, this);
    connect(statisticsWindow_.get(), &QDialog::finished, this, [this] { answer(true); });
  }
  statisticsWindow_->Refresh();
  statisticsWindow_->open();
}

void MainWindow::ShowOpponentDialog() {
  opponentDialog_->open();
}

void MainWindow::Quit() {
  // Closing the main window ends the program and every other window with it.
  close();
  QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void MainWindow::ShowMessage(const std::string& text, const std::string& caption) {
  ask(text, caption, false);
}

void MainWindow::AskYesNo(const std::string& text, const std::string& caption) {
  ask(text, caption, true);
}

void MainWindow::ask(const std::string& text, const std::string& caption, bool yesNo) {
  // What led to the box is heard before it.
  sayAnnouncements();
  QMessageBox* box =
      OpenMessageBox(this, QString::fromStdString(text), QString::fromStdString(caption), yesNo);
  connect(box, &QDialog::finished, this,
          [this](int button) { answer(button == QMessageBox::Yes); });
}

void MainWindow::answer(bool yes) {
  comeBack();
  game_.Answer(yes);
  refreshBars();
}

// A window manager hands the keyboard back to the window when a modal window closes; without
// one (a bare X server) the window takes it back itself. The sheet takes the focus, which
// screen readers follow.
void MainWindow::comeBack() {
  activateWindow();
  // Also out of the menu bar, from which "&?" may have opened its window.
  client_->sheet().setFocus();
}

void MainWindow::Maximise() {
  showLargest();
}

void MainWindow::PlayPointSound() {
  sound_->play();
}

void MainWindow::StopPointSound() {
  // The chime lasts as long as the growth of the point that is showing.
  if (client_->sheet().growing()) {
    stopSoundAfterGrowth_ = true;
  } else {
    sound_->stop();
  }
}

std::string MainWindow::Translate(const char* french, int count) const {
  return TranslatedLanguage().Translate(french, count);
}

}  // namespace quintara::ui
