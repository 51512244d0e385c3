#include "common/file_system.h"

#include "common/temporary_names.h"
#include "common/write_all.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace lunea {
namespace {

class PosixFile : public OpenFile {
  public:
    PosixFile(int fd, int& lastError) : fd_(fd), lastError_(lastError) {}
    ~PosixFile() override {
        if (fd_ >= 0)
            ::close(fd_);
    }
    PosixFile(const PosixFile&) = delete;
    PosixFile& operator=(const PosixFile&) = delete;

    bool Read(void* buffer, std::size_t size, std::size_t& got) override {
        got = 0;
        auto* bytes = static_cast<char*>(buffer);
        while (got < size) {
            const ssize_t n = ::read(fd_, bytes + got, size - got);
            if (n == 0)
                break;
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return Fail();
            }
            got += static_cast<std::size_t>(n);
        }
        return true;
    }

    bool Write(const void* data, std::size_t size) override {
        const WriteAllResult result =
            WriteAll(data, size, [this](const void* bytes, std::size_t count) {
                ssize_t n;
                do
                    n = ::write(fd_, bytes, count);
                while (n < 0 && errno == EINTR);
                return n < 0 ? std::nullopt : std::optional(static_cast<std::size_t>(n));
            });
        if (result == WriteAllResult::Failed)
            return Fail();
        // A full disk is the likely cause of a write that takes nothing.
        if (result == WriteAllResult::Stalled)
            lastError_ = ENOSPC;
        return result == WriteAllResult::Written;
    }

    bool Truncate() override {
        const off_t end = ::lseek(fd_, 0, SEEK_CUR);
        return (end >= 0 && ::ftruncate(fd_, end) == 0) || Fail();
    }

    bool Flush() override { return ::fsync(fd_) == 0 || Fail(); }

    bool Close() override {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 || Fail();
    }

  private:
    bool Fail() {
        lastError_ = errno;
        return false;
    }

    int fd_;
    int& lastError_;
};

// Our own id counts as gone: this process holds no temporary file open
// between two saves, so one with its id was left by an earlier process.
bool IsRunningOtherProcess(unsigned long id) {
    const auto pid = static_cast<pid_t>(id);
    return pid != ::getpid() && (::kill(pid, 0) == 0 || errno == EPERM);
}

class PosixFileSystem : public FileSystem {
  public:
    OpenStatus OpenExisting(const std::string& path, std::unique_ptr<OpenFile>& file) override {
        const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
        if (fd < 0) {
            lastError_ = errno;
            return errno == ENOENT || errno == ENOTDIR ? OpenStatus::NotFound : OpenStatus::Failed;
        }
        file = std::make_unique<PosixFile>(fd, lastError_);
        return OpenStatus::Opened;
    }

    std::unique_ptr<OpenFile> CreateTemporaryBeside(const std::string& targetPath,
                                                    std::string& tempPath) override {
        for (int attempt = 0; attempt < 100; ++attempt) {
            tempPath =
                TemporaryPath(targetPath, static_cast<unsigned long>(::getpid()), nextSuffix_++);
            const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd >= 0)
                return std::make_unique<PosixFile>(fd, lastError_);
            lastError_ = errno;
            if (errno != EEXIST)
                break;
        }
        return nullptr;
    }

    bool Replace(const std::string& source, const std::string& target) override {
        return ::rename(source.c_str(), target.c_str()) == 0 || Fail();
    }

    bool Remove(const std::string& path) override { return ::unlink(path.c_str()) == 0 || Fail(); }

    void RemoveLeftoverTemporaries(const std::string& target) override {
        const std::string folder(FolderOf(target));
        const std::string targetName = target.substr(folder.size());
        const std::unique_ptr<DIR, int (*)(DIR*)> listing(
            ::opendir(folder.empty() ? "." : folder.c_str()), ::closedir);
        if (!listing)
            return; // the next save tries again
        while (const dirent* entry = ::readdir(listing.get())) {
            const std::optional<unsigned long> owner = TemporaryOwner(targetName, entry->d_name);
            // Failures are left for the next save: nothing depends on them.
            if (owner && !IsRunningOtherProcess(*owner))
                static_cast<void>(::unlink((folder + entry->d_name).c_str()));
        }
    }

    bool CreateFolder(const std::string& path) override {
        return ::mkdir(path.c_str(), 0777) == 0 || errno == EEXIST || Fail();
    }

    bool ListFiles(const std::string& folder, std::vector<std::string>& names) override {
        names.clear();
        const std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(folder.c_str()), ::closedir);
        if (!listing)
            return errno == ENOENT || Fail();
        errno = 0;
        while (const dirent* entry = ::readdir(listing.get())) {
            struct stat status {};
            if (::stat((folder + '/' + entry->d_name).c_str(), &status) == 0 &&
                S_ISREG(status.st_mode))
                names.emplace_back(entry->d_name);
            errno = 0;
        }
        return errno == 0 || Fail();
    }

    std::string LastErrorText() const override { return std::strerror(lastError_); }

  private:
    bool Fail() {
        lastError_ = errno;
        return false;
    }

    int lastError_ = 0;
    unsigned nextSuffix_ = 0;
};

} // namespace

std::unique_ptr<FileSystem> MakePlatformFileSystem() {
    return std::make_unique<PosixFileSystem>();
}

} // namespace lunea
