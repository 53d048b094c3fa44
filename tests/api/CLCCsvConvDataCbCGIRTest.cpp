#include "api/CLCCsvConvDataCbC.h"
#include "api/CLCCsvConvResultGIR.h"

#include "api/ApiTestSupport.h"
#include "api/GIRMutants.h"
#include "gir/GIRDetailText.h"
#include "gir/GIRFolderBuilder.h"
#include "gir/GIRTreeBuilder.h"
#include "support/OecdSchema.h"

#include <filesystem>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <map>
#include <random>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr const char* kGIRSchema = "GLOBEXML_v1.0.xsd";

using girtest::CGIRFolderBuilder;
using girtest::SGIRFolder;

// "file=text" per entry of the GIR result's two lists, joined by "\n".
std::string Details(const CLCCsvConvResultGIR& result)
{
    const std::vector<std::string> vecFiles = result.GetErrFileName();
    const std::vector<std::string> vecTexts = result.GetDetailErrInfo();
    EXPECT_EQ(vecFiles.size(), vecTexts.size());
    EXPECT_EQ(result.get_ErrInfoCount(), static_cast<long>(vecFiles.size()));
    return girtest::JoinDetails(vecFiles, vecTexts, "=");
}

// "" when valid against the GIR schema; the skip message when it is missing.
std::string SchemaErrors(const std::string& strXml, bool& bSkipped)
{
    const std::string strSchema = oecdxsd::SchemaPath("gir_v1.0", kGIRSchema);
    const std::string strMissing = oecdxsd::MissingSchemaMessage(strSchema);
    bSkipped = !strMissing.empty();
    if (bSkipped)
        return strMissing;
    std::string strErrors;
    oecdxsd::ValidateXml(strSchema, strXml, strErrors);
    return strErrors;
}

std::string NormalisedTimestamp(std::string strXml)
{
    static const std::regex kStamp("<globe:Timestamp>[^<]*</globe:Timestamp>");
    return std::regex_replace(strXml, kStamp, "<globe:Timestamp>T</globe:Timestamp>");
}

// The rows of the hand-built tree's clean folder, as a folder on disk.
SGIRFolder AsFolder(const std::vector<SGIRRow>& vecRows)
{
    SGIRFolder folder;
    std::map<std::string, size_t> mapBody;
    for (const SGIRRow& row : vecRows) {
        girtest::SRow csvRow(row.strLevel, row.strName, row.strValue, row.strAttr1, row.strAttr2, row.strAttr3);
        if (row.strFile == "01_MessageSpec.csv") {
            folder.messageSpec.push_back(csvRow);
            continue;
        }
        auto it = mapBody.find(row.strFile);
        if (it == mapBody.end()) {
            it = mapBody.emplace(row.strFile, folder.vecBodies.size()).first;
            folder.vecBodies.push_back({row.strFile, {}});
        }
        folder.vecBodies[it->second].second.push_back(csvRow);
    }
    return folder;
}

// The shipped example as data (it holds no quoted field): the header, then
// the body files in name order.
SGIRFolder ExampleFolder()
{
    const std::filesystem::path root = apitest::ExamplePath("gir");
    const std::set<std::filesystem::path> setBodies(std::filesystem::directory_iterator(root / "02_GLOBEBody"), {});
    std::vector<std::filesystem::path> vecFiles = {root / "01_MessageSpec.csv"};
    vecFiles.insert(vecFiles.end(), setBodies.begin(), setBodies.end());
    std::vector<SGIRRow> vecRows;
    for (const std::filesystem::path& path : vecFiles) {
        std::string strText;
        EXPECT_TRUE(CLCMacOSNative::SjisToUtf8(ReadBytes(path.string()), strText)) << path;
        strText.erase(std::remove(strText.begin(), strText.end(), '\r'), strText.end());
        const std::vector<SGIRRow> vecFile = girtree::Rows(path.filename().string(), strText);
        vecRows.insert(vecRows.end(), vecFile.begin(), vecFile.end());
    }
    return AsFolder(vecRows);
}

