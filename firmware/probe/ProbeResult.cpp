#include "firmware/probe/ProbeResult.h"

#include "firmware/ImageChunks.h"

ProbeResult ProbeResult::Failed(Reason reason, const QString& strStep, const QString& strReason,
                                const QString& strServer) {
    ProbeResult result;
    result.bOk = false;
    result.reason = reason;
    result.strStep = strStep;
    result.strReason = strReason;
    result.strServer = strServer.trimmed();
    return result;
}

ProbeResult ProbeResult::At(std::uint32_t dwAt) const {
    ProbeResult result = *this;
    result.bHasAddress = true;
    result.dwAddress = dwAt;
    return result;
}

QString ProbeResult::Text() const {
    if (bOk) return QString();
    QString strText = strStep;
    if (bHasAddress) strText += QLatin1Char(' ') + AddressText(dwAddress);
    strText += QStringLiteral(": ") + strReason;
    if (!strServer.isEmpty()) strText += QStringLiteral(" (服务器: %1)").arg(strServer);
    return strText;
}

QString ProbeResult::Code() const {
    switch (reason) {
        case Reason::None:
            return QString();
        case Reason::Usage:
            return QStringLiteral("usage");
        case Reason::Link:
            return QStringLiteral("link");
        case Reason::Protocol:
            return QStringLiteral("protocol");
        case Reason::Server:
            return QStringLiteral("server");
        case Reason::Mismatch:
            return QStringLiteral("mismatch");
        case Reason::Declined:
            return QStringLiteral("declined");
        case Reason::Cancelled:
            return QStringLiteral("cancelled");
        case Reason::File:
            return QStringLiteral("file");
    }
    return QString();
}
