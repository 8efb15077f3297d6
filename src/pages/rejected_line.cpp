#include "pages/rejected_line.h"

#include <charconv>

namespace tessaline {

std::string RejectedLineDetail(const std::string& lineNumber, const std::string& lineText,
                               bool crLfPutInFront) {
    if (!crLfPutInFront) return "\r\n" + lineNumber + ":" + lineText;
    long number = 0;
    std::from_chars(lineNumber.data(), lineNumber.data() + lineNumber.size(), number);
    return "\n" + std::to_string(number - 1) + ":" + lineText;
}

} // namespace tessaline
