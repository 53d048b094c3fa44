// The shipped GIR definitions 210, 211 and 212, read as the system reads them
// (Shift_JIS decoded, navigable DOM document) and checked for their structure,
// counts and telling rows.
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCValidResult.h"
#include "foundation/xml/CLCXDomNsxml.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdio>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kDefinitionDir = TESVANT_DEFINITION_SOURCE_DIR;
const std::string kEditFile = kDefinitionDir + "/CbCDataConvDefine_AIA520.xml";
const std::string kCheckFile = kDefinitionDir + "/CbCValidateDefine_AIA520.xml";
const std::string kListFile = kDefinitionDir + "/CbCElementDefine_AIA520.lst";

const char* const kEditAttributes[] = {
    "itemId", "nameSpace", "dataType", "minOccur", "maxOccur", "attr", "attrValueColumn", "attrValue",
    "attr2", "attrValueColumn2", "attrValue2", "attr3", "attrValueColumn3", "attrValue3", "autoItem", "value"};

const char* const kRuleAttributes[] = {"id", "value", "min", "max", "assist", "messageId", "column",
                                       "itemId", "itemId2", "column2", "parentItemId"};

// One element as the cursor walk meets it, with the attributes the readers use.
struct SElement {
    std::string strName;
    int nDepth = 0;
    std::string strParent;   // itemId of the parent in 210; name of the parent in 211
    std::map<std::string, std::string> mapAttributes;
    std::vector<SElement> vecOuters;   // 211: the outer children of a valid

    std::string operator[](const std::string& strKey) const
    {
        const auto it = mapAttributes.find(strKey);
        return it == mapAttributes.end() ? std::string() : it->second;
    }
};

std::vector<std::string> Words(const std::string& strText)
{
    std::vector<std::string> vecWords;
    std::istringstream in(strText);
    for (std::string strWord; in >> strWord;)
        vecWords.push_back(strWord);
    return vecWords;
}

