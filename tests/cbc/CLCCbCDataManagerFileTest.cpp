#include "cbc/CLCCbCDataManager.h"
#include "cbc/CLCCbCDataManagerTestUtil.h"
#include "foundation/platform/CLCMacOSNative.h"

namespace {

constexpr long kMaxCsvBytes = 19922944;

class DataManagerFile : public DataManagerFiles {
public:
    void TearDown() override
    {
        CLCMacOSNative::SetFolderChooser({});
        DataManagerFiles::TearDown();
    }

    // Runs ReadXMLFile on a file holding the bytes; strText gets the answer.
    // bStaleRow leaves a row behind first, as a failed step of the same call would.
    bool ReadXml(const std::string& strBytes, long lLimit, std::string& strText, std::string& strError,
                 bool bStaleRow = false)
    {
        const std::string strPath = Write("in.xml", strBytes);
        CLCCbCDataManager manager;
        if (!manager.InitForXml(strPath.c_str(), lLimit)) {
            strError = manager.GetErrorMsg();
            return false;
        }
        if (bStaleRow)
            LeaveStaleRow();
        const bool bRead = manager.ReadXMLFile(lLimit, strText);
        strError = manager.GetErrorMsg();
        return bRead;
    }

    bool ReadCsv(const std::string& strPath, std::string& strText, std::string& strSize, std::string& strError)
    {
        CLCCbCDataManager manager;
        const bool bRead = manager.InitForCsv(strPath.c_str()) && manager.ReadCSVFile(strText, strSize);
        strError = manager.GetErrorMsg();
        return bRead;
    }
};

// ---- ReadXMLFile

TEST_F(DataManagerFile, ReadXmlReturnsTheBytesWithoutLimit)
{
    const std::string strXml = "<?xml version=\"1.0\"?>\r\n<r a=\"1\">\t<b>x &amp; y</b></r>\n";
    std::string strText = "old", strError;
    ASSERT_TRUE(ReadXml(strXml, -1, strText, strError)) << strError;
    EXPECT_EQ(strText, strXml);
    EXPECT_EQ(strError, "");
}

TEST_F(DataManagerFile, ReadXmlLimitIsInclusive)
{
    const std::string strXml = "<r>12345</r>";
    const long lSize = static_cast<long>(strXml.size());
    std::string strText, strError;
    EXPECT_TRUE(ReadXml(strXml, lSize, strText, strError)) << strError;
    EXPECT_EQ(strText, strXml);

    strText = "untouched";
    EXPECT_FALSE(ReadXml(strXml, lSize - 1, strText, strError));
    EXPECT_EQ(strError, "0000-00000-HE60035E");
    EXPECT_EQ(strText, "untouched");
}

TEST_F(DataManagerFile, ReadXmlDropsTheByteOrderMark)
{
    std::string strText, strError;
    ASSERT_TRUE(ReadXml("\xEF\xBB\xBF<r/>", -1, strText, strError)) << strError;
    EXPECT_EQ(strText, "<r/>");
}

struct SXmlCase {
    const char* szName;
    std::string strBytes;
    const char* szExpected;
};
class ReadXmlRefuses : public DataManagerFile, public ::testing::WithParamInterface<SXmlCase> {};

TEST_P(ReadXmlRefuses, WithOneRowAlone)
{
    const SXmlCase& c = GetParam();
    std::string strText = "untouched", strError;
    EXPECT_FALSE(ReadXml(c.strBytes, -1, strText, strError, true));
    EXPECT_EQ(strError, c.szExpected);
    EXPECT_EQ(strText, "untouched");
}

const char* const kEntityBomb =
    "<?xml version=\"1.0\"?>\n<!DOCTYPE lolz [\n"
    " <!ENTITY lol \"lol\">\n"
    " <!ENTITY lol1 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">\n"
    " <!ENTITY lol2 \"&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;\">\n"
    " <!ENTITY lol3 \"&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;\">\n"
    " <!ENTITY lol4 \"&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;\">\n"
    " <!ENTITY lol5 \"&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;\">\n"
    " <!ENTITY lol6 \"&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;\">\n"
    " <!ENTITY lol7 \"&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;\">\n"
    " <!ENTITY lol8 \"&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;\">\n"
    " <!ENTITY lol9 \"&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;\">\n"
    "]>\n<lolz>&lol9;</lolz>\n";

INSTANTIATE_TEST_SUITE_P(Files, ReadXmlRefuses, ::testing::Values(
    SXmlCase{"NonAsciiInComment", "<r><!-- \xC3\xA9 --></r>", "0000-00000-HE60011E"},
    SXmlCase{"ShiftJisDocument",
             "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><r>\x96\x40\x90\x6C</r>", "0000-00000-HE60011E"},
    SXmlCase{"NulByte", std::string("<r>\0</r>", 8), "0000-00000-HE60011E"},
    SXmlCase{"ControlByte", "<r>\x1B</r>", "0000-00000-HE60011E"},
    SXmlCase{"SecondByteOrderMark", "\xEF\xBB\xBF\xEF\xBB\xBF<r/>", "0000-00000-HE60011E"},
    SXmlCase{"Malformed", "<r><a></r>", "0000-00000-HE00155E"},
    SXmlCase{"TwoRoots", "<r/><r/>", "0000-00000-HE00155E"},
    SXmlCase{"EntityBomb", kEntityBomb, "0000-00000-HE00155E"},
    SXmlCase{"ExternalEntityOverNetwork",
             "<!DOCTYPE r [<!ENTITY x SYSTEM \"http://127.0.0.1:9/x.xml\">]><r>&x;</r>", "0000-00000-HE00155E"},
    SXmlCase{"ExternalEntityFile",
             "<!DOCTYPE r [<!ENTITY x SYSTEM \"file:///etc/hostname\">]><r>&x;</r>", "0000-00000-HE00155E"},
    SXmlCase{"EmptyAfterByteOrderMark", "\xEF\xBB\xBF", "0000-00000-HE00155E"},
    // The library throws past the content model it was building; nothing may leak.
    SXmlCase{"BrokenContentModel", "\n\n\n\n\n\n\n<!DOCTYPE a[\n<!ELEMENT a (ATA%>", "0000-00000-HE00155E"}),
    [](const auto& info) { return std::string(info.param.szName); });

TEST_F(DataManagerFile, ReadXmlEmptyFileIsFatal)
{
    const std::string strPath = Write("empty.xml", "");
    CLCCbCDataManager manager;
    std::string strText;
    EXPECT_FALSE(manager.InitForXml(strPath.c_str(), -1));   // existPath refuses an empty file
    EXPECT_FALSE(manager.ReadXMLFile(-1, strText));
    EXPECT_EQ(manager.GetErrorMsg(), "0000-00000-HE60000E");
}

// ---- ReadCSVFile

TEST_F(DataManagerFile, ReadCsvEscapesAndCountsBytes)
{
    std::string strText, strSize, strError;
    ASSERT_TRUE(ReadCsv(Write("amp.csv", "&"), strText, strSize, strError)) << strError;
    EXPECT_EQ(strText, "&amp;");
    EXPECT_EQ(strSize, "5");
}

TEST_F(DataManagerFile, ReadCsvDecodesShiftJis)
{
    std::string strText, strSize, strError;
    // "法人,<a>" then CR LF, as Shift_JIS.
    ASSERT_TRUE(ReadCsv(Write("sjis.csv", "\x96\x40\x90\x6C,<a>\r\n"), strText, strSize, strError)) << strError;
    EXPECT_EQ(strText, "\xE6\xB3\x95\xE4\xBA\xBA,&lt;a&gt;\r\n");
    EXPECT_EQ(strSize, "18");
}

TEST_F(DataManagerFile, ReadCsvRefusesBytesThatAreNotShiftJis)
{
    std::string strText = "untouched", strSize, strError;
    EXPECT_FALSE(ReadCsv(Write("utf8.csv", "a,\xE3\x81\x82\r\n"), strText, strSize, strError));
    EXPECT_EQ(strError, "0000-00000-HE60011E");
    EXPECT_EQ(strText, "untouched");
}

TEST_F(DataManagerFile, ReadCsvSizeLimit)
{
    std::string strText, strSize, strError;
    std::string strBytes(kMaxCsvBytes, 'a');
    ASSERT_TRUE(ReadCsv(Write("max.csv", strBytes), strText, strSize, strError)) << strError;
    EXPECT_EQ(strSize, std::to_string(kMaxCsvBytes));

    strBytes += 'a';
    strText = "untouched";
    EXPECT_FALSE(ReadCsv(Write("over.csv", strBytes), strText, strSize, strError));
    EXPECT_EQ(strError, "0000-00000-HE60035E");
    EXPECT_EQ(strText, "untouched");
}

// ---- WriteFileData

TEST_F(DataManagerFile, WriteCsvKeepsTheShiftJisBytes)
{
    const std::string strPath = PathOf("out.csv");
    const std::string strSjis = "\x96\x40\x90\x6C,1\r\n";
    CLCCbCDataManager manager;
    ASSERT_TRUE(manager.InitForCsvWrite(strPath.c_str()));
    ASSERT_TRUE(manager.WriteFileData(strSjis.c_str()));
    EXPECT_EQ(manager.GetErrorMsg(), "");
    EXPECT_EQ(Read(strPath), strSjis);
}

TEST_F(DataManagerFile, WriteCsvIntoMissingFolderWritesNothing)
{
    const std::string strPath = PathOf("missing/out.csv");
    CLCCbCDataManager manager;
    ASSERT_TRUE(manager.InitForCsvWrite(strPath.c_str()));
    EXPECT_FALSE(manager.WriteFileData("a\r\n"));
    EXPECT_EQ(manager.GetErrorMsg(), "0000-00000-HE60040E");
    EXPECT_FALSE(std::filesystem::exists(PathOf("missing")));
}

TEST_F(DataManagerFile, WriteCsvFailureKeepsTheOldFile)
{
    const std::string strPath = Write("old.csv", "old\r\n");
    CLCCbCDataManager manager;
    ASSERT_TRUE(manager.InitForCsvWrite(strPath.c_str()));
    // A lone Shift_JIS lead byte cannot be written as Shift_JIS text.
    EXPECT_FALSE(manager.WriteFileData("new\x82"));
    EXPECT_EQ(manager.GetErrorMsg(), "0000-00000-HE60020E");
    EXPECT_EQ(Read(strPath), "old\r\n");
}

TEST_F(DataManagerFile, WriteCsvWithoutTextKeepsTheOldFile)
{
    const std::string strPath = Write("old.csv", "old\r\n");
    CLCCbCDataManager manager;
    ASSERT_TRUE(manager.InitForCsvWrite(strPath.c_str()));
    EXPECT_FALSE(manager.WriteFileData(nullptr));
    EXPECT_EQ(manager.GetErrorMsg(), "0000-00000-HE60000E");
    EXPECT_EQ(Read(strPath), "old\r\n");
}

// ---- EncodeBase64

TEST_F(DataManagerFile, EncodesARealFile)
{
    std::string strBytes;
    for (int i = 0; i < 49; ++i)
        strBytes += static_cast<char>(i);
    const std::string strPath = Write("data.bin", strBytes);
    CLCCbCDataManager manager;
    ASSERT_TRUE(manager.InitForFile(strPath.c_str()));
    std::string strBase64;
    ASSERT_TRUE(manager.EncodeBase64(strBase64));
    EXPECT_EQ(strBase64, "AAECAwQFBgcICQoLDA0ODxAREhMUFRYXGBkaGxwdHh8gISIjJCUmJygpKissLS4v\r\nMA==");
}

TEST_F(DataManagerFile, EncodeMissingFileIsFatal)
{
    CLCCbCDataManager manager;
    EXPECT_FALSE(manager.InitForFile(PathOf("none.bin").c_str()));
    std::string strBase64 = "untouched";
    EXPECT_FALSE(manager.EncodeBase64(strBase64));
    EXPECT_EQ(manager.GetErrorMsg(), "0000-00000-HE60000E");
    EXPECT_EQ(strBase64, "untouched");
}

// ---- GetFolderPath

TEST_F(DataManagerFile, FolderChosen)
{
    std::string strSeen;
    CLCMacOSNative::SetFolderChooser([&](const char* szInitial, std::string& strChosen) {
        strSeen = szInitial;
        strChosen = "/chosen/folder";
        return 1;
    });
    CLCCbCDataManager manager;
    LeaveStaleRow();
    std::string strPath;
    ASSERT_TRUE(manager.GetFolderPath("/start here", strPath));
    EXPECT_EQ(strSeen, "/start here");
    EXPECT_EQ(strPath, "/chosen/folder");
    EXPECT_EQ(manager.GetErrorMsg(), "");
}

TEST_F(DataManagerFile, FolderCancelledLeavesThePath)
{
    CLCMacOSNative::SetFolderChooser([](const char*, std::string&) { return 0; });
    CLCCbCDataManager manager;
    std::string strPath = "before";
    ASSERT_TRUE(manager.GetFolderPath("", strPath));
    EXPECT_EQ(strPath, "before");
    EXPECT_EQ(manager.GetErrorMsg(), "");
}

TEST_F(DataManagerFile, FolderChooserFails)
{
    CLCMacOSNative::SetFolderChooser([](const char*, std::string&) { return -1; });
    CLCCbCDataManager manager;
    LeaveStaleRow();
    std::string strPath = "before";
    EXPECT_FALSE(manager.GetFolderPath(nullptr, strPath));
    EXPECT_EQ(manager.GetErrorMsg(), "0000-00000-HE60041E");
    EXPECT_EQ(strPath, "before");
}

// ---- GetFileName

TEST_F(DataManagerFile, ListsOnlyFilesInByteOrder)
{
    std::filesystem::create_directory(m_dir / "list");
    std::filesystem::create_directory(m_dir / "list" / "sub");
    for (const char* szName : {"b.csv", "\xE3\x81\x82.csv", "B.csv", "a.txt", ".hidden"})
        Write(std::string("list/") + szName, "x");
    CLCCbCDataManager manager;
    std::string strNames;
    ASSERT_TRUE(manager.GetFileName((" " + PathOf("list") + " ").c_str(), strNames));
    EXPECT_EQ(strNames, "B.csv/a.txt/b.csv/\xE3\x81\x82.csv");
}

TEST_F(DataManagerFile, ListsAnEmptyFolderAsEmptyText)
{
    std::filesystem::create_directory(m_dir / "empty");
    std::filesystem::create_directory(m_dir / "empty" / "sub");
    CLCCbCDataManager manager;
    std::string strNames = "before";
    ASSERT_TRUE(manager.GetFileName(PathOf("empty").c_str(), strNames));
    EXPECT_EQ(strNames, "");
}

TEST_F(DataManagerFile, ListingAMissingFolderFails)
{
    CLCCbCDataManager manager;
    std::string strNames = "before";
    EXPECT_FALSE(manager.GetFileName(PathOf("none").c_str(), strNames));
    EXPECT_EQ(manager.GetErrorMsg(), "0000-00000-HE60041E");
    EXPECT_EQ(strNames, "before");
}

} // namespace
