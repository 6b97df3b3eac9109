#include "log/LogErrorHandler.h"

#include <atomic>
#include <cstdio>

namespace {

void DefaultHandler(const QString& strMessage) {
    std::fprintf(stderr, "%s\n", strMessage.toLocal8Bit().constData());
}

std::atomic<LogErrorHandler> g_pfnHandler{nullptr};

}  // namespace

void SetLogErrorHandler(LogErrorHandler pfnHandler) { g_pfnHandler.store(pfnHandler); }

void ReportLogError(const QString& strMessage) {
    LogErrorHandler pfn = g_pfnHandler.load();
    (pfn ? pfn : DefaultHandler)(strMessage);
}
