#pragma once

#include <ctime>

// The local time of t, safe from any thread; false when the system cannot tell it.
bool LocalTimeOf(std::time_t t, std::tm& tm);
