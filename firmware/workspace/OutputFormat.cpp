#include "firmware/workspace/OutputFormat.h"

QString FormatExtension(int nFormat) {
    switch (nFormat) {
        case FORMAT_HEX:
            return QStringLiteral("hex");
        case FORMAT_SREC:
            return QStringLiteral("srec");
        default:
            return QStringLiteral("bin");
    }
}
