#include "ui/ChimeSound.h"

#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>
#include <utility>

#include "ui/ChimePlayers.h"

namespace quintara::ui {

ChimeSound::ChimeSound(QString programFolder) : folder_(std::move(programFolder)) {}

// Qt keeps a loaded plugin until the program ends, so its player may go at any time.
ChimeSound::~ChimeSound() = default;

void ChimeSound::prepare() {
  load();
  if (player_) player_->prepare();
}

void ChimeSound::play() {
  load();  // without waiting for the file: a chime asked for in the middle of a turn
  if (player_) player_->play();
}

void ChimeSound::load() {
  if (loaded_) return;
  loaded_ = true;
  const QDir folder(folder_);
  const QString wave = folder.filePath(QStringLiteral("Chimes.wav"));
  if (!QFileInfo::exists(wave)) return;
  QPluginLoader plugin(folder.filePath(QStringLiteral(QUINTARA_CHIME_PLUGIN)));
  if (auto* players = qobject_cast<ChimePlayers*>(plugin.instance())) {
    player_ = players->playerOf(wave);
  }
}

void ChimeSound::stop() {
  if (player_) player_->stop();
}

}  // namespace quintara::ui
