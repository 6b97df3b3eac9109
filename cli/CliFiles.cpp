#include "cli/CliFiles.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "cli/StderrPane.h"

namespace {

bool Refuse(const QString& strPath, const QString& strReason) {
    PrintLines(stderr, QStringLiteral("quorrix-cli: ") + strPath + QStringLiteral(": ") +
                           strReason + QLatin1Char('\n'));
    return false;
}

}  // namespace

bool ReadInputFile(const QString& strPath, std::int64_t nSizeLimit, std::int64_t nReadAtMost,
                   QByteArray& bytes) {
    const QFileInfo info(strPath);
    // Checked before the open: a FIFO would block, a device would read without end.
    if (info.exists() && !info.isFile())
        return Refuse(strPath, QStringLiteral("not a regular file"));
    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly)) return Refuse(strPath, file.errorString());
    const std::int64_t nSize = file.size();
    if (nSize > nSizeLimit) {
        return Refuse(strPath, QStringLiteral("%1 bytes, more than %2").arg(nSize).arg(nSizeLimit));
    }
    const std::int64_t nWanted = qMin(nSize, nReadAtMost);
    bytes = file.read(nWanted);
    if (bytes.size() != nWanted) {
        return Refuse(strPath,
                      QStringLiteral("read %1 of %2 bytes").arg(bytes.size()).arg(nWanted));
    }
    return true;
}
