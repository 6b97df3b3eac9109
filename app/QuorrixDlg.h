#pragma once

#include <QDialog>
#include <QIcon>
#include <QMap>
#include <functional>

#include "app/ControlIds.h"
#include "app/FileDialogs.h"
#include "app/ReportActions.h"
#include "app/UserPrompts.h"
#include "firmware/workspace/Prompts.h"

struct InspectionResult;

// The main window: two image paths and their info panels, the merge, and the output pane.
// The core's questions reach the window as IFirmwarePrompts; it sets its controls from what the
// core returns.
class CQuorrixDlg : public QDialog, public IFirmwarePrompts {
    Q_OBJECT
public:
    explicit CQuorrixDlg(QWidget* pParent = nullptr);
    ~CQuorrixDlg() override;

    // Sets up the run log and the pane timer; runs once, before the window is first shown.
    bool OnInitDialog();

    QWidget* Control(int nId) const { return m_controls.value(nId); }
    QString ControlText(int nId) const;
    int PaneTimerId() const { return m_nPaneTimer; }

    // The prompts behind the questions, and the file dialogs; the window owns neither.
    void SetPrompts(IFirmwarePrompts* pPrompts) { m_pPrompts = pPrompts; }
    void SetFileDialogs(IFileDialogs* pDialogs) { m_pDialogs = pDialogs; }

    // Key events of the window and its controls pass here before they are delivered. True
    // consumes the event.
    bool PreTranslateMessage(QObject* pReceiver, QEvent* pEvent);
    // What the window does with key events by default (focus navigation is Qt's own); tests
    // replace it to throw.
    void SetBasePreTranslate(std::function<bool(QObject*, QEvent*)> fnBase);

    void SetControlText(int nId, const QString& strText);
    bool AskYesNo(const QString& strQuestion) override;
    // Beside a question of an inspection, its panel shows the report so far.
    void ShowReport(const QString& strReport) override;

public Q_SLOTS:
    void OnBnClickedOpenBootLoader();
    void OnBnClickedOpenApp();
    void OnBnClickedMergeFirmware();
    void OnBnClickedVerifyFirmware();
    void OnBnClickedCompareFirmware();
    // The flash window, with the last merged image when there is one.
    void OnBnClickedFlashFirmware();
    void ShowAboutBox();
    // Opens a file as button 1001 or 1003 does once its dialog is answered: a dropped file,
    // or one from the button's recent files.
    void OpenImageFile(int nButtonId, const QString& strPath);

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;
    void timerEvent(QTimerEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;

private:
    void CreateControls();
    void PlaceControls();
    void ChooseAndOpenImage(int nButtonId);
    void ShowInspection(int nPanel, const InspectionResult& result);
    bool ChooseSaveTarget(int& nFormat, QString& strPath);
    bool GuardedBasePreTranslate(QObject* pReceiver, QEvent* pEvent);

    QIcon m_hIcon;
    QMap<int, QWidget*> m_controls;
    QList<QWidget*> m_placed;  // what each row of the template placed (a panel's scroll area)
    ReportControls m_report;
    int m_nPaneTimer = 0;
    int m_nInspectedPanel = 0;  // the panel of the inspection that is asking, if any
    bool m_bInitialized = false;
    CQtPrompts m_qtPrompts{this};
    IFirmwarePrompts* m_pPrompts = &m_qtPrompts;
    CQtFileDialogs m_qtDialogs{this};
    IFileDialogs* m_pDialogs = &m_qtDialogs;
    std::function<bool(QObject*, QEvent*)> m_fnBasePreTranslate;
};
