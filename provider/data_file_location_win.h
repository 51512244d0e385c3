#pragma once
#include "common/unique_win.h"

#include <string>

namespace lunea::provider {

// The data file of the partnership whose key is given; closes the key.
std::string DataFilePathOf(win::UniqueRegKey partnership);

} // namespace lunea::provider