// The first row named strName in the folder's body file strFile, with that
// file's rows; null rows when the folder has no such file.
std::pair<girtest::Rows*, girtest::Rows::iterator> FirstRow(SGIRFolder& folder, const std::string& strFile,
                                                            const std::string& strName)
{
    for (auto& body : folder.vecBodies) {
        if (body.first != strFile)
            continue;
        girtest::Rows& rows = body.second;
        const auto itRow =
            std::find_if(rows.begin(), rows.end(), [&](const auto& row) { return row.strName == strName; });
        return {&rows, itRow};
    }
    return {nullptr, {}};
}

class GIROperations : public apitest::ApiTest {
protected:
    std::string Folder(const SGIRFolder& folder, const std::string& strName = "gir")
    {
        CGIRFolderBuilder builder(m_folder, strName);
        builder.Write(folder);
        return builder.Path();
    }

    // Checks and converts the folder, both to pass; the document's schema
    // errors ("" when valid, the reason when bSkipped: no schema). The
    // document is copied to pXml when given.
    std::string CheckConvertAndValidate(const std::string& strFolder, bool& bSkipped, std::string* pXml = nullptr)
    {
        bSkipped = false;
        CLCCsvConvResultGIR* pCheck = m_api.GIRCsvCheck(strFolder.c_str(), girtree::kHojinNo);
        EXPECT_EQ(pCheck->get_Result(), "S_OK") << Details(*pCheck);
        CLCCsvConvResultGIR* pConv = m_api.CsvConvGIRData(strFolder.c_str(), "");
        if (pConv->get_Result() != "S_OK")
            return "conversion: " + Details(*pConv);
        if (pXml != nullptr)
            *pXml = pConv->get_GIRData();
        return SchemaErrors(pConv->get_GIRData(), bSkipped);
    }

    CLCCsvConvDataCbC m_api;
};

constexpr const char* kMinimalXml =
    "<globe:GLOBE_OECD version=\"1.0\" xmlns:globe=\"urn:oecd:ties:globe:v2\" "
    "xmlns:stf=\"urn:oecd:ties:globestf:v5\" xmlns:iso=\"urn:oecd:ties:isoglobetypes:v1\">";

// The intake's minimal folder with a DocRefId that starts with its MessageRefId,
// so every rule passes.
SGIRFolder CleanMinimalFolder()
{
    SGIRFolder folder = girtest::MinimalFolder();
    for (girtest::SRow& row : folder.vecBodies[0].second) {
        if (row.strName == "DocRefId")
            row.strValue = "JP202440100012345670010001";
    }
    return folder;
}

// The clean, fully populated folder of the rule tests, built while its
// definitions are loaded.
SGIRFolder CleanFullFolder(const girtree::SCleanFolder& clean)
{
    girtree::StartRun();
    SGIRFolder folder = AsFolder(girtree::CleanFolderRows(clean));
    girtree::EndRun();
    return folder;
}

