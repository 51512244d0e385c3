#include "common/file_system.h"

#include "common/system_error_text_win.h"
#include "common/unique_win.h"

#include <windows.h>

#include <string>

namespace lunea {
namespace {

class Win32File : public OpenFile {
  public:
    Win32File(HANDLE handle, DWORD& lastError) : handle_(handle), lastError_(lastError) {}

    bool Read(void* buffer, std::size_t size, std::size_t& got) override {
        got = 0;
        auto* bytes = static_cast<char*>(buffer);
        while (got < size) {
            DWORD n = 0;
            if (!ReadFile(handle_.Get(), bytes + got, static_cast<DWORD>(size - got), &n, nullptr))
                return Fail();
            if (n == 0)
                break;
            got += n;
        }
        return true;
    }

    bool Write(const void* data, std::size_t size) override {
        const auto* bytes = static_cast<const char*>(data);
        std::size_t done = 0;
        while (done < size) {
            DWORD n = 0;
            if (!WriteFile(handle_.Get(), bytes + done, static_cast<DWORD>(size - done), &n,
                           nullptr))
                return Fail();
            // Success without progress would repeat for ever; a full disk is
            // the likely cause.
            if (n == 0) {
                lastError_ = ERROR_DISK_FULL;
                return false;
            }
            done += n;
        }
        return true;
    }

    bool Flush() override { return FlushFileBuffers(handle_.Get()) || Fail(); }

    bool Close() override { return CloseHandle(handle_.Release()) || Fail(); }

  private:
    bool Fail() {
        lastError_ = GetLastError();
        return false;
    }

    win::UniqueHandle handle_;
    DWORD& lastError_;
};

class Win32FileSystem : public FileSystem {
  public:
    OpenStatus OpenExisting(const std::string& path, std::unique_ptr<OpenFile>& file) override {
        const HANDLE handle =
            CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            lastError_ = GetLastError();
            return lastError_ == ERROR_FILE_NOT_FOUND || lastError_ == ERROR_PATH_NOT_FOUND
                       ? OpenStatus::NotFound
                       : OpenStatus::Failed;
        }
        file = std::make_unique<Win32File>(handle, lastError_);
        return OpenStatus::Opened;
    }

    std::unique_ptr<OpenFile> CreateTemporaryBeside(const std::string& targetPath,
                                                    std::string& tempPath) override {
        for (int attempt = 0; attempt < 100; ++attempt) {
            tempPath = targetPath + "." + std::to_string(GetCurrentProcessId()) + "-" +
                       std::to_string(nextSuffix_++) + ".tmp";
            const HANDLE handle = CreateFileA(tempPath.c_str(), GENERIC_WRITE, 0, nullptr,
                                              CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (handle != INVALID_HANDLE_VALUE)
                return std::make_unique<Win32File>(handle, lastError_);
            lastError_ = GetLastError();
            if (lastError_ != ERROR_FILE_EXISTS && lastError_ != ERROR_ALREADY_EXISTS)
                break;
        }
        return nullptr;
    }

    bool Replace(const std::string& source, const std::string& target) override {
        return MoveFileExA(source.c_str(), target.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ||
               Fail();
    }

    bool Remove(const std::string& path) override { return DeleteFileA(path.c_str()) || Fail(); }

    std::string LastErrorText() const override {
        const std::string text = SystemErrorText(lastError_);
        return text.empty() ? "System error " + std::to_string(lastError_) + "." : text;
    }

  private:
    bool Fail() {
        lastError_ = GetLastError();
        return false;
    }

    DWORD lastError_ = ERROR_SUCCESS;
    unsigned nextSuffix_ = 0;
};

} // namespace

std::unique_ptr<FileSystem> MakePlatformFileSystem() {
    return std::make_unique<Win32FileSystem>();
}

} // namespace lunea
