#pragma once

#include <QJsonObject>
#include <QString>

// Both info blocks of a file, decoded, with the file's size: what --json prints.
QJsonObject ImageJson(const QString& strPath);
