#include "single/single_file.h"
#include "support/recording_services.h"
#include "support/temp_folder.h"

#include <doctest.h>

#include <string>
#include <vector>

TEST_CASE("pathExists is a directory search with the path as its pattern") {
    testing::TempFolder folder;
    testing::writeFile(folder / "a.txt", "1");
    testing::makeFolder(folder / "sub");
    // Longer than the classic limit, so the platform layer must give it the long form.
    std::string deep = folder.path();
    for (int level = 0; level < 6; ++level) {
        deep += "\\" + std::string(50, static_cast<char>('a' + level));
        testing::makeFolder(deep);
    }
    testing::writeFile(deep + "\\文件 😀.txt", "1");
    REQUIRE(deep.size() > MAX_PATH);

    struct Case {
        std::string name;
        std::string path;
        bool exists;
    };
    const Case cases[] = {
        {"a file", folder / "a.txt", true},
        {"a folder", folder / "sub", true},
        {"a wildcard that matches", folder / "*.txt", true},
        {"a single-character wildcard that matches", folder / "?.txt", true},
        {"a file in a long path", deep + "\\文件 😀.txt", true},
        {"a wildcard in a long path", deep + "\\*.txt", true},
        {"a missing file", folder / "b.txt", false},
        {"a wildcard that matches nothing", folder / "*.none", false},
        {"a folder ending in a separator", folder / "sub\\", false},
        {"a long folder path ending in a separator", deep + "\\", false},
        {"an empty path", "", false},
        // The private drive the test scripts map to a folder of their own.
        {"a bare drive root", "R:\\", false},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        testing::ServicesRecorder services;
        CHECK(single::pathExists(c.path) == c.exists);
        // The path itself is the pattern; the record leaves an empty argument out.
        std::vector<std::string> expected{c.path.empty() ? "findFirstFile" : "findFirstFile " + c.path};
        // A search that found something is closed again.
        if (c.exists) expected.push_back("findClose");
        CHECK(services.calls == expected);
    }
}
