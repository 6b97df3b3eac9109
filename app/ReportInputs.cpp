#include "app/ReportInputs.h"

#include "app/WindowWorkspace.h"
#include "firmware/checks/MergeReference.h"
#include "firmware/workspace/ImageFile.h"
#include "firmware/workspace/MergeOptions.h"

CoreResult ReadReportFile(const QString& strPath, QByteArray& bytes,
                          std::optional<std::uint32_t>* pStart) {
    // Read once, as quorrix-cli reads it: build outputs converted, huge files never taken in.
    const ImageInput input = ReadImageInput(strPath, REPORT_FILE_LIMIT, REPORT_FILE_LIMIT, 0);
    if (!input.Ok()) return InputOutcome(input, REPORT_FILE_LIMIT);
    bytes = input.bytes;
    if (pStart && input.format != ImageFormat::Bin) *pStart = input.dwStart;
    return CoreResult();
}

VerifyReference AcceptedImages() {
    return MergeReferenceOf(g_Workspace, MergeOptions().byFill);  // the window's merge options
}
