#include "cbc/CLCCbCDataDefBango.h"

std::string CLCCbCDataDefBango::WriteNode(CLCCbCAppendixTable* pSection, long lRecord, bool* pOk,
                                          Pattern pPattern)
{
    try {
        if (pSection == nullptr || pOk == nullptr)
            return FailWrite("CLCCbCDataDefBango::WriteNode", pOk);
        const std::string strChildren = WriteChildren(pSection, lRecord, pOk, pPattern);
        if (!*pOk)
            return std::string();
        const std::string strValue = MakeNodeValue(pSection, lRecord, pOk);
        if (!*pOk)
            return std::string();
        if (strValue.empty() && strChildren.empty())
            return std::string();
        return Concat(
            {"<", m_strId, "><gen:hojinbango>", strValue, strChildren, "</gen:hojinbango></", m_strId, ">"});
    } catch (...) {
        return FailWrite("CLCCbCDataDefBango::WriteNode", pOk);
    }
}
