#include "api/CLCCsvConvDataCbC.h"
#include "api/CLCApiFunction.h"
#include "api/CLCApiLock.h"
#include "api/CLCCsvConvResultCbC.h"
#include "api/CLCCsvConvResultGIR.h"
#include "cbc/CLCCbCDataManager.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "foundation/platform/CLCPlatformTraits.h"

#include <xercesc/util/PlatformUtils.hpp>
#include <xercesc/util/XMLUni.hpp>

#include <string>
#include <utility>

namespace {

using XERCES_CPP_NAMESPACE::XMLPlatformUtils;
using XERCES_CPP_NAMESPACE::XMLUni;
using Mode = CLCCbCCommon::EXEC_MODE;

// Root names and definition identifiers of the roads.
constexpr const char* kAppendixTableRoot = "AIA120";
constexpr const char* kCbCReportRoot = "CBC_OECD";
constexpr const char* kGIRAppendixTableRoot = "AIA540";
constexpr unsigned short kAppendixTableCheck = 203;
constexpr unsigned short kAppendixTableConv = 204;
constexpr unsigned short kCbCReportCheck = 205;
constexpr unsigned short kCbCReportConv = 206;
constexpr unsigned short kCbCReportConv2 = 208;
constexpr unsigned short kCbCReportCheck2 = 209;
constexpr unsigned short kGIRAppendixTableConv = 213;
constexpr unsigned short kGIRAppendixTableCheck = 214;

constexpr bool kCheckRoad = true;
constexpr bool kConversionRoad = false;

CLCCsvConvDataCbC::FaultHook& TestFaultHook()
{
    static CLCCsvConvDataCbC::FaultHook s_fnHook;
    return s_fnHook;
}

// Result and DetailErrorInfo of a finished run, in that order; the operation
// writes its data property next. Success writes the empty error text so that
// none of an earlier call survives.
void PutOutcome(CLCCsvConvResultCbC& result, CLCCbCDataManager& manager, bool bSucceeded)
{
    if (bSucceeded) {
        result.putResult("S_OK");
        result.putDetailErrorInfo("");
        return;
    }
    result.putResult("E_FAIL");
    result.putDetailErrorInfo(manager.GetErrorMsg());
}

// An exception ended the run: the pipeline is gone without Terminate; the
// properties written so far stay.
void PutUnexpected(CLCCsvConvResultCbC& result, const char* szFunction)
{
    CLC_LOG(szFunction, kUnexpectedError);
    result.putResult("E_FAIL");
}

std::string OnSuccess(bool bSucceeded, std::string& strData)
{
    return bSucceeded ? std::move(strData) : std::string();
}

// One operation, under the API lock: the mode first, then the pipeline on
// the stack, its steps and result values (fnRun), Terminate. An exception
// ends the run without Terminate and turns into E_FAIL with the log entry.
// A call that re-enters the thread's running operation is answered as a fault
// with the fatal row, touching nothing the running one uses; the fault flag
// is written last, so that such a call on the same object leaves it alone.
template <typename FnRun>
CLCCsvConvResultCbC* RunOperation(CLCCsvConvResultCbC* pResult, bool& bFaulted, const char* szFunction, Mode mode,
                                  FnRun fnRun)
{
    const CLCApiLock lock(CLCApiLock::Kind::Operation);
    if (!lock.Entered()) {
        PutUnexpected(*pResult, szFunction);
        pResult->putDetailErrorInfo(CLCValidResult::kFatalText);
        bFaulted = true;
        return pResult;
    }
    bool bFault = false;
    CLCCbCCommon::setExecMode(mode);
    try {
        CLCCbCDataManager manager;
        CLCCsvConvDataCbC::RaiseFaultForTest(szFunction);
        fnRun(manager, *pResult);
        manager.Terminate();
    } catch (...) {
        bFault = true;
        PutUnexpected(*pResult, szFunction);
    }
    bFaulted = bFault;
    return pResult;
}

} // namespace

