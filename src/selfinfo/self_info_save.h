#pragma once

#include <ctime>
#include <string>

namespace tessaline {

// What the dialog shows after Save: one message box, then it closes or stays open.
struct SelfInfoSaveResult {
    std::string message;
    std::string title;
    bool closeDialog = false;
    std::string fileName; // the file written, when one was
};

// Saves the two texts as a CSV record in a folder named after the day (YYYYMMDD) inside
// `baseFolder` (the process's current directory in the program), named after the model, the
// serial number and `localTime`.
SelfInfoSaveResult SaveSelfInformation(const std::string& machineText,
                                       const std::string& settingsText, const std::tm& localTime,
                                       const std::string& baseFolder = ".");

} // namespace tessaline
