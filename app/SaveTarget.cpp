#include "app/SaveTarget.h"

#include <QFileInfo>

#include "firmware/workspace/OutputFormat.h"

int FormatOfExtension(const QString& strPath) {
    const QString strSuffix = QFileInfo(strPath).suffix().toLower();
    if (strSuffix == QLatin1String("bin")) return FORMAT_BIN;
    if (strSuffix == QLatin1String("hex") || strSuffix == QLatin1String("ihex")) return FORMAT_HEX;
    for (const char* pSuffix : {"srec", "s19", "mot"}) {
        if (strSuffix == QLatin1String(pSuffix)) return FORMAT_SREC;
    }
    return FORMAT_ANY;
}

SaveTarget ResolveSaveTarget(const QString& strChosen, int nFilterFormat) {
    const int nTyped = FormatOfExtension(strChosen);
    if (nTyped != FORMAT_ANY) return {strChosen, nTyped};
    if (nFilterFormat == FORMAT_ANY) return {strChosen, FORMAT_BIN};
    return {strChosen + QLatin1Char('.') + FormatExtension(nFilterFormat), nFilterFormat};
}
