#include "gir/CLCGIRDataManager.h"

#include "gir/CLCGIRContainer.h"
#include "gir/CLCGIRValidCsvStruct.h"
#include "gir/CLCGIRValidFileStruct.h"
#include "gir/GIRTestSupport.h"
#include "foundation/FoundationTestFolder.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

using girtest::CGIRFolderBuilder;
using girtest::DetailTexts;
using girtest::Rows;
using girtest::SGIRFolder;
using girtest::WithFilingInfo;

// One line per node, indented by depth: "level name[=value] [file:line] itemId".
void AppendOutline(const CLCGIRContainer* pNode, size_t nDepth, std::string& strText)
{
    strText += std::string(nDepth * 2, ' ') + pNode->GetHierarchyNumber() + " " + pNode->GetElementName();
    if (!pNode->GetElementValue().empty())
        strText += "=" + pNode->GetElementValue();
    if (pNode->GetCSVLineNumber() != 0)
        strText += " [" + pNode->GetCSVFileName() + ":" + std::to_string(pNode->GetCSVLineNumber()) + "]";
    if (!pNode->GetConfItemId().empty())
        strText += " " + pNode->GetConfItemId();
    strText += "\n";
    for (long i = 0; i < pNode->GetChildCount(); ++i)
        AppendOutline(pNode->GetChild(i), nDepth + 1, strText);
}

std::string Outline(const CLCGIRContainer* pNode)
{
    std::string strText;
    if (pNode != nullptr)
        AppendOutline(pNode, 0, strText);
    return strText;
}

// The minimal folder with its header rows replaced, and extra body files.
SGIRFolder Folder(const Rows& header, const std::vector<std::pair<std::string, Rows>>& vecMore = {})
{
    SGIRFolder folder = girtest::MinimalFolder();
    if (!header.empty())
        folder.messageSpec = header;
    folder.vecBodies.insert(folder.vecBodies.end(), vecMore.begin(), vecMore.end());
    return folder;
}

const Rows kHeader = girtest::MinimalFolder().messageSpec;

class GIRDataManager : public girtest::GIRTest {
protected:
    static CLCGIRDataManager* Manager() { return CLCGIRDataManager::instance(); }

    // The folder and structure checks, as the controller runs them first.
    void Intake(const SGIRFolder& folder)
    {
        CTestFolder base;
        CGIRFolderBuilder gir(base);
        gir.Write(folder);
        std::vector<CLCFileInfo_t> vecFileInfo;
        CLCGIRValidFileStruct layout(&vecFileInfo);
        ASSERT_TRUE(layout.ValidateFileStruct(gir.Path().c_str())) << DetailTexts();
        CLCGIRValidCsvStruct structure(&vecFileInfo);
        ASSERT_TRUE(structure.ValidateCsvStruct(gir.Path().c_str())) << DetailTexts();
    }

    // A fresh run over the folder up to the last of the four tree steps asked
    // for (1 structure, 2 mapping, 3 order and automatic items, 4 check list).
    bool Convert(const SGIRFolder& folder, int nSteps)
    {
        Reset();
        SetUp();
        Intake(folder);
        bool bOk = Manager()->GenerateXMLStructure();
        if (nSteps >= 2 && bOk)
            bOk = Manager()->MappingConvDefine();
        if (nSteps >= 3 && bOk)
            bOk = Manager()->CreateAutoItem();
        if (nSteps >= 4 && bOk)
            bOk = Manager()->CreateCheckList();
        return bOk;
    }
};

