#include "app/FlashDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QThread>
#include <algorithm>

#include "app/CoreTexts.h"
#include "app/FileDialogs.h"
#include "app/FileHistory.h"
#include "app/FlashBridge.h"
#include "app/SaveTarget.h"
#include "firmware/probe/FlashImage.h"
#include "firmware/probe/GdbServers.h"
#include "platform/SerialPort.h"

namespace {

constexpr int IDC_FLASH_IMAGE = 1121;  // the remembered folder of the flash's image file
constexpr int IDC_FLASH_SAVE = 1122;   // and of the module's saved firmware

// Lines of a that differ from the same line of b get a "*" in front.
QString MarkDifferences(const QString& strA, const QString& strB) {
    const QStringList a = strA.split(QStringLiteral("\r\n"));
    const QStringList b = strB.split(QStringLiteral("\r\n"));
    QStringList out;
    for (qsizetype i = 0; i < a.size(); ++i) {
        out.append((i < b.size() && a[i] == b[i] ? QStringLiteral("  ") : QStringLiteral("* ")) +
                   a[i]);
    }
    return out.join(QLatin1Char('\n'));
}

QPlainTextEdit* MakeBlocksView(QWidget* pParent) {
    auto* pView = new QPlainTextEdit(pParent);
    pView->setReadOnly(true);
    pView->setLineWrapMode(QPlainTextEdit::NoWrap);
    pView->setMinimumSize(330, 260);
    return pView;
}

// Makes the view wide and tall enough for every line of its text, within its share of the
// screen, so that a catalogue's long module name is not cut off.
void FitToText(QPlainTextEdit* pView) {
    const QFontMetrics metrics = pView->fontMetrics();
    int nWidth = 0;
    const QStringList lines = pView->toPlainText().split(QLatin1Char('\n'));
    for (const QString& strLine : lines)
        nWidth = std::max(nWidth, metrics.horizontalAdvance(strLine));
    const int nChrome =
        2 * (pView->frameWidth() + static_cast<int>(pView->document()->documentMargin())) +
        pView->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
    const QSize screen = pView->screen()->availableGeometry().size();
    pView->setMinimumSize(
        std::clamp(nWidth + nChrome, 330, screen.width() * 2 / 5),
        std::clamp(static_cast<int>(lines.size()) * metrics.lineSpacing() + nChrome, 260,
                   screen.height() / 2));
}

}  // namespace

CFlashDlg::CFlashDlg(QWidget* pParent, IFirmwarePrompts& prompts, IFileDialogs& dialogs)
    : QDialog(pParent), m_dialogs(dialogs), m_pBridge(new CFlashBridge(prompts, this)) {
    setWindowTitle(tr("烧写固件"));
    BuildLayout();
    connect(m_pBridge, &CFlashBridge::ProgressChanged, this,
            [this](const QString& strStep, qint64 nDone, qint64 nTotal) {
                m_pStep->setText(TranslateCoreText(strStep));
                m_pProgress->setRange(0, 1000);
                m_pProgress->setValue(nTotal > 0 ? static_cast<int>(nDone * 1000 / nTotal) : 0);
            });
}

CFlashDlg::~CFlashDlg() {
    if (m_pWorker) {
        m_pBridge->Cancel();
        m_pWorker->wait();
    }
}

