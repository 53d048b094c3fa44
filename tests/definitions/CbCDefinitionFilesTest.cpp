#include "definitions/CbCDefinitionFileModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <sstream>

using namespace cbcdef;

namespace {

constexpr unsigned kAllIds[] = {203, 204, 205, 206, 208, 209, 213, 214};

const std::set<std::string>& RuleKeywords()
{
    static const std::set<std::string> keywords = {
        "exist",    "notExist",  "extension",   "existPath",  "length",     "number",
        "contain",  "notContain", "charset",    "checkDigits", "format",    "codeCheck",
        "notNumber", "contain2", "csvContain",  "duplicate",  "existFolder"};
    return keywords;
}

// The fewest columns a record of each kind can have (kinds 1 to 5), by the
// layout that the definition is used with. Outer rules read their column and a
// missing one is fatal, so every outer column must lie within these.
std::vector<long> MinimumColumns(unsigned nId)
{
    switch (nId) {
    case 203: case 204: return {9};
    case 213: case 214: return {5};
    // 208 writes records of the second layout, which 209 has checked.
    case 208: case 209: return {8, 12, 15, 11, 7};
    default: return {8, 9, 15, 10, 7};
    }
}

SDefinitionFile Load(unsigned nId)
{
    SDefinitionFile def;
    std::string strError;
    EXPECT_TRUE(LoadDefinition(nId, def, strError)) << nId << ": " << strError;
    return def;
}

bool IsCheckFile(unsigned nId)
{
    return nId == 203 || nId == 205 || nId == 209 || nId == 214;
}

std::string ItemName(const SItem& item)
{
    if (HasAttr(item.attrs, "id"))
        return Attr(item.attrs, "id");
    return "(column " + Attr(item.attrs, "column") + ")";
}

class EveryDefinition : public ::testing::TestWithParam<unsigned> {};

} // namespace

// --- Bytes and parsing ---------------------------------------------------------

TEST_P(EveryDefinition, StartsWithTheShiftJisDeclarationAndIndentsWithTabs)
{
    std::string strBytes;
    ASSERT_TRUE(ReadBytes(DefinitionPath(GetParam()), strBytes)) << DefinitionPath(GetParam());
    const std::string strDeclaration = "<?xml version=\"1.0\" encoding=\"Shift_JIS\" standalone=\"no\" ?>\n";
    EXPECT_EQ(strBytes.compare(0, strDeclaration.size(), strDeclaration), 0);

    std::istringstream lines(strBytes);
    std::string strLine;
    int nLine = 0;
    while (std::getline(lines, strLine)) {
        ++nLine;
        EXPECT_TRUE(strLine.empty() || strLine[0] != ' ') << "line " << nLine << " is indented with spaces";
        EXPECT_EQ(strLine.find('\r'), std::string::npos) << "line " << nLine;
    }
}

TEST_P(EveryDefinition, DecodesAsStrictCp932AndIsWellFormed)
{
    std::string strBytes;
    ASSERT_TRUE(ReadBytes(DefinitionPath(GetParam()), strBytes));
    std::string strError;
    EXPECT_TRUE(ParseWithLibxml2(strBytes, "CP932", strError)) << strError;
    EXPECT_TRUE(ParseWithLibxml2(strBytes, nullptr, strError)) << "declared encoding: " << strError;
    EXPECT_TRUE(ParseWithXerces(DefinitionPath(GetParam()), strError)) << strError;
}

TEST(DefinitionDecoding, RefusesBytesThatAreNotCp932)
{
    // 0x81 0x20 is a lead byte without a valid trail byte: a strict decoder stops.
    const std::string strBroken =
        "<?xml version=\"1.0\" encoding=\"Shift_JIS\" standalone=\"no\" ?>\n<a><!-- \x81\x20 --></a>\n";
    std::string strError;
    EXPECT_FALSE(ParseWithLibxml2(strBroken, "CP932", strError));
    // A character that only CP932 has (NEC circled digit one, 0x87 0x40) is accepted.
    const std::string strCp932 =
        "<?xml version=\"1.0\" encoding=\"Shift_JIS\" standalone=\"no\" ?>\n<a>\x87\x40</a>\n";
    EXPECT_TRUE(ParseWithLibxml2(strCp932, "CP932", strError)) << strError;
}

// --- Vocabulary and bounds -----------------------------------------------------

