#include "config/line_reader.h"

#include "config/text_vocabulary.h"

#include <algorithm>

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
    int copied = 0;
    while (copied < kMaxLineBytes) {
        const char c = position_ < bytes_.size() ? bytes_[position_] : '\0';
        ++position_;
        if (c == '\r') {
            if (position_ < bytes_.size() && bytes_[position_] == '\n') ++position_;
            break;
        }
        if (c == '\n') break;
        line.bytes[copied++] = c;
    }
    line.bytes[copied] = '\0';
    line.copied = copied;
    ++lineCount_;
    return copied;
}

int ParsedLine::tokenize(std::string_view text) {
    const std::size_t size = std::min<std::size_t>(text.size(), kMaxLineBytes);
    std::copy_n(text.begin(), size, writtenText_.begin());
    std::transform(text.begin(), text.begin() + size, upperText_.begin(), upperAscii);
    count_ = 0;
    std::size_t at = 0;
    while (count_ < kMaxTokens) {
        while (at < size && isDelimiter(writtenText_[at]))
            ++at;
        if (at >= size) break;
        const std::size_t begin = at;
        while (at < size && !isDelimiter(writtenText_[at]))
            ++at;
        if (writtenText_[begin] == ';') break; // the rest of the line is a comment
        written_[count_] = std::string_view(writtenText_.data() + begin, at - begin);
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
