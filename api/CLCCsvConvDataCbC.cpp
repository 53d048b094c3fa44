#include "api/CLCCsvConvDataCbC.h"
#include "api/CLCCsvConvResultCbC.h"
#include "api/CLCCsvConvResultGIR.h"
#include "cbc/CLCCbCDataManager.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCDebugDump.h"

#include <xercesc/util/PlatformUtils.hpp>
#include <xercesc/util/XMLUni.hpp>

#include <string>
#include <utility>

namespace {

using XERCES_CPP_NAMESPACE::XMLPlatformUtils;
using XERCES_CPP_NAMESPACE::XMLUni;
using Mode = CLCCbCCommon::EXEC_MODE;

constexpr const char* kUnexpected = "想定しないエラーが発生しました。";

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

void RaiseTestFault(const char* szFunction)
{
    if (TestFaultHook())
        TestFaultHook()(szFunction);
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
    CLC_LOG(szFunction, kUnexpected);
    result.putResult("E_FAIL");
}

std::string OnSuccess(bool bSucceeded, std::string& strData)
{
    return bSucceeded ? std::move(strData) : std::string();
}

} // namespace

CLCCsvConvDataCbC::CLCCsvConvDataCbC()
{
    CLCDebugDump::InitDebugDump();
    XMLPlatformUtils::Initialize(XMLUni::fgXercescDefaultLocale, nullptr, nullptr, nullptr);
}

CLCCsvConvDataCbC::~CLCCsvConvDataCbC()
{
    XMLPlatformUtils::Terminate();
    m_pResultCbC.reset();
    m_pResultGIR.reset();
}

void CLCCsvConvDataCbC::SetFaultHookForTest(FaultHook fnHook)
{
    TestFaultHook() = std::move(fnHook);
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
    static constexpr const char* kFunction = "CLCCsvConvDataCbC::AppendixTableCsvCheck";
    CLCCsvConvResultCbC* pResult = ResultCbC();
    CLCCbCCommon::setExecMode(Mode::EXEC_MODE_APPENDIX_TABLE);
    try {
        CLCCbCDataManager manager;
        RaiseTestFault(kFunction);
        const bool bOk = manager.InitForCheck(szCsvPath)
                         && manager.LoadCsvWithDefinition(kAppendixTableRoot, kAppendixTableCheck, kCheckRoad)
                         && manager.ValidateCsv();
        PutOutcome(*pResult, manager, bOk);
        pResult->putAppendixTableData("");
        manager.Terminate();
    } catch (...) {
        PutUnexpected(*pResult, kFunction);
    }
    return pResult;
}

CLCCsvConvResultCbC* CLCCsvConvDataCbC::ReportIntegrityCheck(const char* szCsvPath, const char* todokede,
                                                             const char* cbc, const char* mf,
                                                             const char* todokedeHojinNo,
                                                             const char* cbCHojinNo, const char* mfHojinNo)
{
    static constexpr const char* kFunction = "CLCCsvConvDataCbC::ReportIntegrityCheck";
    CLCCsvConvResultCbC* pResult = ResultCbC();
    CLCCbCCommon::setExecMode(Mode::EXEC_MODE_APPENDIX_TABLE);
    try {
        CLCCbCDataManager manager;
        RaiseTestFault(kFunction);
        const bool bOk = manager.InitForReportIntegrityCheck(szCsvPath, todokede, cbc, mf, todokedeHojinNo,
                                                             cbCHojinNo, mfHojinNo)
                         && manager.LoadCsvWithDefinition(kAppendixTableRoot, kAppendixTableCheck, kCheckRoad)
                         && manager.ValidateCsv()
                         && manager.ReportIntegrityCheck();
        PutOutcome(*pResult, manager, bOk);
        pResult->putAppendixTableData("");
        manager.Terminate();
    } catch (...) {
        PutUnexpected(*pResult, kFunction);
    }
    return pResult;
}

CLCCsvConvResultCbC* CLCCsvConvDataCbC::CsvConvAppendixTableData(const char* szCsvPath, const char* softName,
                                                                 const char* sakuseiName,
                                                                 const char* outputPathName)
{
    static constexpr const char* kFunction = "CLCCsvConvDataCbC::CsvConvAppendixTableData";
    CLCCsvConvResultCbC* pResult = ResultCbC();
    CLCCbCCommon::setExecMode(Mode::EXEC_MODE_APPENDIX_TABLE);
    try {
        CLCCbCDataManager manager;
        std::string strXml;
        RaiseTestFault(kFunction);
        const bool bOk = manager.InitForMake(szCsvPath, softName, sakuseiName, outputPathName)
                         && manager.LoadCsvWithDefinition(kAppendixTableRoot, kAppendixTableConv, kConversionRoad)
                         && manager.MakeData(strXml);
        PutOutcome(*pResult, manager, bOk);
        pResult->putAppendixTableData(OnSuccess(bOk, strXml));
        manager.Terminate();
    } catch (...) {
        PutUnexpected(*pResult, kFunction);
    }
    return pResult;
}

