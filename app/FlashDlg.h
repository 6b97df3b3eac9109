#pragma once

#include <QByteArray>
#include <QDialog>
#include <functional>

#include "firmware/probe/FlashModule.h"

class CFlashBridge;
class IFileDialogs;
class IFirmwarePrompts;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QThread;

// The flash window: the connection (the servers of the table with their ports, the serial
// ports, a command; remembered), the image (the last merge, or a file), the module's blocks
// beside the image's with the lines that differ marked, progress, cancel and the result.
// The core does the work on a worker thread; the window only shows it.
class CFlashDlg : public QDialog {
    Q_OBJECT
public:
    CFlashDlg(QWidget* pParent, IFirmwarePrompts& prompts, IFileDialogs& dialogs);
    ~CFlashDlg() override;

    // The image to flash, and what the image label says of it.
    void SetImage(const QByteArray& image, const QString& strSource);
    QString Address() const;
    void SetAddress(const QString& strAddress);
    bool Busy() const { return m_pWorker != nullptr; }
    QString ResultText() const;
    QString ModuleText() const;
    QPushButton* FlashButton() const { return m_pFlash; }
    QPushButton* ReadButton() const { return m_pRead; }
    QPushButton* CancelButton() const { return m_pCancel; }

public Q_SLOTS:
    void OnReadModule();
    void OnSaveModule();
    void OnFlash();
    void OnChooseImage();
    void reject() override;

private:
    void BuildLayout();
    QString ServerName() const;
    // Runs job on a worker thread, then done on the window's.
    void RunJob(std::function<void()> job, std::function<void()> done);
    void ShowBlocks(const ModuleInfo* pModule);
    void FitBlocks();
    void ShowResult(const ProbeResult& result, const QString& strDone);
    void Remember();

    IFileDialogs& m_dialogs;
    CFlashBridge* m_pBridge;
    QComboBox* m_pServer;
    QComboBox* m_pAddress;
    QLabel* m_pImageLabel;
    QPlainTextEdit* m_pModuleBlocks;
    QPlainTextEdit* m_pImageBlocks;
    QProgressBar* m_pProgress;
    QLabel* m_pStep;
    QLabel* m_pResult;
    QPushButton* m_pRead;
    QPushButton* m_pSave;
    QPushButton* m_pFlash;
    QPushButton* m_pCancel;
    QPushButton* m_pClose;
    QThread* m_pWorker = nullptr;
    QByteArray m_image;
};
