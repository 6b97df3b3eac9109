#include "firmware/workspace/ImageFindings.h"

#include "firmware/workspace/Prompts.h"

bool AskAbout(IFirmwarePrompts& prompts, InspectionResult& result, const QString& strQuestion) {
    prompts.ShowReport(result.strReport);
    const bool bYes = prompts.AskYesNo(strQuestion);
    result.questions.push_back({strQuestion, bYes});
    return bYes;
}