void CFlashDlg::BuildLayout() {
    m_pServer = new QComboBox(this);
    m_pServer->addItem(tr("自动识别"), QString());
    for (const GdbServerProfile& profile : GdbServerProfiles()) {
        if (QLatin1String(profile.pName) == QLatin1String("generic")) continue;
        const QString strPort =
            profile.nDefaultPort ? QStringLiteral("  :%1").arg(profile.nDefaultPort) : QString();
        m_pServer->addItem(QLatin1String(profile.pTitle) + strPort, QLatin1String(profile.pName));
    }
    m_pAddress = new QComboBox(this);
    m_pAddress->setEditable(true);
    m_pAddress->setMinimumContentsLength(28);
    // A long remembered command must not widen the window.
    m_pAddress->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_pAddress->addItems(RememberedTexts(QStringLiteral("Flash/Addresses")));
    for (const QString& strDefault : {QStringLiteral(":3333"), QStringLiteral(":2331"),
                                      QStringLiteral(":4242"), QStringLiteral(":1234")}) {
        if (m_pAddress->findText(strDefault) < 0) m_pAddress->addItem(strDefault);
    }
    m_pAddress->addItems(SerialDeviceNames());
    m_pServer->setCurrentIndex(
        std::max(0, m_pServer->findData(RememberedTexts(QStringLiteral("Flash/Server")).value(0))));
    connect(m_pServer, &QComboBox::currentIndexChanged, this, [this](int nIndex) {
        const GdbServerProfile* pProfile = FindGdbServer(m_pServer->itemData(nIndex).toString());
        if (pProfile && pProfile->nDefaultPort && Address().startsWith(QLatin1Char(':'))) {
            SetAddress(QStringLiteral(":%1").arg(pProfile->nDefaultPort));
        }
    });
    m_pImageLabel = new QLabel(tr("未选择固件"), this);
    auto* pChoose = new QPushButton(tr("选择文件..."), this);
    connect(pChoose, &QPushButton::clicked, this, &CFlashDlg::OnChooseImage);
    m_pModuleBlocks = MakeBlocksView(this);
    m_pImageBlocks = MakeBlocksView(this);
    m_pProgress = new QProgressBar(this);
    m_pStep = new QLabel(this);
    m_pResult = new QLabel(this);
    m_pResult->setWordWrap(true);
    m_pResult->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pRead = new QPushButton(tr("读取模块"), this);
    m_pSave = new QPushButton(tr("保存模块固件..."), this);
    m_pFlash = new QPushButton(tr("烧写"), this);
    m_pCancel = new QPushButton(tr("取消"), this);
    m_pClose = new QPushButton(tr("关闭"), this);
    m_pCancel->setEnabled(false);
    m_pFlash->setEnabled(false);
    connect(m_pRead, &QPushButton::clicked, this, &CFlashDlg::OnReadModule);
    connect(m_pSave, &QPushButton::clicked, this, &CFlashDlg::OnSaveModule);
    connect(m_pFlash, &QPushButton::clicked, this, &CFlashDlg::OnFlash);
    connect(m_pCancel, &QPushButton::clicked, this, [this] { m_pBridge->Cancel(); });
    connect(m_pClose, &QPushButton::clicked, this, &CFlashDlg::reject);

    auto* pGrid = new QGridLayout(this);
    pGrid->addWidget(new QLabel(tr("GDB 服务器"), this), 0, 0);
    pGrid->addWidget(m_pServer, 0, 1);
    pGrid->addWidget(m_pAddress, 0, 2, 1, 2);
    pGrid->addWidget(new QLabel(tr("固件"), this), 1, 0);
    pGrid->addWidget(m_pImageLabel, 1, 1, 1, 2);
    pGrid->addWidget(pChoose, 1, 3);
    pGrid->addWidget(new QLabel(tr("模块"), this), 2, 0, 1, 2);
    pGrid->addWidget(new QLabel(tr("固件"), this), 2, 2, 1, 2);
    pGrid->addWidget(m_pModuleBlocks, 3, 0, 1, 2);
    pGrid->addWidget(m_pImageBlocks, 3, 2, 1, 2);
    pGrid->addWidget(m_pStep, 4, 0);
    pGrid->addWidget(m_pProgress, 4, 1, 1, 3);
    pGrid->addWidget(m_pResult, 5, 0, 1, 4);
    auto* pButtons = new QHBoxLayout;
    for (QPushButton* pButton : {m_pRead, m_pSave, m_pFlash, m_pCancel, m_pClose}) {
        pButtons->addWidget(pButton);
    }
    pGrid->addLayout(pButtons, 6, 0, 1, 4);
    pGrid->setRowStretch(3, 1);
}

void CFlashDlg::SetImage(const QByteArray& image, const QString& strSource) {
    m_image = image;
    m_pImageLabel->setText(strSource + QStringLiteral(", %1 Bytes").arg(image.size()));
    m_pFlash->setEnabled(!image.isEmpty() && !Busy());
    ShowBlocks(nullptr);
}

QString CFlashDlg::Address() const { return m_pAddress->currentText().trimmed(); }
void CFlashDlg::SetAddress(const QString& strAddress) { m_pAddress->setEditText(strAddress); }
QString CFlashDlg::ServerName() const { return m_pServer->currentData().toString(); }
QString CFlashDlg::ResultText() const { return m_pResult->text(); }
QString CFlashDlg::ModuleText() const { return m_pModuleBlocks->toPlainText(); }

void CFlashDlg::ShowBlocks(const ModuleInfo* pModule) {
    const QString strImage = m_image.isEmpty() ? QString() : ModuleReport(ModuleInfoOf(m_image));
    if (!pModule) {
        m_pImageBlocks->setPlainText(
            QString(strImage).replace(QLatin1String("\r\n"), QLatin1String("\n")));
        FitBlocks();
        return;
    }
    const QString strModule = ModuleReport(*pModule);
    m_pModuleBlocks->setPlainText(
        strImage.isEmpty() ? QString(strModule).replace(QLatin1String("\r\n"), QLatin1String("\n"))
                           : MarkDifferences(strModule, strImage));
    if (!strImage.isEmpty()) m_pImageBlocks->setPlainText(MarkDifferences(strImage, strModule));
    FitBlocks();
}

void CFlashDlg::FitBlocks() {
    FitToText(m_pModuleBlocks);
    FitToText(m_pImageBlocks);
    resize(size().expandedTo(sizeHint()));
}

void CFlashDlg::ShowResult(const ProbeResult& result, const QString& strDone) {
    m_pResult->setText(result.Done() ? strDone : tr("失败: ") + TranslateCoreText(result.Text()));
}

