#pragma once
// Shared by the tests of file writing: a scratch folder, whole-file reads and
// writes, and a file system that fails on demand.
#include "common/file_system.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace lunea::testing {

class ScratchFolder {
  public:
    ScratchFolder() {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() /
                ("lunea-journal-" + std::to_string(seed()) + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string File(const std::string& name) const { return (path_ / name).string(); }
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            names.push_back(entry.path().filename().string());
        return names;
    }

  private:
    std::filesystem::path path_;
};

inline void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

enum class FaultAt { Nothing, Open, CreateTemporary, Read, Write, Flush, Close, Replace };

// The platform's file system, with one operation failing as asked. A failing
// read or write first moves half of its bytes, as a full disk would.
class FaultyFileSystem : public FileSystem {
  public:
    explicit FaultyFileSystem(FaultAt fault) : fault_(fault) {}
    void SetFault(FaultAt fault) { fault_ = fault; }

    OpenStatus OpenExisting(const std::string& path, std::unique_ptr<OpenFile>& file) override {
        if (fault_ == FaultAt::Open)
            return OpenStatus::Failed;
        std::unique_ptr<OpenFile> opened;
        const OpenStatus status = real_->OpenExisting(path, opened);
        // Closing or writing fails only for the temporary file.
        if (opened)
            file = std::make_unique<FaultyFile>(
                std::move(opened), fault_ == FaultAt::Read ? fault_ : FaultAt::Nothing);
        return status;
    }
    std::unique_ptr<OpenFile> CreateTemporaryBeside(const std::string& targetPath,
                                                    std::string& tempPath) override {
        if (fault_ == FaultAt::CreateTemporary)
            return nullptr;
        auto file = real_->CreateTemporaryBeside(targetPath, tempPath);
        return file ? std::make_unique<FaultyFile>(std::move(file), fault_) : nullptr;
    }
    bool Replace(const std::string& source, const std::string& target) override {
        return fault_ != FaultAt::Replace && real_->Replace(source, target);
    }
    bool Remove(const std::string& path) override { return real_->Remove(path); }
    std::string LastErrorText() const override { return "Injected failure."; }

  private:
    class FaultyFile : public OpenFile {
      public:
        FaultyFile(std::unique_ptr<OpenFile> real, FaultAt fault)
            : real_(std::move(real)), fault_(fault) {}
        bool Read(void* buffer, std::size_t size, std::size_t& got) override {
            if (fault_ != FaultAt::Read)
                return real_->Read(buffer, size, got);
            static_cast<void>(real_->Read(buffer, size / 2, got));
            return false;
        }
        bool Write(const void* data, std::size_t size) override {
            if (fault_ != FaultAt::Write)
                return real_->Write(data, size);
            static_cast<void>(real_->Write(data, size / 2));
            return false;
        }
        bool Flush() override { return fault_ != FaultAt::Flush && real_->Flush(); }
        bool Close() override {
            const bool closed = real_->Close();
            return fault_ != FaultAt::Close && closed;
        }

      private:
        std::unique_ptr<OpenFile> real_;
        FaultAt fault_;
    };

    std::unique_ptr<FileSystem> real_ = MakePlatformFileSystem();
    FaultAt fault_;
};

} // namespace lunea::testing
