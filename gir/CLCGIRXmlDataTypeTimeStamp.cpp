#include "gir/CLCGIRXmlDataTypeTimeStamp.h"

#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "gir/CLCGIRContainer.h"

#include <stdexcept>

std::string CLCGIRXmlDataTypeTimeStamp::WriteNode(CLCGIRContainer* pContainer)
{
    try {
        std::string strDate;
        std::string strTime;
        CLCCbCCommon::NowParts("yyyy'-'MM'-'dd", "'T'HH':'mm':'ss", strDate, strTime);
        if (strDate.empty() || strTime.empty())
            throw std::runtime_error("no time stamp");
        return "<" + pContainer->GetConfNameSpace() + ":" + pContainer->GetElementName() + ">" + strDate + strTime;
    } catch (...) {
        CLC_LOG("CLCGIRXmlDataTypeTimeStamp::WriteNode", kUnexpectedError);
        CLCValidResultGIR::instance()->SetFatalError();
        return std::string();
    }
}
