#include "gir/GIRTreeBuilder.h"

#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCValidResult.h"
#include "foundation/xml/CLCXDomNsxml.h"
#include "gir/CLCGIRContainer.h"
#include "gir/CLCGIRDataManager.h"
#include "gir/CLCGIRPropertyManager.h"
#include "gir/CLCGIRValidCorrelation.h"
#include "gir/CLCGIRValidExclusive.h"
#include "gir/CLCGIRValidIntegrity.h"
#include "gir/CLCGIRValidSingleItem.h"
#include "gir/CLCGIRValidXmlOccurs.h"
#include "gir/CLCGIRXMLList.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <stdexcept>

namespace girtree {

namespace {

constexpr const char* kMessageSpecFile = "01_MessageSpec.csv";

long Number(const std::string& strText)
{
    return std::strtol(strText.c_str(), nullptr, 10);
}

// The element a body file stands for: "03_Summary_2.csv" gives Summary.
std::string SectionOf(const std::string& strFile)
{
    const size_t nFirst = strFile.find('_');
    const size_t nSecond = strFile.find('_', nFirst + 1);
    if (nSecond != std::string::npos)
        return strFile.substr(nFirst + 1, nSecond - nFirst - 1);
    return strFile.substr(nFirst + 1, strFile.rfind('.') - nFirst - 1);
}

void AddNode(CLCGIRContainer* pNode)
{
    if (!CLCGIRDataManager::instance()->AddContainer(pNode))
        throw std::runtime_error("container not added");
}

// The file, folder and row nodes in the data manager's order.
long AddNodes(const std::vector<SGIRRow>& vecRows)
{
    std::vector<std::string> vecFiles;
    for (const SGIRRow& row : vecRows) {
        if (std::find(vecFiles.begin(), vecFiles.end(), row.strFile) == vecFiles.end())
            vecFiles.push_back(row.strFile);
    }
    AddNode(new CLCGIRContainer(0, 0, 0, 0, "", "GLOBE_OECD", "", "", "", "", "4"));
    long lMaxLevel = 6;
    bool bFolder = false;
    for (const std::string& strFile : vecFiles) {
        const bool bMessageSpec = strFile == kMessageSpecFile;
        if (!bMessageSpec && !bFolder) {
            AddNode(new CLCGIRContainer(2, 0, 0, 0, "02_GLOBEBody", "GLOBEBody", "", "", "", "", "5"));
            bFolder = true;
        }
        const long lBody = bMessageSpec ? 0 : Number(strFile);
        const size_t nTail = strFile.rfind('_');
        const long lBranch = lBody >= 3 ? Number(strFile.substr(nTail + 1)) : 0;
        const long lTop = bMessageSpec ? 1 : 2;
        AddNode(new CLCGIRContainer(lTop, lBody, lBranch, 0, strFile, SectionOf(strFile), "", "", "", "",
                                    bMessageSpec ? "5" : "6"));
        long lLine = 0;
        for (const SGIRRow& row : vecRows) {
            if (row.strFile != strFile)
                continue;
            AddNode(new CLCGIRContainer(lTop, lBody, lBranch, ++lLine, strFile, row.strName, row.strValue,
                                        row.strAttr1, row.strAttr2, row.strAttr3, row.strLevel));
            lMaxLevel = std::max(lMaxLevel, Number(row.strLevel));
        }
    }
    return lMaxLevel;
}

// Inserts the missing automatic children of the cursor's element before the
// first child that the definition places after them.
void InsertAutoItems(CLCGIRContainer* pNode, CLCXDomNsxml* pDefine)
{
    const std::vector<std::string> vecIds = pDefine->GetChildAttributes("itemId");
    const std::vector<std::string> vecAutos = pDefine->GetChildAttributes("autoItem");
    const std::vector<std::string> vecNames = pDefine->GetChildNodeNames();
    auto orderOf = [&vecIds](const CLCGIRContainer* pChild) {
        return std::find(vecIds.begin(), vecIds.end(), pChild->GetConfItemId()) - vecIds.begin();
    };
    for (size_t k = 0; k < vecIds.size(); ++k) {
        if (vecAutos[k] != "1")
            continue;
        long lAt = 0;
        for (; lAt < pNode->GetChildCount(); ++lAt) {
            if (static_cast<size_t>(orderOf(pNode->GetChild(lAt))) >= k)
                break;
        }
        if (lAt < pNode->GetChildCount() && pNode->GetChild(lAt)->GetConfItemId() == vecIds[k])
            continue;
        pDefine->MoveChildNodeName(vecNames[k].c_str());
        auto* pAuto = new CLCGIRContainer(0, 0, 0, 0, "", vecNames[k], pDefine->GetAttribute("value"), "", "", "",
                                          std::to_string(Number(pNode->GetHierarchyNumber()) + 1));
        CLCGIRDataManager::SetEditConfFromDefine(pAuto, pDefine);
        pDefine->MoveParent();
        pNode->InsertContainerByIndex(lAt, pAuto);
    }
}

// Maps the children of a mapped node, whose element is under the cursor.
void MapChildren(CLCGIRContainer* pNode, CLCXDomNsxml* pDefine, bool bAutoItems)
{
    for (long i = 0; i < pNode->GetChildCount(); ++i) {
        CLCGIRContainer* pChild = pNode->GetChild(i);
        if (pDefine->MoveChildNodeName(pChild->GetElementName().c_str()) != 0)
            throw std::runtime_error("no element " + pChild->GetElementName() + " under " + pNode->GetElementName() +
                                     " (" + pChild->GetCSVFileName() + " line " +
                                     std::to_string(pChild->GetCSVLineNumber()) + ")");
        CLCGIRDataManager::SetEditConfFromDefine(pChild, pDefine);
        MapChildren(pChild, pDefine, bAutoItems);
        pDefine->MoveParent();
    }
    if (bAutoItems)
        InsertAutoItems(pNode, pDefine);
}

} // namespace

void StartRun()
{
    EndRun();
    CLCCbCCommon::setExecMode(CLCCbCCommon::EXEC_MODE_GIR);
    CLCValidResultGIR::instance();
    CLCGIRDataManager::instance();
    CLCGIRPropertyManager* pProperty = CLCGIRPropertyManager::instance();
    if (!pProperty->LoadEditDefinition(210) || !pProperty->LoadCheckDefinition(211))
        throw std::runtime_error("GIR definitions 210 and 211 not loaded");
}

void EndRun()
{
    CLCValidResult::destroy();
    CLCGIRDataManager::destroy();
    CLCGIRPropertyManager::destroy();
}

void Build(const std::vector<SGIRRow>& vecRows, bool bAutoItems)
{
    CLCGIRDataManager* pData = CLCGIRDataManager::instance();
    if (!pData->GetXMLList()->ConvertXMLStructure(AddNodes(vecRows)))
        throw std::runtime_error("rows do not link: " + ErrorText());
    CLCXDomNsxml* pDefine = CLCGIRPropertyManager::instance()->GetEditDefDomData();
    CLCGIRContainer* pRoot = pData->GetRootContainer();
    pDefine->MoveRoot();
    CLCGIRDataManager::SetEditConfFromDefine(pRoot, pDefine);
    MapChildren(pRoot, pDefine, bAutoItems);
    if (!pData->CreateCheckList())
        throw std::runtime_error("no check list");
}

std::vector<SGIRRow> Rows(const std::string& strFile, const std::string& strLines)
{
    std::vector<SGIRRow> vecRows;
    for (const std::string& strLine : CLCCbCCommon::stringSplit(strLines, "\n")) {
        if (strLine.empty())
            continue;
        std::vector<std::string> vecColumns = CLCCbCCommon::stringSplit(strLine, ",");
        vecColumns.resize(6);
        vecRows.push_back({strFile, vecColumns[0], vecColumns[1], vecColumns[2], vecColumns[3], vecColumns[4],
                           vecColumns[5]});
    }
    return vecRows;
}

void UseCheckDefinition(const std::string& strSections)
{
    const std::string strText = "<GIRValidateDefine VR=\"1.0\">" + strSections + "</GIRValidateDefine>";
    if (!CLCGIRPropertyManager::instance()->GetCheckDefDomData()->Parse(strText.c_str()))
        throw std::runtime_error("check definition does not parse");
}

CLCGIRContainer* Node(const std::string& strItemId, size_t n)
{
    const std::vector<CLCGIRContainer*> vecNodes = CLCGIRDataManager::instance()->FindCheckList(strItemId);
    if (n >= vecNodes.size())
        throw std::runtime_error("no node " + strItemId);
    return vecNodes[n];
}

std::string Entry(const std::string& strFile, long lLine, long lColumn, const char* szCode)
{
    char szEntry[64];
    std::snprintf(szEntry, sizeof szEntry, "%08ld-%05ld-%s", lLine, lColumn, szCode);
    return strFile + ": " + szEntry;
}

std::string Entry(const CLCGIRContainer* pNode, long lColumn, const char* szCode)
{
    return Entry(pNode->GetCSVFileName(), pNode->GetCSVLineNumber(), lColumn, szCode);
}

std::string Expected(const std::vector<SRowOn>& vecRows)
{
    std::map<std::string, std::map<std::pair<long, long>, std::string>> mapFiles;
    for (const SRowOn& row : vecRows) {
        const std::string strFile = row.pNode->GetCSVFileName();
        const std::string strEntry = Entry(row.pNode, row.lColumn, row.strCode.c_str());
        mapFiles[strFile.empty() ? CLCValidResultGIR::kOtherFile : strFile]
                [{row.pNode->GetCSVLineNumber(), row.lColumn}] = strEntry.substr(strEntry.find(": ") + 2);
    }
    std::string strText;
    for (const auto& [strFile, mapRows] : mapFiles) {
        strText += (strText.empty() ? "" : "\n") + strFile + ": ";
        for (auto it = mapRows.begin(); it != mapRows.end(); ++it)
            strText += (it == mapRows.begin() ? "" : ",") + it->second;
    }
    return strText;
}

std::string ErrorText()
{
    CLCValidResultGIR* pResult = CLCValidResultGIR::instance();
    pResult->MakeDetailErrorInfo();
    const std::vector<std::string> vecFiles = pResult->getFileList();
    const std::vector<std::string> vecTexts = pResult->getDetailErrorInfoList();
    std::string strText;
    for (size_t i = 0; i < vecFiles.size(); ++i)
        strText += (i ? "\n" : "") + vecFiles[i] + ": " + vecTexts[i];
    return strText;
}

std::string CheckRoad(const std::string& strHojinNo)
{
    CLCGIRValidXmlOccurs().Validate();
    CLCGIRValidExclusive().Validate();
    CLCGIRValidSingleItem().Validate();
    CLCGIRValidCorrelation().Validate();
    if (!strHojinNo.empty())
        CLCGIRValidIntegrity().Validate(strHojinNo.c_str(), "MS00004", CLCGIRDataManager::instance());
    return ErrorText();
}

// --- The clean folder ---------------------------------------------------------

namespace {

// What 211 says about the values: the first allowed word of each column-2
// "contain" rule, and the members of choice groups after the first.
struct SCheckFacts {
    std::map<std::string, std::string> mapFirstWord;
    std::set<std::string> setUnchosen;
};

// Calls fnRow with the cursor on each row of the check definition's section.
template <typename Fn>
void ForEachRow(CLCXDomNsxml* pCheck, const char* szSection, Fn fnRow)
{
    pCheck->MoveRoot();
    if (pCheck->MoveChildNodeName(szSection) != 0 || pCheck->MoveFirstChild() != 0)
        return;
    do
        fnRow();
    while (pCheck->MoveNextSibling() == 0);
}

SCheckFacts ReadCheckFacts()
{
    CLCXDomNsxml* pCheck = CLCGIRPropertyManager::instance()->GetCheckDefDomData();
    SCheckFacts facts;
    ForEachRow(pCheck, "singleItemCheck", [&]() {
        if (pCheck->GetAttribute("column") != "2" || pCheck->MoveChildAttribute("id", "contain") != 0)
            return;
        const std::string strWords = pCheck->GetAttribute("value");
        pCheck->MoveParent();
        facts.mapFirstWord.emplace(pCheck->GetAttribute("itemId"), strWords.substr(0, strWords.find(' ')));
    });
    ForEachRow(pCheck, "exclusiveItemCheck", [&]() {
        if (pCheck->GetAttribute("id") != "exclusive")
            return;
        const std::vector<std::string> vecIds = CLCCbCCommon::stringSplit(pCheck->GetAttribute("itemId"), " ");
        facts.setUnchosen.insert(vecIds.begin() + 1, vecIds.end());
    });
    return facts;
}

class CCleanWriter {
public:
    CCleanWriter(const SCleanFolder& folder, std::vector<SGIRRow>& vecRows)
        : m_folder(folder), m_vecRows(vecRows), m_facts(ReadCheckFacts())
    {
    }

