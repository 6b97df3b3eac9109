#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <cstdint>
#include <vector>

struct CoreResult;
struct FirmwareWorkspace;
struct ImageSource;
struct StagedImage;
struct VerifyCheck;

// Both info blocks of the file just inspected (its first bytes, as staged in ws), decoded, with the
// image's size, the file's format and its start address: what boot and app --json print.
QJsonObject ImageJson(const FirmwareWorkspace& ws, const QString& strPath,
                      const StagedImage& staged);

// Why a step about strSubject (an input, the output) was not done: {"code", "message" (English),
// "reason" (the run log's words), "line" and "address" where the reason names one}.
QJsonObject ResultErrorJson(const QString& strSubject, const CoreResult& result);

// {"code": ..., "message": ...} for a failure that is not an input's.
QJsonObject ErrorJson(const char* pCode, const QString& strMessage);

// An input of a merge: {"file", "size", "sha256", "format", "startAddress"} of its whole
// content as it was read for the merge.
QJsonObject InputFileJson(const QString& strPath, const ImageSource& source);

// The checks of a merge or a verify: [{"name", "check", "ok", "message", "text"}, with "offset"
// where a check names one and "skipped" for a check that could not run].
QJsonArray ChecksJson(const std::vector<VerifyCheck>& checks);

// A written image: {"file", "size", "crc32", "sha256"}.
QJsonObject OutputJson(const QString& strPath, const QByteArray& bytes);

// Prints a JSON document on standard output, marked with its schema version.
void PrintJson(QJsonObject document);
