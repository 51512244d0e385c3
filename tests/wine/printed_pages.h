#pragma once
// What the session's PDF printer made of a print job. CUPS-PDF writes each
// job into the folder the session names in LUNEA_PRINTED_FOLDER, as
// "<document name>...-job_<n>.pdf": characters other than letters, digits and
// ".+-_" become "_", and this CUPS-PDF appends a few stray characters to the
// name before the job number.
#include "components/canvas/pixel_image.h"

#include <windows.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace lunea::test {

class PrintedPdfs {
  public:
    // Remembers what the folder holds now: a job's PDF is one that appears,
    // or is written again, after this.
    PrintedPdfs();

    // Waits until the PDF of a job with that document name is complete and
    // moves it beside the test program as keptAs (for a person to look at);
    // its path, or nothing when none came in time.
    std::optional<std::string> WaitFor(const std::string& documentName, const std::string& keptAs,
                                       DWORD timeoutMs = 60000);

  private:
    std::string folder_; // ends with a backslash; empty outside a session
    std::map<std::string, std::uint64_t> writtenBefore_;
};

// A page of a PDF as pdftoppm renders it at that resolution.
std::optional<PixelImage> RenderPdfPage(const std::string& pdfPath, int page, int dotsPerInch);

} // namespace lunea::test
