#pragma once

#include <QByteArray>
#include <QString>

// The log file of a day below strRoot, with the window's log name.
QString DayFile(const QString& strRoot, const QString& strDate);

QByteArray Opening(const char* pStamp);
QByteArray Closing(const char* pStamp);
