#include "firmware/probe/ProbeResult.h"

#include "firmware/formats/ImageChunks.h"

ProbeResult ProbeResult::Failed(CoreReason reason, const QString& strStep, const QString& strWords,
                                const QString& strServer) {
    ProbeResult result;
    result.reason = reason;
    result.strStep = strStep;
    result.strWords = strWords;
    result.strServer = strServer.trimmed();
    return result;
}

ProbeResult ProbeResult::Of(const CoreResult& core, const QString& strStep) {
    ProbeResult result;
    static_cast<CoreResult&>(result) = core;
    result.strStep = strStep;
    return result;
}

ProbeResult ProbeResult::At(std::uint32_t dwAt) const {
    ProbeResult result = *this;
    result.bHasAddress = true;
    result.dwAddress = dwAt;
    return result;
}

QString ProbeResult::Text() const {
    if (Done()) return QString();
    QString strText = strStep;
    if (bHasAddress) strText += QLatin1Char(' ') + AddressText(dwAddress);
    strText += QStringLiteral(": ") + strWords;
    if (!strServer.isEmpty()) strText += QStringLiteral(" (服务器: %1)").arg(strServer);
    return strText;
}
