#import "CLICsvConvDataCbC.h"
#import "CLIBindingConvert.h"

// Every method: hold the arguments, make the API object, then the result, run
// the operation and copy its row, delete the API object and hand the result
// back autoreleased. This is the one Objective-C handler of the binding; the
// C++ layer below has caught every C++ exception already.
static CLICsvConvResultCbC *Invoke(CLIBindingOperation eOp, NSString *const *pArgs, unsigned nArgs,
                                   long limitSize)
{
    unsigned i;
    struct CLCBindingCall *pCall = NULL;
    CLICsvConvResultCbC *result = nil;

    for (i = 0; i < nArgs; ++i)
        [pArgs[i] retain];
    @try {
        pCall = CLIBindingOpen();
        if (pCall != NULL) {
            result = [[CLICsvConvResultCbC alloc] init];
            CLIBindingRun(pCall, eOp, pArgs, nArgs, limitSize, result);
        }
    } @catch (id exception) {
        // Dropped: the host gets the result as far as it was filled.
    }
    CLIBindingClose(pCall);
    for (i = 0; i < nArgs; ++i)
        [pArgs[i] release];
    return [result autorelease];
}

// The whole body of a method: its text arguments in the selector's order.
#define CLI_INVOKE_LIMIT(op, limit, ...)                                                            \
    NSString *aArgs[] = {__VA_ARGS__};                                                              \
    return Invoke(op, aArgs, sizeof(aArgs) / sizeof(aArgs[0]), limit)
#define CLI_INVOKE(op, ...) CLI_INVOKE_LIMIT(op, 0, __VA_ARGS__)

@implementation CLICsvConvDataCbC

- (CLICsvConvResultCbC *)AppendixTableCsvCheck:(NSString *)csvPath
{
    CLI_INVOKE(CLIOpAppendixTableCsvCheck, csvPath);
}

- (CLICsvConvResultCbC *)ReportIntegrityCheck:(NSString *)csvPath
                                     todokede:(NSString *)todokede
                                          cbc:(NSString *)cbc
                                           mf:(NSString *)mf
                              todokedeHojinNo:(NSString *)todokedeHojinNo
                                   cbCHojinNo:(NSString *)cbCHojinNo
                                    mfHojinNo:(NSString *)mfHojinNo
{
    CLI_INVOKE(CLIOpReportIntegrityCheck, csvPath, todokede, cbc, mf, todokedeHojinNo, cbCHojinNo, mfHojinNo);
}

- (CLICsvConvResultCbC *)CsvConvAppendixTableData:(NSString *)csvPath
                                         softName:(NSString *)softName
                                      sakuseiName:(NSString *)sakuseiName
                                   outputPathName:(NSString *)outputPathName
{
    CLI_INVOKE(CLIOpCsvConvAppendixTableData, csvPath, softName, sakuseiName, outputPathName);
}

- (CLICsvConvResultCbC *)CbCReportCsvCheck:(NSString *)csvPath
{
    CLI_INVOKE(CLIOpCbCReportCsvCheck, csvPath);
}

- (CLICsvConvResultCbC *)CbCReportIntegrityCheck:(NSString *)csvPath hojinNo:(NSString *)hojinNo
{
    CLI_INVOKE(CLIOpCbCReportIntegrityCheck, csvPath, hojinNo);
}

- (CLICsvConvResultCbC *)CsvConvCbCReportData:(NSString *)csvPath outputPathName:(NSString *)outputPathName
{
    CLI_INVOKE(CLIOpCsvConvCbCReportData, csvPath, outputPathName);
}

- (CLICsvConvResultCbC *)ReadXMLFile:(NSString *)xmlPath limitSize:(long)limitSize
{
    CLI_INVOKE_LIMIT(CLIOpReadXMLFile, limitSize, xmlPath);
}

- (CLICsvConvResultCbC *)CbCReportCsvCheck2:(NSString *)csvPath
{
    CLI_INVOKE(CLIOpCbCReportCsvCheck2, csvPath);
}

- (CLICsvConvResultCbC *)CbCReportIntegrityCheck2:(NSString *)csvPath hojinNo:(NSString *)hojinNo
{
    CLI_INVOKE(CLIOpCbCReportIntegrityCheck2, csvPath, hojinNo);
}

- (CLICsvConvResultCbC *)CsvConvCbCReportData2:(NSString *)csvPath outputPathName:(NSString *)outputPathName
{
    CLI_INVOKE(CLIOpCsvConvCbCReportData2, csvPath, outputPathName);
}

- (CLICsvConvResultCbC *)GIRCsvCheck:(NSString *)csvFolderPath hojinNo:(NSString *)hojinNo
{
    CLI_INVOKE(CLIOpGIRCsvCheck, csvFolderPath, hojinNo);
}

- (CLICsvConvResultCbC *)CsvConvGIRData:(NSString *)csvFolderPath outputPathName:(NSString *)outputPathName
{
    CLI_INVOKE(CLIOpCsvConvGIRData, csvFolderPath, outputPathName);
}

- (CLICsvConvResultCbC *)GIRAppendixTableCsvCheck:(NSString *)csvPath
                                        teikyouNo:(NSString *)teikyouNo
                                          hojinNo:(NSString *)hojinNo
{
    CLI_INVOKE(CLIOpGIRAppendixTableCsvCheck, csvPath, teikyouNo, hojinNo);
}

- (CLICsvConvResultCbC *)CsvConvGIRAppendixTableData:(NSString *)csvPath
                                            softName:(NSString *)softName
                                         sakuseiName:(NSString *)sakuseiName
                                      outputPathName:(NSString *)outputPathName
{
    CLI_INVOKE(CLIOpCsvConvGIRAppendixTableData, csvPath, softName, sakuseiName, outputPathName);
}

- (CLICsvConvResultCbC *)GetFolderPath:(NSString *)initialFolder
{
    CLI_INVOKE(CLIOpGetFolderPath, initialFolder);
}

- (CLICsvConvResultCbC *)ReadCSVFile:(NSString *)csvPath
{
    CLI_INVOKE(CLIOpReadCSVFile, csvPath);
}

- (CLICsvConvResultCbC *)CbCCsvWrite:(NSString *)csvPath writeData:(NSString *)writeData
{
    CLI_INVOKE(CLIOpCbCCsvWrite, csvPath, writeData);
}

- (CLICsvConvResultCbC *)GIRFolderCheck:(NSString *)csvFolderPath
{
    CLI_INVOKE(CLIOpGIRFolderCheck, csvFolderPath);
}

- (CLICsvConvResultCbC *)ReadFile:(NSString *)filePath
{
    CLI_INVOKE(CLIOpReadFile, filePath);
}

@end
