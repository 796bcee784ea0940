#pragma once

#include <QString>
#include <memory>

#include "ui/PointSound.h"

class QSoundEffect;

namespace quintara::ui {

// The chime of a computer point: "Chimes.wav" from the program's folder, played without
// waiting. A missing file or no sound device leaves the game silent, with no message.
class ChimeSound : public PointSound {
 public:
  explicit ChimeSound(QString wavePath);
  ~ChimeSound() override;

  void play() override;
  void stop() override;

  // The program's own chime, beside it.
  static QString besideProgram();

 private:
  QString wavePath_;
  std::unique_ptr<QSoundEffect> effect_;  // made on the first chime, so start-up stays quick
};

}  // namespace quintara::ui