void CFlashDlg::Remember() {
    QStringList addresses = RememberedTexts(QStringLiteral("Flash/Addresses"));
    addresses.removeAll(Address());
    addresses.prepend(Address());
    RememberTexts(QStringLiteral("Flash/Addresses"), addresses.mid(0, RECENT_FILE_COUNT));
    RememberTexts(QStringLiteral("Flash/Server"), {ServerName()});
}

void CFlashDlg::RunJob(std::function<void()> job, std::function<void()> done) {
    Remember();
    m_pBridge->Reset();
    m_pResult->clear();
    m_pProgress->setRange(0, 0);  // busy until the first step reports
    for (QPushButton* pButton : {m_pRead, m_pSave, m_pFlash, m_pClose}) pButton->setEnabled(false);
    m_pCancel->setEnabled(true);
    m_pWorker = QThread::create(std::move(job));
    connect(m_pWorker, &QThread::finished, this, [this, done = std::move(done)] {
        m_pWorker->deleteLater();
        m_pWorker = nullptr;
        done();
        m_pStep->clear();
        m_pProgress->setRange(0, 1000);
        for (QPushButton* pButton : {m_pRead, m_pSave, m_pClose}) pButton->setEnabled(true);
        m_pFlash->setEnabled(!m_image.isEmpty());
        m_pCancel->setEnabled(false);
    });
    m_pWorker->start();
}

void CFlashDlg::OnReadModule() {
    auto pModule = std::make_shared<ModuleInfo>();
    auto pResult = std::make_shared<ProbeResult>();
    const QString strAddress = Address(), strServer = ServerName();
    RunJob(
        [=, this] {
            CGdbTarget target;
            *pResult = ConnectModule(target, strAddress, strServer);
            if (pResult->Done()) *pResult = ReadModuleInfo(target, *pModule, *m_pBridge);
            if (pResult->Done()) target.Detach();
        },
        [=, this] {
            if (pResult->Done()) ShowBlocks(pModule.get());
            ShowResult(*pResult, tr("已读取模块"));
        });
}

void CFlashDlg::OnSaveModule() {
    QString strChosen;
    int nFilter = FORMAT_ANY;
    const QString strFolder = RememberedFolder(IDC_FLASH_SAVE);
    const QString strProposed = (strFolder.isEmpty() ? QString() : strFolder + QLatin1Char('/')) +
                                QStringLiteral("module.bin");
    if (!m_dialogs.ChooseSaveFile(strProposed, strChosen, nFilter)) return;
    const SaveTarget target = ResolveSaveTarget(strChosen, nFilter);
    RememberFile(IDC_FLASH_SAVE, target.strPath);
    auto pResult = std::make_shared<ProbeResult>();
    const QString strAddress = Address(), strServer = ServerName();
    RunJob(
        [=, this] {
            CGdbTarget gdb;
            QByteArray bytes;
            *pResult = ConnectModule(gdb, strAddress, strServer);
            if (pResult->Done()) {
                *pResult = gdb.Read(APP_ADDRESS_BASE, ModuleReadSize(gdb, 0), bytes, *m_pBridge,
                                    QStringLiteral("读取"));
            }
            if (pResult->Done()) *pResult = gdb.Detach();
            if (pResult->Done()) *pResult = SaveModuleImage(target.strPath, bytes, target.nFormat);
        },
        [=, this] { ShowResult(*pResult, tr("已保存 ") + target.strPath); });
}

void CFlashDlg::OnFlash() {
    if (m_image.isEmpty()) return;
    auto pReport = std::make_shared<FlashReport>();
    FlashOptions options;
    options.strServer = ServerName();
    options.strBackupFolder = DayLogFolder();
    const QString strAddress = Address();
    const QByteArray image = m_image;
    RunJob(
        [=, this] { *pReport = FlashModule(strAddress, image, options, *m_pBridge, *m_pBridge); },
        [=, this] {
            // Verified byte for byte: the module now holds the image's blocks.
            const ModuleInfo written = ModuleInfoOf(image);
            if (pReport->result.Done()) {
                ShowBlocks(&written);
            } else if (pReport->bModuleRead) {
                ShowBlocks(&pReport->module);
            }
            ShowResult(pReport->result,
                       tr("烧写成功, 已校验%1")
                           .arg(pReport->bMarkerWritten ? tr(", 已写入标记") : QString()));
        });
}

void CFlashDlg::OnChooseImage() {
    QString strPath;
    if (!m_dialogs.ChooseOpenFile(IDC_FLASH_IMAGE, RememberedFolder(IDC_FLASH_IMAGE), strPath)) {
        return;
    }
    RememberFile(IDC_FLASH_IMAGE, strPath);
    QByteArray image;
    const CoreResult read = ReadFlashImage(strPath, 0, image);
    if (!read.Done()) {
        m_pResult->setText(tr("失败: ") + CoreResultText(read));
        return;
    }
    SetImage(image, strPath);
}

void CFlashDlg::reject() {
    // A flash is never left running behind a closed window: it is cancelled, and the window
    // closes once the core has stopped.
    if (m_pWorker) {
        m_pBridge->Cancel();
        return;
    }
    QDialog::reject();
}
