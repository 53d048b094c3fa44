#include "gir/CLCGIRXmlDataTypeRoot.h"

#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "gir/CLCGIRContainer.h"
#include "gir/CLCGIRXmlDataTypeNormal.h"

namespace {
constexpr const char* kNamespaces = " xmlns:globe=\"urn:oecd:ties:globe:v2\" xmlns:stf=\"urn:oecd:ties:globestf:v5\""
                                    " xmlns:iso=\"urn:oecd:ties:isoglobetypes:v1\">";
} // namespace

std::string CLCGIRXmlDataTypeRoot::WriteNode(CLCGIRContainer* pContainer)
{
    try {
        bool bOk = false;
        const std::string strValue = CLCGIRXmlDataTypeNormal::GetAtterValue(pContainer, 1, bOk);
        if (!bOk)
            return std::string();
        return "<" + pContainer->GetConfNameSpace() + ":" + pContainer->GetElementName() + " " +
               pContainer->GetConfAttr() + "=\"" + strValue + "\"" + kNamespaces;
    } catch (...) {
        CLC_LOG("CLCGIRXmlDataTypeRoot::WriteNode", kUnexpectedError);
        CLCValidResultGIR::instance()->SetFatalError();
        return std::string();
    }
}
