#pragma once
// The journal's surroundings in memory (its files and its prompts), so a
// fuzz target runs the real load and save millions of times without a disk.
#include "common/file_system.h"
#include "components/controls/user_prompts.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace lunea::fuzz {

class MemoryFileSystem : public FileSystem {
  public:
    std::map<std::string, std::vector<std::uint8_t>> files;

    OpenStatus OpenExisting(const std::string& path, std::unique_ptr<OpenFile>& file) override {
        const auto found = files.find(path);
        if (found == files.end())
            return OpenStatus::NotFound;
        file = std::make_unique<MemoryFile>(found->second);
        return OpenStatus::Opened;
    }
    std::unique_ptr<OpenFile> CreateTemporaryBeside(const std::string& targetPath,
                                                    std::string& tempPath) override {
        tempPath = targetPath + ".tmp";
        return std::make_unique<MemoryFile>(files[tempPath] = {});
    }
    bool Replace(const std::string& source, const std::string& target) override {
        const auto found = files.find(source);
        if (found == files.end())
            return false;
        files[target] = std::move(found->second);
        files.erase(found);
        return true;
    }
    bool Remove(const std::string& path) override { return files.erase(path) != 0; }
    void RemoveLeftoverTemporaries(const std::string&) override {}
    bool CreateFolder(const std::string&) override { return true; }
    bool ListFiles(const std::string& folder, std::vector<std::string>& names) override {
        names.clear();
        const std::string prefix = folder + '/';
        for (const auto& [path, bytes] : files)
            if (path.starts_with(prefix) && path.find('/', prefix.size()) == std::string::npos)
                names.push_back(path.substr(prefix.size()));
        return true;
    }
    std::string LastErrorText() const override { return "memory"; }

  private:
    class MemoryFile : public OpenFile {
      public:
        explicit MemoryFile(std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
        bool Read(void* buffer, std::size_t size, std::size_t& got) override {
            got = std::min(size, bytes_.size() - position_);
            if (got != 0)
                std::memcpy(buffer, bytes_.data() + position_, got);
            position_ += got;
            return true;
        }
        bool Write(const void* data, std::size_t size) override {
            if (size == 0)
                return true;
            bytes_.resize(std::max(bytes_.size(), position_ + size));
            std::memcpy(bytes_.data() + position_, data, size);
            position_ += size;
            return true;
        }
        bool Truncate() override {
            bytes_.resize(position_);
            return true;
        }
        bool Flush() override { return true; }
        bool Close() override { return true; }

      private:
        std::vector<std::uint8_t>& bytes_;
        std::size_t position_ = 0;
    };
};

// The journal asks nothing while loading and saving; a fuzz run answers No.
class SilentPrompts : public UserPrompts {
  public:
    bool AskYesNo(const std::string&) override { return false; }
    void Inform(const std::string&) override {}
    void Notice(const std::string&) override {}
    void ReportError(const std::string&) override {}
};

} // namespace lunea::fuzz
