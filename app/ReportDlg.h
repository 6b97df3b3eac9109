#pragma once

#include <QDialog>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;
class QVBoxLayout;

// A report window: a head, one row per finding, what follows the rows, and a button that
// copies all of it as text. It closes itself away; the main window stays usable meanwhile.
class CReportDlg : public QDialog {
    Q_OBJECT
public:
    QTreeWidget* Rows() const { return m_pRows; }
    QString HeadText() const;
    QString FootText() const;
    // The head, the rows (their columns two spaces apart) and the foot, as copied.
    QString ReportText() const;

protected:
    CReportDlg(QWidget* pParent, const QString& strTitle, const QString& strHead,
               const QStringList& columns);
    // Colours a row as a finding that holds or fails.
    static void MarkRow(QTreeWidgetItem* pRow, bool bOk);
    void SetFoot(const QString& strText);
    void InsertWidget(QWidget* pWidget);  // between the rows and the foot
    // Sizes the window to show every row whole, as far as the screen allows.
    void FitToRows();

private:
    void CopyReport() const;

    QLabel* m_pHead;
    QTreeWidget* m_pRows;
    QLabel* m_pFoot;
    QVBoxLayout* m_pLayout;
};