CLCCsvConvDataCbC::CLCCsvConvDataCbC()
{
    const CLCApiLock lock(CLCApiLock::Kind::Lifetime);
    CLCDebugDump::InitDebugDump();
    XMLPlatformUtils::Initialize(XMLUni::fgXercescDefaultLocale, nullptr, nullptr, nullptr);
}

CLCCsvConvDataCbC::~CLCCsvConvDataCbC()
{
    {
        const CLCApiLock lock(CLCApiLock::Kind::Lifetime);
        XMLPlatformUtils::Terminate();
    }
    m_pResultCbC.reset();
    m_pResultGIR.reset();
}

void CLCCsvConvDataCbC::SetFaultHookForTest(FaultHook fnHook)
{
    TestFaultHook() = std::move(fnHook);
}

void CLCCsvConvDataCbC::RaiseFaultForTest(const char* szFunction)
{
    if (TestFaultHook())
        TestFaultHook()(szFunction);
}

bool CLCCsvConvDataCbC::LastOperationFaulted() const
{
    return m_bFaulted;
}

CLCCsvConvResultCbC* CLCCsvConvDataCbC::ResultCbC()
{
    // Outside every guarded region: a failed allocation here leaves the operation.
    if (!m_pResultCbC)
        m_pResultCbC = std::make_unique<CLCCsvConvResultCbC>();
    return m_pResultCbC.get();
}

CLCCsvConvResultCbC* CLCCsvConvDataCbC::AppendixTableCsvCheck(const char* szCsvPath)
{
    auto fnRun = [&](CLCCbCDataManager& manager, CLCCsvConvResultCbC& result) {
        const bool bOk = manager.InitForCheck(szCsvPath)
                         && manager.LoadCsvWithDefinition(kAppendixTableRoot, kAppendixTableCheck, kCheckRoad)
                         && manager.ValidateCsv();
        PutOutcome(result, manager, bOk);
        result.putAppendixTableData("");
    };
    return RunOperation(ResultCbC(), m_bFaulted, "CLCCsvConvDataCbC::AppendixTableCsvCheck",
                        Mode::EXEC_MODE_APPENDIX_TABLE, fnRun);
}

CLCCsvConvResultCbC* CLCCsvConvDataCbC::ReportIntegrityCheck(const char* szCsvPath, const char* todokede,
                                                             const char* cbc, const char* mf,
                                                             const char* todokedeHojinNo,
                                                             const char* cbCHojinNo, const char* mfHojinNo)
{
    auto fnRun = [&](CLCCbCDataManager& manager, CLCCsvConvResultCbC& result) {
        const bool bOk = manager.InitForReportIntegrityCheck(szCsvPath, todokede, cbc, mf, todokedeHojinNo,
                                                             cbCHojinNo, mfHojinNo)
                         && manager.LoadCsvWithDefinition(kAppendixTableRoot, kAppendixTableCheck, kCheckRoad)
                         && manager.ValidateCsv()
                         && manager.ReportIntegrityCheck();
        PutOutcome(result, manager, bOk);
        result.putAppendixTableData("");
    };
    return RunOperation(ResultCbC(), m_bFaulted, "CLCCsvConvDataCbC::ReportIntegrityCheck",
                        Mode::EXEC_MODE_APPENDIX_TABLE, fnRun);
}

CLCCsvConvResultCbC* CLCCsvConvDataCbC::CsvConvAppendixTableData(const char* szCsvPath, const char* softName,
                                                                 const char* sakuseiName,
                                                                 const char* outputPathName)
{
    auto fnRun = [&](CLCCbCDataManager& manager, CLCCsvConvResultCbC& result) {
        std::string strXml;
        const bool bOk = manager.InitForMake(szCsvPath, softName, sakuseiName, outputPathName)
                         && manager.LoadCsvWithDefinition(kAppendixTableRoot, kAppendixTableConv, kConversionRoad)
                         && manager.MakeData(strXml);
        PutOutcome(result, manager, bOk);
        result.putAppendixTableData(OnSuccess(bOk, strXml));
    };
    return RunOperation(ResultCbC(), m_bFaulted, "CLCCsvConvDataCbC::CsvConvAppendixTableData",
                        Mode::EXEC_MODE_APPENDIX_TABLE, fnRun);
}