class ShippedDefinitions : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        CLCCbCCommon::setExecMode(CLCCbCCommon::EXEC_MODE_GIR);
        Load(kEditFile, Edit());
        Load(kCheckFile, Check());
        WalkEdit();
        WalkCheck();
        SplitList();
    }

    static void Load(const std::string& strPath, CLCXDomNsxml& dom)
    {
        const std::string strText = CLCCbCCommon::ReadCsvFileData(strPath.c_str());
        ASSERT_FALSE(strText.empty()) << strPath;
        ASSERT_TRUE(dom.Parse(strText.c_str())) << strPath;
    }

    static CLCXDomNsxml& Edit()
    {
        static CLCXDomNsxml dom;
        return dom;
    }
    static CLCXDomNsxml& Check()
    {
        static CLCXDomNsxml dom;
        return dom;
    }
    static std::vector<SElement>& EditElements()
    {
        static std::vector<SElement> vec;
        return vec;
    }
    static std::vector<std::string>& CheckSections()
    {
        static std::vector<std::string> vec;
        return vec;
    }
    // Section name -> its children (the valid or item rows), in document order.
    static std::map<std::string, std::vector<SElement>>& CheckRows()
    {
        static std::map<std::string, std::vector<SElement>> map;
        return map;
    }
    // item element -> its valid children.
    static std::vector<std::vector<SElement>>& ItemRules()
    {
        static std::vector<std::vector<SElement>> vec;
        return vec;
    }
    static std::vector<std::string>& ListLines()
    {
        static std::vector<std::string> vec;
        return vec;
    }

    static SElement Current(CLCXDomNsxml& dom, const char* const* ppNames, size_t nNames)
    {
        SElement element;
        element.strName = dom.GetNodeName();
        for (size_t i = 0; i < nNames; ++i) {
            const std::string strValue = dom.GetAttribute(ppNames[i]);
            if (!strValue.empty())
                element.mapAttributes[ppNames[i]] = strValue;
        }
        return element;
    }

    // Pre-order walk of 210 with the cursor moves the GIR readers use.
    static void WalkEdit()
    {
        CLCXDomNsxml& dom = Edit();
        ASSERT_EQ(dom.MoveRoot(), 0);
        std::vector<std::string> vecParents;
        int nDepth = 1;
        for (;;) {
            SElement element = Current(dom, kEditAttributes, std::size(kEditAttributes));
            element.nDepth = nDepth;
            element.strParent = vecParents.empty() ? std::string() : vecParents.back();
            EditElements().push_back(element);
            if (dom.MoveFirstChild() == 0) {
                vecParents.push_back(element["itemId"]);
                ++nDepth;
                continue;
            }
            while (dom.MoveNextSibling() != 0) {
                if (vecParents.empty())
                    return;
                ASSERT_EQ(dom.MoveParent(), 0);
                vecParents.pop_back();
                --nDepth;
            }
        }
    }

    static void WalkCheck()
    {
        CLCXDomNsxml& dom = Check();
        ASSERT_EQ(dom.MoveRoot(), 0);
        CheckSections() = dom.GetChildNodeNames();
        ASSERT_EQ(dom.MoveFirstChild(), 0);
        do {
            const std::string strSection = dom.GetNodeName();
            std::vector<SElement>& vecRows = CheckRows()[strSection];
            if (dom.MoveFirstChild() != 0)
                continue;
            do {
                SElement row = Current(dom, kRuleAttributes, std::size(kRuleAttributes));
                row.strParent = strSection;
                std::vector<SElement> vecChildren;
                if (dom.MoveFirstChild() == 0) {
                    do {
                        SElement child = Current(dom, kRuleAttributes, std::size(kRuleAttributes));
                        if (dom.MoveFirstChild() == 0) {
                            do
                                child.vecOuters.push_back(Current(dom, kRuleAttributes, std::size(kRuleAttributes)));
                            while (dom.MoveNextSibling() == 0);
                            dom.MoveParent();
                        }
                        vecChildren.push_back(child);
                    } while (dom.MoveNextSibling() == 0);
                    dom.MoveParent();
                }
                if (row.strName == "item")
                    ItemRules().push_back(vecChildren);
                else
                    row.vecOuters = vecChildren;
                vecRows.push_back(row);
            } while (dom.MoveNextSibling() == 0);
            dom.MoveParent();
        } while (dom.MoveNextSibling() == 0);
    }

    static void SplitList()
    {
        const std::string strText = CLCCbCCommon::ReadCsvFileData(kListFile.c_str());
        ASSERT_FALSE(strText.empty());
        ASSERT_EQ(strText.back(), '\n');
        std::istringstream in(strText);
        for (std::string strLine; std::getline(in, strLine);)
            ListLines().push_back(strLine);
    }

    static const SElement& ById(const std::string& strId)
    {
        for (const SElement& element : EditElements())
            if (element["itemId"] == strId)
                return element;
        static const SElement none;
        ADD_FAILURE() << "no element " << strId;
        return none;
    }

    static std::set<std::string> EditIds()
    {
        std::set<std::string> setIds;
        for (const SElement& element : EditElements())
            setIds.insert(element["itemId"]);
        return setIds;
    }
};

const std::set<std::string> kStructural = {"GLOBE_OECD", "MessageSpec", "GLOBEBody", "FilingInfo",
                                           "GeneralSection", "Summary", "JurisdictionSection", "UTPRAttribution"};

// ---------------------------------------------------------------- 210

TEST_F(ShippedDefinitions, EditDefinitionHasTheSectionsAndDepth)
{
    const std::vector<SElement>& vec = EditElements();
    ASSERT_EQ(vec.size(), 577u);
    std::map<std::string, int> mapSections;
    std::set<std::string> setNames;
    int nDepth = 0;
    for (const SElement& element : vec) {
        ++mapSections[element["itemId"].substr(0, 2)];
        setNames.insert(element.strName);
        nDepth = std::max(nDepth, element.nDepth);
    }
    const std::map<std::string, int> expected = {{"GO", 1}, {"MS", 8},  {"GB", 1},   {"FI", 19},
                                                 {"GS", 65}, {"SM", 27}, {"JS", 435}, {"UA", 21}};
    EXPECT_EQ(mapSections, expected);
    EXPECT_EQ(EditIds().size(), 577u);
    EXPECT_EQ(setNames.size(), 314u);
    EXPECT_EQ(nDepth, 15);
}

TEST_F(ShippedDefinitions, ItemIdsNumberEachSectionInPreOrder)
{
    std::map<std::string, int> mapNext;
    for (const SElement& element : EditElements()) {
        const std::string strId = element["itemId"];
        ASSERT_EQ(strId.size(), 7u) << strId;
        char szExpected[8];
        std::snprintf(szExpected, sizeof szExpected, "%s%05d", strId.substr(0, 2).c_str(),
                      mapNext[strId.substr(0, 2)]++);
        EXPECT_EQ(strId, szExpected);
        EXPECT_EQ(kStructural.count(element.strName) != 0, strId.substr(2) == "00000") << strId;
    }
}

