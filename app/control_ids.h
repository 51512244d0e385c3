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

// The Preferences page: its container, the panel and the page control in
// it, the three sheets and their controls (on the sheets, positions are the
// sheet's).
inline constexpr int PrefsPage = 200;
inline constexpr int PrefsPanel = 201;
inline constexpr int PrefsPageControl = 202;
inline constexpr int GeneralSheet = 203;
inline constexpr int EstimatesSheet = 204;
inline constexpr int CalendarSheet = 205;

inline constexpr int TempFormatLabel = 210;
inline constexpr int CelBtn = 211;
inline constexpr int CelsiusLabel = 212;
inline constexpr int FarBtn = 213;
inline constexpr int FahrenheitLabel = 214;
inline constexpr int PasswordLabel = 215;
inline constexpr int PassEdit = 216;
inline constexpr int DataLabel = 217;
inline constexpr int SpeedButton13 = 218; // clear the database
inline constexpr int ClearDatabaseLabel = 219;
inline constexpr int ExportLabel = 220;
inline constexpr int SpeedButton1 = 221; // CSV export
inline constexpr int GeneralDefault = 222;
inline constexpr int GeneralBevel0 = 223; // GeneralBevel0 + i, i = 0..3

inline constexpr int CycleLengthLabel = 230;
inline constexpr int AverageButton = 231;
inline constexpr int DaysLabel1 = 232;
inline constexpr int CustomButton = 233;
inline constexpr int DaysEdit1 = 234;
inline constexpr int Label20 = 235; // "days" after DaysEdit1
inline constexpr int FertilePeriodLabel = 236;
inline constexpr int OvulationSpinEdit = 237;
inline constexpr int OvulationDaysLabel = 238;
inline constexpr int MenstruationLabel = 239;
inline constexpr int MenstruationSpinEdit = 240;
inline constexpr int MenstruationDaysLabel = 241;
inline constexpr int LuterLabel = 242;
inline constexpr int LuterSpinEdit = 243;
inline constexpr int LuterDaysLabel = 244;
inline constexpr int EstimatesDefault = 245;
inline constexpr int EstimatesBevel0 = 246; // EstimatesBevel0 + i, i = 0..3

inline constexpr int CalendarColorsLabel = 250;
inline constexpr int clearPanel = 251;
inline constexpr int startPanel = 252;
inline constexpr int ovlPanel = 253;
inline constexpr int possStPanel = 254;
inline constexpr int ClearDayLabel = 255;
inline constexpr int FlowDaysLabel = 256;
inline constexpr int FertileDaysLabel = 257;
inline constexpr int PredictedFlowLabel = 258;
inline constexpr int CalendarIconsLabel = 259;
inline constexpr int IconFrame = 260;
inline constexpr int DayIconBtn = 261;
inline constexpr int IconBtn0 = 262; // IconBtn0 + slot, slot = 0..7
inline constexpr int CustomDefault = 270;
inline constexpr int CalendarBevel0 = 271; // CalendarBevel0 + i, i = 0..1

} // namespace lunea::ids
