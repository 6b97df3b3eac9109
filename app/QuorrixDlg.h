#pragma once

#include <QDialog>
#include <QIcon>
#include <QMap>
#include <functional>

#include "app/ReportActions.h"
#include "app/UserPrompts.h"
#include "firmware/FirmwareWindow.h"

// The main window: two image paths and their info panels, the merge, and the output pane.
// The firmware code sets its controls by id through IFirmwareWindow.
class CQuorrixDlg : public QDialog, public IFirmwareWindow {
    Q_OBJECT
public:
    explicit CQuorrixDlg(QWidget* pParent = nullptr);
    ~CQuorrixDlg() override;

    // Sets up the run log and the pane timer; runs once, before the window is first shown.
    bool OnInitDialog();

    QWidget* Control(int nId) const { return m_controls.value(nId); }
    QString ControlText(int nId) const;
    int PaneTimerId() const { return m_nPaneTimer; }

    // The prompts behind the file dialogs and questions; the window does not own them.
    void SetPrompts(IFirmwarePrompts* pPrompts) { m_pPrompts = pPrompts; }

    // Key events of the window and its controls pass here before they are delivered. True
    // consumes the event.
    bool PreTranslateMessage(QObject* pReceiver, QEvent* pEvent);
    // What the window does with key events by default (focus navigation is Qt's own); tests
    // replace it to throw.
    void SetBasePreTranslate(std::function<bool(QObject*, QEvent*)> fnBase);

    void SetControlText(int nId, const QString& strText) override;
    bool AskYesNo(const QString& strQuestion) override;
    bool ChooseOpenFile(QString& strPath) override;
    bool ChooseSaveFile(const QString& strProposedName, const QString& strDefaultExt,
                        QString& strPath) override;

public Q_SLOTS:
    void OnBnClickedOpenBootLoader();
    void OnBnClickedOpenApp();
    void OnBnClickedMergeFirmware();
    void OnBnClickedVerifyFirmware();
    void OnBnClickedCompareFirmware();
    void ShowAboutBox();
    // Opens a file dropped on the half of the window of button 1001 or 1003.
    void OpenDroppedFile(int nButtonId, const QString& strPath);

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;
    void timerEvent(QTimerEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;

private:
    void CreateControls();
    bool GuardedBasePreTranslate(QObject* pReceiver, QEvent* pEvent);

    QIcon m_hIcon;
    QString m_strDroppedPath;  // the answer of the next open-file dialog, when set
    QMap<int, QWidget*> m_controls;
    ReportControls m_report;
    int m_nPaneTimer = 0;
    bool m_bInitialized = false;
    CQtPrompts m_qtPrompts{this};
    IFirmwarePrompts* m_pPrompts = &m_qtPrompts;
    std::function<bool(QObject*, QEvent*)> m_fnBasePreTranslate;
};
