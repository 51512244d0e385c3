#pragma once
#include "common/unique_win.h"

#include <optional>
#include <string>

namespace lunea::provider {

// The data file of the partnership whose key is given; closes the key.
// Nothing when its "DataFolder" value names no usable folder: the exchange
// then stops rather than pick a file the desktop program would not.
std::optional<std::string> DataFilePathOf(win::UniqueRegKey partnership);

} // namespace lunea::provider
