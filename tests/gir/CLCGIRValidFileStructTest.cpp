#include "gir/CLCGIRValidFileStruct.h"

#include "gir/GIRTestSupport.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

using girtest::CGIRFolderBuilder;
using girtest::DetailTexts;

const std::string kOther = CLCValidResultGIR::kOtherFile;

std::string Text(const std::string& strFile, const std::string& strCodes)
{
    return strFile + "=" + strCodes;
}

// A layout that passes: the minimal folder's files.
void Clean(CGIRFolderBuilder& gir)
{
    gir.Folder(CGIRFolderBuilder::kBodyFolder).Write(girtest::MinimalFolder());
}

const std::string kCsv = "A,,,,,7\r\n";

class GIRValidFileStruct : public girtest::GIRTest {
protected:
    bool Validate(const std::string& strFolder)
    {
        CLCGIRValidFileStruct check(&m_vecFileInfo);
        return check.ValidateFileStruct(strFolder.c_str());
    }

    std::vector<CLCFileInfo_t> m_vecFileInfo;
};

struct SLayoutCase {
    const char* szName;
    std::function<void(CGIRFolderBuilder&)> fnBuild;   // on a folder without 02_GLOBEBody
    std::string strTexts;                             // "" = the layout passes
};

TEST_F(GIRValidFileStruct, ReportsEachLayoutFaultOnce)
{
    const SLayoutCase kCases[] = {
        {"clean", Clean, ""},
        {"empty folder", [](CGIRFolderBuilder&) {}, Text(kOther, "00000000-00000-HE60044E")},
        {"02_GLOBEBody is a file",
         [](CGIRFolderBuilder& g) { g.Bytes("01_MessageSpec.csv", kCsv).Bytes("02_GLOBEBody", kCsv); },
         Text(kOther, "00000000-00000-HE60044E")},
        {"names differ in case",
         [](CGIRFolderBuilder& g) {
             g.Bytes("01_messageSpec.csv", kCsv).Bytes("02_GLOBEBody/01_filingInfo.csv", kCsv);
         },
         Text(kOther, "00000000-00000-HE60042E,00000000-00000-HE60044E")},
        {"second extension",
         [](CGIRFolderBuilder& g) {
             Clean(g);
             std::filesystem::rename(g.Path() + "/01_MessageSpec.csv", g.Path() + "/01_MessageSpec.csv.bak");
         },
         Text(kOther, "00000000-00000-HE60042E,00000000-00000-HE60044E")},
        {"header with xml extension",
         [](CGIRFolderBuilder& g) {
             Clean(g);
             std::filesystem::rename(g.Path() + "/01_MessageSpec.csv", g.Path() + "/01_MessageSpec.xml");
         },
         Text("01_MessageSpec.xml", "00000000-00000-HE60003E")},
        {"empty header", [](CGIRFolderBuilder& g) { Clean(g); g.Bytes("01_MessageSpec.csv", ""); },
         Text("01_MessageSpec.csv", "00000000-00000-HE60005E")},
        {"two headers, the second listed is refused",
         [](CGIRFolderBuilder& g) { Clean(g); g.Bytes("01_MessageSpec.txt", kCsv); },
         Text("01_MessageSpec.txt", "00000000-00000-HE60043E")},
        {"body file in the chosen folder", [](CGIRFolderBuilder& g) { Clean(g); g.Bytes("03_Summary_1.csv", kCsv); },
         Text("03_Summary_1.csv", "00000000-00000-HE60043E")},
        {"header in the sub-folder",
         [](CGIRFolderBuilder& g) { Clean(g); g.Bytes("02_GLOBEBody/01_MessageSpec.csv", kCsv); },
         Text("01_MessageSpec.csv", "00000000-00000-HE60043E")},
        {"unknown files and folders in both folders",
         [](CGIRFolderBuilder& g) {
             Clean(g);
             g.Bytes("readme.txt", kCsv).Folder("old").Bytes("02_GLOBEBody/notes.csv", kCsv).Folder("02_GLOBEBody/x");
         },
         Text(kOther, "00000000-00000-HE60042E")},
        // A name counts for its kind of entry only.
        {"file named like the body folder inside it",
         [](CGIRFolderBuilder& g) { Clean(g); g.Bytes("02_GLOBEBody/02_GLOBEBody", kCsv); },
         Text(kOther, "00000000-00000-HE60042E")},
        {"folders named like the body folder and a body file inside it",
         [](CGIRFolderBuilder& g) {
             Clean(g);
             g.Folder("02_GLOBEBody/02_GLOBEBody").Bytes("02_GLOBEBody/03_Summary_3.csv/03_Summary_1.csv", kCsv);
         },
         Text(kOther, "00000000-00000-HE60042E")},
        {"folder named like the header",
         [](CGIRFolderBuilder& g) { Clean(g); g.Folder("01_MessageSpec.txt"); },
         Text(kOther, "00000000-00000-HE60042E")},
        {"no filing information",
         [](CGIRFolderBuilder& g) { g.Bytes("01_MessageSpec.csv", kCsv).Bytes("02_GLOBEBody/02_GeneralSection.csv", kCsv); },
         Text(kOther, "00000000-00000-HE60044E")},
        {"numbers with a gap",
         [](CGIRFolderBuilder& g) {
             Clean(g);
             for (const char* sz : {"1", "2", "4"})
                 g.Bytes(std::string("02_GLOBEBody/03_Summary_") + sz + ".csv", kCsv);
         },
         Text("03_Summary_4.csv", "00000000-00000-HE60042E")},
        {"1 beside 01",
         [](CGIRFolderBuilder& g) {
             Clean(g);
             g.Bytes("02_GLOBEBody/03_Summary_01.csv", kCsv).Bytes("02_GLOBEBody/03_Summary_1.csv", kCsv);
         },
         Text("03_Summary_1.csv", "00000000-00000-HE60042E")},
        {"number 0", [](CGIRFolderBuilder& g) { Clean(g); g.Bytes("02_GLOBEBody/04_JurisdictionSection_0.csv", kCsv); },
         Text("04_JurisdictionSection_0.csv", "00000000-00000-HE60042E")},
        {"number too large for a long",
         [](CGIRFolderBuilder& g) {
             Clean(g);
             g.Bytes("02_GLOBEBody/05_UTPRAttribution_99999999999999999999.csv", kCsv);
         },
         Text("05_UTPRAttribution_99999999999999999999.csv", "00000000-00000-HE60042E")},
        {"ten sections listed 1, 10, 2, ...",
         [](CGIRFolderBuilder& g) {
             Clean(g);
             for (int i = 1; i <= 10; ++i)
                 g.Bytes("02_GLOBEBody/04_JurisdictionSection_" + std::to_string(i) + ".txt", kCsv);
         },
         ""},
        {"findings of several files in group order",
         [](CGIRFolderBuilder& g) {
             Clean(g);
             std::filesystem::rename(g.Path() + "/01_MessageSpec.csv", g.Path() + "/01_MessageSpec.xml");
             g.Bytes("02_GeneralSection.csv", kCsv)
                 .Bytes("02_GLOBEBody/03_Summary_2.csv", kCsv)
                 .Bytes("02_GLOBEBody/04_JurisdictionSection_0.csv", kCsv)
                 .Bytes("02_GLOBEBody/zz.csv", kCsv);
         },
         Text("01_MessageSpec.xml", "00000000-00000-HE60003E") + "\n"
             + Text("02_GeneralSection.csv", "00000000-00000-HE60043E") + "\n"
             + Text("03_Summary_2.csv", "00000000-00000-HE60042E") + "\n"
             + Text("04_JurisdictionSection_0.csv", "00000000-00000-HE60042E") + "\n"
             + Text(kOther, "00000000-00000-HE60042E")},
    };
    for (const SLayoutCase& c : kCases) {
        CTestFolder base;
        CGIRFolderBuilder gir(base, "gir", false);
        c.fnBuild(gir);
        EXPECT_EQ(Validate(gir.Path()), c.strTexts.empty()) << c.szName;
        EXPECT_EQ(DetailTexts(), c.strTexts) << c.szName;
    }
}

