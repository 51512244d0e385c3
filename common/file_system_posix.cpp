#include "common/file_system.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>

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
        const auto* bytes = static_cast<const char*>(data);
        std::size_t done = 0;
        while (done < size) {
            const ssize_t n = ::write(fd_, bytes + done, size - done);
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return Fail();
            }
            // Success without progress would repeat for ever; a full disk is
            // the likely cause.
            if (n == 0) {
                lastError_ = ENOSPC;
                return false;
            }
            done += static_cast<std::size_t>(n);
        }
        return true;
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
            tempPath = targetPath + "." + std::to_string(::getpid()) + "-" +
                       std::to_string(nextSuffix_++) + ".tmp";
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
