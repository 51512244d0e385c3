#pragma once
// The Preferences page: three sheets in a page control over the centre
// panel. It shows copies of the settings and gives them back when it is
// left; the icon slots and "Default Settings" act on the settings at once.

#include "components/controls/caption_buttons_win.h"
#include "components/controls/edit_box_win.h"
#include "components/controls/paint_box_win.h"
#include "components/controls/panel_win.h"
#include "components/controls/popup_menu_win.h"
#include "components/controls/skin_label_win.h"
#include "components/controls/spin_edit_win.h"
#include "components/controls/tab_control_win.h"
#include "journal/cycle_analysis.h"
#include "journal/data_file.h"
#include "settings/prefs_values.h"

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace lunea {

struct PrefsPageContext {
    Settings& settings;
    Journal& journal;
    CycleAnalysis& analysis;
    std::function<void()> repaintView;
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

    void PrefsPageControlDrawTab(HDC dc, int index, const Rect& tab, bool active) const;
    void AverageButtonClick();
    void CustomButtonClick();
    void ShowCycleLength(bool custom);
    void ColorPanelClick(int panel);
    void IconBtnClick(int slot);
    void CalIconsPopupClick(int kind);
    void GeneralDefaultClick();
    void SpeedButton13Click();

    HWND mainWindow_;
    PrefsPageContext context_;
    std::array<Color, 4> colors_{};
    int SelIconSlot = 0;

    Panel page_;
    std::unique_ptr<PaintBox> PrefsPanel;
    std::unique_ptr<TabControl> PrefsPageControl;
    std::vector<std::unique_ptr<SkinLabel>> labels_;
    std::vector<std::unique_ptr<PaintBox>> bevels_;
    std::vector<std::unique_ptr<PushButton>> defaultButtons_;
    std::unique_ptr<PushButton> CelBtn, FarBtn, SpeedButton13, SpeedButton1;
    std::unique_ptr<EditBox> PassEdit;
    std::unique_ptr<PushButton> AverageButton, CustomButton;
    std::unique_ptr<SkinLabel> DaysLabel1, Label20;
    std::unique_ptr<EditBox> DaysEdit1;
    std::unique_ptr<SpinEdit> OvulationSpinEdit, MenstruationSpinEdit, LuterSpinEdit;
    std::array<std::unique_ptr<PaintBox>, 4> colorPanels_;
    std::unique_ptr<PaintBox> IconFrame;
    std::unique_ptr<PushButton> DayIconBtn;
    std::array<std::unique_ptr<PushButton>, 8> IconBtn;
    PopupMenu CalIconsPopupMenu;
};

} // namespace lunea
