#include "config/line_reader.h"

#include "config/text_vocabulary.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace tessaline {

namespace {

// How the tokeniser sees each byte value.
enum ByteClass : unsigned char { kOrdinary = 0, kDelimiter = 1, kLower = 2 };

constexpr std::array<ByteClass, 256> makeByteClasses() {
    std::array<ByteClass, 256> classes{};
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        classes[b] = c == ',' || c == ':' || c == '\t' || c == '\r' || c == '\n' ? kDelimiter
                     : c >= 'a' && c <= 'z'                                      ? kLower
                                                                                 : kOrdinary;
    }
    return classes;
}

constexpr std::array<ByteClass, 256> kByteClasses = makeByteClasses();

ByteClass classOf(char c) {
    return kByteClasses[static_cast<unsigned char>(c)];
}

char upperAscii(char c) {
    return classOf(c) == kLower ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

int LineReader::read(Line& line) {
    const std::size_t left = position_ < bytes_.size() ? bytes_.size() - position_ : 0;
    const std::size_t window = std::min<std::size_t>(left, kMaxLineBytes);
    const char* start = bytes_.data() + position_;
    // The first CR or LF in the window.
    std::size_t length = window;
    if (const void* cr = std::memchr(start, '\r', window))
        length = static_cast<std::size_t>(static_cast<const char*>(cr) - start);
    if (const void* lf = std::memchr(start, '\n', length))
        length = static_cast<std::size_t>(static_cast<const char*>(lf) - start);
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
    const char* const first = text.data();
    const char* const end = first + std::min<std::size_t>(text.size(), kMaxLineBytes);
    const char* at = first;
    count_ = 0;
    while (count_ < kMaxTokens) {
        while (at < end && classOf(*at) == kDelimiter)
            ++at;
        if (at == end || *at == ';') break; // the rest of the line is a comment
        const char* const begin = at;
        unsigned seen = 0; // the classes of the token's bytes
        for (; at < end; ++at) {
            const ByteClass c = classOf(*at);
            if (c == kDelimiter) break;
            seen |= c;
        }
        const std::size_t length = static_cast<std::size_t>(at - begin);
        written_[count_] = std::string_view(begin, length);
        if (seen & kLower) { // only a token with small letters needs an upper-cased copy
            char* const upper = upperText_.data() + (begin - first);
            std::transform(begin, at, upper, upperAscii);
            upper_[count_] = std::string_view(upper, length);
        } else {
            upper_[count_] = written_[count_];
        }
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