CLCCsvConvResultCbC* CLCCsvConvDataCbC::CbCReportCsvCheck(const char* szCsvPath)
{
    static constexpr const char* kFunction = "CLCCsvConvDataCbC::CbCReportCsvCheck";
    CLCCsvConvResultCbC* pResult = ResultCbC();
    CLCCbCCommon::setExecMode(Mode::EXEC_MODE_CBC_REPORT);
    try {
        CLCCbCDataManager manager;
        RaiseTestFault(kFunction);
        const bool bOk = manager.InitForCheck(szCsvPath)
                         && manager.LoadCsvWithDefinition2(kCbCReportRoot, kCbCReportCheck, kCheckRoad)
                         && manager.ValidateCsv2();
        PutOutcome(*pResult, manager, bOk);
        pResult->putCbCReportData("");
        manager.Terminate();
    } catch (...) {
        PutUnexpected(*pResult, kFunction);
    }
    return pResult;
}

CLCCsvConvResultCbC* CLCCsvConvDataCbC::CbCReportIntegrityCheck(const char* szCsvPath, const char* hojinNo)
{
    static constexpr const char* kFunction = "CLCCsvConvDataCbC::CbCReportIntegrityCheck";
    CLCCsvConvResultCbC* pResult = ResultCbC();
    CLCCbCCommon::setExecMode(Mode::EXEC_MODE_CBC_REPORT);
    try {
        CLCCbCDataManager manager;
        RaiseTestFault(kFunction);
        const bool bOk = manager.InitForCbCReportIntegrityCheck(szCsvPath, hojinNo)
                         && manager.LoadCsvWithDefinition2(kCbCReportRoot, kCbCReportCheck, kCheckRoad)
                         && manager.ValidateCsv2()
                         && manager.CbCReportIntegrityCheck();
        PutOutcome(*pResult, manager, bOk);
        pResult->putCbCReportData("");
        manager.Terminate();
    } catch (...) {
        PutUnexpected(*pResult, kFunction);
    }
    return pResult;
}

CLCCsvConvResultCbC* CLCCsvConvDataCbC::CsvConvCbCReportData(const char* szCsvPath, const char* outputPathName)
{
    static constexpr const char* kFunction = "CLCCsvConvDataCbC::CsvConvCbCReportData";
    CLCCsvConvResultCbC* pResult = ResultCbC();
    CLCCbCCommon::setExecMode(Mode::EXEC_MODE_CBC_REPORT);
    try {
        CLCCbCDataManager manager;
        std::string strXml;
        RaiseTestFault(kFunction);
        const bool bOk = manager.InitForMake2(szCsvPath, outputPathName)
                         && manager.LoadCsvWithDefinition2(kCbCReportRoot, kCbCReportConv, kConversionRoad)
                         && manager.MakeData2(strXml);
        PutOutcome(*pResult, manager, bOk);
        pResult->putCbCReportData(OnSuccess(bOk, strXml));
        manager.Terminate();
    } catch (...) {
        PutUnexpected(*pResult, kFunction);
    }
    return pResult;
}

CLCCsvConvResultCbC* CLCCsvConvDataCbC::ReadXMLFile(const char* szXmlPath, long limitSize)
{
    static constexpr const char* kFunction = "CLCCsvConvDataCbC::ReadXMLFile";
    CLCCsvConvResultCbC* pResult = ResultCbC();
    CLCCbCCommon::setExecMode(Mode::EXEC_MODE_FILE);
    try {
        CLCCbCDataManager manager;
        std::string strText;
        RaiseTestFault(kFunction);
        // The preparation step does not keep the limit: the read takes it again.
        const bool bOk = manager.InitForXml(szXmlPath, limitSize)
                         && manager.ReadXMLFile(limitSize, strText);
        PutOutcome(*pResult, manager, bOk);
        pResult->putXMLData(OnSuccess(bOk, strText));
        manager.Terminate();
    } catch (...) {
        PutUnexpected(*pResult, kFunction);
    }
    return pResult;
}

