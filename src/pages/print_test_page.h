#pragma once

#include "text/region.h"

#include <string>
#include <string_view>

namespace tessaline {

enum class PrintMode { SelfTest = 0, PrintSample = 1, SendFile = 2 };

// Captions of the Print Test page, in PrintItemTexts order.
enum class PrintCaption { SelfTest = 0, PrintSample, SendFile, Execute, Browse };

// The Print Test page: the chosen printer action and the path of the print file.
class PrintTestPage {
public:
    void reset() { mode_ = PrintMode::SelfTest; } // the file field keeps its text
    void applyLanguage(Region region) { region_ = region; }
    std::string caption(PrintCaption c) const;

    PrintMode printMode() const { return mode_; }
    void setPrintMode(PrintMode mode) { mode_ = mode; }
    const std::string& fileField() const { return fileField_; }
    void setFileField(std::string path) { fileField_ = std::move(path); }
    // A file chosen with "Browse...": shown in the file field; its folder (up to and including
    // the last separator) becomes the default folder.
    void fileChosen(std::string_view path, std::string& defaultFolder);

private:
    Region region_ = Region::English;
    PrintMode mode_ = PrintMode::SelfTest;
    std::string fileField_;
};

} // namespace tessaline