TEST_F(ShippedDefinitions, EditDefinitionAttributeValues)
{
    std::map<std::string, int> mapTypes, mapSpaces, mapMax, mapMin;
    int nAttr = 0, nAttr2 = 0, nAttr3 = 0;
    for (const SElement& element : EditElements()) {
        ++mapTypes[element["dataType"]];
        ++mapSpaces[element["nameSpace"]];
        ++mapMax[element["maxOccur"]];
        ++mapMin[element["minOccur"]];
        nAttr += !element["attr"].empty();
        nAttr2 += !element["attr2"].empty();
        nAttr3 += !element["attr3"].empty();
        // tag_Type elements have children, every other type none.
        const bool bHasChild = std::any_of(EditElements().begin(), EditElements().end(),
                                           [&](const SElement& e) { return e.strParent == element["itemId"]; });
        EXPECT_EQ(bHasChild, element["dataType"] == "tag_Type") << element["itemId"];
    }
    const std::map<std::string, int> expectedTypes = {
        {"integer_Type", 174}, {"tag_Type", 157},        {"boolean_Type", 43},     {"enum_Type", 42},
        {"date_Type", 40},     {"countryCode_Type", 31}, {"percentage_Type", 26}, {"tin_Type", 23},
        {"string_Type", 21},   {"docRefId_Type", 10},    {"oecdDoc_Type", 5},     {"currCode_Type", 3},
        {"messageRefId_Type", 1}, {"timeStamp_Type", 1}};
    EXPECT_EQ(mapTypes, expectedTypes);
    EXPECT_EQ(mapSpaces, (std::map<std::string, int>{{"globe", 562}, {"stf", 15}}));
    EXPECT_EQ(nAttr, 24);
    EXPECT_EQ(nAttr2, 23);
    EXPECT_EQ(nAttr3, 23);
    for (const auto& [strValue, nCount] : mapMax)
        EXPECT_TRUE(std::set<std::string>({"1", "2", "3", "5", "N"}).count(strValue)) << strValue << " " << nCount;
    EXPECT_EQ(mapMin.size(), 2u);
    EXPECT_EQ(mapMin.count("0") + mapMin.count("1"), 2u);
}

TEST_F(ShippedDefinitions, EditDefinitionTellingRows)
{
    struct SRow {
        const char* szId;
        const char* szName;
        const char* szType;
        const char* szMin;
        const char* szMax;
    };
    const SRow rows[] = {
        {"GO00000", "GLOBE_OECD", "tag_Type", "1", "1"},
        {"MS00000", "MessageSpec", "tag_Type", "1", "1"},
        {"MS00001", "TransmittingCountry", "countryCode_Type", "1", "1"},
        {"MS00003", "MessageType", "enum_Type", "1", "1"},
        {"MS00004", "MessageRefId", "messageRefId_Type", "1", "1"},
        {"MS00005", "MessageTypeIndic", "enum_Type", "1", "1"},
        {"MS00007", "Timestamp", "timeStamp_Type", "1", "1"},
        {"GB00000", "GLOBEBody", "tag_Type", "1", "1"},
        {"FI00000", "FilingInfo", "tag_Type", "1", "1"},
        {"GS00000", "GeneralSection", "tag_Type", "0", "1"},
        {"SM00000", "Summary", "tag_Type", "0", "N"},
        {"JS00000", "JurisdictionSection", "tag_Type", "0", "N"},
        {"UA00000", "UTPRAttribution", "tag_Type", "0", "N"},
        {"FI00002", "ResCountryCode", "countryCode_Type", "1", "1"},
        {"JS00033", "FinancialData", "tag_Type", "1", "3"},
        {"JS00400", "ResCountryCode", "countryCode_Type", "1", "5"},
    };
    for (const SRow& row : rows) {
        const SElement& element = ById(row.szId);
        EXPECT_EQ(element.strName, row.szName) << row.szId;
        EXPECT_EQ(element["dataType"], row.szType) << row.szId;
        EXPECT_EQ(element["minOccur"], row.szMin) << row.szId;
        EXPECT_EQ(element["maxOccur"], row.szMax) << row.szId;
        EXPECT_EQ(element["nameSpace"], "globe") << row.szId;
    }
    const SElement& root = ById("GO00000");
    EXPECT_EQ(root.nDepth, 1);
    EXPECT_EQ(root["attr"], "version");
    EXPECT_EQ(root["attrValue"], "1.0");
    EXPECT_EQ(root["attrValueColumn"], "");
    EXPECT_EQ(ById("MS00000").strParent, "GO00000");
    EXPECT_EQ(ById("GB00000").strParent, "GO00000");
    EXPECT_EQ(ById(ById("FI00002").strParent).strName, "FilingCE");
    EXPECT_EQ(ById(ById("FI00002").strParent).strParent, "FI00000");
    for (const char* szSection : {"FI00000", "GS00000", "SM00000", "JS00000", "UA00000"})
        EXPECT_EQ(ById(szSection).strParent, "GB00000");
}

