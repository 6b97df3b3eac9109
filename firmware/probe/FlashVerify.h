#pragma once

#include <QByteArray>
#include <QString>

#include "firmware/probe/FlashPlan.h"
#include "firmware/probe/GdbTarget.h"

// Checks that the module holds expected at r: by qCRC where the server answers it, else by
// reading it back; a qCRC that differs is read back to name the first wrong byte. An OK of a
// write proves nothing (QEMU answers OK to writes that store nothing). strHow gets "qCRC" or
// "回读"; bReadBack reads back whatever the server offers.
ProbeResult VerifyRange(CGdbTarget& target, const AddressRange& r, const QByteArray& expected,
                        IProbeProgress& progress, QString& strHow, bool bReadBack = false);

// The first offset where the two differ, and how many bytes do (bytes past the shorter count);
// -1 when equal.
std::int64_t FirstDifference(const QByteArray& a, const QByteArray& b, std::int64_t* pnCount);
