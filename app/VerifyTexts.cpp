#include "app/VerifyTexts.h"

#include <QCoreApplication>
#include <algorithm>

#include "app/LayoutCheckTexts.h"

namespace {

class VerifyTexts {
    Q_DECLARE_TR_FUNCTIONS(VerifyTexts)
};

}  // namespace

// The core gives every finding in parts; the window says each part in its own language.
QString VerifyRowText(const VerifyCheck& check) {
    return check.parts.empty() ? check.strText : LayoutCheckText(check);
}

QString VerifyVerdict(bool bOk) {
    return bOk ? VerifyTexts::tr("通过") : VerifyTexts::tr("未通过");
}

QString HexNumber(std::int64_t n, int nDigits) {
    return QStringLiteral("0x") +
           QString::number(n, 16).rightJustified(nDigits, QLatin1Char('0')).toUpper();
}

int CountFailed(const std::vector<VerifyCheck>& checks) {
    return static_cast<int>(
        std::count_if(checks.begin(), checks.end(), [](const VerifyCheck& c) { return !c.bOk; }));
}