TEST_F(GIRValidFileStruct, AFolderThatCannotBeListedGivesOneRow)
{
    EXPECT_FALSE(Validate(m_folder / "missing"));
    EXPECT_EQ(DetailTexts(), Text(kOther, "99999999-00001-HE60041E"));
    EXPECT_TRUE(m_vecFileInfo.empty());
}

TEST_F(GIRValidFileStruct, ListsBothFoldersTopFirst)
{
    CGIRFolderBuilder gir(m_folder);
    Clean(gir);
    gir.Bytes("02_GLOBEBody/03_Summary_1.csv", kCsv);
    m_vecFileInfo.push_back({"stale", "x", 0, 0, CBC_MSG_NONE});   // the check starts from an empty list
    ASSERT_TRUE(Validate(gir.Path()));
    std::vector<std::string> vecEntries;
    for (const CLCFileInfo_t& entry : m_vecFileInfo)
        vecEntries.push_back(entry.strFolderPath + "|" + entry.strFileName + "|" + std::to_string(entry.nFolder));
    const std::vector<std::string> kExpected = {
        gir.Path() + "|01_MessageSpec.csv|0", gir.Path() + "|02_GLOBEBody|1",
        gir.BodyPath() + "|01_FilingInfo.csv|0", gir.BodyPath() + "|03_Summary_1.csv|0"};
    EXPECT_EQ(vecEntries, kExpected);

    std::string strNames = "x";
    EXPECT_TRUE(CLCGIRValidFileStruct::GetFileName(gir.Path().c_str(), strNames, &m_vecFileInfo));
    EXPECT_EQ(strNames, "x,\"01_MessageSpec.csv\",\"02_GLOBEBody/01_FilingInfo.csv\",\"02_GLOBEBody/03_Summary_1.csv\"");
}

