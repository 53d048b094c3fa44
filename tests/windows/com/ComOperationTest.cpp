// The nineteen operations as a script host reaches them: by name through
// IDispatch, the result objects kept per object, the GIR result emptied
// first, and CbCCsvWrite's conversion to code page 932.
#include "ComTestSupport.h"
#include "LateBound.h"
#include "PortableApi.h"
#include "WinTestSupport.h"
#include "tools/HostOperations.h"
#include "windows/CLCWinText.h"

using comtest::CLateBound;
using comtest::CVariant;

namespace {

constexpr const char* kGIRHojinNo = "7000012050002";

std::vector<CVariant> Texts(std::initializer_list<std::string> args)
{
    std::vector<CVariant> vecArgs;
    for (const std::string& strArg : args)
        vecArgs.push_back(CVariant::Text(CLCWinText::Wide(strArg.c_str())));
    return vecArgs;
}

CLateBound NewLateBoundApi()
{
    CLateBound api;
    CHECK_EQ(CLateBound::Create(L"ovk.CLCCsvConvDataCbC", api), S_OK);
    return api;
}

// Calls the operation by name; a failed call is a failed check and an empty object.
CLateBound Call(const CLateBound& api, const wchar_t* wszName, std::initializer_list<std::string> args)
{
    CLateBound result;
    const HRESULT hr = api.CallObject(wszName, Texts(args), result);
    if (hr != S_OK)
        wintest::Fail(__FILE__, __LINE__, CLCWinText::Utf8(wszName) + " failed: " + std::to_string(hr));
    return result;
}

std::string Text(const CLateBound& result, const wchar_t* wszName)
{
    std::string str;
    const HRESULT hr = result.GetText(wszName, str);
    return hr == S_OK ? str : "(failed " + std::to_string(hr) + ")";
}

LONG Count(const CLateBound& result)
{
    LONG l = -1;
    CHECK_EQ(result.GetLong(L"ErrInfoCount", l), S_OK);
    return l;
}

// GIRCsvCheck called early bound on a new object, and the GIR result it answers.
CLCComPtr<CLICsvConvResultGIR> EarlyBoundGIRCheck(const std::string& strFolder, const char* szHojinNo)
{
    CLCComPtr<CLICsvConvDataCbC> pApi = comtest::NewApi();
    CHECK(pApi);
    if (!pApi)
        return {};
    CLCComPtr<IDispatch> pResult;
    CHECK_EQ(pApi->GIRCsvCheck(comtest::Bstr(strFolder).Get(), comtest::Bstr(szHojinNo).Get(), pResult.Put()), S_OK);
    auto pGIR = comtest::Query<CLICsvConvResultGIR>(pResult.Get(), IID_CLICsvConvResultGIR);
    CHECK(pGIR);
    return pGIR;
}

struct SNames {
    const wchar_t* wszProgID;
    std::vector<std::wstring> vecNames;   // dispatch identifiers 1, 2, ...
};

std::vector<std::wstring> OperationNames()
{
    std::vector<std::wstring> vecNames;
    for (const hostops::SOperationInfo& op : hostops::kOperations)
        vecNames.push_back(CLCWinText::Wide(std::string(op.szName).c_str()));
    return vecNames;
}

} // namespace

COM_TEST(MembersAreFoundByNameWithTheirDispatchIds)
{
    const SNames kInterfaces[] = {
        {L"ovk.CLCCsvConvDataCbC", OperationNames()},
        {L"ovk.CLCCsvConvResultCbC",
         {L"Result", L"DetailErrorInfo", L"AppendixTableData", L"CbCReportData", L"XMLData", L"GIRAppendixTableData",
          L"FolderPath", L"FileName", L"CsvData", L"CsvDataSize", L"Base64Data"}},
        {L"ovk.CLCCsvConvResultGIR",
         {L"Result", L"GIRData", L"ErrInfoCount", L"GetErrFileName", L"GetDetailErrInfo", L"clearDetailErrorInfo",
          L"addFileName", L"addDetailErrorInfo", L"Clear", L"FileName"}},
    };
    for (const SNames& names : kInterfaces) {
        CLateBound object;
        CHECK_EQ(CLateBound::Create(names.wszProgID, object), S_OK);
        for (std::size_t i = 0; i < names.vecNames.size(); ++i) {
            DISPID dispid = DISPID_UNKNOWN;
            CHECK_EQ(object.IdOf(names.vecNames[i].c_str(), dispid), S_OK);
            if (dispid != DISPID(i + 1))
                wintest::Fail(__FILE__, __LINE__, CLCWinText::Utf8(names.vecNames[i].c_str()) + " has DISPID "
                                                      + std::to_string(dispid) + ", not " + std::to_string(i + 1));
        }
        DISPID dispid = 0;
        CHECK_EQ(object.IdOf(L"NoSuchMember", dispid), DISP_E_UNKNOWNNAME);
    }
}

