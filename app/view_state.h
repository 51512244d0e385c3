#pragma once
// The view state the main window owns and its pages read: the selected date,
// the page shown and the editor's loading mark.

#include "common/day_serial.h"

#include <cstdint>

namespace lunea {

// The pages, one shown at a time in the centre and the right column.
enum class Page { Calendar, Charts, Preferences };

struct ViewState {
    std::uint16_t selectedYear = 0;
    std::uint16_t selectedMonth = 0;
    std::uint16_t selectedDay = 0;
    Page page = Page::Calendar;
    // Set while the day editor fills its controls: their change handlers
    // then write nothing back.
    bool dayLoading = false;

    CivilDate Selected() const { return {selectedYear, selectedMonth, selectedDay}; }
    void Select(CivilDate date) {
        selectedYear = static_cast<std::uint16_t>(date.year);
        selectedMonth = static_cast<std::uint16_t>(date.month);
        selectedDay = static_cast<std::uint16_t>(date.day);
    }
};

} // namespace lunea
