#pragma once

#include <QString>
#include <cstdint>

#include "firmware/InputFile.h"

// Reads a file that verify or diff compares (see ReadInputFile); a refusal is printed on
// standard error with its reason.
InputFile ReadCliInput(const QString& strPath, std::int64_t nSizeLimit, std::int64_t nReadAtMost);
