#include "gir/CLCGIRXmlDataTypeTag.h"

#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "gir/CLCGIRContainer.h"
#include "gir/CLCGIRXmlDataTypeNormal.h"

#include <stdexcept>

std::string CLCGIRXmlDataTypeTag::WriteNode(CLCGIRContainer* pContainer)
{
    try {
        const std::string strHead = "<" + pContainer->GetConfNameSpace() + ":" + pContainer->GetElementName();
        const std::string& strName = pContainer->GetConfAttr();
        if (strName.empty())
            return strHead + ">";
        if (pContainer->GetConfAttrValueColumn().empty() == pContainer->GetConfAttrValue().empty())
            throw std::invalid_argument("attribute needs a column or a fixed value");
        bool bOk = false;
        const std::string strValue = CLCGIRXmlDataTypeNormal::GetAtterValue(pContainer, 1, bOk);
        if (!bOk)
            return std::string();
        return strHead + " " + strName + "=\"" + strValue + "\">";
    } catch (...) {
        CLC_LOG("CLCGIRXmlDataTypeTag::WriteNode", kUnexpectedError);
        CLCValidResultGIR::instance()->SetFatalError();
        return std::string();
    }
}
