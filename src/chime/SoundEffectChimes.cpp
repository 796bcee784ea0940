// The chime plugin: the wave file played by Qt Multimedia's QSoundEffect. Loaded by the program
// (ChimeSound) at run time, so that the sound libraries stay off its start.
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSoundEffect>
#include <QUrl>

#include "ui/ChimePlayers.h"

namespace quintara::ui {
namespace {

constexpr int kLongestRead = 2000;  // milliseconds

class SoundEffectChime : public PointSound {
 public:
  // Starts reading the file; a chime asked for before it is read plays once it is.
  explicit SoundEffectChime(const QString& wavePath) {
    effect_.setSource(QUrl::fromLocalFile(wavePath));
  }

  // Waits for the read, a few milliseconds, so that the first chime sounds on time and no read
  // is under way when the program ends: Qt 6.4's sample cache, at exit, waits for its reading
  // thread while it holds a lock that the thread needs to finish a read. The player's keys and
  // clicks wait meanwhile.
  void prepare() override {
    const QDeadlineTimer deadline(kLongestRead);
    while (effect_.status() == QSoundEffect::Loading && !deadline.hasExpired()) {
      QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
    }
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
