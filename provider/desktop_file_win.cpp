#include "provider/desktop_file_win.h"

#include "common/file_system.h"
#include "common/replace_file.h"
#include "common/unique_win.h"

#include <windows.h>

namespace lunea::provider {

bool ReadDesktopFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    win::UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                       OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file.Get(), &size) || size.HighPart != 0 || size.LowPart > 0x7FFFFFFF)
        return false;
    bytes.resize(size.LowPart);
    DWORD read = 0;
    return ReadFile(file.Get(), bytes.data(), size.LowPart, &read, nullptr) && read == size.LowPart;
}

bool ReplaceDesktopFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    const std::unique_ptr<FileSystem> files = MakePlatformFileSystem();
    return WriteFileReplacing(*files, path, bytes).replaced;
}

} // namespace lunea::provider
