#include "app/routing.h"

#include <doctest.h>

TEST_CASE("splitCommandLine cuts the paths after the program's name") {
    struct Case {
        std::string name;
        std::string line;
        ui::PathList expected;
    };
    const Case cases[] = {
        {"empty line", "", {}},
        {"program name alone", "t.exe", {}},
        {"program name and a space", "t.exe ", {}},
        {"quoted program name alone", "\"C:\\my tools\\t.exe\"", {}},
        {"quoted program name, unterminated", "\"C:\\my tools\\t.exe a", {}},
        {"quoted path with spaces", "\"C:\\my tools\\t.exe\" \"D:\\my docs\\a b.txt\"", {"D:\\my docs\\a b.txt"}},
        {"quoted name followed straight by a path", "\"C:\\t.exe\"a", {"a"}},
        {"quoted name, then several spaces", "\"C:\\t.exe\"   a", {"a"}},
        // Only a space ends a plain program name.
        {"program name followed by a tab", "t.exe\ta b", {"b"}},
        {"program name followed by a tab alone", "t.exe\tfile", {}},
        {"plain pieces", "t.exe a b", {"a", "b"}},
        {"runs of separators", "t.exe   a  \t  b   ", {"a", "b"}},
        {"tab separates", "t.exe a\tb", {"a", "b"}},
        {"control bytes separate", "t.exe a\x01" "b\x1f" "c", {"a", "b", "c"}},
        {"byte 127 is part of a piece", "t.exe a\x7f" "b", {"a\x7f" "b"}},
        {"quoted piece after plain characters", "t.exe x\"y z\"", {"x", "y z"}},
        {"plain piece after a quoted one", "t.exe \"y z\"x", {"y z", "x"}},
        {"quotes inside a word cut it", "t.exe a\"b\"c", {"a", "b", "c"}},
        {"unterminated quote takes the rest", "t.exe a \"b  c\td", {"a", "b  c\td"}},
        {"backslash before a quote is ordinary", "t.exe \"C:\\dir\\\" b", {"C:\\dir\\", "b"}},
        {"backslashes in a plain piece", "t.exe C:\\a\\\\b\\", {"C:\\a\\\\b\\"}},
        {"empty quoted argument", "t.exe \"\"", {""}},
        {"two empty quoted arguments", "t.exe \"\" \"\"", {"", ""}},
        {"empty quoted argument between paths", "t.exe a \"\" b", {"a", "", "b"}},
        {"multi-byte names", "t.exe 文件.txt \"D:\\😀 数据\\é.bin\"", {"文件.txt", "D:\\😀 数据\\é.bin"}},
        {"multi-byte program name", "\"C:\\程序\\t.exe\" a", {"a"}},
        {"multi-byte plain program name", "程序.exe a", {"a"}},
        // A broken sequence never swallows the quote or separator after it.
        {"truncated lead byte before a quote", "t.exe \xE6\"x y\"", {"\xE6", "x y"}},
        {"truncated lead byte before a space", "t.exe \xE6\x96 b", {"\xE6\x96", "b"}},
        {"stray continuation byte", "t.exe \x80 b", {"\x80", "b"}},
        {"truncated lead byte ends a quoted piece", "t.exe \"a\xF0\" b", {"a\xF0", "b"}},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        CHECK(app::splitCommandLine(c.line) == c.expected);
    }
}