COM_TEST(LateBoundCallsCheckTheirArgumentCount)
{
    const CLateBound api = NewLateBoundApi();
    CVariant result;
    CHECK_EQ(api.Invoke(L"AppendixTableCsvCheck", DISPATCH_METHOD, {}, result), DISP_E_BADPARAMCOUNT);
    CHECK_EQ(api.Invoke(L"CbCReportIntegrityCheck", DISPATCH_METHOD, Texts({"a"}), result), DISP_E_BADPARAMCOUNT);
}

COM_TEST(EveryCallOfAKindAnswersTheSameObject)
{
    const CLateBound api = NewLateBoundApi();
    const std::string strMissing = comtest::ExamplePath("missing.csv");
    const CLateBound first = Call(api, L"AppendixTableCsvCheck", {strMissing});
    const CLateBound second = Call(api, L"AppendixTableCsvCheck", {strMissing});
    const CLateBound other = Call(api, L"ReadFile", {strMissing});
    CHECK(comtest::SameObject(first.Get(), second.Get()));
    CHECK(comtest::SameObject(first.Get(), other.Get()));
    const CLateBound gir = Call(api, L"GIRFolderCheck", {strMissing});
    const CLateBound girAgain = Call(api, L"GIRCsvCheck", {strMissing, ""});
    CHECK(comtest::SameObject(gir.Get(), girAgain.Get()));
    CHECK(!comtest::SameObject(gir.Get(), first.Get()));
    // Another object keeps results of its own.
    const CLateBound otherApi = NewLateBoundApi();
    CHECK(!comtest::SameObject(Call(otherApi, L"ReadFile", {strMissing}).Get(), first.Get()));
}

COM_TEST(CbCResultKeepsWhatALaterOperationDoesNotWrite)
{
    const CLateBound api = NewLateBoundApi();
    const CLateBound read = Call(api, L"ReadCSVFile", {comtest::ExamplePath("cbc_report_v2.csv")});
    CHECK_EQ(Text(read, L"Result"), std::string("S_OK"));
    const std::string strCsv = Text(read, L"CsvData");
    const std::string strSize = Text(read, L"CsvDataSize");
    CHECK(strCsv.size() > 100);
    CHECK_EQ(strSize, std::to_string(strCsv.size()));

    const CLateBound failed = Call(api, L"AppendixTableCsvCheck", {comtest::ExamplePath("cbc_report_v2.csv")});
    CHECK_EQ(Text(failed, L"Result"), std::string("E_FAIL"));
    CHECK(!Text(failed, L"DetailErrorInfo").empty());
    const CLateBound checked = Call(api, L"AppendixTableCsvCheck", {comtest::ExamplePath("appendix_aia120.csv")});
    CHECK_EQ(Text(checked, L"Result"), std::string("S_OK"));
    CHECK_EQ(Text(checked, L"DetailErrorInfo"), std::string());
    CHECK_EQ(Text(checked, L"CsvData"), strCsv);
    CHECK_EQ(Text(checked, L"CsvDataSize"), strSize);
}

COM_TEST(EveryGIRCallStartsFromAnEmptiedResult)
{
    const CLateBound api = NewLateBoundApi();
    const std::string strGir = comtest::ExamplePath("gir");
    const CLateBound folder = Call(api, L"GIRFolderCheck", {strGir});
    CHECK_EQ(Text(folder, L"Result"), std::string("S_OK"));
    CHECK(!Text(folder, L"FileName").empty());
    // GIRCsvCheck writes no FileName: what the folder check left is gone.
    const CLateBound check = Call(api, L"GIRCsvCheck", {strGir, kGIRHojinNo});
    CHECK_EQ(Text(check, L"Result"), std::string("S_OK"));
    CHECK_EQ(Text(check, L"FileName"), std::string());

    const CLateBound failed = Call(api, L"GIRCsvCheck", {comtest::ExamplePath("missing"), "123"});
    CHECK_EQ(Text(failed, L"Result"), std::string("E_FAIL"));
    CHECK(Count(failed) > 0);
    // CsvConvGIRData leaves the lists alone on success: only the emptying
    // at the start takes the earlier failure's entries away.
    const CLateBound converted = Call(api, L"CsvConvGIRData", {strGir, ""});
    CHECK_EQ(Text(converted, L"Result"), std::string("S_OK"));
    CHECK_EQ(Count(converted), LONG(0));
    CHECK(Text(converted, L"GIRData").find("GLOBE_OECD") != std::string::npos);
    const CLateBound folderAgain = Call(api, L"GIRFolderCheck", {strGir});
    CHECK_EQ(Text(folderAgain, L"GIRData"), std::string());
}

COM_TEST(SuccessfulGIRCheckHasNoErrorEntries)
{
    const CLCComPtr<CLICsvConvResultGIR> pGIR = EarlyBoundGIRCheck(comtest::ExamplePath("gir"), kGIRHojinNo);
    if (!pGIR)
        return;
    CLCBstr b;
    CHECK_EQ(pGIR->get_Result(b.Put()), S_OK);
    CHECK_EQ(b.Utf8(), std::string("S_OK"));
    LONG lCount = -1;
    CHECK_EQ(pGIR->get_ErrInfoCount(&lCount), S_OK);
    CHECK_EQ(lCount, LONG(0));
    CHECK_EQ(pGIR->GetErrFileName(0, b.Put()), E_FAIL);
}

