#include "firmware/probe/FlashModule.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QSaveFile>

#include "firmware/formats/ImageChunks.h"
#include "firmware/probe/FlashChecks.h"
#include "firmware/probe/FlashVerify.h"
#include "firmware/workspace/ImageFile.h"
#include "log/RunLog.h"

namespace {

QString RangeText(const AddressRange& r) {
    return AddressText(r.qwStart) + QStringLiteral(" - ") + AddressText(r.qwEnd - 1);
}

QString Speed(std::int64_t nBytes, double dSeconds) {
    return QStringLiteral("%1 s, %2 KiB/s")
        .arg(dSeconds, 0, 'f', 2)
        .arg(dSeconds > 0 ? nBytes / 1024.0 / dSeconds : 0.0, 0, 'f', 1);
}

// One flash in its steps; each returns false once the report holds a failure.
class CFlashRun {
public:
    CFlashRun(const QByteArray& image, const FlashOptions& options, IFirmwarePrompts& prompts,
              IProbeProgress& progress)
        : m_image(image),
          m_options(options),
          m_prompts(prompts),
          m_progress(progress),
          m_target(options.timeouts) {}

    FlashReport Run(const QString& strAddress);

private:
    bool Check(const ProbeResult& result) {
        if (result.Done()) return true;
        m_report.result = result;
        return false;
    }
    bool Decline(const QString& strReason) {
        return Check(ProbeResult::Failed(CoreReason::Declined, QStringLiteral("检查"), strReason));
    }
    bool Connect(const QString& strAddress);
    bool ReadModule();
    bool Backup();
    bool SaveBackup();
    bool Erase();
    bool WriteRange(const AddressRange& r, bool bBlankMarker = false);
    bool WriteAndVerify();
    bool Marker();
    bool Finish();

    const QByteArray& m_image;
    const FlashOptions& m_options;
    IFirmwarePrompts& m_prompts;
    IProbeProgress& m_progress;
    CGdbTarget m_target;
    FlashReport m_report;
    QByteArray m_spanOld;  // the span as the module held it (only outside the image without backup)
};

bool CFlashRun::Connect(const QString& strAddress) {
    if (!Check(ConnectModule(m_target, strAddress, m_options.strServer))) return false;
    m_report.strTarget = TargetDescription(m_target);
    return true;
}

bool CFlashRun::ReadModule() {
    if (!Check(ReadModuleInfo(m_target, m_report.module, m_progress))) return false;
    m_report.bModuleRead = true;
    WriteLog(QStringLiteral("读取模块 = 成功, ") + ModuleSummary(m_report.module));
    if (!AcceptModuleDifferences(m_report.module, m_image, m_prompts)) {
        return Decline(QStringLiteral("模块与固件不符, 未烧写"));
    }
    QString strError;
    if (!PlanFlash(m_target.Info().map, APP_ADDRESS_BASE, m_image, m_report.plan, strError)) {
        return Check(ProbeResult::Failed(CoreReason::VerifyFailed, QStringLiteral("检查"), strError)
                         .At(APP_ADDRESS_BASE));
    }
    return true;
}

bool CFlashRun::Backup() {
    const FlashPlan& plan = m_report.plan;
    const QString strStep = QStringLiteral("备份");
    // What the erase loses must be read first: all of it for the backup, else the parts of
    // the erased blocks that the image does not cover, which are written back.
    std::vector<AddressRange> toRead;
    if (m_options.bBackup) {
        toRead = {plan.span};
    } else if (plan.bErase) {
        toRead = {{plan.span.qwStart, plan.image.qwStart}, {plan.image.qwEnd, plan.span.qwEnd}};
    }
    m_spanOld = QByteArray(static_cast<qsizetype>(plan.span.Length()), '\xFF');
    for (const AddressRange& r : toRead) {
        if (r.Length() == 0) continue;
        QByteArray bytes;
        if (!Check(m_target.Read(static_cast<std::uint32_t>(r.qwStart),
                                 static_cast<std::uint32_t>(r.Length()), bytes, m_progress,
                                 strStep))) {
            return false;
        }
        m_spanOld.replace(static_cast<qsizetype>(r.qwStart - plan.span.qwStart), bytes.size(),
                          bytes);
    }
    return !m_options.bBackup || SaveBackup();
}

bool CFlashRun::SaveBackup() {
    const ModuleInfo& module = m_report.module;
    const QString strModule = module.b2.HasMarker()
                                  ? QString::asprintf("%04X_", module.b2.wModuleType) +
                                        FormatAppVersion(module.b2.byVerMajor, module.b2.byVerMinor)
                                  : QStringLiteral("blank");
    const QString strName =
        QStringLiteral("backup_%1_%2_%3.bin")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")),
                 strModule, AddressText(m_report.plan.span.qwStart));
    QDir().mkpath(m_options.strBackupFolder);
    const QString strPath = QDir(m_options.strBackupFolder).filePath(strName);
    QSaveFile file(strPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(m_spanOld) != m_spanOld.size() ||
        !file.commit()) {
        WriteLog(FileLogLine("备份", strPath, QStringLiteral("失败, ") + file.errorString()));
        return Check(ProbeResult::Failed(CoreReason::SaveFailed, QStringLiteral("备份"),
                                         strPath + QStringLiteral(": ") + file.errorString()));
    }
    m_report.strBackupPath = strPath;
    WriteLog(FileLogLine("备份", strPath,
                         QStringLiteral("成功, %1, %2 Bytes")
                             .arg(RangeText(m_report.plan.span))
                             .arg(m_spanOld.size())));
    return true;
}

