#include "app/FileDialogs.h"

#include <QFileDialog>

#include "app/FileDialogTexts.h"
#include "app/SaveTarget.h"
#include "firmware/workspace/OutputFormat.h"

bool CQtFileDialogs::ChooseOpenFile(int, const QString& strFolder, QString& strPath) {
    strPath = QFileDialog::getOpenFileName(m_pOwner, QString(), strFolder, OpenFileFilter());
    return !strPath.isEmpty();
}

bool CQtFileDialogs::ChooseSaveFile(const QString& strProposedPath, QString& strPath,
                                    int& nFilterFormat) {
    const QList<SaveFilter> filters = SaveFileFilters();
    QStringList names;
    for (const SaveFilter& filter : filters) names.append(filter.strFilter);
    QFileDialog dialog(m_pOwner);
    dialog.setAcceptMode(QFileDialog::AcceptSave);  // asks before replacing a file
    dialog.setNameFilters(names);
    dialog.setDefaultSuffix(FormatExtension(FORMAT_BIN));
    // A name typed without an extension gets the one of the filter the user picked.
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog, &filters, &names](const QString& strFilter) {
            const int nFormat = filters.value(names.indexOf(strFilter)).nFormat;
            dialog.setDefaultSuffix(nFormat == FORMAT_ANY ? QString() : FormatExtension(nFormat));
        });
    dialog.selectFile(strProposedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    strPath = dialog.selectedFiles().first();
    nFilterFormat = filters.value(names.indexOf(dialog.selectedNameFilter())).nFormat;
    return true;
}
