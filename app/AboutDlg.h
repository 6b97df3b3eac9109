#pragma once

#include <QDialog>

// The About box: icon, name and version, a notice, and "确定".
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* pParent = nullptr);
};