    // The rows of the section element under the cursor, into strFile.
    void WriteSection(CLCXDomNsxml* pDefine, const std::string& strFile, int nSectionLevel)
    {
        m_strFile = strFile;
        WriteChildren(pDefine, nSectionLevel + 1);
    }

private:
    void WriteChildren(CLCXDomNsxml* pDefine, int nLevel)
    {
        if (pDefine->MoveFirstChild() != 0)
            return;
        do {
            const std::string strItemId = pDefine->GetAttribute("itemId");
            const std::string strName = pDefine->GetNodeName();
            if (pDefine->GetAttribute("autoItem") == "1" || m_facts.setUnchosen.count(strItemId) != 0 ||
                (m_folder.bNewData && strName == "CorrDocRefId"))
                continue;
            SGIRRow row{m_strFile, strName, Value(pDefine, strItemId, strName), "", "", "", std::to_string(nLevel)};
            if (pDefine->GetAttribute("dataType") == "tin_Type") {
                row.strAttr1 = "JP";
                row.strAttr2 = "false";
                row.strAttr3 = "GIR3001";
            }
            m_vecRows.push_back(row);
            WriteChildren(pDefine, nLevel + 1);
        } while (pDefine->MoveNextSibling() == 0);
        pDefine->MoveParent();
    }

