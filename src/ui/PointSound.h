#pragma once

namespace quintara::ui {

// The chime of a computer point: started without waiting, stopped when the point has grown.
class PointSound {
 public:
  virtual ~PointSound() = default;
  // Gets what playing needs ready, so that the first chime sounds at once; the window calls it
  // once it has painted, off its start, from its event loop (it may handle events meanwhile).
  // Playing does without it.
  virtual void prepare() {}
  virtual void play() = 0;
  // Ends a chime that is still playing; does nothing when none is.
  virtual void stop() = 0;
};

// No sound device: the game plays on in silence.
class SilentPointSound : public PointSound {
 public:
  void play() override {}
  void stop() override {}
};

}  // namespace quintara::ui
