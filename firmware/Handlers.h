#pragma once

#include <QString>
#include <vector>

#include "firmware/MergeOptions.h"

class IFirmwarePrompts;
class IFirmwareWindow;
struct VerifyCheck;
struct StagedImage;

// The core's entry points. They take the paths and values the user chose (the window asks its
// dialogs first, quorrix-cli has them on its command line) and reach the window only to set
// control texts and to ask yes/no questions.

// Reads a boot-loader image, reports its info blocks in panel 1008 and, when it is accepted
// (by its type or by the user), takes it into the workspace. Returns 1 when accepted; the
// what reading the file found in *pStaged when given.
int InspectBootLoaderFile(IFirmwareWindow& wnd, const QString& strPath,
                          StagedImage* pStaged = nullptr, std::uint8_t byFill = 0);

// Reads an App image, reports it in panel 1009 and, when accepted, takes it (or the App part
// of a merged image) into the workspace together with strFileTitle, which names the merged
// output. Returns 1 when accepted.
int InspectAppFile(IFirmwareWindow& wnd, const QString& strPath, const QString& strFileTitle,
                   StagedImage* pStaged = nullptr, std::uint8_t byFill = 0);

// The file title that an open dialog gives: the name without folder and last extension.
QString FileTitleOf(const QString& strPath);

enum class MergeResult { Built, MissingImages, AddressOverflow, Declined };

// Builds the merged image in the workspace from the accepted images, with the size lines in
// the run log. Anything but Built has its reason logged.
MergeResult MergeFirmwareImages(const MergeOptions& options);

// The merge as both programs run it: MergeFirmwareImages, then the layout checks of the
// accepted images. Each failed check is a run-log line, and one question asks whether the
// image that may not boot is to be saved anyway; No gives Declined (the merge stays in the
// workspace). Every check in *pChecks when given.
MergeResult MergeFirmware(IFirmwarePrompts& prompts, const MergeOptions& options,
                          std::vector<VerifyCheck>* pChecks = nullptr);

// The proposed name of the merged file: title + "_" + version, or title + "_all".
QString ProposedFirmwareName();

// Writes the merged image to strPath in the options' format, replacing an existing file only
// once every byte is written. An input of the merge is never the output. Returns 1 when saved.
int SaveFirmwareFile(const QString& strPath, const MergeOptions& options);
