#pragma once

#include <QByteArray>
#include <QString>

class CRunLog;

// A run log set up as the main window sets it up, writing below strRoot.
void ConfigureLikeWindow(CRunLog& log, const QString& strRoot);

// The log file of a day below strRoot, with the window's log name.
QString DayFile(const QString& strRoot, const QString& strDate);

QByteArray Opening(const char* pStamp);
QByteArray Closing(const char* pStamp);