    std::string Value(CLCXDomNsxml* pDefine, const std::string& strItemId, const std::string& strName)
    {
        const std::string strType = pDefine->GetAttribute("dataType");
        if (strName == "MessageTypeIndic")
            return m_folder.bNewData ? "GIR101" : "GIR102";
        if (strType == "oecdDoc_Type")
            return m_folder.bNewData ? "OECD1" : "OECD2";
        if (strType == "enum_Type") {
            auto it = m_facts.mapFirstWord.find(strItemId);
            if (it == m_facts.mapFirstWord.end())
                throw std::runtime_error("no codes for " + strItemId);
            return it->second;
        }
        if (strType == "docRefId_Type") {
            char szSerial[16];
            std::snprintf(szSerial, sizeof szSerial, "%04d", ++m_nDocuments);
            if (strName == "DocRefId")
                return std::string(kMessageRefId) + szSerial;
            return std::string("JP2025") + kHojinNo + "900" + szSerial;
        }
        static const std::map<std::string, std::string> kValues = {
            {"tag_Type", ""},          {"integer_Type", "1000"},  {"boolean_Type", "true"},
            {"date_Type", "2025-03-31"}, {"countryCode_Type", "JP"}, {"currCode_Type", "JPY"},
            {"percentage_Type", "0.25"}, {"string_Type", "Text"},  {"tin_Type", kHojinNo},
            {"messageRefId_Type", kMessageRefId},
        };
        return kValues.at(strType);
    }

