#pragma once
// Child window and menu command ids of the report window, each named after
// what it does, with the name the window's layout gives it beside it.

namespace lunea::report_ids {

// Controls.
inline constexpr int ToolBar = 300;           // ToolBar1
inline constexpr int SaveBitmapButton = 301;  // ToolButton3
inline constexpr int PrintButton = 302;       // ToolButton1
inline constexpr int CyclesInPageLabel = 303; // Panel6, "Cycles in page:"
inline constexpr int CyclesInPageEdit = 304;  // CntSpinEdit1
inline constexpr int PageButtonPanel = 305;   // Panel5
inline constexpr int CalendarButton = 306;    // SpeedButton1
inline constexpr int ChartsButton = 307;      // SpeedButton2
inline constexpr int PrefsButton = 308;       // SpeedButton3
inline constexpr int ReportsButton = 309;     // SpeedButton4
inline constexpr int PageButtonLabels = 310;  // ..313, one under each button
inline constexpr int ListSplitter = 320;      // Splitter1
inline constexpr int CycleListPane = 321;     // Panel3
inline constexpr int CycleListHeader = 322;   // Panel4, "Cycles Start"
inline constexpr int CycleList = 323;         // ListBox1
inline constexpr int NotesSplitter = 324;     // Splitter3
inline constexpr int NotesEdit = 325;         // Memo1
inline constexpr int PictureScrollBox = 326;  // ScrollBox1
inline constexpr int ReportsImage = 327;

// The menu bar's commands.
inline constexpr int SaveAsBitmapCommand = 400; // SaveAsBitmap1
inline constexpr int PrintSetupCommand = 401;   // PrintSetup1
inline constexpr int PrintCommand = 402;        // Print1
inline constexpr int CloseCommand = 403;        // Close1
inline constexpr int StandardView = 404;        // Standard1
inline constexpr int AdvancedView = 405;        // Advanced1
inline constexpr int CalendarMethodRow = 406;   // CalendarMethod1
inline constexpr int MensesRow = 407;           // Menses1
inline constexpr int MucusRow = 408;            // Mucus1
inline constexpr int TemperatureRow = 409;      // Temperature1
inline constexpr int SexRow = 410;              // Sex1
inline constexpr int ProtectionRow = 411;       // Protection1
inline constexpr int PmsRow = 412;              // PMS1
inline constexpr int CrampsRow = 413;           // Cramps1
inline constexpr int SecretRow = 414;           // Secret1
inline constexpr int AppointmentsRow = 415;     // DrsApp1
inline constexpr int NotesRow = 416;            // Notes1

// Positions of the menus in the menu bar.
inline constexpr int ReportMenu = 0;
inline constexpr int ViewMenu = 1;
inline constexpr int AdvancedOptionsMenu = 2;

} // namespace lunea::report_ids