CLCCsvConvResultCbC* CLCCsvConvDataCbC::CbCReportCsvCheck(const char* szCsvPath)
{
    auto fnRun = [&](CLCCbCDataManager& manager, CLCCsvConvResultCbC& result) {
        const bool bOk = manager.InitForCheck(szCsvPath)
                         && manager.LoadCsvWithDefinition2(kCbCReportRoot, kCbCReportCheck, kCheckRoad)
                         && manager.ValidateCsv2();
        PutOutcome(result, manager, bOk);
        result.putCbCReportData("");
    };
    return RunOperation(ResultCbC(), m_bFaulted, "CLCCsvConvDataCbC::CbCReportCsvCheck",
                        Mode::EXEC_MODE_CBC_REPORT, fnRun);
}

CLCCsvConvResultCbC* CLCCsvConvDataCbC::CbCReportIntegrityCheck(const char* szCsvPath, const char* hojinNo)
{
    auto fnRun = [&](CLCCbCDataManager& manager, CLCCsvConvResultCbC& result) {
        const bool bOk = manager.InitForCbCReportIntegrityCheck(szCsvPath, hojinNo)
                         && manager.LoadCsvWithDefinition2(kCbCReportRoot, kCbCReportCheck, kCheckRoad)
                         && manager.ValidateCsv2()
                         && manager.CbCReportIntegrityCheck();
        PutOutcome(result, manager, bOk);
        result.putCbCReportData("");
    };
    return RunOperation(ResultCbC(), m_bFaulted, "CLCCsvConvDataCbC::CbCReportIntegrityCheck",
                        Mode::EXEC_MODE_CBC_REPORT, fnRun);
}

CLCCsvConvResultCbC* CLCCsvConvDataCbC::CsvConvCbCReportData(const char* szCsvPath, const char* outputPathName)
{
    auto fnRun = [&](CLCCbCDataManager& manager, CLCCsvConvResultCbC& result) {
        std::string strXml;
        const bool bOk = manager.InitForMake2(szCsvPath, outputPathName)
                         && manager.LoadCsvWithDefinition2(kCbCReportRoot, kCbCReportConv, kConversionRoad)
                         && manager.MakeData2(strXml);
        PutOutcome(result, manager, bOk);
        result.putCbCReportData(OnSuccess(bOk, strXml));
    };
    return RunOperation(ResultCbC(), m_bFaulted, "CLCCsvConvDataCbC::CsvConvCbCReportData",
                        Mode::EXEC_MODE_CBC_REPORT, fnRun);
}

CLCCsvConvResultCbC* CLCCsvConvDataCbC::ReadXMLFile(const char* szXmlPath, long limitSize)
{
    auto fnRun = [&](CLCCbCDataManager& manager, CLCCsvConvResultCbC& result) {
        std::string strText;
        // The preparation step does not keep the limit: the read takes it again.
        const bool bOk = manager.InitForXml(szXmlPath, limitSize)
                         && manager.ReadXMLFile(limitSize, strText);
        PutOutcome(result, manager, bOk);
        result.putXMLData(OnSuccess(bOk, strText));
    };
    return RunOperation(ResultCbC(), m_bFaulted, "CLCCsvConvDataCbC::ReadXMLFile", Mode::EXEC_MODE_FILE, fnRun);
}

