#pragma once

#include <cstdint>

namespace tessaline {

struct Rgb {
    std::uint8_t r, g, b;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

// Background of every page and of its static texts and group boxes.
inline constexpr Rgb kPageBackground{241, 244, 248};

// Text colours a page model asks for: a row whose slot is invalid, a status text.
enum class TextColour { Default, Red, Blue };
inline constexpr Rgb kRedText{255, 0, 0};
inline constexpr Rgb kBlueText{0, 0, 255};

// The colour of a row's check-box label: red while its slot is invalid.
constexpr TextColour rowLabelColour(bool red) {
    return red ? TextColour::Red : TextColour::Default;
}

// The tabs of the main window, in tab order.
enum class PageTab {
    Easy = 0,
    Standard = 1,
    Information = 2,
    SensorAdjustment = 3,
    PrintTest = 4,
    Advanced = 5
};

// The host command that Enter clicks on a page: "Send Configuration" (control 172) everywhere
// but on the Print Test page, where it is the print command (control 179). Escape does nothing.
enum class HostCommand { SendConfiguration = 172, Print = 179 };
constexpr HostCommand enterCommand(PageTab tab) {
    return tab == PageTab::PrintTest ? HostCommand::Print : HostCommand::SendConfiguration;
}

// A scrolling page keeps its width and follows the host's height.
inline constexpr int kPageWidth = 600;       // pixels
inline constexpr int kHostHeightMargin = 82; // host client height minus page height
constexpr int pageHeightForHost(int hostClientHeight) {
    return hostClientHeight > kHostHeightMargin ? hostClientHeight - kHostHeightMargin : 0;
}

} // namespace tessaline
