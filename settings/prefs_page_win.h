#pragma once
// The Preferences page: three sheets in a page control over the centre
// panel. It shows copies of the settings and gives them back when it is
// left; the icon slots and "Default Settings" act on the settings at once.

#include "components/controls/caption_buttons_win.h"
#include "components/controls/check_box_win.h"
#include "components/controls/edit_box_win.h"
#include "components/controls/paint_box_win.h"
#include "components/controls/panel_win.h"
#include "components/controls/popup_menu_win.h"
#include "components/controls/skin_label_win.h"
#include "components/controls/spin_edit_win.h"
#include "components/controls/tab_control_win.h"
#include "journal/cycle_analysis.h"
#include "settings/prefs_values.h"

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace lunea {

// The page reads the settings and the analysis; what it changes at once
// (an icon slot, "Default Settings", "Clear Database") it asks for.
struct PrefsPageContext {
    const Settings& settings;
    const CycleAnalysis& analysis;
    std::function<void(int slot, int kind)> setIconKind;
    std::function<void()> restoreDefaults;
    std::function<void()> clearDatabase;
    // The CSV export of the "Save Data As..." button.
    std::function<void()> exportData;
};

// Where the main window puts the page: its container's id and bounds in the
// main window, the panel's in the container, the page control's in the panel.
struct PrefsPagePlace {
    int containerId = 0;
    Rect container;
    Rect panel;
    Rect pageControl;
};

class PrefsPage {
  public:
    PrefsPage(HWND mainWindow, const PrefsPagePlace& place, PrefsPageContext context);

    HWND Container() const { return page_.Window(); }
    void Show(bool visible) const { page_.Show(visible); }
    // Fills the controls from the settings, as opening the page does.
    void Fill();
    // What the controls show now.
    PrefsValues Values() const;
    // Each icon button's glyph and caption from its slot's kind.
    void ShowIconKinds();

  private:
    void CreateGeneralSheet(Panel& sheet);
    void CreateEstimatesSheet(Panel& sheet);
    void CreateCalendarSheet(Panel& sheet);
    void AddBevels(Panel& sheet, int first, int count);
    void AddDefaultButton(Panel& sheet, int id);

    void DrawSheetTab(HDC dc, int index, const Rect& tab, bool active) const;
    void UseAverageLength();
    void UseCustomLength();
    void ShowCycleLength(bool custom);
    void ChooseDayColor(int panel);
    void ShowIconKindMenu(int slot);
    void SetIconKind(int kind);
    void RestoreDefaultSettings();
    void ClearDatabase();

    HWND mainWindow_;
    PrefsPageContext context_;
    std::array<Color, 4> colors_{};
    int chosenIconSlot_ = 0;

    Panel page_;
    std::unique_ptr<PaintBox> panel_;
    std::unique_ptr<TabControl> sheets_;
    std::vector<std::unique_ptr<SkinLabel>> labels_;
    std::vector<std::unique_ptr<PaintBox>> bevels_;
    std::vector<std::unique_ptr<PushButton>> defaultButtons_;
    std::unique_ptr<PushButton> celsiusButton_, fahrenheitButton_, clearDatabaseButton_,
        exportButton_;
    std::unique_ptr<EditBox> passwordEdit_;
    std::unique_ptr<PushButton> averageButton_, customButton_;
    std::unique_ptr<SkinLabel> averageLengthLabel_, customDaysLabel_;
    std::unique_ptr<EditBox> customLengthEdit_;
    std::unique_ptr<SpinEdit> fertileDaysSpin_, menstruationSpin_, lutealSpin_;
    std::unique_ptr<CheckBox> showCoverlineBox_;
    std::array<std::unique_ptr<PaintBox>, 4> colorPanels_;
    std::unique_ptr<PaintBox> iconFrame_;
    std::unique_ptr<PushButton> dayIconButton_;
    std::array<std::unique_ptr<PushButton>, 8> iconButtons_;
    PopupMenu iconKindMenu_;
};

} // namespace lunea
