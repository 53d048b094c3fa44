#include "gir/CLCGIRContainer.h"
#include "cbc/RuleTestSupport.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

std::unique_ptr<CLCGIRContainer> Named(const std::string& strName)
{
    return std::make_unique<CLCGIRContainer>(2, 1, 0, 3, "01_FilingInfo.csv", strName, "v", "a1", "a2", "a3", "6");
}

// A record's six columns, each in its place; attributes take room only when one is set.
TEST(GIRContainer, AssignColumnsPutsEachColumnInPlace)
{
    CLCGIRContainer node;
    const std::string strLong(40, 'v');
    node.AssignColumns("Name", strLong, "", "a2", "", "7");
    EXPECT_EQ(node.GetValueFromCsvColumnNumber(1), "Name");
    EXPECT_EQ(node.GetValueFromCsvColumnNumber(2), strLong);
    EXPECT_EQ(node.GetAttribute1Value(), "");
    EXPECT_EQ(node.GetAttribute2Value(), "a2");
    EXPECT_EQ(node.GetValueFromCsvColumnNumber(6), "7");
    node.AssignColumns("Other", "", "", "", "", "8");
    EXPECT_EQ(node.GetElementName(), "Other");
    EXPECT_EQ(node.GetElementValue(), "");
    EXPECT_EQ(node.GetAttribute2Value(), "");
    EXPECT_EQ(node.GetHierarchyNumber(), "8");
}

TEST(GIRContainer, DefaultAndValueConstructors)
{
    CLCGIRContainer empty;
    EXPECT_EQ(empty.GetGLOBE_OECD_HierarchyNumber(), -1);
    EXPECT_EQ(empty.GetCSVLineNumber(), -1);
    EXPECT_EQ(empty.GetElementName(), "");
    EXPECT_EQ(empty.GetParent(), nullptr);

    CLCGIRContainer automatic(0, 0, 0, 0, "", "Auto", "", "", "", "", "7", "GB00001", "globe", "tag_Type", "1",
                              "N", "attr", "3", "fixed", "attr2", "4", "fixed2", "attr3", "5", "fixed3", "1",
                              "value");
    EXPECT_EQ(automatic.GetConfItemId(), "GB00001");
    EXPECT_EQ(automatic.GetConfMaxOccur(), "N");
    EXPECT_EQ(automatic.GetConfAttrFromTargetAtter(2), "attr2");
    EXPECT_EQ(automatic.GetConfAttrValueColumnFromTargetAtter(3), "5");
    EXPECT_EQ(automatic.GetConfAttrValueFromTargetAtter(1), "fixed");
    EXPECT_EQ(automatic.GetConfAutoItem(), "1");
    EXPECT_EQ(automatic.GetConfValue(), "value");
    EXPECT_THROW(automatic.GetConfAttrFromTargetAtter(0), std::exception);
    EXPECT_THROW(automatic.GetConfAttrValueColumnFromTargetAtter(4), std::exception);
    EXPECT_THROW(automatic.GetConfAttrValueFromTargetAtter(-1), std::exception);
}

TEST(GIRContainer, ValuesByCsvColumn)
{
    auto pNode = Named("Name");
    const char* aszExpected[] = {"Name", "v", "a1", "a2", "a3", "6"};
    for (long n = 1; n <= 6; ++n)
        EXPECT_EQ(pNode->GetValueFromCsvColumnNumber(n), aszExpected[n - 1]);
    EXPECT_THROW(pNode->GetValueFromCsvColumnNumber(0), std::exception);
    EXPECT_THROW(pNode->GetValueFromCsvColumnNumber(7), std::exception);
}

TEST(GIRContainer, ChildrenAndSiblings)
{
    auto pRoot = Named("Root");
    CLCGIRContainer* pA = Named("A").release();
    CLCGIRContainer* pC = Named("C").release();
    pRoot->AddChild(pA);
    pRoot->AddRelation_ParentChild(pC);
    EXPECT_THROW(pRoot->AddRelation_ParentChild(nullptr), std::exception);

    EXPECT_TRUE(pC->InsertPreviousSibling(Named("B").release()));
    pA->AddLastSibling(Named("D").release());
    ASSERT_EQ(pRoot->GetChildCount(), 4);
    EXPECT_EQ(pRoot->GetChild(1)->GetElementName(), "B");
    EXPECT_EQ(pRoot->GetChild(3)->GetElementName(), "D");
    EXPECT_EQ(pRoot->GetChild(4), nullptr);
    EXPECT_EQ(pRoot->GetChild(-1), nullptr);
    EXPECT_EQ(pRoot->GetFirstChild(), pA);
    EXPECT_EQ(pA->GetPrevSibling(), nullptr);
    EXPECT_EQ(pA->GetNextSibling()->GetElementName(), "B");
    EXPECT_EQ(pRoot->GetChild(3)->GetNextSibling(), nullptr);
    EXPECT_EQ(pC->GetPrevSibling()->GetElementName(), "B");
    EXPECT_EQ(pRoot->GetNextSibling(), nullptr);
    EXPECT_EQ(pRoot->_getSelfChildIndex(pC), 2);
    EXPECT_EQ(pRoot->_getSelfChildIndex(pRoot.get()), -1);
    EXPECT_EQ(pRoot->FindContainer("C"), pC);
    EXPECT_EQ(pRoot->FindContainer("c"), nullptr);
    EXPECT_EQ(pC->GetParent(), pRoot.get());
    EXPECT_EQ(pC->GetRoot(), pRoot.get());
    EXPECT_TRUE(pC->IsEqualElementName("C"));

    // A node without a parent has no siblings to add to.
    auto pOrphan = Named("E");
    EXPECT_FALSE(pRoot->InsertPreviousSibling(pOrphan.get()));
    EXPECT_THROW(pRoot->AddLastSibling(pOrphan.get()), std::exception);
}

