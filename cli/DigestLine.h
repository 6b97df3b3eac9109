#pragma once

#include <QByteArray>
#include <QString>

// "PATH N bytes crc32=XXXXXXXX sha256=..." of the bytes, as merge and verify print it.
QString DigestLine(const QString& strPath, const QByteArray& bytes);
