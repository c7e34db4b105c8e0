// Random drop texts, fixed seed: whatever the names, cutting gives back what was dropped.
#include "ui/path_text.h"

#include <doctest.h>

#include <random>

namespace {

// A random code point of 1 to 4 UTF-8 bytes, never CR or LF.
std::string randomCharacter(std::mt19937& random) {
    static const char32_t ranges[][2] = {{0x20, 0x7E}, {0x1, 0x9}, {0xA0, 0x7FF}, {0x4E00, 0x9FFF}, {0x10000, 0x1FFFF}};
    const auto& range = ranges[random() % 5];
    const char32_t c = range[0] + static_cast<char32_t>(random() % (range[1] - range[0] + 1));
    std::string bytes;
    if (c < 0x80) {
        bytes += static_cast<char>(c);
    } else if (c < 0x800) {
        bytes += static_cast<char>(0xC0 | (c >> 6));
        bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        bytes += static_cast<char>(0xE0 | (c >> 12));
        bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        bytes += static_cast<char>(0xF0 | (c >> 18));
        bytes += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (c & 0x3F));
    }
    return bytes;
}

std::string dropTextOf(const ui::PathList& paths) {
    if (paths.size() == 1) return paths[0];
    std::string text;
    for (const std::string& path : paths) text += path + "\r\n";
    return text;
}

}  // namespace

TEST_CASE("any list of non-empty UTF-8 paths survives the drop text") {
    std::mt19937 random(20261211);
    for (int round = 0; round < 2000; ++round) {
        ui::PathList paths(1 + random() % 5);
        for (std::string& path : paths) {
            const size_t length = 1 + random() % 12;
            for (size_t i = 0; i < length; ++i) path += randomCharacter(random);
        }
        const std::string text = dropTextOf(paths);
        CAPTURE(text);
        REQUIRE(ui::splitPathText(text) == paths);
    }
}

TEST_CASE("random bytes, broken UTF-8 included, never lose a separator") {
    std::mt19937 random(7);
    const char alphabet[] = {'a', '\r', '\n', '\x80', '\xBF', '\xC3', '\xE4', '\xF0', '\xFF', '\\'};
    for (int round = 0; round < 5000; ++round) {
        std::string text;
        const size_t length = random() % 16;
        for (size_t i = 0; i < length; ++i) text += alphabet[random() % sizeof alphabet];
        CAPTURE(text);
        const ui::PathList paths = ui::splitPathText(text);
        // Joining the pieces back with the separators they were cut at gives the text again.
        std::string joined;
        for (size_t i = 0; i < paths.size(); ++i) {
            joined += paths[i];
            if (i + 1 < paths.size() || joined.size() < text.size()) joined += "\r\n";
        }
        CHECK(joined == text);
        for (const std::string& path : paths) CHECK(path.find("\r\n") == std::string::npos);
    }
}
