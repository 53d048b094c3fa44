#include "gir/CLCGIRValidXmlOccurs.h"
#include "gir/CLCGIRContainer.h"
#include "gir/GIRRuleTest.h"
#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace {

// How often an element of the clean folder stands: 0 drops its row, more
// repeats it. A section item ("..00000") drops or repeats its whole file.
struct SCount {
    const char* szItemId;
    int nTotal;
};

struct SOccursCase {
    const char* szName;
    std::vector<SCount> vecCounts;
    std::vector<SCount> vecRowsOn;   // HE60055E: on the item's parent; HE60052E: on the item
    friend void PrintTo(const SOccursCase& c, std::ostream* pOut) { *pOut << c.szName; }
};

class Occurrences : public GIRRuleTest, public ::testing::WithParamInterface<SOccursCase> {
protected:
    // The row of a node among the rows, by its file and line.
    static std::vector<SGIRRow>::iterator RowOf(std::vector<SGIRRow>& vecRows, const CLCGIRContainer* pNode)
    {
        auto it = std::find_if(vecRows.begin(), vecRows.end(),
                               [&](const SGIRRow& row) { return row.strFile == pNode->GetCSVFileName(); });
        return it + (pNode->GetCSVLineNumber() - 1);
    }

    static void Recount(std::vector<SGIRRow>& vecRows, const CLCGIRContainer* pNode, int nTotal)
    {
        if (pNode->GetCSVLineNumber() == 0) {
            const std::string strFile = pNode->GetCSVFileName();
            std::vector<SGIRRow> vecCopy;
            std::copy_if(vecRows.begin(), vecRows.end(), std::back_inserter(vecCopy),
                         [&](const SGIRRow& row) { return row.strFile == strFile; });
            vecRows.erase(std::remove_if(vecRows.begin(), vecRows.end(),
                                         [&](const SGIRRow& row) { return row.strFile == strFile; }),
                          vecRows.end());
            for (int n = 1; n <= nTotal; ++n) {
                for (SGIRRow row : vecCopy) {
                    row.strFile = n == 1 ? strFile : strFile.substr(0, strFile.rfind('.')) + "_" + std::to_string(n) + ".csv";
                    vecRows.push_back(row);
                }
            }
            return;
        }
        auto it = RowOf(vecRows, pNode);
        const SGIRRow row = *it;
        if (nTotal == 0)
            vecRows.erase(it);
        else
            vecRows.insert(it, static_cast<size_t>(nTotal - 1), row);
    }
};

TEST_P(Occurrences, BoundEveryDefinitionChild)
{
    const SOccursCase& c = GetParam();
    std::vector<SGIRRow> vecRows = girtree::CleanFolderRows({});
    girtree::Build(vecRows);
    std::vector<girtree::SRowOn> vecExpected;
    for (const SCount& on : c.vecRowsOn) {
        const CLCGIRContainer* pNode = girtree::Node(on.szItemId);
        vecExpected.push_back({on.nTotal == 0 ? pNode->GetParent() : pNode, 0, on.nTotal == 0 ? "HE60055E" : "HE60052E"});
    }
    const std::string strExpected = girtree::Expected(vecExpected);
    // Later rows first, so the earlier lines still hold.
    std::vector<const CLCGIRContainer*> vecNodes;
    for (const SCount& count : c.vecCounts)
        vecNodes.push_back(girtree::Node(count.szItemId));
    for (size_t i = c.vecCounts.size(); i-- > 0;)
        Recount(vecRows, vecNodes[i], c.vecCounts[i].nTotal);

    girtree::StartRun();
    girtree::Build(vecRows);
    const CLCCbCMessage_t result = CLCGIRValidXmlOccurs().Validate();
    EXPECT_EQ(girtree::ErrorText(), strExpected);
    EXPECT_EQ(result == CBC_MSG_NONE, strExpected.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, Occurrences,
    ::testing::Values(SOccursCase{"clean", {}, {}},
                      SOccursCase{"optionalSectionAbsent", {{"GS00000", 0}}, {}},
                      SOccursCase{"secondGeneralSection", {{"GS00000", 2}}, {{"GS00000", 2}}},
                      SOccursCase{"noMessageRefIdOnTheFileNode", {{"MS00004", 0}}, {{"MS00004", 0}}},
                      SOccursCase{"noNameOnItsParentRow", {{"FI00003", 0}}, {{"FI00003", 0}}},
                      SOccursCase{"noMessageSpecOnTheRoot", {{"MS00000", 0}}, {{"MS00000", 0}}},
                      SOccursCase{"fiveOfAtMostFive", {{"JS00400", 5}}, {}},
                      SOccursCase{"sixOfAtMostFive", {{"JS00400", 6}}, {{"JS00400", 6}}},
                      SOccursCase{"thousandUnbounded", {{"GS00001", 1000}}, {}},
                      SOccursCase{"bothBoundsOneParent", {{"MS00002", 2}, {"MS00006", 0}},
                                  {{"MS00002", 2}, {"MS00006", 0}}}),
    [](const auto& info) { return std::string(info.param.szName); });

} // namespace
