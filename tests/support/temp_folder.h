#pragma once
// A fresh folder under the temporary directory for one test, removed with everything in it
// (read-only and hidden entries included) when the test ends.
#include <string>

namespace testing {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    // path() + "\" + name
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

// Small file helpers on UTF-8 paths (long paths included).
void writeFile(const std::string& path, const std::string& bytes);
std::string readFile(const std::string& path);
void makeFolder(const std::string& path);
// Creates a sparse file of the given size without writing its contents.
void makeSparseFile(const std::string& path, unsigned long long size);
void removeTree(const std::string& path);

}  // namespace testing
