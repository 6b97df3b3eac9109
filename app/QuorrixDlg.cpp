#include "app/QuorrixDlg.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QToolButton>
#include <array>

#include "app/AboutDlg.h"
#include "app/AppResources.h"
#include "app/ContextMenus.h"
#include "app/CoreTexts.h"
#include "app/DialogLayout.h"
#include "app/DropTarget.h"
#include "app/FileDialogTexts.h"
#include "app/FileHistory.h"
#include "app/FlashDlg.h"
#include "app/LayoutStrip.h"
#include "app/RecentFilesMenu.h"
#include "app/SaveTarget.h"
#include "app/WindowWorkspace.h"
#include "firmware/workspace/EntryPoints.h"
#include "firmware/workspace/OutputFormat.h"
#include "log/RunLog.h"
#include "platform/FileSystem.h"

namespace {

constexpr int PANE_TIMER_PERIOD_MS = 100;

// A report longer than its panel scrolls, whatever the font and the window's size.
QLabel* MakeInfoPanel(const QString& strText, QWidget* pParent) {
    auto* pArea = new QScrollArea(pParent);
    pArea->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pArea->setWidgetResizable(true);
    pArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // the lines wrap instead
    auto* pPanel = new QLabel(strText);
    pPanel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pPanel->setTextFormat(Qt::PlainText);
    pPanel->setWordWrap(true);  // a long module name from the catalogue
    pArea->setWidget(pPanel);
    return pPanel;
}

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
        case ControlKind::MenuArrow:
            return new QToolButton(pParent);
        case ControlKind::LayoutStrip: {
            auto* pStrip = new CLayoutStrip(pParent);
            pStrip->hide();  // until both images are accepted
            return pStrip;
        }
        case ControlKind::InfoPanel:
            return MakeInfoPanel(strText, pParent);
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

// The widget that a control of the template puts in the window.
QWidget* PlacedWidget(QWidget* pControl) {
    auto* pArea = qobject_cast<QScrollArea*>(pControl->parentWidget()->parentWidget());
    return pArea != nullptr && pArea->widget() == pControl ? pArea : pControl;
}

bool IsPathEdit(int nId) {
    return nId == IDC_BOOT_PATH || nId == IDC_APP_PATH || nId == IDC_OUTPUT_PATH;
}

}  // namespace

CQuorrixDlg::CQuorrixDlg(QWidget* pParent)
    // A normal top-level window, with its own taskbar entry, that keeps the dialog's keys.
    : QDialog(pParent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                           Qt::WindowCloseButtonHint),
      m_hIcon((InitAppResources(), QStringLiteral(":/icons/quorrix.png"))) {
    m_hIcon.addFile(QStringLiteral(":/icons/quorrix-16.png"));
    m_hIcon.addFile(QStringLiteral(":/icons/quorrix-24.png"));
    m_hIcon.addFile(QStringLiteral(":/icons/quorrix-32.png"));
    m_hIcon.addFile(QStringLiteral(":/icons/quorrix-48.png"));
    setWindowTitle(tr("Norlyn电子部 分布式模块 固件工具 V1.01"));
    setFont(DialogFont());
    const QSize templateSize =
        DluToPixels(font(), 0, 0, MAIN_DIALOG_WIDTH, MAIN_DIALOG_HEIGHT).size();
    setMinimumSize(templateSize);
    resize(templateSize);
    CreateControls();
    PlaceControls();
    auto* pHelp = new QShortcut(QKeySequence::HelpContents, this);
    connect(pHelp, &QShortcut::activated, this, &CQuorrixDlg::ShowAboutBox);
    qApp->installEventFilter(this);
}

CQuorrixDlg::~CQuorrixDlg() { qApp->removeEventFilter(this); }

