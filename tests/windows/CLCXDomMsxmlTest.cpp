// The MSXML document under its GIR name: cursor moves over comments and text,
// XPath from the document, child scans, failures, and the shipped check
// definition counted against the xerces-c reader of the same text.
#include "WinTest.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCValidResult.h"
#include "foundation/xml/CLCXDom.h"
#include "foundation/xml/CLCXDomNsxml.h"
#include <xercesc/util/PlatformUtils.hpp>
#include <windows.h>
#include <functional>
#include <stdexcept>

namespace {

using Names = std::vector<std::string>;

const char* const kDocument =
    "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\n"
    "<root a=\"1\" empty=\"\">\n"
    "  <!-- the first child is a comment -->\n"
    "  text <item itemId=\"x\" autoItem=\"1\">\xE2\x91\xA0</item>\n"
    "  <?pi data?>\n"
    "  <item itemId=\"y\"/>\n"
    "  <other/>\n"
    "</root>\n";

WIN_TEST(MovesSkipEverythingButElements)
{
    CLCXDomNsxml dom;
    CHECK(dom.Parse(kDocument));
    CHECK_EQ(dom.GetNodeName(), "root");   // the Windows body starts on the root element
    CHECK_EQ(dom.GetAttribute("a"), "1");
    CHECK_EQ(dom.GetAttribute("empty"), "");
    CHECK_EQ(dom.GetAttribute("missing"), "");
    CHECK(dom.HasChild());
    CHECK_EQ(dom.MoveFirstChild(), 0L);
    CHECK_EQ(dom.GetAttribute("itemId"), "x");
    CHECK_EQ(dom.MoveNextSibling(), 0L);
    CHECK_EQ(dom.GetAttribute("itemId"), "y");
    CHECK_EQ(dom.MoveNextSibling(), 0L);
    CHECK_EQ(dom.GetNodeName(), "other");
    CHECK_EQ(dom.MoveNextSibling(), -1L);
    CHECK_EQ(dom.GetNodeName(), "other");
    CHECK_EQ(dom.MoveFirstChild(), -1L);
    CHECK(!dom.HasChild());

    CHECK_EQ(dom.MoveParent(), 0L);
    CHECK_EQ(dom.MoveParent(), 0L);         // from the root element to the document node
    CHECK_EQ(dom.GetNodeName(), "");
    CHECK_EQ(dom.GetAttribute("a"), "");    // the document node has no attributes
    CHECK_EQ(dom.MoveParent(), -1L);
    CHECK_EQ(dom.MoveRoot(), 0L);
    CHECK_EQ(dom.GetNodeName(), "root");
}

WIN_TEST(XPathSelectsFromTheDocument)
{
    CLCXDomNsxml dom;
    CHECK(dom.Parse(kDocument));
    CHECK_EQ(dom.MoveFirstChild(), 0L);
    CHECK_EQ(dom.GetNodeCount("//item"), 2L);
    CHECK_EQ(dom.GetNodeCount("item"), 0L);   // relative to the document, not the cursor
    CHECK_EQ(dom.GetNodeCount("//["), 0L);
    CHECK_EQ(dom.MoveNode("//item", 2), -1L);
    CHECK_EQ(dom.MoveNode("//item", -1), -1L);
    CHECK_EQ(dom.GetAttribute("itemId"), "x");   // a miss keeps the cursor
    CHECK_EQ(dom.MoveNode("//item", 1), 0L);
    CHECK_EQ(dom.GetAttribute("itemId"), "y");
    CHECK_EQ(dom.MoveNode("//root/@a", 0), 0L);
    CHECK_EQ(dom.GetNodeName(), "a");
}

WIN_TEST(ChildScansEndWhereTheyStarted)
{
    CLCXDomNsxml dom;
    CHECK(dom.Parse(kDocument));
    CHECK(dom.GetChildNodeNames() == Names({"item", "item", "other"}));
    CHECK(dom.GetChildAttributes("itemId") == Names({"x", "y", ""}));
    CHECK(dom.GetChildAttributes("autoItem") == Names({"1", "", ""}));
    CHECK_EQ(dom.GetNodeName(), "root");
    CHECK_EQ(dom.MoveChildNodeName("missing"), -1L);
    CHECK_EQ(dom.GetNodeName(), "root");
    CHECK_EQ(dom.MoveChildAttribute("itemId", "z"), -1L);
    CHECK_EQ(dom.MoveChildAttribute("autoItem", ""), -1L);   // a missing attribute matches nothing
    CHECK_EQ(dom.GetNodeName(), "root");
    CHECK_EQ(dom.MoveChildAttribute("itemId", "y"), 0L);
    CHECK_EQ(dom.GetAttribute("itemId"), "y");
    CHECK(dom.GetChildNodeNames().empty());
    CHECK_EQ(dom.GetAttribute("itemId"), "y");
    CHECK_EQ(dom.MoveParent(), 0L);
    CHECK_EQ(dom.MoveChildNodeName("other"), 0L);
    CHECK_EQ(dom.GetNodeName(), "other");
}

WIN_TEST(FailedParsesRecordTheFatalRowAndHoldNothing)
{
    CLCCbCCommon::setExecMode(CLCCbCCommon::EXEC_MODE_FILE);
    for (const char* szText : {"<root><open></root>", "", "\xFF<a/>"}) {
        CLCValidResult::instance()->ClearResult();
        CLCXDomNsxml dom;
        CHECK(dom.Parse("<a/>"));
        CHECK(!dom.Parse(szText));
        CHECK_EQ(dom.GetNodeName(), "");
        CHECK_EQ(dom.MoveRoot(), -1L);
        CHECK_EQ(dom.GetNodeCount("//a"), 0L);
        CHECK_EQ(CLCValidResult::instance()->MakeResult(), "0000-00000-HE60000E");
    }
    CLCXDomNsxml dom;
    CHECK(!dom.Parse(nullptr));
    CHECK(dom.Initialize());
    CHECK_EQ(dom.MoveRoot(), -1L);
    CHECK(dom.GetChildNodeNames().empty());
}

// Each MSXML call failing inside a cursor operation, as out of memory would:
// the operation throws instead of answering "not found" (the scans and
// searches of children go through the same moves).
const std::pair<const char*, std::function<void(CLCXDomNsxml&)>> kOperations[] = {
    {"GetNodeName", [](CLCXDomNsxml& d) { d.GetNodeName(); }},
    {"GetAttribute", [](CLCXDomNsxml& d) { d.GetAttribute("a"); }},
    {"HasChild", [](CLCXDomNsxml& d) { d.HasChild(); }},
    {"MoveFirstChild", [](CLCXDomNsxml& d) { d.MoveFirstChild(); }},
    {"MoveNextSibling", [](CLCXDomNsxml& d) { d.MoveNextSibling(); }},
    {"MoveParent", [](CLCXDomNsxml& d) { d.MoveParent(); }},
    {"MoveRoot", [](CLCXDomNsxml& d) { d.MoveRoot(); }},
    {"GetNodeCount", [](CLCXDomNsxml& d) { d.GetNodeCount("//item"); }},
    {"MoveNode", [](CLCXDomNsxml& d) { d.MoveNode("//item", 0); }},
};

WIN_TEST(FailedMsxmlCallsThrowInsteadOfMissing)
{
    for (const auto& operation : kOperations) {
        CLCXDomNsxml dom;
        CHECK(dom.Parse(kDocument));
        CLCXDomNsxml::SetCallHookForTest([](long) { return static_cast<long>(E_OUTOFMEMORY); });
        bool bThrown = false;
        try {
            operation.second(dom);
        } catch (const std::runtime_error&) {
            bThrown = true;
        }
        CLCXDomNsxml::SetCallHookForTest({});
        if (!bThrown)
            wintest::Fail(__FILE__, __LINE__, std::string(operation.first) + " answered instead of throwing");
    }
}

// The check definition's correlation rules, counted by xerces-c's DOM
// walking the same text: an independent reading of what MSXML selects.
long CountCorrelationRules(CLCXDom& dom)
{
    long lCount = 0;
    const bool bCorrelation = dom.GetNodeName() == "correlationCheck";
    if (dom.MoveFirstChild() != 0)
        return 0;
    do {
        if (bCorrelation && dom.GetNodeName() == "valid")
            ++lCount;
        lCount += CountCorrelationRules(dom);
    } while (dom.MoveNextSibling() == 0);
    dom.MoveParent();
    return lCount;
}

WIN_TEST(ShippedCheckDefinitionNavigates)
{
    const std::string strText = CLCCbCCommon::LoadDefinitionText(211);
    CLCXDomNsxml dom;
    CHECK(dom.Parse(strText.c_str()));
    const long lSelected = dom.GetNodeCount("//correlationCheck/valid");
    CHECK(lSelected > 0);
    CHECK_EQ(dom.MoveNode("//correlationCheck/valid", lSelected - 1), 0L);
    CHECK_EQ(dom.GetNodeName(), "valid");
    CHECK_EQ(dom.MoveParent(), 0L);
    CHECK_EQ(dom.GetNodeName(), "correlationCheck");

    xercesc::XMLPlatformUtils::Initialize();
    {
        CLCXDom reader;
        CHECK(reader.Initialize() && reader.Parse(strText.c_str(), "211", "UTF-8"));
        CHECK_EQ(CountCorrelationRules(reader), lSelected);
    }
    xercesc::XMLPlatformUtils::Terminate();

    CLCXDomNsxml edit;
    CHECK(edit.Parse(CLCCbCCommon::LoadDefinitionText(210).c_str()));
    CHECK(edit.GetNodeCount("//*[@itemId]") > 0);
}

} // namespace
