#pragma once

namespace quintara::ui::texts {

// The texts the window itself shows, exactly as the player reads them; the game's own are in
// game/Texts.h.
inline constexpr const char* kNotPlayableHere = "      Vous survolez une zone non jouable";
inline constexpr const char* kLevelPrefix = "Niveau ";  // followed by 1..4
inline constexpr const char* kSecondPlayerName =
    "Joueur 2";  // the second player's, until typed over

}  // namespace quintara::ui::texts