TEST_F(GIRValidFileStruct, TotalSizeIsCappedAtSixtyFiveMebibytes)
{
    struct SCase {
        const char* szName;
        uint64_t ullSecondFile;   // bytes beside a 1,000-byte header
        bool bRemoveSecond;       // its size cannot be read
        bool bPasses;
        std::string strTexts;
    } const kCases[] = {
        {"exactly the limit", CLCGIRValidFileStruct::kMaxTotalFileSize - 1000, false, true, ""},
        {"one byte more", CLCGIRValidFileStruct::kMaxTotalFileSize - 999, false, false,
         Text(kOther, "00000000-00000-HE60035E")},
        {"a size that cannot be read", 10, true, false, girtest::kFatal},
    };
    for (const SCase& c : kCases) {
        CTestFolder base;
        CGIRFolderBuilder gir(base);
        gir.Bytes("01_MessageSpec.csv", std::string(1000, 'a')).Bytes("02_GLOBEBody/01_FilingInfo.csv", "");
        std::filesystem::resize_file(gir.BodyPath() + "/01_FilingInfo.csv", c.ullSecondFile);   // sparse
        const std::vector<CLCFileInfo_t> vecEntries = {{gir.Path(), "01_MessageSpec.csv", 0, 0, CBC_MSG_NONE},
                                                       {gir.Path(), "02_GLOBEBody", 1, 0, CBC_MSG_NONE},
                                                       {gir.BodyPath(), "01_FilingInfo.csv", 0, 0, CBC_MSG_NONE}};
        if (c.bRemoveSecond)
            std::filesystem::remove(gir.BodyPath() + "/01_FilingInfo.csv");
        EXPECT_EQ(CLCGIRValidFileStruct::CheckTotalFileSize(vecEntries), c.bPasses) << c.szName;
        EXPECT_EQ(DetailTexts(), c.strTexts) << c.szName;
    }
}

TEST_F(GIRValidFileStruct, RefusesRuleSetsOtherThanTheCsvFileRules)
{
    CLCGIRValidFileStruct check(&m_vecFileInfo);
    EXPECT_FALSE(check.Initialize(static_cast<CLCFileStructValid_t>(1)));
    EXPECT_EQ(DetailTexts(), girtest::kFatal);
    EXPECT_TRUE(check.Initialize(FILE_STRUCT_VALID_BASIC_CSV));
    EXPECT_EQ(check.ValidateItem("a.doc", (m_folder / "a.doc").c_str(), 0, 0), HE60003E);
    EXPECT_EQ(DetailTexts(), Text("a.doc", "00000000-00000-HE60003E"));
}

} // namespace
