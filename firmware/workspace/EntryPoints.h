#pragma once

#include <QString>
#include <vector>

#include "firmware/workspace/CoreResult.h"
#include "firmware/workspace/ImageFindings.h"
#include "firmware/workspace/MergeOptions.h"

class IFirmwarePrompts;
struct FirmwareWorkspace;
struct VerifyCheck;

// The core's entry points. Each works on the workspace it is given (the window's one, or one of
// quorrix-cli's, a test's, a batch's), takes the paths and values the user chose (the window
// asks its dialogs first, quorrix-cli has them on its command line), and reaches its caller only
// to ask yes/no questions.

// Reads a boot-loader image and reports its info blocks; when it is accepted (by its type or by
// the user), takes it into the workspace.
InspectionResult InspectBootLoaderFile(FirmwareWorkspace& ws, IFirmwarePrompts& prompts,
                                       const QString& strPath, std::uint8_t byFill = 0);

// Reads an App image and reports it; when accepted, takes it (or the App part of a merged
// image) into the workspace together with strFileTitle, which names the merged output.
InspectionResult InspectAppFile(FirmwareWorkspace& ws, IFirmwarePrompts& prompts,
                                const QString& strPath, const QString& strFileTitle,
                                std::uint8_t byFill = 0);

// The file title that an open dialog gives: the name without folder and last extension.
QString FileTitleOf(const QString& strPath);

// Builds the merged image in the workspace from the accepted images, with the size lines in
// the run log. Not done without both images (NotMerged) or when a text format cannot address
// the image (AddressOverflow), its reason logged.
CoreResult MergeFirmwareImages(FirmwareWorkspace& ws, const MergeOptions& options);

// The merge as both programs run it: MergeFirmwareImages, then the layout checks of the
// accepted images. Each failed check is a run-log line, and one question asks whether the
// image that may not boot is to be saved anyway; No gives ChecksDeclined (the merge stays in the
// workspace). Every check in *pChecks when given.
CoreResult MergeFirmware(FirmwareWorkspace& ws, IFirmwarePrompts& prompts,
                         const MergeOptions& options, std::vector<VerifyCheck>* pChecks = nullptr);

// The proposed name of the merged file: title + "_" + version, or title + "_all".
QString ProposedFirmwareName(const FirmwareWorkspace& ws);

// Writes the workspace's merged image to strPath in the options' format, replacing an existing
// file only once every byte is written. An input of the merge is never the output. Every
// failure is a run-log line and comes back with its words.
CoreResult SaveFirmwareFile(const FirmwareWorkspace& ws, const QString& strPath,
                            const MergeOptions& options);
