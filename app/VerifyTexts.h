#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

#include "firmware/checks/FirmwareVerify.h"

// A check's finding in the window's language, made from the parts and values the core found,
// so it has the same numbers as VerifyLine. A finding without parts keeps the core's text.
QString VerifyRowText(const VerifyCheck& check);

// "通过" or "未通过".
QString VerifyVerdict(bool bOk);

// "0x" and at least nDigits upper-case hex digits.
QString HexNumber(std::int64_t n, int nDigits);

// The checks that do not hold.
int CountFailed(const std::vector<VerifyCheck>& checks);
