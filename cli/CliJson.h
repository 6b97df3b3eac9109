#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

enum class StageResult;

// Both info blocks of a file, decoded, with the file's size: what boot and app --json print.
QJsonObject ImageJson(const QString& strPath);

// Why an input was not taken: a refusal of the file itself, or a question answered No.
// {"code": ..., "message": ...}
QJsonObject InputErrorJson(const QString& strPath, StageResult result);

// {"code": ..., "message": ...} for a failure that is not an input's.
QJsonObject ErrorJson(const char* pCode, const QString& strMessage);

// An input of a merge: {"file", "size", "sha256"} of its whole content.
QJsonObject InputFileJson(const QString& strPath);

// A written image: {"file", "size", "crc32", "sha256"}.
QJsonObject OutputJson(const QString& strPath, const QByteArray& bytes);

// Prints a JSON document on standard output, marked with its schema version.
void PrintJson(QJsonObject document);
