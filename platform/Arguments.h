#pragma once

#include <QString>

// The first command-line argument that no QString can carry back to the same bytes (on Linux
// a file name that is not valid in the locale's encoding: decoded, it would name another
// file), with its bytes escaped for a message; an empty text when every argument survives.
// Windows hands the arguments over as UTF-16, which always survives.
QString UnrepresentableArgument(int argc, char** argv);

// A path handed over by the window's dialogs or a drop, decoded by Qt: true when decoding lost
// bytes of the name (it holds U+FFFD), so that the path may name another file.
bool PathLostBytes(const QString& strPath);
