// Cutting the command line into paths, byte by byte, by the program's own rules. The text is
// UTF-8, so each step takes a whole character and no part of one is read as a quote or a
// separator.
#include "app/routing.h"

namespace app {
namespace {

constexpr char kQuote = '"';
constexpr char kSpace = ' ';

bool isSeparator(char byte) {
    const auto value = static_cast<unsigned char>(byte);
    return value >= 1 && value <= 32;
}

// The position of the first `wanted` byte at or after `position`, or the end of the text.
size_t findByte(std::string_view text, size_t position, char wanted) {
    while (position < text.size() && text[position] != wanted) position = ui::nextCharacter(text, position);
    return position;
}

// A quoted name runs to the next quote, which is skipped with one space after it; a plain
// name runs to the first space (a tab does not end it), which is skipped.
size_t afterProgramName(std::string_view line) {
    if (!line.empty() && line[0] == kQuote) {
        size_t position = findByte(line, 1, kQuote);
        if (position < line.size()) ++position;
        if (position < line.size() && line[position] == kSpace) ++position;
        return position;
    }
    const size_t position = findByte(line, 0, kSpace);
    return position < line.size() ? position + 1 : position;
}

size_t endOfPlainPiece(std::string_view line, size_t position) {
    while (position < line.size() && line[position] != kQuote && !isSeparator(line[position]))
        position = ui::nextCharacter(line, position);
    return position;
}

}  // namespace

ui::PathList splitCommandLine(std::string_view line) {
    ui::PathList pieces;
    size_t position = afterProgramName(line);
    while (position < line.size()) {
        if (isSeparator(line[position])) {
            ++position;
        } else if (line[position] == kQuote) {
            const size_t start = position + 1;
            const size_t end = findByte(line, start, kQuote);
            pieces.emplace_back(line.substr(start, end - start));
            position = end < line.size() ? end + 1 : end;
        } else {
            const size_t end = endOfPlainPiece(line, position);
            pieces.emplace_back(line.substr(position, end - position));
            position = end;
        }
    }
    return pieces;
}

}  // namespace app
