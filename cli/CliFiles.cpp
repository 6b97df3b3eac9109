#include "cli/CliFiles.h"

#include <cstdio>

#include "cli/StderrPane.h"
#include "log/LogText.h"

namespace {

QString Reason(const InputFile& input, std::int64_t nSizeLimit) {
    switch (input.result) {
        case StageResult::Read:
            break;
        case StageResult::OpenFailed:
            return input.strReason;
        case StageResult::NotRegular:
            return QStringLiteral("not a regular file");
        case StageResult::Locked:
            return QStringLiteral("locked by another program");
        case StageResult::TooLarge:
            return QStringLiteral("%1 bytes, more than %2").arg(input.nSize).arg(nSizeLimit);
        case StageResult::ReadFailed:
            return QStringLiteral("read %1 of %2 bytes").arg(input.nRead).arg(input.nSize);
        case StageResult::Changed:
            return QStringLiteral("changed while it was read");
        case StageResult::ConvertFailed:
            return QStringLiteral("not a readable image: ") + input.strReason;
        case StageResult::BadName:
            return QStringLiteral("the name lost bytes when it was decoded");
    }
    return QString();
}

}  // namespace

ImageInput ReadCliInput(const QString& strPath, std::int64_t nSizeLimit, std::int64_t nReadAtMost,
                        std::uint8_t byFill, std::int64_t nScanLimit) {
    ImageInput input = ReadImageInput(strPath, nSizeLimit, nReadAtMost, byFill, nScanLimit);
    if (!input.Ok()) {
        PrintLines(stderr, QStringLiteral("quorrix-cli: ") + PathForLog(strPath) +
                               QStringLiteral(": ") + Reason(input, nSizeLimit) +
                               QLatin1Char('\n'));
    }
    return input;
}
