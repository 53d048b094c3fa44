// The three GIR folder operations: a CLCGIRControl per call in mode 4, the
// errors handed over as one detail text per CSV file.
#include "api/CLCCsvConvDataCbC.h"
#include "api/CLCApiFunction.h"
#include "api/CLCApiLock.h"
#include "api/CLCCsvConvResultGIR.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "gir/CLCGIRControl.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace {
// One GIR operation, under the API lock: mode 4, the controller on the
// stack, its steps and result values (fnRun), Terminate. An exception ends
// the run without Terminate and turns into E_FAIL with the log entry. A call
// that re-enters the thread's running operation is a fault at once, its lists
// holding the fatal row alone (as RunOperation for the other operations).
template <typename FnRun>
CLCCsvConvResultGIR* RunGIROperation(CLCCsvConvResultGIR* pResult, bool& bFaulted, const char* szFunction,
                                     FnRun fnRun)
{
    const CLCApiLock lock(CLCApiLock::Kind::Operation);
    if (!lock.Entered()) {
        CLC_LOG(szFunction, kUnexpectedError);
        pResult->put_Result("E_FAIL");
        pResult->clearDetailErrorInfo();
        pResult->addFileName(CLCValidResultGIR::kOtherFile);
        pResult->addDetailErrorInfo(CLCValidResultGIR::kFatalTextGIR);
        bFaulted = true;
        return pResult;
    }
    bool bFault = false;
    CLCCbCCommon::setExecMode(CLCCbCCommon::EXEC_MODE_GIR);
    try {
        CLCGIRControl control;
        CLCCsvConvDataCbC::RaiseFaultForTest(szFunction);
        fnRun(control, *pResult);
        control.Terminate();
    } catch (...) {
        bFault = true;
        CLC_LOG(szFunction, kUnexpectedError);
        pResult->put_Result("E_FAIL");
    }
    bFaulted = bFault;
    return pResult;
}
// Result first, so that a failure inside the transfer still leaves "E_FAIL";
// success empties the lists, so S_OK never comes with an earlier call's rows.
template <typename FnTransfer>
void PutOutcome(CLCCsvConvResultGIR& result, bool bSucceeded, FnTransfer fnTransferDetails)
{
    if (bSucceeded) {
        result.put_Result("S_OK");
        result.clearDetailErrorInfo();
        return;
    }
    result.put_Result("E_FAIL");
    fnTransferDetails();
}
} // namespace

CLCCsvConvResultGIR* CLCCsvConvDataCbC::ResultGIR()
{
    // Outside every guarded region: a failed allocation here leaves the operation.
    if (!m_pResultGIR)
        m_pResultGIR = std::make_unique<CLCCsvConvResultGIR>();
    return m_pResultGIR.get();
}

void CLCCsvConvDataCbC::SetErrorDetailInfoGIR()
{
    CLCGIRControl control;   // reaches the same collector; its end does not end the run
    control.MakeDatilErrorInfoGIR();
    const std::vector<std::string> vecFiles = control.getFileListGIR();
    const std::vector<std::string> vecDetails = control.getDetailErrorInfoListGIR();
    CLCCsvConvResultGIR* pResult = ResultGIR();
    pResult->clearDetailErrorInfo();
    if (vecFiles.size() != vecDetails.size()) {
        CLC_LOG(CLC_API_FUNCTION("SetErrorDetailInfoGIR"), "ファイル名数と詳細エラー情報数が不一致。");
        throw std::runtime_error("file and detail lists differ in length");
    }
    for (size_t i = 0; i < vecFiles.size(); ++i) {
        pResult->addFileName(vecFiles[i]);
        pResult->addDetailErrorInfo(vecDetails[i]);
    }
}

CLCCsvConvResultGIR* CLCCsvConvDataCbC::GIRCsvCheck(const char* szCsvFolderPath, const char* hojinNo)
{
    return RunGIROperation(ResultGIR(), m_bFaulted, CLC_API_FUNCTION("GIRCsvCheck"),
                           [&](CLCGIRControl& control, CLCCsvConvResultGIR& result) {
        const bool bOk = control.Initiarize() && control.InitForGIRCsvCheck(szCsvFolderPath, hojinNo)
                         && control.GIRCsvFileStructCheck(szCsvFolderPath)
                         && control.GIRCsvDataStructCheck(szCsvFolderPath) && control.ConvertGIRStructure()
                         && control.GIRValidXmlOccurs() && control.GIRValidExclusive()
                         && control.GIRValidSingleItem() && control.GIRValidCorrelation()
                         && control.GIRCsvFileIntegrityCheck();
        PutOutcome(result, bOk, [this] { SetErrorDetailInfoGIR(); });
        result.put_GIRData("");
    });
}

CLCCsvConvResultGIR* CLCCsvConvDataCbC::CsvConvGIRData(const char* szCsvFolderPath, const char* outputPathName)
{
    return RunGIROperation(ResultGIR(), m_bFaulted, CLC_API_FUNCTION("CsvConvGIRData"),
                           [&](CLCGIRControl& control, CLCCsvConvResultGIR& result) {
        std::string strXml;
        const bool bOk = control.Initiarize() && control.InitForCsvConvGIRData(szCsvFolderPath, outputPathName)
                         && control.GIRCsvFileStructCheck(szCsvFolderPath)
                         && control.GIRCsvDataStructCheck(szCsvFolderPath) && control.ConvertGIRStructure()
                         && control.GIRValidXmlOccurs() && control.GIRValidExclusive()
                         && control.GenarateXML(strXml);
        PutOutcome(result, bOk, [this] { SetErrorDetailInfoGIR(); });
        result.put_GIRData(bOk ? std::move(strXml) : std::string());
    });
}

CLCCsvConvResultGIR* CLCCsvConvDataCbC::GIRFolderCheck(const char* szCsvFolderPath)
{
    return RunGIROperation(ResultGIR(), m_bFaulted, CLC_API_FUNCTION("GIRFolderCheck"),
                           [&](CLCGIRControl& control, CLCCsvConvResultGIR& result) {
        std::string strNames;
        const bool bOk = control.Initiarize() && control.InitForGIRFolderCheck(szCsvFolderPath)
                         && control.GIRCsvFileStructCheck(szCsvFolderPath) && control.CheckTotalFileSize()
                         && control.GetFileName(szCsvFolderPath, strNames);
        PutOutcome(result, bOk, [this] { SetErrorDetailInfoGIR(); });
        result.put_FileName(bOk ? std::move(strNames) : std::string());
    });
}