TEST_F(GIROperations, MinimalFolderChecksConvertsAndLists)
{
    const std::string strFolder = Folder(CleanMinimalFolder());

    CLCCsvConvResultGIR* pCheck = m_api.GIRCsvCheck(strFolder.c_str(), "4010001234567");
    EXPECT_EQ(pCheck->get_Result(), "S_OK");
    EXPECT_EQ(Details(*pCheck), "");

    CLCCsvConvResultGIR* pConv = m_api.CsvConvGIRData((" " + strFolder + " ").c_str(), "");
    EXPECT_EQ(pConv, pCheck);   // one GIR result, refilled
    ASSERT_EQ(pConv->get_Result(), "S_OK") << Details(*pConv);
    const std::string strXml = NormalisedTimestamp(pConv->get_GIRData());
    EXPECT_EQ(strXml.rfind(kMinimalXml, 0), 0u) << strXml.substr(0, 300);
    for (const char* szPart : {"<globe:TransmittingCountry>JP</globe:TransmittingCountry>",
                               "<globe:MessageType>GIR</globe:MessageType>",
                               "<globe:Timestamp>T</globe:Timestamp>",
                               "<globe:ResCountryCode>JP</globe:ResCountryCode>",
                               "<stf:DocTypeIndic>OECD1</stf:DocTypeIndic>"})
        EXPECT_NE(strXml.find(szPart), std::string::npos) << szPart;
    bool bSkipped = false;
    const std::string strError = SchemaErrors(pConv->get_GIRData(), bSkipped);
    if (!bSkipped) {
        EXPECT_EQ(strError, "");
    }

    CLCCsvConvResultGIR* pList = m_api.GIRFolderCheck(strFolder.c_str());
    EXPECT_EQ(pList->get_Result(), "S_OK");
    EXPECT_EQ(pList->get_FileName(), "\"01_MessageSpec.csv\",\"02_GLOBEBody/01_FilingInfo.csv\"");
}

TEST_F(GIROperations, FailuresArePairedPerFileInGroupOrder)
{
    SGIRFolder broken = CleanMinimalFolder();
    broken.messageSpec.push_back({"6", "Unknown", "x"});
    broken.vecBodies[0].second.push_back({"19", "NameMNE", "deep"});
    const std::string strFolder = Folder(broken);
    const std::string strMissing = Path("none");

    struct SCase {
        const char* szName;
        std::function<CLCCsvConvResultGIR*()> fnCall;
        std::string strDetails;
    } const kCases[] = {
        {"both arguments", [&] { return m_api.GIRCsvCheck(strMissing.c_str(), "123"); },
         "その他=99999999-00001-HE60040E,99999999-00002-HE60007E"},
        {"element rows per file", [&] { return m_api.GIRCsvCheck(strFolder.c_str(), ""); },
         "01_MessageSpec.csv=00000005-00001-HE60046E\n01_FilingInfo.csv=00000016-00006-HE60047E"},
        {"output folder missing",
         [&] { return m_api.CsvConvGIRData(strFolder.c_str(), (strMissing + "/out.xml").c_str()); },
         "その他=99999999-00002-HE60019E"},
        {"folder check", [&] { return m_api.GIRFolderCheck(strMissing.c_str()); }, "その他=99999999-00001-HE60040E"},
    };
    for (const SCase& c : kCases) {
        CLCCsvConvResultGIR* pResult = c.fnCall();
        EXPECT_EQ(pResult->get_Result(), "E_FAIL") << c.szName;
        EXPECT_EQ(Details(*pResult), c.strDetails) << c.szName;
        EXPECT_EQ(pResult->get_GIRData(), "") << c.szName;
    }

    // A success after a failure leaves no details behind, on every road.
    const std::string strGood = Folder(CleanMinimalFolder(), "good");
    for (auto fnCall : {std::function<CLCCsvConvResultGIR*()>([&] { return m_api.GIRCsvCheck(strGood.c_str(), ""); }),
                        std::function<CLCCsvConvResultGIR*()>([&] { return m_api.CsvConvGIRData(strGood.c_str(), ""); }),
                        std::function<CLCCsvConvResultGIR*()>([&] { return m_api.GIRFolderCheck(strGood.c_str()); })}) {
        m_api.GIRCsvCheck(strMissing.c_str(), "");
        CLCCsvConvResultGIR* pResult = fnCall();
        EXPECT_EQ(pResult->get_Result(), "S_OK");
        EXPECT_EQ(pResult->get_ErrInfoCount(), 0);
    }
}

