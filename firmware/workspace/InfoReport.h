#pragma once

#include <QString>
#include <cstdint>

struct FirmwareInfoBlock;

// Pieces of the info-block reports of the two panels. Their labels are in the language of the
// program's translator (the English window); quorrix-cli and the tests have none and show
// them in Chinese. What the file and the catalogue contribute is never translated.

// A label of the reports ("CoreText" context).
QString CoreLabel(const char* pLabel);

// "文件信息", the first word of a panel.
QString PanelTitle();

// "文件信息  文件大小: ..." up to and including the type word of block 1; pPositionLabel is
// "信息块位置" (boot-loader panel) or "信息块1位置" (App panel), marked for translation.
QString BlockOneHead(const char* pPositionLabel, std::int32_t nLength, const FirmwareInfoBlock& b);
// The same without the title and the file size: position, size and type word of block 1.
QString BlockOneFields(const char* pPositionLabel, const FirmwareInfoBlock& b);

// The boot-loader view: versions, chip and sizes.
void AppendBootViewLines(QString& strReport, const FirmwareInfoBlock& b);

// The application view: module type with its catalogue name, version and sizes. The App
// panel's block 1 has a blank before the version line's end, block 2 has none.
void AppendAppViewLines(QString& strReport, const FirmwareInfoBlock& b, bool bBlankAfterVersion);

// Application address with its offset, then the two staging addresses.
void AppendAddressLines(QString& strReport, const FirmwareInfoBlock& b);

// The block-2 part of a report, starting with an empty line.
QString BlockTwoPart(const FirmwareInfoBlock& b);
