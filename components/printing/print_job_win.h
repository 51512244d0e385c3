#pragma once
// One document on a printer: started on creation (StartDoc), pages between
// StartPage and EndPage, handed to the printer by Finish (EndDoc). A job that
// is not finished is aborted, so a failure half-way leaves nothing queued.

#include <windows.h>

#include <string>

namespace lunea {

class PrintJob {
  public:
    // The document name is what the printer's queue shows.
    PrintJob(HDC printer, const std::string& documentName);
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    // Each is false once anything of the job has failed: the first failure
    // ends the job and Error() tells it.
    bool StartPage();
    bool EndPage();
    bool Finish();

    bool Failed() const { return !error_.empty(); }
    // The system's text for the failure, or ours when it has none.
    const std::string& Error() const { return error_; }

  private:
    // One call on an open job that has not failed.
    bool Step(int(WINAPI* call)(HDC), const char* fallback);
    bool Check(int result, const char* fallback);

    HDC printer_;
    bool open_ = false; // StartDoc succeeded and EndDoc has not
    std::string error_;
};

} // namespace lunea