TEST_F(ShippedDefinitions, EditDefinitionAutomaticItems)
{
    std::map<std::string, std::string> mapAuto;
    for (const SElement& element : EditElements()) {
        if (element.mapAttributes.count("autoItem") == 0) {
            EXPECT_EQ(element["value"], "") << element["itemId"];
            continue;
        }
        EXPECT_EQ(element["autoItem"], "1");
        mapAuto[element["itemId"]] = element.strName + "=" + element["value"];
    }
    EXPECT_EQ(mapAuto, (std::map<std::string, std::string>{{"MS00001", "TransmittingCountry=JP"},
                                                           {"MS00003", "MessageType=GIR"},
                                                           {"MS00007", "Timestamp="},
                                                           {"FI00002", "ResCountryCode=JP"}}));
}

TEST_F(ShippedDefinitions, TinAndDocSpecRows)
{
    int nTin = 0, nDocSpecChildren = 0;
    for (const SElement& element : EditElements()) {
        if (element["dataType"] == "tin_Type") {
            ++nTin;
            EXPECT_NE(element.strName.find("TIN"), std::string::npos) << element.strName;
            EXPECT_EQ(element["attr"], "issuedBy");
            EXPECT_EQ(element["attrValueColumn"], "3");
            EXPECT_EQ(element["attr2"], "unknown");
            EXPECT_EQ(element["attrValueColumn2"], "4");
            EXPECT_EQ(element["attr3"], "TypeOfTIN");
            EXPECT_EQ(element["attrValueColumn3"], "5");
            EXPECT_EQ(element["attrValue"] + element["attrValue2"] + element["attrValue3"], "");
        } else if (element["itemId"] != "GO00000") {
            EXPECT_EQ(element["attr"] + element["attr2"] + element["attr3"], "") << element["itemId"];
        }
        const bool bInDocSpec = !element.strParent.empty() && ById(element.strParent).strName == "DocSpec";
        EXPECT_EQ(element["nameSpace"] == "stf", bInDocSpec) << element["itemId"];
        if (!bInDocSpec)
            continue;
        ++nDocSpecChildren;
        const std::map<std::string, std::string> types = {
            {"DocTypeIndic", "oecdDoc_Type"}, {"DocRefId", "docRefId_Type"}, {"CorrDocRefId", "docRefId_Type"}};
        EXPECT_EQ(element["dataType"], types.at(element.strName));
        EXPECT_EQ(element["minOccur"], element.strName == "CorrDocRefId" ? "0" : "1");
    }
    EXPECT_EQ(nTin, 23);
    EXPECT_EQ(nDocSpecChildren, 15);
}

// ---------------------------------------------------------------- 211

TEST_F(ShippedDefinitions, CheckDefinitionSectionsInOrder)
{
    CLCXDomNsxml& dom = Check();
    ASSERT_EQ(dom.MoveRoot(), 0);
    EXPECT_EQ(dom.GetNodeName(), "GIRValidateDefine");
    EXPECT_EQ(dom.GetAttribute("VR"), "1.0");
    EXPECT_EQ(CheckSections(),
              (std::vector<std::string>{"exclusiveItemCheck", "singleItemCheck", "correlationCheck"}));
    EXPECT_EQ(CheckRows()["exclusiveItemCheck"].size(), 38u);
    EXPECT_EQ(CheckRows()["singleItemCheck"].size(), 2260u);
    EXPECT_EQ(dom.GetNodeCount("//correlationCheck/valid"), 23);
    EXPECT_EQ(CheckRows()["correlationCheck"].size(), 23u);
}

