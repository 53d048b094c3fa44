#include "gir/CLCGIRValidCsvStruct.h"

#include "gir/CLCGIRCsvData.h"
#include "gir/CLCGIRValidFileStruct.h"
#include "gir/GIRTestSupport.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

using girtest::CGIRFolderBuilder;
using girtest::DetailTexts;
using girtest::Rows;
using girtest::SGIRFolder;
using girtest::WithFilingInfo;
using girtest::WithHeader;

const std::string kOther = CLCValidResultGIR::kOtherFile;

class GIRValidCsvStruct : public girtest::GIRTest {
protected:
    // Folder check, then the structure check, as the controller runs them.
    bool Check(const CGIRFolderBuilder& gir)
    {
        CLCGIRValidFileStruct layout(&m_vecFileInfo);
        EXPECT_TRUE(layout.ValidateFileStruct(gir.Path().c_str())) << DetailTexts();
        CLCGIRValidCsvStruct check(&m_vecFileInfo);
        return check.ValidateCsvStruct(gir.Path().c_str());
    }

    bool Check(const SGIRFolder& folder)
    {
        CGIRFolderBuilder gir(m_folder);
        gir.Write(folder);
        return Check(gir);
    }

    // The parsed files' names in the data manager's order.
    static std::vector<std::string> ParsedFiles()
    {
        std::vector<std::string> vecNames;
        CLCGIRDataManager* pManager = CLCGIRDataManager::instance();
        for (int i = 0; i < pManager->GetCsvFileNumber(); ++i) {
            const std::string strPath = pManager->GetCsvData(i)->GetCsvFileName();
            vecNames.push_back(strPath.substr(strPath.rfind('/') + 1));
        }
        return vecNames;
    }

    std::vector<CLCFileInfo_t> m_vecFileInfo;
};

std::string FilingInfoText(const std::string& strCodes)
{
    return "01_FilingInfo.csv=" + strCodes;
}

TEST_F(GIRValidCsvStruct, MinimalFolderPassesAndKeepsItsFiles)
{
    EXPECT_TRUE(Check(girtest::MinimalFolder()));
    EXPECT_EQ(DetailTexts(), "");
    EXPECT_EQ(ParsedFiles(), (std::vector<std::string>{"01_MessageSpec.csv", "01_FilingInfo.csv"}));
}

struct SRecordCase {
    const char* szName;
    SGIRFolder folder;
    std::string strTexts;
};

TEST_F(GIRValidCsvStruct, ChecksNamesAndHierarchyNumbersOfEveryRecord)
{
    const SRecordCase kCases[] = {
        {"names not in the element list",
         WithFilingInfo({{"7", "FilingCE"}, {"8", "Nmae", "x"}, {"8", "GLOBEBody"}, {"8", ""}}),
         FilingInfoText("00000002-00001-HE60046E,00000003-00001-HE60046E,00000004-00001-HE60046E")},
        {"hierarchy numbers out of range or not one or two digits",
         WithFilingInfo({{"19", "Name"}, {"5", "Name"}, {"7a", "Name"}, {"008", "Name"}, {"", "Name"},
                         {"6", "Name"}, {"07", "Name"}, {"18", "Name"}}),
         FilingInfoText("00000001-00006-HE60047E,00000002-00006-HE60047E,00000003-00006-HE60047E,"
                        "00000004-00006-HE60047E,00000005-00006-HE60047E,00000006-00006-HE60047E")},
        {"level 6 is the header's first level",
         WithHeader({{"6", "ReceivingCountry", "JP"}, {"06", "MessageRefId"}, {"5", "MessageTypeIndic"}}),
         "01_MessageSpec.csv=00000003-00006-HE60047E"},
        {"one record can give both rows", WithFilingInfo({{"7", "FilingCE"}, {"x", "Nmae"}}),
         FilingInfoText("00000002-00001-HE60046E,00000002-00006-HE60047E")},
    };
    for (const SRecordCase& c : kCases) {
        Reset();
        SetUp();
        CTestFolder folder;
        CGIRFolderBuilder gir(folder);
        gir.Write(c.folder);
        EXPECT_FALSE(Check(gir)) << c.szName;
        EXPECT_EQ(DetailTexts(), c.strTexts) << c.szName;
    }
}

struct STextCase {
    const char* szName;
    std::string strFilingInfo;   // bytes of 01_FilingInfo.csv
    std::string strTexts;
};

