#include "app/CoreTexts.h"

#include <QCoreApplication>

namespace {

// Longer phrases come first where one contains another, so that a question is replaced whole
// before any of its words.
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
    QT_TRANSLATE_NOOP("CoreText", "BootLoader 类型1 版本"),
    QT_TRANSLATE_NOOP("CoreText", "BootLoader 类型2 版本"),
    QT_TRANSLATE_NOOP("CoreText", "App类型1 版本"),
    QT_TRANSLATE_NOOP("CoreText", "App类型2 版本"),
    QT_TRANSLATE_NOOP("CoreText", "未知类型"),
    QT_TRANSLATE_NOOP("CoreText", "信息块1位置"),
    QT_TRANSLATE_NOOP("CoreText", "信息块2位置"),
    QT_TRANSLATE_NOOP("CoreText", "信息块2大小"),
    QT_TRANSLATE_NOOP("CoreText", "信息块2类型"),
    QT_TRANSLATE_NOOP("CoreText", "信息块位置"),
    QT_TRANSLATE_NOOP("CoreText", "信息块大小"),
    QT_TRANSLATE_NOOP("CoreText", "信息块类型"),
    QT_TRANSLATE_NOOP("CoreText", "文件信息"),
    QT_TRANSLATE_NOOP("CoreText", "文件大小"),
    QT_TRANSLATE_NOOP("CoreText", "启动区版本"),
    QT_TRANSLATE_NOOP("CoreText", "启动器对应芯片"),
    QT_TRANSLATE_NOOP("CoreText", "启动器大小"),
    QT_TRANSLATE_NOOP("CoreText", "实际代码大小"),
    QT_TRANSLATE_NOOP("CoreText", "对应模块类型"),
    QT_TRANSLATE_NOOP("CoreText", "应用区版本"),
    QT_TRANSLATE_NOOP("CoreText", "应用区大小"),
    QT_TRANSLATE_NOOP("CoreText", "应用区地址"),
    QT_TRANSLATE_NOOP("CoreText", "偏移"),
    QT_TRANSLATE_NOOP("CoreText", "信息暂存区"),
    QT_TRANSLATE_NOOP("CoreText", "应用暂存区"),
    QT_TRANSLATE_NOOP("CoreText", "发生错误"),
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
