#include "gir/CLCGIRCheckList.h"
#include "gir/CLCGIRContainer.h"
#include "gir/CLCGIRContainerExt.h"
#include <gtest/gtest.h>
#include <exception>
#include <memory>
#include <string>
#include <vector>

namespace {

CLCGIRContainer* AddNode(CLCGIRContainer* pParent, const std::string& strItemId, long lLine)
{
    auto* pNode = new CLCGIRContainer(2, 0, 0, lLine, "a.csv", strItemId, "", "", "", "", "");
    pNode->SetConfItemId(strItemId);
    pParent->AddChild(pNode);
    return pNode;
}

void AddPreOrder(CLCGIRCheckList& list, CLCGIRContainer* pNode)
{
    list.AddCheckList(pNode->GetConfItemId(), pNode);
    for (CLCGIRContainer* pChild : pNode->GetChildList())
        AddPreOrder(list, pChild);
}

std::vector<long> Lines(const std::vector<CLCGIRContainer*>& vecNodes)
{
    std::vector<long> vecLines;
    for (const CLCGIRContainer* pNode : vecNodes)
        vecLines.push_back(pNode->GetCSVLineNumber());
    return vecLines;
}

TEST(GIRCheckList, FindsContainersByItemIdInTreeOrder)
{
    CLCGIRContainer root(0, 0, 0, 0, "", "GLOBE_OECD", "", "", "", "", "4");
    root.SetConfItemId("GO00001");
    CLCGIRContainer* pA = AddNode(&root, "JS00001", 1);
    AddNode(pA, "JS00010", 2);
    AddNode(pA, "JS00010", 3);
    CLCGIRContainer* pB = AddNode(&root, "JS00001", 4);
    AddNode(pB, "JS00010", 5);
    AddNode(&root, "AA00001", 6);

    CLCGIRCheckList list;
    AddPreOrder(list, &root);
    EXPECT_EQ(list.GetCheckListNumber(), 7);
    EXPECT_EQ(Lines(list.FindCheckList("JS00010")), (std::vector<long>{2, 3, 5}));
    EXPECT_EQ(Lines(list.FindCheckList("JS00001")), (std::vector<long>{1, 4}));
    EXPECT_TRUE(list.FindCheckList("JS0001").empty());

    // Index access runs in key order, equal keys in insertion order.
    const char* aszKeys[] = {"AA00001", "GO00001", "JS00001", "JS00001", "JS00010", "JS00010", "JS00010"};
    for (long i = 0; i < 7; ++i)
        EXPECT_EQ(list.GetItemIdByIndex(i), aszKeys[i]) << i;
    EXPECT_EQ(list.GetContainerByIndex(0)->GetCSVLineNumber(), 6);
    EXPECT_EQ(list.GetContainerByIndex(6)->GetCSVLineNumber(), 5);
}

TEST(GIRCheckList, RefusesEmptyIdsAndNullAndGuardsIndexes)
{
    CLCGIRContainer node;
    CLCGIRCheckList list;
    EXPECT_FALSE(list.AddCheckList("", &node));
    EXPECT_FALSE(list.AddCheckList("X", nullptr));
    EXPECT_TRUE(list.AddCheckList("X", &node));
    EXPECT_EQ(list.GetItemIdByIndex(1), "");
    EXPECT_THROW(list.GetContainerByIndex(1), std::exception);
    EXPECT_THROW(list.GetContainerByIndex(-1), std::exception);
    list.ClearCheckList();
    EXPECT_EQ(list.GetCheckListNumber(), 0);
    EXPECT_TRUE(list.FindCheckList("X").empty());
}

TEST(GIRContainerExt, OrderRow)
{
    CLCGIRContainerExt row;
    EXPECT_EQ(row.GetContainer(), nullptr);
    EXPECT_EQ(row.GetOrderNumber(), -1);
    EXPECT_FALSE(row.IsAutoItem());
    EXPECT_FALSE(row.IsEqualItemId(""));

    CLCGIRContainer node;
    node.SetConfItemId("MS00004");
    row.SetContainer(&node);
    row.SetOrderNumber(3);
    EXPECT_TRUE(row.IsEqualItemId("MS00004"));
    EXPECT_FALSE(row.IsEqualItemId("MS0000"));
    EXPECT_EQ(row.GetOrderNumber(), 3);
    for (const char* szFlag : {"", "0", "11", " 1"}) {
        row.SetAutoItem(szFlag);
        EXPECT_FALSE(row.IsAutoItem()) << '[' << szFlag << ']';
    }
    row.SetAutoItem("1");
    EXPECT_TRUE(row.IsAutoItem());
}
} // namespace
