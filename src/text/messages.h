#pragma once

#include "app/prompter.h"
#include "text/region.h"
#include "text/text_tables.h"

#include <string>
#include <vector>

namespace tessaline {

// Shows MessageTable entry `index` (0 to 17) in the region's language with the given style and
// returns the button pressed: Yes or No for a Yes/No style, else OK. Any other index shows an
// empty text.
MessageButton ShowMessage(Prompter& prompter, Region region, int index, MessageStyle style);

// Shows the message of an error code (20, 22, 23, 24, 30, 31, 32, 40, 80, 81, 82) with its style.
// Any other code shows nothing; returns whether a message was shown.
bool ShowErrorCode(Prompter& prompter, Region region, int code);

// The same with a detail line: the message of the code, a blank line, then `detail` (nothing
// is added for an empty detail).
bool ShowErrorCode(Prompter& prompter, Region region, int code, std::string_view detail);

// Shows one of the program's own messages in the region's language with its style: a question
// returns Yes or No, any other message OK.
MessageButton ShowOwnMessage(Prompter& prompter, Region region, OwnMessage message);

// The type list of the program's file dialogs in the region's language: the display texts and
// patterns of MessageTable entry 18.
std::vector<FileFilter> FileDialogFilters(Region region);

} // namespace tessaline
