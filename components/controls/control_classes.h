#pragma once
// The window class names of the program's controls, so that a layout can
// say what stands where and a test can check the real windows against it.

namespace lunea::control_class {

inline constexpr char kFlatButton[] = "LuneaFlatButton";
inline constexpr char kPushButton[] = "LuneaPushButton";
inline constexpr char kPageButton[] = "LuneaPageButton";
inline constexpr char kCheckBox[] = "LuneaCheckBox";
inline constexpr char kRadioButton[] = "LuneaRadioButton";
inline constexpr char kLabel[] = "LuneaLabel";
inline constexpr char kPaintBox[] = "LuneaPaintBox";
inline constexpr char kPanel[] = "LuneaPanel";
inline constexpr char kEdit[] = "Edit"; // the system's
inline constexpr char kTabControl[] = "SysTabControl32";

} // namespace lunea::control_class
