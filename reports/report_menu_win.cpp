#include "reports/report_menu_win.h"

#include "components/art/image_sets.h"
#include "components/controls/menu_image_win.h"
#include "reports/report_control_ids.h"

#include <string>

namespace lunea {
namespace {

namespace ids = report_ids;

HMENU AddPopup(HMENU bar, const char* caption) {
    HMENU popup = CreatePopupMenu();
    if (popup &&
        !AppendMenuA(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), caption)) {
        DestroyMenu(popup);
        return nullptr;
    }
    return popup;
}

void AddSeparator(HMENU popup) {
    AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
}

} // namespace

ReportMenu::ReportMenu() : bar_(CreateMenu()) {
    if (!bar_)
        return;
    if (HMENU report = AddPopup(bar_, "Report")) {
        AddItem(report, ids::SaveAsBitmap1, "Save As Bitmap", false, tool_bar::kSaveAsBitmap);
        AddSeparator(report);
        AddItem(report, ids::PrintSetup1, "Print Setup", false, tool_bar::kPrintSetup);
        AddItem(report, ids::Print1, "Print", false, tool_bar::kPrint);
        AddSeparator(report);
        AddItem(report, ids::Close1, "Close", false, tool_bar::kClose);
    }
    if (HMENU view = AddPopup(bar_, "View")) {
        AddItem(view, ids::Standard1, "Standard", true, std::nullopt);
        AddItem(view, ids::Advanced1, "Advanced", false, std::nullopt);
    }
    if (HMENU options = AddPopup(bar_, "Advanced Options")) {
        AddItem(options, ids::CalendarMethod1, "Calendar Method", true, std::nullopt);
        AddSeparator(options);
        const struct {
            int command;
            const char* caption;
        } rows[] = {{ids::Menses1, "Menses"},
                    {ids::Mucus1, "Mucus"},
                    {ids::Temperature1, "Temperature"},
                    {ids::Sex1, "Sex"},
                    {ids::Protection1, "Protection"},
                    {ids::PMS1, "PMS"},
                    {ids::Cramps1, "Cramps"},
                    {ids::Secret1, "Secret"},
                    {ids::DrsApp1, "Dr's Appointments"},
                    {ids::Notes1, "Notes"}};
        for (const auto& row : rows)
            AddItem(options, row.command, row.caption, true, std::nullopt);
    }
    ShowView(false);
}

ReportMenu::~ReportMenu() {
    if (bar_ && !(window_ && IsWindow(window_)))
        DestroyMenu(bar_);
}

void ReportMenu::AddItem(HMENU popup, int command, const char* caption, bool checked,
                         std::optional<int> image) {
    MENUITEMINFOA item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_FTYPE;
    item.fType = command == ids::Standard1 || command == ids::Advanced1 ? MFT_RADIOCHECK : 0;
    item.fState = checked ? MFS_CHECKED : MFS_UNCHECKED;
    item.wID = static_cast<UINT>(command);
    std::string text = caption;
    item.dwTypeData = text.data();
    if (image) {
        images_.push_back(MenuImage({ImageSetId::ToolBar, *image}));
        if (images_.back()) {
            item.fMask |= MIIM_BITMAP;
            item.hbmpItem = images_.back().Get();
        }
    }
    InsertMenuItemA(popup, static_cast<UINT>(GetMenuItemCount(popup)), TRUE, &item);
}

bool ReportMenu::IsChecked(int command) const {
    return (GetMenuState(bar_, static_cast<UINT>(command), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void ReportMenu::Toggle(int command) const {
    CheckMenuItem(bar_, static_cast<UINT>(command),
                  MF_BYCOMMAND | (IsChecked(command) ? MF_UNCHECKED : MF_CHECKED));
}

bool ReportMenu::AdvancedView() const {
    return IsChecked(ids::Advanced1);
}

void ReportMenu::ShowView(bool advanced) const {
    CheckMenuRadioItem(bar_, ids::Standard1, ids::Advanced1,
                       advanced ? ids::Advanced1 : ids::Standard1, MF_BYCOMMAND);
    EnableMenuItem(bar_, ids::AdvancedOptionsMenu,
                   MF_BYPOSITION | (advanced ? MF_ENABLED : MF_GRAYED));
    if (window_)
        DrawMenuBar(window_);
}

AdvancedRows ReportMenu::Rows() const {
    AdvancedRows rows;
    rows.sex = IsChecked(ids::Sex1);
    rows.menses = IsChecked(ids::Menses1);
    rows.calendarMethod = IsChecked(ids::CalendarMethod1);
    rows.temperature = IsChecked(ids::Temperature1);
    rows.mucus = IsChecked(ids::Mucus1);
    rows.pms = IsChecked(ids::PMS1);
    rows.cramps = IsChecked(ids::Cramps1);
    rows.protection = IsChecked(ids::Protection1);
    rows.secret = IsChecked(ids::Secret1);
    rows.appointments = IsChecked(ids::DrsApp1);
    rows.notes = IsChecked(ids::Notes1);
    return rows;
}

} // namespace lunea
