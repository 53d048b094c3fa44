#include "gir/GIRRuleTest.h"
#include "gir/CLCGIRContainer.h"
#include <algorithm>
#include <tuple>

namespace {

// Applies the counts to the rows, placing each by its node in the clean tree.
void Recount(std::vector<SGIRRow>& vecRows, const std::vector<SCount>& vecCounts)
{
    girtree::Build(vecRows);
    std::vector<std::tuple<std::string, long, int>> vecAt;
    for (const SCount& count : vecCounts) {
        const CLCGIRContainer* pNode = girtree::Node(count.szItemId);
        vecAt.emplace_back(pNode->GetCSVFileName(), pNode->GetCSVLineNumber(), count.nTotal);
    }
    girtree::StartRun();
    // Later rows first, so that the earlier lines still hold.
    std::sort(vecAt.begin(), vecAt.end(), [](const auto& a, const auto& b) { return std::get<1>(a) > std::get<1>(b); });
    for (const auto& [strFile, lLine, nTotal] : vecAt) {
        const auto inFile = [&strFile = strFile](const SGIRRow& row) { return row.strFile == strFile; };
        const auto itFirst = std::find_if(vecRows.begin(), vecRows.end(), inFile);
        if (lLine > 0) {
            const auto it = itFirst + (lLine - 1);
            const SGIRRow row = *it;
            if (nTotal == 0)
                vecRows.erase(it);
            else
                vecRows.insert(it, static_cast<size_t>(nTotal - 1), row);
            continue;
        }
        std::vector<SGIRRow> vecFile;
        std::copy_if(vecRows.begin(), vecRows.end(), std::back_inserter(vecFile), inFile);
        vecRows.erase(std::remove_if(vecRows.begin(), vecRows.end(), inFile), vecRows.end());
        for (int n = 1; n <= nTotal; ++n) {
            for (SGIRRow& row : vecFile)
                row.strFile = n == 1 ? strFile : strFile.substr(0, strFile.rfind('.')) + "_" + std::to_string(n) + ".csv";
            vecRows.insert(vecRows.end(), vecFile.begin(), vecFile.end());
        }
    }
}

} // namespace

TEST_P(RuleCases, ReportExactlyTheRowsNamed)
{
    const SRuleCase& c = GetParam();
    girtree::SCleanFolder folder;
    folder.bNewData = c.bNewData;
    folder.nSummaries = 3;
    folder.nJurisdictions = 2;
    std::vector<SGIRRow> vecRows = girtree::CleanFolderRows(folder);
    if (!c.vecCounts.empty())
        Recount(vecRows, c.vecCounts);
    girtree::Build(vecRows);
    if (!c.strCheck.empty())
        girtree::UseCheckDefinition(c.strCheck);
    for (const SSet& set : c.vecSets) {
        const bool bCopy = !set.strValue.empty() && set.strValue[0] == '=';
        const std::string strValue =
            bCopy ? girtree::Node(set.strValue.substr(1))->GetValueFromCsvColumnNumber(set.lColumn) : set.strValue;
        CLCGIRContainer* pNode = girtree::Node(set.szItemId, set.n);
        void (CLCGIRContainer::*const kSetters[])(std::string) = {
            &CLCGIRContainer::SetElementValue, &CLCGIRContainer::SetAttribute1Value,
            &CLCGIRContainer::SetAttribute2Value, &CLCGIRContainer::SetAttribute3Value};
        (pNode->*kSetters[set.lColumn - 2])(strValue);
    }
    std::vector<girtree::SRowOn> vecExpected;
    for (const SRowAt& row : c.vecRows)
        vecExpected.push_back({girtree::Node(row.szItemId, row.n), row.lColumn, row.szCode});
    const std::string strExpected = c.bFatal ? girtree::kFatalOnly : girtree::Expected(vecExpected);

    const CLCCbCMessage_t result = c.pfnStep();
    EXPECT_EQ(girtree::ErrorText(), strExpected);
    EXPECT_EQ(result == HE60000E, c.bFatal);
    EXPECT_EQ(result == CBC_MSG_NONE, strExpected.empty());
}