TEST_F(GIRValidCsvStruct, RefusesFilesWhoseTextCannotBeChecked)
{
    const std::string kRecord = "Name,x,,,,8\r\n";
    const STextCase kCases[] = {
        {"double hyphen", kRecord + "Nmae,a--b,,,,8\r\nNmae,--,,,,8\r\n", FilingInfoText("00000000-00000-HE60011E")},
        {"comment opener", kRecord + "Name,/*,,,,99\r\n", FilingInfoText("00000000-00000-HE60011E")},
        {"character reference", "Name,&#x41;,,,\r\n", FilingInfoText("00000000-00000-HE60011E")},
        {"five columns everywhere", "Name,x,,,\r\nRole,y,,,\r\n",
         FilingInfoText("00000000-00000-HE60012E,00000000-00000-HE60013E")},
        {"one record of seven columns", kRecord + "Name,x,,,,8,9\r\n" + "Name,x\r\n",
         FilingInfoText("00000000-00000-HE60012E")},
        {"blank lines only", "\r\n  \r\n\r\n", FilingInfoText("00000000-00000-HE60013E")},
        {"bytes that are not CP932", kRecord + "Name,\x85\x40,,,,8\r\n", FilingInfoText("00000000-00000-HE60011E")},
        {"a NUL byte", kRecord + std::string("Name,a\0b,,,,8\r\n", 15), FilingInfoText("00000000-00000-HE60012E")},
    };
    for (const STextCase& c : kCases) {
        Reset();
        SetUp();
        CTestFolder folder;
        CGIRFolderBuilder gir(folder);
        gir.Write(girtest::MinimalFolder()).Bytes("02_GLOBEBody/01_FilingInfo.csv", c.strFilingInfo);
        // A later file is still read and checked.
        gir.Bytes("02_GLOBEBody/02_GeneralSection.csv", "Name,x,,,\r\n");
        EXPECT_FALSE(Check(gir)) << c.szName;
        EXPECT_EQ(DetailTexts(),
                  c.strTexts + "\n02_GeneralSection.csv=00000000-00000-HE60012E,00000000-00000-HE60013E")
            << c.szName;
    }
}

TEST_F(GIRValidCsvStruct, ReadsBodyFilesInSectionOrderWhateverTheListing)
{
    SGIRFolder folder = girtest::MinimalFolder();
    const Rows kSection = {{"7", "Nmae"}};
    for (const char* szName : {"05_UTPRAttribution_1.csv", "04_JurisdictionSection_2.csv", "03_Summary_10.csv",
                               "04_JurisdictionSection_1.csv", "02_GeneralSection.csv"})
        folder.vecBodies.push_back({szName, kSection});
    for (int i = 1; i <= 9; ++i)
        folder.vecBodies.push_back({"03_Summary_" + std::to_string(i) + ".csv", {{"7", "Name"}}});
    EXPECT_FALSE(Check(folder));
    const std::vector<std::string> kOrder = {
        "01_MessageSpec.csv", "01_FilingInfo.csv", "02_GeneralSection.csv", "03_Summary_1.csv", "03_Summary_2.csv",
        "03_Summary_3.csv", "03_Summary_4.csv", "03_Summary_5.csv", "03_Summary_6.csv", "03_Summary_7.csv",
        "03_Summary_8.csv", "03_Summary_9.csv", "03_Summary_10.csv", "04_JurisdictionSection_1.csv",
        "04_JurisdictionSection_2.csv", "05_UTPRAttribution_1.csv"};
    EXPECT_EQ(ParsedFiles(), kOrder);
    // Rows come in the collector's group order, bytewise within a group.
    const std::string kRow = "=00000001-00001-HE60046E";
    EXPECT_EQ(DetailTexts(), "02_GeneralSection.csv" + kRow + "\n03_Summary_10.csv" + kRow
                                 + "\n04_JurisdictionSection_1.csv" + kRow + "\n04_JurisdictionSection_2.csv" + kRow
                                 + "\n05_UTPRAttribution_1.csv" + kRow);
}

