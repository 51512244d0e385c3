#pragma once
// The few file operations both deliverables need, behind a seam: Win32
// calls in the program and the provider, POSIX calls natively, a
// fault-injecting double in the tests.
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace lunea {

class OpenFile {
  public:
    virtual ~OpenFile() = default; // closes the file if Close was not called
    // Reads up to size bytes; got < size only at the end of the file. After a
    // failure got still counts the bytes read before it.
    virtual bool Read(void* buffer, std::size_t size, std::size_t& got) = 0;
    // Writes all size bytes; a write the system accepts without writing
    // anything fails too.
    virtual bool Write(const void* data, std::size_t size) = 0;
    // Cuts the file off at the end of what was written, after a write over
    // an existing file.
    virtual bool Truncate() = 0;
    // Forces the written bytes onto the disk.
    virtual bool Flush() = 0;
    virtual bool Close() = 0;
};

enum class OpenStatus { Opened, NotFound, Failed };

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // Opens an existing entry as a file for reading and writing. A directory
    // or a file that is read-only, locked or inaccessible gives Failed.
    virtual OpenStatus OpenExisting(const std::string& path, std::unique_ptr<OpenFile>& file) = 0;
    // Creates a new, uniquely named file in the folder of targetPath for
    // writing; its name goes to tempPath. Null on failure.
    virtual std::unique_ptr<OpenFile> CreateTemporaryBeside(const std::string& targetPath,
                                                            std::string& tempPath) = 0;
    // Replaces (or creates) target with source in one step.
    virtual bool Replace(const std::string& source, const std::string& target) = 0;
    virtual bool Remove(const std::string& path) = 0;
    // Removes the temporary files beside target that writers killed before
    // their replace left behind; those of other live processes stay.
    virtual void RemoveLeftoverTemporaries(const std::string& target) = 0;
    // Creates a folder; one that exists already counts as created.
    virtual bool CreateFolder(const std::string& path) = 0;
    // The names of the files (not folders) in a folder. A folder that does
    // not exist lists as empty; one that cannot be read fails.
    virtual bool ListFiles(const std::string& folder, std::vector<std::string>& names) = 0;
    // The system's text for the most recent failure; ask straight after it.
    virtual std::string LastErrorText() const = 0;
};

// The platform's file system: Win32 in the deliverables, POSIX natively.
std::unique_ptr<FileSystem> MakePlatformFileSystem();

} // namespace lunea
