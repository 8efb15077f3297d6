#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace tessaline::gui {

// The core keeps its texts in UTF-8; Qt in QString.
inline QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string us(const QString& text) {
    return text.toStdString();
}

} // namespace tessaline::gui
