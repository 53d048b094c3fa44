#include "gir/CLCGIRXMLList.h"
#include "cbc/RuleTestSupport.h"
#include "gir/CLCGIRContainer.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

class XMLList : public ::testing::Test {
protected:
    void SetUp() override { RuleTest::FreshGIRCollector(); }
    void TearDown() override { CLCValidResult::destroy(); }

    enum class Levels { Read, Given, EveryOtherGiven };

    // One container per level text, named N1, N2 ... from line 1 of "a.csv";
    // eLevels tells which are added with their level.
    void Fill(const std::vector<std::string>& vecLevels, Levels eLevels = Levels::Read)
    {
        long lLine = 0;
        for (const std::string& strLevel : vecLevels) {
            ++lLine;
            auto* pContainer = new CLCGIRContainer(2, 0, 0, lLine, "a.csv", "N" + std::to_string(lLine), "", "",
                                                   "", "", strLevel);
            const bool bGiven = eLevels == Levels::Given || (eLevels == Levels::EveryOtherGiven && lLine % 2 == 0);
            if (bGiven)
                m_list.AddContainer(pContainer, CLCGIRXMLList::LevelOf(strLevel));
            else
                m_list.AddContainer(pContainer);
        }
    }
    // Every listed container and its subtree as "name(children...)".
    static std::string Shape(const CLCGIRContainer* pNode)
    {
        std::string str = pNode->GetElementName();
        if (!pNode->HasChild())
            return str;
        str += '(';
        for (const CLCGIRContainer* pChild : pNode->GetChildList())
            str += Shape(pChild) + (pChild->GetNextSibling() ? " " : "");
        return str + ')';
    }
    std::string ListShape() const
    {
        std::string str;
        for (long i = 0; i < m_list.GetContainerNumber(); ++i)
            str += (i ? " " : "") + Shape(m_list.GetContainerByIndex(i));
        return str;
    }

    CLCGIRXMLList m_list;
};

TEST_F(XMLList, LinksRowsByHierarchyNumber)
{
    Fill({"4", "5", "6", "7", "5", "6"});
    ASSERT_TRUE(m_list.ConvertXMLStructure(8));
    EXPECT_EQ(ListShape(), "N1(N2(N3(N4)) N5(N6))");
    EXPECT_EQ(m_list.GetRootContainer()->GetElementName(), "N1");
    EXPECT_EQ(m_list.GetContainerByIndex(0)->GetChild(1)->GetParent(), m_list.GetRootContainer());
    EXPECT_EQ(RuleTest::GIRText("a.csv"), "");
}

TEST_F(XMLList, ClimbsAnyNumberOfLevels)
{
    Fill({"4", "5", "6", "7", "8", "5", "6"});
    ASSERT_TRUE(m_list.ConvertXMLStructure(8));
    EXPECT_EQ(ListShape(), "N1(N2(N3(N4(N5))) N6(N7))");
}

TEST_F(XMLList, ReportsAStepOfTwoLevelsAgainstTheDeeperRow)
{
    Fill({"4", "5", "7"});
    EXPECT_FALSE(m_list.ConvertXMLStructure(8));
    EXPECT_EQ(RuleTest::GIRText("a.csv"), "00000003-00006-HE60048E");
    EXPECT_EQ(ListShape(), "N1 N2 N3");
}

TEST_F(XMLList, StepCheckComesBeforeTheParentOfTheRoot)
{
    Fill({"4", "6"});
    EXPECT_FALSE(m_list.ConvertXMLStructure(8));
    EXPECT_EQ(RuleTest::GIRText("a.csv"), "00000002-00006-HE60048E");
}

TEST_F(XMLList, RowWithoutAnOpenParentIsReported)
{
    Fill({"5", "6"});
    EXPECT_FALSE(m_list.ConvertXMLStructure(8));
    EXPECT_EQ(RuleTest::GIRText("a.csv"), "00000001-00006-HE60048E");
    EXPECT_EQ(ListShape(), "N1 N2");
}

TEST_F(XMLList, FailureLeavesEveryContainerOwnedOnceAndUnlinked)
{
    Fill({"4", "5", "6", "5", "7"});
    EXPECT_FALSE(m_list.ConvertXMLStructure(8));
    EXPECT_EQ(m_list.GetContainerNumber(), 5);
    EXPECT_EQ(ListShape(), "N1 N2 N3 N4 N5");
    EXPECT_EQ(RuleTest::GIRText("a.csv"), "00000005-00006-HE60048E");
}

TEST_F(XMLList, LevelOutsideTheRangeIsFatal)
{
    for (const char* szLevel : {"", "x", "3", "-5"}) {
        RuleTest::FreshGIRCollector();
        m_list.Clear();
        Fill({"4", szLevel});
        EXPECT_FALSE(m_list.ConvertXMLStructure(8)) << szLevel;
        EXPECT_EQ(RuleTest::GIRText("その他"), "00000000-00000-HE60000E") << szLevel;
        EXPECT_EQ(RuleTest::GIRText("a.csv"), "") << szLevel;
        EXPECT_EQ(m_list.GetContainerNumber(), 2) << szLevel;
    }
}