CLCCsvConvResultCbC* CLCCsvConvDataCbC::CbCReportCsvCheck2(const char* szCsvPath)
{
    static constexpr const char* kFunction = "CLCCsvConvDataCbC::CbCReportCsvCheck2";
    CLCCsvConvResultCbC* pResult = ResultCbC();
    CLCCbCCommon::setExecMode(Mode::EXEC_MODE_CBC_REPORT2);
    try {
        CLCCbCDataManager manager;
        RaiseTestFault(kFunction);
        const bool bOk = manager.InitForCheck(szCsvPath)
                         && manager.LoadCsvWithDefinition2(kCbCReportRoot, kCbCReportCheck2, kCheckRoad)
                         && manager.ValidateCsv2();
        PutOutcome(*pResult, manager, bOk);
        pResult->putCbCReportData("");
        manager.Terminate();
    } catch (...) {
        PutUnexpected(*pResult, kFunction);
    }
    return pResult;
}

CLCCsvConvResultCbC* CLCCsvConvDataCbC::CbCReportIntegrityCheck2(const char* szCsvPath, const char* hojinNo)
{
    static constexpr const char* kFunction = "CLCCsvConvDataCbC::CbCReportIntegrityCheck2";
    CLCCsvConvResultCbC* pResult = ResultCbC();
    CLCCbCCommon::setExecMode(Mode::EXEC_MODE_CBC_REPORT2);
    try {
        CLCCbCDataManager manager;
        RaiseTestFault(kFunction);
        const bool bOk = manager.InitForCbCReportIntegrityCheck(szCsvPath, hojinNo)
                         && manager.LoadCsvWithDefinition2(kCbCReportRoot, kCbCReportCheck2, kCheckRoad)
                         && manager.ValidateCsv2()
                         && manager.CbCReportIntegrityCheck();
        PutOutcome(*pResult, manager, bOk);
        pResult->putCbCReportData("");
        manager.Terminate();
    } catch (...) {
        PutUnexpected(*pResult, kFunction);
    }
    return pResult;
}

CLCCsvConvResultCbC* CLCCsvConvDataCbC::CsvConvCbCReportData2(const char* szCsvPath, const char* outputPathName)
{
    static constexpr const char* kFunction = "CLCCsvConvDataCbC::CsvConvCbCReportData2";
    CLCCsvConvResultCbC* pResult = ResultCbC();
    CLCCbCCommon::setExecMode(Mode::EXEC_MODE_CBC_REPORT2);
    try {
        CLCCbCDataManager manager;
        std::string strXml;
        RaiseTestFault(kFunction);
        const bool bOk = manager.InitForMake2(szCsvPath, outputPathName)
                         && manager.LoadCsvWithDefinition2(kCbCReportRoot, kCbCReportConv2, kConversionRoad)
                         && manager.MakeData2(strXml);
        PutOutcome(*pResult, manager, bOk);
        pResult->putCbCReportData(OnSuccess(bOk, strXml));
        manager.Terminate();
    } catch (...) {
        PutUnexpected(*pResult, kFunction);
    }
    return pResult;
}

CLCCsvConvResultCbC* CLCCsvConvDataCbC::GIRAppendixTableCsvCheck(const char* szCsvPath, const char* teikyouNo,
                                                                 const char* hojinNo)
{
    static constexpr const char* kFunction = "GIRAppendixTableCsvCheck";
    CLCCsvConvResultCbC* pResult = ResultCbC();
    CLCCbCCommon::setExecMode(Mode::EXEC_MODE_GIR_APPENDIX_TABLE);
    try {
        CLCCbCDataManager manager;
        RaiseTestFault(kFunction);
        const bool bOk = manager.InitForGIRApxTblCsvChk(szCsvPath, teikyouNo, hojinNo)
                         && manager.LoadCsvWithGIRApxTblDef(kGIRAppendixTableRoot, kGIRAppendixTableCheck,
                                                            kCheckRoad)
                         && manager.ValidateGIRApxTblCsv()
                         && manager.GIRApxTblRptIntegrityChk();
        PutOutcome(*pResult, manager, bOk);
        pResult->put_GIRAppendixTableData("");
        manager.Terminate();
    } catch (...) {
        PutUnexpected(*pResult, kFunction);
    }
    return pResult;
}

