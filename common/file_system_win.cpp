#include "common/file_system.h"

#include "common/system_error_text_win.h"
#include "common/temporary_names.h"
#include "common/unique_win.h"
#include "common/write_all.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace lunea {
namespace {

class HandleFile : public OpenFile {
  public:
    HandleFile(HANDLE handle, DWORD& lastError) : handle_(handle), lastError_(lastError) {}

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
        const WriteAllResult result =
            WriteAll(data, size, [this](const void* bytes, std::size_t count) {
                DWORD n = 0;
                if (!WriteFile(handle_.Get(), bytes, static_cast<DWORD>(count), &n, nullptr))
                    return std::optional<std::size_t>();
                return std::optional<std::size_t>(n);
            });
        if (result == WriteAllResult::Failed)
            return Fail();
        // A full disk is the likely cause of a write that takes nothing.
        if (result == WriteAllResult::Stalled)
            lastError_ = ERROR_DISK_FULL;
        return result == WriteAllResult::Written;
    }

    bool Truncate() override { return SetEndOfFile(handle_.Get()) || Fail(); }

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

// Our own id counts as gone: this process holds no temporary file open
// between two saves, so one with its id was left by an earlier process.
bool IsRunningOtherProcess(DWORD id) {
    if (id == GetCurrentProcessId())
        return false;
    const win::UniqueHandle process(OpenProcess(SYNCHRONIZE, FALSE, id));
    // Another user's process may not be opened, but it runs.
    if (!process)
        return GetLastError() == ERROR_ACCESS_DENIED;
    return WaitForSingleObject(process.Get(), 0) == WAIT_TIMEOUT;
}

class WindowsFileSystem : public FileSystem {
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
        file = std::make_unique<HandleFile>(handle, lastError_);
        return OpenStatus::Opened;
    }

    std::unique_ptr<OpenFile> CreateTemporaryBeside(const std::string& targetPath,
                                                    std::string& tempPath) override {
        for (int attempt = 0; attempt < 100; ++attempt) {
            tempPath = TemporaryPath(targetPath, GetCurrentProcessId(), nextSuffix_++);
            const HANDLE handle = CreateFileA(tempPath.c_str(), GENERIC_WRITE, 0, nullptr,
                                              CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (handle != INVALID_HANDLE_VALUE)
                return std::make_unique<HandleFile>(handle, lastError_);
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

    void RemoveLeftoverTemporaries(const std::string& target) override {
        const std::string folder(FolderOf(target));
        const std::string targetName = target.substr(folder.size());
        WIN32_FIND_DATAA found;
        const win::UniqueFind listing(FindFirstFileA((target + ".*.tmp").c_str(), &found));
        if (!listing)
            return; // none, or the next save tries again
        do {
            const std::optional<unsigned long> owner = TemporaryOwner(targetName, found.cFileName);
            // Failures are left for the next save: nothing depends on them.
            if (owner && !IsRunningOtherProcess(*owner))
                static_cast<void>(DeleteFileA((folder + found.cFileName).c_str()));
        } while (FindNextFileA(listing.Get(), &found));
    }

    bool CreateFolder(const std::string& path) override {
        return CreateDirectoryA(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS ||
               Fail();
    }

    bool ListFiles(const std::string& folder, std::vector<std::string>& names) override {
        names.clear();
        WIN32_FIND_DATAA found;
        const win::UniqueFind listing(FindFirstFileA((folder + "\\*").c_str(), &found));
        if (!listing) {
            const DWORD error = GetLastError();
            return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || Fail();
        }
        do {
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
                names.emplace_back(found.cFileName);
        } while (FindNextFileA(listing.Get(), &found));
        return GetLastError() == ERROR_NO_MORE_FILES || Fail();
    }

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
    return std::make_unique<WindowsFileSystem>();
}

} // namespace lunea
