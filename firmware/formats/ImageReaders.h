#pragma once

#include <QByteArray>
#include <QString>

#include "firmware/formats/ImageChunks.h"
#include "firmware/formats/RecordLines.h"

// The readers behind ConvertImage. Each gathers the file's data as chunks whose bytes lie in
// pool (HEX, S-records: the decoded data) or in the file itself (ELF).

bool IsHexRecordLine(const RecordLine& line);
bool IsSRecordLine(const RecordLine& line);

bool ReadHexImage(const QByteArray& file, QByteArray& pool, CImageChunks& chunks,
                  QString& strError);
bool ReadSRecordImage(const QByteArray& file, QByteArray& pool, CImageChunks& chunks,
                      QString& strError);
bool ReadElfImage(const QByteArray& file, CImageChunks& chunks, QString& strError);
