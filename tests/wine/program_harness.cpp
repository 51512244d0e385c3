#include "tests/wine/program_harness.h"

#include "common/desktop_contract.h"

#include <vector>

namespace lunea::test {

std::string BinaryFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

CalendarProcess::CalendarProcess() {
    std::string commandLine = "\"" + BinaryFolder() + "LuneaCalendar.exe\"";
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       BinaryFolder().c_str(), &startup, &info)) {
        win::UniqueHandle thread(info.hThread);
        process_ = win::UniqueHandle(info.hProcess);
        processId_ = info.dwProcessId;
    }
}

CalendarProcess::~CalendarProcess() {
    if (process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT) {
        Kill();
        WaitForSingleObject(process_.Get(), 10000);
    }
}

HWND CalendarProcess::WaitForMainWindow(DWORD timeoutMs) {
    for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
        if (HWND window = FindMainWindowOf(processId_))
            return window;
        if (WaitForSingleObject(process_.Get(), 50) == WAIT_OBJECT_0)
            return nullptr;
    }
    return nullptr;
}

bool CalendarProcess::WaitForExit(DWORD timeoutMs) {
    return WaitForSingleObject(process_.Get(), timeoutMs) == WAIT_OBJECT_0;
}

bool CalendarProcess::WaitUntilIdle(DWORD timeoutMs) {
    return WaitForInputIdle(process_.Get(), timeoutMs) == 0;
}

void CalendarProcess::Kill() const {
    TerminateProcess(process_.Get(), 99);
}

DWORD CalendarProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.Get(), &code);
    return code;
}

namespace {

struct WindowSearch {
    DWORD processId;
    const char* className;
    const char* caption; // null: any
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    char caption[128] = {};
    if (search->caption)
        GetWindowTextA(window, caption, sizeof caption);
    if (owner == search->processId && lstrcmpA(className, search->className) == 0 &&
        (!search->caption || lstrcmpA(caption, search->caption) == 0) && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindWindowOf(DWORD processId, const char* className, const char* caption = nullptr) {
    WindowSearch search = {processId, className, caption, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace

HWND FindMainWindowOf(DWORD processId) {
    return FindWindowOf(processId, kMainWindowClass);
}

HWND WaitForMessageBox(DWORD processId, DWORD timeoutMs) {
    return WaitForWindow(processId, "#32770", nullptr, timeoutMs);
}

HWND WaitForWindow(DWORD processId, const char* className, const char* caption, DWORD timeoutMs) {
    for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
        if (HWND window = FindWindowOf(processId, className, caption))
            return window;
        Sleep(50);
    }
    return nullptr;
}

bool WaitUntilHidden(HWND window, DWORD timeoutMs) {
    for (DWORD waited = 0; waited < timeoutMs; waited += 20) {
        if (!IsWindow(window) || !IsWindowVisible(window))
            return true;
        Sleep(20);
    }
    return false;
}

bool WaitUntilGone(HWND window, DWORD timeoutMs) {
    for (DWORD waited = 0; waited < timeoutMs; waited += 20) {
        if (!IsWindow(window))
            return true;
        Sleep(20);
    }
    return false;
}

bool WaitUntilForeground(HWND window, DWORD timeoutMs) {
    for (DWORD waited = 0; waited < timeoutMs; waited += 20) {
        if (GetForegroundWindow() == window)
            return true;
        Sleep(20);
    }
    return false;
}

std::string MessageBoxText(HWND box) {
    char text[512] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    return text;
}

} // namespace lunea::test
