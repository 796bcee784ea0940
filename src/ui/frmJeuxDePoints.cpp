#include "ui/frmJeuxDePoints.h"

#include <QActionGroup>
#include <QApplication>
#include <QEvent>
#include <QMenuBar>
#include <QScrollBar>

#include "board/ShownArea.h"
#include "game/SpokenWords.h"
#include "game/Texts.h"
#include "ui/Bars.h"
#include "ui/ClientArea.h"
#include "ui/MessageBoxes.h"
#include "ui/PointSound.h"
#include "ui/RightPanel.h"
#include "ui/SheetWidget.h"
#include "ui/Twips.h"
#include "ui/frmApropos.h"
#include "ui/frmChoix.h"
#include "ui/frmStatistique.h"

namespace quintara::ui {

frmJeuxDePoints::frmJeuxDePoints(DieSource& die, QWidget* parent)
    : QMainWindow(parent),
      game_(*this, die),
      client_(new ClientArea(game_, this)),
      sound_(std::make_unique<SilentPointSound>()),
      boxes_(std::make_unique<QtMessageBoxes>(this)),
      choix_(new frmChoix(this)) {
  setObjectName("frmJeuxDePoints");
  setWindowTitle(quintara::texts::kApplicationTitle);
  createMenus();
  setCentralWidget(client_);
  client_->setMinimumSize(ClientPixels(kSmallestOuterWidth, kSmallestOuterHeight));

  SheetWidget& sheet = client_->sheet();
  connect(&sheet, &SheetWidget::intersectionClicked, this, &frmJeuxDePoints::lblIntersection_Click);
  connect(&sheet, &SheetWidget::hovered, &client_->statusBar(), &StatusBar::showHover);
  connect(&sheet, &SheetWidget::growthsEnded, this, [this] {
    if (!stopSoundAfterGrowth_) return;
    stopSoundAfterGrowth_ = false;
    sound_->stop();
  });
  connect(&sheet, &SheetWidget::crossHairKey, this, &frmJeuxDePoints::txtPion_KeyDown);
  connect(client_, &ClientArea::resized, this, &frmJeuxDePoints::Form_Resize);
  sheet.setFocus();

  // The dialog's choices take effect at once.
  connect(choix_, &frmChoix::levelChosen, this, [this](int level) {
    game_.SetLevel(level);
    refreshBars();
  });
  connect(choix_, &frmChoix::opponentChosen, this,
          [this](bool againstComputer) { game_.SetTwoPlayers(!againstComputer); });
  connect(choix_, &frmChoix::namesChanged, this,
          [this](const QString& name1, const QString& name2) {
            game_.SetPlayerNames(name1.toStdString(), name2.toStdString());
          });
  connect(choix_, &QDialog::accepted, this, [this] {
    raise();
    activateWindow();
  });

  refreshBars();
  resizeClient(QSize(ToPixels(kDesignClientWidth), ToPixels(kDesignClientHeight)));
}

frmJeuxDePoints::~frmJeuxDePoints() = default;

void frmJeuxDePoints::setPointSound(std::unique_ptr<PointSound> sound) {
  sound_ = std::move(sound);
}

void frmJeuxDePoints::setMessageBoxes(std::unique_ptr<MessageBoxes> boxes) {
  boxes_ = std::move(boxes);
}

void frmJeuxDePoints::setScoreStore(std::unique_ptr<ScoreStore> store) {
  scoreStore_ = std::move(store);
  game_.SetScoreStore(scoreStore_.get());
}

void frmJeuxDePoints::createMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&Fichier"));
  mnuNouvelle_ = file->addAction(QStringLiteral("&Nouvelle feuille"), this,
                                 &frmJeuxDePoints::mnuNouvelle_Click);
  mnuChanger_ = file->addAction(QStringLiteral("&Changer de niveau"), this,
                                &frmJeuxDePoints::mnuChanger_Click);
  mnuStatistique_ =
      file->addAction(QStringLiteral("&Statistique"), this, &frmJeuxDePoints::mnuStatistique_Click);
  mnuQuitter_ =
      file->addAction(QStringLiteral("&Quitter"), this, &frmJeuxDePoints::mnuQuitter_Click);

