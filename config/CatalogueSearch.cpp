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

CatalogueLoad LoadDeviceCatalogue(const QStringList& paths) {
    CatalogueLoad load;
    load.strTried = paths.join(QStringLiteral("; "));
    for (const QString& strPath : paths) {
        const int nLoaded = g_DeviceList.Load(strPath, &load.strRefusal);
        // An oversized catalogue is the one the user put there: no other is taken instead.
        if (nLoaded == -2) {
            load.strRefused = strPath;
            break;
        }
        if (nLoaded >= 0) {
            load.strPath = strPath;
            break;
        }
    }
    return load;
}
