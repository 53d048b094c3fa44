#include "foundation/xml/CLCXTranscode.h"
#include "foundation/xml/XmlTestSupport.h"
#include <xercesc/util/PlatformUtils.hpp>
#include <xercesc/util/XMLException.hpp>
#include <xercesc/util/XMLString.hpp>

namespace {

using XERCES_CPP_NAMESPACE::XMLPlatformUtils;

class XTranscode : public LocaleTest {
protected:
    void SetUp() override
    {
        LocaleTest::SetUp();
        XMLPlatformUtils::Initialize();
    }
    void TearDown() override
    {
        XMLPlatformUtils::Terminate();
        LocaleTest::TearDown();
    }
};

TEST_P(XTranscode, RoundTripsUtf8WhateverTheLocale)
{
    // ASCII, 法人 (two-byte UTF-16 units) and 𠀋 (a surrogate pair).
    const std::string strText = "a\xE6\xB3\x95\xE4\xBA\xBA\xF0\xA0\x80\x8B";
    const CharToXMLCh wide(strText.c_str());
    EXPECT_EQ(XERCES_CPP_NAMESPACE::XMLString::stringLen(wide.c_str()), 5u);
    EXPECT_EQ(wide.c_str()[1], 0x6CD5);
    EXPECT_EQ(XMLChToChar(wide.c_str()).str(), strText);
}

TEST_P(XTranscode, NullAndEmptyGiveEmptyText)
{
    EXPECT_EQ(XMLChToChar(nullptr).str(), "");
    EXPECT_STREQ(XMLChToChar(CharToXMLCh(nullptr).c_str()).c_str(), "");
    EXPECT_EQ(CharToXMLCh("").c_str()[0], 0);
}

TEST_P(XTranscode, BrokenUtf8Throws)
{
    EXPECT_THROW(CharToXMLCh("\x93\xFA"), XERCES_CPP_NAMESPACE::XMLException);
}

INSTANTIATE_LOCALES(XTranscode);

} // namespace
