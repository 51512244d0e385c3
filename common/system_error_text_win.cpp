#include "common/system_error_text_win.h"

namespace lunea {

std::string SystemErrorText(DWORD code) {
    char text[512];
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, 0, text, sizeof text, nullptr);
    while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n'))
        --length;
    return std::string(text, length);
}

std::string LastErrorTextOr(const std::string& fallback) {
    const DWORD code = GetLastError();
    const std::string text = code == ERROR_SUCCESS ? std::string() : SystemErrorText(code);
    return text.empty() ? fallback : text;
}

} // namespace lunea