    const SCleanFolder& m_folder;
    std::vector<SGIRRow>& m_vecRows;
    SCheckFacts m_facts;
    std::string m_strFile;
    int m_nDocuments = 0;
};

} // namespace

std::vector<SGIRRow> CleanFolderRows(const SCleanFolder& folder)
{
    struct SSection {
        const char* szPath;   // under the root
        const char* szFile;   // %d: the section's number
        int nCount;
        int nLevel;
    };
    const SSection kSections[] = {
        {"MessageSpec", "01_MessageSpec.csv", 1, 5},
        {"GLOBEBody/FilingInfo", "01_FilingInfo.csv", 1, 6},
        {"GLOBEBody/GeneralSection", "02_GeneralSection.csv", 1, 6},
        {"GLOBEBody/Summary", "03_Summary_%d.csv", folder.nSummaries, 6},
        {"GLOBEBody/JurisdictionSection", "04_JurisdictionSection_%d.csv", folder.nJurisdictions, 6},
        {"GLOBEBody/UTPRAttribution", "05_UTPRAttribution_%d.csv", folder.nUtprs, 6},
    };
    std::vector<SGIRRow> vecRows;
    CCleanWriter writer(folder, vecRows);
    CLCXDomNsxml* pDefine = CLCGIRPropertyManager::instance()->GetEditDefDomData();
    for (const SSection& section : kSections) {
        for (int n = 1; n <= section.nCount; ++n) {
            pDefine->MoveRoot();
            for (const std::string& strStep : CLCCbCCommon::stringSplit(section.szPath, "/"))
                pDefine->MoveChildNodeName(strStep.c_str());
            char szFile[64];
            std::snprintf(szFile, sizeof szFile, section.szFile, n);
            writer.WriteSection(pDefine, szFile, section.nLevel);
        }
    }
    return vecRows;
}

} // namespace girtree
