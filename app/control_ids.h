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
inline constexpr int CalendarLabel = 114;
inline constexpr int ChartsLabel = 115;
inline constexpr int PreferencesLabel = 116;
inline constexpr int ReportsLabel = 117;

// Pages: containers over the centre and the right column, one shown at a
// time; their controls are their children.
inline constexpr int CalendarPage = 119;

// Centre.
inline constexpr int CalendarPanel = 120; // on the Calendar page
inline constexpr int MainImage = 121;     // a child of CalendarPanel

// Month navigation.
inline constexpr int SpeedButton6 = 130; // previous month
inline constexpr int MonthButton = 131;
inline constexpr int SpeedButton5 = 132; // next month

// Day editor, on the Calendar page.
inline constexpr int CervicalFluidLabel = 140;
inline constexpr int StatusButton = 141;
inline constexpr int StatusBtn0 = 150; // StatusBtn0 + s is the button of status s
inline constexpr int StatusBtn1 = 151;
inline constexpr int StatusBtn2 = 152;
inline constexpr int StatusBtn3 = 153;
inline constexpr int StatusBtn4 = 154;
inline constexpr int StatusBtn5 = 155;
inline constexpr int StatusBtn6 = 156;
inline constexpr int TempBox = 160;
inline constexpr int TempEdit = 161;
inline constexpr int TempEditBtn = 162;
inline constexpr int TempUnitLabel = 163;
inline constexpr int ProgressBar1 = 164;
inline constexpr int TempScaleImage = 165;
inline constexpr int TempDigitImage = 166;
inline constexpr int PMSBox = 170;
inline constexpr int SexBox = 171;
inline constexpr int CrampingBox = 172;
inline constexpr int ProtectBox = 173;
inline constexpr int AppointBox = 174;
inline constexpr int SecretBox = 175;
inline constexpr int NoteImage = 180;
inline constexpr int NoteLabel = 181;
inline constexpr int Memo1 = 182;
inline constexpr int EditorBevel0 = 183; // EditorBevel0 + i, i = 0..3, top to bottom

// The Charts page: its container, the panel, the two charts in the place of
// the month image, and the buttons and labels in the right column.
inline constexpr int ChartsPage = 300;
inline constexpr int ChartsPanel = 301;
inline constexpr int Chart1 = 302; // temperatures
inline constexpr int Chart2 = 303; // cycle lengths
inline constexpr int CycleChartBtn = 304;
inline constexpr int CyclesChartLabel = 305;
inline constexpr int TempChartBtn = 306;
inline constexpr int TempChartLabel = 307;
inline constexpr int PrintChartBtn = 308;
inline constexpr int PrintChartLabel = 309;

// The Preferences page's container; what stands in it has its ids beside
// the page.
inline constexpr int PrefsPage = 200;

} // namespace lunea::ids
