#pragma once

class QFile;

// Advisory lock on an open file, so that two running copies of the tool never write one file
// at once ("deny write") or read one that the other holds exclusively. Readers that do not
// lock are not kept out. Returns false when another process holds the lock.
bool LockFileExclusive(QFile& file);
