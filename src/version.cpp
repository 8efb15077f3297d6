#include "version.h"

namespace tessaline {
const char* programVersion() { return kVersion; }
} // namespace tessaline
