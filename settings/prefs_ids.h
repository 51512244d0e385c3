#pragma once
// Control ids of the Preferences page: the panel and the page control in
// its container, the three sheets and their controls (on the sheets,
// positions are the sheet's). The container's own id is the main window's.

namespace lunea::prefs_ids {

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

} // namespace lunea::prefs_ids
