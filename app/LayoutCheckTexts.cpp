#include "app/LayoutCheckTexts.h"

#include <QCoreApplication>
#include <cstring>

#include "firmware/checks/FirmwareVerify.h"

namespace {

// Each English pattern of the core with the window's own text of it, which the translations
// turn back into the English for the English window.
struct PatternText {
    const char* pEnglish;
    const char* pWindow;
};

const PatternText PATTERNS[] = {
    {"boot loader cut", QT_TRANSLATE_NOOP("LayoutCheckTexts", "BootLoader 截断")},
    {": skipped, ", QT_TRANSLATE_NOOP("LayoutCheckTexts", ": 跳过, ")},
    {"the image holds only its first 4096 bytes",
     QT_TRANSLATE_NOOP("LayoutCheckTexts", "映像中只有它的前 4096 字节")},
    {"the boot loader has no info block",
     QT_TRANSLATE_NOOP("LayoutCheckTexts", "BootLoader 没有信息块")},
    {"the App has no info block", QT_TRANSLATE_NOOP("LayoutCheckTexts", "App 没有信息块")},
    {"boot loader cut: %1 bytes, within the 4096-byte region",
     QT_TRANSLATE_NOOP("LayoutCheckTexts", "BootLoader 截断: %1 字节, 在 4096 字节的区域之内")},
    {"boot loader cut: %1 bytes, only 0x00 and 0xFF past 4096",
     QT_TRANSLATE_NOOP("LayoutCheckTexts", "BootLoader 截断: %1 字节, 4096 之后只有 0x00 和 0xFF")},
    {"boot loader cut: %1 bytes, code past 4096 is cut off: %2 at %3",
     QT_TRANSLATE_NOOP("LayoutCheckTexts",
                       "BootLoader 截断: %1 字节, 4096 之后的代码被截掉: %3 处为 %2")},
    {"boot loader cut: %1 bytes, longer than 64 MiB, not checked",
     QT_TRANSLATE_NOOP("LayoutCheckTexts", "BootLoader 截断: %1 字节, 超过 64 MiB, 未检查")},
    {"App address", QT_TRANSLATE_NOOP("LayoutCheckTexts", "App 地址")},
    {"App address %1 in its block, ",
     QT_TRANSLATE_NOOP("LayoutCheckTexts", "App 信息块中的 App 地址为 %1, ")},
    {"where the merge places the App",
     QT_TRANSLATE_NOOP("LayoutCheckTexts", "正是合成时 App 所在的位置")},
    {"but the merge places the App at %1",
     QT_TRANSLATE_NOOP("LayoutCheckTexts", "但合成时 App 位于 %1")},
    {"boot loader's App address",
     QT_TRANSLATE_NOOP("LayoutCheckTexts", "BootLoader 中的 App 地址")},
    {"boot loader starts the App at %1, ",
     QT_TRANSLATE_NOOP("LayoutCheckTexts", "BootLoader 从 %1 启动 App, ")},
    {"the address in the App's block",
     QT_TRANSLATE_NOOP("LayoutCheckTexts", "与 App 信息块中的地址相同")},
    {"but the App's block says %1", QT_TRANSLATE_NOOP("LayoutCheckTexts", "但 App 信息块中为 %1")},
    {"App staging areas", QT_TRANSLATE_NOOP("LayoutCheckTexts", "App 暂存区")},
    {"the info staging area at %1", QT_TRANSLATE_NOOP("LayoutCheckTexts", "%1 处的信息暂存区")},
    {"the App staging area at %1", QT_TRANSLATE_NOOP("LayoutCheckTexts", "%1 处的应用暂存区")},
    {"App end %1 runs into ", QT_TRANSLATE_NOOP("LayoutCheckTexts", "App 结尾 %1 进入了")},
    {" and ", QT_TRANSLATE_NOOP("LayoutCheckTexts", " 和 ")},
    {"App end %1: no staging area above %2 starts before it (info %3, App %4)",
     QT_TRANSLATE_NOOP("LayoutCheckTexts",
                       "App 结尾 %1: %2 之上没有暂存区在它之前开始 (信息 %3, 应用 %4)")},
    {"stack not word-aligned", QT_TRANSLATE_NOOP("LayoutCheckTexts", "栈指针未按字对齐")},
    {"stack outside %1-%2", QT_TRANSLATE_NOOP("LayoutCheckTexts", "栈指针不在 %1-%2 之内")},
    {"reset address even", QT_TRANSLATE_NOOP("LayoutCheckTexts", "复位地址为偶数")},
    {"reset address outside %1-%2",
     QT_TRANSLATE_NOOP("LayoutCheckTexts", "复位地址不在 %1-%2 之内")},
    {", not a Cortex-M table: ", QT_TRANSLATE_NOOP("LayoutCheckTexts", ", 不是 Cortex-M 向量表: ")},
    {", ", QT_TRANSLATE_NOOP("LayoutCheckTexts", ", ")},
    {": stack word-aligned in %1-%2, reset odd in %3-%4",
     QT_TRANSLATE_NOOP("LayoutCheckTexts",
                       ": 栈指针按字对齐且在 %1-%2 之内, 复位地址为奇数且在 %3-%4 之内")},
    {"boot loader vectors: %1 bytes, too short for the stack pointer and the reset address",
     QT_TRANSLATE_NOOP("LayoutCheckTexts",
                       "BootLoader 向量表: %1 字节, 太短, 放不下栈指针和复位地址")},
    {"boot loader vectors: stack %1, reset %2",
     QT_TRANSLATE_NOOP("LayoutCheckTexts", "BootLoader 向量表: 栈指针 %1, 复位地址 %2")},
    {"App vectors: %1 bytes, too short for the stack pointer and the reset address",
     QT_TRANSLATE_NOOP("LayoutCheckTexts", "App 向量表: %1 字节, 太短, 放不下栈指针和复位地址")},
    {"App vectors: stack %1, reset %2",
     QT_TRANSLATE_NOOP("LayoutCheckTexts", "App 向量表: 栈指针 %1, 复位地址 %2")},
    {"merged file starts at %1, at the flash base %2",
     QT_TRANSLATE_NOOP("LayoutCheckTexts", "合成文件从 %1 开始, 即闪存起始地址 %2")},
    {"merged file starts at %1, not at the flash base %2",
     QT_TRANSLATE_NOOP("LayoutCheckTexts", "合成文件从 %1 开始, 不是闪存起始地址 %2")},
    {"boot loader file starts at %1, at the flash base %2",
     QT_TRANSLATE_NOOP("LayoutCheckTexts", "BootLoader 文件从 %1 开始, 即闪存起始地址 %2")},
    {"boot loader file starts at %1, not at the flash base %2",
     QT_TRANSLATE_NOOP("LayoutCheckTexts", "BootLoader 文件从 %1 开始, 不是闪存起始地址 %2")},
    {"App file starts at %1, its App address %2",
     QT_TRANSLATE_NOOP("LayoutCheckTexts", "App 文件从 %1 开始, 即它的 App 地址 %2")},
    {"App file starts at %1, not at its App address %2",
     QT_TRANSLATE_NOOP("LayoutCheckTexts", "App 文件从 %1 开始, 不是它的 App 地址 %2")},
    {"App file's start not checked, the App has no info block",
     QT_TRANSLATE_NOOP("LayoutCheckTexts", "未检查 App 文件的起始地址, App 没有信息块")},
    {"start address", QT_TRANSLATE_NOOP("LayoutCheckTexts", "起始地址")},
    {"start address: ", QT_TRANSLATE_NOOP("LayoutCheckTexts", "起始地址: ")},
    {"; ", QT_TRANSLATE_NOOP("LayoutCheckTexts", "; ")},
    // The checks of a merged file against its parts.
    {"length: %1 bytes, longer than 4096",
     QT_TRANSLATE_NOOP("LayoutCheckTexts", "长度: %1 字节, 长于 4096")},
    {"length: %1 bytes, no App part: not longer than 4096",
     QT_TRANSLATE_NOOP("LayoutCheckTexts", "长度: %1 字节, 没有 App 部分: 不长于 4096")},
    {"block %1 at %2: ", QT_TRANSLATE_NOOP("LayoutCheckTexts", "块 %1 位于 %2: ")},
    {"cut off, the file ends at %1",
     QT_TRANSLATE_NOOP("LayoutCheckTexts", "不完整, 文件在 %1 结束")},
    {"no marker: %1, not 0xAA55",
     QT_TRANSLATE_NOOP("LayoutCheckTexts", "没有标记: %1, 不是 0xAA55")},
    {"type %1 is ", QT_TRANSLATE_NOOP("LayoutCheckTexts", "类型 %1 是")},
    {", not ", QT_TRANSLATE_NOOP("LayoutCheckTexts", ", 不是")},
    {"marker 0xAA55, type %1, ", QT_TRANSLATE_NOOP("LayoutCheckTexts", "标记 0xAA55, 类型 %1, ")},
    {"a boot-loader type (1, 2)", QT_TRANSLATE_NOOP("LayoutCheckTexts", "BootLoader 类型 (1, 2)")},
    {"an App type (3, 4)", QT_TRANSLATE_NOOP("LayoutCheckTexts", "App 类型 (3, 4)")},
    {"a boot-loader type", QT_TRANSLATE_NOOP("LayoutCheckTexts", "BootLoader 类型")},
    {"an App type", QT_TRANSLATE_NOOP("LayoutCheckTexts", "App 类型")},
    {"an unknown type", QT_TRANSLATE_NOOP("LayoutCheckTexts", "未知类型")},
    {"App part at 0x1000: %1 bytes, ",
     QT_TRANSLATE_NOOP("LayoutCheckTexts", "App 部分位于 0x1000: %1 字节, ")},
    {"holds its block, at most 131072",
     QT_TRANSLATE_NOOP("LayoutCheckTexts", "包含其信息块, 不超过 131072")},
    {"too short to hold its block (288)",
     QT_TRANSLATE_NOOP("LayoutCheckTexts", "太短, 容不下其信息块 (288)")},
    {"more than 131072", QT_TRANSLATE_NOOP("LayoutCheckTexts", "超过 131072")},
    {"boot region 0x0000-0x0FFF equals the boot loader cut or padded with %1",
     QT_TRANSLATE_NOOP("LayoutCheckTexts",
                       "引导区 0x0000-0x0FFF 等于截断或以 %1 填充的 BootLoader")},
    {"boot region: the image ends at %1, inside it",
     QT_TRANSLATE_NOOP("LayoutCheckTexts", "引导区: 映像在 %1 结束, 位于引导区内")},
    {"boot region differs from the boot loader cut or padded with %2 at %1: %3 in the image, %4 "
     "expected",
     QT_TRANSLATE_NOOP("LayoutCheckTexts",
                       "引导区在 %1 处与截断或以 %2 填充的 BootLoader 不同: 映像中为 %3, 应为 %4")},
    {"App part equals the App byte for byte (%1 bytes)",
     QT_TRANSLATE_NOOP("LayoutCheckTexts", "App 部分与 App 逐字节相同 (%1 字节)")},
    {"App part differs from the App at %1 (App offset %2): %3 in the image, %4 in the App",
     QT_TRANSLATE_NOOP("LayoutCheckTexts",
                       "App 部分在 %1 (App 偏移 %2) 处与 App 不同: 映像中为 %3, App 中为 %4")},
    {"App part is %1 bytes, the App %2: equal up to %3",
     QT_TRANSLATE_NOOP("LayoutCheckTexts", "App 部分 %1 字节, App %2 字节: 到 %3 为止相同")},
};

QString WindowPattern(const char* pEnglish) {
    for (const PatternText& pattern : PATTERNS) {
        if (std::strcmp(pattern.pEnglish, pEnglish) == 0)
            return QCoreApplication::translate("LayoutCheckTexts", pattern.pWindow);
    }
    return QString::fromLatin1(pEnglish);  // a piece without a text of its own stays English
}

}  // namespace

QString LayoutCheckText(const VerifyCheck& check) {
    QString strText;
    for (const TextPart& part : check.parts)
        strText += PartText(WindowPattern(part.pPattern), part.args);
    return strText;
}