TEST_F(GIROperations, OutputPathsAndFaults)
{
    const std::string strFolder = Folder(CleanMinimalFolder());
    const std::string strOut = Path("out.xml");
    CLCCsvConvResultGIR* pResult = m_api.CsvConvGIRData(strFolder.c_str(), strOut.c_str());
    ASSERT_EQ(pResult->get_Result(), "S_OK");
    EXPECT_EQ(ReadBytes(strOut), pResult->get_GIRData());

    const size_t nBefore = std::distance(std::filesystem::directory_iterator(m_folder.Path()), {});
    EXPECT_EQ(m_api.CsvConvGIRData(strFolder.c_str(), "   ")->get_Result(), "S_OK");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder.Path()), {}), nBefore);

    std::filesystem::create_directory(Path("dir.xml"));
    pResult = m_api.CsvConvGIRData(strFolder.c_str(), Path("dir.xml").c_str());
    EXPECT_EQ(pResult->get_Result(), "E_FAIL");
    EXPECT_EQ(Details(*pResult), "その他=00000000-00000-HE60020E");
    EXPECT_FALSE(m_api.LastOperationFaulted());   // a failed step is no fault

    CLCCsvConvDataCbC::SetFaultHookForTest([](const char*) { throw std::runtime_error("test fault"); });
    for (auto* pfn : {+[](CLCCsvConvDataCbC& api, const char* sz) { return api.GIRCsvCheck(sz, ""); },
                      +[](CLCCsvConvDataCbC& api, const char* sz) { return api.CsvConvGIRData(sz, ""); },
                      +[](CLCCsvConvDataCbC& api, const char* sz) { return api.GIRFolderCheck(sz); }}) {
        EXPECT_EQ(pfn(m_api, strFolder.c_str())->get_Result(), "E_FAIL");
        EXPECT_TRUE(m_api.LastOperationFaulted());
    }
}

// The repository's own folder, as a user meets it: nothing assembled around it.
TEST_F(GIROperations, ShippedExamplePassesAndValidates)
{
    EXPECT_EQ(m_api.GIRFolderCheck(apitest::ExamplePath("gir").c_str())->get_Result(), "S_OK");
    bool bSkipped = false;
    const std::string strError = CheckConvertAndValidate(apitest::ExamplePath("gir"), bSkipped);
    if (bSkipped)
        GTEST_SKIP() << strError;
    EXPECT_EQ(strError, "");
}

// Random clean folders: each passes the check, converts and validates.
TEST_F(GIROperations, RandomCleanFoldersConvertToValidDocuments)
{
    std::mt19937 random(20261209);
    for (int n = 0; n < 12; ++n) {
        girtree::SCleanFolder clean;
        clean.nSummaries = 1 + static_cast<int>(random() % 3);
        clean.nJurisdictions = 1 + static_cast<int>(random() % 3);
        clean.nUtprs = 1 + static_cast<int>(random() % 2);
        clean.bNewData = (random() % 2) == 0;
        SGIRFolder folder = CleanFullFolder(clean);
        // Free texts with the characters XML escapes. Every free text of the
        // check definition is Latin only, so Japanese ones reach the
        // conversion road alone, which runs no single-item rules.
        std::vector<girtest::SRow*> vecNames;
        for (auto& [strFile, rows] : folder.vecBodies) {
            for (girtest::SRow& row : rows) {
                if (row.strName == "Name" && random() % 2 == 0)
                    vecNames.push_back(&row);
            }
        }
        for (girtest::SRow* pRow : vecNames)
            pRow->strValue = "A & B <Holdings> \"Ltd\" 'n'";
        const std::string strFolder = Folder(folder, "clean" + std::to_string(n));
        CLCCsvConvResultGIR* pCheck = m_api.GIRCsvCheck(strFolder.c_str(), girtree::kHojinNo);
        ASSERT_EQ(pCheck->get_Result(), "S_OK") << n << "\n" << Details(*pCheck);

        for (girtest::SRow* pRow : vecNames)
            pRow->strValue = "桜ホールディングス株式会社 髙島屋①～ & <>";
        const std::string strJapanese = Folder(folder, "japanese" + std::to_string(n));
        CLCCsvConvResultGIR* pConv = m_api.CsvConvGIRData(strJapanese.c_str(), "");
        ASSERT_EQ(pConv->get_Result(), "S_OK") << n << "\n" << Details(*pConv);
        if (!vecNames.empty()) {
            EXPECT_NE(pConv->get_GIRData().find("桜ホールディングス株式会社 髙島屋①～ &amp; &lt;&gt;"), std::string::npos);
        }
        bool bSkipped = false;
        const std::string strError = SchemaErrors(pConv->get_GIRData(), bSkipped);
        if (bSkipped)
            GTEST_SKIP() << strError;
        EXPECT_EQ(strError, "") << n;
    }
}

