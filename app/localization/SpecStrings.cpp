#include "localization/SpecStrings.h"

QString SOpenFilter = QStringLiteral("STL files (*.stl)|*.stl|All files (*.*)|*.*");
QString SSaveFilter = QStringLiteral("STL files (*.stl)|*.stl|All files (*.*)|*.*");
QString SOpenFixedFileOption = QStringLiteral("Op&en the fixed file when finished");
QString SEpsilonPrompt = QStringLiteral("&Precision(Format: #.#e-#. Sample: 1.0e-6):");
QString SInvalidFloatPointNumberError = QStringLiteral("Error 5: Precision is an invalid floating-point number. Please use format #.#e-#(Sample: 1.0e-6).");
QString SRepairSuccessTitle = QStringLiteral("Successful!");
QString SRepairSuccessMessage = QStringLiteral("STL file '%s' has been repaired successfully!<BR><BR>Now you can open the fixed file '%s'.<BR><BR>");

namespace {

const TStringEntry kEntries[] = {
    {"MainForm", "SOpenFilter", &SOpenFilter, u"STL files (*.stl)|*.stl|All files (*.*)|*.*"},
    {"MainForm", "SSaveFilter", &SSaveFilter, u"STL files (*.stl)|*.stl|All files (*.*)|*.*"},
    {"MainForm", "SOpenFixedFileOption", &SOpenFixedFileOption, u"Op&en the fixed file when finished"},
    {"MainForm", "SEpsilonPrompt", &SEpsilonPrompt, u"&Precision(Format: #.#e-#. Sample: 1.0e-6):"},
    {"ErrorMessages", "SInvalidFloatPointNumberError", &SInvalidFloatPointNumberError, u"Error 5: Precision is an invalid floating-point number. Please use format #.#e-#(Sample: 1.0e-6)."},
    {"SuccessMsgForm", "SRepairSuccessTitle", &SRepairSuccessTitle, u"Successful!"},
    {"SuccessMsgForm", "SRepairSuccessMessage", &SRepairSuccessMessage, u"STL file '%s' has been repaired successfully!<BR><BR>Now you can open the fixed file '%s'.<BR><BR>"},
};

} // namespace

std::span<const TStringEntry> SpecStringEntries()
{
    return kEntries;
}
