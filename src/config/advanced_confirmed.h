#pragma once

namespace tessaline {

// Process-wide: 1 while the user has unlocked the Advanced settings; the writer then covers the
// Advanced entries too.
inline int AdvancedConfirmed = 0;

} // namespace tessaline
