#pragma once

#include <QString>
#include <QStringList>

// Where the window looks for the device catalogue, in order: "./DeviceList.Ini", then
// $XDG_CONFIG_HOME/Quorrix/DeviceList.Ini (~/.config when unset), or on Windows the folder of
// the program, so that a start from the desktop menu (in the home folder) still finds it.
QStringList CatalogueSearchPaths();

// Loads g_DeviceList from the first path that can be read. Returns that path, or an empty
// text when none could be read; strTried then lists every path tried. A catalogue too large to
// be one stops the search with the store empty and its run-log line in strRefusal.
QString LoadDeviceCatalogue(const QStringList& paths, QString& strTried, QString& strRefusal);
