#pragma once

#include <QByteArray>
#include <QString>

// "PATH N bytes crc32=XXXXXXXX sha256=..." of the bytes, as merge and verify print it.
QString DigestLine(const QString& strPath, const QByteArray& bytes);

// After a merge in a text format: the digest line of the image bytes (the same as the .bin
// would have) with the format named, on standard output. Returns 0.
int PrintImageDigest(const QString& strPath);
