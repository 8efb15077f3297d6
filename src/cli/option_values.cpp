#include "cli/option_values.h"

#include "app/settings_file.h"
#include "config/printer_models.h"
#include "platform/user_language.h"

#include <string_view>

namespace tessaline::cli {

std::optional<int> modelFromOption(const std::string& text) {
    if (text.size() == 1 && text[0] >= '0' && text[0] < '0' + kModelCount) return text[0] - '0';
    const auto names = modelNames();
    for (int i = 0; i < kModelCount; ++i) {
        const std::string_view name = names[i];
        if (text == name || text == name.substr(0, name.find(" ("))) return i;
    }
    return std::nullopt;
}

std::optional<Region> regionFromOption(const std::string& language) {
    return RegionFromCode(language);
}

Region userRegion() {
    return RegionFromNumber(RegionFromLanguage(UserPrimaryLanguage())).value_or(Region::English);
}

} // namespace tessaline::cli
