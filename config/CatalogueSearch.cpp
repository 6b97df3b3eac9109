#include "config/CatalogueSearch.h"

#include "config/DeviceCatalogue.h"
#include "platform/FileSystem.h"

namespace {
const char* const CATALOGUE_NAME = "DeviceList.Ini";
}

QStringList CatalogueSearchPaths() {
    return {QStringLiteral("./") + QLatin1String(CATALOGUE_NAME),
            ConfigFolder() + QLatin1Char('/') + QLatin1String(CATALOGUE_NAME)};
}

QString LoadDeviceCatalogue(const QStringList& paths, QString& strTried) {
    strTried = paths.join(QStringLiteral("; "));
    for (const QString& strPath : paths) {
        if (g_DeviceList.Load(strPath) >= 0) return strPath;
    }
    return QString();
}
