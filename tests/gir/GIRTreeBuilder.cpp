#include "gir/GIRTreeBuilder.h"
#include "gir/GIRDetailText.h"

#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCValidResult.h"
#include "foundation/xml/CLCXDomNsxml.h"
#include "gir/CLCGIRContainer.h"
#include "gir/CLCGIRDataManager.h"
#include "gir/CLCGIRPropertyManager.h"
#include "gir/CLCGIRXMLList.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <stdexcept>

namespace girtree {

namespace {

long Number(const std::string& strText)
{
    return std::strtol(strText.c_str(), nullptr, 10);
}

void Add(long lTop, long lBody, long lBranch, long lLine, const std::string& strFile, const std::string& strName,
         const SGIRRow& row, const std::string& strLevel)
{
    CLCGIRDataManager::instance()->AddContainer(new CLCGIRContainer(
        lTop, lBody, lBranch, lLine, strFile, strName, row.strValue, row.strAttr1, row.strAttr2, row.strAttr3, strLevel));
}

// The root, file, folder and row nodes in the data manager's order; answers the
// deepest level.
long AddNodes(const std::vector<SGIRRow>& vecRows)
{
    // Files in the order they first appear, each with its rows.
    std::vector<std::pair<std::string, std::vector<const SGIRRow*>>> vecFiles;
    std::map<std::string, size_t> mapFileIndex;
    long lMaxLevel = 6;
    for (const SGIRRow& row : vecRows) {
        auto it = mapFileIndex.emplace(row.strFile, vecFiles.size()).first;
        if (it->second == vecFiles.size())
            vecFiles.emplace_back(row.strFile, std::vector<const SGIRRow*>());
        vecFiles[it->second].second.push_back(&row);
        lMaxLevel = std::max(lMaxLevel, Number(row.strLevel));
    }
    const SGIRRow none;
    Add(0, 0, 0, 0, "", "GLOBE_OECD", none, "4");
    bool bFolder = false;
    for (const auto& [strFile, vecFileRows] : vecFiles) {
        const bool bHeader = strFile.compare(0, 15, "01_MessageSpec.") == 0;
        if (!bHeader && !bFolder)
            Add(2, 0, 0, 0, "02_GLOBEBody", "GLOBEBody", none, "5");
        bFolder = bFolder || !bHeader;
        // "03_Summary_2.csv": section Summary, body number 3, branch 2.
        const size_t nFirst = strFile.find('_');
        const size_t nSecond = strFile.find('_', nFirst + 1);
        const size_t nEnd = nSecond != std::string::npos ? nSecond : strFile.rfind('.');
        const long lTop = bHeader ? 1 : 2;
        const long lBody = bHeader ? 0 : Number(strFile);
        const long lBranch = nSecond != std::string::npos ? Number(strFile.substr(nSecond + 1)) : 0;
        Add(lTop, lBody, lBranch, 0, strFile, strFile.substr(nFirst + 1, nEnd - nFirst - 1), none, bHeader ? "5" : "6");
        long lLine = 0;
        for (const SGIRRow* pRow : vecFileRows)
            Add(lTop, lBody, lBranch, ++lLine, strFile, pRow->strName, *pRow, pRow->strLevel);
    }
    return lMaxLevel;
}

// Maps the children of a mapped node (its element under the cursor) by name,
// then adds its missing automatic children before the first child that the
// definition places after them.
void Map(CLCGIRContainer* pNode, CLCXDomNsxml* pDefine)
{
    for (CLCGIRContainer* pChild : pNode->GetChildList()) {
        if (pDefine->MoveChildNodeName(pChild->GetElementName().c_str()) != 0)
            throw std::runtime_error("no element for " + pChild->GetElementName() + " of " + pChild->GetCSVFileName() +
                                     " line " + std::to_string(pChild->GetCSVLineNumber()));
        CLCGIRDataManager::SetEditConfFromDefine(pChild, pDefine);
        Map(pChild, pDefine);
        pDefine->MoveParent();
    }
    const std::vector<std::string> vecIds = pDefine->GetChildAttributes("itemId");
    const std::vector<std::string> vecAutos = pDefine->GetChildAttributes("autoItem");
    const std::vector<std::string> vecNames = pDefine->GetChildNodeNames();
    for (size_t k = 0; k < vecIds.size(); ++k) {
        long lAt = 0;
        while (lAt < pNode->GetChildCount() &&
               std::find(vecIds.begin(), vecIds.end(), pNode->GetChild(lAt)->GetConfItemId()) - vecIds.begin() <
                   static_cast<long>(k))
            ++lAt;
        if (vecAutos[k] != "1" || (lAt < pNode->GetChildCount() && pNode->GetChild(lAt)->GetConfItemId() == vecIds[k]))
            continue;
        pDefine->MoveChildNodeName(vecNames[k].c_str());
        auto* pAuto = new CLCGIRContainer(0, 0, 0, 0, "", vecNames[k], pDefine->GetAttribute("value"), "", "", "",
                                          std::to_string(Number(pNode->GetHierarchyNumber()) + 1));
        CLCGIRDataManager::SetEditConfFromDefine(pAuto, pDefine);
        pDefine->MoveParent();
        pNode->InsertContainerByIndex(lAt, pAuto);
    }
}

} // namespace

void StartRun()
{
    EndRun();
    CLCCbCCommon::setExecMode(CLCCbCCommon::EXEC_MODE_GIR);
    CLCValidResultGIR::instance();
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

void Build(const std::vector<SGIRRow>& vecRows)
{
    CLCGIRDataManager* pData = CLCGIRDataManager::instance();
    if (!pData->GetXMLList()->ConvertXMLStructure(AddNodes(vecRows)))
        throw std::runtime_error("rows do not link: " + ErrorText());
    CLCXDomNsxml* pDefine = CLCGIRPropertyManager::instance()->GetEditDefDomData();
    pDefine->MoveRoot();
    CLCGIRDataManager::SetEditConfFromDefine(pData->GetRootContainer(), pDefine);
    Map(pData->GetRootContainer(), pDefine);
    if (!pData->CreateCheckList())
        throw std::runtime_error("no check list");
}

std::vector<SGIRRow> Rows(const std::string& strFile, const std::string& strLines)
{
    std::vector<SGIRRow> vecRows;
    for (const std::string& strLine : CLCCbCCommon::stringSplit(strLines, "\n")) {
        std::vector<std::string> vecColumns = CLCCbCCommon::stringSplit(strLine, ",");
        vecColumns.resize(6);
        if (!strLine.empty())
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
    return (strFile.empty() ? std::string(CLCValidResultGIR::kOtherFile) : strFile) + ": " + szEntry;
}

std::string Expected(const std::vector<SRowOn>& vecRows)
{
    std::map<std::string, std::map<std::pair<long, long>, std::string>> mapFiles;
    for (const SRowOn& row : vecRows) {
        const std::string strEntry =
            Entry(row.pNode->GetCSVFileName(), row.pNode->GetCSVLineNumber(), row.lColumn, row.strCode.c_str());
        const size_t nSplit = strEntry.find(": ");
        mapFiles[strEntry.substr(0, nSplit)][{row.pNode->GetCSVLineNumber(), row.lColumn}] = strEntry.substr(nSplit + 2);
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
    return girtest::JoinDetails(pResult->getFileList(), pResult->getDetailErrorInfoList(), ": ");
}

// --- The clean folder ---------------------------------------------------------

namespace {

struct SCleanWriter {
    const SCleanFolder& folder;
    std::vector<SGIRRow>& vecRows;
    std::map<std::string, std::string> mapFirstCode;   // itemId -> first word of its column-2 "contain"
    std::set<std::string> setUnchosen;                 // the members of choice groups after the first
    int nDocuments = 0;

    // The rows below the cursor's element, into the file.
    void Write(CLCXDomNsxml* pDefine, const std::string& strFile, int nLevel)
    {
        if (pDefine->MoveFirstChild() != 0)
            return;
        do {
            const std::string strName = pDefine->GetNodeName();
            if (pDefine->GetAttribute("autoItem") == "1" || setUnchosen.count(pDefine->GetAttribute("itemId")) != 0 ||
                (folder.bNewData && strName == "CorrDocRefId"))
                continue;
            const bool bTin = pDefine->GetAttribute("dataType") == "tin_Type";
            vecRows.push_back({strFile, strName, Value(pDefine, strName), bTin ? "JP" : "", bTin ? "false" : "",
                               bTin ? "GIR3001" : "", std::to_string(nLevel)});
            Write(pDefine, strFile, nLevel + 1);
        } while (pDefine->MoveNextSibling() == 0);
        pDefine->MoveParent();
    }

    std::string Value(CLCXDomNsxml* pDefine, const std::string& strName)
    {
        static const std::map<std::string, std::string> kValues = {
            {"tag_Type", ""},          {"integer_Type", "1000"},    {"boolean_Type", "true"},
            {"date_Type", "2025-03-31"}, {"countryCode_Type", "JP"}, {"currCode_Type", "JPY"},
            {"percentage_Type", "0.25"}, {"string_Type", "Text"},   {"tin_Type", kHojinNo},
            {"messageRefId_Type", kMessageRefId},
        };
        const std::string strType = pDefine->GetAttribute("dataType");
        if (strName == "MessageTypeIndic")
            return folder.bNewData ? "GIR101" : "GIR102";
        if (strType == "oecdDoc_Type")
            return folder.bNewData ? "OECD1" : "OECD2";
        if (strType == "enum_Type")
            return mapFirstCode.at(pDefine->GetAttribute("itemId"));
        if (strType != "docRefId_Type")
            return kValues.at(strType);
        std::string strSerial = std::to_string(++nDocuments);
        strSerial.insert(0, strSerial.size() < 4 ? 4 - strSerial.size() : 0, '0');
        return (strName == "DocRefId" ? std::string(kMessageRefId) : std::string("JP2025") + kHojinNo + "900") + strSerial;
    }
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

} // namespace

std::vector<SGIRRow> CleanFolderRows(const SCleanFolder& folder)
{
    std::vector<SGIRRow> vecRows;
    SCleanWriter writer{folder, vecRows, {}, {}};
    CLCXDomNsxml* pCheck = CLCGIRPropertyManager::instance()->GetCheckDefDomData();
    ForEachRow(pCheck, "singleItemCheck", [&]() {
        if (pCheck->GetAttribute("column") != "2" || pCheck->MoveChildAttribute("id", "contain") != 0)
            return;
        const std::string strWords = pCheck->GetAttribute("value");
        pCheck->MoveParent();
        writer.mapFirstCode.emplace(pCheck->GetAttribute("itemId"), strWords.substr(0, strWords.find(' ')));
    });
    ForEachRow(pCheck, "exclusiveItemCheck", [&]() {
        const std::vector<std::string> vecIds = CLCCbCCommon::stringSplit(pCheck->GetAttribute("itemId"), " ");
        if (pCheck->GetAttribute("id") == "exclusive")
            writer.setUnchosen.insert(vecIds.begin() + 1, vecIds.end());
    });
    const struct {
        const char* szPath;   // below the root
        const char* szFile;   // %d: the section's number
        int nCount;
    } kSections[] = {
        {"MessageSpec", "01_MessageSpec.csv", 1},
        {"GLOBEBody/FilingInfo", "01_FilingInfo.csv", 1},
        {"GLOBEBody/GeneralSection", "02_GeneralSection.csv", 1},
        {"GLOBEBody/Summary", "03_Summary_%d.csv", folder.nSummaries},
        {"GLOBEBody/JurisdictionSection", "04_JurisdictionSection_%d.csv", folder.nJurisdictions},
        {"GLOBEBody/UTPRAttribution", "05_UTPRAttribution_%d.csv", folder.nUtprs},
    };
    CLCXDomNsxml* pDefine = CLCGIRPropertyManager::instance()->GetEditDefDomData();
    for (const auto& section : kSections) {
        for (int n = 1; n <= section.nCount; ++n) {
            pDefine->MoveRoot();
            const std::vector<std::string> vecSteps = CLCCbCCommon::stringSplit(section.szPath, "/");
            for (const std::string& strStep : vecSteps)
                pDefine->MoveChildNodeName(strStep.c_str());
            char szFile[64];
            std::snprintf(szFile, sizeof szFile, section.szFile, n);
            writer.Write(pDefine, szFile, static_cast<int>(vecSteps.size()) + 5);
        }
    }
    return vecRows;
}

} // namespace girtree
