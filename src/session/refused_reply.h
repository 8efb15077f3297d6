#pragma once

#include "text/error_detail.h"

#include <string>
#include <string_view>
#include <vector>

namespace tessaline {

// Why the pages refused a received configuration (code 32), for people: a printer that reports
// another language than the chosen model's (its values then read wrongly, a length where the
// model takes dots), or else the settings whose values the model refuses.
ErrorDetail RefusedReplyDetail(std::string_view reply, int model, std::string interfaceText,
                               const std::vector<std::string>& refusedKeys);

} // namespace tessaline
