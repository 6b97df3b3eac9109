#include "platform/LocalTime.h"

bool LocalTimeOf(std::time_t t, std::tm& tm) { return localtime_s(&tm, &t) == 0; }