void CQuorrixDlg::CreateControls() {
    for (const ControlTemplate& t : MAIN_DIALOG_CONTROLS) {
        QWidget* pControl = MakeControl(t, this);
        m_placed.append(PlacedWidget(pControl));
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
    connectButton(IDC_FLASH, &CQuorrixDlg::OnBnClickedFlashFirmware);
    m_report = {static_cast<QPushButton*>(Control(IDC_VERIFY)),
                static_cast<QPushButton*>(Control(IDC_COMPARE)),
                static_cast<CLayoutStrip*>(Control(IDC_LAYOUT_STRIP))};
    connect(m_report.pVerify, &QPushButton::clicked, this, &CQuorrixDlg::OnBnClickedVerifyFirmware);
    connect(m_report.pCompare, &QPushButton::clicked, this,
            &CQuorrixDlg::OnBnClickedCompareFirmware);
    using Half = std::array<int, 4>;  // button, arrow, path edit, panel
    for (const Half& half : {Half{IDC_OPEN_BOOT, IDC_RECENT_BOOT, IDC_BOOT_PATH, IDC_BOOT_INFO},
                             Half{IDC_OPEN_APP, IDC_RECENT_APP, IDC_APP_PATH, IDC_APP_INFO}}) {
        const int nButton = half[0];
        auto fnOpen = [this, nButton](const QString& strPath) { OpenImageFile(nButton, strPath); };
        new CDropTarget({Control(half[2]), Control(half[3])}, fnOpen, this);
        AddRecentFilesMenu(static_cast<QPushButton*>(Control(nButton)),
                           static_cast<QToolButton*>(Control(half[1])), nButton, fnOpen);
    }
    AddAboutToEditMenus({Control(IDC_BOOT_PATH), Control(IDC_APP_PATH), Control(IDC_ADDRESS_OFFSET),
                         Control(IDC_OUTPUT_PATH), Control(IDC_OUTPUT_PANE)},
                        [this] { ShowAboutBox(); });
}

void CQuorrixDlg::PlaceControls() {
    const QSize extra = size() - minimumSize();
    for (int i = 0; i < m_placed.size(); ++i) {
        const ControlTemplate& t = MAIN_DIALOG_CONTROLS[i];
        QRect rect = PlaceControl(t, font(), extra);
        if (t.kind == ControlKind::Label || t.kind == ControlKind::CentredLabel) {
            // A translation longer than the template's text is shown whole.
            rect = FitTextWidth(t, rect, m_placed[i]->sizeHint().width());
        }
        m_placed[i]->setGeometry(rect);
    }
    if (!m_report.pStrip->isVisibleTo(this)) return;
    QWidget* pPane = Control(IDC_OUTPUT_PANE);
    QRect pane = pPane->geometry(), strip = m_report.pStrip->geometry();
    MakeRoomForStrip(font(), pane, strip);
    pPane->setGeometry(pane);
    m_report.pStrip->setGeometry(strip);
}

void CQuorrixDlg::resizeEvent(QResizeEvent* pEvent) {
    QDialog::resizeEvent(pEvent);
    PlaceControls();
}

bool CQuorrixDlg::OnInitDialog() {
    if (m_bInitialized) return true;
    m_bInitialized = true;
    setWindowIcon(m_hIcon);
    g_RunLog.AttachOutputWnd(Control(IDC_OUTPUT_PANE));
    ConfigureRunLog(g_RunLog, LogRootFolder());
    WriteLog(QStringLiteral("Program Start \r\n"));
    LoadWindowSettings();
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
        // Paths as the system shows them everywhere else ("Z:\tmp\x.bin" on Windows).
        pEdit->setText(IsPathEdit(nId) ? QDir::toNativeSeparators(strText) : strText);
    } else if (auto* pLabel = qobject_cast<QLabel*>(pControl)) {
        pLabel->setText(ForDisplay(strText));  // its labels came translated
    } else if (auto* pPane = qobject_cast<QPlainTextEdit*>(pControl)) {
        pPane->setPlainText(strText);
    }
}

bool CQuorrixDlg::AskYesNo(const QString& strQuestion) {
    return m_pPrompts->AskYesNo(TranslateCoreText(strQuestion));
}

void CQuorrixDlg::ShowReport(const QString& strReport) {
    if (m_nInspectedPanel != 0) SetControlText(m_nInspectedPanel, strReport);
}

