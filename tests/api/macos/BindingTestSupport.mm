#import "BindingTestSupport.h"

#include "TestFolder.h"
#include "api/CLCCsvConvDataCbC.h"
#include "api/CLCCsvConvResultGIR.h"
#include "foundation/FoundationTestFolder.h"
#include "foundation/platform/CLCMacOSNative.h"

#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::unique_ptr<CTestFolder> &Folder()
{
    static std::unique_ptr<CTestFolder> s_pFolder;
    return s_pFolder;
}

std::string &ChooserInitial()
{
    static std::string s_str;
    return s_str;
}

NSString *Text(const std::string &str)
{
    return [NSString stringWithUTF8String:str.c_str()];
}

NSMutableArray *Texts(const std::vector<std::string> &vec)
{
    NSMutableArray *list = [NSMutableArray array];
    for (const std::string &str : vec)
        [list addObject:Text(str)];
    return list;
}

} // namespace

void TestFolderOpen(void)
{
    Folder() = std::make_unique<CTestFolder>();
}

void TestFolderClose(void)
{
    Folder().reset();
}

NSString *TestPath(const char *szName)
{
    return Text(*Folder() / szName);
}

NSString *TestWrite(const char *szName, const char *szBytes)
{
    return Text(Folder()->Write(szName, szBytes));
}

NSString *TestExample(const char *szExample, const char *szFrom, const char *szTo, const char *szName)
{
    std::string strBytes = ReadBytes(std::string(TESVANT_SOURCE_DIR) + "/examples/" + szExample);
    const size_t nAt = szFrom ? strBytes.find(szFrom) : std::string::npos;
    if (szFrom && nAt == std::string::npos)
        throw std::runtime_error(std::string(szFrom) + " is not in " + szExample);
    if (szFrom)
        strBytes.replace(nAt, std::strlen(szFrom), szTo);
    return Text(Folder()->Write(szName, strBytes));
}

void TestScriptChooser(int nAnswer, NSString *chosen)
{
    const std::string strChosen = chosen ? [chosen UTF8String] : "";
    CLCMacOSNative::SetFolderChooser([=](const char *szInitial, std::string &strOut) {
        ChooserInitial() = szInitial ? szInitial : "(null)";
        if (nAnswer == 1)
            strOut = strChosen;
        return nAnswer;
    });
}

NSString *TestChooserInitialFolder(void)
{
    return Text(ChooserInitial());
}

void TestThrowInOperations(BOOL bThrow)
{
    CLCCsvConvDataCbC::SetFaultHookForTest({});
    if (bThrow)
        CLCCsvConvDataCbC::SetFaultHookForTest([](const char *) { throw std::runtime_error("injected"); });
}

void TestRestoreSeams(void)
{
    CLCMacOSNative::SetFolderChooser({});
    CLCCsvConvDataCbC::SetFaultHookForTest({});
    ChooserInitial().clear();
}

NSDictionary *TestGIRThroughApi(const char *szSelector, NSString *folder, NSString *second)
{
    const char *szFolder = [folder UTF8String];
    const char *szSecond = [second UTF8String];
    CLCCsvConvDataCbC api;
    const std::string strSelector = szSelector;
    const CLCCsvConvResultGIR *pResult = strSelector == "GIRCsvCheck:hojinNo:" ? api.GIRCsvCheck(szFolder, szSecond)
                                       : strSelector == "CsvConvGIRData:outputPathName:"
                                           ? api.CsvConvGIRData(szFolder, szSecond)
                                           : api.GIRFolderCheck(szFolder);
    return [NSDictionary dictionaryWithObjectsAndKeys:Text(pResult->get_Result()), @"Result",
                         Text(std::to_string(pResult->get_ErrInfoCount())), @"DetailErrorInfoCount",
                         Texts(pResult->GetDetailErrInfo()), @"DetailErrorInfoList",
                         Texts(pResult->GetErrFileName()), @"ErrorFileName",
                         Text(pResult->get_GIRData()), @"GIRData", Text(pResult->get_FileName()), @"FileName", nil];
}
