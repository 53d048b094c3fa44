#import "CLIBindingConvert.h"
#import "CLICsvConvResultCbC.h"

#include "api/macos/CLCBindingCall.h"

namespace {

// The properties each operation copies, in order, and its Shift_JIS argument.
struct SCopyRow {
    CLIBindingOperation eOp;
    int nShiftJisArg;   // -1: none
    CLIBindingField aFields[5];
};

constexpr CLIBindingField kNone = CLIFieldNone;

// The CbC report rows copy data properties their operation does not write;
// from a new API object those are empty texts.
#define CLI_CBC_ROW(op)                                                                                   \
    {op, -1, {CLIFieldResult, CLIFieldDetailErrorInfo, CLIFieldAppendixTableData, CLIFieldCbCReportData, \
              CLIFieldXMLData}}
#define CLI_GIR_ROW(op, data)                                                                             \
    {op, -1, {CLIFieldResult, CLIFieldDetailErrorInfoCount, CLIFieldDetailErrorInfoList,                 \
              CLIFieldErrorFileName, data}}

constexpr SCopyRow kCopyRows[] = {
    CLI_CBC_ROW(CLIOpAppendixTableCsvCheck),
    CLI_CBC_ROW(CLIOpReportIntegrityCheck),
    CLI_CBC_ROW(CLIOpCsvConvAppendixTableData),
    CLI_CBC_ROW(CLIOpCbCReportCsvCheck),
    CLI_CBC_ROW(CLIOpCbCReportIntegrityCheck),
    CLI_CBC_ROW(CLIOpCsvConvCbCReportData),
    CLI_CBC_ROW(CLIOpReadXMLFile),
    CLI_CBC_ROW(CLIOpCbCReportCsvCheck2),
    CLI_CBC_ROW(CLIOpCbCReportIntegrityCheck2),
    CLI_CBC_ROW(CLIOpCsvConvCbCReportData2),
    CLI_GIR_ROW(CLIOpGIRCsvCheck, CLIFieldGIRData),
    CLI_GIR_ROW(CLIOpCsvConvGIRData, CLIFieldGIRData),
    {CLIOpGIRAppendixTableCsvCheck, -1,
     {CLIFieldResult, CLIFieldDetailErrorInfo, CLIFieldGIRAppendixTableData, CLIFieldXMLData, kNone}},
    {CLIOpCsvConvGIRAppendixTableData, -1,
     {CLIFieldResult, CLIFieldDetailErrorInfo, CLIFieldGIRAppendixTableData, CLIFieldXMLData, kNone}},
    {CLIOpGetFolderPath, -1, {CLIFieldResult, CLIFieldDetailErrorInfo, CLIFieldFolderPath, CLIFieldFileName, kNone}},
    {CLIOpReadCSVFile, -1, {CLIFieldResult, CLIFieldDetailErrorInfo, CLIFieldCsvData, CLIFieldCsvDataSize, kNone}},
    {CLIOpCbCCsvWrite, 1, {CLIFieldResult, CLIFieldDetailErrorInfo, kNone, kNone, kNone}},
    CLI_GIR_ROW(CLIOpGIRFolderCheck, CLIFieldFileName),
    {CLIOpReadFile, -1, {CLIFieldResult, CLIFieldDetailErrorInfo, CLIFieldBase64Data, kNone, kNone}},
};
#undef CLI_CBC_ROW
#undef CLI_GIR_ROW
static_assert(RowPerOperation(kCopyRows), "row i is operation i + 1");

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

void SetText(CLICsvConvResultCbC *result, CLIBindingField eField, NSString *text)
{
    switch (eField) {
    case CLIFieldResult: [result setResult:text]; break;
    case CLIFieldDetailErrorInfo: [result setDetailErrorInfo:text]; break;
    case CLIFieldAppendixTableData: [result setAppendixTableData:text]; break;
    case CLIFieldCbCReportData: [result setCbCReportData:text]; break;
    case CLIFieldXMLData: [result setXMLData:text]; break;
    case CLIFieldGIRAppendixTableData: [result setGIRAppendixTableData:text]; break;
    case CLIFieldFolderPath: [result setFolderPath:text]; break;
    case CLIFieldFileName: [result setFileName:text]; break;
    case CLIFieldCsvData: [result setCsvData:text]; break;
    case CLIFieldCsvDataSize: [result setCsvDataSize:text]; break;
    case CLIFieldGIRData: [result setGIRData:text]; break;
    case CLIFieldBase64Data: [result setBase64Data:text]; break;
    case CLIFieldDetailErrorInfoCount: [result setDetailErrorInfoCount:text]; break;
    default: break;
    }
}

// A text that is not valid UTF-8 cannot be added: addObject: raises.
void SetList(CLICsvConvResultCbC *result, CLIBindingField eField, const CLCBindingCall &call)
{
    NSMutableArray *list = [NSMutableArray array];
    for (size_t i = 0; i < call.ListSize(eField); ++i) {
        NSString *entry = NewText(call.ListEntry(eField, i));
        [list addObject:entry];
        [entry release];
    }
    if (eField == CLIFieldDetailErrorInfoList)
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
    if (eOp < 1 || eOp > CLIOpLast || nArgs > CLIBindingMaxArgs)
        return;
    const SCopyRow &row = kCopyRows[eOp - 1];
    const char *aArgs[CLIBindingMaxArgs] = {};
    for (unsigned i = 0; i < nArgs; ++i)
        aArgs[i] = [pArgs[i] cStringUsingEncoding:NSUTF8StringEncoding];
    if (row.nShiftJisArg >= 0)
        aArgs[row.nShiftJisArg] = pCall->ToCp932(aArgs[row.nShiftJisArg]);
    if (!pCall->Run(eOp, aArgs, limitSize))
        return;

    for (CLIBindingField eField : row.aFields) {
        if (eField == CLIFieldNone)
            break;
        if (eField == CLIFieldDetailErrorInfoList || eField == CLIFieldErrorFileName) {
            SetList(result, eField, *pCall);
            continue;
        }
        NSString *text = NewText(pCall->Text(eField));
        SetText(result, eField, text);
        [text release];
    }
}
