#include "ui/path_text.h"

#include <doctest.h>

TEST_CASE("splitPathText gives back the dropped paths") {
    struct Case {
        const char* name;
        std::string text;
        ui::PathList expected;
    };
    const Case cases[] = {
        {"empty text", "", {}},
        {"one path alone", "C:\\a.txt", {"C:\\a.txt"}},
        {"two paths each followed by CR LF", "C:\\a\r\nC:\\b\r\n", {"C:\\a", "C:\\b"}},
        {"leading separators give empty entries", "\r\n\r\nC:\\a", {"", "", "C:\\a"}},
        {"a lone CR or LF stays inside a path", "C:\\a\rb\nc", {"C:\\a\rb\nc"}},
        {"a separator alone", "\r\n", {""}},
        {"multi-byte names", "D:\\文件夹\\数据.txt\r\nD:\\😀.bin\r\n", {"D:\\文件夹\\数据.txt", "D:\\😀.bin"}},
        {"multi-byte character right before CR LF", "D:\\é\r\nD:\\中\r\n", {"D:\\é", "D:\\中"}},
        // A broken sequence never swallows the separator after it.
        {"truncated lead byte before CR LF", "a\xE4\r\nb\r\n", {"a\xE4", "b"}},
        {"stray continuation byte before CR LF", "a\x80\r\nb", {"a\x80", "b"}},
        {"single trailing byte", "a\r\nb", {"a", "b"}},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        CHECK(ui::splitPathText(c.text) == c.expected);
    }
}
