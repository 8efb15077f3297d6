#pragma once

#include <string>

namespace tessaline {

// The detail under the Import question about a line the reader rejected: a line break, the
// line's number as the person sees it in the file, a colon and the line. When a line break was
// put in front of the file's text, the reader counted one line more, so the number is one less,
// and the detail starts with a bare line feed.
std::string RejectedLineDetail(const std::string& lineNumber, const std::string& lineText,
                               bool crLfPutInFront);

} // namespace tessaline