TEST_P(EveryDefinition, UsesOnlyKnownRuleKeywordsWithTheirParameters)
{
    const SDefinitionFile def = Load(GetParam());
    static const std::set<std::string> charsets = {"levraString", "latinString", "fugoNumber"};
    static const std::set<std::string> formats = {"MessageRefId", "DocRefId", "date", "integer", "MessageRefId2",
                                                  "DocRefId2", "DocRefId3", "percentage", "MessageRefIdGIR",
                                                  "DocRefIdGIR"};
    static const std::set<std::string> codeLists = {"country", "country2", "currency", "currency2"};
    static const std::set<std::string> listKeywords = {"contain", "notContain", "contain2", "csvContain"};
    for (const SReport& report : def.vecReports) {
        for (const SItem& item : report.vecItems) {
            if (!IsCheckFile(GetParam())) {
                EXPECT_TRUE(item.vecRules.empty()) << ItemName(item);
            }
            EXPECT_EQ(item.nOtherChildren, 0) << ItemName(item);
            for (const SRule& rule : item.vecRules) {
                const std::string strWhere = ItemName(item) + ": " + RuleSignature(rule);
                EXPECT_TRUE(RuleKeywords().count(rule.strKeyword)) << strWhere;
                const std::string strValue = Attr(rule.attrs, "value");
                if (rule.strKeyword == "length") {
                    EXPECT_TRUE(!strValue.empty() || !Attr(rule.attrs, "max").empty()) << strWhere;
                }
                if (listKeywords.count(rule.strKeyword)) {
                    EXPECT_FALSE(strValue.empty()) << strWhere;
                }
                if (rule.strKeyword == "charset") {
                    EXPECT_TRUE(charsets.count(strValue)) << strWhere;
                }
                if (rule.strKeyword == "format") {
                    EXPECT_TRUE(formats.count(strValue)) << strWhere;
                }
                if (rule.strKeyword == "codeCheck") {
                    EXPECT_TRUE(codeLists.count(strValue)) << strWhere;
                }
                if (rule.strKeyword == "checkDigits") {
                    EXPECT_EQ(strValue, "hojin") << strWhere;
                }
                if (HasAttr(rule.attrs, "messageId")) {
                    const std::string strCode = Attr(rule.attrs, "messageId");
                    EXPECT_TRUE(strCode == "HE60009E" || strCode == "HE60038E") << strWhere;
                }
                for (const SOuter& outer : rule.vecOuters) {
                    EXPECT_TRUE(RuleKeywords().count(outer.strKeyword)) << strWhere;
                    if (listKeywords.count(outer.strKeyword)) {
                        EXPECT_FALSE(outer.strValue.empty()) << strWhere;
                    }
                }
            }
        }
    }
}

