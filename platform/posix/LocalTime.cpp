#include "platform/LocalTime.h"

bool LocalTimeOf(std::time_t t, std::tm& tm) { return localtime_r(&t, &tm) != nullptr; }
