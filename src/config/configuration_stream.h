#pragma once

#include <string>
#include <string_view>

namespace tessaline {

// A configuration stream read back from the printer or a file, ready for an apply-mode parse.
struct RecognisedStream {
    bool recognised = false;
    bool crLfPutInFront = false;   // the parse then counts one line more
    bool firstByteDropped = false; // the one retry of a printer reply was used
    std::string bytes;             // code-page bytes to parse
};

// Recognises a stream by the prefix head: the whole head, or only its first or only its second
// part (then a CR LF is put in front, so that the two lines the parse skips are still the
// prefix). A printer reply that does not begin so may be tried once more without its first byte
// (`mayDropFirstByte`, once per Receive command).
RecognisedStream recogniseConfigurationStream(std::string_view bytes, bool mayDropFirstByte);

// The lines of a file read as text, each followed by CR LF (a CR before an LF belongs to the line
// end; a last line without a line end gets one).
std::string joinFileLines(std::string_view fileBytes);

} // namespace tessaline