// An optional group of the schema is all or nothing: a member without the
// members the schema asks for beside it is refused at the group's line.
TEST_F(GIROperations, OptionalGroupsAreAllOrNothing)
{
    struct SCase {
        const char* szGroup;
        std::vector<std::string> vecDrop;
        const char* szCode;
    };
    const SCase kCases[] = {
        {"Art1.5.3", {"ElectionYear"}, "HE60060E"},  {"Art3.2.1b", {"ElectionYear"}, "HE60060E"},
        {"Art3.2.1c", {"ElectionYear"}, "HE60060E"}, {"Art4.4.7", {"ElectionYear"}, "HE60060E"},
        {"Art4.5.6", {"ElectionYear"}, "HE60060E"},  {"Art7.5", {"ElectionYear"}, "HE60060E"},
        {"Art3.2.5", {"ElectionYear"}, "HE60060E"},  {"Art3.2.8", {"ElectionYear"}, "HE60060E"},
        {"Art4.5", {"ElectionYear"}, "HE60060E"},    {"Art7.5", {"ElectionYear", "RevocationYear"}, "HE60060E"},
        {"Art7.5", {"CEOwnerTIN"}, "HE60009E"},
    };
    const SGIRFolder example = ExampleFolder();
    for (const SCase& c : kCases) {
        SGIRFolder folder = example;
        const auto [pRows, itGroup] = FirstRow(folder, "04_JurisdictionSection_1.csv", c.szGroup);
        ASSERT_TRUE(pRows != nullptr && itGroup != pRows->end()) << c.szGroup;
        girtest::Rows& rows = *pRows;
        const size_t nLine = static_cast<size_t>(itGroup - rows.begin()) + 1;
        // Status false: only the group's own rule can ask for the year.
        for (auto it = itGroup + 1; it != rows.end() && std::stoi(it->strLevel) > std::stoi(itGroup->strLevel);) {
            if (it->strName == "Status")
                it->strValue = "false";
            const bool bDrop = std::find(c.vecDrop.begin(), c.vecDrop.end(), it->strName) != c.vecDrop.end();
            it = bDrop ? rows.erase(it) : it + 1;
        }
        CLCCsvConvResultGIR* pCheck = m_api.GIRCsvCheck(Folder(folder).c_str(), girtree::kHojinNo);
        EXPECT_EQ(pCheck->get_Result(), "E_FAIL") << c.szGroup;
        char szLine[16];
        std::snprintf(szLine, sizeof szLine, "%08zu", nLine);
        EXPECT_EQ(Details(*pCheck), std::string("04_JurisdictionSection_1.csv=") + szLine + "-00000-" + c.szCode)
            << c.szGroup;
    }
}

