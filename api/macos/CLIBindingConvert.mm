#import "CLIBindingConvert.h"
#import "CLICsvConvResultCbC.h"

#include "api/macos/CLCBindingCall.h"

namespace {

// A new string of a UTF-8 text: nil when the text is not valid UTF-8.
NSString *NewText(const char *szText)
{
    return [[NSString alloc] initWithCString:szText encoding:NSUTF8StringEncoding];
}

// The same for a whole text, zero bytes included (CSV data may hold them).
NSString *NewText(const std::string &strText)
{
    return [[NSString alloc] initWithBytes:strText.data() length:strText.size() encoding:NSUTF8StringEncoding];
}

// The setter of each text property, by property (the two lists come after them).
SEL TextSetter(apiops::EProperty eField)
{
    static const SEL kSetters[apiops::PropDetailErrorInfoList] = {
        @selector(setResult:), @selector(setDetailErrorInfo:), @selector(setAppendixTableData:),
        @selector(setCbCReportData:), @selector(setXMLData:), @selector(setGIRAppendixTableData:),
        @selector(setFolderPath:), @selector(setFileName:), @selector(setCsvData:), @selector(setCsvDataSize:),
        @selector(setGIRData:), @selector(setBase64Data:), @selector(setDetailErrorInfoCount:)};
    return kSetters[eField];
}

// A text that is not valid UTF-8 cannot be added: addObject: raises.
void SetList(CLICsvConvResultCbC *result, apiops::EProperty eField, const CLCBindingCall &call)
{
    NSMutableArray *list = [NSMutableArray array];
    for (size_t i = 0; i < call.ListSize(eField); ++i) {
        NSString *entry = NewText(call.ListEntry(eField, i));
        [list addObject:entry];
        [entry release];
    }
    if (eField == apiops::PropDetailErrorInfoList)
        [result setDetailErrorInfoList:list];
    else
        [result setErrorFileName:list];
}

} // namespace

struct CLCBindingCall *CLIBindingOpen(void)
{
    return CLCBindingCall::Open();
}

void CLIBindingClose(struct CLCBindingCall *pCall)
{
    CLCBindingCall::Close(pCall);
}

void CLIBindingRun(struct CLCBindingCall *pCall, CLIBindingOperation eOp, NSString *const *pArgs,
                   unsigned nArgs, long limitSize, CLICsvConvResultCbC *result)
{
    if (eOp < 1 || eOp > CLIOpLast || nArgs > apiops::kMaxArguments)
        return;
    const apiops::SOperation &op = apiops::kOperations[eOp - 1];
    const char *aArgs[apiops::kMaxArguments] = {};
    for (unsigned i = 0; i < nArgs; ++i) {
        aArgs[i] = [pArgs[i] cStringUsingEncoding:NSUTF8StringEncoding];
        if (op.aArgs[i].eKind == apiops::EArgKind::ShiftJisText)
            aArgs[i] = pCall->ToCp932(aArgs[i]);
    }
    if (!pCall->Run(eOp, aArgs, limitSize))
        return;

    for (apiops::EProperty eField : op.aProperties) {
        if (eField == apiops::PropNone)
            break;
        if (eField == apiops::PropDetailErrorInfoList || eField == apiops::PropErrorFileName) {
            SetList(result, eField, *pCall);
            continue;
        }
        NSString *text = NewText(pCall->Text(eField));
        [result performSelector:TextSetter(eField) withObject:text];
        [text release];
    }
}
