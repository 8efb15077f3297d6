#include "pages/print_test_page.h"

#include "text/text_tables.h"

namespace tessaline {

namespace {
constexpr char kPathSeparator = '/';
}

std::string PrintTestPage::caption(PrintCaption c) const {
    const auto rows = PrintItemTexts();
    const auto row = static_cast<std::size_t>(c);
    return row < rows.size() ? std::string(rows[row].label(0, region_)) : std::string();
}

void PrintTestPage::fileChosen(std::string_view path, std::string& defaultFolder) {
    const std::size_t last = path.rfind(kPathSeparator);
    if (last != std::string_view::npos) defaultFolder = std::string(path.substr(0, last + 1));
    fileField_ = std::string(path);
}

} // namespace tessaline
