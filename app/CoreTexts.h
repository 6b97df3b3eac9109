#pragma once

#include <QString>

struct CoreResult;

// The info-panel reports and the questions are built by the core in Chinese, which the run
// log and quorrix-cli keep byte for byte. The window shows them in its own language: each
// known phrase is replaced by its translation, numbers and catalogue names stay as they are.
QString TranslateCoreText(const QString& strText);

// Why a step of the core was not done, in the window's language: the run log's own words in
// Chinese, the core's English otherwise.
QString CoreResultText(const CoreResult& result);
