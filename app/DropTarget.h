#pragma once

#include <QList>
#include <QObject>
#include <functional>

class QWidget;

// One half of the main window as a drop target: a single dropped file opens there as that
// half's button would after its file dialog. A drop is never pasted into an edit as text.
class CDropTarget : public QObject {
public:
    CDropTarget(QList<QWidget*> controls, std::function<void(const QString&)> fnOpen,
                QObject* pParent);

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void Drop(const QList<QUrl>& urls);

    std::function<void(const QString&)> m_fnOpen;
};
