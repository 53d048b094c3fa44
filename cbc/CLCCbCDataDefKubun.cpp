#include "cbc/CLCCbCDataDefKubun.h"

std::string CLCCbCDataDefKubun::WriteNode(CLCCbCAppendixTable* pSection, long lRecord, bool* pOk,
                                          Pattern pPattern)
{
    try {
        if (pSection == nullptr || pOk == nullptr)
            return FailWrite("CLCCbCDataDefKubun::WriteNode", pOk);
        if (m_lRepeat != 0 && m_lCounter == m_lRepeat)
            return std::string();
        ++m_lCounter;
        const std::string strChildren = WriteChildren(pSection, lRecord, pOk, pPattern);
        if (!*pOk)
            return std::string();
        // Under a pattern the three section flags say which report this is,
        // whatever else the record is filed under.
        std::string strValue;
        if (pPattern != nullptr && m_lColumn >= 0 && m_lColumn <= 2)
            strValue = pPattern[m_lColumn];
        else
            strValue = MakeNodeValue(pSection, lRecord, pOk);
        if (!*pOk)
            return std::string();
        if (strValue.empty() && strChildren.empty())
            return std::string();
        return Concat({"<", m_strId, "><kubun_CD>", strValue, strChildren, "</kubun_CD></", m_strId, ">"});
    } catch (...) {
        return FailWrite("CLCCbCDataDefKubun::WriteNode", pOk);
    }
}
