#pragma once
#include <string>

namespace bench {

void measureStart(const std::string& tempolisExe, const std::string& minimalExe);

}  // namespace bench
