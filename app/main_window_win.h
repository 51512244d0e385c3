#pragma once
#include "app/message_box_prompts_win.h"
#include "app/month_view.h"
#include "app/radio_popup_menu_win.h"
#include "components/check_box_win.h"
#include "components/caption_buttons_win.h"
#include "components/gdi_handles_win.h"
#include "components/hints_win.h"
#include "components/page_button_win.h"
#include "components/paint_box_win.h"
#include "components/radio_button_win.h"
#include "components/skin_frame_win.h"
#include "components/skin_label_win.h"
#include "journal/cycle_analysis.h"
#include "journal/data_file.h"
#include "settings/settings.h"
#include "users/user_list.h"

#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

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
    void OnCommand(int controlId, int code);
    LRESULT OnControlColor(HDC dc, HWND control);

    // Layout (main_window_layout_win.cpp).
    void CreateControls();
    void CreateTitleBar();
    void CreatePageColumn();
    void CreateCalendarPage();
    void CreateDayEditor();
    HWND AddEdit(int id, const Rect& bounds, DWORD style, int limit, HFONT font);
    void AddHint(HWND control, const std::string& text);

    // Lifecycle (main_window_win.cpp).
    void FormCreate();
    void FormShow();
    void FormCloseQuery();
    void FormDestroy();
    void VsButton1Click();
    void VsButton2Click();
    void VsButton3Click();
    void SaveRequest();
    void ReloadRequest();

    // Calendar page (calendar_page_win.cpp).
    void RepaintView();
    void DrawCalendar();
    void ShowHideCalendar(bool visible);
    void CalendarBtnClick();
    void PlaceholderPageClick();
    void SpeedButton6Click();
    void SpeedButton5Click();
    void MonthButtonClick();
    void PopupMenuItemClick(int index);
    void ShowMonth(int year, int month);
    void MainImageMouseDown(int x, int y);
    void MainImagePaint(Canvas& canvas);

    // Day editor (day_editor_win.cpp).
    void SelectDay(int day);
    TDayRecord& SelectedRecord();
    void ShowStatus(int status);
    void ShowTemperatureFormat();
    void ShowScalePosition(int position);
    void StatusRadioClick(int status);
    void StatusButtonClick();
    void StatusPopUpClick(int index);
    void TempBoxClick();
    void ProgressBar1MouseDown(int x);
    void ProgressBar1MouseMove(const MouseEvent& event);
    void TempEditClickBtn();
    void CheckBoxClick(CheckBox& box, std::uint8_t TDayRecord::*field);
    void PMSBoxClick();
    void SexBoxClick();
    void CrampingBoxClick();
    void AppointBoxClick();
    void SecretBoxClick();
    void ProtectBoxClick();
    void Memo1Change();

    std::string CurrentUserFile() const;
    std::string ProgramFolder() const;

    HINSTANCE instance_;
    HWND window_ = nullptr;
    FontHandle editFont_, tempEditFont_;
    BrushHandle memoBrush_;

    MessageBoxPrompts prompts_;
    std::unique_ptr<FileSystem> files_;
    Journal journal_;
    UserList users_;
    int CurrentUser = 0;
    Settings settings_;
    CycleAnalysis analysis_;

    bool DayLoading = false;
    bool ReportsOpen = false;
    bool PrefsPageOpen = false;
    std::uint16_t SelectedYear = 0;
    std::uint16_t SelectedMonth = 0;
    std::uint16_t SelectedDay = 0;
    int ViewMode = 1;
    CellDayList CellDays{};
    int scalePosition_ = 0;
    // A save request before the first load would write an empty table over
    // the user's file.
    bool journalLoaded_ = false;

    // Controls, in the order they stand from the title bar down.
    std::unique_ptr<SkinFrame> skin_;
    std::unique_ptr<Hints> hints_;
    std::unique_ptr<FlatButton> UsersButton, VsButton1, VsButton2, VsButton3;
    std::unique_ptr<PageButton> CalendarBtn, ChartsRadioBtn, PrefsRadioBtn, VsButton4;
    std::vector<std::unique_ptr<SkinLabel>> pageLabels_;
    std::unique_ptr<PaintBox> CalendarPanel, MainImage;
    std::unique_ptr<FlatButton> SpeedButton6, SpeedButton5;
    std::unique_ptr<PushButton> MonthButton;
    RadioPopupMenu PopupMenu1;
    std::array<std::string, 12> monthNames_;

    std::unique_ptr<SkinLabel> CervicalFluidLabel;
    std::unique_ptr<PushButton> StatusButton;
    RadioPopupMenu StatusPopupMenu;
    std::array<std::unique_ptr<RadioButton>, 7> StatusBtn;
    std::unique_ptr<CheckBox> TempBox;
    HWND TempEdit = nullptr;
    std::unique_ptr<PushButton> TempEditBtn;
    std::unique_ptr<SkinLabel> TempUnitLabel;
    std::unique_ptr<PaintBox> ProgressBar1, TempScaleImage, TempDigitImage;
    std::unique_ptr<CheckBox> PMSBox, SexBox, CrampingBox, ProtectBox, AppointBox, SecretBox;
    std::unique_ptr<PaintBox> NoteImage;
    std::unique_ptr<SkinLabel> NoteLabel;
    HWND Memo1 = nullptr;
};

} // namespace lunea
