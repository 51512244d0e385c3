#include "tests/wine/native_command.h"

#include "common/unique_win.h"
#include "tests/wine/program_harness.h"
#include "tests/wine/test_files.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace lunea::test {
namespace {

using ToUnixPath = char*(CDECL*)(const WCHAR*);
using ToDosPath = WCHAR*(CDECL*)(const char*);

// Wine's kernel32 exports the conversions; they return memory of the process heap.
template <class Function> Function WineExport(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("kernel32.dll"), name)));
}

std::wstring Widen(const std::string& text) {
    std::wstring wide(text.size() + 1, L'\0');
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(),
                                           static_cast<int>(wide.size()));
    wide.resize(length > 0 ? static_cast<std::size_t>(length - 1) : 0);
    return wide;
}

std::string Narrow(const WCHAR* text) {
    char narrow[MAX_PATH * 4] = {};
    if (WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr) <= 0)
        return {};
    return narrow;
}

// Single quotes keep everything literal; a quote itself is closed, escaped
// and reopened.
std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string ReadText(const std::string& path) {
    const auto bytes = ReadFileBytes(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

std::string UnixPathOf(const std::string& windowsPath) {
    const auto convert = WineExport<ToUnixPath>("wine_get_unix_file_name");
    char* unixPath = convert ? convert(Widen(windowsPath).c_str()) : nullptr;
    if (!unixPath)
        return {};
    std::string path = unixPath;
    HeapFree(GetProcessHeap(), 0, unixPath);
    return path;
}

std::string WindowsPathOf(const std::string& unixPath) {
    const auto convert = WineExport<ToDosPath>("wine_get_dos_file_name");
    WCHAR* dosPath = convert ? convert(unixPath.c_str()) : nullptr;
    if (!dosPath)
        return {};
    std::string path = Narrow(dosPath);
    HeapFree(GetProcessHeap(), 0, dosPath);
    return path;
}

std::optional<NativeResult> RunNativeCommand(const std::vector<std::string>& arguments,
                                             DWORD timeoutMs) {
    static unsigned count = 0;
    const std::string folder = BinaryFolder() + "native-commands\\";
    if (!CreateDirectoryA(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        return std::nullopt;
    const std::string base =
        folder + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++count);
    const std::string script = base + ".sh";
    const std::string output = base + ".out";
    const std::string status = base + ".status";
    // Left from an earlier run of a process with the same id, it would end the wait at once.
    if (!DeleteFileA(status.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND)
        return std::nullopt;

    std::ostringstream text;
    // Detached from the test's descriptors, which may be ctest's pipes.
    text << "exec </dev/null >" << ShellQuoted(UnixPathOf(output)) << " 2>&1\n";
    for (const std::string& argument : arguments)
        text << ShellQuoted(argument) << ' ';
    const std::string unixStatus = ShellQuoted(UnixPathOf(status));
    text << "\necho $? >" << unixStatus << ".part && mv " << unixStatus << ".part " << unixStatus
         << "\n";
    {
        std::ofstream out(script, std::ios::binary | std::ios::trunc);
        if (!(out << text.str()).flush())
            return std::nullopt;
    }

    std::string commandLine = "/bin/sh \"" + UnixPathOf(script) + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info))
        return std::nullopt;
    const win::UniqueHandle thread(info.hThread);
    const win::UniqueHandle process(info.hProcess); // null for a Unix program

    for (DWORD waited = 0; !Exists(status); waited += 50) {
        if (waited >= timeoutMs)
            return std::nullopt;
        Sleep(50);
    }
    // The files stay, for a person to see what ran and what it said.
    NativeResult result;
    result.exitCode = std::atoi(ReadText(status).c_str());
    result.output = ReadText(output);
    return result;
}

} // namespace lunea::test
