#include "platform/FileSystem.h"

#include <QFile>
#include <cstring>

#include "platform/FileOpen.h"

QString ToNativeSeparators(QString strPath) {
    strPath.replace(QLatin1Char('/'), NativeSeparator());
    strPath.replace(QLatin1Char('\\'), NativeSeparator());
    return strPath;
}

bool IsAbsoluteLogPath(const QString& strPath) {
    if (strPath.size() >= 2 && strPath[1] == QLatin1Char(':')) return true;
    return strPath.startsWith(QLatin1Char('\\')) || strPath.startsWith(QLatin1Char('/'));
}

bool ReadRegularFile(const QString& strPath, QByteArray& contents) {
    contents.clear();
    QFile file;
    if (OpenRegularFile(strPath, file) != FileOpenResult::Opened) return false;
    contents = file.readAll();  // a read error ends the input; what was read stays
    return true;
}

QString SystemErrorText(int nError) { return QString::fromLocal8Bit(std::strerror(nError)); }
