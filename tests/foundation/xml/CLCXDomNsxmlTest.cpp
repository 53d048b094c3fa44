#include "foundation/xml/CLCXDomNsxml.h"
#include "foundation/xml/XmlTestSupport.h"
#include <stdexcept>
#include <utility>
#include <vector>

namespace {

using Names = std::vector<std::string>;

const std::string kShinkokusha = "\xE7\x94\xB3\xE5\x91\x8A\xE8\x80\x85";   // 申告者

// UTF-8 text whose declaration still names Shift_JIS, as the GIR definitions
// reach Parse after their conversion.
const std::string kDefinition =
    "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n"
    "<!-- \xE7\xB7\xA8\xE9\x9B\x86\xE5\xAE\x9A\xE7\xBE\xA9 -->\r\n"
    "<definition>\r\n"
    "  <element itemId=\"A1\" autoItem=\"1\" name=\"" + kShinkokusha + "\">\r\n"
    "    <child itemId=\"C1\"/>\r\n"
    "  </element>\r\n"
    "  <!-- note -->\r\n"
    "  <element itemId=\"A2\" name=\"\">text</element>\r\n"
    "  <group>  </group>\r\n"
    "  <element name=\"no id\"/>\r\n"
    "</definition>\r\n";

class XDomNsxml : public CollectorTest {
protected:
    void SetUp() override
    {
        CollectorTest::SetUp();
        ASSERT_TRUE(m_dom.Parse(kDefinition.c_str()));
        ASSERT_EQ(m_dom.MoveRoot(), 0);
    }