  QMenu* sounds = menuBar()->addMenu(QStringLiteral("Sons"));
  auto* soundGroup = new QActionGroup(this);
  const std::array<QString, 3> soundNames = {QStringLiteral("Son 1"), QStringLiteral("Son 2"),
                                             QStringLiteral("Désactiver le son")};
  for (int k = 0; k < 3; ++k) {
    QAction* item = sounds->addAction(soundNames[static_cast<std::size_t>(k)]);
    item->setCheckable(true);
    soundGroup->addAction(item);
    connect(item, &QAction::triggered, this, [this, k] { mnuSon_Click(k); });
    mnuSon_[static_cast<std::size_t>(k)] = item;
  }
  mnuSon_[0]->setChecked(true);
  mnuSon_[1]->setEnabled(false);  // cannot be chosen

  mnuApropos_ =
      menuBar()->addAction(QStringLiteral("&?"), this, &frmJeuxDePoints::mnuApropos_Click);
}

void frmJeuxDePoints::mnuNouvelle_Click() {
  game_.mnuNouvelle_Click();
  refreshBars();
}

void frmJeuxDePoints::mnuChanger_Click() {
  const bool goOn = game_.mnuChanger_Click();
  refreshBars();
  if (goOn) choix_->exec();
}

void frmJeuxDePoints::mnuStatistique_Click() {
  game_.ShowStatistics();
}

void frmJeuxDePoints::mnuQuitter_Click() {
  Quit();
}

void frmJeuxDePoints::mnuSon_Click(int index) {
  game_.SetSoundOn(index == 0);
}

void frmJeuxDePoints::mnuApropos_Click() {
  if (!apropos_) apropos_ = new frmApropos(this);
  apropos_->scrollBar()->setValue(0);
  apropos_->exec();
}

void frmJeuxDePoints::setGrowthDuration(std::chrono::milliseconds duration) {
  client_->sheet().setGrowthDuration(duration);
}

void frmJeuxDePoints::resizeClient(QSize pixels) {
  // Whatever the window adds round the client area (the menu bar) stays as it is.
  const QSize chrome = size() - client_->size();
  const QSize added = client_->isVisible()
                          ? chrome
                          : QSize(0, menuWidget() ? menuWidget()->sizeHint().height() : 0);
  resize(added + pixels);
}

void frmJeuxDePoints::Form_Resize() {
  const QSize outer = OuterTwips(client_->size());
  if (outer.width() > kLargestOuterWidth || outer.height() > kLargestOuterHeight) {
    // Once the platform has finished with the size it is handing out now.
    QMetaObject::invokeMethod(this, &frmJeuxDePoints::showLargest, Qt::QueuedConnection);
  }
  // The game caps the size as well, so the shown area is right even before the window has
  // taken its new size.
  game_.Form_Resize(outer.width(), outer.height());
}

void frmJeuxDePoints::showLargest() {
  if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
    setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
  }
  resizeClient(ClientPixels(kLargestOuterWidth, kLargestOuterHeight));
}

void frmJeuxDePoints::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  // A maximised window becomes a normal window of the largest size.
  if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMaximized)) {
    QMetaObject::invokeMethod(this, &frmJeuxDePoints::showLargest, Qt::QueuedConnection);
  }
}

void frmJeuxDePoints::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  // Without a window manager nothing holds the window to its smallest size but the window.
  const QSize least = size().expandedTo(minimumSize());
  if (least != size()) {
    QMetaObject::invokeMethod(
        this, [this, least] { resize(least); }, Qt::QueuedConnection);
  }
}

void frmJeuxDePoints::lblIntersection_Click(int index) {
  game_.lblIntersection_Click(index);
  refreshBars();
}

