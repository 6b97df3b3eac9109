#include "app/CompareReportDlg.h"

#include <QDir>
#include <QTreeWidget>

#include "app/CoreTexts.h"
#include "app/VerifyTexts.h"
#include "firmware/checks/FirmwareDiff.h"

namespace {

struct FieldName {
    const char* pField;  // as the core names it
    const char* pText;
};
const FieldName FIELD_NAMES[] = {
    {"marker", QT_TRANSLATE_NOOP("CCompareReportDlg", "标记")},
    {"type", QT_TRANSLATE_NOOP("CCompareReportDlg", "类型")},
    {"block size", QT_TRANSLATE_NOOP("CCompareReportDlg", "块大小")},
    {"boot version", QT_TRANSLATE_NOOP("CCompareReportDlg", "BootLoader 版本")},
    {"chip type", QT_TRANSLATE_NOOP("CCompareReportDlg", "芯片类型")},
    {"boot size", QT_TRANSLATE_NOOP("CCompareReportDlg", "BootLoader 大小")},
    {"App version", QT_TRANSLATE_NOOP("CCompareReportDlg", "App 版本")},
    {"module type", QT_TRANSLATE_NOOP("CCompareReportDlg", "模块类型")},
    {"App size", QT_TRANSLATE_NOOP("CCompareReportDlg", "App 大小")},
    {"code size", QT_TRANSLATE_NOOP("CCompareReportDlg", "代码大小")},
    {"App address", QT_TRANSLATE_NOOP("CCompareReportDlg", "App 地址")},
    {"info stage", QT_TRANSLATE_NOOP("CCompareReportDlg", "信息暂存地址")},
    {"App stage", QT_TRANSLATE_NOOP("CCompareReportDlg", "App 暂存地址")},
};

QString FieldText(const char* pField) {
    for (const FieldName& name : FIELD_NAMES) {
        if (qstrcmp(name.pField, pField) == 0) return CCompareReportDlg::tr(name.pText);
    }
    return QString::fromLatin1(pField);
}

QStringList RowColumns(const DiffRow& row) {
    if (row.bHead) {
        return {QString(),
                CCompareReportDlg::tr("块 %1 位于 %2")
                    .arg(row.nBlock)
                    .arg(HexNumber(static_cast<std::int64_t>(row.nOffset), 4)),
                row.bHasA ? QStringLiteral("A") : CCompareReportDlg::tr("A (文件太短)"),
                row.bHasB ? QStringLiteral("B") : CCompareReportDlg::tr("B (文件太短)")};
    }
    return {row.bDiffers ? QStringLiteral("*") : QString(), FieldText(row.pField),
            TranslateCoreText(row.strA), TranslateCoreText(row.strB)};
}

QString BytesText(const FirmwareDiff& diff, const QByteArray& a, const QByteArray& b) {
    if (diff.bIdentical) {
        return CCompareReportDlg::tr("两个文件相同 (A %1 字节, B %2 字节)")
            .arg(a.size())
            .arg(b.size());
    }
    const auto n = static_cast<qsizetype>(diff.nFirstDifference);
    const QString strFirst =
        n < a.size() && n < b.size()
            ? CCompareReportDlg::tr("第一个不同之处在 %1: A 中为 %2, B 中为 %3")
                  .arg(HexNumber(n, 4), HexNumber(static_cast<std::uint8_t>(a[n]), 2),
                       HexNumber(static_cast<std::uint8_t>(b[n]), 2))
            : CCompareReportDlg::tr("第一个不同之处在 %1: %2 在此结束")
                  .arg(HexNumber(n, 4),
                       a.size() < b.size() ? QStringLiteral("A") : QStringLiteral("B"));
    return strFirst + QLatin1Char('\n') +
           CCompareReportDlg::tr("不同的字节数: %1 (A %2 字节, B %3 字节)")
               .arg(diff.nDifferingBytes)
               .arg(a.size())
               .arg(b.size());
}

}  // namespace

CCompareReportDlg::CCompareReportDlg(QWidget* pParent, const QString& strPathA, const QByteArray& a,
                                     const QString& strPathB, const QByteArray& b)
    : CReportDlg(pParent, tr("比较固件"),
                 QStringLiteral("A: %1\nB: %2")
                     .arg(QDir::toNativeSeparators(strPathA), QDir::toNativeSeparators(strPathB)),
                 {tr("不同"), tr("字段"), QStringLiteral("A"), QStringLiteral("B")}) {
    for (const DiffRow& row : DiffBlockRows(a, b)) {
        auto* pRow = new QTreeWidgetItem(Rows(), RowColumns(row));
        if (row.bHead) {
            QFont font = pRow->font(1);
            font.setBold(true);
            pRow->setFont(1, font);
        } else if (row.bDiffers) {
            MarkRow(pRow, false);
        }
    }
    FitToRows();
    SetFoot(BytesText(DiffFirmwareImages(a, b), a, b));
}
