#pragma once
// Child window and menu command ids of the report window, named as the
// window's controls are.

namespace lunea::report_ids {

// Controls.
inline constexpr int ToolBar1 = 300;
inline constexpr int ToolButton3 = 301; // Save As Bitmap
inline constexpr int ToolButton1 = 302; // Print Report
inline constexpr int Panel6 = 303;      // "Cycles in page:"
inline constexpr int CntSpinEdit1 = 304;
inline constexpr int Panel5 = 305;
inline constexpr int SpeedButton1 = 306;      // Calendar
inline constexpr int SpeedButton2 = 307;      // Charts
inline constexpr int SpeedButton3 = 308;      // Prefs
inline constexpr int SpeedButton4 = 309;      // Reports
inline constexpr int SpeedButtonLabels = 310; // ..313, one under each button
inline constexpr int Splitter1 = 320;
inline constexpr int Panel3 = 321;
inline constexpr int Panel4 = 322; // "Cycles Start"
inline constexpr int ListBox1 = 323;
inline constexpr int Splitter3 = 324;
inline constexpr int Memo1 = 325;
inline constexpr int ScrollBox1 = 326;
inline constexpr int ReportsImage = 327;

// MainMenu1's commands.
inline constexpr int SaveAsBitmap1 = 400;
inline constexpr int PrintSetup1 = 401;
inline constexpr int Print1 = 402;
inline constexpr int Close1 = 403;
inline constexpr int Standard1 = 404;
inline constexpr int Advanced1 = 405;
inline constexpr int CalendarMethod1 = 406;
inline constexpr int Menses1 = 407;
inline constexpr int Mucus1 = 408;
inline constexpr int Temperature1 = 409;
inline constexpr int Sex1 = 410;
inline constexpr int Protection1 = 411;
inline constexpr int PMS1 = 412;
inline constexpr int Cramps1 = 413;
inline constexpr int Secret1 = 414;
inline constexpr int DrsApp1 = 415;
inline constexpr int Notes1 = 416;

// Positions of the menus in the menu bar.
inline constexpr int ReportMenu = 0;
inline constexpr int ViewMenu = 1;
inline constexpr int AdvancedOptionsMenu = 2;

} // namespace lunea::report_ids