void frmJeuxDePoints::txtPion_KeyDown(Key key) {
  const int before = game_.CrossHairIndex();
  game_.txtPion_KeyDown(key);
  client_->sheet().moveCrossHair(before, game_.CrossHairIndex());
  refreshBars();
}

void frmJeuxDePoints::refreshBars() {
  client_->topBar().showLevel(game_.Level());
  client_->rightPanel().showTurn(game_.TurnColour(), QString::fromStdString(game_.StatusText()));
  tellScreenReader();
}

// After each of the player's events: the computer's point if it played, else the cross-hair's
// intersection when it moved or changed. A key that changes nothing says nothing, as a list
// says nothing at its last line; readers skip an unchanged description anyway. The reply also
// rides on the cross-hair's cell, focused afresh, until the next key: readers of this Qt hear
// a focused cell's name but not a changed description.
void frmJeuxDePoints::tellScreenReader() {
  const std::string crossHair =
      spoken::IntersectionWords(game_.CurrentSheet(), game_.CrossHairIndex());
  SheetWidget& sheet = client_->sheet();
  if (computerPointToTell_ >= 0) {
    const QString reply = QString::fromStdString(spoken::ComputerPointWords(computerPointToTell_));
    sheet.setCrossHairNote(reply);
    sheet.setSpokenWords(reply);
    sheet.focusCrossHairCell();
  } else {
    sheet.setCrossHairNote({});
    if (crossHair != crossHairWords_) {
      sheet.setSpokenWords(QString::fromStdString(crossHair));
      sheet.focusCrossHairCell();
    }
  }
  computerPointToTell_ = -1;
  crossHairWords_ = crossHair;
}

void frmJeuxDePoints::PointPlaced(int index, PointColour /*colour*/, bool growing) {
  SheetWidget& sheet = client_->sheet();
  if (growing) {
    sheet.startGrowth(index);
    computerPointToTell_ = index;  // only the computer's points grow
  } else {
    sheet.update(SheetWidget::pointArea(index));
  }
}

void frmJeuxDePoints::SheetDrawn() {
  client_->sheet().update();
}

void frmJeuxDePoints::SheetCleared() {
  client_->sheet().cancelGrowths();
  client_->sheet().update();
}

void frmJeuxDePoints::TurnChanged(PointColour colour, const std::string& statusText) {
  client_->rightPanel().showTurn(colour, QString::fromStdString(statusText));
}

void frmJeuxDePoints::ScoresChanged() {
  const quintara::ScoreBoard& board = game_.MatchScores();
  auto& panel = client_->rightPanel().scoreBoard();
  panel.showGames(board.HumanGames, board.ComputerGames);
  panel.showSets(board.HumanSets, board.ComputerSets);
  panel.setSetsShown(board.SetsShown);
}

void frmJeuxDePoints::ShowStatistics() {
  if (!statistique_) statistique_ = new frmStatistique(game_, this);
  statistique_->Refresh();
  repaint();
  statistique_->exec();
}

void frmJeuxDePoints::Quit() {
  // Closing the main window ends the program and every other window with it.
  close();
  QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void frmJeuxDePoints::ShowMessage(const std::string& text, const std::string& caption) {
  // The player sees the sheet as it stands before the box takes the focus.
  repaint();
  boxes_->inform(QString::fromStdString(text), QString::fromStdString(caption));
}

bool frmJeuxDePoints::AskYesNo(const std::string& text, const std::string& caption) {
  repaint();
  return boxes_->ask(QString::fromStdString(text), QString::fromStdString(caption));
}

void frmJeuxDePoints::Maximise() {
  showLargest();
}

void frmJeuxDePoints::PlayPointSound() {
  sound_->play();
}

void frmJeuxDePoints::StopPointSound() {
  // The chime lasts as long as the growth of the point that is showing.
  if (client_->sheet().growing()) {
    stopSoundAfterGrowth_ = true;
  } else {
    sound_->stop();
  }
}

}  // namespace quintara::ui
