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
#include <set>
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

enum class FaultAt {
    Nothing,
    Open,
    OpenHeld, // an existing file is held without write sharing
    CreateTemporary,
    Read,
    Write,
    Flush,
    Close,
    Replace,
    ReplaceExisting, // a replace over an existing file: it is held open without delete sharing
    WriteInPlace,    // a write into a file opened with OpenExisting
    CreateFolder,
    ListFiles
};

// The platform's file system, with the operations asked for failing. A
// failing read or write first moves half of its bytes, as a full disk would.
class FaultyFileSystem : public FileSystem {
  public:
    explicit FaultyFileSystem(FaultAt fault) { SetFault(fault); }
    void SetFault(FaultAt fault) { faults_ = {fault}; }
    void AddFault(FaultAt fault) { faults_.insert(fault); }

    OpenStatus OpenExisting(const std::string& path, std::unique_ptr<OpenFile>& file) override {
        if (Fails(FaultAt::Open) || (Fails(FaultAt::OpenHeld) && std::filesystem::exists(path)))
            return OpenStatus::Failed;
        std::unique_ptr<OpenFile> opened;
        const OpenStatus status = real_->OpenExisting(path, opened);
        // Flushing or closing fails only for the temporary file.
        if (opened) {
            std::set<FaultAt> faults;
            if (Fails(FaultAt::Read))
                faults.insert(FaultAt::Read);
            if (Fails(FaultAt::WriteInPlace))
                faults.insert(FaultAt::Write);
            file = std::make_unique<FaultyFile>(std::move(opened), faults);
        }
        return status;
    }
    std::unique_ptr<OpenFile> CreateTemporaryBeside(const std::string& targetPath,
                                                    std::string& tempPath) override {
        if (Fails(FaultAt::CreateTemporary))
            return nullptr;
        auto file = real_->CreateTemporaryBeside(targetPath, tempPath);
        return file ? std::make_unique<FaultyFile>(std::move(file), faults_) : nullptr;
    }
    bool Replace(const std::string& source, const std::string& target) override {
        if (Fails(FaultAt::Replace) ||
            (Fails(FaultAt::ReplaceExisting) && std::filesystem::exists(target)))
            return false;
        return real_->Replace(source, target);
    }
    bool Remove(const std::string& path) override { return real_->Remove(path); }
    void RemoveLeftoverTemporaries(const std::string& target) override {
        real_->RemoveLeftoverTemporaries(target);
    }
    bool CreateFolder(const std::string& path) override {
        return !Fails(FaultAt::CreateFolder) && real_->CreateFolder(path);
    }
    bool ListFiles(const std::string& folder, std::vector<std::string>& names) override {
        return !Fails(FaultAt::ListFiles) && real_->ListFiles(folder, names);
    }
    std::string LastErrorText() const override { return "Injected failure."; }

  private:
    bool Fails(FaultAt fault) const { return faults_.count(fault) != 0; }

    class FaultyFile : public OpenFile {
      public:
        FaultyFile(std::unique_ptr<OpenFile> real, std::set<FaultAt> faults)
            : real_(std::move(real)), faults_(std::move(faults)) {}
        bool Read(void* buffer, std::size_t size, std::size_t& got) override {
            if (!Fails(FaultAt::Read))
                return real_->Read(buffer, size, got);
            static_cast<void>(real_->Read(buffer, size / 2, got));
            return false;
        }
        bool Write(const void* data, std::size_t size) override {
            if (!Fails(FaultAt::Write))
                return real_->Write(data, size);
            static_cast<void>(real_->Write(data, size / 2));
            return false;
        }
        bool Truncate() override { return real_->Truncate(); }
        bool Flush() override { return !Fails(FaultAt::Flush) && real_->Flush(); }
        bool Close() override {
            const bool closed = real_->Close();
            return !Fails(FaultAt::Close) && closed;
        }

      private:
        bool Fails(FaultAt fault) const { return faults_.count(fault) != 0; }
        std::unique_ptr<OpenFile> real_;
        std::set<FaultAt> faults_;
    };

    std::unique_ptr<FileSystem> real_ = MakePlatformFileSystem();
    std::set<FaultAt> faults_;
};

} // namespace lunea::testing
