#pragma once
// The Calendar page: the month image in the centre panel and the day editor
// in the right column, one container shown and hidden as a whole. It reads
// the journal, the settings, the analysis and the selection, writes the
// selected day's record and says so, and asks the main window to redraw.

#include "app/month_view.h"
#include "app/view_state.h"
#include "components/controls/popup_menu_win.h"
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
#include <vector>

namespace lunea {

struct CalendarPageContext {
    DayTable& days;
    const Settings& settings;
    const CycleAnalysis& analysis;
    ViewState& view;
    // A new selection: the view is drawn again.
    std::function<void()> repaintView;
    // A record was edited: the analysis follows it, then the view is drawn.
    std::function<void()> journalChanged;
};

class CalendarPage {
  public:
    CalendarPage(HWND mainWindow, Hints& hints, CalendarPageContext context);

    HWND Container() const { return page_.Window(); }
    // Draws the selected month and loads the selected day into the editor.
    void DrawCalendar();
    void Show(bool visible) const { page_.Show(visible); }
    // The unit label and the scale's digits for the temperature format.
    void ShowTemperatureFormat();
    // Tab and Shift+Tab: the focus to the editor's next (previous) control
    // in reading order, round at the ends.
    void TabToNextControl(bool backwards) const;

  private:
    void CreateMonthImage();
    void CreateStatusControls(Hints& hints);
    void CreateTemperatureControls(Hints& hints);
    void CreateMarksAndNote();
    void CreateTabOrder();

    // The month image (calendar_page_win.cpp).
    void PaintMonth(Canvas& canvas);
    void SelectDayAt(int x, int y);

    // The day editor (day_editor_win.cpp).
    void SelectDay(int day);
    bool KeepsFocusOnRedraw(HWND focus) const;
    TDayRecord& SelectedRecord();
    void ShowStatus(int status);
    void ShowScalePosition(int position);
    void StatusRadioClick(int status);
    void ShowStatusMenu();
    void StatusMenuClick(int index);
    void TempBoxClick();
    void ScaleMouseDown(int x);
    void ScaleMouseMove(const MouseEvent& event);
    void TakeTypedTemperature();
    void MarkClick(const CheckBox& box, std::uint8_t TDayRecord::*field);
    void PMSBoxClick();
    void SexBoxClick();
    void CrampingBoxClick();
    void AppointBoxClick();
    void SecretBoxClick();
    void ProtectBoxClick();
    void NoteChange();

    HWND mainWindow_;
    CalendarPageContext context_;
    ViewState& view_;
    CellDayList cellDays_{};
    int scalePosition_ = 0;

    Panel page_;
    std::unique_ptr<PaintBox> calendarPanel_, monthImage_;
    std::unique_ptr<SkinLabel> cervicalFluidLabel_;
    std::unique_ptr<PushButton> statusButton_;
    PopupMenu statusMenu_;
    std::array<std::unique_ptr<RadioButton>, 7> statusRadios_;
    std::unique_ptr<CheckBox> tempBox_;
    std::unique_ptr<EditBox> tempEdit_;
    std::unique_ptr<PushButton> tempEditButton_;
    std::unique_ptr<SkinLabel> tempUnitLabel_;
    std::unique_ptr<PaintBox> temperatureScale_, tempScaleImage_, tempDigitImage_;
    std::unique_ptr<CheckBox> pmsBox_, sexBox_, crampingBox_, protectBox_, appointmentBox_,
        secretBox_;
    std::unique_ptr<PaintBox> noteImage_;
    std::unique_ptr<SkinLabel> noteLabel_;
    std::unique_ptr<EditBox> noteEdit_;
    static constexpr int kEditorBevels = 4;
    std::array<std::unique_ptr<PaintBox>, kEditorBevels> bevels_;
    std::vector<HWND> tabOrder_;
};

} // namespace lunea
