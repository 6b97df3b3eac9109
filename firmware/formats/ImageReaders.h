#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "firmware/formats/ImageChunks.h"
#include "firmware/formats/RecordLines.h"

// The readers behind ConvertImage. Each gathers the file's data as chunks whose bytes lie in
// pool (HEX, S-records: the decoded data) or in the file itself (ELF), and the entry address
// when the file names one.

bool ReadHexImage(const QByteArray& file, QByteArray& pool, CImageChunks& chunks,
                  std::optional<std::uint32_t>& entry, QString& strError);
bool ReadSRecordImage(const QByteArray& file, QByteArray& pool, CImageChunks& chunks,
                      std::optional<std::uint32_t>& entry, QString& strError);
bool ReadElfImage(const QByteArray& file, CImageChunks& chunks, std::optional<std::uint32_t>& entry,
                  QString& strError);