TEST(GIRContainer, InsertByIndex)
{
    auto pRoot = Named("Root");
    pRoot->AddChild(Named("A").release());
    EXPECT_TRUE(pRoot->InsertContainerByIndex(1, Named("Last").release()));
    EXPECT_TRUE(pRoot->InsertContainerByIndex(0, Named("First").release()));
    auto pSpare = Named("Spare");
    EXPECT_FALSE(pRoot->InsertContainerByIndex(4, pSpare.get()));
    EXPECT_FALSE(pRoot->InsertContainerByIndex(-1, pSpare.get()));
    EXPECT_FALSE(pRoot->InsertContainerByIndex(0, nullptr));
    ASSERT_EQ(pRoot->GetChildCount(), 3);
    EXPECT_EQ(pRoot->GetChild(0)->GetElementName(), "First");
    EXPECT_EQ(pRoot->GetChild(2)->GetElementName(), "Last");
    EXPECT_EQ(pRoot->GetChild(2)->GetParent(), pRoot.get());
}

TEST(GIRContainer, SiblingStepsFollowEveryInsertion)
{
    auto pRoot = Named("Root");
    for (const char* sz : {"B", "D"})
        pRoot->AddChild(Named(sz).release());
    ASSERT_TRUE(pRoot->GetChild(0)->InsertPreviousSibling(Named("A").release()));
    ASSERT_TRUE(pRoot->InsertContainerByIndex(2, Named("C").release()));
    pRoot->GetChild(3)->AddLastSibling(Named("E").release());
    std::string strForward, strBackward;
    for (CLCGIRContainer* p = pRoot->GetFirstChild(); p != nullptr; p = p->GetNextSibling())
        strForward += p->GetElementName();
    for (CLCGIRContainer* p = pRoot->GetChild(4); p != nullptr; p = p->GetPrevSibling())
        strBackward += p->GetElementName();
    EXPECT_EQ(strForward, "ABCDE");
    EXPECT_EQ(strBackward, "EDCBA");
    // A child handed to another parent is found there, not at its old place.
    std::vector<std::unique_ptr<CLCGIRContainer>> vecOwned;
    for (CLCGIRContainer* p : pRoot->GetChildList())
        vecOwned.emplace_back(p);
    pRoot->ClearChildList();
    auto pOther = Named("Other");
    pOther->AddChild(vecOwned[0].release());   // A, which stood first
    pOther->AddChild(vecOwned[3].release());   // D, whose old place was 3
    EXPECT_EQ(pOther->_getSelfChildIndex(pOther->GetChild(1)), 1);
    EXPECT_EQ(pOther->GetChild(1)->GetPrevSibling()->GetElementName(), "A");
    EXPECT_EQ(pRoot->_getSelfChildIndex(pOther->GetChild(0)), -1);
}

TEST(GIRContainer, ClearChildListKeepsTheChildren)
{
    auto pRoot = Named("Root");
    auto pChild = Named("A");
    pRoot->AddChild(pChild.get());
    pRoot->ClearChildList();
    EXPECT_FALSE(pRoot->HasChild());
    EXPECT_EQ(pChild->GetElementName(), "A");   // still alive, still ours
}