TEST_F(GIRDataManager, MakesOneNodePerFileFolderAndRecordInReadingOrder)
{
    SGIRFolder folder = Folder({{"6", "ReceivingCountry", "JP", "a1", "a2", "a3"}},
                               {{"03_Summary_2.csv", {{"7", "RecJurCode", "DE"}}},
                   {"03_Summary_1.csv", {{"7", "RecJurCode", "FR"}, {"7", "RecJurCode", "IT"}}},
                                {"05_UTPRAttribution_1.csv", {{"7", "RecJurCode", "JP"}}}});
    folder.vecBodies[0].second = {{"7", "FilingCE"}, {"8", "TIN", "4010001234567", "JP", "", "GIR3001"}};
    Intake(folder);
    ASSERT_TRUE(Manager()->GenerateXMLStructureFromCSVData());
    std::vector<std::string> vecNodes;
    for (long i = 0; i < Manager()->GetContainerNumber(); ++i) {
        const CLCGIRContainer* p = Manager()->GetContainerByIndex(i);
        vecNodes.push_back(std::to_string(p->GetGLOBE_OECD_HierarchyNumber()) + "."
                           + std::to_string(p->GetGLOBEBody_HierarchyNumber()) + "."
                           + std::to_string(p->GetGLOBEBody_HierarchyBranchNumber()) + " "
                           + p->GetCSVFileName() + ":" + std::to_string(p->GetCSVLineNumber()) + " "
                           + p->GetHierarchyNumber() + " " + p->GetElementName() + "|" + p->GetElementValue() + "|"
                           + p->GetAttribute1Value() + "|" + p->GetAttribute2Value() + "|" + p->GetAttribute3Value());
    }
    const std::vector<std::string> kNodes = {
        "0.0.0 :0 4 GLOBE_OECD||||",
        "1.0.0 01_MessageSpec.csv:0 5 MessageSpec||||",
        "1.0.0 01_MessageSpec.csv:1 6 ReceivingCountry|JP|a1|a2|a3",
        "2.0.0 02_GLOBEBody:0 5 GLOBEBody||||",
        "2.1.0 01_FilingInfo.csv:0 6 FilingInfo||||",
        "2.1.0 01_FilingInfo.csv:1 7 FilingCE||||",
        "2.1.0 01_FilingInfo.csv:2 8 TIN|4010001234567|JP||GIR3001",
        "2.3.1 03_Summary_1.csv:0 6 Summary||||",
        "2.3.1 03_Summary_1.csv:1 7 RecJurCode|FR|||",
        "2.3.1 03_Summary_1.csv:2 7 RecJurCode|IT|||",
        "2.3.2 03_Summary_2.csv:0 6 Summary||||",
        "2.3.2 03_Summary_2.csv:1 7 RecJurCode|DE|||",
        "2.5.1 05_UTPRAttribution_1.csv:0 6 UTPRAttribution||||",
        "2.5.1 05_UTPRAttribution_1.csv:1 7 RecJurCode|JP|||",
    };
    EXPECT_EQ(vecNodes, kNodes);
    EXPECT_EQ(Manager()->GetMaxLevel(), 8);
}

TEST_F(GIRDataManager, WithoutCsvDataTheRootExceedsTheLevelsAndIsFatal)
{
    EXPECT_FALSE(Manager()->GenerateXMLStructure());
    EXPECT_EQ(DetailTexts(), girtest::kFatal);
    ASSERT_EQ(Manager()->GetContainerNumber(), 1);   // still the list's, once
    EXPECT_EQ(Manager()->GetRootContainer()->GetElementName(), "GLOBE_OECD");
}

TEST_F(GIRDataManager, LinksTheNodesAndReleasesTheCsvData)
{
    SGIRFolder folder = Folder(kHeader, {{"02_GeneralSection.csv", {{"7", "RecJurCode", "DE"}}}});
    folder.vecBodies[0].second = {{"7", "FilingCE"}, {"8", "Name", "S"}, {"7", "NameMNE", "G"}};
    Intake(folder);
    ASSERT_TRUE(Manager()->GenerateXMLStructure());
    EXPECT_EQ(Manager()->GetCsvDataManager(), nullptr);
    EXPECT_EQ(Manager()->GetCsvFileNumber(), 0);
    EXPECT_EQ(Manager()->GetContainerNumber(), 1);   // the root owns the rest
    EXPECT_EQ(Outline(Manager()->GetRootContainer()),
              "4 GLOBE_OECD\n"
              "  5 MessageSpec\n"
              "    6 ReceivingCountry=JP [01_MessageSpec.csv:1]\n"
              "    6 MessageRefId=JP20244010001234567001 [01_MessageSpec.csv:2]\n"
              "    6 MessageTypeIndic=GIR101 [01_MessageSpec.csv:3]\n"
              "    6 ReportingPeriod=2024-03-31 [01_MessageSpec.csv:4]\n"
              "  5 GLOBEBody\n"
              "    6 FilingInfo\n"
              "      7 FilingCE [01_FilingInfo.csv:1]\n"
              "        8 Name=S [01_FilingInfo.csv:2]\n"
              "      7 NameMNE=G [01_FilingInfo.csv:3]\n"
              "    6 GeneralSection\n"
              "      7 RecJurCode=DE [02_GeneralSection.csv:1]\n");
    EXPECT_EQ(DetailTexts(), "");
}