TEST_F(XMLList, DeepestLevelIsAccepted)
{
    Fill({"4", "5", "6", "7", "8"});
    EXPECT_TRUE(m_list.ConvertXMLStructure(8));
    EXPECT_EQ(ListShape(), "N1(N2(N3(N4(N5))))");
}

TEST_F(XMLList, LevelAboveTheMaximumIsFatal)
{
    Fill({"4", "5", "6", "7", "8", "9"});
    EXPECT_FALSE(m_list.ConvertXMLStructure(8));
    EXPECT_EQ(RuleTest::GIRText("その他"), "00000000-00000-HE60000E");
    EXPECT_EQ(m_list.GetContainerNumber(), 6);
}

TEST_F(XMLList, ConsecutiveRootsAllStay)
{
    Fill({"4", "4", "5"});
    ASSERT_TRUE(m_list.ConvertXMLStructure(8));
    EXPECT_EQ(ListShape(), "N1 N2(N3)");
    EXPECT_EQ(m_list.GetRootContainer()->GetElementName(), "N1");
}

TEST_F(XMLList, EmptyListSucceeds)
{
    EXPECT_TRUE(m_list.ConvertXMLStructure(8));
    EXPECT_EQ(m_list.GetRootContainer(), nullptr);
}

TEST_F(XMLList, LevelsGivenOnAddingLinkAsLevelsRead)
{
    const std::vector<std::string> kCases[] = {
        {"4", "5", "6", "7", "5", "6"}, {"4", "5", "7"}, {"4", "6"}, {"5", "6"}, {"4", "5", "6", "5", "7"},
        {"4", ""}, {"4", "x"}, {"4", "3"}, {"4", "-5"}, {"4", "5", "6", "7", "8", "9"}, {"4", "4", "5"},
        {"4", "05", "6a", " 7"}, {"4", "5", "99999999999999999999"}, {"4", "5", "6", "4", "5", "5"},
    };
    for (const std::vector<std::string>& vecLevels : kCases) {
        std::string strLabel;
        for (const std::string& strLevel : vecLevels)
            strLabel += "[" + strLevel + "]";
        std::vector<std::string> vecOutcomes;
        for (Levels eLevels : {Levels::Read, Levels::Given, Levels::EveryOtherGiven}) {
            RuleTest::FreshGIRCollector();
            m_list.Clear();
            Fill(vecLevels, eLevels);
            const bool bLinked = m_list.ConvertXMLStructure(8);
            vecOutcomes.push_back(std::to_string(bLinked) + " " + ListShape() + " " + RuleTest::GIRText("a.csv")
                                  + " " + RuleTest::GIRText("その他"));
        }
        EXPECT_EQ(vecOutcomes[1], vecOutcomes[0]) << strLabel;
        EXPECT_EQ(vecOutcomes[2], vecOutcomes[0]) << strLabel;
    }
}

TEST_F(XMLList, RemovedContainerTakesItsLevelAlong)
{
    Fill({"4", "7", "5"}, Levels::Given);
    std::unique_ptr<CLCGIRContainer> pTaken(m_list.GetContainerByIndex(1));
    ASSERT_TRUE(m_list.RemoveContainerByIndex(1));
    ASSERT_TRUE(m_list.ConvertXMLStructure(8));
    EXPECT_EQ(ListShape(), "N1(N3)");
    // The roots left keep their level for another conversion.
    ASSERT_TRUE(m_list.ConvertXMLStructure(8));
    EXPECT_EQ(ListShape(), "N1(N3)");
}

TEST_F(XMLList, ListOperations)
{
    EXPECT_FALSE(m_list.AddContainer(nullptr));
    EXPECT_TRUE(m_list.CreateXMLStructure());
    Fill({"4"});
    EXPECT_EQ(m_list.GetContainerNumber(), 2);
    EXPECT_EQ(m_list.GetRootContainer()->GetCSVLineNumber(), -1);   // the default container
    EXPECT_EQ(m_list.GetContainerByIndex(2), nullptr);
    EXPECT_EQ(m_list.GetContainerByIndex(-1), nullptr);

    CLCGIRContainer* pTaken = m_list.GetContainerByIndex(1);
    EXPECT_TRUE(m_list.RemoveContainerByIndex(1));
    std::unique_ptr<CLCGIRContainer> pOwned(pTaken);   // the caller owns it now
    EXPECT_FALSE(m_list.RemoveContainerByIndex(1));
    EXPECT_EQ(m_list.GetContainerNumber(), 1);
}
} // namespace
