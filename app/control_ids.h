#pragma once
// Control ids of the main window's children, named after the controls, so
// the program and the tests that drive it agree on them.

namespace lunea::ids {

// Title bar.
inline constexpr int UsersButton = 100;
inline constexpr int HelpButton = 101;     // VsButton1: Help
inline constexpr int MinimizeButton = 102; // VsButton2: Minimize
inline constexpr int CloseButton = 103;    // VsButton3: Close

// Page column.
inline constexpr int CalendarButton = 110; // CalendarBtn
inline constexpr int ChartsButton = 111;   // ChartsRadioBtn
inline constexpr int PrefsButton = 112;    // PrefsRadioBtn
inline constexpr int ReportsButton = 113;  // VsButton4: Reports
inline constexpr int CalendarLabel = 114;
inline constexpr int ChartsLabel = 115;
inline constexpr int PreferencesLabel = 116;
inline constexpr int ReportsLabel = 117;

// Pages: containers over the centre and the right column, one shown at a
// time; their controls are their children.
inline constexpr int CalendarPage = 119;

// Centre.
inline constexpr int CalendarPanel = 120; // on the Calendar page
inline constexpr int MonthImage = 121;    // MainImage: a child of CalendarPanel

// Month navigation.
inline constexpr int PreviousMonthButton = 130; // SpeedButton6: previous month
inline constexpr int MonthButton = 131;
inline constexpr int NextMonthButton = 132; // SpeedButton5: next month

// Day editor, on the Calendar page.
inline constexpr int CervicalFluidLabel = 140;
inline constexpr int StatusButton = 141;
inline constexpr int StatusRadio0 = 150; // StatusBtn0: StatusRadio0 + s is the button of status s
inline constexpr int StatusRadio1 = 151; // StatusBtn1
inline constexpr int StatusRadio2 = 152; // StatusBtn2
inline constexpr int StatusRadio3 = 153; // StatusBtn3
inline constexpr int StatusRadio4 = 154; // StatusBtn4
inline constexpr int StatusRadio5 = 155; // StatusBtn5
inline constexpr int StatusRadio6 = 156; // StatusBtn6
inline constexpr int TempBox = 160;
inline constexpr int TempEdit = 161;
inline constexpr int TempEditButton = 162;
inline constexpr int TempUnitLabel = 163;
inline constexpr int TempScaleBar = 164; // ProgressBar1
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
inline constexpr int NoteEdit = 182;     // Memo1
inline constexpr int EditorBevels = 183; // EditorBevels + i, i = 0..3, top to bottom

// The Charts page: its container, the panel, the two charts in the place of
// the month image, and the buttons and labels in the right column.
inline constexpr int ChartsPage = 300;
inline constexpr int ChartsPanel = 301;
inline constexpr int TempChart = 302;        // Chart1: temperatures
inline constexpr int CycleChart = 303;       // Chart2: cycle lengths
inline constexpr int CycleChartButton = 304; // CycleChartBtn
inline constexpr int CyclesChartLabel = 305;
inline constexpr int TempChartButton = 306; // TempChartBtn
inline constexpr int TempChartLabel = 307;
inline constexpr int PrintChartButton = 308; // PrintChartBtn
inline constexpr int PrintChartLabel = 309;

// The Preferences page's container; what stands in it has its ids beside
// the page.
inline constexpr int PrefsPage = 200;

} // namespace lunea::ids