TEST_F(GIRDataManager, ReadsEachFormOfALevelTheStructureCheckLetsThrough)
{
    SGIRFolder folder = Folder(kHeader);
    folder.vecBodies[0].second = {{"07", "FilingCE"}, {"8", "Name", "S"}, {"7", "NameMNE", "G"}, {"08", "Name"}};
    Intake(folder);
    ASSERT_TRUE(Manager()->GenerateXMLStructure());
    EXPECT_EQ(Manager()->GetMaxLevel(), 8);
    const std::string strOutline = Outline(Manager()->GetRootContainer());
    EXPECT_NE(strOutline.find("    6 FilingInfo\n"
                              "      07 FilingCE [01_FilingInfo.csv:1]\n"
                              "        8 Name=S [01_FilingInfo.csv:2]\n"
                              "      7 NameMNE=G [01_FilingInfo.csv:3]\n"
                              "        08 Name [01_FilingInfo.csv:4]\n"),
              std::string::npos)
        << strOutline;
}

struct SFaultCase {
    const char* szName;
    SGIRFolder folder;
    int nFailingStep;       // the tree step that answers false
    std::string strTexts;   // the collector's per-file texts
};

TEST_F(GIRDataManager, ReportsLevelMappingOrderAndAutomaticItemFaults)
{
    const std::string kFiling = "01_FilingInfo.csv=";
    const std::string kHead = "01_MessageSpec.csv=";
    const SFaultCase kCases[] = {
        {"a row two levels deeper", WithFilingInfo({{"7", "FilingCE"}, {"9", "Name"}}), 1,
         kFiling + "00000002-00006-HE60048E"},
        {"a first row below its file's level", WithFilingInfo({{"8", "Name"}}), 1, kFiling + "00000001-00006-HE60048E"},
        {"an element not below MessageSpec, its subtree skipped",
         Folder({{"6", "ReceivingCountry", "JP"}, {"6", "Name"}, {"7", "Role"}, {"8", "Start"}, {"6", "MessageRefId"}}), 2,
         kHead + "00000002-00006-HE60049E"},
        {"two unknown children before a known one",
         WithFilingInfo({{"7", "Name"}, {"7", "Role"}, {"7", "FilingCE"}, {"8", "Start"}}), 2,
         kFiling + "00000001-00006-HE60049E,00000002-00006-HE60049E,00000004-00006-HE60049E"},
        {"a reversed header: one order row per parent",
         Folder({{"6", "ReportingPeriod", "2024-03-31"}, {"6", "MessageTypeIndic", "GIR101"},
                 {"6", "MessageRefId", "JP20244010001234567001"}, {"6", "ReceivingCountry", "JP"}}),
         3, kHead + "00000002-00000-HE60050E"},
        {"order rows of two parents",
         WithFilingInfo({{"7", "FilingCE"}, {"8", "Role", "GIR401"}, {"8", "Name", "S"}, {"7", "Period"},
                         {"8", "End", "2024-03-31"}, {"8", "Start", "2023-04-01"}, {"7", "AccountingInfo"}}),
         3, kFiling + "00000003-00000-HE60050E,00000006-00000-HE60050E,00000007-00000-HE60050E"},
        {"automatic items given in the files",
         Folder({{"6", "TransmittingCountry", "JP"}, {"6", "ReceivingCountry", "JP"},
                 {"6", "MessageRefId", "JP20244010001234567001"}, {"6", "Timestamp", "2024-01-01T00:00:00"}},
                {{"02_GeneralSection.csv", {{"7", "RecJurCode", "DE"}, {"7", "RecJurCode", "FR"}}}}),
         3, kHead + "00000001-00000-HE60051E,00000004-00000-HE60051E"},
        {"a given ResCountryCode of FilingCE", WithFilingInfo({{"7", "FilingCE"}, {"8", "ResCountryCode", "JP"}}), 3,
         kFiling + "00000002-00000-HE60051E"},
        {"both checks in one run",
         Folder({{"6", "MessageRefId", "JP20244010001234567001"}, {"6", "MessageType", "GIR"},
                 {"6", "ReceivingCountry", "JP"}}),
         3, kHead + "00000002-00000-HE60051E,00000003-00000-HE60050E"},
    };
    for (const SFaultCase& c : kCases) {
        for (int nStep = 1; nStep <= 4; ++nStep) {
            const bool bOk = Convert(c.folder, nStep);
            EXPECT_EQ(bOk, nStep < c.nFailingStep) << c.szName << " step " << nStep;
            if (!bOk) {
                EXPECT_EQ(DetailTexts(), c.strTexts) << c.szName;
                break;
            }
        }
    }
}