// Not asked by the window's own handlers, which choose their files themselves.
void CQuorrixDlg::OnBnClickedOpenBootLoader() { ChooseAndOpenImage(IDC_OPEN_BOOT); }
void CQuorrixDlg::OnBnClickedOpenApp() { ChooseAndOpenImage(IDC_OPEN_APP); }
void CQuorrixDlg::OnBnClickedVerifyFirmware() { ShowVerifyReport(this, *m_pDialogs); }
void CQuorrixDlg::OnBnClickedCompareFirmware() { ShowCompareReport(this, *m_pDialogs); }

void CQuorrixDlg::OnBnClickedFlashFirmware() {
    CFlashDlg dlg(this, *this, *m_pDialogs);
    if (g_Workspace.nFirmwareSize > 0) {
        dlg.SetImage(QByteArray(reinterpret_cast<const char*>(g_Workspace.FirmwareBuf),
                                g_Workspace.nFirmwareSize),
                     tr("上次合成的固件"));
    }
    dlg.exec();
}

// A file that was read has its report in its panel; one that was not leaves the panel as it was.
void CQuorrixDlg::ShowInspection(int nPanel, const InspectionResult& result) {
    if (result.Read()) SetControlText(nPanel, result.strReport);
}

// The dialog starts in the folder of the button's last file.
void CQuorrixDlg::ChooseAndOpenImage(int nButtonId) {
    QString strPath;
    if (m_pDialogs->ChooseOpenFile(nButtonId, RememberedFolder(nButtonId), strPath)) {
        OpenImageFile(nButtonId, strPath);
    }
}

void CQuorrixDlg::OpenImageFile(int nButtonId, const QString& strPath) {
    RememberFile(nButtonId, strPath);
    if (nButtonId == IDC_OPEN_BOOT) {
        SetControlText(IDC_BOOT_PATH, strPath);
        m_nInspectedPanel = IDC_BOOT_INFO;
        ShowInspection(IDC_BOOT_INFO, InspectBootLoaderFile(g_Workspace, *this, strPath));
    } else if (nButtonId == IDC_OPEN_APP) {
        SetControlText(IDC_APP_PATH, strPath);
        m_nInspectedPanel = IDC_APP_INFO;
        ShowInspection(IDC_APP_INFO,
                       InspectAppFile(g_Workspace, *this, strPath, FileTitleOf(strPath)));
    }
    m_nInspectedPanel = 0;
    ShowAcceptedLayout(*m_report.pStrip);
    PlaceControls();  // the strip, shown or hidden, takes or gives back the pane's bottom
}

void CQuorrixDlg::OnBnClickedMergeFirmware() {
    MergeOptions options;
    if (!MergeFirmware(g_Workspace, *this, options).Done()) return;
    QString strPath;
    // The window's one say in the merge's options: the format of the file the user chose.
    if (!ChooseSaveTarget(options.nFormat, strPath)) return;
    SetControlText(IDC_OUTPUT_PATH, strPath);
    RememberFile(IDC_MERGE, strPath);
    SaveFirmwareFile(g_Workspace, strPath, options);
}

// The dialog starts in the folder of the last save, with the proposed name as a binary.
bool CQuorrixDlg::ChooseSaveTarget(int& nFormat, QString& strPath) {
    const QString strName =
        WithDefaultExtension(ProposedFirmwareName(g_Workspace), FormatExtension(FORMAT_BIN));
    const QString strFolder = RememberedFolder(IDC_MERGE);
    QString strChosen;
    int nFilterFormat = FORMAT_ANY;
    if (!m_pDialogs->ChooseSaveFile(
            strFolder.isEmpty() ? strName : QDir(strFolder).filePath(strName), strChosen,
            nFilterFormat)) {
        return false;
    }
    const SaveTarget target = ResolveSaveTarget(strChosen, nFilterFormat);
    // The dialog asked about the name it was given, not about the one with the extension added.
    if (target.strPath != strChosen && QFileInfo::exists(target.strPath) &&
        !m_pPrompts->AskYesNo(
            tr("%1 已存在。\n要替换它吗?").arg(QDir::toNativeSeparators(target.strPath)))) {
        return false;
    }
    nFormat = target.nFormat;
    strPath = target.strPath;
    return true;
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
