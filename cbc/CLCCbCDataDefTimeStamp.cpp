#include "cbc/CLCCbCDataDefTimeStamp.h"
#include "foundation/CLCCbCCommon.h"

std::string CLCCbCDataDefTimeStamp::WriteNode2(CLCCbCCbCReport* pSection, long lRecord, bool* pOk)
{
    try {
        if (pSection == nullptr || pOk == nullptr)
            return FailWrite("CLCCbCDataDefTimeStamp::WriteNode2", pOk);
        const std::string strChildren = WriteChildren2(pSection, lRecord, pOk);
        if (!*pOk)
            return std::string();
        // Date and time from one reading: never a date of one day with the
        // time of the next.
        std::string strDate;
        std::string strTime;
        CLCCbCCommon::NowParts("yyyy'-'MM'-'dd", "'T'HH':'mm':'ss", strDate, strTime);
        const std::string strName = "cbc:" + m_strId;
        return Concat({"<", strName, ">", strDate, strTime, strChildren, "</", strName, ">"});
    } catch (...) {
        return FailWrite("CLCCbCDataDefTimeStamp::WriteNode2", pOk);
    }
}
