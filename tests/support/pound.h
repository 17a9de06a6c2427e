#pragma once

// The pound sign as the log and the messages write it, for the texts the
// tests expect: P + "120".

#include "game/text.h"

#include <string>

namespace tycora::testing {

inline const std::string P = PoundSign;

} // namespace tycora::testing
