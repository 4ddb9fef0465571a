// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

// Slot files are Windows-1252; texts inside the program are UTF-8. A character the set
// cannot hold, and each broken piece of UTF-8, is written as '?'.
std::string A1252(std::string_view utf8);

// Every byte has a meaning: the five unassigned ones (81, 8D, 8F, 90, 9D)
// come back as the control characters of the same code, so they survive a round trip.
std::string De1252(std::string_view bytes);