TEST_F(GIRValidCsvStruct, LimitsTheRecordsOfTheWholeReturn)
{
    // Header 1 + FilingInfo 999,997 = 999,998 records: FilingInfo passes the
    // limits and its records are checked (its last name is wrong); the one
    // record of GeneralSection makes 999,999 and ends the walk.
    const long lFilingInfo = CLCGIRValidCsvStruct::kMaxTotalRecords - 2;
    std::string strRecords;
    strRecords.reserve(static_cast<size_t>(lFilingInfo) * 15);
    for (long i = 1; i < lFilingInfo; ++i)
        strRecords += "FilingCE,,,,,7\n";
    strRecords += "Nmae,,,,,7\n";
    CGIRFolderBuilder gir(m_folder);
    gir.MessageSpec({{"6", "ReceivingCountry", "JP"}})
        .Bytes("02_GLOBEBody/01_FilingInfo.csv", strRecords)
        .Body("02_GeneralSection.csv", {{"7", "Nmae"}});
    EXPECT_FALSE(Check(gir));
    EXPECT_EQ(DetailTexts(), "01_FilingInfo.csv=00999997-00001-HE60046E\n" + kOther + "=00000000-00000-HE60045E");
}

// A run of its own for each case of a table (the definitions stay loaded).
void NextCase()
{
    CLCValidResultGIR::destroy();
    CLCGIRDataManager::destroy();
}

// Past a record limit a file is still read to its end for its own rows, but
// none of its records is kept: the walk refuses it before it would look at them.
TEST_F(GIRValidCsvStruct, KeepsNoRecordOfAFilePastTheLimit)
{
    static const std::string strRecords = [] {
        std::string s;
        for (long i = 0; i <= CLCGIRValidCsvStruct::kMaxFileRecords; ++i)
            s += "FilingCE,,,,,7\n";
        return s;
    }();
    const struct {
        const char* szName;
        const char* szGeneralSection;
        std::string strTexts;
    } kCases[] = {
        {"the limit's row", "Name,,,,,7\n", kOther + "=00000000-00000-HE60045E"},
        {"a later file's rows first", "Name,,,,7\n",
         "02_GeneralSection.csv=00000000-00000-HE60012E,00000000-00000-HE60013E"},
    };
    for (const auto& c : kCases) {
        NextCase();
        CTestFolder base;
        CGIRFolderBuilder gir(base);
        gir.MessageSpec({{"6", "ReceivingCountry", "JP"}})
            .Bytes("02_GLOBEBody/01_FilingInfo.csv", strRecords)
            .Bytes("02_GLOBEBody/02_GeneralSection.csv", c.szGeneralSection);
        EXPECT_FALSE(Check(gir)) << c.szName;
        EXPECT_EQ(DetailTexts(), c.strTexts) << c.szName;
        const CLCGIRCsvData* pFilingInfo = CLCGIRDataManager::instance()->GetCsvData(1);
        ASSERT_NE(pFilingInfo, nullptr);
        EXPECT_EQ(pFilingInfo->GetReadRecordCount(), CLCGIRValidCsvStruct::kMaxFileRecords + 1) << c.szName;
        EXPECT_EQ(pFilingInfo->GetRecordNumber(), 0) << c.szName;
    }
}

// The check and the conversion refuse a folder past the size limit as the
// folder check does, before reading any of its files.
TEST_F(GIRValidCsvStruct, ReadsNoFileOfAFolderPastTheSizeLimit)
{
    const struct {
        const char* szName;
        uint64_t ullOver;
        std::string strTexts;
    } kCases[] = {
        {"exactly the limit", 0, FilingInfoText("00000000-00000-HE60012E")},   // read: zeros are NUL bytes
        {"one byte more", 1, kOther + "=00000000-00000-HE60035E"},
    };
    for (const auto& c : kCases) {
        NextCase();
        CTestFolder base;
        CGIRFolderBuilder gir(base);
        gir.MessageSpec({{"6", "ReceivingCountry", "JP"}}).Bytes("02_GLOBEBody/01_FilingInfo.csv", "");
        const uint64_t ullHeader = std::filesystem::file_size(gir.Path() + "/01_MessageSpec.csv");
        std::filesystem::resize_file(gir.BodyPath() + "/01_FilingInfo.csv",
                                     CLCGIRValidFileStruct::kMaxTotalFileSize - ullHeader + c.ullOver);   // sparse
        EXPECT_FALSE(Check(gir)) << c.szName;
        EXPECT_EQ(DetailTexts(), c.strTexts) << c.szName;
    }
}

} // namespace
