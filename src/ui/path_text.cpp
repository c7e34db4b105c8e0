#include "ui/path_text.h"

namespace ui {
namespace {

bool isContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

}  // namespace

size_t nextCharacter(std::string_view text, size_t position) {
    const auto lead = static_cast<unsigned char>(text[position]);
    size_t next = position + 1;
    if (lead < 0xC0) return next;  // ASCII, or a stray continuation byte: alone
    const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    while (next < text.size() && next < position + length && isContinuationByte(text[next])) ++next;
    return next;
}

PathList splitPathText(std::string_view text) {
    PathList paths;
    size_t pieceStart = 0;
    size_t position = 0;
    while (text.size() - position >= 2) {
        if (text[position] == '\r' && text[position + 1] == '\n') {
            paths.emplace_back(text.substr(pieceStart, position - pieceStart));
            position += 2;
            pieceStart = position;
        } else {
            position = nextCharacter(text, position);
        }
    }
    if (pieceStart < text.size()) paths.emplace_back(text.substr(pieceStart));
    return paths;
}

}  // namespace ui
