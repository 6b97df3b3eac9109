#pragma once

#include <cstdio>

#include "log/OutputPane.h"

// The command-line tool's output pane: every run-log text goes to standard error, with each
// "\r\n" as a line end.
class CStderrPane : public IOutputPane {
public:
    int PaneKind() const override { return 1; }
    bool Exists() const override { return true; }
    void Configure() override {}
    void DeleteHead(const QString&, bool) override {}
    int FirstVisibleLine() const override { return 0; }
    void InsertOnLastLine(const QString& strText, bool bAtLineEnd) override;
    void ScrollLines(int) override {}
    void ScrollToBottom() override {}
    void Repaint() override {}
};

// Prints text to a stream (see WriteStreamText) with "\r\n" turned into line ends. A failed
// write to standard output is remembered (StdoutError); one to standard error is let go, so a
// closed terminal never ends the run.
void PrintLines(std::FILE* pStream, QString strText);
// Writes bytes as they are, with the same bookkeeping.
void PrintBytes(std::FILE* pStream, const char* pData, qsizetype nSize);

// The first error number of a failed write to standard output, 0 when every write succeeded.
int StdoutError();
