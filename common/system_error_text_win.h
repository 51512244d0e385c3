#pragma once
// The system's own words for a Win32 error code, for messages the user reads.
#include <windows.h>

#include <string>

namespace lunea {

// FormatMessage's text without its line break; empty when the system has no
// text for the code.
std::string SystemErrorText(DWORD code);

// The text for GetLastError(), which it reads first; the fallback when the
// failed call left no code or the system has no text for it.
std::string LastErrorTextOr(const std::string& fallback);

} // namespace lunea