CLCCsvConvResultCbC* CLCCsvConvDataCbC::CbCReportCsvCheck2(const char* szCsvPath)
{
    auto fnRun = [&](CLCCbCDataManager& manager, CLCCsvConvResultCbC& result) {
        const bool bOk = manager.InitForCheck(szCsvPath)
                         && manager.LoadCsvWithDefinition2(kCbCReportRoot, kCbCReportCheck2, kCheckRoad)
                         && manager.ValidateCsv2();
        PutOutcome(result, manager, bOk);
        result.putCbCReportData("");
    };
    return RunOperation(ResultCbC(), m_bFaulted, "CLCCsvConvDataCbC::CbCReportCsvCheck2",
                        Mode::EXEC_MODE_CBC_REPORT2, fnRun);
}

CLCCsvConvResultCbC* CLCCsvConvDataCbC::CbCReportIntegrityCheck2(const char* szCsvPath, const char* hojinNo)
{
    auto fnRun = [&](CLCCbCDataManager& manager, CLCCsvConvResultCbC& result) {
        const bool bOk = manager.InitForCbCReportIntegrityCheck(szCsvPath, hojinNo)
                         && manager.LoadCsvWithDefinition2(kCbCReportRoot, kCbCReportCheck2, kCheckRoad)
                         && manager.ValidateCsv2()
                         && manager.CbCReportIntegrityCheck();
        PutOutcome(result, manager, bOk);
        result.putCbCReportData("");
    };
    return RunOperation(ResultCbC(), m_bFaulted, "CLCCsvConvDataCbC::CbCReportIntegrityCheck2",
                        Mode::EXEC_MODE_CBC_REPORT2, fnRun);
}

CLCCsvConvResultCbC* CLCCsvConvDataCbC::CsvConvCbCReportData2(const char* szCsvPath, const char* outputPathName)
{
    auto fnRun = [&](CLCCbCDataManager& manager, CLCCsvConvResultCbC& result) {
        std::string strXml;
        const bool bOk = manager.InitForMake2(szCsvPath, outputPathName)
                         && manager.LoadCsvWithDefinition2(kCbCReportRoot, kCbCReportConv2, kConversionRoad)
                         && manager.MakeData2(strXml);
        PutOutcome(result, manager, bOk);
        result.putCbCReportData(OnSuccess(bOk, strXml));
    };
    return RunOperation(ResultCbC(), m_bFaulted, "CLCCsvConvDataCbC::CsvConvCbCReportData2",
                        Mode::EXEC_MODE_CBC_REPORT2, fnRun);
}

CLCCsvConvResultCbC* CLCCsvConvDataCbC::GIRAppendixTableCsvCheck(const char* szCsvPath, const char* teikyouNo,
                                                                 const char* hojinNo)
{
    auto fnRun = [&](CLCCbCDataManager& manager, CLCCsvConvResultCbC& result) {
        const bool bOk = manager.InitForGIRApxTblCsvChk(szCsvPath, teikyouNo, hojinNo)
                         && manager.LoadCsvWithGIRApxTblDef(kGIRAppendixTableRoot, kGIRAppendixTableCheck,
                                                            kCheckRoad)
                         && manager.ValidateGIRApxTblCsv()
                         && manager.GIRApxTblRptIntegrityChk();
        PutOutcome(result, manager, bOk);
        result.put_GIRAppendixTableData("");
    };
    return RunOperation(ResultCbC(), m_bFaulted, CLC_API_FUNCTION("GIRAppendixTableCsvCheck"),
                        Mode::EXEC_MODE_GIR_APPENDIX_TABLE, fnRun);
}

