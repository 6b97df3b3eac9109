#include "platform/Arguments.h"

// Windows names are UTF-16 on the disk and in the arguments Qt reads: nothing is lost.
QString UnrepresentableArgument(int, char**) { return QString(); }

bool PathLostBytes(const QString&) { return false; }