TEST_P(EveryDefinition, ReadsOnlyColumnsThatEveryRecordOfItsKindHas)
{
    const unsigned nId = GetParam();
    const SDefinitionFile def = Load(nId);
    const std::vector<long> minimum = MinimumColumns(nId);
    ASSERT_EQ(def.vecReports.size(), minimum.size());
    for (size_t k = 0; k < def.vecReports.size(); ++k) {
        const long lMin = minimum[k];
        for (const SItem& item : def.vecReports[k].vecItems) {
            const std::string strWhere = "report " + std::to_string(k + 1) + ", " + ItemName(item);
            const long lColumn = AttrLong(item.attrs, "column");
            EXPECT_TRUE(!HasAttr(item.attrs, "column") || (lColumn >= 1 && lColumn <= 15)) << strWhere;
            if (!IsCheckFile(nId)) {
                // A conversion abandons the document when a record lacks a column it writes.
                if (Attr(item.attrs, "type") != "Timestamp") {
                    EXPECT_LE(lColumn, lMin) << strWhere;
                }
                if (HasAttr(item.attrs, "attrValueColumn")) {
                    const long lAttrColumn = AttrLong(item.attrs, "attrValueColumn");
                    EXPECT_GE(lAttrColumn, 1) << strWhere;
                    EXPECT_LE(lAttrColumn, HasAttr(item.attrs, "attrValueRec") ? minimum[0] : lMin) << strWhere;
                }
            }
            for (const SRule& rule : item.vecRules) {
                const std::string strRule = strWhere + ": " + RuleSignature(rule);
                EXPECT_LE(rule.lColumn, lMin) << strRule;
                EXPECT_GE(rule.lAssist, 0) << strRule;
                EXPECT_LE(rule.lAssist, lMin) << strRule;
                if (rule.lColumn == 0) {
                    EXPECT_GE(lColumn, 1) << strRule << " has no column";
                }
                for (const SOuter& outer : rule.vecOuters) {
                    EXPECT_GE(outer.lColumn, 1) << strRule;
                    EXPECT_LE(outer.lColumn, lMin) << strRule;
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, EveryDefinition, ::testing::ValuesIn(kAllIds),
                         [](const auto& info) { return "Id" + std::to_string(info.param); });

// --- Structure of each file ----------------------------------------------------

TEST(AppendixDefinitions, HaveTheRootsReportsAndItemCounts)
{
    struct SCase {
        unsigned nId;
        const char* szRoot;
        const char* szReportId;
        const char* szColumnNum;
        const char* szPageRec;   // null: absent
        bool bProc;
        size_t nItems;
    };
    const SCase cases[] = {
        {203, "CbCValidateDefine", "AIA120", "9", nullptr, true, 10},
        {204, "CbCDataConvDefine", "AIA120", "9", "15", true, 11},
        {213, "CbCDataConvDefine", "AIA540", "5", "15", false, 6},
        {214, "CbCValidateDefine", "AIA540", "5", nullptr, false, 5},
    };
    for (const SCase& c : cases) {
        const SDefinitionFile def = Load(c.nId);
        EXPECT_EQ(def.strRootName, c.szRoot) << c.nId;
        EXPECT_EQ(Attr(def.rootAttrs, "VR"), "1.0") << c.nId;
        ASSERT_EQ(def.vecReports.size(), 1u) << c.nId;
        EXPECT_EQ(def.nOtherRootChildren, 0) << c.nId;
        const SReport& report = def.vecReports[0];
        EXPECT_EQ(Attr(report.attrs, "reportId"), c.szReportId) << c.nId;
        EXPECT_EQ(Attr(report.attrs, "reportVR"), "1.0") << c.nId;
        EXPECT_EQ(Attr(report.attrs, "columnNum"), c.szColumnNum) << c.nId;
        EXPECT_EQ(HasAttr(report.attrs, "pageRec"), c.szPageRec != nullptr) << c.nId;
        if (c.szPageRec != nullptr) {
            EXPECT_EQ(Attr(report.attrs, "pageRec"), c.szPageRec) << c.nId;
        }
        EXPECT_EQ(Attr(report.attrs, "procId"), c.bProc ? "PAI1010" : "") << c.nId;
        EXPECT_EQ(Attr(report.attrs, "procVR"), c.bProc ? "23.1.0" : "") << c.nId;
        EXPECT_EQ(report.vecItems.size(), c.nItems) << c.nId;
    }
}

TEST(AppendixDefinitions, ConversionTreesHangEachItemUnderAnEarlierParent)
{
    struct SNode {
        const char* szId;
        const char* szParent;
        long lColumn;   // 0: none
        const char* szType;
        const char* szRepeat;   // "": none
    };
    const std::vector<SNode> tree204 = {
        {"HQA00000", "AIA120", 0, "Normal", "1"},      {"HQA00010", "HQA00000", 1, "Kubun", ""},
        {"HQA00020", "HQA00000", 2, "Kubun", ""},      {"HQA00030", "HQA00000", 3, "Kubun", ""},
        {"HQB00000", "AIA120", 0, "Normal", "15"},     {"HQB00010", "HQB00000", 4, "Kubun", ""},
        {"HQB00020", "HQB00000", 5, "Normal", ""},     {"HQB00030", "HQB00000", 6, "Normal", ""},
        {"HQB00040", "HQB00000", 7, "Normal", ""},     {"HQB00050", "HQB00000", 8, "Normal", ""},
        {"HQB00060", "HQB00000", 9, "Bango", ""},
    };
    const std::vector<SNode> tree213 = {
        {"HCA00000", "AIA540", 1, "Kubun", "1"},   {"HCB00000", "AIA540", 0, "Normal", "15"},
        {"HCB00010", "HCB00000", 2, "Normal", ""}, {"HCB00020", "HCB00000", 3, "Normal", ""},
        {"HCB00030", "HCB00000", 4, "Normal", ""}, {"HCB00040", "HCB00000", 5, "Bango", ""},
    };
    for (const auto& [nId, expected] : {std::make_pair(204u, tree204), std::make_pair(213u, tree213)}) {
        const SDefinitionFile def = Load(nId);
        ASSERT_EQ(def.vecReports.size(), 1u);
        const std::vector<SItem>& items = def.vecReports[0].vecItems;
        ASSERT_EQ(items.size(), expected.size()) << nId;
        for (size_t i = 0; i < items.size(); ++i) {
            const SNode& node = expected[i];
            EXPECT_EQ(Attr(items[i].attrs, "id"), node.szId) << nId << " item " << i;
            EXPECT_EQ(Attr(items[i].attrs, "parent"), node.szParent) << node.szId;
            EXPECT_EQ(AttrLong(items[i].attrs, "column"), node.lColumn) << node.szId;
            EXPECT_EQ(Attr(items[i].attrs, "type"), node.szType) << node.szId;
            EXPECT_EQ(Attr(items[i].attrs, "repeat"), node.szRepeat) << node.szId;
        }
    }
    // The items of 213 are written as empty elements.
    EXPECT_EQ(Load(213).strRaw.find("</item>"), std::string::npos);
}

TEST(CbCReportDefinitions, CheckFilesHaveFiveCommentedReportsWithEveryColumnOnce)
{
    struct SReportShape {
        const char* szId;
        const char* szColumnNum205;
        const char* szColumnNum209;
        size_t nItems;
        long lLastUsed205;   // columns after it are EmptyColumnNN
        long lLastUsed209;
    };
    const SReportShape shapes[] = {
        {"MessageSpec", "8", "8", 14, 8, 8},
        {"ReportingEntity", "9", "12", 14, 9, 12},
        {"CbcReportsSummary", "15", "15", 14, 15, 15},
        {"CbcReportsConstEntities", "10", "11", 15, 10, 11},
        {"AdditionalInfo", "10", "10", 14, 7, 7},
    };
    for (unsigned nId : {205u, 209u}) {
        const SDefinitionFile def = Load(nId);
        EXPECT_EQ(def.strRootName, "CbCValidateDefine2");
        EXPECT_EQ(Attr(def.rootAttrs, "VR"), nId == 205 ? "1.0" : "2.0");
        EXPECT_FALSE(HasAttr(def.rootAttrs, "rootNode")) << "a check file must not name an output root";
        ASSERT_EQ(def.vecReports.size(), 5u);
        for (size_t k = 0; k < 5; ++k) {
            const SReport& report = def.vecReports[k];
            const SReportShape& shape = shapes[k];
            const std::string strWhere = std::to_string(nId) + " " + shape.szId;
            EXPECT_TRUE(report.bCommentBefore) << strWhere;
            EXPECT_EQ(Attr(report.attrs, "id"), shape.szId) << strWhere;
            EXPECT_EQ(Attr(report.attrs, "columnNum"), nId == 205 ? shape.szColumnNum205 : shape.szColumnNum209)
                << strWhere;
            EXPECT_EQ(report.vecItems.size(), shape.nItems) << strWhere;
            const long lLastUsed = nId == 205 ? shape.lLastUsed205 : shape.lLastUsed209;
            std::vector<int> seen(16, 0);
            for (const SItem& item : report.vecItems) {
                EXPECT_EQ(Attr(item.attrs, "type"), "Normal") << strWhere << " " << ItemName(item);
                if (!HasAttr(item.attrs, "column"))
                    continue;
                const long lColumn = AttrLong(item.attrs, "column");
                ASSERT_TRUE(lColumn >= 2 && lColumn <= 15) << strWhere << " " << ItemName(item);
                ++seen[lColumn];
                char szEmpty[16];
                std::snprintf(szEmpty, sizeof szEmpty, "EmptyColumn%02ld", lColumn);
                const bool bEmpty = lColumn > lLastUsed;
                EXPECT_EQ(Attr(item.attrs, "id") == szEmpty, bEmpty) << strWhere << " " << ItemName(item);
                if (bEmpty) {
                    EXPECT_EQ(RuleSignature(item), "notExist") << strWhere << " " << ItemName(item);
                }
            }
            for (long c = 2; c <= 15; ++c) {
                EXPECT_EQ(seen[c], 1) << strWhere << " column " << c;
            }
        }
    }
}

TEST(CbCReportDefinitions, SecondSchemaChecksUseOnlySecondSchemaCodesAndFormats)
{
    static const std::set<std::string> firstOnly = {"country", "currency", "MessageRefId", "DocRefId"};
    static const std::set<std::string> secondOnly = {"country2", "currency2", "MessageRefId2", "DocRefId2",
                                                     "DocRefId3"};
    for (unsigned nId : {205u, 209u}) {
        const std::set<std::string>& refused = nId == 205 ? secondOnly : firstOnly;
        for (const SReport& report : Load(nId).vecReports) {
            for (const SItem& item : report.vecItems) {
                for (const SRule& rule : item.vecRules) {
                    if (rule.strKeyword == "codeCheck" || rule.strKeyword == "format") {
                        EXPECT_FALSE(refused.count(Attr(rule.attrs, "value")))
                            << nId << " " << ItemName(item) << ": " << RuleSignature(rule);
                    }
                }
            }
        }
    }
}

TEST(CbCReportDefinitions, ConversionFilesHaveTheirRootAndReports)
{
    const char* reportIds[] = {"MessageSpec", "ReportingEntity", "SummaryDumy", "ConstEntities", "AdditionalInfo"};
    const char* columnNums[] = {"8", "9", "15", "10", "7"};
    for (unsigned nId : {206u, 208u}) {
        const SDefinitionFile def = Load(nId);
        const std::string strVR = nId == 206 ? "1.0" : "2.0";
        EXPECT_EQ(def.strRootName, "CbCDataConvDefine");
        EXPECT_EQ(def.rootAttrs, (AttrMap{{"VR", strVR}, {"rootNode", "CBC_OECD"}, {"attr", "version"},
                                          {"attrValueRec", "MessageType"}, {"attrValueColumn", "2"}}));
        ASSERT_EQ(def.vecReports.size(), 5u);
        for (size_t k = 0; k < 5; ++k) {
            const AttrMap& attrs = def.vecReports[k].attrs;
            EXPECT_EQ(Attr(attrs, "reportId"), reportIds[k]) << nId;
            EXPECT_EQ(Attr(attrs, "reportVR"), strVR) << nId;
            EXPECT_EQ(Attr(attrs, "columnNum"), columnNums[k]) << nId;
            EXPECT_EQ(Attr(attrs, "dumyFlg"), k == 2 ? "true" : "") << nId;
        }
    }
}

TEST(CbCReportDefinitions, ConversionItemsHangUnderAnEarlierNodeOfTheirReport)
{
    static const std::set<std::string> types = {"Normal", "Timestamp", "Split"};
    for (unsigned nId : {204u, 206u, 208u, 213u}) {
        for (const SReport& report : Load(nId).vecReports) {
            std::set<std::string> placed = {Attr(report.attrs, "reportId")};
            for (const SItem& item : report.vecItems) {
                const std::string strId = Attr(item.attrs, "id");
                EXPECT_FALSE(strId.empty()) << nId;
                EXPECT_TRUE(placed.count(Attr(item.attrs, "parent")))
                    << nId << " " << strId << " hangs under " << Attr(item.attrs, "parent");
                EXPECT_FALSE(placed.count(strId)) << nId << " " << strId << " is not unique in its report";
                placed.insert(strId);
                if (nId == 206 || nId == 208) {
                    EXPECT_TRUE(types.count(Attr(item.attrs, "type"))) << nId << " " << strId;
                }
            }
        }
    }
}

// The check file and the conversion file of one schema describe the same CSV:
// every column that the conversion writes is checked under the same element
// name, and no column that the check requires to be empty is written.
TEST(CbCReportDefinitions, CheckAndConversionAgreeOnEveryColumn)
{
    for (const auto& [nCheck, nConv] : {std::make_pair(205u, 206u), std::make_pair(209u, 208u)}) {
        const SDefinitionFile check = Load(nCheck);
        const SDefinitionFile conv = Load(nConv);
        ASSERT_EQ(check.vecReports.size(), conv.vecReports.size());
        std::vector<std::set<long>> written(conv.vecReports.size());
        for (size_t k = 0; k < conv.vecReports.size(); ++k) {
            for (const SItem& item : conv.vecReports[k].vecItems) {
                if (HasAttr(item.attrs, "attrValueColumn"))
                    written[HasAttr(item.attrs, "attrValueRec") ? 0 : k].insert(AttrLong(item.attrs, "attrValueColumn"));
                if (!HasAttr(item.attrs, "column") || Attr(item.attrs, "type") == "Timestamp")
                    continue;
                const long lColumn = AttrLong(item.attrs, "column");
                written[k].insert(lColumn);
                const SItem* pChecked = FindItemByColumn(check.vecReports[k], lColumn);
                ASSERT_NE(pChecked, nullptr) << nConv << " report " << k + 1 << " column " << lColumn;
                EXPECT_EQ(Attr(pChecked->attrs, "id"), Attr(item.attrs, "id"))
                    << nCheck << "/" << nConv << " report " << k + 1 << " column " << lColumn;
            }
        }
        written[0].insert(AttrLong(conv.rootAttrs, "attrValueColumn"));
        for (size_t k = 0; k < check.vecReports.size(); ++k) {
            for (const SItem& item : check.vecReports[k].vecItems) {
                if (!HasAttr(item.attrs, "column"))
                    continue;
                const bool bEmpty = Attr(item.attrs, "id").rfind("EmptyColumn", 0) == 0;
                EXPECT_NE(bEmpty, written[k].count(AttrLong(item.attrs, "column")) != 0)
                    << nCheck << "/" << nConv << " report " << k + 1 << " " << ItemName(item);
            }
        }
    }
}

TEST(CbCReportDefinitions, SecondSchemaConversionPlacesItsNewElements)
{
    auto childrenOf = [](const SReport& report, const std::string& strParent) {
        std::vector<std::string> ids;
        for (const SItem& item : report.vecItems) {
            if (Attr(item.attrs, "parent") == strParent)
                ids.push_back(Attr(item.attrs, "id"));
        }
        return ids;
    };
    const SDefinitionFile def208 = Load(208);
    ASSERT_EQ(def208.vecReports.size(), 5u);
    EXPECT_EQ(childrenOf(def208.vecReports[1], "ReportingEntity"),
              (std::vector<std::string>{"Entity", "NameMNEGroup", "ReportingRole", "ReportingPeriod", "DocSpec"}));
    EXPECT_EQ(childrenOf(def208.vecReports[1], "ReportingPeriod"), (std::vector<std::string>{"StartDate", "EndDate"}));
    EXPECT_EQ(childrenOf(def208.vecReports[3], "ConstEntities"),
              (std::vector<std::string>{"ConstEntity", "Role", "IncorpCountryCode", "BizActivities",
                                        "OtherEntityInfo"}));
    const SDefinitionFile def206 = Load(206);
    EXPECT_EQ(childrenOf(def206.vecReports[1], "ReportingEntity"),
              (std::vector<std::string>{"Entity", "ReportingRole", "DocSpec"}));
    EXPECT_EQ(childrenOf(def206.vecReports[1], "Entity"),
              (std::vector<std::string>{"ResCountryCode", "TIN", "IN", "Name", "Address"}));
}

TEST(CbCReportDefinitions, ConversionItemsCarryTheirFixedValuesAndAttributes)
{
    struct SAttrCase {
        size_t nReport;
        const char* szId;
        const char* szParent;
        AttrMap extra;   // every attribute besides id, parent, type and column
        long lColumn;
    };
    const std::string strAddressFree = "<cbc:AddressFree>";
    const std::vector<SAttrCase> cases = {
        {0, "TransmittingCountry", "MessageSpec", {{"value", "JP"}}, 0},
        {0, "MessageType", "MessageSpec", {{"value", "CBC"}}, 0},
        {0, "Language", "MessageSpec", {{"value", "EN"}}, 0},
        {1, "ResCountryCode", "Entity", {{"value", "JP"}}, 0},
        {1, "TIN", "Entity", {{"attr", "issuedBy"}, {"attrValue", "JP"}}, 5},
        {1, "Address", "Entity",
         {{"attr", "legalAddressType"}, {"attrValue", "OECD304"}, {"requiredChild", strAddressFree}}, 0},
        {1, "CountryCode", "Address", {{"value", "JP"}}, 0},
        {1, "DocRefId", "DocSpec", {{"nameSpace", "stf"}}, 3},
        {2, "Unrelated", "Revenues", {{"attr", "currCode"}, {"attrValueRec", "MessageType"}, {"attrValueColumn", "8"}}, 6},
        {2, "NbEmployees", "Summary", {}, 14},
        {3, "TIN", "ConstEntity", {{"attr", "issuedBy"}, {"attrValueColumn", "2"}}, 3},
        {3, "Address", "ConstEntity",
         {{"attr", "legalAddressType"}, {"attrValue", "OECD304"}, {"requiredChild", strAddressFree}}, 0},
        {4, "OtherInfo", "AdditionalInfo", {{"emptyTag", "true"}}, 5},
    };
    for (unsigned nId : {206u, 208u}) {
        const SDefinitionFile def = Load(nId);
        for (const SAttrCase& c : cases) {
            const SItem* pItem = nullptr;
            for (const SItem& item : def.vecReports[c.nReport].vecItems) {
                if (Attr(item.attrs, "id") == c.szId && Attr(item.attrs, "parent") == c.szParent)
                    pItem = &item;
            }
            ASSERT_NE(pItem, nullptr) << nId << " " << c.szId;
            AttrMap extra = pItem->attrs;
            for (const char* szKnown : {"id", "parent", "type", "column"})
                extra.erase(szKnown);
            EXPECT_EQ(extra, c.extra) << nId << " " << c.szId;
            EXPECT_EQ(AttrLong(pItem->attrs, "column"), c.lColumn) << nId << " " << c.szId;
        }
        // Amounts but the number of employees carry the currency of the message.
        int nCurrency = 0;
        for (const SItem& item : def.vecReports[2].vecItems)
            nCurrency += Attr(item.attrs, "attr") == "currCode";
        EXPECT_EQ(nCurrency, 9) << nId;
    }
}

// --- Telling rows ----------------------------------------------------------------

namespace {

struct STellingRow {
    unsigned nId;
    size_t nReport;          // 0-based
    const char* szItem;      // id; "" = the item without id; "#N" = the item of column N
    const char* szRules;     // the whole rule list
};

std::ostream& operator<<(std::ostream& os, const STellingRow& row)
{
    return os << row.nId << "/" << row.nReport + 1 << "/" << row.szItem;
}

void PrintTo(const STellingRow& row, std::ostream* os)
{
    *os << row;
}

class TellingRow : public ::testing::TestWithParam<STellingRow> {};

const SItem* Lookup(const SReport& report, const std::string& strItem)
{
    if (!strItem.empty() && strItem[0] == '#')
        return FindItemByColumn(report, std::stol(strItem.substr(1)));
    return FindItem(report, strItem);
}

const char kCorr205[] = "notExist [contain OECD0 OECD1@2]; exist [contain OECD2 OECD3@2]; "
                        "length 29 [contain OECD2 OECD3@2]; charset latinString [contain OECD2 OECD3@2]; "
                        "format DocRefId [contain OECD2 OECD3@2]";
const char kCorr209[] = "notExist [contain OECD0 OECD1@2]; exist [contain OECD2 OECD3@2]; "
                        "length 26 29 [contain OECD2 OECD3@2]; charset latinString [contain OECD2 OECD3@2]; "
                        "format DocRefId2 [contain OECD2 OECD3@2]";
const char kAmount[] = "exist; length max=16; charset fugoNumber; format integer";
const char kBiz[] = "exist; length max=90; charset latinString; contain2 CBC501 CBC502 CBC503 CBC504 CBC505 "
                    "CBC506 CBC507 CBC508 CBC509 CBC510 CBC511 CBC512 CBC513";
const char kSummaryRef[] = "length 6 [exist@7]; charset latinString [exist@7]; contain CBC601 CBC602 CBC603 "
                           "CBC604 CBC605 CBC606 CBC607 CBC608 CBC609 CBC610 CBC611 [exist@7]";
const char kTogether[] = "notExist @6 assist=7 msg=HE60009E [notExist@7]; exist @6 assist=7 msg=HE60009E [exist@7]";
const char kKubun[] = "exist; length 1; number; contain 1 2";

const STellingRow kTellingRows[] = {
    // 203 and 214: appendix-table checks.
    {203, 0, "HQA00010", kKubun},
    {203, 0, "HQA00030", kKubun},
    {203, 0, "HQB00010", kKubun},
    {203, 0, "HQB00020", "exist; length max=100; charset levraString"},
    {203, 0, "HQB00050", "exist; length max=30; charset levraString"},
    {203, 0, "HQB00060", "length 13 [exist@9]; number [exist@9]; checkDigits hojin [exist@9]"},
    {203, 0, "", "contain 1 @1 assist=3 [notContain 1@2, notContain 1@3]; "
                 "contain 1 @2 assist=3 [notContain 1@1, notContain 1@3]; "
                 "contain 1 @3 assist=3 [notContain 1@1, notContain 1@2]"},
    {203, 0, "HQB00040", "notExist [contain 1@4]; exist [contain 2@4]; length max=100 [contain 2@4]; "
                         "charset levraString [contain 2@4]"},
    {214, 0, "#1", kKubun},
    {214, 0, "#3", "exist; length max=100; charset levraString"},
    {214, 0, "#4", "exist; length max=30; charset levraString"},
    {214, 0, "#5", "length 13 [exist@5]; number [exist@5]; checkDigits hojin [exist@5]"},
    // 205: the rows the definition states.
    {205, 0, "Version", "exist; length 5; charset latinString; contain 1.0.1"},
    {205, 0, "ReceivingCountry", "exist; length max=900; charset latinString; codeCheck country; duplicate"},
    {205, 0, "MessageRefId", "exist; length 24; charset latinString; format MessageRefId"},
    {205, 0, "MessageTypeIndic", "exist; length 6; charset latinString; contain CBC401 CBC402"},
    {205, 0, "ReportingPeriod", "exist; length 10; charset latinString; format date"},
    {205, 0, "Currency", "length 3 [exist@8]; charset latinString [exist@8]; codeCheck currency [exist@8]"},
    {205, 1, "DocTypeIndic", "exist; length 5; charset latinString; contain OECD0 OECD1 OECD2 OECD3"},
    {205, 1, "TIN", "exist; length 13 [number@5]; length max=13 [notNumber@5]; charset latinString; "
                    "checkDigits hojin [number@5]; contain NOTIN [notNumber@5]"},
    {205, 1, "ReportingRole", "exist; length 6; charset latinString; contain CBC701 CBC702 CBC703"},
    {205, 1, "CorrDocRefId", kCorr205},
    {205, 2, "Unrelated", kAmount},
    {205, 2, "TaxAccrued", kAmount},
    {205, 2, "NbEmployees", kAmount},
    {205, 2, "Assets", kAmount},
    {205, 3, "BizActivities", kBiz},
    {205, 3, "", kTogether},
    {205, 3, "OtherEntityInfo", "exist [csvContain CBC513@9]; length max=4000 [exist@10]; "
                                "charset latinString [exist@10]"},
    {205, 4, "SummaryRef", kSummaryRef},
    // 205: rows rebuilt from the first schema (see the generator).
    {205, 0, "Warning", "length max=4000 [exist@4]; charset latinString [exist@4]"},
    {205, 1, "IN", "charset latinString [exist@6]"},
    {205, 1, "Name", "exist; charset latinString"},
    {205, 1, "AddressFree", "charset latinString [exist@8]"},
    {205, 1, "DocRefId", "exist; length 29; charset latinString; format DocRefId"},
    {205, 2, "DocTypeIndic", "exist; length 5; charset latinString; contain OECD0 OECD1 OECD2 OECD3"},
    {205, 2, "DocRefId", "exist; length 29; charset latinString; format DocRefId"},
    {205, 2, "CorrDocRefId", kCorr205},
    {205, 2, "ResCountryCode", "exist; length 2; charset latinString; codeCheck country"},
    {205, 3, "ResCountryCode", "exist; length 2; charset latinString; codeCheck country"},
    {205, 3, "TIN", "exist; length 13 [contain JP@2, number@3]; length max=13 [contain JP@2, notNumber@3]; "
                    "charset latinString; checkDigits hojin [contain JP@2, number@3]; "
                    "contain NOTIN [contain JP@2, notNumber@3]"},
    {205, 3, "IN", "charset latinString [exist@4]"},
    {205, 3, "Name", "exist; charset latinString"},
    {205, 3, "CountryCode", "length 2 [exist@6]; charset latinString [exist@6]; codeCheck country [exist@6]"},
    {205, 3, "AddressFree", "charset latinString [exist@7]"},
    {205, 3, "IncorpCountryCode", "length 2 [exist@8]; charset latinString [exist@8]; codeCheck country [exist@8]"},
    {205, 4, "DocTypeIndic", "exist; length 5; charset latinString; contain OECD0 OECD1 OECD2 OECD3"},
    {205, 4, "DocRefId", "exist; length 29; charset latinString; format DocRefId"},
    {205, 4, "CorrDocRefId", kCorr205},
    {205, 4, "OtherInfo", "length max=4000 [exist@5]; charset latinString [exist@5]"},
    {205, 4, "ResCountryCode", "length 2 [exist@6]; charset latinString [exist@6]; codeCheck country [exist@6]"},
    // 209: the changes the definition states, with the Role mended to one code.
    {209, 0, "Version", "exist; length 3; charset latinString; contain 2.0 msg=HE60038E"},
    {209, 0, "ReceivingCountry", "exist; length max=900; charset latinString; codeCheck country2; duplicate"},
    {209, 0, "MessageRefId", "exist; length 22; charset latinString; format MessageRefId2"},
    {209, 0, "Currency", "length 3 [exist@8]; charset latinString [exist@8]; codeCheck currency2 [exist@8]"},
    {209, 1, "Name", "exist; length max=200; charset latinString"},
    {209, 1, "AddressFree", "length max=4000 [exist@8]; charset latinString [exist@8]"},
    {209, 1, "NameMNEGroup", "length max=200 [exist@9]; charset latinString [exist@9]"},
    {209, 1, "#10", "exist; length 6; charset latinString; contain CBC701 CBC702 CBC703"},
    {209, 1, "StartDate", "exist; length 10; charset latinString; format date"},
    {209, 1, "EndDate", "exist; length 10; charset latinString; format date"},
    {209, 1, "DocRefId", "exist; length 26; charset latinString; format DocRefId3"},
    {209, 1, "CorrDocRefId", kCorr209},
    {209, 2, "DocRefId", "exist; length 26; charset latinString; format DocRefId3"},
    {209, 2, "CorrDocRefId", kCorr209},
    {209, 2, "ResCountryCode", "exist; length 2; charset latinString; codeCheck country2"},
    {209, 3, "ResCountryCode", "exist; length 2; charset latinString; codeCheck country2"},
    {209, 3, "CountryCode", "length 2 [exist@6]; charset latinString [exist@6]; codeCheck country2 [exist@6]"},
    {209, 3, "Name", "exist; length max=200; charset latinString"},
    {209, 3, "AddressFree", "length max=4000 [exist@7]; charset latinString [exist@7]"},
    {209, 3, "Role", "length 6 [exist@8]; charset latinString [exist@8]; contain CBC801 CBC802 CBC803 [exist@8]"},
    {209, 3, "#9", "length 2 [exist@9]; charset latinString [exist@9]; codeCheck country2 [exist@9]"},
    {209, 3, "#10", kBiz},
    {209, 3, "OtherEntityInfo", "exist [csvContain CBC513@10]; length max=4000 [exist@11]; "
                                "charset latinString [exist@11]"},
    {209, 3, "", kTogether},
    {209, 4, "DocRefId", "exist; length 26; charset latinString; format DocRefId3"},
    {209, 4, "CorrDocRefId", kCorr209},
    {209, 4, "ResCountryCode", "length 2 [exist@6]; charset latinString [exist@6]; codeCheck country2 [exist@6]"},
    {209, 4, "OtherInfo", "exist; length max=4000; charset latinString"},
    {209, 4, "SummaryRef", kSummaryRef},
    // 209: rows rebuilt from the second schema.
    {209, 0, "Warning", "length max=4000 [exist@4]; charset latinString [exist@4]"},
    {209, 1, "IN", "length max=200 [exist@6]; charset latinString [exist@6]"},
    {209, 3, "IN", "length max=200 [exist@4]; charset latinString [exist@4]"},
    {209, 3, "TIN", "exist; length 13 [contain JP@2, number@3]; length max=13 [contain JP@2, notNumber@3]; "
                    "length max=200; charset latinString; checkDigits hojin [contain JP@2, number@3]; "
                    "contain NOTIN [contain JP@2, notNumber@3]"},
};

} // namespace

TEST_P(TellingRow, HasExactlyTheseRules)
{
    const STellingRow& row = GetParam();
    const SDefinitionFile def = Load(row.nId);
    ASSERT_LT(row.nReport, def.vecReports.size());
    const SItem* pItem = Lookup(def.vecReports[row.nReport], row.szItem);
    ASSERT_NE(pItem, nullptr) << row;
    EXPECT_EQ(RuleSignature(*pItem), row.szRules) << row;
}

INSTANTIATE_TEST_SUITE_P(Definitions, TellingRow, ::testing::ValuesIn(kTellingRows),
                         [](const auto& info) { return "Row" + std::to_string(info.index); });

TEST(CbCReportDefinitions, ConditionalItemsComeAfterTheEmptyColumns)
{
    // The item order is the order in which a record's failures are found.
    auto order = [](const SReport& report) {
        std::vector<std::string> ids;
        for (const SItem& item : report.vecItems) {
            const std::string strId = HasAttr(item.attrs, "id") ? Attr(item.attrs, "id") : "-";
            if (strId.rfind("EmptyColumn", 0) != 0)
                ids.push_back(strId);
            else if (ids.empty() || ids.back() != "Empty")
                ids.push_back("Empty");
        }
        return ids;
    };
    using V = std::vector<std::string>;
    const SDefinitionFile def205 = Load(205);
    EXPECT_EQ(order(def205.vecReports[1]),
              (V{"DocTypeIndic", "TIN", "IN", "Name", "AddressFree", "ReportingRole", "Empty", "DocRefId",
                 "CorrDocRefId"}));
    EXPECT_EQ(order(def205.vecReports[3]),
              (V{"ResCountryCode", "IN", "Name", "CountryCode", "AddressFree", "-", "IncorpCountryCode",
                 "BizActivities", "OtherEntityInfo", "Empty", "TIN"}));
    EXPECT_EQ(order(def205.vecReports[4]),
              (V{"DocTypeIndic", "DocRefId", "OtherInfo", "ResCountryCode", "SummaryRef", "Empty", "CorrDocRefId"}));
    const SDefinitionFile def209 = Load(209);
    EXPECT_EQ(order(def209.vecReports[1]),
              (V{"DocTypeIndic", "TIN", "IN", "Name", "AddressFree", "NameMNEGroup", "ReportingRole", "StartDate",
                 "EndDate", "Empty", "DocRefId", "CorrDocRefId"}));
    EXPECT_EQ(order(def209.vecReports[3]),
              (V{"ResCountryCode", "IN", "Name", "CountryCode", "AddressFree", "-", "Role", "IncorpCountryCode",
                 "BizActivities", "OtherEntityInfo", "Empty", "TIN"}));
    EXPECT_EQ(def209.vecReports[2].vecItems.back().attrs.at("id"), "CorrDocRefId");
}
