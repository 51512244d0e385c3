#include "provider/desktop_file_win.h"

#include "common/unique_win.h"

#include <windows.h>

namespace lunea::provider {
namespace {

using win::UniqueHandle;

// Deletes the temporary file unless it was moved into place.
class TemporaryFile {
  public:
    explicit TemporaryFile(const std::string& folder) {
        if (GetTempFileNameA(folder.c_str(), "lun", 0, path_) == 0)
            path_[0] = '\0';
    }
    ~TemporaryFile() {
        if (path_[0])
            DeleteFileA(path_);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool Created() const { return path_[0] != '\0'; }
    const char* Path() const { return path_; }
    bool MoveOver(const std::string& target) {
        if (!MoveFileExA(path_, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return false;
        path_[0] = '\0';
        return true;
    }

  private:
    char path_[MAX_PATH] = {};
};

bool WriteAll(const char* path, const std::vector<std::uint8_t>& bytes) {
    UniqueHandle file(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    DWORD written = 0;
    if (!WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size())
        return false;
    return FlushFileBuffers(file.Get()) != FALSE;
}

} // namespace

bool ReadDesktopFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
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
    const std::string folder = path.substr(0, path.find_last_of('\\') + 1);
    TemporaryFile temporary(folder);
    return temporary.Created() && WriteAll(temporary.Path(), bytes) && temporary.MoveOver(path);
}

} // namespace lunea::provider
