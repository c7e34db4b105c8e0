#include "platform/services.h"
#include "platform/text.h"

#include <doctest.h>

TEST_CASE("widen and narrow convert between UTF-8 and UTF-16 without loss, outside any code page too") {
    const std::string texts[] = {"", "plain", "内容 字节", "한글😀ñ", std::string("a\0b", 3)};
    for (const std::string& text : texts) {
        CAPTURE(text);
        CHECK(platform::narrow(platform::widen(text)) == text);
    }
    CHECK(platform::widen("😀ñ") == std::wstring{0xD83D, 0xDE00, 0x00F1});
}

TEST_CASE("ScopedServices installs a replacement and restores the one before it") {
    platform::Services& real = platform::services();
    platform::Services outer, inner;
    {
        platform::ScopedServices outerScope(outer);
        CHECK(&platform::services() == &outer);
        {
            platform::ScopedServices innerScope(inner);
            CHECK(&platform::services() == &inner);
        }
        CHECK(&platform::services() == &outer);
    }
    CHECK(&platform::services() == &real);
}
