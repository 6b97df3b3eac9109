#pragma once

#include <QString>

class QWidget;

// The window's file dialogs, behind a seam that the tests and the screenshot tool script.
// Choosing a file is the window's job; the core only gets the chosen path.
class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    // A file to open with button nButtonId, starting in strFolder (empty: the current
    // folder); false when cancelled.
    virtual bool ChooseOpenFile(int nButtonId, const QString& strFolder, QString& strPath) = 0;
    // A file to save, starting at strProposedPath. nFilterFormat gets the format of the
    // filter left selected (FORMAT_BIN, _HEX, _SREC, or FORMAT_ANY for all files); false
    // when cancelled.
    virtual bool ChooseSaveFile(const QString& strProposedPath, QString& strPath,
                                int& nFilterFormat) = 0;
};

// QFileDialog, owned by a window.
class CQtFileDialogs : public IFileDialogs {
public:
    explicit CQtFileDialogs(QWidget* pOwner) : m_pOwner(pOwner) {}
    bool ChooseOpenFile(int nButtonId, const QString& strFolder, QString& strPath) override;
    bool ChooseSaveFile(const QString& strProposedPath, QString& strPath,
                        int& nFilterFormat) override;

private:
    QWidget* m_pOwner;
};
