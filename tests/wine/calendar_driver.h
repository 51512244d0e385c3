#pragma once
// Drives a running calendar the way a user would: clicks on buttons and
// on the month image, typing, and reads back controls, saved records and
// pixels on the screen.
#include "components/canvas/canvas.h"
#include "journal/day_table.h"

#include <windows.h>

#include <memory>
#include <string>

namespace lunea::test {

class CalendarDriver {
  public:
    explicit CalendarDriver(HWND window) : window_(window) {}

    HWND Control(int id) const;
    // BM_CLICK: the control's own click, as the mouse gives it.
    void Click(int id) const;
    bool Checked(int id) const;
    std::string Text(int id) const;
    void SetText(int id, const std::string& text) const;
    // Replaces an edit control's whole text as pasting does.
    void Paste(int id, const std::string& text) const;
    // Characters typed one by one into a control.
    void Type(int id, const std::string& text) const;
    // Clicks a button that opens a popup menu and picks the menu's item
    // with this index by the keyboard; false when no menu opened.
    bool ChooseFromMenu(int buttonId, int index) const;
    // A press and release of the left button at a point of a control.
    void MouseAt(int id, int x, int y) const;
    // The cell of a day of the shown month (the locale's week starts on Sunday).
    void ClickDay(int year, int month, int day) const;
    // Pages back or forward until the month is shown.
    void ShowMonth(int year, int month) const;
    // What the screen shows at a point of the month image.
    Color PixelOfImage(int x, int y) const;
    // A point inside a day's cell that no icon covers.
    Color CellColor(int year, int month, int day) const;
    // Save request, waited for.
    bool Save() const;

  private:
    HWND window_;
};

// The journal as the program saved it.
std::unique_ptr<DayTable> ReadSavedJournal();

// The day a start selects: today, brought within the table's years.
CivilDate DaySelectedAtStart();
// The month button's caption for a month, as the test session shows it.
std::string MonthButtonCaption(int year, int month);

} // namespace lunea::test
