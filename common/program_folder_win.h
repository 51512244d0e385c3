#pragma once
// Where the desktop program's own executable lies.
#include <string>

namespace lunea {

// The folder with its trailing backslash; ".\" when the system cannot say.
std::string ProgramFolder();

} // namespace lunea
