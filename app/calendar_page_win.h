#pragma once
// The Calendar page: the month image in the centre panel and the day editor
// in the right column, one container shown and hidden as a whole. It reads
// the journal, the settings and the selection the main window owns, writes
// the selected day's record, and asks the main window to redraw.

#include "app/month_view.h"
#include "components/controls/popup_menu_win.h"
#include "app/view_state.h"
#include "components/controls/caption_buttons_win.h"
#include "components/controls/check_box_win.h"
#include "components/controls/edit_box_win.h"
#include "components/controls/hints_win.h"
#include "components/controls/paint_box_win.h"
#include "components/controls/panel_win.h"
#include "components/controls/radio_button_win.h"
#include "components/controls/skin_label_win.h"
#include "journal/cycle_analysis.h"
#include "journal/day_table.h"
#include "settings/settings.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

namespace lunea {

struct CalendarPageContext {
    DayTable& days;
    const Settings& settings;
    CycleAnalysis& analysis;
    ViewState& view;
    std::function<void()> repaintView;
};

class CalendarPage {
  public:
    CalendarPage(HWND mainWindow, Hints& hints, CalendarPageContext context);

    HWND Container() const { return page_.Window(); }
    // Draws the selected month and loads the selected day into the editor.
    void DrawCalendar();
    void ShowHideCalendar(bool visible) const { page_.Show(visible); }
    // The unit label and the scale's digits for the temperature format.
    void ShowTemperatureFormat();

  private:
    void CreateMonthImage();
    void CreateStatusControls(Hints& hints);
    void CreateTemperatureControls(Hints& hints);
    void CreateMarksAndNote();

    // The month image (calendar_page_win.cpp).
    void MainImagePaint(Canvas& canvas);
    void MainImageMouseDown(int x, int y);

    // The day editor (day_editor_win.cpp).
    void SelectDay(int day);
    TDayRecord& SelectedRecord();
    void ShowStatus(int status);
    void ShowScalePosition(int position);
    void StatusRadioClick(int status);
    void StatusButtonClick();
    void StatusPopUpClick(int index);
    void TempBoxClick();
    void ProgressBar1MouseDown(int x);
    void ProgressBar1MouseMove(const MouseEvent& event);
    void TempEditClickBtn();
    void CheckBoxClick(const CheckBox& box, std::uint8_t TDayRecord::*field);
    void PMSBoxClick();
    void SexBoxClick();
    void CrampingBoxClick();
    void AppointBoxClick();
    void SecretBoxClick();
    void ProtectBoxClick();
    void Memo1Change();

    HWND mainWindow_;
    CalendarPageContext context_;
    ViewState& view_;
    CellDayList CellDays{};
    int scalePosition_ = 0;

    Panel page_;
    std::unique_ptr<PaintBox> CalendarPanel, MainImage;
    std::unique_ptr<SkinLabel> CervicalFluidLabel;
    std::unique_ptr<PushButton> StatusButton;
    PopupMenu StatusPopupMenu;
    std::array<std::unique_ptr<RadioButton>, 7> StatusBtn;
    std::unique_ptr<CheckBox> TempBox;
    std::unique_ptr<EditBox> TempEdit;
    std::unique_ptr<PushButton> TempEditBtn;
    std::unique_ptr<SkinLabel> TempUnitLabel;
    std::unique_ptr<PaintBox> ProgressBar1, TempScaleImage, TempDigitImage;
    std::unique_ptr<CheckBox> PMSBox, SexBox, CrampingBox, ProtectBox, AppointBox, SecretBox;
    std::unique_ptr<PaintBox> NoteImage;
    std::unique_ptr<SkinLabel> NoteLabel;
    std::unique_ptr<EditBox> Memo1;
    static constexpr int kEditorBevels = 4;
    std::array<std::unique_ptr<PaintBox>, kEditorBevels> Bevels;
};

} // namespace lunea
