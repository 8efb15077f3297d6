#pragma once

#include <string_view>

namespace tessaline {

// Words and records of the configuration text that the writer and the reader both know.
inline constexpr std::string_view kSeparator = "\t:\t";
inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr std::string_view kEndLine = "END";
inline constexpr std::string_view kExitLine = "EXIT";
inline constexpr std::string_view kLoadMacroLine = "LOADMACRO\r\n";
inline constexpr std::string_view kMachineEmulationKey = "MACHINE EMULATION CODE";
inline constexpr std::string_view kDoubleHeatKey = "DOUBLE HEAT";
inline constexpr std::string_view kSerialNumberKey = "SERIAL NUMBER";

inline constexpr int kGlobalConfigRecord = 0;
inline constexpr int kEmulationSelectRecord = 34;
inline constexpr int kDoubleHeatRecord = 147;
inline constexpr int kHeadCheckStartRecord = 153;
inline constexpr int kHeadCheckStopRecord = 154;
inline constexpr int kUsbSerialRecord = 158;
inline constexpr int kHeadCheckWidthRecord = 168;

} // namespace tessaline
