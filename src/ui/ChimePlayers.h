#pragma once

#include <QString>
#include <QtPlugin>
#include <memory>

#include "ui/PointSound.h"

namespace quintara::ui {

// What the chime plugin offers: players of a wave file. The plugin holds the sound libraries,
// so that the program starts without them and loads them once, when the chime gets ready.
class ChimePlayers {
 public:
  virtual ~ChimePlayers() = default;
  // A player of the wave file, ready to play it without waiting.
  virtual std::unique_ptr<PointSound> playerOf(const QString& wavePath) = 0;
};

}  // namespace quintara::ui

// moc reads a plugin interface's id only from a string literal or a macro.
// NOLINTNEXTLINE(cppcoreguidelines-macro-usage)
#define QUINTARA_CHIME_PLAYERS_IID "org.quintara.Quintara.ChimePlayers/1"
Q_DECLARE_INTERFACE(quintara::ui::ChimePlayers, QUINTARA_CHIME_PLAYERS_IID)
