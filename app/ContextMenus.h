#pragma once

#include <QList>
#include <functional>

class QMenu;
class QWidget;

// Ends a menu with a separator and "关于 Quorrix(&A)...", which calls fnAbout.
void AddAboutItem(QMenu& menu, const std::function<void()>& fnAbout);

// The edits' and the output pane's own context menus, with the About item at their end.
void AddAboutToEditMenus(const QList<QWidget*>& edits, const std::function<void()>& fnAbout);
