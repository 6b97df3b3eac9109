#pragma once

#include <QString>

class IFirmwareWindow;

// Handler of the "open boot loader" button: chooses a file, shows its path in 1000 and
// inspects it.
void OnBnClickedOpenBootLoader(IFirmwareWindow& wnd);

// Reads a boot-loader image, reports its info blocks in panel 1008 and, when it is accepted
// (by its type or by the user), takes it into the workspace. Returns 1 when accepted.
int InspectBootLoaderFile(IFirmwareWindow& wnd, const QString& strPath);

// Handler of the "open App" button: chooses a file, shows its path in 1004 and inspects it.
void OnBnClickedOpenApp(IFirmwareWindow& wnd);

// Reads an App image, reports it in panel 1009 and, when accepted, takes it (or the App part
// of a merged image) into the workspace together with strFileTitle, which names the merged
// output. Returns 1 when accepted.
int InspectAppFile(IFirmwareWindow& wnd, const QString& strPath, const QString& strFileTitle);

// The file title that an open dialog gives: the name without folder and last extension.
QString FileTitleOf(const QString& strPath);

// Handler of the merge button: merges the accepted images, proposes a name, saves where the
// user chooses. Returns 1 when a firmware file was saved.
int OnBnClickedMergeFirmware(IFirmwareWindow& wnd);

// Builds the merged image in g_FirmwareBuf from the accepted images, with the size lines in
// the run log. Returns 1 when built, 0 (with the reason logged) when an image is missing.
int MergeFirmwareImages();

// The proposed name of the merged file: title + "_" + version, or title + "_all".
QString ProposedFirmwareName();

// Writes the merged image to strPath, replacing an existing file only once every byte is
// written. Returns 1 when saved.
int SaveFirmwareFile(const QString& strPath);
