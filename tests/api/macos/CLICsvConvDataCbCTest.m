// The Objective-C binding from a host's side: every selector, sent by name, on
// the shipped examples and on broken copies, with the properties each fills and
// those it leaves nil; faults in the core, objects that are no strings, code
// page 932 writes and the GIR rows. Prints "N passed, N failed".
#import "Tesvant.h"
#import "BindingTestSupport.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static unsigned g_nPassed, g_nFailed;
static char g_szTest[160];

static void Check(BOOL bOk, const char *szWhat, NSString *detail, int nLine)
{
    bOk ? ++g_nPassed : ++g_nFailed;
    if (!bOk)
        printf("FAILED %s (line %d): %s%s\n", g_szTest, nLine, szWhat, detail ? [detail UTF8String] : "");
}

// nil equals only NULL; "~text": holds text.
static void CheckText(const char *szName, NSString *text, const char *szExpected, int nLine)
{
    NSString *expected = szExpected ? [NSString stringWithUTF8String:szExpected + (szExpected[0] == '~')] : nil;
    const BOOL bOk = szExpected == NULL ? text == nil
                     : szExpected[0] == '~' ? [text rangeOfString:expected].length > 0 : [text isEqual:expected];
    Check(bOk, szName, [NSString stringWithFormat:@" is \"%@\", not \"%s\"", text, szExpected], nLine);
}

#define CHECK(cond) Check((cond) ? YES : NO, #cond, nil, __LINE__)
#define CHECK_TEXT(text, expected) CheckText(#text, text, expected, __LINE__)

// The fifteen properties in their order, and the copy rows.
static const char *const kProperties[] = {
    "Result", "DetailErrorInfo", "AppendixTableData", "CbCReportData", "XMLData", "GIRAppendixTableData",
    "FolderPath", "FileName", "CsvData", "CsvDataSize", "GIRData", "Base64Data", "DetailErrorInfoCount",
    "DetailErrorInfoList", "ErrorFileName"};
enum { pResult, pDetail, pAppendix, pCbC, pXML, pGIRAppendix, pFolder, pFileName, pCsv, pCsvSize, pGIRData,
       pBase64, pCount, pList, pErrFile, pNone = -1 };
#define BIT(p) (1u << (p))
enum { kCommon = BIT(pResult) | BIT(pDetail), kCbC = kCommon | BIT(pAppendix) | BIT(pCbC) | BIT(pXML),
       kApx = kCommon | BIT(pGIRAppendix) | BIT(pXML), kFolder = kCommon | BIT(pFolder) | BIT(pFileName),
       kCsv = kCommon | BIT(pCsv) | BIT(pCsvSize), kB64 = kCommon | BIT(pBase64),
       kGIR = BIT(pResult) | BIT(pCount) | BIT(pList) | BIT(pErrFile) };

static id PropertyAt(CLICsvConvResultCbC *result, int nIndex)
{
    return [result performSelector:NSSelectorFromString([NSString stringWithUTF8String:kProperties[nIndex]])];
}

typedef struct {
    const char *szSelector;
    const char *aArgs[7];   // "$name": that file in the test's folder; NULL: nil; limitSize as text
    const char *szResult, *szDetail;
    unsigned nRow;          // the properties the method fills; the others stay nil
    int nData;              // the one holding szData; the rest of the row is ""
    const char *szData;
} SCase;

#define HOJIN "4010001234567"
#define OTHER "6012001987654"
#define RIC "ReportIntegrityCheck:todokede:cbc:mf:todokedeHojinNo:cbCHojinNo:mfHojinNo:"
#define CONV120 "CsvConvAppendixTableData:softName:sakuseiName:outputPathName:"
#define CHECK540 "GIRAppendixTableCsvCheck:teikyouNo:hojinNo:"
#define CONV540 "CsvConvGIRAppendixTableData:softName:sakuseiName:outputPathName:"

