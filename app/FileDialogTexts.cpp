#include "app/FileDialogTexts.h"

#include <QCoreApplication>

namespace {
QString Tr(const char* pText) { return QCoreApplication::translate("FileDialog", pText); }
}  // namespace

QString OpenFileFilter() {
    return Tr(QT_TRANSLATE_NOOP("FileDialog", "所有文件 (*)")) + QLatin1String(";;") +
           Tr(QT_TRANSLATE_NOOP("FileDialog", "固件文件 (*.bin)"));
}

QString SaveFileFilter() {
    return Tr(QT_TRANSLATE_NOOP("FileDialog", "固件文件 (*.bin)")) + QLatin1String(";;") +
           Tr(QT_TRANSLATE_NOOP("FileDialog", "所有文件 (*)"));
}

QString WithDefaultExtension(const QString& strName, const QString& strExt) {
    const QString strSuffix = QLatin1Char('.') + strExt;
    if (strName.isEmpty() || strExt.isEmpty() || strName.endsWith(strSuffix, Qt::CaseInsensitive)) {
        return strName;
    }
    return strName + strSuffix;
}
