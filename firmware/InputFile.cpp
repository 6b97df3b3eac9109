#include "firmware/InputFile.h"

#include <QCryptographicHash>
#include <QFile>

#include "platform/Arguments.h"
#include "platform/FileOpen.h"

namespace {

constexpr std::int64_t HASH_CHUNK = 0x10000;

void (*g_pfnInputReadHook)() = nullptr;
bool g_bInputDigests = true;

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

// Keeps the first nWanted bytes and hashes the whole file.
bool ReadAndHash(QFile& file, std::int64_t nWanted, InputFile& input) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    input.bytes.resize(static_cast<qsizetype>(nWanted));
    const std::int64_t nHalf = nWanted / 2;
    bool bOk = ReadInto(file, input.bytes.data(), nHalf, hash, input.nRead);
    if (g_pfnInputReadHook) g_pfnInputReadHook();
    bOk = bOk && ReadInto(file, input.bytes.data() + nHalf, nWanted - nHalf, hash, input.nRead);
    QByteArray rest(static_cast<qsizetype>(qMin(HASH_CHUNK, input.nSize)), '\0');
    while (bOk && input.nRead < input.nSize) {
        bOk = ReadInto(file, rest.data(), qMin(HASH_CHUNK, input.nSize - input.nRead), hash,
                       input.nRead);
    }
    if (g_bInputDigests) input.sha256 = hash.result();
    return bOk;
}

StageResult StageResultOf(FileOpenResult result) {
    switch (result) {
        case FileOpenResult::Opened:
            return StageResult::Staged;
        case FileOpenResult::NotRegular:
            return StageResult::NotRegular;
        case FileOpenResult::Locked:
            return StageResult::Locked;
        case FileOpenResult::Failed:
            break;
    }
    return StageResult::OpenFailed;
}

}  // namespace

void SetInputReadHook(void (*pfnHook)()) { g_pfnInputReadHook = pfnHook; }

void SetInputDigests(bool bOn) { g_bInputDigests = bOn; }

InputFile ReadInputFile(const QString& strPath, std::int64_t nSizeLimit, std::int64_t nReadAtMost) {
    InputFile input;
    if (PathLostBytes(strPath)) {
        input.result = StageResult::BadName;
        return input;
    }
    QFile file;
    input.result = StageResultOf(OpenRegularFile(strPath, file, &input.strReason));
    if (!input.Ok()) return input;
    FileStamp before, after;
    const bool bStamped = ReadFileStamp(file, before);
    input.nSize = file.size();
    if (input.nSize > nSizeLimit) {
        input.result = StageResult::TooLarge;
        return input;
    }
    const bool bRead = ReadAndHash(file, qMin(input.nSize, nReadAtMost), input);
    // A writer that takes no lock may rewrite the file while it is read.
    if (!bStamped || !ReadFileStamp(file, after) || !(before == after)) {
        input.result = StageResult::Changed;
    } else if (!bRead) {
        input.result = StageResult::ReadFailed;
    }
    if (!input.Ok()) input.bytes.clear();
    return input;
}
