#pragma once

#include <QString>

// What the window's file dialogs offer: their filters, in the UI language, with all files
// first when opening, so that no image is hidden; and the proposed name of a saved file.
QString OpenFileFilter();
QString SaveFileFilter();

// The proposed name with its extension already on it: "TC8_App_1.05" would otherwise be
// saved as it stands, since ".05" passes for an extension.
QString WithDefaultExtension(const QString& strName, const QString& strExt);
