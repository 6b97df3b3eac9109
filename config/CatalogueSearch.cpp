#include "config/CatalogueSearch.h"

#include <QDir>

#include "config/DeviceCatalogue.h"
#include "platform/FileSystem.h"

namespace {
const char* const CATALOGUE_NAME = "DeviceList.Ini";
}

QStringList CatalogueSearchPaths() {
    return {QStringLiteral("./") + QLatin1String(CATALOGUE_NAME),
            ConfigFolder() + QLatin1Char('/') + QLatin1String(CATALOGUE_NAME)};
}

QString LoadDeviceCatalogue(const QStringList& paths, QString& strTried, QString& strRefusal) {
    strTried = paths.join(QStringLiteral("; "));
    for (const QString& strPath : paths) {
        const int nLoaded = g_DeviceList.Load(strPath, &strRefusal);
        // An oversized catalogue is the one the user put there: no other is taken instead.
        if (nLoaded == -2) {
            strRefusal = QStringLiteral("读取 File ") + QDir::toNativeSeparators(strPath) +
                         QStringLiteral(" = 失败, ") + strRefusal;
            return QString();
        }
        if (nLoaded >= 0) return strPath;
    }
    return QString();
}
