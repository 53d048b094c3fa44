#include "foundation/xml/CLCXDom.h"
#include "foundation/xml/XmlTestSupport.h"
#include "foundation/xml/CLCXSax.h"
#include <xercesc/util/PlatformUtils.hpp>

namespace {

// 法人番号, 申告者 (申 ends in 0x5C) and the two CP932 signs ～ (81 60) and － (81 7C).
const std::string kSjisFile =
    "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n"
    "<!-- \x95\xD2\x8F\x57 -->\r\n"
    "<define name=\"\x96\x40\x90\x6C\x94\xD4\x8D\x86\">\r\n"
    "  <item id=\"1\" label=\"\x90\x5C\x8D\x90\x8E\xD2\"/>\r\n"
    "  <item id=\"2\" label=\"\x81\x60\x81\x7C\"/>\r\n"
    "</define>\r\n";
const std::string kHoujinBangou = "\xE6\xB3\x95\xE4\xBA\xBA\xE7\x95\xAA\xE5\x8F\xB7";
const std::string kShinkokusha = "\xE7\x94\xB3\xE5\x91\x8A\xE8\x80\x85";
const std::string kSigns = "\xEF\xBD\x9E\xEF\xBC\x8D";   // U+FF5E U+FF0D, as CP932 decodes them

class XDomLocale : public LocaleTest {};

TEST_P(XDomLocale, ParsesAShiftJisFileByPathWithItsJapaneseIntact)
{
    CTestFolder folder;
    const std::string strFolder = folder / "\xE5\xAE\x9A\xE7\xBE\xA9";   // 定義
    std::filesystem::create_directory(strFolder);
    const std::string strPath = strFolder + "/CbCValidateDefine.xml";
    WriteBytes(strPath, kSjisFile);

    CLCXDom dom;
    ASSERT_TRUE(dom.Initialize());
    ASSERT_TRUE(dom.Parse(strPath.c_str()));
    EXPECT_EQ(dom.GetNodeName(), "#comment");   // the first child node of the document
    ASSERT_EQ(dom.MoveNextSibling(), 0);
    EXPECT_EQ(dom.GetNodeName(), "define");
    EXPECT_EQ(dom.GetAttribute("name"), kHoujinBangou);
    ASSERT_EQ(dom.MoveFirstChild(), 0);
    EXPECT_EQ(dom.GetAttribute("label"), kShinkokusha);
    ASSERT_EQ(dom.MoveNextSibling(), 0);
    EXPECT_EQ(dom.GetAttribute("label"), kSigns);
    EXPECT_EQ(Collected(), "");
}

TEST_P(XDomLocale, ForcedEncodingOverridesTheDeclaration)
{
    const std::string strText = "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><define name=\"" + kHoujinBangou + "\"/>";
    CLCXDom dom;
    ASSERT_TRUE(dom.Initialize());
    ASSERT_TRUE(dom.Parse(strText.c_str(), "CbC", "UTF-8"));
    EXPECT_EQ(dom.GetNodeName(), "define");
    EXPECT_EQ(dom.GetAttribute("name"), kHoujinBangou);
    EXPECT_EQ(dom.GetAttribute(kHoujinBangou.c_str()), "");
    EXPECT_EQ(Collected(), "");
}

INSTANTIATE_LOCALES(XDomLocale);

class XDom : public CollectorTest {};

TEST_F(XDom, CursorWalksElementsOnly)
{
    const char* szText =
        "<root>\n  <!-- note -->\n  text <a><a1/></a>\n  <?pi data?>\n  <b/>\n  <ws>  </ws>\n</root>";
    CLCXDom dom;
    ASSERT_TRUE(dom.Initialize());
    ASSERT_TRUE(dom.Parse(szText, "CbC", "UTF-8"));
    EXPECT_EQ(dom.GetNodeName(), "root");
    EXPECT_TRUE(dom.HasChild());
    ASSERT_EQ(dom.MoveFirstChild(), 0);
    EXPECT_EQ(dom.GetNodeName(), "a");
    ASSERT_EQ(dom.MoveNextSibling(), 0);
    EXPECT_EQ(dom.GetNodeName(), "b");
    EXPECT_FALSE(dom.HasChild());
    EXPECT_EQ(dom.MoveFirstChild(), -1);
    EXPECT_EQ(dom.GetNodeName(), "b");
    ASSERT_EQ(dom.MoveNextSibling(), 0);
    EXPECT_EQ(dom.GetNodeName(), "ws");
    EXPECT_TRUE(dom.HasChild());   // white space only
    EXPECT_EQ(dom.MoveFirstChild(), -1);
    EXPECT_EQ(dom.MoveNextSibling(), -1);
    EXPECT_EQ(dom.GetNodeName(), "ws");
    EXPECT_EQ(Collected(), "");
}

TEST_F(XDom, MoveParentFromTheRootReachesTheDocumentOnce)
{
    CLCXDom dom;
    ASSERT_TRUE(dom.Initialize());
    ASSERT_TRUE(dom.Parse("<root a=\"1\"/>", "CbC", "UTF-8"));
    ASSERT_EQ(dom.MoveParent(), 0);
    EXPECT_EQ(dom.GetNodeName(), "#document");
    EXPECT_EQ(dom.GetAttribute("a"), "");
    EXPECT_EQ(dom.MoveParent(), -1);
    EXPECT_EQ(dom.GetNodeName(), "#document");
    ASSERT_EQ(dom.MoveFirstChild(), 0);
    EXPECT_EQ(dom.GetAttribute("a"), "1");
}

TEST_F(XDom, NoCursorBeforeAParse)
{
    CLCXDom dom;
    ASSERT_TRUE(dom.Initialize());
    EXPECT_EQ(dom.GetNodeName(), "");
    EXPECT_EQ(dom.GetAttribute("a"), "");
    EXPECT_FALSE(dom.HasChild());
    EXPECT_EQ(dom.MoveFirstChild(), -1);
    EXPECT_EQ(dom.MoveNextSibling(), -1);
    EXPECT_EQ(dom.MoveParent(), -1);
    EXPECT_EQ(Collected(), "");
}

TEST_F(XDom, UndeclaredElementsAreNoFailure)
{
    CLCXDom dom;
    ASSERT_TRUE(dom.Initialize());
    EXPECT_TRUE(dom.Parse("<!DOCTYPE a [<!ELEMENT a EMPTY>]><a><b/></a>", "CbC", "UTF-8"));
    EXPECT_EQ(Collected(), "");
}

TEST_F(XDom, AMalformedTextRecordsTheFatalRowAndKeepsTheEarlierDocument)
{
    CLogCapture log;
    CLCXDom dom;
    ASSERT_TRUE(dom.Initialize());
    ASSERT_TRUE(dom.Parse("<root><a/></root>", "CbC", "UTF-8"));
    ASSERT_EQ(dom.MoveFirstChild(), 0);

    EXPECT_FALSE(dom.Parse("<root>\n  <a>\n</root>", "CbC", "UTF-8"));
    EXPECT_EQ(Collected(), kFatalRow);
    EXPECT_NE(log.Text().find(" CLCXDom::Parse--\n"
                              "想定しないエラーが発生しました。\n"
                              "expected end of tag 'a' (行番号: 3, 列番号: 3)\n"),
              std::string::npos)
        << log.Text();
    EXPECT_EQ(dom.GetNodeName(), "a");
    EXPECT_EQ(dom.MoveParent(), 0);
    EXPECT_EQ(dom.GetNodeName(), "root");
}

TEST_F(XDom, FailuresWithoutAParseRecordTheFatalRow)
{
    struct SCase {
        const char* szName;
        bool (*pfnRun)(CLCXDom&);
    };
    const SCase kCases[] = {
        {"uninitialised", [](CLCXDom& dom) { return dom.Parse("<a/>", "CbC", "UTF-8"); }},
        {"null text", [](CLCXDom& dom) { return dom.Initialize() && dom.Parse(nullptr, "CbC", "UTF-8"); }},
        {"null encoding", [](CLCXDom& dom) { return dom.Initialize() && dom.Parse("<a/>", "CbC", nullptr); }},
        {"null path", [](CLCXDom& dom) { return dom.Initialize() && dom.Parse(nullptr); }},
        {"missing file", [](CLCXDom& dom) { return dom.Initialize() && dom.Parse("/nonexistent/CbCValidateDefine.xml"); }},
        {"folder", [](CLCXDom& dom) { return dom.Initialize() && dom.Parse("/"); }},
        {"unknown encoding", [](CLCXDom& dom) { return dom.Initialize() && dom.Parse("<a/>", "CbC", "NO-SUCH-ENCODING"); }},
    };
    for (const SCase& c : kCases) {
        CLCXDom dom;
        EXPECT_FALSE(c.pfnRun(dom)) << c.szName;
        EXPECT_EQ(Collected(), kFatalRow) << c.szName;
    }
}

TEST_F(XDom, ExternalEntitiesAreNotRead)
{
    CTestFolder folder;
    WriteBytes(folder / "secret.txt", "secret");
    const std::string strText = "<!DOCTYPE a [<!ENTITY x SYSTEM \"file://" + (folder / "secret.txt") + "\">]><a v=\"&x;\">&x;</a>";
    CLCXDom dom;
    ASSERT_TRUE(dom.Initialize());
    EXPECT_FALSE(dom.Parse(strText.c_str(), "CbC", "UTF-8"));
    EXPECT_EQ(Collected(), kFatalRow);
}

// The library keeps a count of initialisations: each parser must give back
// exactly the one it took, or a host's own use of xerces-c breaks.
TEST(XParserLibrary, EveryInitializeIsBalancedByOneTerminate)
{
    using XERCES_CPP_NAMESPACE::XMLPlatformUtils;
    if (XMLPlatformUtils::fgMemoryManager != nullptr)
        GTEST_SKIP() << "xerces-c was left initialised by an earlier test in this process";
    {
        CLCXDom dom;
        ASSERT_TRUE(dom.Initialize());
        ASSERT_TRUE(dom.Initialize());   // no second parser, no second initialisation
        CLCXSax sax;
        ASSERT_TRUE(sax.Initialize());
        ASSERT_TRUE(sax.Initialize2());
        CLCXDom other;
        ASSERT_TRUE(other.Initialize());
        other.Terminate();
        other.Terminate();
        EXPECT_NE(XMLPlatformUtils::fgMemoryManager, nullptr);
        sax.Terminate();
        EXPECT_NE(XMLPlatformUtils::fgMemoryManager, nullptr);
        ASSERT_TRUE(dom.Parse("<a/>", "CbC", "UTF-8"));
    }   // the destructor of dom terminates the last one
    EXPECT_EQ(XMLPlatformUtils::fgMemoryManager, nullptr);
}

} // namespace
