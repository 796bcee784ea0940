#include "ui/ChimeSound.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace quintara::ui {

ChimeSound::ChimeSound(QString wavePath) : wavePath_(std::move(wavePath)) {}

ChimeSound::~ChimeSound() = default;

QString ChimeSound::besideProgram() {
  return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Chimes.wav"));
}

void ChimeSound::play() {
  if (!effect_) {
    if (!QFileInfo::exists(wavePath_)) return;
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(wavePath_));
  }
  // From the start, even when the last chime is still ringing.
  effect_->stop();
  effect_->play();
}

void ChimeSound::stop() {
  if (effect_) effect_->stop();
}

}  // namespace quintara::ui