TEST_F(GIRDataManager, MapsEveryNodeAndSkipsTheSubtreeOfAMisplacedOne)
{
    ASSERT_FALSE(Convert(Folder({{"6", "ReceivingCountry", "JP"}, {"6", "Name"}, {"7", "Role"}, {"6", "MessageRefId"}},
                                {{"02_GeneralSection.csv", {{"7", "Name"}, {"7", "Role"}, {"7", "RecJurCode", "DE"}}}}),
                         2));
    const std::string strTree = Outline(Manager()->GetRootContainer());
    EXPECT_NE(strTree.find("4 GLOBE_OECD GO00000\n  5 MessageSpec MS00000\n"
                           "    6 ReceivingCountry=JP [01_MessageSpec.csv:1] MS00002\n"
                           "    6 Name [01_MessageSpec.csv:2]\n"
                           "      7 Role [01_MessageSpec.csv:3]\n"
                           "    6 MessageRefId [01_MessageSpec.csv:4] MS00004\n"),
              std::string::npos)
        << strTree;
    EXPECT_NE(strTree.find("    6 GeneralSection GS00000\n      7 Name [02_GeneralSection.csv:1]\n"
                           "      7 Role [02_GeneralSection.csv:2]\n"
                           "      7 RecJurCode=DE [02_GeneralSection.csv:3] GS00001\n"),
              std::string::npos)
        << strTree;
    EXPECT_EQ(DetailTexts(), "01_MessageSpec.csv=00000002-00006-HE60049E\n"
                             "02_GeneralSection.csv=00000001-00006-HE60049E,00000002-00006-HE60049E");
}

TEST_F(GIRDataManager, InsertsTheAutomaticItemsAtTheirPlaces)
{
    ASSERT_TRUE(Convert(WithFilingInfo({{"7", "FilingCE"}, {"7", "NameMNE", "S"}}), 4));
    const std::string strTree = Outline(Manager()->GetRootContainer());
    EXPECT_NE(strTree.find("  5 MessageSpec MS00000\n"
                           "    6 TransmittingCountry=JP MS00001\n"
                           "    6 ReceivingCountry=JP [01_MessageSpec.csv:1] MS00002\n"
                           "    6 MessageType=GIR MS00003\n"
                           "    6 MessageRefId=JP20244010001234567001 [01_MessageSpec.csv:2] MS00004\n"
                           "    6 MessageTypeIndic=GIR101 [01_MessageSpec.csv:3] MS00005\n"
                           "    6 ReportingPeriod=2024-03-31 [01_MessageSpec.csv:4] MS00006\n"
                           "    6 Timestamp MS00007\n"
                           "  5 GLOBEBody GB00000\n"
                           "    6 FilingInfo FI00000\n"
                           "      7 FilingCE [01_FilingInfo.csv:1] FI00001\n"
                           "        8 ResCountryCode=JP FI00002\n"
                           "      7 NameMNE=S [01_FilingInfo.csv:2] FI00013\n"),
              std::string::npos)
        << strTree;
    const CLCGIRContainer* pItem = Manager()->FindCheckList("MS00007").at(0);
    EXPECT_EQ(pItem->GetCSVFileName(), "");
    EXPECT_EQ(pItem->GetCSVLineNumber(), 0);
    EXPECT_EQ(pItem->GetConfDataType(), "timeStamp_Type");
    EXPECT_EQ(pItem->GetConfAutoItem(), "1");
    EXPECT_EQ(pItem->GetGLOBE_OECD_HierarchyNumber(), 0);
    EXPECT_EQ(DetailTexts(), "");
}

