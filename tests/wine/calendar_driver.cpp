#include "tests/wine/calendar_driver.h"

#include "app/control_ids.h"
#include "app/month_navigation.h"
#include "app/month_view.h"
#include "app/selected_date.h"
#include "common/desktop_contract.h"
#include "journal/record_codec.h"
#include "tests/wine/journal_files.h"

#include <algorithm>
#include <vector>

namespace lunea::test {
namespace {

// Lets the program finish what the last message started, and paint it:
// paints wait until the queue is empty, and probes read the screen.
void Settle(HWND window) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &result);
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// The en-US month names the test session's locale gives the program.
const char* const kNames[] = {"January",   "February", "March",    "April",
                              "May",       "June",     "July",     "August",
                              "September", "October",  "November", "December"};

YearMonth ShownMonth(const CalendarDriver& driver) {
    const std::string caption = driver.Text(ids::MonthButton);
    const auto comma = caption.rfind(", ");
    const int year = comma == std::string::npos ? 0 : std::atoi(caption.c_str() + comma + 2);
    for (int month = 1; month <= 12; ++month)
        if (caption.rfind(kNames[month - 1], 0) == 0)
            return {year, month};
    return {year, 0};
}

struct ControlSearch {
    int id;
    HWND found = nullptr;
};

BOOL CALLBACK FindControl(HWND child, LPARAM data) {
    auto* search = reinterpret_cast<ControlSearch*>(data);
    if (GetDlgCtrlID(child) != search->id)
        return TRUE;
    search->found = child;
    return FALSE;
}

} // namespace

// Controls stand in pages and panels: any descendant with the id.
HWND CalendarDriver::Control(int id) const {
    ControlSearch search{id};
    EnumChildWindows(window_, &FindControl, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void CalendarDriver::Click(int id) const {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(Control(id), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 10000, &result);
    Settle(window_);
}

bool CalendarDriver::Checked(int id) const {
    return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::string CalendarDriver::Text(int id) const {
    char text[512] = {};
    SendMessageA(Control(id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

void CalendarDriver::SetText(int id, const std::string& text) const {
    SendMessageA(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    Settle(window_);
}

void CalendarDriver::Paste(int id, const std::string& text) const {
    SendMessageA(Control(id), EM_SETSEL, 0, -1);
    SendMessageA(Control(id), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    Settle(window_);
}

void CalendarDriver::Type(int id, const std::string& text) const {
    for (char c : text)
        SendMessageA(Control(id), WM_CHAR, static_cast<unsigned char>(c), 1);
    Settle(window_);
}

bool CalendarDriver::ChooseFromMenu(int buttonId, int index) const {
    // Posted: the menu runs its own message loop until an item is chosen.
    PostMessageA(Control(buttonId), BM_CLICK, 0, 0);
    DWORD processId = 0;
    GetWindowThreadProcessId(window_, &processId);
    HWND menu = nullptr;
    for (int wait = 0; wait < 100 && !menu; ++wait) {
        Sleep(50);
        for (HWND found = FindWindowExA(nullptr, nullptr, "#32768", nullptr); found;
             found = FindWindowExA(nullptr, found, "#32768", nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(found, &owner);
            if (owner == processId && IsWindowVisible(found))
                menu = found;
        }
    }
    if (!menu)
        return false;
    for (int step = 0; step <= index; ++step)
        PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
    for (int wait = 0; wait < 100 && IsWindowVisible(menu); ++wait)
        Sleep(50);
    Settle(window_);
    return true;
}

void CalendarDriver::MouseAt(int id, int x, int y) const {
    const HWND control = Control(id);
    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    Settle(window_);
}

void CalendarDriver::ClickDay(int year, int month, int day) const {
    const CellDayList cells = MonthCells(year, month, false);
    const auto cell = std::find(cells.begin(), cells.end(), day) - cells.begin();
    const Rect rect = DayCellRect(static_cast<int>(cell));
    MouseAt(ids::MonthImage, rect.left + 24, rect.top + 24);
}

void CalendarDriver::ShowMonth(int year, int month) const {
    const YearMonth wanted{year, month};
    for (int step = 0; step < DayTable::MonthCount && !(ShownMonth(*this) == wanted); ++step) {
        const YearMonth shown = ShownMonth(*this);
        const bool back = shown.year * 12 + shown.month > year * 12 + month;
        Click(back ? ids::PreviousMonthButton : ids::NextMonthButton);
    }
}

Color CalendarDriver::PixelOfImage(int x, int y) const {
    Settle(window_);
    UpdateWindow(window_);
    POINT at{x, y};
    ClientToScreen(Control(ids::MonthImage), &at);
    HDC screen = GetDC(nullptr);
    const COLORREF pixel = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return pixel;
}

Color CalendarDriver::CellColor(int year, int month, int day) const {
    const CellDayList cells = MonthCells(year, month, false);
    const auto cell = std::find(cells.begin(), cells.end(), day) - cells.begin();
    const Rect rect = DayCellRect(static_cast<int>(cell));
    // The slot left of the thermometer: the appointment bell, absent in these tests.
    return PixelOfImage(rect.left + 8, rect.top + 24);
}

bool CalendarDriver::Save() const {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window_, messages::kSaveJournal, 0, 0, SMTO_ABORTIFHUNG, 15000,
                               &result) != 0;
}

std::unique_ptr<DayTable> ReadSavedJournal() {
    auto table = std::make_unique<DayTable>();
    const Bytes bytes = ReadFileBytes(LocalDataFile()).value_or(Bytes{});
    for (std::size_t offset = 0; offset + datafile::kRecordSize <= bytes.size();
         offset += datafile::kRecordSize) {
        TDayRecord day;
        const std::uint16_t serial = DecodeDayRecord(bytes.data() + offset, day);
        const CivilDate date = SerialToDate(serial);
        if (serial != 0 && DayTable::HasSlot(date))
            table->At(date) = day;
    }
    return table;
}

CivilDate DaySelectedAtStart() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return InitialSelection({now.wYear, now.wMonth, now.wDay});
}

std::string MonthButtonCaption(int year, int month) {
    return MonthCaption(kNames[month - 1], year);
}

} // namespace lunea::test
