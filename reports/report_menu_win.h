#pragma once
// The report window's menu bar: Report, View and Advanced Options, with the
// tool bar's images beside the Report entries.

#include "components/canvas/gdi_handles_win.h"
#include "reports/report_renderer.h"

#include <windows.h>

#include <optional>
#include <vector>

namespace lunea {

class ReportMenu {
  public:
    ReportMenu();
    // Destroys the menu unless a window took it over.
    ~ReportMenu();
    ReportMenu(const ReportMenu&) = delete;
    ReportMenu& operator=(const ReportMenu&) = delete;

    HMENU Handle() const { return bar_; }
    // The window holding the menu destroys it with itself.
    void AttachedTo(HWND window) { window_ = window; }

    bool IsChecked(int command) const;
    void Toggle(int command) const;
    bool AdvancedView() const;
    // Checks Standard or Advanced and enables Advanced Options with the latter.
    void ShowView(bool advanced) const;
    AdvancedRows Rows() const;

  private:
    void AddItem(HMENU popup, int command, const char* caption, bool checked,
                 std::optional<int> image);

    HMENU bar_;
    HWND window_ = nullptr;
    std::vector<BitmapHandle> images_;
};

} // namespace lunea
