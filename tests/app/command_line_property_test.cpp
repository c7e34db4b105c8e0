// Random command lines, fixed seed: quoted arguments come back whole, and broken UTF-8 never
// swallows a separator or a quote.
#include "app/routing.h"

#include <doctest.h>

#include <random>

namespace {

// Any UTF-8 character but the double quote: ASCII (spaces and tabs included), two-, three- and
// four-byte characters.
std::string randomCharacter(std::mt19937& random) {
    switch (random() % 4) {
    case 0: {
        char c = static_cast<char>(1 + random() % 126);
        return c == '"' ? std::string(" ") : std::string(1, c);
    }
    case 1: return "é";
    case 2: return random() % 2 ? "文" : "件";
    default: return "😀";
    }
}

}  // namespace

TEST_CASE("quoted arguments without quotes come back as the same entries") {
    std::mt19937 random(1211);
    for (int round = 0; round < 2000; ++round) {
        ui::PathList arguments(1 + random() % 4);
        for (std::string& argument : arguments) {
            const size_t length = random() % 10;  // empty arguments included
            for (size_t i = 0; i < length; ++i) argument += randomCharacter(random);
        }
        std::string line = random() % 2 ? "\"C:\\Program Files\\tempolis.exe\"" : "tempolis.exe";
        // Only a space ends an unquoted program name; after it, tabs separate as well.
        line += " ";
        for (const std::string& argument : arguments) line += (random() % 2 ? " \"" : "\t\"") + argument + "\"";
        CAPTURE(line);
        REQUIRE(app::splitCommandLine(line) == arguments);
    }
}

TEST_CASE("random bytes never hide a separator or a quote") {
    std::mt19937 random(99);
    // No ASCII byte from 0 to 32 and no quote: these make up plain pieces.
    const char pieceBytes[] = {'a', '\\', 'Z', '\x80', '\xBF', '\xC3', '\xE4', '\xF0', '\xFF'};
    for (int round = 0; round < 3000; ++round) {
        ui::PathList pieces(1 + random() % 4);
        std::string line = "tempolis.exe ";
        for (std::string& piece : pieces) {
            const size_t length = 1 + random() % 6;
            for (size_t i = 0; i < length; ++i) piece += pieceBytes[random() % sizeof pieceBytes];
            line += (random() % 2 ? " " : "\t") + piece;
        }
        CAPTURE(line);
        CHECK(app::splitCommandLine(line) == pieces);
        // The same garbage inside quotes stays one entry each.
        std::string quoted = "tempolis.exe ";
        for (const std::string& piece : pieces) quoted += "\"" + piece + "\"";
        CHECK(app::splitCommandLine(quoted) == pieces);
    }
}
