#include "gir/CLCGIRValidIntegrity.h"

#include "foundation/CLCCbCMessage.h"
#include "gir/CLCGIRCheckSection.h"
#include "gir/CLCGIRContainer.h"
#include "gir/CLCGIRDataManager.h"
#include "gir/CLCGIRValidItem.h"

#include <string>

namespace {
// A GIR message reference id: "JP", the year (4), the corporate number (13), a
// serial number.
constexpr size_t kNumberFirst = 6;
constexpr size_t kNumberChars = 13;
constexpr long kValueColumn = 2;
} // namespace

CLCCbCMessage_t CLCGIRValidIntegrity::Validate(const char* szHojinNo, const char* szItemId, CLCGIRDataManager* pData)
{
    static constexpr const char* kFunction = "CLCGIRValidIntegrity::Validate";
    try {
        if (szItemId == nullptr || pData == nullptr) {
            CLCGIRCheckSection::Fatal(kFunction, kUnexpectedError);
            return HE60000E;
        }
        if (szHojinNo == nullptr || *szHojinNo == '\0')
            return CBC_MSG_NONE;
        const std::string strNumber = CLCGIRValidItem::SubChars(szHojinNo, 0, kNumberChars);
        CLCCbCMessage_t result = CBC_MSG_NONE;
        for (const CLCGIRContainer* pContainer : pData->FindCheckList(szItemId)) {
            const std::string& strValue = pContainer->GetElementValue();
            if (CLCGIRValidItem::CountChars(strValue) >= kNumberFirst + kNumberChars &&
                CLCGIRValidItem::SubChars(strValue, kNumberFirst, kNumberChars) == strNumber)
                continue;
            CLCGIRValidItem::SetResult(pContainer, HE60009E, kValueColumn);
            result = HE60009E;
        }
        return result;
    } catch (...) {
        CLCGIRCheckSection::Fatal(kFunction, kUnexpectedError);
        return HE60000E;
    }
}