bool CFlashRun::Erase() {
    const FlashPlan& plan = m_report.plan;
    if (!plan.bErase) {
        // Memory without erase keeps the old marker until it is overwritten: it goes first,
        // so that a write cut short leaves no marker in front of half an App.
        if (!plan.bMarker) return true;
        const QByteArray blank(MARKER_LENGTH, '\xFF');
        if (!Check(m_target.WriteMemory(static_cast<std::uint32_t>(plan.marker.qwStart), blank,
                                        m_progress))) {
            return false;
        }
        WriteLog(QStringLiteral("标记 %1 = 已清除").arg(AddressText(plan.marker.qwStart)));
        return true;
    }
    if (m_progress.Cancelled()) {
        return Check(ProbeResult::Failed(CoreReason::Cancelled, QStringLiteral("擦除"),
                                         QStringLiteral("已取消")));
    }
    if (!Check(m_target.FlashErase(static_cast<std::uint32_t>(plan.span.qwStart),
                                   static_cast<std::uint32_t>(plan.span.Length())))) {
        return false;
    }
    WriteLog(
        QStringLiteral("擦除 %1 = 成功, %2 块").arg(RangeText(plan.span)).arg(plan.blocks.size()));
    return true;
}

bool CFlashRun::WriteRange(const AddressRange& r, bool bBlankMarker) {
    const FlashPlan& plan = m_report.plan;
    QByteArray bytes = SpanBytes(plan, m_image, m_spanOld, r);
    if (bBlankMarker) {
        bytes.replace(static_cast<qsizetype>(plan.marker.qwStart - r.qwStart), MARKER_LENGTH,
                      QByteArray(MARKER_LENGTH, '\xFF'));
    }
    const std::uint32_t dwAt = static_cast<std::uint32_t>(r.qwStart);
    return Check(m_report.plan.bErase ? m_target.FlashWrite(dwAt, bytes, m_progress)
                                      : m_target.WriteMemory(dwAt, bytes, m_progress));
}

