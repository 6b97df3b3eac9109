#include "cli/CliFiles.h"

#include <cstdio>

#include "cli/StderrPane.h"
#include "log/LogText.h"

ImageInput ReadCliInput(const QString& strPath, std::int64_t nSizeLimit, std::int64_t nReadAtMost,
                        std::uint8_t byFill, std::int64_t nScanLimit) {
    ImageInput input = ReadImageInput(strPath, nSizeLimit, nReadAtMost, byFill, nScanLimit);
    if (!input.Ok()) {
        PrintLines(stderr, QStringLiteral("quorrix-cli: ") + PathForLog(strPath) +
                               QStringLiteral(": ") +
                               ResultEnglish(InputOutcome(input, nSizeLimit)) + QLatin1Char('\n'));
    }
    return input;
}
