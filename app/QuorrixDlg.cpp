#include "app/QuorrixDlg.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <utility>

#include "app/AboutDlg.h"
#include "app/AppResources.h"
#include "app/ContextMenus.h"
#include "app/CoreTexts.h"
#include "app/DialogLayout.h"
#include "app/DropTarget.h"
#include "app/LayoutStrip.h"
#include "firmware/Handlers.h"
#include "log/RunLog.h"
#include "platform/FileSystem.h"

namespace {

constexpr int PANE_TIMER_PERIOD_MS = 100;
QWidget* MakeControl(const ControlTemplate& t, QWidget* pParent) {
    const QString strText = QCoreApplication::translate("CQuorrixDlg", t.pText);
    switch (t.kind) {
        case ControlKind::Button: {
            auto* pButton = new QPushButton(strText, pParent);
            pButton->setAutoDefault(false);  // Enter presses no button
            return pButton;
        }
        case ControlKind::Edit:
            return new QLineEdit(strText, pParent);
        case ControlKind::OutputPane: {
            auto* pPane = new QPlainTextEdit(pParent);
            pPane->setTabChangesFocus(true);  // a tab in the pane would indent later lines
            return pPane;
        }
        case ControlKind::InfoPanel: {
            auto* pPanel = new QLabel(strText, pParent);
            pPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            pPanel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            pPanel->setTextFormat(Qt::PlainText);
            pPanel->setWordWrap(true);  // a long module name from the catalogue
            return pPanel;
        }
        case ControlKind::CentredLabel:
        case ControlKind::Label: {
            auto* pLabel = new QLabel(strText, pParent);
            pLabel->setTextFormat(Qt::PlainText);
            if (t.kind == ControlKind::CentredLabel) pLabel->setAlignment(Qt::AlignCenter);
            return pLabel;
        }
    }
    return nullptr;
}

}  // namespace

