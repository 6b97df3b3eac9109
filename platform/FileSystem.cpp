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

ReadResult ReadRegularFile(const QString& strPath, QByteArray& contents, qint64 nLimit,
                           qint64* pnSize) {
    contents.clear();
    QFile file;
    if (OpenRegularFile(strPath, file) != FileOpenResult::Opened) return ReadResult::Failed;
    if (pnSize) *pnSize = file.size();
    if (file.size() > nLimit) return ReadResult::TooLarge;
    contents = file.read(nLimit);  // a read error ends the input; what was read stays
    return ReadResult::Read;
}

QString SystemErrorText(int nError) { return QString::fromLocal8Bit(std::strerror(nError)); }