TEST_F(ShippedDefinitions, ExclusiveRows)
{
    const std::set<std::string> setIds = EditIds();
    std::map<std::string, int> mapKinds;
    for (const SElement& row : CheckRows()["exclusiveItemCheck"]) {
        EXPECT_EQ(row.strName, "valid");
        const std::string strKind = row["id"];
        ++mapKinds[strKind];
        ASSERT_TRUE(setIds.count(row["parentItemId"])) << row["parentItemId"];
        const std::vector<std::string> vecIds = Words(row["itemId"]);
        for (const std::string& strId : vecIds) {
            ASSERT_TRUE(setIds.count(strId)) << strId;
            EXPECT_EQ(ById(strId).strParent, row["parentItemId"]) << strId;
        }
        if (strKind == "exclusive") {
            EXPECT_TRUE(vecIds.size() == 2 || vecIds.size() == 3) << row["itemId"];
            EXPECT_TRUE(row.vecOuters.empty());
            for (const std::string& strId : vecIds)
                EXPECT_EQ(ById(strId)["minOccur"], "0") << strId;
            continue;
        }
        ASSERT_EQ(vecIds.size(), 1u);
        ASSERT_EQ(row.vecOuters.size(), 1u) << row["itemId"];
        const SElement& outer = row.vecOuters[0];
        EXPECT_EQ(outer.strName, "outer");
        EXPECT_EQ(ById(outer["itemId"]).strParent, row["parentItemId"]);
        if (strKind == "existItem" && outer["id"] == "existItem") {
            // A member of an optional group, asked for when another member is there.
            EXPECT_NE(outer["itemId"], row["itemId"]);
            EXPECT_EQ(ById(row["itemId"])["minOccur"], "0");
            EXPECT_EQ(row["messageId"], ById(row["itemId"]).strName == "ElectionYear" ? "HE60060E" : "HE60009E");
            ++mapKinds["existItem when present"];
            continue;
        }
        if (strKind == "existItem") {
            EXPECT_TRUE(row["messageId"] == "HE60060E" || row["messageId"] == "HE60061E") << row["messageId"];
            EXPECT_EQ(ById(row["itemId"]).strName, row["messageId"] == "HE60060E" ? "ElectionYear" : "CorrDocRefId");
        } else {
            EXPECT_EQ(strKind, "notExistItem");
            EXPECT_EQ(row["messageId"], "HE60059E");
            EXPECT_EQ(ById(row["itemId"]).strName, "CorrDocRefId");
        }
        EXPECT_EQ(outer["id"], "contain");
        EXPECT_FALSE(outer["value"].empty());
        EXPECT_EQ(outer["column"], "2");
    }
    EXPECT_EQ(mapKinds, (std::map<std::string, int>{
                            {"exclusive", 8}, {"existItem", 25}, {"existItem when present", 11}, {"notExistItem", 5}}));
}

TEST_F(ShippedDefinitions, SingleItemsCoverEveryCheckedElementOnFourColumns)
{
    std::map<std::string, std::set<std::string>> mapColumns;
    for (const SElement& item : CheckRows()["singleItemCheck"]) {
        EXPECT_EQ(item.strName, "item");
        EXPECT_TRUE(mapColumns[item["itemId"]].insert(item["column"]).second) << item["itemId"];
    }
    EXPECT_EQ(mapColumns.size(), 565u);
    for (const auto& [strId, setColumns] : mapColumns)
        EXPECT_EQ(setColumns, (std::set<std::string>{"2", "3", "4", "5"})) << strId;

    // Checked: every element a CSV row can name, but the four the system adds itself.
    std::set<std::string> setExpected;
    for (const SElement& element : EditElements())
        if (!kStructural.count(element.strName) && element["autoItem"].empty())
            setExpected.insert(element["itemId"]);
    std::set<std::string> setChecked;
    for (const auto& entry : mapColumns)
        setChecked.insert(entry.first);
    EXPECT_EQ(setChecked, setExpected);
}

