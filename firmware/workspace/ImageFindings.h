#pragma once

#include <QString>
#include <vector>

#include "firmware/workspace/ImageFile.h"

class IFirmwarePrompts;

// A question an inspection asked, with its answer.
struct AskedQuestion {
    QString strQuestion;
    bool bYes = false;
};

// What inspecting an image file found: how reading it went (staged.outcome),
// the report for its panel, the questions asked, and whether the image was taken into the
// workspace. A file that was not read has no report.
struct InspectionResult {
    StagedImage staged;
    QString strReport;
    std::vector<AskedQuestion> questions;
    bool bAccepted = false;
    bool Read() const { return staged.Ok(); }
    // Done when taken; else why the file was not read, or that a question was answered No.
    CoreResult Outcome() const {
        if (bAccepted) return CoreResult();
        return Read() ? CoreResult::Failed(CoreReason::Declined, QString()) : staged.outcome;
    }
};

// Asks through the prompts with the report so far beside the question, and records both.
bool AskAbout(IFirmwarePrompts& prompts, InspectionResult& result, const QString& strQuestion);
