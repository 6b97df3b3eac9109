#include "cli/DigestLine.h"

#include "firmware/workspace/Digest.h"
#include "log/LogText.h"

// The path as the run log shows it: the system's separators, control characters escaped, so
// that no file name can start a line of its own.
QString DigestLine(const QString& strPath, const QByteArray& bytes) {
    return QString::asprintf(
               "%ls %lld bytes crc32=%08x sha256=", qUtf16Printable(PathForLog(strPath)),
               static_cast<long long>(bytes.size()), Crc32(bytes)) +
           Sha256Hex(bytes);
}
