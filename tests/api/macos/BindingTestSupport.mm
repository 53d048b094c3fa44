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

NSString *Text(const std::string &str) { return [NSString stringWithUTF8String:str.c_str()]; }

NSMutableArray *Texts(const std::vector<std::string> &vec)
{
    NSMutableArray *list = [NSMutableArray array];
    for (const std::string &str : vec)
        [list addObject:Text(str)];
    return list;
}
} // namespace

void TestFolderOpen(void) { Folder() = std::make_unique<CTestFolder>(); }

void TestFolderClose(void)
{
    Folder().reset();
    CLCMacOSNative::SetFolderChooser({});
    CLCCsvConvDataCbC::SetFaultHookForTest({});
}

NSString *TestPath(const char *szName) { return Text(*Folder() / szName); }

void TestWrite(const char *szName, const char *szBytes)
{
    std::filesystem::create_directories(std::filesystem::path(*Folder() / szName).parent_path());
    Folder()->Write(szName, szBytes);
}

void TestExample(const char *szExample, const char *szFrom, const char *szTo, const char *szName)
{
    std::string strBytes = ReadBytes(std::string(TESVANT_SOURCE_DIR) + "/examples/" + szExample);
    const size_t nAt = szFrom ? strBytes.find(szFrom) : 0;
    if (nAt == std::string::npos)
        throw std::runtime_error(std::string(szFrom) + " is not in " + szExample);
    if (szFrom)
        strBytes.replace(nAt, std::strlen(szFrom), szTo);
    std::filesystem::create_directories(std::filesystem::path(*Folder() / szName).parent_path());
    Folder()->Write(szName, strBytes);
}

void TestChooseOfferedFolder(void)
{
    CLCMacOSNative::SetFolderChooser([](const char *szInitial, std::string &strChosen) {
        const std::string strInitial = szInitial ? szInitial : "";
        if (strInitial == "!")
            return -1;
        strChosen = strInitial;
        return strInitial.empty() ? 0 : 1;
    });
}

void TestThrowInOperations(BOOL bThrow)
{
    CLCCsvConvDataCbC::SetFaultHookForTest({});
    if (bThrow)
        CLCCsvConvDataCbC::SetFaultHookForTest([](const char *) { throw std::runtime_error("injected"); });
}

NSDictionary *TestGIRThroughApi(const char *szSelector, NSString *folder, NSString *second)
{
    CLCCsvConvDataCbC api;
    const std::string strSelector = szSelector;
    const CLCCsvConvResultGIR &r = strSelector == "GIRFolderCheck:" ? *api.GIRFolderCheck([folder UTF8String])
        : strSelector == "GIRCsvCheck:hojinNo:" ? *api.GIRCsvCheck([folder UTF8String], [second UTF8String])
                                                : *api.CsvConvGIRData([folder UTF8String], [second UTF8String]);
    return [NSDictionary dictionaryWithObjectsAndKeys:Text(r.get_Result()), @"Result",
        Text(std::to_string(r.get_ErrInfoCount())), @"DetailErrorInfoCount", Texts(r.GetDetailErrInfo()),
        @"DetailErrorInfoList", Texts(r.GetErrFileName()), @"ErrorFileName", Text(r.get_GIRData()), @"GIRData",
        Text(r.get_FileName()), @"FileName", nil];
}
