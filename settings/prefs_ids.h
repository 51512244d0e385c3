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
inline constexpr int CelsiusButton = 211; // CelBtn
inline constexpr int CelsiusLabel = 212;
inline constexpr int FahrenheitButton = 213; // FarBtn
inline constexpr int FahrenheitLabel = 214;
inline constexpr int PasswordLabel = 215;
inline constexpr int PasswordEdit = 216; // PassEdit
inline constexpr int DataLabel = 217;
inline constexpr int ClearDatabaseButton = 218; // SpeedButton13
inline constexpr int ClearDatabaseLabel = 219;
inline constexpr int ExportLabel = 220;
inline constexpr int ExportCsvButton = 221; // SpeedButton1
inline constexpr int GeneralDefault = 222;
inline constexpr int GeneralBevels = 223; // GeneralBevels + i, i = 0..3

inline constexpr int CycleLengthLabel = 230;
inline constexpr int AverageButton = 231;
inline constexpr int AverageLengthLabel = 232; // DaysLabel1
inline constexpr int CustomButton = 233;
inline constexpr int CustomLengthEdit = 234; // DaysEdit1
inline constexpr int CustomDaysLabel = 235;  // Label20, "days" after the edit
inline constexpr int FertilePeriodLabel = 236;
inline constexpr int OvulationSpinEdit = 237;
inline constexpr int OvulationDaysLabel = 238;
inline constexpr int MenstruationLabel = 239;
inline constexpr int MenstruationSpinEdit = 240;
inline constexpr int MenstruationDaysLabel = 241;
inline constexpr int LutealLabel = 242;
inline constexpr int LutealSpinEdit = 243;
inline constexpr int LutealDaysLabel = 244;
inline constexpr int EstimatesDefault = 245;
inline constexpr int EstimatesBevels = 246; // EstimatesBevels + i, i = 0..3
inline constexpr int ShowCoverlineBox = 280;

inline constexpr int CalendarColorsLabel = 250;
inline constexpr int ClearDayColor = 251;      // clearPanel
inline constexpr int FlowDayColor = 252;       // startPanel
inline constexpr int FertileDayColor = 253;    // ovlPanel
inline constexpr int PredictedFlowColor = 254; // possStPanel
inline constexpr int ClearDayLabel = 255;
inline constexpr int FlowDaysLabel = 256;
inline constexpr int FertileDaysLabel = 257;
inline constexpr int PredictedFlowLabel = 258;
inline constexpr int CalendarIconsLabel = 259;
inline constexpr int IconFrame = 260;
inline constexpr int DayIconButton = 261;
inline constexpr int IconSlotButtons = 262; // IconBtn0; IconSlotButtons + slot, slot = 0..7
inline constexpr int CustomDefault = 270;
inline constexpr int CalendarBevels = 271; // CalendarBevels + i, i = 0..1

} // namespace lunea::prefs_ids
