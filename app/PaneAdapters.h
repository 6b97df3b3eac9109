#pragma once

// Lets the run log drive QPlainTextEdit (edit kind) and QTextEdit (rich-edit kind) panes.
void InstallPaneBinder();
