#include "app/CoreTexts.h"

#include <QCoreApplication>

#include "app/Translations.h"
#include "firmware/workspace/CoreResult.h"

namespace {

// The phrases of the questions, the compare rows and the log error box, which hold no text of
// a file or the catalogue. Longer phrases come first where one contains another, so that a
// question is replaced whole before any of its words. The panels' labels are translated where
// the reports are built (firmware/InfoReport.h).
const char* const CORE_PHRASES[] = {
    QT_TRANSLATE_NOOP("CoreText", "文件已经是bootloader和App合成的文件 , 是否使用文件中App?"),
    QT_TRANSLATE_NOOP("CoreText", "文件信息块中不包含 BootLoader 内容, 是否继续 "),
    QT_TRANSLATE_NOOP("CoreText", "BootLoader启动文件中未找到信息块, 文件 "),
    QT_TRANSLATE_NOOP("CoreText", "文件中未找到信息块, 文件大小 "),
    QT_TRANSLATE_NOOP("CoreText", "文件 不是App文件 , 是否继续 "),
    QT_TRANSLATE_NOOP("CoreText", " 是否继续"),
    QT_TRANSLATE_NOOP("CoreText", " 项检查未通过, 可能无法启动 (详见输出窗口)。"),
    QT_TRANSLATE_NOOP("CoreText", "仍要保存吗?"),
    QT_TRANSLATE_NOOP("CoreText", "合成的固件有 "),
    QT_TRANSLATE_NOOP("CoreText", "未知类型"),
    QT_TRANSLATE_NOOP("CoreText", "发生错误"),
    // The flash's questions and the failures the flash window shows.
    QT_TRANSLATE_NOOP("CoreText", "模块的模块类型是 "),
    QT_TRANSLATE_NOOP("CoreText", "模块的芯片类型是 "),
    QT_TRANSLATE_NOOP("CoreText", ", 固件的是 "),
    QT_TRANSLATE_NOOP("CoreText", "模块上的 App 版本 "),
    QT_TRANSLATE_NOOP("CoreText", " 比固件的 "),
    QT_TRANSLATE_NOOP("CoreText", " 新。"),
    QT_TRANSLATE_NOOP("CoreText", "仍要烧写吗?"),
    QT_TRANSLATE_NOOP("CoreText", "固件有 "),
    QT_TRANSLATE_NOOP("CoreText", "等待回复超时"),
    QT_TRANSLATE_NOOP("CoreText", "等待确认超时"),
    QT_TRANSLATE_NOOP("CoreText", "连接中断: "),
    QT_TRANSLATE_NOOP("CoreText", "服务器: "),
    QT_TRANSLATE_NOOP("CoreText", "已取消"),
};

}  // namespace

QString TranslateCoreText(const QString& strText) {
    QString strResult = strText;
    for (const char* pPhrase : CORE_PHRASES) {
        const QString strSource = QString::fromUtf8(pPhrase);
        const QString strShown = QCoreApplication::translate("CoreText", pPhrase);
        if (strShown != strSource) strResult.replace(strSource, strShown);
    }
    return strResult;
}

QString CoreResultText(const CoreResult& result) {
    return InstalledUiLanguage() == UiLanguage::English ? ResultEnglish(result) : result.strWords;
}
