#include "firmware/workspace/CoreResult.h"

namespace {

struct ReasonText {
    CoreReason reason;
    const char* pCode;
    const char* pEnglish;
};

const ReasonText REASONS[] = {
    {CoreReason::None, "", "done"},
    {CoreReason::OpenFailed, "open-failed", "cannot be opened"},
    {CoreReason::NotRegular, "not-regular-file", "not a regular file"},
    {CoreReason::Locked, "locked", "locked by another program"},
    {CoreReason::TooLarge, "too-large", "larger than allowed"},
    {CoreReason::ReadFailed, "read-failed", "could not be read whole"},
    {CoreReason::Changed, "changed", "changed while it was read"},
    {CoreReason::BadName, "bad-name", "the name lost bytes"},
    {CoreReason::ConvertFailed, "convert-failed", "not a readable image"},
    {CoreReason::Declined, "declined", "not taken, a question was answered No"},
    {CoreReason::NotMerged, "not-merged", "an input was not taken"},
    {CoreReason::AddressOverflow, "address-overflow",
     "the image runs past 4 GiB from its load address"},
    {CoreReason::ChecksDeclined, "checks-failed", "layout checks failed and the save was declined"},
    {CoreReason::SaveFailed, "save-failed", "not saved"},
    {CoreReason::UnknownServer, "unknown-server", "not a server Quorrix knows"},
    {CoreReason::LinkFailed, "link-failed", "the connection to the GDB server failed"},
    {CoreReason::ProtocolError, "protocol-error", "the GDB server's answer makes no sense"},
    {CoreReason::ServerRefused, "server-refused", "the GDB server refused the command"},
    {CoreReason::VerifyFailed, "verify-failed", "the module does not hold what was written"},
    {CoreReason::Cancelled, "cancelled", "cancelled"},
};

const ReasonText& TextOf(CoreReason reason) {
    for (const ReasonText& text : REASONS) {
        if (text.reason == reason) return text;
    }
    return REASONS[0];
}

}  // namespace

const char* ReasonCode(CoreReason reason) { return TextOf(reason).pCode; }

QString ResultEnglish(const CoreResult& result) {
    QString strText = QString::fromLatin1(TextOf(result.reason).pEnglish);
    if (result.reason == CoreReason::TooLarge) {
        strText += QStringLiteral(": %1 bytes, more than %2").arg(result.nCount).arg(result.nLimit);
    } else if (result.reason == CoreReason::ReadFailed) {
        strText += QStringLiteral(": read %1 of %2 bytes").arg(result.nCount).arg(result.nLimit);
    }
    if (!result.strDetail.isEmpty()) strText += QStringLiteral(": ") + result.strDetail;
    return strText;
}
