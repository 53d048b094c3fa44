#include "foundation/xml/CLCXSax.h"
#include "foundation/xml/XmlTestSupport.h"
#include "foundation/xml/CLCXEntityGuard.h"
#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>
#include <xercesc/framework/MemoryManager.hpp>
#include <xercesc/util/PlatformUtils.hpp>
#include <xercesc/util/XMLUni.hpp>

namespace {

const std::string kHead = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>";

enum class EReader { Generated, CallerFile };

struct SSaxCase {
    const char* szName;
    std::string strText;
    bool bWellFormed;
};

class XSax : public CollectorTest, public ::testing::WithParamInterface<EReader> {
protected:
    bool Run(const std::string& strText)
    {
        CLCXSax sax;
        const bool bReady = GetParam() == EReader::Generated ? sax.Initialize() : sax.Initialize2();
        EXPECT_TRUE(bReady);
        return bReady && sax.Parse(strText.c_str(), "CbC", "UTF-8");
    }
};

std::string ReaderName(const ::testing::TestParamInfo<EReader>& info)
{
    return info.param == EReader::Generated ? "Initialize" : "Initialize2";
}

TEST_P(XSax, JudgesWellFormednessOnly)
{
    const SSaxCase kCases[] = {
        {"plain", kHead + "<DATA><CBC_OECD version=\"2.0\">\xE6\x97\xA5\xE6\x9C\xAC</CBC_OECD></DATA>", true},
        {"declaration says Shift_JIS", "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><a>\xE6\x97\xA5\xE6\x9C\xAC</a>", true},
        {"invalid against its DTD", "<!DOCTYPE a [<!ELEMENT a EMPTY>]><a><b/><b/></a>", true},
        {"small internal entities", "<!DOCTYPE a [<!ENTITY e \"" + std::string(1000, 'e') + "\">]><a x=\"&e;\">&e;&e;</a>", true},
        {"escaped text", "<a>&lt;&amp;&gt;&quot;&apos;&#x65E5;</a>", true},
        {"unclosed tag", kHead + "<DATA><a></DATA>", false},
        {"two roots", "<a/><b/>", false},
        {"empty", "", false},
        {"broken UTF-8", "<a>\x93\xFA</a>", false},
        {"undeclared entity", "<a>&nbsp;</a>", false},
    };
    for (const SSaxCase& c : kCases) {
        EXPECT_EQ(Run(c.strText), c.bWellFormed) << c.szName;
        EXPECT_EQ(Collected(), c.bWellFormed ? "" : kFatalRow) << c.szName;
    }
}

TEST_P(XSax, LogsTheLibraryMessageWithLineAndColumn)
{
    CLogCapture log;
    EXPECT_FALSE(Run(kHead + "<DATA>\n<a>\n</DATA>"));
    EXPECT_EQ(Collected(), kFatalRow);
    EXPECT_NE(log.Text().find(" CLCXSax::Parse--\n"
                              "想定しないエラーが発生しました。\n"
                              "expected end of tag 'a' (行番号: 3, 列番号: 3)\n"),
              std::string::npos)
        << log.Text();
}

// Billion laughs: ten levels of ten references would expand to 10^10 characters.
std::string ExpansionBomb()
{
    std::string strText = "<!DOCTYPE l [<!ENTITY l0 \"lol\">";
    for (int nLevel = 1; nLevel <= 10; ++nLevel) {
        strText += "<!ENTITY l" + std::to_string(nLevel) + " \"";
        for (int n = 0; n < 10; ++n)
            strText += "&l" + std::to_string(nLevel - 1) + ";";
        strText += "\">";
    }
    return strText + "]><l>&l10;</l>";
}

// Quadratic blow-up: one large entity referenced many times, here in an
// attribute value, which the library would build whole in memory.
std::string QuadraticBlowUp()
{
    std::string strText = "<!DOCTYPE l [<!ENTITY big \"" + std::string(1 << 20, 'x') + "\">]><l a=\"";
    for (int n = 0; n < 9000; ++n)
        strText += "&big;";
    return strText + "\"/>";
}

// Counts what xerces-c holds: installed by an outer initialisation, it is the
// manager of every parser made while it lives.
class CCountingMemory : public XERCES_CPP_NAMESPACE::MemoryManager {
public:
    void* allocate(XMLSize_t ulSize) override
    {
        auto* pBlock = static_cast<XMLSize_t*>(::operator new(ulSize + kHeader));
        *pBlock = ulSize;
        m_ulCurrent += ulSize;
        m_ulPeak = std::max(m_ulPeak, m_ulCurrent);
        return reinterpret_cast<char*>(pBlock) + kHeader;
    }
    void deallocate(void* p) override
    {
        if (p == nullptr)
            return;
        auto* pBlock = reinterpret_cast<XMLSize_t*>(static_cast<char*>(p) - kHeader);
        m_ulCurrent -= *pBlock;
        ::operator delete(pBlock);
    }
    MemoryManager* getExceptionMemoryManager() override { return this; }
    XMLSize_t Peak() const { return m_ulPeak; }

private:
    static constexpr XMLSize_t kHeader = alignof(std::max_align_t);
    XMLSize_t m_ulCurrent = 0;
    XMLSize_t m_ulPeak = 0;
};

TEST_P(XSax, RefusesEntityExpansionWithoutGrowingMemory)
{
    using XERCES_CPP_NAMESPACE::XMLPlatformUtils;
    if (XMLPlatformUtils::fgMemoryManager != nullptr)
        GTEST_SKIP() << "xerces-c was left initialised by an earlier test in this process";
    CCountingMemory memory;
    XMLPlatformUtils::Initialize(XERCES_CPP_NAMESPACE::XMLUni::fgXercescDefaultLocale, nullptr, nullptr, &memory);
    for (const std::string& strText : {ExpansionBomb(), QuadraticBlowUp()}) {
        CLogCapture log;
        EXPECT_FALSE(Run(strText));
        EXPECT_EQ(Collected(), kFatalRow);
        EXPECT_NE(log.Text().find("this is the limit imposed by the application"), std::string::npos) << log.Text();
    }
    XMLPlatformUtils::Terminate();
    EXPECT_LT(memory.Peak(), 16u << 20);
}

TEST_P(XSax, NeverReadsExternalEntities)
{
    CTestFolder folder;
    WriteBytes(folder / "secret.txt", "secret");
    WriteBytes(folder / "decl.dtd", "<!ENTITY x \"secret\">");
    const std::string strFile = "file://" + (folder / "secret.txt");
    // 192.0.2.1 is reserved for documentation and never routed: an attempt to
    // fetch would hang the test instead of failing at once.
    const std::string kTexts[] = {
        "<!DOCTYPE a [<!ENTITY x SYSTEM \"" + strFile + "\">]><a>&x;</a>",
        "<!DOCTYPE a [<!ENTITY x SYSTEM \"" + strFile + "\">]><a v=\"&x;\"/>",
        "<!DOCTYPE a [<!ENTITY x SYSTEM \"http://192.0.2.1/x.xml\">]><a>&x;</a>",
        "<!DOCTYPE a [<!ENTITY % p SYSTEM \"file://" + (folder / "decl.dtd") + "\"> %p;]><a>&x;</a>",
        "<!DOCTYPE a [<!ENTITY % p SYSTEM \"http://192.0.2.1/x.dtd\"> %p;]><a/>",
    };
    for (const std::string& strText : kTexts) {
        EXPECT_FALSE(Run(strText)) << strText;
        EXPECT_EQ(Collected(), kFatalRow) << strText;
    }
}

INSTANTIATE_TEST_SUITE_P(Readers, XSax, ::testing::Values(EReader::Generated, EReader::CallerFile), ReaderName);

class XSaxReader : public CollectorTest {};

static std::string Repeated(const std::string& strPiece, size_t nTimes)
{
    std::string strOut;
    for (size_t i = 0; i < nTimes; ++i)
        strOut += strPiece;
    return strOut;
}

// Inside the wrapper the generators put around their documents no document
// type can stand, so the well-formedness reader answers as Initialize does;
// one object changes readers when asked for the other kind. Predefined
// references past the entity-expansion limit are a large document's escapes.
TEST_F(XSaxReader, WellFormedReaderAnswersAsInitializeInsideTheWrapper)
{
    struct SBody {
        std::string strBody;
        bool bWellFormed;
    };
    const size_t nPastLimit = CLCXEntityGuard::kExpansionLimit + 1;
    const SBody kBodies[] = {
        {"<a>\xE6\x97\xA5</a>", true}, {"<a>", false}, {"<a>\x93\xFA</a>", false}, {"<a>&nbsp;</a>", false},
        {"<a>&lt;&amp;&#x65E5;</a>", true}, {"<!DOCTYPE a [<!ENTITY e \"x\">]><a>&e;</a>", false},
        {"<a/><![CDATA[x]]>", true}, {"<?pi x?><a/>", true}, {"<a x='1' x='2'/>", false}, {"", true},
        {"<a>" + Repeated("R&amp;D ", nPastLimit) + "</a>", true},
        {"<a>" + Repeated("&lt;&gt;&quot;&apos;", nPastLimit / 4 + 1) + "</a>", true},
        {"<a n=\"" + Repeated("O&apos;Brien&amp;", nPastLimit / 2 + 1) + "\"/>", true},
        {"<a>" + Repeated("&amp;", nPastLimit) + "&bogus;</a>", false},
    };
    CLCXSax sax;
    for (const SBody& body : kBodies) {
        const std::string strText = kHead + "<DATA>" + body.strBody + "</DATA>";
        const std::string strShown = body.strBody.substr(0, 60);
        std::string astrRows[2];
        for (int nWay = 0; nWay < 2; ++nWay) {
            ASSERT_TRUE(nWay == 0 ? sax.Initialize() : sax.InitializeWellFormed());
            EXPECT_EQ(sax.Parse({strText}, "CbC", "UTF-8"), body.bWellFormed) << strShown << " way " << nWay;
            astrRows[nWay] = Collected();
            CLCValidResult::destroy();
        }
        EXPECT_EQ(astrRows[1], astrRows[0]) << strShown;
    }
}

TEST_F(XSaxReader, AnExternalDtdIsNeverFetched)
{
    const std::string strText = "<!DOCTYPE a SYSTEM \"http://192.0.2.1/a.dtd\"><a/>";
    CLCXSax generated;
    ASSERT_TRUE(generated.Initialize());
    EXPECT_FALSE(generated.Parse(strText.c_str(), "CbC", "UTF-8"));   // validation needs it: refused
    EXPECT_EQ(Collected(), kFatalRow);

    CLCXSax callerFile;
    ASSERT_TRUE(callerFile.Initialize2());
    EXPECT_TRUE(callerFile.Parse(strText.c_str(), "CbC", "UTF-8"));   // not loaded at all
    EXPECT_EQ(Collected(), "");
}

TEST_F(XSaxReader, ParseWithoutReaderOrArgumentsRecordsTheFatalRow)
{
    CLCXSax sax;
    EXPECT_FALSE(sax.Parse("<a/>", "CbC", "UTF-8"));
    EXPECT_EQ(Collected(), kFatalRow);
    ASSERT_TRUE(sax.Initialize());
    EXPECT_FALSE(sax.Parse(nullptr, "CbC", "UTF-8"));
    EXPECT_FALSE(sax.Parse("<a/>", nullptr, "UTF-8"));
    EXPECT_EQ(Collected(), kFatalRow);
    EXPECT_TRUE(sax.Parse("<a/>", "CbC", "UTF-8"));
    sax.Terminate();
    EXPECT_FALSE(sax.Parse("<a/>", "CbC", "UTF-8"));
    EXPECT_EQ(Collected(), kFatalRow);
}

// A text in pieces is read as the one text they make, up to its first zero byte.
TEST_F(XSaxReader, PiecesReadAsOneText)
{
    struct SPiecesCase {
        const char* szName;
        std::vector<std::string> vecPieces;
        bool bWellFormed;
    };
    const std::string strLong(200000, 'x');
    const SPiecesCase kCases[] = {
        {"wrapped", {kHead + "<DATA>", "<a>b</a>", "</DATA>"}, true},
        {"empty piece", {"<a>", "", "</a>"}, true},
        {"tag across pieces", {"<a", "/>"}, true},
        {"character across pieces", {"<a>\xE6\x97", "\xA5</a>"}, true},
        {"longer than a read", {"<a>", strLong, strLong, "</a>"}, true},
        {"unclosed", {"<a>", "b"}, false},
        {"zero byte ends the text", {"<a/>", std::string("\0<b>", 4)}, true},
        {"zero byte cuts the end tag", {std::string("<a>\0", 4), "</a>"}, false},
    };
    CLCXSax sax;
    ASSERT_TRUE(sax.Initialize());
    for (const SPiecesCase& c : kCases) {
        std::vector<std::string_view> vecViews(c.vecPieces.begin(), c.vecPieces.end());
        std::string strJoined;
        for (const std::string& strPiece : c.vecPieces)
            strJoined += strPiece;
        // The pieces as separate arguments, as a caller wraps a document.
        bool bPieces = false;
        switch (vecViews.size()) {
        case 2: bPieces = sax.Parse({vecViews[0], vecViews[1]}, "CbC", "UTF-8"); break;
        case 3: bPieces = sax.Parse({vecViews[0], vecViews[1], vecViews[2]}, "CbC", "UTF-8"); break;
        default: bPieces = sax.Parse({vecViews[0], vecViews[1], vecViews[2], vecViews[3]}, "CbC", "UTF-8"); break;
        }
        EXPECT_EQ(bPieces, c.bWellFormed) << c.szName;
        EXPECT_EQ(Collected(), c.bWellFormed ? "" : kFatalRow) << c.szName;
        EXPECT_EQ(sax.Parse(strJoined.c_str(), "CbC", "UTF-8"), c.bWellFormed) << c.szName;
        Collected();
    }
}

TEST_F(XSaxReader, OneReaderParsesManyTexts)
{
    CLCXSax sax;
    ASSERT_TRUE(sax.Initialize());
    EXPECT_FALSE(sax.Parse("<a>", "CbC", "UTF-8"));
    EXPECT_EQ(Collected(), kFatalRow);
    EXPECT_TRUE(sax.Parse("<a/>", "CbC", "UTF-8"));
    EXPECT_TRUE(sax.Parse(ExpansionBomb().substr(0, ExpansionBomb().find("]>")).append("]><l/>").c_str(), "CbC", "UTF-8"));
    EXPECT_EQ(Collected(), "");
}

} // namespace
