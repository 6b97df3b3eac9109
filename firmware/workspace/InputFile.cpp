#include "firmware/workspace/InputFile.h"

#include <QCryptographicHash>
#include <QFile>
#include <algorithm>

#include "platform/Arguments.h"
#include "platform/FileOpen.h"

namespace {

constexpr std::int64_t HASH_CHUNK = 0x10000;

void (*g_pfnInputReadHook)() = nullptr;
bool g_bInputDigests = false;

// Reads nWanted bytes into pBuffer and hashes them; false when the file ended early.
bool ReadInto(QFile& file, char* pBuffer, std::int64_t nWanted, QCryptographicHash& hash,
              std::int64_t& nGot) {
    std::int64_t nDone = 0;
    while (nDone < nWanted) {
        const qint64 n = file.read(pBuffer + nDone, nWanted - nDone);
        if (n <= 0) break;
        nDone += n;
    }
    if (g_bInputDigests) hash.addData(QByteArrayView(pBuffer, nDone));
    nGot += nDone;
    return nDone == nWanted;
}

// Past the kept bytes: scanned chunk by chunk when wanted, hashed when digests are on, and
// left unread when neither needs it.
bool ReadRest(QFile& file, bool bScan, QCryptographicHash& hash, InputFile& input) {
    input.tail.bScanned = input.nRead >= input.nSize;
    if (input.tail.bScanned || (!bScan && !g_bInputDigests)) return true;
    QByteArray rest(static_cast<qsizetype>(qMin(HASH_CHUNK, input.nSize - input.nRead)), '\0');
    bool bOk = true;
    while (bOk && input.nRead < input.nSize) {
        const std::int64_t nAt = input.nRead;
        bOk = ReadInto(file, rest.data(), qMin(HASH_CHUNK, input.nSize - nAt), hash, input.nRead);
        if (bScan) ScanTail(rest.constData(), input.nRead - nAt, nAt, input.tail);
    }
    input.tail.bScanned = bOk && bScan;
    return bOk;
}

// Keeps what the extent asks of the file's first bytes, then reads on as far as it needs.
bool ReadAndHash(QFile& file, const InputExtent& extent, InputFile& input) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const std::int64_t nHead = qMin(input.nSize, INPUT_HEAD_LENGTH);
    input.bytes.resize(static_cast<qsizetype>(nHead));
    bool bOk = ReadInto(file, input.bytes.data(), nHead, hash, input.nRead);
    if (g_pfnInputReadHook) g_pfnInputReadHook();
    const std::int64_t nKeep = bOk ? qBound(nHead, extent.fnKeep(input.bytes), input.nSize) : nHead;
    input.bytes.resize(static_cast<qsizetype>(nKeep));
    bOk = bOk && ReadInto(file, input.bytes.data() + nHead, nKeep - nHead, hash, input.nRead);
    bOk = bOk && ReadRest(file, input.nSize <= extent.nScanLimit, hash, input);
    if (g_bInputDigests) input.sha256 = hash.result();
    return bOk;
}

CoreReason ReasonOf(FileOpenResult result) {
    switch (result) {
        case FileOpenResult::Opened:
            return CoreReason::None;
        case FileOpenResult::NotRegular:
            return CoreReason::NotRegular;
        case FileOpenResult::Locked:
            return CoreReason::Locked;
        case FileOpenResult::Failed:
            break;
    }
    return CoreReason::OpenFailed;
}

}  // namespace

void ScanTail(const char* pBytes, std::int64_t n, std::int64_t nAt, TailScan& tail) {
    if (tail.nCodeAt >= 0) return;
    const char* pEnd = pBytes + n;
    const char* p = std::find_if(pBytes, pEnd, [](char c) { return c != '\0' && c != '\xFF'; });
    if (p == pEnd) return;
    tail.nCodeAt = nAt + (p - pBytes);
    tail.byCode = static_cast<std::uint8_t>(*p);
}

void SetInputReadHook(void (*pfnHook)()) { g_pfnInputReadHook = pfnHook; }

void SetInputDigests(bool bOn) { g_bInputDigests = bOn; }

InputFile ReadInputFile(const QString& strPath, std::int64_t nSizeLimit,
                        const InputExtent& extent) {
    InputFile input;
    if (PathLostBytes(strPath)) {
        input.reason = CoreReason::BadName;
        return input;
    }
    QFile file;
    input.reason = ReasonOf(OpenRegularFile(strPath, file, &input.strReason));
    if (!input.Ok()) return input;
    FileStamp before, after;
    const bool bStamped = ReadFileStamp(file, before);
    input.nSize = file.size();
    if (input.nSize > nSizeLimit) {
        input.reason = CoreReason::TooLarge;
        return input;
    }
    const bool bRead = ReadAndHash(file, extent, input);
    // A writer that takes no lock may rewrite the file while it is read.
    if (!bStamped || !ReadFileStamp(file, after) || !(before == after)) {
        input.reason = CoreReason::Changed;
    } else if (!bRead) {
        input.reason = CoreReason::ReadFailed;
    }
    if (!input.Ok()) input.bytes.clear();
    return input;
}
