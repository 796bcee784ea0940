#pragma once

#include <QString>
#include <memory>

#include "ui/PointSound.h"

namespace quintara::ui {

// The chime of a computer point: "Chimes.wav" from the program's folder, played without
// waiting by the chime plugin beside it, which holds the sound libraries and is loaded when
// the chime gets ready. A missing file, a missing plugin or no sound device leaves the game
// silent, with no message.
class ChimeSound : public PointSound {
 public:
  // The chime and the plugin in the program's folder.
  explicit ChimeSound(QString programFolder);
  ~ChimeSound() override;
  Q_DISABLE_COPY_MOVE(ChimeSound)

  void prepare() override;
  void play() override;
  void stop() override;

 private:
  // Loads the plugin and starts reading the file, once.
  void load();

  QString folder_;
  bool loaded_ = false;
  std::unique_ptr<PointSound> player_;  // the plugin's; none when it cannot play
};

}  // namespace quintara::ui