COM_TEST(FailedGIRCheckFillsBothListsPairwise)
{
    const CLCComPtr<CLICsvConvResultGIR> pGIR = EarlyBoundGIRCheck(comtest::ExamplePath("missing"), "123");
    if (!pGIR)
        return;
    LONG lCount = 0;
    CHECK_EQ(pGIR->get_ErrInfoCount(&lCount), S_OK);
    CHECK(lCount > 0);
    CLCBstr b;
    CHECK_EQ(pGIR->GetDetailErrInfo(-1, b.Put()), E_FAIL);
    CHECK_EQ(pGIR->GetDetailErrInfo(lCount - 1, b.Put()), S_OK);
    CHECK(!b.Utf8().empty());
    CHECK_EQ(pGIR->GetErrFileName(lCount - 1, b.Put()), S_OK);
    CHECK_EQ(pGIR->GetErrFileName(lCount, b.Put()), E_FAIL);
    CHECK_EQ(pGIR->GetDetailErrInfo(lCount, b.Put()), E_FAIL);
}

COM_TEST(CsvWriteRefusesTextWithoutAShiftJisForm)
{
    struct SText {
        const char* szName;
        std::wstring wstrText;
    };
    const SText kTexts[] = {
        {"e acute", L"caf\u00E9\r\n"},
        {"emoji", L"a,\U0001F600\r\n"},
        {"lone surrogate", std::wstring(L"a") + wchar_t(0xD800) + L"\r\n"},
        {"wave dash after valid text", L"\u540D\u524D,\u301C\r\n"},
    };
    const wintest::CTestFolder folder;
    const std::string strPath = folder.Write("out.csv", "old\r\n");
    const comtest::SPortableAnswer expected = comtest::PortableCsvWrite(folder / "unused.csv", nullptr);
    CHECK_EQ(expected.strResult, std::string("E_FAIL"));
    const CLateBound api = NewLateBoundApi();
    for (const SText& t : kTexts) {
        std::vector<CVariant> vecArgs;
        vecArgs.push_back(CVariant::Text(CLCWinText::Wide(strPath.c_str())));
        vecArgs.push_back(CVariant::Text(t.wstrText));
        CLateBound result;
        CHECK_EQ(api.CallObject(L"CbCCsvWrite", vecArgs, result), S_OK);
        if (Text(result, L"Result") != "E_FAIL" || Text(result, L"DetailErrorInfo") != expected.strDetail)
            wintest::Fail(__FILE__, __LINE__, std::string(t.szName) + ": " + wintest::Show(Text(result, L"Result"))
                                                  + " " + wintest::Show(Text(result, L"DetailErrorInfo")));
        CHECK_EQ(wintest::ReadBytes(strPath), std::string("old\r\n"));
    }
}

COM_TEST(CsvWriteWritesCodePage932Bytes)
{
    const wintest::CTestFolder folder;
    const std::string strPath = folder.Write("out.csv", "old\r\n");
    const CLateBound api = NewLateBoundApi();
    // 名前,①㈱髙\～ and a second line: NEC and IBM extensions, the two ASCII
    // codes other tables turn into yen and overline, the full-width tilde.
    const std::string strText = "\xE5\x90\x8D\xE5\x89\x8D,\xE2\x91\xA0\xE3\x88\xB1\xE9\xAB\x99\\~\xEF\xBD\x9E\r\n1,2\r\n";
    const CLateBound result = Call(api, L"CbCCsvWrite", {strPath, strText});
    CHECK_EQ(Text(result, L"Result"), std::string("S_OK"));
    CHECK_EQ(Text(result, L"DetailErrorInfo"), std::string());
    CHECK_EQ(wintest::ReadBytes(strPath),
             std::string("\x96\xBC\x91\x4F,\x87\x40\x87\x8A\xFB\xFC\\~\x81\x60\r\n1,2\r\n"));
}

COM_TEST(FolderDialogAnswersAsTheCoreWithoutSFalse)
{
    // Headless under wine the dialog chooses nothing; whatever the core makes
    // of that, the COM layer hands on, and a cancel is never "S_FALSE".
    const std::string strInitial = comtest::ExamplePath("");
    const comtest::SPortableAnswer expected = comtest::PortableFolderPath(strInitial);
    const CLateBound api = NewLateBoundApi();
    const CLateBound result = Call(api, L"GetFolderPath", {strInitial});
    const std::string strResult = Text(result, L"Result");
    CHECK_EQ(strResult, expected.strResult == "S_FALSE" ? std::string("S_OK") : expected.strResult);
    CHECK(strResult != "S_FALSE");
    if (strResult == "E_FAIL")
        CHECK_EQ(Text(result, L"DetailErrorInfo"), expected.strDetail);
    else
        CHECK_EQ(Text(result, L"FolderPath"), expected.strResult == "S_FALSE" ? std::string() : expected.strDetail);
    if (Text(result, L"FolderPath").empty())
        CHECK_EQ(Text(result, L"FileName"), std::string());
}