static const SCase kCases[] = {
    {"AppendixTableCsvCheck:", {"$aia120.csv"}, "S_OK", "", kCbC, pAppendix, ""},
    {"AppendixTableCsvCheck:", {"$aia120_digit.csv"}, "E_FAIL", "0002-00009-HE60009E", kCbC, pAppendix, ""},
    {RIC, {"$aia120.csv", "1", "1", "1", "", "", ""}, "S_OK", "", kCbC, pAppendix, ""},
    {RIC, {"", "3", "1", "1", "123", "", ""}, "E_FAIL", "9999-00001-HE60001E,9999-00002-HE60009E,9999-00005-HE60007E",
     kCbC, pAppendix, ""},
    {CONV120, {"$aia120.csv", "Tesvant", "山田　太郎", "$out.xml"}, "S_OK", "", kCbC, pAppendix, "~山田　太郎"},
    {CONV120, {"$aia120.csv", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", "山田", ""}, "E_FAIL", "9999-00002-HE60010E", kCbC,
     pAppendix, ""},
    {"CbCReportCsvCheck:", {"$cbc1.csv"}, "S_OK", "", kCbC, pCbC, ""},
    {"CbCReportCsvCheck:", {"$cbc1_field.csv"}, "E_FAIL", "0004-00009-HE60011E", kCbC, pCbC, ""},
    {"CbCReportIntegrityCheck:hojinNo:", {"$cbc1.csv", HOJIN}, "S_OK", "", kCbC, pCbC, ""},
    {"CbCReportIntegrityCheck:hojinNo:", {"$cbc1.csv", OTHER}, "E_FAIL", "0001-00005-HE60009E", kCbC, pCbC, ""},
    {"CsvConvCbCReportData:outputPathName:", {"$cbc1.csv", "$out.xml"}, "S_OK", "", kCbC, pCbC, "~<cbc:CBC_OECD"},
    {"CsvConvCbCReportData:outputPathName:", {"$cbc1.csv", "$no/out.xml"}, "E_FAIL", "9999-00002-HE60019E", kCbC,
     pCbC, ""},
    {"ReadXMLFile:limitSize:", {"$in.xml", "-1"}, "S_OK", "", kCbC, pXML, "<?xml version=\"1.0\"?>\n<a>x</a>\n"},
    {"ReadXMLFile:limitSize:", {"$jp.xml", "-1"}, "E_FAIL", "0000-00000-HE60011E", kCbC, pXML, ""},
    {"ReadXMLFile:limitSize:", {"$in.xml", "1"}, "E_FAIL", "0000-00000-HE60035E", kCbC, pXML, ""},
    {"CbCReportCsvCheck2:", {"$cbc2.csv"}, "S_OK", "", kCbC, pCbC, ""},
    {"CbCReportCsvCheck2:", {"$cbc2_year.csv"}, "E_FAIL", "0001-00007-HE60036E", kCbC, pCbC, ""},
    {"CbCReportIntegrityCheck2:hojinNo:", {"$cbc2.csv", HOJIN}, "S_OK", "", kCbC, pCbC, ""},
    {"CbCReportIntegrityCheck2:hojinNo:", {"$cbc2.csv", OTHER}, "E_FAIL", "0001-00005-HE60009E", kCbC, pCbC, ""},
    {"CsvConvCbCReportData2:outputPathName:", {"$cbc2.csv", ""}, "S_OK", "", kCbC, pCbC, "~<cbc:CBC_OECD"},
    {"CsvConvCbCReportData2:outputPathName:", {NULL, ""}, "E_FAIL", "9999-00001-HE60001E", kCbC, pCbC, ""},
    {CHECK540, {"$aia540.csv", "1", ""}, "S_OK", "", kApx, pGIRAppendix, ""},
    {CHECK540, {"$aia540.csv", "2", ""}, "E_FAIL", "0001-00001-HE60017E,0002-00001-HE60017E,0003-00001-HE60017E",
     kApx, pGIRAppendix, ""},
    {CONV540, {"$aia540.csv", "Tesvant", "山田", "$out.xml"}, "S_OK", "", kApx, pGIRAppendix, "~さくら精密工業株式会社"},
    {CONV540, {"$aia540.csv", "Tesvant", "山田", "$no/out.xml"}, "E_FAIL", "9999-00004-HE60019E", kApx,
     pGIRAppendix, ""},
    {"GetFolderPath:", {"$選択"}, "S_OK", "", kFolder, pFileName, "a.txt/帳票.csv"},
    {"GetFolderPath:", {""}, "S_FALSE", "", kFolder, pFileName, ""},
    {"GetFolderPath:", {"!"}, "E_FAIL", "0000-00000-HE60041E", kFolder, pFileName, ""},
    {"ReadCSVFile:", {"$in.csv"}, "S_OK", "", kCsv, pCsv, "山田,a&amp;b\r\n"},
    {"ReadCSVFile:", {"$missing.csv"}, "E_FAIL", "9999-00001-HE60004E", kCsv, pCsv, ""},
    // Characters only code page 932 has; then text without a Shift_JIS form, which leaves the file alone.
    {"CbCCsvWrite:writeData:", {"$w.csv", "①,㈱,～\r\n"}, "S_OK", "", kCommon, pNone, NULL},
    {"CbCCsvWrite:writeData:", {"$keep.csv", "Ω😀"}, "E_FAIL", "0000-00000-HE60000E", kCommon, pNone, NULL},
    {"CbCCsvWrite:writeData:", {"$keep.csv", NULL}, "E_FAIL", "0000-00000-HE60000E", kCommon, pNone, NULL},
    {"CbCCsvWrite:writeData:", {"$no/w.csv", "x"}, "E_FAIL", "0000-00000-HE60040E", kCommon, pNone, NULL},
    {"ReadFile:", {"$any.bin"}, "S_OK", "", kB64, pBase64, "YWJj"},
    {"ReadFile:", {"$missing.bin"}, "E_FAIL", "9999-00001-HE60004E", kB64, pBase64, ""},
};
enum { kCaseCount = sizeof(kCases) / sizeof(kCases[0]) };

static void WriteFixtures(void)
{
    TestExample("appendix_aia120.csv", NULL, NULL, "aia120.csv");
    TestExample("appendix_aia120.csv", OTHER, "5012001987654", "aia120_digit.csv");
    TestExample("cbc_report_v1.csv", NULL, NULL, "cbc1.csv");
    TestExample("cbc_report_v1.csv", "-12000000", "-12x00000", "cbc1_field.csv");
    TestExample("cbc_report_v2.csv", NULL, NULL, "cbc2.csv");
    TestExample("cbc_report_v2.csv", "2024-03-31", "2023-03-31", "cbc2_year.csv");
    TestExample("appendix_aia540.csv", NULL, NULL, "aia540.csv");
    TestWrite("in.xml", "\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<a>x</a>\n");
    TestWrite("jp.xml", "<a>山田</a>");   // XML read back holds character references only
    TestWrite("in.csv", "\x8E\x52\x93\x63,a&b\r\n");   // 山田,a&b in Shift_JIS
    TestWrite("any.bin", "abc");
    TestWrite("keep.csv", "old");
    TestWrite("選択/帳票.csv", "a");
    TestWrite("選択/a.txt", "a");
}

static NSString *Arg(const char *szArg)
{
    if (szArg == NULL)
        return nil;
    return szArg[0] == '$' ? TestPath(szArg + 1) : [NSString stringWithUTF8String:szArg];
}

// Sends the case's selector by name, as a host bound to the names would.
static CLICsvConvResultCbC *Send(CLICsvConvDataCbC *binding, const SCase *c)
{
    SEL sel = NSSelectorFromString([NSString stringWithUTF8String:c->szSelector]);
    NSMethodSignature *sig = [binding methodSignatureForSelector:sel];
    NSInvocation *call = [NSInvocation invocationWithMethodSignature:sig];
    [call setSelector:sel];
    for (unsigned i = 2; i < [sig numberOfArguments]; ++i) {
        NSString *arg = Arg(c->aArgs[i - 2]);
        long limitSize = c->aArgs[i - 2] ? atol(c->aArgs[i - 2]) : 0;
        [call setArgument:(strchr([sig getArgumentTypeAtIndex:i], '@') ? (void *)&arg : &limitSize) atIndex:i];
    }
    [call invokeWithTarget:binding];
    CLICsvConvResultCbC *result = nil;
    [call getReturnValue:&result];
    return result;
}

// Result and DetailErrorInfo as given, the data (when bData), "" for the rest of
// the row, nil outside it; what a conversion writes is what it hands back.
static void CheckRow(CLICsvConvResultCbC *r, const SCase *c, const char *szResult, const char *szDetail, BOOL bData)
{
    CHECK_TEXT(r.Result, szResult);
    CHECK_TEXT(r.DetailErrorInfo, szDetail);
    for (int i = pAppendix; i <= pErrFile; ++i) {
        id value = PropertyAt(r, i);
        if (i == pCsvSize && [r.CsvData length] > 0)
            CHECK([value longLongValue] == (long long)strlen([r.CsvData UTF8String]));
        else if (i == pFolder && [value length] > 0)
            CHECK([value isEqual:Arg(c->aArgs[0])]);
        else
            CheckText(kProperties[i], value, !(c->nRow & BIT(i)) ? NULL : bData && i == c->nData ? c->szData : "",
                      __LINE__);
    }
    for (unsigned i = 0; bData && i < 7; ++i) {
        if (c->aArgs[i] && strcmp(c->aArgs[i], "$out.xml") == 0)
            CHECK([PropertyAt(r, c->nData) isEqual:[NSString stringWithContentsOfFile:TestPath("out.xml")]]);
    }
}

// Then with the core throwing inside every operation: the API's E_FAIL passes
// through, the row as a new API object left it.
static void EveryMethodFillsItsRowExactly(void)
{
    CLICsvConvDataCbC *binding = [[[CLICsvConvDataCbC alloc] init] autorelease];
    TestChooseOfferedFolder();
    for (int nFault = 0; nFault < 2; ++nFault) {
        TestThrowInOperations(nFault);
        for (unsigned i = 0; i < kCaseCount; ++i) {
            snprintf(g_szTest, sizeof(g_szTest), "case %u%s, %s", i, nFault ? " throwing" : "", kCases[i].szSelector);
            const SCase *c = &kCases[i];
            CheckRow(Send(binding, c), c, nFault ? "E_FAIL" : c->szResult, nFault ? "" : c->szDetail, !nFault);
        }
        if (nFault == 0) {
            snprintf(g_szTest, sizeof(g_szTest), "files written");
            CHECK([[NSData dataWithContentsOfFile:TestPath("w.csv")]
                isEqual:[NSData dataWithBytes:"\x87\x40,\x87\x8A,\x81\x60\r\n" length:10]]);
            CHECK([[NSString stringWithContentsOfFile:TestPath("keep.csv")] isEqual:@"old"]);
        }
    }
}

// An NSNull where a string belongs raises while the arguments are converted:
// dropped, and the result is returned as far as it was filled (nothing yet).
static void ObjectThatIsNoStringIsDropped(void)
{
    CLICsvConvDataCbC *binding = [[[CLICsvConvDataCbC alloc] init] autorelease];
    CLICsvConvResultCbC *result = [binding ReadFile:(NSString *)[NSNull null]];
    for (int i = pResult; i <= pErrFile; ++i)
        CheckText(kProperties[i], PropertyAt(result, i), NULL, __LINE__);
    CHECK(result != nil && [[binding ReadFile:TestPath("any.bin")].Base64Data isEqual:@"YWJj"]);
}

static void TwoCallsGiveTwoResults(void)
{
    CLICsvConvDataCbC *binding = [[[CLICsvConvDataCbC alloc] init] autorelease];
    CLICsvConvResultCbC *first = [binding ReadCSVFile:TestPath("in.csv")];
    CLICsvConvResultCbC *second = [binding AppendixTableCsvCheck:TestPath("aia120.csv")];
    CHECK(first != second && [first.CsvDataSize isEqual:@"16"] && second.CsvData == nil);
    // Autoreleased once: the caller's pool held the only other reference.
    NSAutoreleasePool *pool = [[NSAutoreleasePool alloc] init];
    CLICsvConvResultCbC *kept = [[binding ReadFile:TestPath("any.bin")] retain];
    [pool release];
    CHECK([kept retainCount] == 1);
    [kept release];
}

// A zero byte in the file is handed over with the rest, as the C++ API does.
static void CsvDataKeepsTheBytesAfterAZero(void)
{
    static const char kBytes[] = "a,b\0c,d\r\n";
    [[NSData dataWithBytes:kBytes length:9] writeToFile:TestPath("zero.csv") atomically:NO];
    CLICsvConvResultCbC *r = [[[[CLICsvConvDataCbC alloc] init] autorelease] ReadCSVFile:TestPath("zero.csv")];
    NSString *expected = [[[NSString alloc] initWithBytes:kBytes length:9 encoding:NSUTF8StringEncoding] autorelease];
    CHECK([r.CsvData isEqual:expected] && [r.CsvDataSize isEqual:@"9"]);
}

// The copy equals the API's result, the count matches both lists, properties
// outside the row stay nil.
static void GIRRowsCopyTheApiResult(void)
{
    const SCase kGIRCases[] = {
        {"GIRCsvCheck:hojinNo:", {"$missing", HOJIN}, NULL, NULL, kGIR | BIT(pGIRData), pGIRData, NULL},
        {"CsvConvGIRData:outputPathName:", {"$missing", ""}, NULL, NULL, kGIR | BIT(pGIRData), pGIRData, NULL},
        {"GIRFolderCheck:", {"$missing"}, NULL, NULL, kGIR | BIT(pFileName), pFileName, NULL}};
    CLICsvConvDataCbC *binding = [[[CLICsvConvDataCbC alloc] init] autorelease];
    for (unsigned i = 0; i < 3; ++i) {
        const SCase *c = &kGIRCases[i];
        snprintf(g_szTest, sizeof(g_szTest), "%s", c->szSelector);
        NSDictionary *api = TestGIRThroughApi(c->szSelector, Arg(c->aArgs[0]), Arg(c->aArgs[1]));
        CLICsvConvResultCbC *r = Send(binding, c);
        for (int p = pResult; p <= pErrFile; ++p) {
            NSString *key = [NSString stringWithUTF8String:kProperties[p]];
            Check(c->nRow & BIT(p) ? [PropertyAt(r, p) isEqual:[api objectForKey:key]] : PropertyAt(r, p) == nil,
                  kProperties[p], [NSString stringWithFormat:@" is %@", PropertyAt(r, p)], __LINE__);
        }
        CHECK([r.DetailErrorInfoCount intValue] == (int)[r.DetailErrorInfoList count]
              && [r.ErrorFileName count] == [r.DetailErrorInfoList count]);
    }
}

static const char *const kGIRFiles[] = {
    "01_MessageSpec.csv", "02_GLOBEBody/01_FilingInfo.csv", "02_GLOBEBody/02_GeneralSection.csv",
    "02_GLOBEBody/03_Summary_1.csv", "02_GLOBEBody/03_Summary_2.csv", "02_GLOBEBody/04_JurisdictionSection_1.csv",
    "02_GLOBEBody/04_JurisdictionSection_2.csv", "02_GLOBEBody/05_UTPRAttribution_1.csv"};

// The shipped GIR folder under a Japanese folder name, and a copy whose header
// and filing information are both wrong.
static void GIRSelectorsOnTheShippedFolder(void)
{
    for (unsigned i = 0; i < sizeof(kGIRFiles) / sizeof(kGIRFiles[0]); ++i) {
        char szExample[128], szCopy[128], szBroken[128];
        snprintf(szExample, sizeof(szExample), "gir/%s", kGIRFiles[i]);
        snprintf(szCopy, sizeof(szCopy), "申告/%s", kGIRFiles[i]);
        snprintf(szBroken, sizeof(szBroken), "誤り/%s", kGIRFiles[i]);
        TestExample(szExample, NULL, NULL, szCopy);
        TestExample(szExample, i == 0 ? "GIR101" : i == 1 ? "GIR401" : NULL, i < 2 ? "GIR999" : NULL, szBroken);
    }
    CLICsvConvDataCbC *binding = [[[CLICsvConvDataCbC alloc] init] autorelease];
    CLICsvConvResultCbC *r = [binding GIRCsvCheck:TestPath("申告") hojinNo:@"7000012050002"];
    CHECK_TEXT(r.Result, "S_OK");
    CHECK_TEXT(r.DetailErrorInfoCount, "0");
    CHECK([r.DetailErrorInfoList count] == 0 && [r.ErrorFileName count] == 0);

    r = [binding GIRCsvCheck:TestPath("誤り") hojinNo:@""];
    CHECK_TEXT(r.Result, "E_FAIL");
    CHECK_TEXT(r.DetailErrorInfoCount, "2");
    NSArray *files = [NSArray arrayWithObjects:@"01_MessageSpec.csv", @"01_FilingInfo.csv", nil];
    CHECK([r.ErrorFileName isEqual:files]);
    CHECK([[r.DetailErrorInfoList objectAtIndex:0] isEqual:@"00000003-00002-HE60009E"]
          && [[r.DetailErrorInfoList objectAtIndex:1] isEqual:@"00000004-00002-HE60009E"]);

    r = [binding CsvConvGIRData:TestPath("申告") outputPathName:TestPath("gir.xml")];
    CHECK_TEXT(r.Result, "S_OK");
    CHECK([r.GIRData hasPrefix:@"<globe:GLOBE_OECD version=\"1.0\""]
          && [r.GIRData isEqual:[NSString stringWithContentsOfFile:TestPath("gir.xml")]]);

    r = [binding GIRFolderCheck:TestPath("申告")];
    CHECK_TEXT(r.Result, "S_OK");
    NSMutableString *names = [NSMutableString string];
    for (unsigned i = 0; i < sizeof(kGIRFiles) / sizeof(kGIRFiles[0]); ++i)
        [names appendFormat:@"%@\"%s\"", i == 0 ? @"" : @",", kGIRFiles[i]];
    CHECK([r.FileName isEqual:names]);
}

// The declared mutable type holds a mutable copy, so a host's addObject: works.
static void ResultHoldsMutableCopies(void)
{
    CLICsvConvResultCbC *result = [[[CLICsvConvResultCbC alloc] init] autorelease];
    NSMutableArray *list = [NSMutableArray arrayWithObject:@"a.csv"];
    result.ErrorFileName = list;
    result.DetailErrorInfoList = list;
    [list addObject:@"b.csv"];
    [result.ErrorFileName addObject:@"c.csv"];
    CHECK(result.ErrorFileName != list && [result.ErrorFileName count] == 2 && [result.DetailErrorInfoList count] == 1);
    [result.DetailErrorInfoList addObject:@"c.csv"];
}

static void VersionSymbols(void)
{
    CHECK(TesvantVersionNumber == 3.0);
    CHECK(strcmp((const char *)TesvantVersionString, "@(#)PROGRAM:Tesvant  PROJECT:Tesvant-3.0.0.0\n") == 0);
}

int main(void)
{
    static const struct { const char *szName; void (*pfnRun)(void); } kTests[] = {
        {"EveryMethodFillsItsRowExactly", EveryMethodFillsItsRowExactly},
        {"ObjectThatIsNoStringIsDropped", ObjectThatIsNoStringIsDropped},
        {"TwoCallsGiveTwoResults", TwoCallsGiveTwoResults},
        {"CsvDataKeepsTheBytesAfterAZero", CsvDataKeepsTheBytesAfterAZero},
        {"GIRRowsCopyTheApiResult", GIRRowsCopyTheApiResult},
        {"GIRSelectorsOnTheShippedFolder", GIRSelectorsOnTheShippedFolder},
        {"ResultHoldsMutableCopies", ResultHoldsMutableCopies},
        {"VersionSymbols", VersionSymbols}};
    for (unsigned i = 0; i < sizeof(kTests) / sizeof(kTests[0]); ++i) {
        NSAutoreleasePool *pool = [[NSAutoreleasePool alloc] init];
        snprintf(g_szTest, sizeof(g_szTest), "%s", kTests[i].szName);
        TestFolderOpen();
        WriteFixtures();
        kTests[i].pfnRun();
        TestFolderClose();
        [pool release];
    }
    printf("%u passed, %u failed\n", g_nPassed, g_nFailed);
    fflush(stdout);   // the leak check may end the process without flushing
    return g_nFailed == 0 ? 0 : 1;
}