TEST_F(GIRDataManager, RepeatedRowsAreInOrder)
{
    EXPECT_TRUE(Convert(Folder(kHeader, {{"02_GeneralSection.csv",
                                          {{"7", "RecJurCode", "DE"}, {"7", "RecJurCode", "FR"},
                                           {"7", "RecJurCode", "IT"}, {"7", "CorporateStructure"}}}}),
                        4));
    EXPECT_EQ(DetailTexts(), "");
}

TEST_F(GIRDataManager, CheckListHoldsTheTreeInPreOrder)
{
    ASSERT_TRUE(Convert(Folder(kHeader, {{"03_Summary_1.csv", {{"7", "RecJurCode", "DE"}}},
                                         {"03_Summary_2.csv", {{"7", "RecJurCode", "FR"}, {"7", "RecJurCode", "IT"}}}}),
                        4));
    std::vector<CLCGIRContainer*> vecWalk;
    for (CLCGIRContainer* p = Manager()->GetRootContainer(); p != nullptr; p = Manager()->GetNextContainer(p))
        vecWalk.push_back(p);
    EXPECT_EQ(Manager()->GetCheckListNumber(), static_cast<long>(vecWalk.size()));
    std::vector<std::string> vecValues;
    for (const CLCGIRContainer* p : Manager()->FindCheckListFromItemIDs({"SM00001", "MS00002", "XX00000"}))
        vecValues.push_back(p->GetElementValue());
    EXPECT_EQ(vecValues, (std::vector<std::string>{"DE", "FR", "IT", "JP"}));
    // The check list's containers of one id follow the walk's order.
    std::vector<CLCGIRContainer*> vecSummaries;
    for (CLCGIRContainer* p : vecWalk) {
        if (p->GetConfItemId() == "SM00000")
            vecSummaries.push_back(p);
    }
    EXPECT_EQ(Manager()->FindCheckList("SM00000"), vecSummaries);
    EXPECT_THROW(Manager()->GetNextContainer(nullptr), std::exception);
}

// Freed early, the tree leaves an empty holder, freed again or ended as any other.
TEST_F(GIRDataManager, ReleasedTreeLeavesAnEmptyHolder)
{
    ASSERT_TRUE(Convert(Folder(kHeader, {{"03_Summary_1.csv", {{"7", "RecJurCode", "DE"}}}}), 4));
    for (int n = 0; n < 2; ++n) {
        Manager()->ReleaseTree();
        EXPECT_EQ(Manager()->GetRootContainer(), nullptr);
        EXPECT_EQ(Manager()->GetCheckListNumber(), 0);
        EXPECT_TRUE(Manager()->FindCheckList("SM00000").empty());
    }
    Manager()->Terminate();
}

TEST_F(GIRDataManager, DumpsTheTreeOnlyWithTheDebugSwitch)
{
    CTestFolder home;
    CEnvVar restoreHome("HOME"), restoreSwitch(CLCDebugDump::kDebugSwitch);
    setenv("HOME", home.Path().c_str(), 1);
    for (bool bSwitch : {false, true}) {
        if (bSwitch)
            setenv(CLCDebugDump::kDebugSwitch, "1", 1);
        else
            unsetenv(CLCDebugDump::kDebugSwitch);
        CLCDebugDump::InitDebugDump();
        ASSERT_TRUE(Convert(girtest::MinimalFolder(), 4));
        std::string strDump;
        for (const auto& entry : std::filesystem::directory_iterator(home.Path())) {
            if (entry.path().filename().string().rfind("_OVK_GIRCONTAINER_", 0) == 0)
                strDump += ReadBytes(entry.path().string());
        }
        for (const char* szLabel : {"[ConvertHierarchy - GLOBE_OECD]", "[MappingConvDefine - GLOBE_OECD]",
                                    "[CreateAutoItem - GLOBE_OECD - MessageSpec - TransmittingCountry]"})
            EXPECT_EQ(strDump.find(szLabel) != std::string::npos, bSwitch) << szLabel;
    }
    unsetenv(CLCDebugDump::kDebugSwitch);
    CLCDebugDump::InitDebugDump();
}

} // namespace
