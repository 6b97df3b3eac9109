#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QTemporaryDir>

// A temporary folder that is the current directory and the state folder for one test.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    QString Path() const { return m_dir.path(); }
    QString File(const QString& strName) const { return m_dir.filePath(strName); }
    // Where the run log of a program started now puts its day folders.
    QString LogRoot() const;

private:
    QTemporaryDir m_dir;
    QString m_strOldCwd;
    QByteArray m_oldState;
    QByteArray m_oldAppData;
};

// Sets an environment variable for one scope.
class ScopedEnv {
public:
    ScopedEnv(const char* pName, const QByteArray& value);
    ~ScopedEnv();

private:
    const char* m_pName;
    QByteArray m_old;
    bool m_bHadOld;
};

// Puts a code page in force for one scope, as QUORRIX_CODEPAGE would at start-up.
class ScopedCodePage {
public:
    explicit ScopedCodePage(const QByteArray& name);
    ~ScopedCodePage();
};

// A path as the system writes it ("\" on Windows), as the run log shows it.
inline QString Native(const QString& strPath) { return QDir::toNativeSeparators(strPath); }

QByteArray ReadAllBytes(const QString& strPath);
void WriteAllBytes(const QString& strPath, const QByteArray& bytes);
