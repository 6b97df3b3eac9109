#include "cli/CliDiff.h"

#include "cli/CliFiles.h"
#include "cli/StderrPane.h"
#include "firmware/FirmwareDiff.h"

int RunDiff(const CliOptions& options) {
    QByteArray a, b;
    if (!ReadInputFile(options.files[0], INPUT_FILE_LIMIT, INPUT_FILE_LIMIT, a) ||
        !ReadInputFile(options.files[1], INPUT_FILE_LIMIT, INPUT_FILE_LIMIT, b)) {
        return 1;
    }
    const FirmwareDiff diff = DiffFirmwareImages(a, b);
    PrintLines(stdout, diff.lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    return diff.bIdentical ? 0 : 1;
}
