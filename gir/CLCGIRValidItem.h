#pragma once
#include "foundation/CLCCbCMessage.h"
#include <memory>
#include <string>
#include <vector>

class CLCGIRContainer;

// A rule of the GIR check definition that looks at more than one value: the
// exclusive family judges the children of one node, the correlation family the
// nodes of the whole tree found through the data manager's check list.
//
// A kind reads its settings from the element under the check definition's
// cursor when it is made and refuses a definition fault there (a missing item
// id, a short exclusive list, an empty word, an unknown compare mode, a column
// outside 1 to 6): the factories then record the fatal row and answer null, so
// a faulty definition never depends on the data it meets.
//
// Checks answer CBC_MSG_NONE, HE60000E (Validate has recorded the fatal row) or
// the rule's message, whose rows are already recorded; outer checks record
// nothing. An item owns its outer items.
class CLCGIRValidItem {
public:
    CLCGIRValidItem() = default;
    virtual ~CLCGIRValidItem();
    CLCGIRValidItem& operator=(const CLCGIRValidItem&) = delete;

    // The outer items first, in order: one that fails switches the rule off for
    // this node without a row.
    virtual CLCCbCMessage_t Validate();
    // The judgement alone, without rows.
    virtual CLCCbCMessage_t ValidateOuter();
    // Judges; with bOuter false it also writes the rows. The base answers HE60000E.
    virtual CLCCbCMessage_t _validate(bool bOuter);

    // Takes ownership (null is ignored).
    void AddOuterItem(CLCGIRValidItem* pOuter);
    // The same rule with its outer items for another parent, so that a row of
    // the definition is read once for all the nodes it applies to; null for a
    // kind not bound to a parent.
    std::unique_ptr<CLCGIRValidItem> CloneFor(CLCGIRContainer* pParent) const;

    // The direct children of pParent carrying the item id, in child order. An
    // empty item id is logged and thrown.
    static std::vector<CLCGIRContainer*> FindChildContainer(const CLCGIRContainer* pParent,
                                                            const std::string& strItemId);

    // New items owned by the caller, made from the element under the check
    // definition's cursor; null after recording the fatal row.
    static CLCGIRValidItem* CreateExItem(const std::string& strKind, CLCGIRContainer* pParent);
    static CLCGIRValidItem* CreateCoItem(const std::string& strKind);

    // Validate on each rule in order: the last message a rule returned, 0 when
    // all passed; stops at HE60000E.
    static CLCCbCMessage_t ValidateAll(const std::vector<std::unique_ptr<CLCGIRValidItem>>& vecRules);

    // One row about a node: its file, its line, column2 -1. The root belongs to
    // no file; its rows are filed under "その他".
    static void SetResult(const CLCGIRContainer* pContainer, CLCCbCMessage_t message, long lColumn);
    // Characters are code points of the UTF-8 text.
    static size_t CountChars(const std::string& strText);
    // Up to nCount characters from character nFirst on ("" past the end).
    static std::string SubChars(const std::string& strText, size_t nFirst, size_t nCount);

protected:
    // A copy without the outer items (CloneFor copies those).
    CLCGIRValidItem(const CLCGIRValidItem&) {}
    // The kind's own copy for another parent; the base has none.
    virtual CLCGIRValidItem* CopyFor(CLCGIRContainer* /*pParent*/) const { return nullptr; }

    // Readers of the element under the check definition's cursor; a missing
    // attribute reads as "". The checked readers log szFault and throw.
    static std::string ReadAttribute(const char* szName);
    static std::string ReadItemId(const char* szName, const char* szFault);
    // An attribute split at every space; an empty word is a fault.
    static std::vector<std::string> ReadWords(const char* szName, const char* szFault);
    // A CSV column number 1 to 6.
    static long ReadColumn(const char* szName);
    // "messageId" by its code; HE60009E when empty or unknown.
    static CLCCbCMessage_t ReadMessage();

    // The settings of a "contain" row, read from the cursor: the words
    // ("value"), the item id, the column and the message.
    struct SContain {
        SContain();
        // The node's value in the column is one of the words.
        bool Holds(const CLCGIRContainer* pNode) const;

        std::vector<std::string> vecWords;
        std::string strItemId;
        long lColumn;
        CLCCbCMessage_t message;
    };

    // Judges nodes in order: each one fnFails names makes the result the
    // message and gets its row (column lColumn) unless the check is outer,
    // which stops at the first.
    template <typename FnFails>
    static CLCCbCMessage_t JudgeNodes(const std::vector<CLCGIRContainer*>& vecNodes, long lColumn,
                                      CLCCbCMessage_t message, bool bOuter, FnFails fnFails)
    {
        CLCCbCMessage_t result = CBC_MSG_NONE;
        for (const CLCGIRContainer* pNode : vecNodes) {
            if (!fnFails(pNode))
                continue;
            result = message;
            if (bOuter)
                break;
            SetResult(pNode, message, lColumn);
        }
        return result;
    }

    // Runs a judgement; anything it throws is logged for the kind and answers HE60000E.
    template <typename Fn>
    static CLCCbCMessage_t Guarded(const char* szFile, const char* szFunction, Fn fnJudge)
    {
        try {
            return fnJudge();
        } catch (...) {
            return LogUnexpected(szFile, szFunction);
        }
    }

private:
    static CLCCbCMessage_t LogUnexpected(const char* szFile, const char* szFunction);

    std::vector<std::unique_ptr<CLCGIRValidItem>> m_vecOuterItems;
};
