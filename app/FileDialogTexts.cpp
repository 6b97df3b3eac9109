#include "app/FileDialogTexts.h"

#include <QCoreApplication>

#include "app/SaveTarget.h"
#include "firmware/workspace/OutputFormat.h"

namespace {
QString Tr(const char* pText) { return QCoreApplication::translate("FileDialog", pText); }
}  // namespace

QString OpenFileFilter() {
    // Build outputs are known by their content; the names only narrow the list.
    return Tr(QT_TRANSLATE_NOOP(
               "FileDialog",
               "固件映像 (*.bin *.hex *.ihex *.s19 *.srec *.mot *.elf *.axf *.out)")) +
           QLatin1String(";;") + Tr(QT_TRANSLATE_NOOP("FileDialog", "所有文件 (*)"));
}

QList<SaveFilter> SaveFileFilters() {
    return {{Tr(QT_TRANSLATE_NOOP("FileDialog", "固件文件 (*.bin)")), FORMAT_BIN},
            {Tr(QT_TRANSLATE_NOOP("FileDialog", "Intel HEX (*.hex)")), FORMAT_HEX},
            {Tr(QT_TRANSLATE_NOOP("FileDialog", "S-record (*.srec *.s19 *.mot)")), FORMAT_SREC},
            {Tr(QT_TRANSLATE_NOOP("FileDialog", "所有文件 (*)")), FORMAT_ANY}};
}

QString WithDefaultExtension(const QString& strName, const QString& strExt) {
    const QString strSuffix = QLatin1Char('.') + strExt;
    if (strName.isEmpty() || strExt.isEmpty() || strName.endsWith(strSuffix, Qt::CaseInsensitive)) {
        return strName;
    }
    return strName + strSuffix;
}
