#include "app/ReportDlg.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
QLabel* TextLabel(QWidget* pParent) {
    auto* pLabel = new QLabel(pParent);
    pLabel->setTextFormat(Qt::PlainText);
    pLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return pLabel;
}
}  // namespace

CReportDlg::CReportDlg(QWidget* pParent, const QString& strTitle, const QString& strHead,
                       const QStringList& columns)
    : QDialog(pParent, Qt::Window),
      m_pHead(TextLabel(this)),
      m_pRows(new QTreeWidget(this)),
      m_pFoot(TextLabel(this)),
      m_pLayout(new QVBoxLayout(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(strTitle);
    m_pHead->setText(strHead);
    m_pRows->setRootIsDecorated(false);
    m_pRows->setColumnCount(static_cast<int>(columns.size()));
    m_pRows->setHeaderLabels(columns);
    m_pRows->header()->setStretchLastSection(true);
    m_pRows->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* pCopy = pButtons->addButton(tr("复制报告"), QDialogButtonBox::ActionRole);
    pCopy->setAutoDefault(false);
    connect(pCopy, &QPushButton::clicked, this, &CReportDlg::CopyReport);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::close);
    pButtons->button(QDialogButtonBox::Close)->setText(tr("关闭"));
    m_pLayout->addWidget(m_pHead);
    m_pLayout->addWidget(m_pRows, 1);
    m_pLayout->addWidget(m_pFoot);
    m_pLayout->addWidget(pButtons);
    resize(760, 460);
}

void CReportDlg::FitToRows() {
    int nWidth = 2 * m_pRows->frameWidth() + 8;
    for (int i = 0; i < m_pRows->columnCount(); ++i) {
        m_pRows->resizeColumnToContents(i);
        nWidth += m_pRows->columnWidth(i);
    }
    int nHeight = 2 * m_pRows->frameWidth() + m_pRows->header()->sizeHint().height() + 4;
    for (int i = 0; i < m_pRows->topLevelItemCount(); ++i) nHeight += m_pRows->sizeHintForRow(i);
    const QMargins margins = m_pLayout->contentsMargins();
    const QSize wanted(nWidth + margins.left() + margins.right(),
                       sizeHint().height() - m_pRows->sizeHint().height() + nHeight);
    // As large as its rows need, within the screen it opens on.
    const QRect available = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 1024);
    resize(wanted.expandedTo(QSize(560, 360)).boundedTo(available.size() * 9 / 10));
}

QString CReportDlg::HeadText() const { return m_pHead->text(); }
QString CReportDlg::FootText() const { return m_pFoot->text(); }
void CReportDlg::SetFoot(const QString& strText) { m_pFoot->setText(strText); }

void CReportDlg::InsertWidget(QWidget* pWidget) {
    m_pLayout->insertWidget(m_pLayout->indexOf(m_pFoot), pWidget);
}

void CReportDlg::MarkRow(QTreeWidgetItem* pRow, bool bOk) {
    const QColor text = bOk ? QColor(20, 120, 40) : QColor(190, 20, 20);
    pRow->setForeground(0, text);
    if (bOk) return;
    for (int i = 0; i < pRow->columnCount(); ++i) {
        pRow->setForeground(i, text);
        pRow->setBackground(i, QColor(255, 228, 228));
    }
}

QString CReportDlg::ReportText() const {
    QString strText = m_pHead->text() + QLatin1Char('\n');
    for (int i = 0; i < m_pRows->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* pRow = m_pRows->topLevelItem(i);
        QStringList columns;
        for (int j = 0; j < m_pRows->columnCount(); ++j) columns.append(pRow->text(j));
        strText += columns.join(QLatin1String("  ")).trimmed() + QLatin1Char('\n');
    }
    return strText + m_pFoot->text() + QLatin1Char('\n');
}

void CReportDlg::CopyReport() const { QApplication::clipboard()->setText(ReportText()); }
