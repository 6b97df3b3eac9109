#pragma once

#include <QList>
#include <QString>

#include "app/SaveTarget.h"

// What the window's file dialogs offer: their filters, in the UI language, with all files
// first when opening, so that no image is hidden; and the proposed name of a saved file.
QString OpenFileFilter();

// The save dialog's filters, each with the format it writes (FORMAT_ANY for all files).
struct SaveFilter {
    QString strFilter;
    int nFormat = FORMAT_ANY;
};
QList<SaveFilter> SaveFileFilters();

// The proposed name with its extension already on it: "TC8_App_1.05" would otherwise be
// saved as it stands, since ".05" passes for an extension.
QString WithDefaultExtension(const QString& strName, const QString& strExt);
