#include "config/CatalogueSearch.h"

#include <QCoreApplication>
#include <QDir>

#include "config/DeviceCatalogue.h"

namespace {
const char* const CATALOGUE_NAME = "DeviceList.Ini";
}

QStringList CatalogueSearchPaths() {
#ifdef Q_OS_WIN
    const QString strFolder = QCoreApplication::applicationDirPath();
#else
    QString strConfig = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (strConfig.isEmpty()) strConfig = QDir::homePath() + QStringLiteral("/.config");
    const QString strFolder = strConfig + QStringLiteral("/Quorrix");
#endif
    return {QStringLiteral("./") + QLatin1String(CATALOGUE_NAME),
            strFolder + QLatin1Char('/') + QLatin1String(CATALOGUE_NAME)};
}

QString LoadDeviceCatalogue(const QStringList& paths, QString& strTried) {
    strTried = paths.join(QStringLiteral("; "));
    for (const QString& strPath : paths) {
        if (g_DeviceList.Load(strPath) >= 0) return strPath;
    }
    return QString();
}
