#include "log/LogText.h"

#include <QDir>
#include <algorithm>

QString PathForLog(const QString& strAnyPath) {
    const QString strPath = QDir::toNativeSeparators(strAnyPath);
    auto isControl = [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; };
    if (std::none_of(strPath.begin(), strPath.end(), isControl)) return strPath;
    QString strOut;
    strOut.reserve(strPath.size() + 8);
    for (QChar c : strPath) {
        if (c == QLatin1Char('\r')) {
            strOut += QLatin1String("\\r");
        } else if (c == QLatin1Char('\n')) {
            strOut += QLatin1String("\\n");
        } else if (c == QLatin1Char('\t')) {
            strOut += QLatin1String("\\t");
        } else if (isControl(c)) {
            strOut += QString::asprintf("\\x%02X", c.unicode());
        } else {
            strOut += c;
        }
    }
    return strOut;
}
