#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "platform/CodePage.h"
#include "platform/FileSystem.h"

// Linux keeps the logs under XDG_STATE_HOME, Windows without a drive D: under LOCALAPPDATA.
TempFolder::TempFolder()
    : m_strOldCwd(QDir::currentPath()),
      m_oldState(qgetenv("XDG_STATE_HOME")),
      m_oldAppData(qgetenv("LOCALAPPDATA")) {
    EXPECT_TRUE(m_dir.isValid());
    QDir::setCurrent(m_dir.path());
    const QString strState = m_dir.filePath(QStringLiteral("state"));
    qputenv("XDG_STATE_HOME", QFile::encodeName(strState));
    qputenv("LOCALAPPDATA", QFile::encodeName(QDir::toNativeSeparators(strState)));
}

TempFolder::~TempFolder() {
    QDir::setCurrent(m_strOldCwd);
    qputenv("XDG_STATE_HOME", m_oldState);
    qputenv("LOCALAPPDATA", m_oldAppData);
}

QString TempFolder::LogRoot() const { return LogRootFolder(); }

ScopedEnv::ScopedEnv(const char* pName, const QByteArray& value)
    : m_pName(pName), m_old(qgetenv(pName)), m_bHadOld(qEnvironmentVariableIsSet(pName)) {
    qputenv(pName, value);
}

ScopedEnv::~ScopedEnv() {
    if (m_bHadOld) {
        qputenv(m_pName, m_old);
    } else {
        qunsetenv(m_pName);
    }
}

QByteArray ReadAllBytes(const QString& strPath) {
    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly)) return QByteArray();
    return file.readAll();
}

void WriteAllBytes(const QString& strPath, const QByteArray& bytes) {
    QFile file(strPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

ScopedCodePage::ScopedCodePage(const QByteArray& name) { SetCodePage(name); }
ScopedCodePage::~ScopedCodePage() { SetCodePage(QByteArray()); }