TEST(GIRContainer, DumpWritesOneEntryPerNodeWithGrowingTitles)
{
    CTestFolder home;
    const char* szOldHome = std::getenv("HOME");
    std::string strOldHome = szOldHome ? szOldHome : "";
    setenv("HOME", home.Path().c_str(), 1);

    auto pRoot = Named("GLOBE_OECD");
    CLCGIRContainer* pChild = Named("MessageSpec").release();
    pRoot->AddChild(pChild);
    pChild->AddChild(Named("SendingEntityIN").release());
    pRoot->DebugLog("ConvertHierarchy");

    if (szOldHome)
        setenv("HOME", strOldHome.c_str(), 1);
    else
        unsetenv("HOME");

    std::string strLog;
    for (const auto& entry : std::filesystem::directory_iterator(home.Path())) {
        std::string strName = entry.path().filename().string();
        ASSERT_EQ(strName.rfind("_OVK_GIRCONTAINER_", 0), 0u) << strName;
        ASSERT_EQ(strName.size(), std::string("_OVK_GIRCONTAINER_yyyyMMdd.log").size());
        std::ifstream in(entry.path(), std::ios::binary);
        strLog.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    EXPECT_NE(strLog.find("-----出力開始 OUTPUT_STYLE[ConvertHierarchy - GLOBE_OECD] "), std::string::npos);
    EXPECT_NE(strLog.find("OUTPUT_STYLE[ConvertHierarchy - GLOBE_OECD - MessageSpec] "), std::string::npos);
    EXPECT_NE(strLog.find("OUTPUT_STYLE[ConvertHierarchy - GLOBE_OECD - MessageSpec - SendingEntityIN] "),
              std::string::npos);
    std::string strChildEntry = "[CLCGIRContainer]\n"
                                " 階層番号（GLOBE_OECD配下）（m_lGLOBE_OECD_HierarchyNumber）：2\n"
                                " 階層番号（GLOBEBody配下）（m_lGLOBEBody_HierarchyNumber）：1\n"
                                " 階層枝番（GLOBEBody配下）（m_lGLOBEBody_HierarchyBranchNumber）：0\n"
                                " CSV行番号（m_lCSV_LineNumber）：3\n"
                                " CSVファイル名（m_strCSVFileName）：01_FilingInfo.csv\n"
                                " 要素名（m_strElementName）：MessageSpec\n";
    EXPECT_NE(strLog.find(strChildEntry), std::string::npos);
    EXPECT_NE(strLog.find(" 子要素リストの要素数（m_vecChild）：1\n"
                          " 親コンテナのポインタ（m_pParentContainer）：設定済\n-----\n"),
              std::string::npos);
    EXPECT_NE(strLog.find(" 子要素リストの要素数（m_vecChild）：0\n"), std::string::npos);
    EXPECT_NE(strLog.find("：未設定\n-----\n"), std::string::npos);
    // Three entries, the root's first.
    EXPECT_EQ(strLog.rfind("-----出力開始 OUTPUT_STYLE[ConvertHierarchy - GLOBE_OECD] ", 0), 0u);
}
} // namespace

// After each kind of insertion every child knows its place without a search,
// and settings set on one node leave a node sharing them untouched.
TEST(GIRContainer, EveryChildKnowsItsPlaceAfterInsertions)
{
    struct SStep {
        const char* szName;
        std::function<void(CLCGIRContainer&)> fnInsert;
        const char* szOrder;
    } const kSteps[] = {
        {"front", [](CLCGIRContainer& r) { r.InsertContainerByIndex(0, Named("a").release()); }, "a0123"},
        {"middle", [](CLCGIRContainer& r) { r.InsertContainerByIndex(3, Named("b").release()); }, "a01b23"},
        {"before a sibling", [](CLCGIRContainer& r) { r.GetChild(1)->InsertPreviousSibling(Named("c").release()); },
         "ac01b23"},
        {"last", [](CLCGIRContainer& r) { r.GetChild(0)->AddLastSibling(Named("d").release()); }, "ac01b23d"},
    };
    auto pRoot = Named("Root");
    for (const char* sz : {"0", "1", "2", "3"})
        pRoot->AddChild(Named(sz).release());
    for (const SStep& step : kSteps) {
        step.fnInsert(*pRoot);
        std::string strOrder;
        for (long i = 0; i < pRoot->GetChildCount(); ++i) {
            strOrder += pRoot->GetChild(i)->GetElementName();
            EXPECT_EQ(pRoot->GetChild(i)->GetSelfIndex(), i) << step.szName;
        }
        EXPECT_EQ(strOrder, step.szOrder) << step.szName;
    }
    EXPECT_EQ(Named("Alone")->GetSelfIndex(), -1);

    CLCGIRContainer* pFirst = pRoot->GetChild(0);
    pFirst->SetConfItemId("GB00001");
    auto pShared = Named("Shared");
    pShared->SetEditConf(pFirst->GetEditConf());
    EXPECT_EQ(pShared->GetConfItemId(), "GB00001");
    pShared->SetConfItemId("GB00002");
    EXPECT_EQ(pShared->GetConfItemId(), "GB00002");
    EXPECT_EQ(pFirst->GetConfItemId(), "GB00001");
}
