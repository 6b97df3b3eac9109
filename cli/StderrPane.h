#pragma once

#include <QObject>
#include <cstdio>

#include "log/OutputPane.h"

// The command-line tool's output pane: every run-log text goes to standard error, with each
// "\r\n" as a line end.
class CStderrPane : public QObject, public IOutputPane {
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

// Prints text to a stream as UTF-8 with "\r\n" turned into line ends.
void PrintLines(std::FILE* pStream, QString strText);
