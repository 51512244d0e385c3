#pragma once
#include "app/message_box_prompts_win.h"
#include "journal/data_file.h"
#include "settings/settings.h"
#include "users/user_list.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

namespace lunea {

// The main window: owns the journal, the users, the settings and the view
// state for the whole run.
class TMainForm {
  public:
    explicit TMainForm(HINSTANCE instance);
    ~TMainForm();
    TMainForm(const TMainForm&) = delete;
    TMainForm& operator=(const TMainForm&) = delete;

    // Creates and shows the window; false when it cannot be created.
    bool Create(int show);

  private:
    static LRESULT CALLBACK StaticWndProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT WndProc(UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT OnCommand(int controlId);
    LRESULT OnNcHitTest(LPARAM lparam);
    void OnPaint();

    void CreateControls();
    HWND AddControl(const char* className, const char* text, DWORD style, int id, int left,
                    int top, int width, int height);

    void FormCreate();
    void FormShow();
    void FormCloseQuery();
    void FormDestroy();

    void VsButton1Click();
    void VsButton2Click();
    void VsButton3Click();

    void SaveRequest();
    void ReloadRequest();

    void RepaintView();
    std::string CurrentUserFile() const;
    std::string ProgramFolder() const;

    HINSTANCE instance_;
    HWND window_ = nullptr;
    HFONT font_ = nullptr;

    MessageBoxPrompts prompts_;
    std::unique_ptr<FileSystem> files_;
    Journal journal_;
    UserList users_;
    int CurrentUser = 0;
    Settings settings_;

    bool DayLoading = false;
    bool ReportsOpen = false;
    bool PrefsPageOpen = false;
    std::uint16_t SelectedYear = 0;
    std::uint16_t SelectedMonth = 0;
    std::uint16_t SelectedDay = 0;
    int ViewMode = 1;
    // A save request before the first load would write an empty table over
    // the user's file.
    bool journalLoaded_ = false;
};

} // namespace lunea
