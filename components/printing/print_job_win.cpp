#include "components/printing/print_job_win.h"

#include "common/system_error_text_win.h"

#include <vector>

namespace lunea {
namespace {

// The program's strings are in the ANSI code page.
std::wstring Widen(const std::string& text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 0)
        return {};
    std::vector<wchar_t> wide(static_cast<std::size_t>(length));
    if (MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length) != length)
        return {};
    return wide.data();
}

} // namespace

PrintJob::PrintJob(HDC printer, const std::string& documentName) : printer_(printer) {
    const std::wstring name = Widen(documentName);
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = name.c_str();
    SetLastError(ERROR_SUCCESS);
    open_ = Check(StartDocW(printer_, &document), "The printer did not accept the document.");
}

PrintJob::~PrintJob() {
    if (open_)
        AbortDoc(printer_);
}

bool PrintJob::StartPage() {
    return Step(::StartPage, "The printer did not accept a new page.");
}

bool PrintJob::EndPage() {
    return Step(::EndPage, "The printer did not accept the page.");
}

bool PrintJob::Finish() {
    if (!Step(EndDoc, "The printer did not accept the finished document."))
        return false;
    open_ = false;
    return true;
}

bool PrintJob::Step(int(WINAPI* call)(HDC), const char* fallback) {
    if (!open_ || Failed())
        return false;
    SetLastError(ERROR_SUCCESS);
    return Check(call(printer_), fallback);
}

bool PrintJob::Check(int result, const char* fallback) {
    if (result > 0)
        return true;
    error_ = LastErrorTextOr(fallback);
    return false;
}

} // namespace lunea
