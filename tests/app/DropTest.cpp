// Files dropped on the two halves of the whole window, through Qt's own drag events.
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

#include "app/WindowWorkspace.h"
#include "tests/app/AppTestSupport.h"

namespace {

class Drop : public DialogTest {
protected:
    // Drags the files onto a control as a file manager would, and lets the window open them.
    void DropFiles(int nId, const QStringList& paths) {
        QMimeData mime;
        QList<QUrl> urls;
        for (const QString& strPath : paths) urls.append(QUrl::fromLocalFile(strPath));
        mime.setUrls(urls);
        mime.setText(urls.isEmpty() ? QString() : urls.first().toString());
        QWidget* pControl = m_pDlg->Control(nId);
        const QPoint at = pControl->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(pControl, &enter);
        EXPECT_TRUE(enter.isAccepted()) << nId;
        QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(pControl, &drop);
        Tick();
    }
};

}  // namespace

TEST_F(Drop, OneFileOpensInItsHalfAndIsNeverPasted) {
    const QString strBoot = WriteBootImage(m_tmp, "boot.bin");
    const QString strApp = WriteAppImage(m_tmp, "AppX.bin");
    DropFiles(IDC_BOOT_INFO, {strBoot});
    DropFiles(IDC_APP_PATH, {strApp});
    EXPECT_EQ(m_pDlg->ControlText(IDC_BOOT_PATH), QDir::toNativeSeparators(strBoot));
    EXPECT_EQ(m_pDlg->ControlText(IDC_APP_PATH),
              QDir::toNativeSeparators(strApp));  // not "file://..." pasted in
    EXPECT_EQ(g_Workspace.bBootLoaded + g_Workspace.bAppLoaded, 2);
    EXPECT_EQ(g_Workspace.strAppFileTitle, QStringLiteral("AppX"));
    EXPECT_TRUE(m_pDlg->ControlText(IDC_BOOT_INFO).contains(QString::fromUtf8("文件大小: 3000")));
    EXPECT_TRUE(PaneText().contains(QString::fromUtf8("] 打开 File ") + Native(strApp) +
                                    QString::fromUtf8(" = 成功\n")));
    EXPECT_EQ(m_dialogs.m_nDialogs, 0);  // no file dialog was shown
}

TEST_F(Drop, SeveralFilesOrAFolderAreRefusedWithALogLine) {
    const QString strBoot = WriteBootImage(m_tmp, "boot.bin");
    const QString strApp = WriteAppImage(m_tmp, "AppX.bin");
    DropFiles(IDC_BOOT_PATH, {strBoot, strApp});
    QDir(m_tmp.Path()).mkdir(QStringLiteral("images"));
    DropFiles(IDC_APP_INFO, {m_tmp.File("images")});
    EXPECT_EQ(g_Workspace.bBootLoaded + g_Workspace.bAppLoaded, 0);
    EXPECT_TRUE(m_pDlg->ControlText(IDC_BOOT_PATH).isEmpty());
    EXPECT_TRUE(m_pDlg->ControlText(IDC_APP_PATH).isEmpty());
    EXPECT_TRUE(
        PaneText().contains(QString::fromUtf8("] 拖放 2 个文件 = 失败, 一次只能打开一个文件\n")));
    EXPECT_TRUE(PaneText().contains(QString::fromUtf8("] 拖放 File ") +
                                    Native(m_tmp.File("images")) +
                                    QString::fromUtf8(" = 失败, 不是文件\n")));
}