TEST_F(ShippedDefinitions, SingleItemKeywordCounts)
{
    std::map<std::string, int> mapKeywords;
    for (const std::vector<SElement>& vecRules : ItemRules()) {
        EXPECT_FALSE(vecRules.empty());
        for (const SElement& rule : vecRules) {
            EXPECT_EQ(rule.strName, "valid");
            ++mapKeywords[rule["id"]];
            // Only value and max carry parameters; no rule names its own message.
            for (const auto& entry : rule.mapAttributes)
                EXPECT_TRUE(entry.first == "id" || entry.first == "value" || entry.first == "max") << entry.first;
            for (const SElement& outer : rule.vecOuters) {
                EXPECT_EQ(outer.strName, "outer");
                EXPECT_TRUE(outer["id"] == "contain" || outer["id"] == "exist" || outer["id"] == "notExist");
                EXPECT_FALSE(outer["column"].empty());
            }
        }
    }
    // length, charset and number stand where the schema's facets and the
    // corporate-number TINs put them.
    const std::map<std::string, int> expected = {
        {"notExist", 1775}, {"exist", 416},   {"format", 251}, {"contain", 136},   {"codeCheck", 54},
        {"length", 101},    {"charset", 229}, {"number", 46},  {"checkDigits", 46}, {"digits", 174}};
    EXPECT_EQ(mapKeywords, expected);
}

TEST_F(ShippedDefinitions, SingleItemTellingRows)
{
    const std::vector<SElement>& vecItems = CheckRows()["singleItemCheck"];
    auto rulesOf = [&](const std::string& strId, const std::string& strColumn) {
        std::vector<std::string> vecRules;
        for (size_t i = 0; i < vecItems.size(); ++i) {
            if (vecItems[i]["itemId"] != strId || vecItems[i]["column"] != strColumn)
                continue;
            for (const SElement& rule : ItemRules()[i])
                vecRules.push_back(rule["id"] + (rule["value"].empty() ? "" : "=" + rule["value"]) +
                                   (rule["max"].empty() ? "" : "<=" + rule["max"]));
        }
        return vecRules;
    };
    EXPECT_EQ(rulesOf("MS00004", "2"), (std::vector<std::string>{"exist", "length=22", "charset=latinString",
                                                                 "format=MessageRefIdGIR"}));
    for (const char* szColumn : {"3", "4", "5"})
        EXPECT_EQ(rulesOf("MS00004", szColumn), std::vector<std::string>{"notExist"});
    EXPECT_EQ(rulesOf("MS00002", "2"), (std::vector<std::string>{"exist", "contain=JP"}));
    EXPECT_EQ(rulesOf("MS00005", "2"), (std::vector<std::string>{"exist", "contain=GIR101 GIR102 GIR103"}));
    EXPECT_EQ(rulesOf("MS00006", "2"), (std::vector<std::string>{"exist", "format=date"}));
    EXPECT_EQ(rulesOf("FI00001", "2"), std::vector<std::string>{"notExist"});
    EXPECT_EQ(rulesOf("FI00009", "2"), (std::vector<std::string>{"exist", "codeCheck=currency2"}));
    EXPECT_EQ(rulesOf("GS00057", "2"),
              (std::vector<std::string>{"exist", "charset=fugoNumber", "format=integer", "digits<=18"}));
    EXPECT_EQ(rulesOf("FI00004", "2"),
              (std::vector<std::string>{"exist", "length<=200", "charset=latinString", "length=13", "number",
                                        "checkDigits=hojin", "length=13", "number", "checkDigits=hojin"}));
    EXPECT_EQ(rulesOf("FI00004", "3"), std::vector<std::string>{"codeCheck=country"});
    EXPECT_EQ(rulesOf("FI00004", "4"), std::vector<std::string>{"contain=true false"});
    EXPECT_EQ(rulesOf("FI00004", "5"), std::vector<std::string>{"contain=GIR3001 GIR3002 GIR3003 GIR3004"});
    EXPECT_EQ(rulesOf("FI00017", "2"), (std::vector<std::string>{"exist", "length<=200", "charset=latinString",
                                                                 "format=DocRefIdGIR"}));
}

