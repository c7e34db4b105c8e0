#include "platform/long_path.h"

#include "platform/text.h"

#include <doctest.h>

#include <windows.h>

using platform::widen;
using platform::windowsPath;

namespace {

std::string repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

std::wstring currentDirectory() {
    std::wstring buffer(32768, L'\0');
    buffer.resize(GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data()));
    if (!buffer.empty() && buffer.back() != L'\\') buffer += L'\\';
    return buffer;
}

}  // namespace

TEST_CASE("windowsPath passes paths below MAX_PATH UTF-16 units exactly as received") {
    const std::string unchanged[] = {
        "",  // a missing file, never the current folder
        "a.txt",
        "Q:\\x\\..\\y.txt",
        "Q:/x/y.txt",
        "Q:\\" + std::string(256, 'a'),              // 259 units
        "Q:\\" + repeat("😀", 127) + "a",             // 258 units in 512 bytes
        "\\\\server\\share\\" + std::string(200, 'a'),
    };
    for (const std::string& path : unchanged) {
        CAPTURE(path);
        CHECK(windowsPath(path) == widen(path));
    }
}

TEST_CASE("windowsPath makes a path of MAX_PATH units or more absolute and gives it the \\\\?\\ form") {
    const std::string a300(300, 'a');
    struct Case {
        std::string path;
        std::wstring expected;
    };
    const Case cases[] = {
        {"Q:\\" + std::string(257, 'a'), L"\\\\?\\Q:\\" + std::wstring(257, L'a')},  // 260 units
        {"Q:\\" + repeat("😀", 128) + "a", widen("\\\\?\\Q:\\" + repeat("😀", 128) + "a")},
        // The \\?\ form turns off normalisation, so it must be done first.
        {"Q:\\x\\..\\" + a300, widen("\\\\?\\Q:\\" + a300)},
        {"Q:/x/./" + a300, widen("\\\\?\\Q:\\x\\" + a300)},
        {a300, L"\\\\?\\" + currentDirectory() + widen(a300)},
        {"\\\\server\\share\\" + a300, widen("\\\\?\\UNC\\server\\share\\" + a300)},
        {"\\\\?\\Q:\\" + a300, widen("\\\\?\\Q:\\" + a300)},
    };
    for (const Case& c : cases) {
        CAPTURE(c.path);
        CHECK(windowsPath(c.path) == c.expected);
    }
}
