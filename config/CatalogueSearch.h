#pragma once

#include <QString>
#include <QStringList>

// Where the window looks for the device catalogue, in order: "./DeviceList.Ini", then
// $XDG_CONFIG_HOME/Quorrix/DeviceList.Ini (~/.config when unset), or on Windows the folder of
// the program, so that a start from the desktop menu (in the home folder) still finds it.
QStringList CatalogueSearchPaths();

// What LoadDeviceCatalogue found.
struct CatalogueLoad {
    QString strPath;     // the catalogue loaded; empty when none could be read
    QString strTried;    // every path tried, "; " between them
    QString strRefused;  // a catalogue too large to be one, which stopped the search
    QString strRefusal;  // why it was refused
};

// Loads g_DeviceList from the first path that can be read. A catalogue too large to be one
// stops the search with the store empty.
CatalogueLoad LoadDeviceCatalogue(const QStringList& paths);