CLCCsvConvResultCbC* CLCCsvConvDataCbC::CsvConvGIRAppendixTableData(const char* szCsvPath, const char* softName,
                                                                    const char* sakuseiName,
                                                                    const char* outputPathName)
{
    static constexpr const char* kFunction = "CsvConvGIRAppendixTableData";
    CLCCsvConvResultCbC* pResult = ResultCbC();
    CLCCbCCommon::setExecMode(Mode::EXEC_MODE_GIR_APPENDIX_TABLE);
    try {
        CLCCbCDataManager manager;
        std::string strXml;
        RaiseTestFault(kFunction);
        const bool bOk = manager.InitForMake(szCsvPath, softName, sakuseiName, outputPathName)
                         && manager.LoadCsvWithGIRApxTblDef(kGIRAppendixTableRoot, kGIRAppendixTableConv,
                                                            kConversionRoad)
                         && manager.MakeGIRApxTblData(strXml);
        PutOutcome(*pResult, manager, bOk);
        pResult->put_GIRAppendixTableData(OnSuccess(bOk, strXml));
        manager.Terminate();
    } catch (...) {
        PutUnexpected(*pResult, kFunction);
    }
    return pResult;
}

CLCCsvConvResultCbC* CLCCsvConvDataCbC::GetFolderPath(const char* szInitialFolder)
{
    static constexpr const char* kFunction = "GetFolderPath";
    CLCCsvConvResultCbC* pResult = ResultCbC();
    CLCCbCCommon::setExecMode(Mode::EXEC_MODE_FILE);
    try {
        CLCCbCDataManager manager;
        std::string strFolder;
        std::string strFileName;
        RaiseTestFault(kFunction);
        // No folder chosen (the dialog was cancelled): nothing to list.
        const bool bOk = manager.GetFolderPath(szInitialFolder, strFolder)
                         && (strFolder.empty() || manager.GetFileName(strFolder.c_str(), strFileName));
        if (bOk) {
            pResult->putResult(strFolder.empty() ? "S_FALSE" : "S_OK");
            pResult->putDetailErrorInfo("");
            pResult->put_FolderPath(std::move(strFolder));
            pResult->put_FileName(std::move(strFileName));
        } else {
            PutOutcome(*pResult, manager, false);
            pResult->put_FolderPath("");
            pResult->put_FileName("");
        }
        manager.Terminate();
    } catch (...) {
        PutUnexpected(*pResult, kFunction);
    }
    return pResult;
}

CLCCsvConvResultCbC* CLCCsvConvDataCbC::ReadCSVFile(const char* szCsvPath)
{
    static constexpr const char* kFunction = "ReadCSVFile";
    CLCCsvConvResultCbC* pResult = ResultCbC();
    CLCCbCCommon::setExecMode(Mode::EXEC_MODE_FILE);
    try {
        CLCCbCDataManager manager;
        std::string strCsv;
        std::string strSize;
        RaiseTestFault(kFunction);
        const bool bOk = manager.InitForCsv(szCsvPath)
                         && manager.ReadCSVFile(strCsv, strSize);
        PutOutcome(*pResult, manager, bOk);
        pResult->put_CsvData(OnSuccess(bOk, strCsv));
        pResult->put_CsvDataSize(OnSuccess(bOk, strSize));
        manager.Terminate();
    } catch (...) {
        PutUnexpected(*pResult, kFunction);
    }
    return pResult;
}

CLCCsvConvResultCbC* CLCCsvConvDataCbC::CbCCsvWrite(const char* szCsvPath, const char* writeData)
{
    static constexpr const char* kFunction = "CbCCsvWrite";
    CLCCsvConvResultCbC* pResult = ResultCbC();
    CLCCbCCommon::setExecMode(Mode::EXEC_MODE_FILE);
    try {
        CLCCbCDataManager manager;
        RaiseTestFault(kFunction);
        const bool bOk = manager.InitForCsvWrite(szCsvPath)
                         && manager.WriteFileData(writeData);
        PutOutcome(*pResult, manager, bOk);
        manager.Terminate();
    } catch (...) {
        PutUnexpected(*pResult, kFunction);
    }
    return pResult;
}

CLCCsvConvResultCbC* CLCCsvConvDataCbC::ReadFile(const char* szFilePath)
{
    static constexpr const char* kFunction = "ReadFile";
    CLCCsvConvResultCbC* pResult = ResultCbC();
    CLCCbCCommon::setExecMode(Mode::EXEC_MODE_FILE);
    try {
        CLCCbCDataManager manager;
        std::string strBase64;
        RaiseTestFault(kFunction);
        const bool bOk = manager.InitForFile(szFilePath)
                         && manager.EncodeBase64(strBase64);
        PutOutcome(*pResult, manager, bOk);
        pResult->put_Base64Data(OnSuccess(bOk, strBase64));
        manager.Terminate();
    } catch (...) {
        PutUnexpected(*pResult, kFunction);
    }
    return pResult;
}
