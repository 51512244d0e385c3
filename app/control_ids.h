#pragma once
// Control ids of the main window's children, named after the controls, so
// the program and the tests that drive it agree on them.

namespace lunea::ids {

// Title bar.
inline constexpr int UsersButton = 100;
inline constexpr int VsButton1 = 101; // Help
inline constexpr int VsButton2 = 102; // Minimize
inline constexpr int VsButton3 = 103; // Close

// Page column.
inline constexpr int CalendarBtn = 110;
inline constexpr int ChartsRadioBtn = 111;
inline constexpr int PrefsRadioBtn = 112;
inline constexpr int VsButton4 = 113; // Reports

// Centre.
inline constexpr int CalendarPanel = 120;
inline constexpr int MainImage = 121;

// Month navigation.
inline constexpr int SpeedButton6 = 130; // previous month
inline constexpr int MonthButton = 131;
inline constexpr int SpeedButton5 = 132; // next month

} // namespace lunea::ids
