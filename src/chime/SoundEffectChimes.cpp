// The chime plugin: the wave file played by Qt Multimedia's QSoundEffect. Loaded by the program
// (ChimeSound) at run time, so that the sound libraries stay off its start.
#include <QSoundEffect>
#include <QUrl>

#include "ui/ChimePlayers.h"

namespace quintara::ui {
namespace {

class SoundEffectChime : public PointSound {
 public:
  explicit SoundEffectChime(const QString& wavePath) {
    // Read without waiting; a chime asked for before the file is read plays once it is.
    effect_.setSource(QUrl::fromLocalFile(wavePath));
  }

  void play() override {
    // From the start, even when the last chime is still ringing.
    effect_.stop();
    effect_.play();
  }

  void stop() override { effect_.stop(); }

 private:
  QSoundEffect effect_;
};

}  // namespace

class SoundEffectChimes : public QObject, public ChimePlayers {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QUINTARA_CHIME_PLAYERS_IID)
  Q_INTERFACES(quintara::ui::ChimePlayers)

 public:
  std::unique_ptr<PointSound> playerOf(const QString& wavePath) override {
    return std::make_unique<SoundEffectChime>(wavePath);
  }
};

}  // namespace quintara::ui

#include "SoundEffectChimes.moc"