CLCCsvConvResultCbC* CLCCsvConvDataCbC::CsvConvGIRAppendixTableData(const char* szCsvPath, const char* softName,
                                                                    const char* sakuseiName,
                                                                    const char* outputPathName)
{
    auto fnRun = [&](CLCCbCDataManager& manager, CLCCsvConvResultCbC& result) {
        std::string strXml;
        const bool bOk = manager.InitForMake(szCsvPath, softName, sakuseiName, outputPathName)
                         && manager.LoadCsvWithGIRApxTblDef(kGIRAppendixTableRoot, kGIRAppendixTableConv,
                                                            kConversionRoad)
                         && manager.MakeGIRApxTblData(strXml);
        PutOutcome(result, manager, bOk);
        result.put_GIRAppendixTableData(OnSuccess(bOk, strXml));
    };
    return RunOperation(ResultCbC(), m_bFaulted, CLC_API_FUNCTION("CsvConvGIRAppendixTableData"),
                        Mode::EXEC_MODE_GIR_APPENDIX_TABLE, fnRun);
}

CLCCsvConvResultCbC* CLCCsvConvDataCbC::GetFolderPath(const char* szInitialFolder)
{
    auto fnRun = [&](CLCCbCDataManager& manager, CLCCsvConvResultCbC& result) {
        std::string strFolder;
        std::string strFileName;
        // No folder chosen (the dialog was cancelled): nothing to list.
        const bool bOk = manager.GetFolderPath(szInitialFolder, strFolder)
                         && (strFolder.empty() || manager.GetFileName(strFolder.c_str(), strFileName));
        if (bOk) {
            result.putResult(strFolder.empty() ? CLCPlatformTraits::kCancelledFolderResult : "S_OK");
            result.putDetailErrorInfo("");
            result.put_FolderPath(std::move(strFolder));
            result.put_FileName(std::move(strFileName));
        } else {
            PutOutcome(result, manager, false);
            result.put_FolderPath("");
            result.put_FileName("");
        }
    };
    return RunOperation(ResultCbC(), m_bFaulted, CLC_API_FUNCTION("GetFolderPath"), Mode::EXEC_MODE_FILE, fnRun);
}

CLCCsvConvResultCbC* CLCCsvConvDataCbC::ReadCSVFile(const char* szCsvPath)
{
    auto fnRun = [&](CLCCbCDataManager& manager, CLCCsvConvResultCbC& result) {
        std::string strCsv;
        std::string strSize;
        const bool bOk = manager.InitForCsv(szCsvPath)
                         && manager.ReadCSVFile(strCsv, strSize);
        PutOutcome(result, manager, bOk);
        result.put_CsvData(OnSuccess(bOk, strCsv));
        result.put_CsvDataSize(OnSuccess(bOk, strSize));
    };
    return RunOperation(ResultCbC(), m_bFaulted, CLC_API_FUNCTION("ReadCSVFile"), Mode::EXEC_MODE_FILE, fnRun);
}

CLCCsvConvResultCbC* CLCCsvConvDataCbC::CbCCsvWrite(const char* szCsvPath, const char* writeData)
{
    auto fnRun = [&](CLCCbCDataManager& manager, CLCCsvConvResultCbC& result) {
        const bool bOk = manager.InitForCsvWrite(szCsvPath)
                         && manager.WriteFileData(writeData);
        PutOutcome(result, manager, bOk);
    };
    return RunOperation(ResultCbC(), m_bFaulted, CLC_API_FUNCTION("CbCCsvWrite"), Mode::EXEC_MODE_FILE, fnRun);
}

CLCCsvConvResultCbC* CLCCsvConvDataCbC::ReadFile(const char* szFilePath)
{
    auto fnRun = [&](CLCCbCDataManager& manager, CLCCsvConvResultCbC& result) {
        std::string strBase64;
        const bool bOk = manager.InitForFile(szFilePath)
                         && manager.EncodeBase64(strBase64);
        PutOutcome(result, manager, bOk);
        result.put_Base64Data(OnSuccess(bOk, strBase64));
    };
    return RunOperation(ResultCbC(), m_bFaulted, CLC_API_FUNCTION("ReadFile"), Mode::EXEC_MODE_FILE, fnRun);
}
