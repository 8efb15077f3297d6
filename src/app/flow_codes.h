#pragma once

namespace tessaline::flow {

// Message codes the command flows report (their texts are in the message table).
inline constexpr int kImportErrorCode = 20;
inline constexpr int kExportErrorCode = 22;
inline constexpr int kInvalidItemsCode = 23;
inline constexpr int kNothingSelectedCode = 24;
inline constexpr int kOpenErrorCode = 30;
inline constexpr int kTransferErrorCode = 31;
inline constexpr int kReplyErrorCode = 32;
inline constexpr int kNoInterfaceCode = 40;
inline constexpr int kPrintFileErrorCode = 80;
inline constexpr int kReceptionErrorCode = 82;

// Questions, by message table entry.
inline constexpr int kInvalidDataQuestion = 1;
inline constexpr int kConfirmSendMessage = 9;
inline constexpr int kConfirmRestoreMessage = 10;
inline constexpr int kAdvancedWarningMessage = 11;
inline constexpr int kConfirmReceiveMessage = 13;
inline constexpr int kConfirmPrintMessage = 14;

// Guide table entries of the sensor adjustment.
inline constexpr int kConfirmSensorAdjustmentGuide = 10;
inline constexpr int kSensorAdjustmentDoneGuide = 11;
inline constexpr int kSensorAdjustmentFailedGuide = 12;

} // namespace tessaline::flow
