#pragma once

#include <string>
#include <string_view>

#include "model/messages.hpp"

namespace swd {

inline constexpr int kMaxNameLength = 8;
inline constexpr int kMaxTitleLength = 16;

// Each returns an empty message when the text can be used, else what is wrong with it.
// A map name is a name, never a path: 1 to 8 letters, digits, '-' or '_', and none that
// Windows keeps for a device (CON, NUL, COM1, ...).
Message CheckMapName(std::string_view name);
// A title has 1 to 16 characters, all of them in the game's code page 437.
Message CheckMapTitle(std::string_view title_utf8);

// An author field's text has at most 20 characters of code page 437 (it may be empty).
Message CheckMapAuthor(std::string_view author_utf8);

// The proposed file name for the random number n (0..999): Karte007.
std::string ProposedMapName(int n);
inline constexpr const char* kProposedTitle = "Phantasia-Zufall";

}  // namespace swd
