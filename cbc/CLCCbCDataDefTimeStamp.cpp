#include "cbc/CLCCbCDataDefTimeStamp.h"
#include "foundation/CLCCbCCommon.h"

void CLCCbCDataDefTimeStamp::AppendNode2(CLCCbCCbCReport* pSection, long lRecord, bool* pOk, std::string& strOut)
{
    const size_t nMark = strOut.size();
    try {
        if (pSection == nullptr || pOk == nullptr) {
            FailWrite("CLCCbCDataDefTimeStamp::WriteNode2", pOk);
            return;
        }
        WriteChildren2(pSection, lRecord, pOk, strOut);
        if (!*pOk)
            return;
        // Date and time from one reading: never a date of one day with the
        // time of the next.
        std::string strDate;
        std::string strTime;
        CLCCbCCommon::NowParts("yyyy'-'MM'-'dd", "'T'HH':'mm':'ss", strDate, strTime);
        const size_t nValue = strOut.size();
        strOut.append(strDate).append(strTime);
        WrapElement(strOut, nMark, nValue, Concat({"<cbc:", m_strId, ">"}), Concat({"</cbc:", m_strId, ">"}));
    } catch (...) {
        strOut.resize(nMark);
        FailWrite("CLCCbCDataDefTimeStamp::WriteNode2", pOk);
    }
}
