#pragma once

#include <QString>

class MHash;

// The store's content in name order, one section line and its items, with CR and LF escaped.
QString DumpStore(const MHash& store);
