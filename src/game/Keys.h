#pragma once

namespace quintara {

// The keys that move the cross-hair and play where it stands, by their Visual Basic key codes.
enum class Key : int {
  kEnter = 13,
  kLeft = 37,
  kUp = 38,
  kRight = 39,
  kDown = 40,
};

}  // namespace quintara