CQuorrixDlg::CQuorrixDlg(QWidget* pParent)
    // A normal top-level window, with its own taskbar entry, that keeps the dialog's keys.
    : QDialog(pParent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_hIcon((InitAppResources(), QStringLiteral(":/icons/quorrix.png"))) {
    m_hIcon.addFile(QStringLiteral(":/icons/quorrix-16.png"));
    m_hIcon.addFile(QStringLiteral(":/icons/quorrix-24.png"));
    m_hIcon.addFile(QStringLiteral(":/icons/quorrix-32.png"));
    m_hIcon.addFile(QStringLiteral(":/icons/quorrix-48.png"));
    setWindowTitle(tr("Norlyn电子部 分布式模块 固件工具 V1.01"));
    setFont(DialogFont());
    resize(DluToPixels(font(), 0, 0, MAIN_DIALOG_WIDTH, MAIN_DIALOG_HEIGHT).size());
    CreateControls();
    auto* pHelp = new QShortcut(QKeySequence::HelpContents, this);
    connect(pHelp, &QShortcut::activated, this, &CQuorrixDlg::ShowAboutBox);
    qApp->installEventFilter(this);
}

CQuorrixDlg::~CQuorrixDlg() { qApp->removeEventFilter(this); }

void CQuorrixDlg::CreateControls() {
    for (const ControlTemplate& t : MAIN_DIALOG_CONTROLS) {
        QWidget* pControl = MakeControl(t, this);
        pControl->setGeometry(DluToPixels(font(), t.x, t.y, t.cx, t.cy));
        if (t.nId >= 0) {
            pControl->setObjectName(QString::number(t.nId));
            m_controls.insert(t.nId, pControl);
        }
    }
    auto connectButton = [this](int nId, void (CQuorrixDlg::*pfnHandler)()) {
        connect(static_cast<QPushButton*>(Control(nId)), &QPushButton::clicked, this, pfnHandler);
    };
    connectButton(IDC_OPEN_BOOT, &CQuorrixDlg::OnBnClickedOpenBootLoader);
    connectButton(IDC_OPEN_APP, &CQuorrixDlg::OnBnClickedOpenApp);
    connectButton(IDC_MERGE, &CQuorrixDlg::OnBnClickedMergeFirmware);
    m_report = AddReportControls(this);
    connect(m_report.pVerify, &QPushButton::clicked, this, &CQuorrixDlg::OnBnClickedVerifyFirmware);
    connect(m_report.pCompare, &QPushButton::clicked, this,
            &CQuorrixDlg::OnBnClickedCompareFirmware);
    new CDropTarget(
        {Control(IDC_BOOT_PATH), Control(IDC_BOOT_INFO)},
        [this](const QString& strPath) { OpenDroppedFile(IDC_OPEN_BOOT, strPath); }, this);
    new CDropTarget(
        {Control(IDC_APP_PATH), Control(IDC_APP_INFO)},
        [this](const QString& strPath) { OpenDroppedFile(IDC_OPEN_APP, strPath); }, this);
    AddAboutToEditMenus({Control(IDC_BOOT_PATH), Control(IDC_APP_PATH), Control(IDC_ADDRESS_OFFSET),
                         Control(IDC_OUTPUT_PATH), Control(IDC_OUTPUT_PANE)},
                        [this] { ShowAboutBox(); });
}

bool CQuorrixDlg::OnInitDialog() {
    if (m_bInitialized) return true;
    m_bInitialized = true;
    setWindowIcon(m_hIcon);
    g_RunLog.AttachOutputWnd(Control(IDC_OUTPUT_PANE));
    ConfigureRunLog(g_RunLog, LogRootFolder());
    WriteLog(QStringLiteral("Program Start \r\n"));
    m_nPaneTimer = startTimer(PANE_TIMER_PERIOD_MS);
    SetControlText(IDC_ADDRESS_OFFSET, QString::asprintf("%d", 4096));
    Control(IDC_OPEN_BOOT)->setFocus();  // the first tab stop
    return true;
}

void CQuorrixDlg::showEvent(QShowEvent* pEvent) {
    OnInitDialog();
    QDialog::showEvent(pEvent);
}

QString CQuorrixDlg::ControlText(int nId) const {
    QWidget* pControl = Control(nId);
    if (auto* pEdit = qobject_cast<QLineEdit*>(pControl)) return pEdit->text();
    if (auto* pLabel = qobject_cast<QLabel*>(pControl)) return pLabel->text();
    if (auto* pPane = qobject_cast<QPlainTextEdit*>(pControl)) return pPane->toPlainText();
    if (auto* pButton = qobject_cast<QPushButton*>(pControl)) return pButton->text();
    return QString();
}

void CQuorrixDlg::SetControlText(int nId, const QString& strText) {
    QWidget* pControl = Control(nId);
    if (auto* pEdit = qobject_cast<QLineEdit*>(pControl)) {
        pEdit->setText(strText);
    } else if (auto* pLabel = qobject_cast<QLabel*>(pControl)) {
        pLabel->setText(ForDisplay(TranslateCoreText(strText)));
    } else if (auto* pPane = qobject_cast<QPlainTextEdit*>(pControl)) {
        pPane->setPlainText(strText);
    }
}

bool CQuorrixDlg::AskYesNo(const QString& strQuestion) {
    return m_pPrompts->AskYesNo(TranslateCoreText(strQuestion));
}

bool CQuorrixDlg::ChooseOpenFile(QString& strPath) {
    if (!m_strDroppedPath.isEmpty()) {
        strPath = std::exchange(m_strDroppedPath, QString());
        return true;
    }
    return m_pPrompts->ChooseOpenFile(strPath);
}

bool CQuorrixDlg::ChooseSaveFile(const QString& strProposedName, const QString& strDefaultExt,
                                 QString& strPath) {
    return m_pPrompts->ChooseSaveFile(strProposedName, strDefaultExt, strPath);
}

void CQuorrixDlg::OnBnClickedOpenBootLoader() {
    ::OnBnClickedOpenBootLoader(*this);
    ShowAcceptedLayout(*m_report.pStrip);
}
void CQuorrixDlg::OnBnClickedOpenApp() {
    ::OnBnClickedOpenApp(*this);
    ShowAcceptedLayout(*m_report.pStrip);
}
void CQuorrixDlg::OnBnClickedMergeFirmware() { ::OnBnClickedMergeFirmware(*this); }
void CQuorrixDlg::OnBnClickedVerifyFirmware() { ShowVerifyReport(this, *m_pPrompts); }
void CQuorrixDlg::OnBnClickedCompareFirmware() { ShowCompareReport(this, *m_pPrompts); }

void CQuorrixDlg::OpenDroppedFile(int nButtonId, const QString& strPath) {
    // The button's own handler, with the dropped file as the answer of its file dialog.
    m_strDroppedPath = strPath;
    if (nButtonId == IDC_OPEN_BOOT) OnBnClickedOpenBootLoader();
    if (nButtonId == IDC_OPEN_APP) OnBnClickedOpenApp();
    m_strDroppedPath.clear();
}

void CQuorrixDlg::ShowAboutBox() {
    CAboutDlg about(this);
    about.setWindowIcon(m_hIcon);
    about.exec();
}

void CQuorrixDlg::timerEvent(QTimerEvent* pEvent) {
    if (pEvent->timerId() == m_nPaneTimer) g_RunLog.FlushOutput();
    QDialog::timerEvent(pEvent);
}

void CQuorrixDlg::contextMenuEvent(QContextMenuEvent* pEvent) {
    // Stands in for the system menu, which the window manager owns here.
    QMenu menu(this);
    AddAboutItem(menu, [this] { ShowAboutBox(); });
    menu.exec(pEvent->globalPos());
}

void CQuorrixDlg::keyPressEvent(QKeyEvent* pEvent) {
    // Enter and Escape neither press a button nor end the window.
    switch (pEvent->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            pEvent->accept();
            return;
        default:
            QDialog::keyPressEvent(pEvent);
    }
}
