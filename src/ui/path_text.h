#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// An ordered list of path texts, kept exactly as received (an entry may be empty or relative).
using PathList = std::vector<std::string>;

// The position after the character that starts at `position`: a UTF-8 lead byte together with
// the continuation bytes that follow it, any other byte alone. An ASCII byte after a broken
// sequence is never swallowed.
size_t nextCharacter(std::string_view text, size_t position);

// The paths of a drop text: one path alone, or paths each followed by CR LF. Empty entries
// between separators stay; a text ending in CR LF gives no empty last entry.
PathList splitPathText(std::string_view dropText);

}  // namespace ui
