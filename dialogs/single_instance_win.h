#pragma once
#include "common/unique_win.h"

#include <windows.h>

#include <string>

namespace lunea {

// Lets only one copy of the program run: the first copy holds a named
// mapping for its whole life; a copy that finds it already there is a
// second copy.
class SingleInstance {
  public:
    explicit SingleInstance(long appId);

    // True when another copy already runs. A mapping that cannot be created
    // at all lets this copy run unguarded.
    bool AnotherCopyRuns() const { return anotherCopyRuns_; }

    static std::string MappingName(long appId);

  private:
    win::UniqueHandle mapping_;
    bool anotherCopyRuns_ = false;
};

} // namespace lunea
