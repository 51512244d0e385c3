#pragma once
// Host programs (pdftoppm, lpadmin, the session's scripts) run from a Windows
// test under Wine. Wine starts a Unix executable named by its Unix path but
// gives no handle to wait on, so the command runs in a shell script that
// writes its exit status into a file last, and the test waits for that file.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace lunea::test {

struct NativeResult {
    int exitCode = -1;
    std::string output; // standard output and error together
};

// Runs the program (looked up in the host's PATH) with the arguments exactly
// as given, no shell expansion; nothing when it does not finish in time.
std::optional<NativeResult> RunNativeCommand(const std::vector<std::string>& arguments,
                                             DWORD timeoutMs = 60000);

// Path conversions through Wine's own mapping; empty when there is none.
std::string UnixPathOf(const std::string& windowsPath);
std::string WindowsPathOf(const std::string& unixPath);

} // namespace lunea::test
