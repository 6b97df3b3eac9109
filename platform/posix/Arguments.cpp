#include "platform/Arguments.h"

#include <QFile>

namespace {

QString Escaped(const QByteArray& bytes) {
    QString strText;
    for (const char c : bytes) {
        const auto by = static_cast<unsigned char>(c);
        strText +=
            by >= 0x20 && by < 0x7F ? QString(QLatin1Char(c)) : QString::asprintf("\\x%02x", by);
    }
    return strText;
}

}  // namespace

QString UnrepresentableArgument(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (QFile::encodeName(QFile::decodeName(arg)) != arg) return Escaped(arg);
    }
    return QString();
}

bool PathLostBytes(const QString& strPath) {
    // Decoding puts U+FFFD for every byte it could not read. A name that really holds that
    // character cannot be told apart, and refusing it is the safe side: the other reading
    // would replace a file the user never chose.
    return strPath.contains(QChar(0xFFFD));
}