TEST_F(ShippedDefinitions, CorrelationRows)
{
    std::map<std::string, int> mapKinds;
    const std::set<std::string> setIds = EditIds();
    for (const SElement& row : CheckRows()["correlationCheck"]) {
        ++mapKinds[row["id"]];
        for (const char* szKey : {"itemId", "itemId2"})
            for (const std::string& strId : Words(row[szKey]))
                EXPECT_TRUE(setIds.count(strId)) << strId;
        if (row["id"] == "contain") {
            EXPECT_EQ(row["messageId"], "HE60057E");
            EXPECT_EQ(ById(row["itemId"]).strName, "DocTypeIndic");
            ASSERT_EQ(row.vecOuters.size(), 1u);
            EXPECT_EQ(row.vecOuters[0]["id"], "contain");
            EXPECT_EQ(row.vecOuters[0]["itemId"], "MS00005");
        } else if (row["id"] == "match") {
            EXPECT_TRUE(std::set<std::string>({"HE60056E", "HE60058E", "HE60064E"}).count(row["messageId"]));
            EXPECT_TRUE(std::set<std::string>({"messageId", "messageIdFirst19", "year", "exact"}).count(row["value"]));
            EXPECT_FALSE(row["column"].empty());
            EXPECT_FALSE(row["column2"].empty());
        } else {
            EXPECT_EQ(row["id"], "duplicate");
            EXPECT_EQ(Words(row["itemId"]).size(), 5u);
            EXPECT_TRUE(row["messageId"] == "HE60062E" || row["messageId"] == "HE60063E");
        }
    }
    EXPECT_EQ(mapKinds, (std::map<std::string, int>{{"contain", 10}, {"match", 11}, {"duplicate", 2}}));
}

TEST_F(ShippedDefinitions, EveryItemIdOfTheCheckDefinitionExists)
{
    const std::set<std::string> setIds = EditIds();
    long lNamed = 0;
    auto checkIds = [&](const SElement& element) {
        lNamed += element.mapAttributes.count("itemId") + element.mapAttributes.count("itemId2") +
                  element.mapAttributes.count("parentItemId");
        for (const char* szKey : {"itemId", "itemId2", "parentItemId"})
            for (const std::string& strId : Words(element[szKey]))
                EXPECT_TRUE(setIds.count(strId)) << szKey << " " << strId;
    };
    for (const auto& entry : CheckRows())
        for (const SElement& row : entry.second) {
            checkIds(row);
            for (const SElement& outer : row.vecOuters)
                checkIds(outer);
        }
    // The walk met every element that names an item.
    CLCXDomNsxml& dom = Check();
    EXPECT_EQ(lNamed, dom.GetNodeCount("//*[@itemId]") + dom.GetNodeCount("//*[@itemId2]") +
                          dom.GetNodeCount("//*[@parentItemId]"));
}

// ---------------------------------------------------------------- 212

TEST_F(ShippedDefinitions, ElementListIsTheEditNamesLessTheStructuralOnes)
{
    const std::vector<std::string>& vecLines = ListLines();
    ASSERT_FALSE(vecLines.empty());
    EXPECT_EQ(vecLines[0], "\xE2\x80\xBB\xE6\x94\xB9\xE8\xA1\x8C\xE3\x82\xBF\xE3\x82\xB0\xE3\x81\xAF[\\n]"
                           "\xE3\x82\x92\xE4\xBD\xBF\xE7\x94\xA8\xE3\x81\x99\xE3\x82\x8B\xE3\x81\x93\xE3\x81\xA8");
    const std::vector<std::string> vecNames(vecLines.begin() + 1, vecLines.end());
    EXPECT_EQ(vecNames.size(), 569u);
    EXPECT_EQ(std::set<std::string>(vecNames.begin(), vecNames.end()).size(), 306u);

    std::vector<std::string> vecExpected;
    for (const SElement& element : EditElements())
        if (!kStructural.count(element.strName))
            vecExpected.push_back(element.strName);
    EXPECT_EQ(vecNames, vecExpected);
}

TEST_F(ShippedDefinitions, FilesAreShiftJisWithTheirDeclarations)
{
    for (const std::string& strPath : {kEditFile, kCheckFile}) {
        const std::string strText = CLCCbCCommon::ReadCsvFileData(strPath.c_str());
        EXPECT_EQ(strText.rfind("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\n", 0), 0u) << strPath;
    }
    // The comment line holds the only non-ASCII text: its bytes are CP932.
    const std::string strRaw = [] {
        FILE* pFile = std::fopen(kListFile.c_str(), "rb");
        std::string str;
        if (pFile == nullptr)
            return str;
        char sz[64];
        const size_t n = std::fread(sz, 1, sizeof sz, pFile);
        std::fclose(pFile);
        return str.assign(sz, n);
    }();
    EXPECT_EQ(strRaw.rfind("\x81\xA6\x89\xFC\x8D\x73\x83\x5E\x83\x4F\x82\xCD[\\n]", 0), 0u);
}

} // namespace
