#include "firmware/workspace/Digest.h"

#include <zlib.h>

#include <QCryptographicHash>

std::uint32_t Crc32(const QByteArray& bytes) {
    uLong crc = crc32(0L, Z_NULL, 0);
    const auto* p = reinterpret_cast<const Bytef*>(bytes.constData());
    for (qsizetype nLeft = bytes.size(); nLeft > 0;) {
        const uInt n = static_cast<uInt>(qMin<qsizetype>(nLeft, 1 << 30));
        crc = crc32(crc, p, n);
        p += n;
        nLeft -= n;
    }
    return static_cast<std::uint32_t>(crc);
}

QString Sha256Hex(const QByteArray& bytes) {
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}
