#pragma once
// The view state the main window owns and its pages read: the selected date,
// the page shown and the editor's loading mark.

#include <cstdint>

namespace lunea {

// The page shown; the Preferences page shows over either without changing it.
enum class TViewMode { Calendar = 1, Charts = 2 };

struct ViewState {
    std::uint16_t SelectedYear = 0;
    std::uint16_t SelectedMonth = 0;
    std::uint16_t SelectedDay = 0;
    TViewMode ViewMode = TViewMode::Calendar;
    // Set while the day editor fills its controls: their change handlers
    // then write nothing back.
    bool DayLoading = false;
};

} // namespace lunea