bool CFlashRun::WriteAndVerify() {
    const FlashPlan& plan = m_report.plan;
    QElapsedTimer timer;
    timer.start();
    // A server that erases in its commit and keeps what it is not given (pyOCD) would keep
    // the old marker: it is given the whole span with the marker blank.
    const bool bBlankMarker = plan.bErase && plan.bMarker && m_target.Server().bEraseInCommit;
    std::int64_t nBytes = 0;
    for (const AddressRange& r :
         bBlankMarker ? std::vector<AddressRange>{plan.span} : plan.pieces) {
        if (!WriteRange(r, bBlankMarker)) return false;
        nBytes += static_cast<std::int64_t>(r.Length());
    }
    if (plan.bErase && !Check(m_target.FlashDone())) return false;
    m_report.nWritten = nBytes;
    m_report.dWriteSeconds = timer.nsecsElapsed() / 1e9;
    WriteLog(QStringLiteral("写入 %1 = 成功, %2 Bytes, %3")
                 .arg(RangeText(plan.span))
                 .arg(nBytes)
                 .arg(Speed(nBytes, m_report.dWriteSeconds)));
    timer.restart();
    for (const AddressRange& r : plan.pieces) {
        if (!Check(VerifyRange(m_target, r, SpanBytes(plan, m_image, m_spanOld, r), m_progress,
                               m_report.strVerifyHow))) {
            return false;
        }
    }
    m_report.dVerifySeconds = timer.nsecsElapsed() / 1e9;
    WriteLog(QStringLiteral("校验 %1 = 成功, %2, %3")
                 .arg(RangeText(plan.span), m_report.strVerifyHow)
                 .arg(Speed(nBytes, m_report.dVerifySeconds)));
    return true;
}

bool CFlashRun::Marker() {
    const FlashPlan& plan = m_report.plan;
    if (!plan.bMarker) return true;
    // The last chance to stop with no marker written.
    if (m_progress.Cancelled()) {
        return Check(ProbeResult::Failed(CoreReason::Cancelled, QStringLiteral("标记"),
                                         QStringLiteral("已取消")));
    }
    const QString strStep = QStringLiteral("标记");
    if (!WriteRange(plan.marker) || (plan.bErase && !Check(m_target.FlashDone()))) {
        m_report.result.strStep = strStep;
        return false;
    }
    QString strHow;
    CNoProgress quiet;
    ProbeResult result =
        VerifyRange(m_target, plan.marker, SpanBytes(plan, m_image, m_spanOld, plan.marker), quiet,
                    strHow, true);
    if (!result.Done()) result.strStep = strStep;
    if (!Check(result)) return false;
    m_report.bMarkerWritten = true;
    WriteLog(QStringLiteral("标记 %1 = 成功").arg(AddressText(plan.marker.qwStart)));
    return true;
}

bool CFlashRun::Finish() {
    if (!m_options.bReset) {
        // Most servers let the target run on D: leaving it halted means leaving without it.
        m_target.Close();
        WriteLog(QStringLiteral("复位 = 跳过, 模块保持停止"));
        return true;
    }
    if (!Check(m_target.ResetAndRun(m_report.strReset))) return false;
    WriteLog(QStringLiteral("复位 = 成功, ") + m_report.strReset);
    if (!Check(m_target.Detach())) return false;
    WriteLog(QStringLiteral("断开 = 成功"));
    return true;
}

FlashReport CFlashRun::Run(const QString& strAddress) {
    if (!m_options.bImageChecked && !AcceptImageChecks(m_image, m_prompts)) {
        Decline(QStringLiteral("固件检查未通过, 未烧写"));
    } else if (Connect(strAddress) && ReadModule() && Backup() && Erase() && WriteAndVerify() &&
               Marker() && Finish()) {
        WriteLog(QStringLiteral("烧写固件 = 成功, %1, %2 Bytes")
                     .arg(RangeText(m_report.plan.image))
                     .arg(m_image.size()));
        return m_report;
    }
    m_target.Close();
    WriteLog(QStringLiteral("烧写固件 = 失败, ") + m_report.result.Text());
    return m_report;
}

}  // namespace

FlashReport FlashModule(const QString& strAddress, const QByteArray& image,
                        const FlashOptions& options, IFirmwarePrompts& prompts,
                        IProbeProgress& progress) {
    CFlashRun run(image, options, prompts, progress);
    return run.Run(strAddress);
}

QString DayLogFolder() {
    QString strToday;
    CRunLog::FormatToday(strToday);
    return QDir(g_RunLog.m_strLogDir).filePath(strToday);
}