    CLCXDomNsxml m_dom;
};

class XDomNsxmlLocale : public LocaleTest {};

TEST_P(XDomNsxmlLocale, ReadsUtf8TextWhoseDeclarationSaysShiftJis)
{
    CLCXDomNsxml dom;
    ASSERT_TRUE(dom.Parse(kDefinition.c_str()));
    EXPECT_EQ(dom.GetNodeName(), "");   // the leading comment has no name
    ASSERT_EQ(dom.MoveRoot(), 0);
    EXPECT_EQ(dom.GetNodeName(), "definition");
    ASSERT_EQ(dom.MoveNode(("//element[@name='" + kShinkokusha + "']").c_str(), 0), 0);
    EXPECT_EQ(dom.GetAttribute("itemId"), "A1");
    EXPECT_EQ(dom.GetAttribute("name"), kShinkokusha);
    EXPECT_EQ(Collected(), "");
}

INSTANTIATE_LOCALES(XDomNsxmlLocale);

TEST_F(XDomNsxml, MovesSkipEverythingButElements)
{
    EXPECT_TRUE(m_dom.HasChild());
    ASSERT_EQ(m_dom.MoveFirstChild(), 0);
    EXPECT_EQ(m_dom.GetAttribute("itemId"), "A1");
    ASSERT_EQ(m_dom.MoveNextSibling(), 0);   // over white space and a comment
    EXPECT_EQ(m_dom.GetAttribute("itemId"), "A2");
    EXPECT_EQ(m_dom.GetAttribute("name"), "");
    EXPECT_EQ(m_dom.GetAttribute("missing"), "");
    EXPECT_TRUE(m_dom.HasChild());
    EXPECT_EQ(m_dom.MoveFirstChild(), -1);   // text only
    ASSERT_EQ(m_dom.MoveNextSibling(), 0);
    EXPECT_EQ(m_dom.GetNodeName(), "group");
    EXPECT_TRUE(m_dom.HasChild());   // white space is kept
    ASSERT_EQ(m_dom.MoveNextSibling(), 0);
    EXPECT_EQ(m_dom.MoveNextSibling(), -1);
    EXPECT_EQ(m_dom.GetAttribute("name"), "no id");
    EXPECT_FALSE(m_dom.HasChild());
}

TEST_F(XDomNsxml, MoveParentFromTheRootReachesTheDocumentOnce)
{
    ASSERT_EQ(m_dom.MoveParent(), 0);
    EXPECT_EQ(m_dom.GetNodeName(), "");
    EXPECT_EQ(m_dom.MoveParent(), -1);
    ASSERT_EQ(m_dom.MoveFirstChild(), 0);
    EXPECT_EQ(m_dom.GetNodeName(), "definition");
}

TEST_F(XDomNsxml, CountsAndMovesByXPathFromTheDocument)
{
    ASSERT_EQ(m_dom.MoveFirstChild(), 0);
    ASSERT_EQ(m_dom.MoveFirstChild(), 0);   // deep inside: the expressions still start at the top
    EXPECT_EQ(m_dom.GetNodeCount("//element"), 3);
    EXPECT_EQ(m_dom.GetNodeCount("definition/element"), 3);
    EXPECT_EQ(m_dom.GetNodeCount("element"), 0);
    EXPECT_EQ(m_dom.GetNodeCount("//element[@itemId]/@itemId"), 2);
    ASSERT_EQ(m_dom.MoveNode("//element", 1), 0);
    EXPECT_EQ(m_dom.GetAttribute("itemId"), "A2");
    ASSERT_EQ(m_dom.MoveNode("//child", 0), 0);
    EXPECT_EQ(m_dom.GetAttribute("itemId"), "C1");
}

TEST_F(XDomNsxml, BadExpressionsAndIndexesMissQuietly)
{
    ASSERT_EQ(m_dom.MoveNode("//element", 1), 0);
    testing::internal::CaptureStderr();
    EXPECT_EQ(m_dom.GetNodeCount("//element["), 0);
    EXPECT_EQ(m_dom.MoveNode("//element[", 0), -1);
    EXPECT_EQ(m_dom.GetNodeCount("count(//element)"), 0);   // not a node set
    EXPECT_EQ(m_dom.MoveNode("count(//element)", 0), -1);
    EXPECT_EQ(m_dom.GetNodeCount(nullptr), 0);
    EXPECT_EQ(m_dom.MoveNode("//element", 3), -1);
    EXPECT_EQ(m_dom.MoveNode("//element", 100), -1);
    EXPECT_EQ(m_dom.MoveNode("//element", -1), -1);
    EXPECT_EQ(m_dom.MoveNode("//namespace::*", 0), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(m_dom.GetAttribute("itemId"), "A2");   // the cursor never moved
    EXPECT_EQ(Collected(), "");
}

TEST_F(XDomNsxml, ChildScansLeaveTheCursorWhereItWas)
{
    EXPECT_EQ(m_dom.GetChildNodeNames(), (Names{"element", "element", "group", "element"}));
    EXPECT_EQ(m_dom.GetNodeName(), "definition");
    EXPECT_EQ(m_dom.GetChildAttributes("itemId"), (Names{"A1", "A2", "", ""}));
    EXPECT_EQ(m_dom.GetChildAttributes("autoItem"), (Names{"1", "", "", ""}));
    EXPECT_EQ(m_dom.GetNodeName(), "definition");

    ASSERT_EQ(m_dom.MoveChildNodeName("group"), 0);
    EXPECT_EQ(m_dom.GetChildNodeNames(), Names{});
    EXPECT_EQ(m_dom.GetChildAttributes("itemId"), Names{});
    EXPECT_EQ(m_dom.GetNodeName(), "group");
}

TEST_F(XDomNsxml, ChildMovesStopOnTheFirstMatchOrStayPut)
{
    ASSERT_EQ(m_dom.MoveChildAttribute("itemId", "A2"), 0);
    EXPECT_EQ(m_dom.GetAttribute("itemId"), "A2");
    ASSERT_EQ(m_dom.MoveParent(), 0);

    EXPECT_EQ(m_dom.MoveChildAttribute("itemId", "a2"), -1);   // byte for byte
    EXPECT_EQ(m_dom.MoveChildAttribute("itemId", ""), -1);     // a missing attribute is no match
    EXPECT_EQ(m_dom.MoveChildAttribute("itemId", "C1"), -1);   // children only
    EXPECT_EQ(m_dom.GetNodeName(), "definition");

    ASSERT_EQ(m_dom.MoveChildNodeName("element"), 0);
    EXPECT_EQ(m_dom.GetAttribute("itemId"), "A1");
    ASSERT_EQ(m_dom.MoveParent(), 0);
    EXPECT_EQ(m_dom.MoveChildNodeName("child"), -1);
    EXPECT_EQ(m_dom.MoveChildNodeName("missing"), -1);
    EXPECT_EQ(m_dom.GetNodeName(), "definition");

    ASSERT_EQ(m_dom.MoveChildNodeName("group"), 0);
    EXPECT_EQ(m_dom.MoveChildNodeName("element"), -1);   // no element children
    EXPECT_EQ(m_dom.GetNodeName(), "group");
}

TEST(XDomNsxmlNames, ChildMovesMatchTheWholeQualifiedName)
{
    CLCXDomNsxml dom;
    ASSERT_TRUE(dom.Parse("<r xmlns:g=\"urn:g\" xmlns:gg=\"urn:gg\"><g:a n=\"1\"/><gg:a n=\"2\"/><a n=\"3\"/>"
                          "<g:ab n=\"4\"/><g:a n=\"5\"/></r>"));
    const std::pair<const char*, const char*> kCases[] = {
        {"g:a", "1"}, {"gg:a", "2"}, {"a", "3"}, {"g:ab", "4"}, {"g:", ""}, {":a", ""},
        {"x:a", ""},  {"g:b", ""},   {"gg", ""}, {"g", ""},     {"g:a:", ""}, {"", ""}};
    for (const auto& [szName, szFound] : kCases) {
        ASSERT_EQ(dom.MoveRoot(), 0);
        EXPECT_EQ(dom.MoveChildNodeName(szName), *szFound != '\0' ? 0 : -1) << szName;
        EXPECT_EQ(dom.GetAttribute("n"), szFound) << szName;
    }
    ASSERT_EQ(dom.MoveRoot(), 0);
    ASSERT_EQ(dom.MoveChildNodeName("g:ab"), 0);
    EXPECT_EQ(dom.MoveSiblingNodeName("g:a"), 0);
    EXPECT_EQ(dom.GetAttribute("n"), "1");
    EXPECT_EQ(dom.MoveSiblingNodeName("b"), -1);
    EXPECT_EQ(dom.GetAttribute("n"), "1");
}

TEST_F(XDomNsxml, AttributeOfTheDocumentNodeIsAFailure)
{
    CLogCapture log;
    ASSERT_EQ(m_dom.MoveParent(), 0);
    EXPECT_THROW(m_dom.GetAttribute("itemId"), std::runtime_error);
    EXPECT_NE(log.Text().find(" CLCXDomNsxml::GetAttribute--\n想定外エラー発生\n"), std::string::npos) << log.Text();
    EXPECT_EQ(Collected(), "");   // the caller's catch records it
}

TEST_F(XDomNsxml, ASecondParseReplacesTheDocument)
{
    ASSERT_TRUE(m_dom.Parse("<other><x/></other>"));
    EXPECT_EQ(m_dom.GetNodeName(), "other");
    EXPECT_EQ(m_dom.GetNodeCount("//element"), 0);
    EXPECT_EQ(m_dom.GetNodeCount("//x"), 1);
}

TEST(XDomNsxmlParse, AMalformedTextLeavesNoDocument)
{
    CLCValidResult::destroy();
    CLCCbCCommon::setExecMode(CLCCbCCommon::EXEC_MODE_GIR);
    CLogCapture log;
    CLCXDomNsxml dom;
    ASSERT_TRUE(dom.Parse("<a><b/></a>"));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(dom.Parse("<a><b></a>"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_NE(log.Text().find(" CLCXDomNsxml::Parse--\nXTXデータの読み込み失敗\n"), std::string::npos) << log.Text();
    CLCValidResultGIR::instance()->MakeDetailErrorInfo();
    EXPECT_EQ(CLCValidResultGIR::instance()->getDetailErrorInfoList(), (Names{"00000000-00000-HE60000E"}));
    CLCValidResult::destroy();

    EXPECT_EQ(dom.GetNodeName(), "");
    EXPECT_EQ(dom.MoveRoot(), -1);
    EXPECT_EQ(dom.MoveFirstChild(), -1);
    EXPECT_EQ(dom.MoveParent(), -1);
    EXPECT_EQ(dom.GetNodeCount("//a"), 0);
    EXPECT_EQ(dom.MoveNode("//a", 0), -1);
    EXPECT_EQ(dom.GetChildNodeNames(), Names{});
    EXPECT_EQ(dom.MoveChildNodeName("b"), -1);
}

TEST(XDomNsxmlParse, EntitiesAreNeitherFetchedNorExpandedWithoutBound)
{
    CTestFolder folder;
    WriteBytes(folder / "secret.txt", "secret");
    CLCXDomNsxml dom;
    const std::string strText = "<!DOCTYPE a [<!ENTITY x SYSTEM \"file://" + (folder / "secret.txt") +
        "\"><!ENTITY y SYSTEM \"http://192.0.2.1/y.xml\">]><a v=\"1\">&x;&y;</a>";
    ASSERT_TRUE(dom.Parse(strText.c_str()));
    EXPECT_EQ(dom.GetNodeCount("//text()[contains(., 'secret')]"), 0);
    EXPECT_EQ(dom.GetNodeCount("/a[contains(., 'secret')]"), 0);
}

TEST(XDomNsxmlParse, InitializeGivesAnEmptyDocument)
{
    CLCXDomNsxml dom;
    ASSERT_TRUE(dom.Parse("<a/>"));
    ASSERT_TRUE(dom.Initialize());
    EXPECT_EQ(dom.GetNodeName(), "");
    EXPECT_EQ(dom.MoveRoot(), -1);
    EXPECT_EQ(dom.GetNodeCount("//a"), 0);
    dom.Terminate();
    EXPECT_EQ(dom.MoveRoot(), -1);
}

} // namespace
