#include "tests/wine/printed_pages.h"

#include "common/unique_win.h"
#include "tests/wine/native_command.h"
#include "tests/wine/ppm_file.h"
#include "tests/wine/program_harness.h"
#include "tests/wine/test_files.h"

#include <gtest/gtest.h>

#include <cctype>
#include <vector>

namespace lunea::test {
namespace {

std::string PrintedFolder() {
    char unixPath[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA("LUNEA_PRINTED_FOLDER", unixPath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        ADD_FAILURE() << "LUNEA_PRINTED_FOLDER is not set: run the tests in the Wine session";
        return {};
    }
    const std::string folder = WindowsPathOf(unixPath);
    return folder.empty() ? folder : folder + "\\";
}

struct FileEntry {
    std::string name;
    std::uint64_t written = 0;
};

struct FindTraits {
    using Value = HANDLE;
    static bool IsEmpty(HANDLE search) { return search == INVALID_HANDLE_VALUE; }
    static void Close(HANDLE search) { FindClose(search); }
};

std::vector<FileEntry> PdfsIn(const std::string& folder) {
    std::vector<FileEntry> entries;
    WIN32_FIND_DATAA found{};
    const win::UniqueResource<FindTraits> search(
        FindFirstFileA((folder + "*.pdf").c_str(), &found));
    if (!search)
        return entries; // no folder yet: CUPS-PDF makes it with the first job
    do {
        entries.push_back(
            {found.cFileName, std::uint64_t{found.ftLastWriteTime.dwHighDateTime} << 32 |
                                  found.ftLastWriteTime.dwLowDateTime});
    } while (FindNextFileA(search.Get(), &found));
    return entries;
}

// The start of the file name CUPS-PDF gives a job of that document name.
std::string FileNameStart(const std::string& documentName) {
    std::string start;
    for (const unsigned char c : documentName)
        start += std::isalnum(c) || c == '.' || c == '+' || c == '-' || c == '_' ? char(c) : '_';
    return start;
}

// The PDF writer ends a complete file with its trailer's "%%EOF".
bool IsComplete(const std::string& path) {
    const auto bytes = ReadFileBytes(path);
    if (!bytes)
        return false;
    std::string tail(bytes->end() - std::min<std::size_t>(bytes->size(), 16), bytes->end());
    return tail.find("%%EOF") != std::string::npos;
}

} // namespace

PrintedPdfs::PrintedPdfs() : folder_(PrintedFolder()) {
    for (const FileEntry& entry : PdfsIn(folder_))
        writtenBefore_[entry.name] = entry.written;
}

std::optional<std::string> PrintedPdfs::WaitFor(const std::string& documentName,
                                                const std::string& keptAs, DWORD timeoutMs) {
    if (folder_.empty())
        return std::nullopt;
    const std::string start = FileNameStart(documentName);
    for (DWORD waited = 0; waited < timeoutMs; waited += 100) {
        for (const FileEntry& entry : PdfsIn(folder_)) {
            const auto before = writtenBefore_.find(entry.name);
            const bool isNew = before == writtenBefore_.end() || before->second != entry.written;
            if (!isNew || entry.name.compare(0, start.size(), start) != 0 ||
                !IsComplete(folder_ + entry.name))
                continue;
            const std::string kept = BinaryFolder() + keptAs;
            if (!MoveFileExA((folder_ + entry.name).c_str(), kept.c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED)) {
                ADD_FAILURE() << "cannot move " << entry.name << " to " << kept;
                return std::nullopt;
            }
            return kept;
        }
        Sleep(100);
    }
    return std::nullopt;
}

std::optional<PixelImage> RenderPdfPage(const std::string& pdfPath, int page, int dotsPerInch) {
    const std::string picture = pdfPath + ".page" + std::to_string(page);
    const std::string number = std::to_string(page);
    const auto run =
        RunNativeCommand({"pdftoppm", "-r", std::to_string(dotsPerInch), "-f", number, "-l", number,
                          "-singlefile", UnixPathOf(pdfPath), UnixPathOf(picture)});
    if (!run || run->exitCode != 0) {
        ADD_FAILURE() << "pdftoppm failed on " << pdfPath << ": " << (run ? run->output : "no end");
        return std::nullopt;
    }
    return ReadPpm(picture + ".ppm");
}

} // namespace lunea::test