// Company names full of characters the writer escapes: past the parser's
// entity-expansion limit, the document is still the filer's own and converts.
TEST_F(GIROperations, DocumentWithManyEscapesConverts)
{
    SGIRFolder folder = ExampleFolder();
    const auto [pRows, itEntity] = FirstRow(folder, "02_GeneralSection.csv", "ExcludedEntity");
    ASSERT_TRUE(pRows != nullptr && itEntity != pRows->end());
    std::string strName;
    for (int i = 0; i < 25; ++i)
        strName += "R&D<>'\"";   // five escapes in seven characters, 175 of the 200 allowed
    const std::string strLevel = itEntity->strLevel;
    const std::string strChild = std::to_string(std::stoi(strLevel) + 1);
    constexpr size_t kEntities = 81;   // 81 * 125 = 10,125 escapes
    girtest::Rows vecAdded;
    for (size_t n = 0; n < kEntities; ++n) {
        vecAdded.insert(vecAdded.end(), {{strLevel, "ExcludedEntity"}, {strChild, "Name", strName},
                                         {strChild, "Type", "GIR1001"}, {strChild, "Change", "true"}});
    }
    pRows->insert(itEntity, vecAdded.begin(), vecAdded.end());
    bool bSkipped = false;
    std::string strXml;
    const std::string strError = CheckConvertAndValidate(Folder(folder), bSkipped, &strXml);
    const std::string strEscaped = "R&amp;D&lt;&gt;&apos;&quot;";
    size_t nNames = 0;
    for (size_t nAt = strXml.find(strEscaped); nAt != std::string::npos; nAt = strXml.find(strEscaped, nAt + 1))
        ++nNames;
    EXPECT_EQ(nNames, kEntities * 25);
    if (bSkipped)
        GTEST_SKIP() << strError;
    EXPECT_EQ(strError, "");
}

// An integer of more digits than every schema validator reads is too long
// for the check; its sign and leading zeros do not count.
TEST_F(GIROperations, IntegersPastEighteenDigitsAreTooLong)
{
    struct SCase {
        const char* szValue;
        bool bPasses;
    };
    const SCase kCases[] = {
        {"123456789012345678", true},         {"-123456789012345678", true},
        {"+000000123456789012345678", true},  {"-0", true},
        {"1234567890123456789", false},       {"-1000000000000000000", false},
        {"1234567890123456789012345", false},
    };
    const SGIRFolder example = ExampleFolder();
    for (const SCase& c : kCases) {
        SGIRFolder folder = example;
        const auto [pRows, itAmount] = FirstRow(folder, "02_GeneralSection.csv", "Amount");
        ASSERT_TRUE(pRows != nullptr && itAmount != pRows->end());
        itAmount->strValue = c.szValue;
        char szLine[16];
        std::snprintf(szLine, sizeof szLine, "%08zu", static_cast<size_t>(itAmount - pRows->begin()) + 1);
        const std::string strFolder = Folder(folder);
        bool bSkipped = false;
        if (c.bPasses) {
            const std::string strError = CheckConvertAndValidate(strFolder, bSkipped);
            EXPECT_TRUE(bSkipped || strError.empty()) << c.szValue << ": " << strError;
            continue;
        }
        CLCCsvConvResultGIR* pCheck = m_api.GIRCsvCheck(strFolder.c_str(), girtree::kHojinNo);
        EXPECT_EQ(pCheck->get_Result(), "E_FAIL") << c.szValue;
        EXPECT_EQ(Details(*pCheck), std::string("02_GeneralSection.csv=") + szLine + "-00002-HE60010E") << c.szValue;
    }
}

// An entry whose name fits a kind of entry other than its own is unknown on
// every road, never silently left out.
TEST_F(GIROperations, EntriesOfTheWrongKindFailOnEveryRoad)
{
    const girtest::Rows filingInfo = CleanMinimalFolder().vecBodies[0].second;
    const std::function<void(CGIRFolderBuilder&)> kCases[] = {
        [&](CGIRFolderBuilder& g) { g.Csv("02_GLOBEBody/02_GLOBEBody", filingInfo); },
        [&](CGIRFolderBuilder& g) { g.Csv("02_GLOBEBody/03_Summary_3.csv/03_Summary_1.csv", filingInfo); },
        [&](CGIRFolderBuilder& g) {
            std::filesystem::rename(g.Path() + "/01_MessageSpec.csv", g.Path() + "/01_MessageSpec.txt");
            g.Csv("01_MessageSpec.csv/01_MessageSpec.csv", CleanMinimalFolder().messageSpec);
        },
    };
    for (size_t n = 0; n < std::size(kCases); ++n) {
        CGIRFolderBuilder gir(m_folder, "case" + std::to_string(n));
        gir.Write(CleanMinimalFolder());
        kCases[n](gir);
        for (CLCCsvConvResultGIR* pResult : {m_api.GIRFolderCheck(gir.Path().c_str()),
                                             m_api.GIRCsvCheck(gir.Path().c_str(), ""),
                                             m_api.CsvConvGIRData(gir.Path().c_str(), "")}) {
            EXPECT_EQ(pResult->get_Result(), "E_FAIL") << n;
            EXPECT_EQ(Details(*pResult), "その他=00000000-00000-HE60042E") << n;
            EXPECT_EQ(pResult->get_GIRData(), "") << n;
        }
    }
}

