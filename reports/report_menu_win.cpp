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
        AddItem(report, ids::SaveAsBitmapCommand, "Save As Bitmap", false, tool_bar::kSaveAsBitmap);
        AddSeparator(report);
        AddItem(report, ids::PrintSetupCommand, "Print Setup", false, tool_bar::kPrintSetup);
        AddItem(report, ids::PrintCommand, "Print", false, tool_bar::kPrint);
        AddSeparator(report);
        AddItem(report, ids::CloseCommand, "Close", false, tool_bar::kClose);
    }
    if (HMENU view = AddPopup(bar_, "View")) {
        AddItem(view, ids::StandardView, "Standard", true, std::nullopt);
        AddItem(view, ids::AdvancedView, "Advanced", false, std::nullopt);
    }
    if (HMENU options = AddPopup(bar_, "Advanced Options")) {
        AddItem(options, ids::CalendarMethodRow, "Calendar Method", true, std::nullopt);
        AddSeparator(options);
        const struct {
            int command;
            const char* caption;
        } rows[] = {{ids::MensesRow, "Menses"},
                    {ids::MucusRow, "Mucus"},
                    {ids::TemperatureRow, "Temperature"},
                    {ids::SexRow, "Sex"},
                    {ids::ProtectionRow, "Protection"},
                    {ids::PmsRow, "PMS"},
                    {ids::CrampsRow, "Cramps"},
                    {ids::SecretRow, "Secret"},
                    {ids::AppointmentsRow, "Dr's Appointments"},
                    {ids::NotesRow, "Notes"}};
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
    item.fType = command == ids::StandardView || command == ids::AdvancedView ? MFT_RADIOCHECK : 0;
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
    return IsChecked(ids::AdvancedView);
}

void ReportMenu::ShowView(bool advanced) const {
    CheckMenuRadioItem(bar_, ids::StandardView, ids::AdvancedView,
                       advanced ? ids::AdvancedView : ids::StandardView, MF_BYCOMMAND);
    EnableMenuItem(bar_, ids::AdvancedOptionsMenu,
                   MF_BYPOSITION | (advanced ? MF_ENABLED : MF_GRAYED));
    if (window_)
        DrawMenuBar(window_);
}

AdvancedRows ReportMenu::Rows() const {
    AdvancedRows rows;
    rows.sex = IsChecked(ids::SexRow);
    rows.menses = IsChecked(ids::MensesRow);
    rows.calendarMethod = IsChecked(ids::CalendarMethodRow);
    rows.temperature = IsChecked(ids::TemperatureRow);
    rows.mucus = IsChecked(ids::MucusRow);
    rows.pms = IsChecked(ids::PmsRow);
    rows.cramps = IsChecked(ids::CrampsRow);
    rows.protection = IsChecked(ids::ProtectionRow);
    rows.secret = IsChecked(ids::SecretRow);
    rows.appointments = IsChecked(ids::AppointmentsRow);
    rows.notes = IsChecked(ids::NotesRow);
    return rows;
}

} // namespace lunea
