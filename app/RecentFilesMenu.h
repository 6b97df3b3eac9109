#pragma once

#include <QString>
#include <functional>

class QPushButton;
class QToolButton;

// The last files of a file button in a menu, from the small arrow beside it and from the
// button's own context menu; fnOpen gets the path chosen, once the menu has closed.
void AddRecentFilesMenu(QPushButton* pButton, QToolButton* pArrow, int nButtonId,
                        std::function<void(const QString&)> fnOpen);