unsigned long EnvNumber(const char* szName, unsigned long ulDefault)
{
    const char* szValue = std::getenv(szName);
    return szValue != nullptr && *szValue != '\0' ? std::stoul(szValue) : ulDefault;
}

// Every change of a clean folder that the check lets through converts to a
// document the schema accepts. TESVANT_GIR_MUTANT_SEED and
// TESVANT_GIR_MUTANT_COUNT choose a longer run (tests/fuzz/gir_mutants.sh).
TEST_F(GIROperations, MutantsThatPassTheCheckConvertToValidDocuments)
{
    const std::string strSchema = oecdxsd::SchemaPath("gir_v1.0", kGIRSchema);
    if (!oecdxsd::MissingSchemaMessage(strSchema).empty())
        GTEST_SKIP() << oecdxsd::MissingSchemaMessage(strSchema);
    const unsigned long ulSeed = EnvNumber("TESVANT_GIR_MUTANT_SEED", 20261209);
    const unsigned long ulCount = EnvNumber("TESVANT_GIR_MUTANT_COUNT", 150);

    std::vector<SGIRFolder> vecClean = {ExampleFolder()};
    for (const girtree::SCleanFolder& clean :
         {girtree::SCleanFolder{1, 1, 1, true}, girtree::SCleanFolder{2, 2, 1, false}})
        vecClean.push_back(CleanFullFolder(clean));
    girmutant::ValuePool pool;
    for (const SGIRFolder& folder : vecClean)
        girmutant::AddValues(folder, pool);

    unsigned long ulPassed = 0;
    unsigned long n = 0;
    for (int nFailures = 0; n < ulCount && nFailures < 5; ++n) {
        // A mutant depends on the seed and its number only, so one can be rerun alone.
        std::seed_seq seed{ulSeed, n};
        std::mt19937 random(seed);
        SGIRFolder mutant = vecClean[n % vecClean.size()];
        std::string strWhat;
        for (int nChanges = random() % 4 == 0 ? 2 : 1; nChanges > 0; --nChanges)
            strWhat += girmutant::MutateOnce(mutant, pool, random) + "; ";
        const std::string strFolder = Folder(mutant, "mutant");
        if (m_api.GIRCsvCheck(strFolder.c_str(), girtree::kHojinNo)->get_Result() == "S_OK") {
            ++ulPassed;
            CLCCsvConvResultGIR* pConv = m_api.CsvConvGIRData(strFolder.c_str(), "");
            std::string strErrors;
            const bool bValid = pConv->get_Result() == "S_OK"
                                && oecdxsd::ValidateXml(strSchema, pConv->get_GIRData(), strErrors);
            EXPECT_TRUE(bValid) << "mutant " << n << " of seed " << ulSeed << ": " << strWhat << "\n"
                                << Details(*pConv) << strErrors;
            nFailures += bValid ? 0 : 1;
        }
        std::filesystem::remove_all(strFolder);
    }
    std::cout << "[ mutants  ] seed " << ulSeed << ": " << n << " mutants, " << ulPassed
              << " passed the check\n";
}

} // namespace
