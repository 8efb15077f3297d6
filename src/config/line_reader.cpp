#include "config/line_reader.h"

#include "config/text_vocabulary.h"

#include <algorithm>
#include <cstring>

namespace tessaline {

namespace {

bool isDelimiter(char c) {
    return c == ',' || c == ':' || c == '\t' || c == '\r' || c == '\n';
}

char upperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

int LineReader::read(Line& line) {
    const std::size_t left = position_ < bytes_.size() ? bytes_.size() - position_ : 0;
    const std::size_t window = std::min<std::size_t>(left, kMaxLineBytes);
    const char* start = bytes_.data() + position_;
    std::size_t length = 0;
    while (length < window && start[length] != '\r' && start[length] != '\n')
        ++length;
    line.text = std::string_view(start, length);
    line.copied = static_cast<int>(length);
    if (length < window) { // a line end
        position_ += length + 1;
        if (start[length] == '\r' && position_ < bytes_.size() && bytes_[position_] == '\n')
            ++position_;
    } else if (window == static_cast<std::size_t>(kMaxLineBytes)) {
        position_ += length;
    } else { // the text ends: the rest of the line is zero bytes
        line.copied = kMaxLineBytes;
        position_ += kMaxLineBytes;
    }
    ++lineCount_;
    return line.copied;
}

int ParsedLine::tokenize(std::string_view text) {
    const std::size_t size = std::min<std::size_t>(text.size(), kMaxLineBytes);
    count_ = 0;
    std::size_t at = 0;
    while (count_ < kMaxTokens) {
        while (at < size && isDelimiter(text[at]))
            ++at;
        if (at >= size || text[at] == ';') break; // the rest of the line is a comment
        const std::size_t begin = at;
        for (; at < size && !isDelimiter(text[at]); ++at)
            upperText_[at] = upperAscii(text[at]);
        written_[count_] = text.substr(begin, at - begin);
        upper_[count_] = std::string_view(upperText_.data() + begin, at - begin);
        ++count_;
    }
    return count_;
}

std::string withEndLine(std::string_view bytes) {
    std::string copy(bytes.substr(0, bytes.find('\0')));
    copy.append("\n").append(kEndLine).append(kLineEnd);
    return copy;
}

} // namespace tessaline
