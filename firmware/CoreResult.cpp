#include "firmware/CoreResult.h"

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
};

const ReasonText& TextOf(CoreReason reason) {
    for (const ReasonText& text : REASONS) {
        if (text.reason == reason) return text;
    }
    return REASONS[0];
}

}  // namespace

const char* ReasonCode(CoreReason reason) { return TextOf(reason).pCode; }

QString ReasonEnglish(CoreReason reason) { return QString::fromLatin1(TextOf(reason).pEnglish); }
