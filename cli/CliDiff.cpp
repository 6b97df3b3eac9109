#include "cli/CliDiff.h"

#include "cli/CliFiles.h"
#include "cli/StderrPane.h"
#include "firmware/checks/FirmwareDiff.h"

int RunDiff(const CliOptions& options) {
    const InputFile a = ReadCliInput(options.files[0], INPUT_FILE_LIMIT, INPUT_FILE_LIMIT);
    if (!a.Ok()) return 1;
    const InputFile b = ReadCliInput(options.files[1], INPUT_FILE_LIMIT, INPUT_FILE_LIMIT);
    if (!b.Ok()) return 1;
    const FirmwareDiff diff = DiffFirmwareImages(a.bytes, b.bytes);
    PrintLines(stdout, diff.lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    return diff.bIdentical ? 0 : 1;
}
