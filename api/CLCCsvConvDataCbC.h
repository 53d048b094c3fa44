#pragma once
#include <functional>
#include <memory>

class CLCCsvConvResultCbC;
class CLCCsvConvResultGIR;

// The conversion API: one member per operation, each running one fixed pipeline
// of CLCCbCDataManager in its execution mode and answering with a result object.
//
// Ownership: the API object makes one result object of each kind on first use
// and returns that same pointer, refilled, from every later operation of the
// kind; the caller never deletes it and must not rely on its contents after the
// next call. An operation writes only its own properties: Result and
// DetailErrorInfo ("" on success, the numbered error text on failure) and its
// data property (empty on failure); the others keep what earlier calls wrote.
//
// Text arguments are UTF-8 (CbCCsvWrite's writeData: Shift_JIS, written byte for
// byte) and are passed to the pipeline unchanged, null included. Nothing but a
// failed allocation of the result object itself leaves an operation as an
// exception: anything else is logged ("想定しないエラーが発生しました。") and
// answered with Result "E_FAIL".
//
// The XML library is initialised by the constructor (which throws when it
// cannot be) and terminated by the destructor, once per API object.
//
// Threads: operations on any API objects share process-wide state, so each
// operation, constructor and destructor holds one process-wide lock from
// start to end; calls from other threads wait. An operation called on a
// thread whose operation is still running (a message loop inside it) is
// answered at once as a fault: logged, Result "E_FAIL" and the fatal row
// (DetailErrorInfo "0000-00000-HE60000E"; for the GIR result the lists hold
// "その他" with "00000000-00000-HE60000E" alone), other properties untouched.
// One API object serves one thread at a time: its results are refilled.
class CLCCsvConvDataCbC {
public:
    CLCCsvConvDataCbC();
    ~CLCCsvConvDataCbC();

    // Copies would share the result objects.
    CLCCsvConvDataCbC(const CLCCsvConvDataCbC&) = delete;
    CLCCsvConvDataCbC& operator=(const CLCCsvConvDataCbC&) = delete;

    // Appendix table AIA120 (mode 1); data property AppendixTableData.
    CLCCsvConvResultCbC* AppendixTableCsvCheck(const char* szCsvPath);
    CLCCsvConvResultCbC* ReportIntegrityCheck(const char* szCsvPath, const char* todokede, const char* cbc,
                                              const char* mf, const char* todokedeHojinNo,
                                              const char* cbCHojinNo, const char* mfHojinNo);
    CLCCsvConvResultCbC* CsvConvAppendixTableData(const char* szCsvPath, const char* softName,
                                                  const char* sakuseiName, const char* outputPathName);

    // CbC report, first schema (mode 2); data property CbCReportData.
    CLCCsvConvResultCbC* CbCReportCsvCheck(const char* szCsvPath);
    CLCCsvConvResultCbC* CbCReportIntegrityCheck(const char* szCsvPath, const char* hojinNo);
    CLCCsvConvResultCbC* CsvConvCbCReportData(const char* szCsvPath, const char* outputPathName);

    // XML file read back (mode 6); data property XMLData. -1: no size limit.
    CLCCsvConvResultCbC* ReadXMLFile(const char* szXmlPath, long limitSize);

    // CbC report, second schema (mode 3); data property CbCReportData.
    CLCCsvConvResultCbC* CbCReportCsvCheck2(const char* szCsvPath);
    CLCCsvConvResultCbC* CbCReportIntegrityCheck2(const char* szCsvPath, const char* hojinNo);
    CLCCsvConvResultCbC* CsvConvCbCReportData2(const char* szCsvPath, const char* outputPathName);

    // GIR appendix table AIA540 (mode 5); data property GIRAppendixTableData.
    CLCCsvConvResultCbC* GIRAppendixTableCsvCheck(const char* szCsvPath, const char* teikyouNo,
                                                  const char* hojinNo);
    CLCCsvConvResultCbC* CsvConvGIRAppendixTableData(const char* szCsvPath, const char* softName,
                                                     const char* sakuseiName, const char* outputPathName);

    // GIR folder of CSV files (mode 4); the GIR result with its two lists,
    // entry i of the file names belonging to entry i of the detail texts.
    CLCCsvConvResultGIR* GIRCsvCheck(const char* szCsvFolderPath, const char* hojinNo);
    CLCCsvConvResultGIR* CsvConvGIRData(const char* szCsvFolderPath, const char* outputPathName);
    CLCCsvConvResultGIR* GIRFolderCheck(const char* szCsvFolderPath);

    // File utilities (mode 6).
    // Result "S_FALSE" ("S_OK" in the Windows build) with empty FolderPath and
    // FileName when no folder was chosen; FileName: the chosen folder's own files joined by "/".
    CLCCsvConvResultCbC* GetFolderPath(const char* szInitialFolder);
    // CsvData: the decoded, entity-escaped text; CsvDataSize: its byte length.
    CLCCsvConvResultCbC* ReadCSVFile(const char* szCsvPath);
    // Writes only Result and DetailErrorInfo.
    CLCCsvConvResultCbC* CbCCsvWrite(const char* szCsvPath, const char* writeData);
    // Base64Data: the file as Base64 text.
    CLCCsvConvResultCbC* ReadFile(const char* szFilePath);

    // Whether the latest operation on this object ended in its catch-all (an
    // exception, logged and answered "E_FAIL"), for a binding that must tell
    // that apart from a failed check.
    bool LastOperationFaulted() const;

    // Tests only: called with the operation's function text inside the guarded
    // region, just before the first step, so a test can throw there. An empty
    // function removes it.
    using FaultHook = std::function<void(const char* szFunction)>;
    static void SetFaultHookForTest(FaultHook fnHook);
    // Runs the hook, when one is set, with the function text.
    static void RaiseFaultForTest(const char* szFunction);

private:
    CLCCsvConvResultCbC* ResultCbC();
    CLCCsvConvResultGIR* ResultGIR();
    // Copies the collector's per-file detail texts into the GIR result; lists
    // of unequal length are logged and thrown.
    void SetErrorDetailInfoGIR();

    std::unique_ptr<CLCCsvConvResultCbC> m_pResultCbC;
    std::unique_ptr<CLCCsvConvResultGIR> m_pResultGIR;
    bool m_bFaulted = false;
};
