#pragma once
#include <functional>
#include <memory>
#include <string>

class CLCCbCCsvAppendixTable;
class CLCCbCCsvCbCReport;
class CLCCbCCsvFile;
class CLCCbCDefinition;
class CLCGIRCsvAppendixTable;

// The per-call pipeline behind every CbC, appendix-table and file operation.
// The facade makes one on the stack, runs one InitFor... step, then the steps
// of its road, takes GetErrorMsg and calls Terminate.
//
// Every step answers true to go on and false to stop. A step that fails has
// recorded its rows on the collector (CLCValidResult::instance()) before it
// returns; an unexpected failure is logged and recorded as the fatal row.
// Argument errors are recorded at line 9999 with the argument's 1-based
// position as column; file errors at line 0, column 0.
class CLCCbCDataManager {
public:
    CLCCbCDataManager();
    // Deletes the appendix-table CSV, the CbC report CSV and the GIR
    // appendix-table CSV, in that order.
    virtual ~CLCCbCDataManager();

    CLCCbCDataManager(const CLCCbCDataManager&) = delete;
    CLCCbCDataManager& operator=(const CLCCbCDataManager&) = delete;

    // Argument preparation. Each clears the collector, stores every non-null
    // argument trimmed and checks the stored values in argument order; every
    // bad argument is reported, a fatal result stops at once. An empty output
    // path is optional and never checked.
    bool InitForCheck(const char* szCsvPath);
    bool InitForReportIntegrityCheck(const char* szCsvPath, const char* szTodokede, const char* szCbC,
                                     const char* szMf, const char* szTodokedeHojinNo,
                                     const char* szCbCHojinNo, const char* szMfHojinNo);
    bool InitForMake(const char* szCsvPath, const char* szSoftName, const char* szSakuseiName,
                     const char* szOutputPath);
    bool InitForCbCReportIntegrityCheck(const char* szCsvPath, const char* szHojinNo);
    bool InitForMake2(const char* szCsvPath, const char* szOutputPath);
    bool InitForGIRApxTblCsvChk(const char* szCsvPath, const char* szTeikyouNo, const char* szHojinNo);
    // The limit is not stored: ReadXMLFile takes it again. Below -1 it is
    // reported as HE60009E at 9999/2, after any error of the path.
    bool InitForXml(const char* szXmlPath, long lLimitSize);
    bool InitForCsv(const char* szCsvPath);
    bool InitForCsvWrite(const char* szCsvPath);
    bool InitForFile(const char* szFilePath);

    // Loading: creates and keeps the CSV object and the definition. A root
    // name other than the road's own is a fatal error.
    bool LoadCsvWithDefinition(const char* szRootName, unsigned short usDefinitionId, bool bCheck);
    bool LoadCsvWithDefinition2(const char* szRootName, unsigned short usDefinitionId, bool bCheck);
    bool LoadCsvWithGIRApxTblDef(const char* szRootName, unsigned short usDefinitionId, bool bCheck);

    // Checks of the loaded CSV.
    bool ValidateCsv();
    bool ValidateCsv2();
    bool ValidateGIRApxTblCsv();
    bool ReportIntegrityCheck();
    bool CbCReportIntegrityCheck();
    bool GIRApxTblRptIntegrityChk();

    // Conversions: strXml receives the checked XML (also when it was written to
    // the output path); it is empty after a failure.
    // A conversion that fails always leaves a row (the fatal row when nothing
    // else explains it). MakeData2 first runs the country cross checks, so no
    // constituent entity is dropped or written twice.
    bool MakeData(std::string& strXml);
    bool MakeData2(std::string& strXml);
    bool MakeGIRApxTblData(std::string& strXml);

    // Writes the text to the path through the safe write of the platform layer:
    // a failure is HE60020E and leaves an existing file unchanged. A null or
    // empty text is a fatal error.
    bool OutputFileConvData(const char* szPath, const char* szText);

    // The collector's error text (consumes its rows).
    std::string GetErrorMsg();
    // Destroys the collector, so the next call starts with a fresh one.
    void Terminate();

    // File utilities (CLCCbCDataManagerFile.cpp). Outputs are written only on
    // success.

    // The XML file as ASCII text without a UTF-8 byte-order mark. A limit of -1
    // means none. HE60035E over the limit, HE60011E for any byte outside TAB,
    // LF, CR and 0x20..0x7E, HE00155E when the text is not well-formed (the
    // last two stand alone in the collector).
    bool ReadXMLFile(long lLimitSize, std::string& strText);
    // The CSV file decoded from Shift_JIS and entity-escaped, with the escaped
    // text's byte length in decimal. HE60035E from 19,922,945 bytes on.
    bool ReadCSVFile(std::string& strText, std::string& strSize);
    // Writes the caller's Shift_JIS text to the CSV path. HE60040E when its
    // folder does not exist (nothing written), HE60020E when the write fails.
    // A null text is a fatal error and leaves the file alone.
    bool WriteFileData(const char* szText);
    // The file at the file path as Base64 text.
    bool EncodeBase64(std::string& strText);
    // Lets the user choose a folder. Clears the collector first. A cancelled
    // choice answers true and leaves strPath untouched; a failing chooser is
    // HE60041E.
    bool GetFolderPath(const char* szInitialFolder, std::string& strPath);
    // The names of the folder's own files (no sub-folders), in byte order,
    // joined by "/". HE60041E when the folder cannot be listed.
    bool GetFileName(const char* szFolder, std::string& strNames);

private:
    // Runs one step; an exception ends it as the logged fatal row (false).
    static bool Guarded(const char* szFunction, const std::function<bool()>& fnStep);

    // OutputFileConvData's write of a text held in a string (no copy).
    static bool WriteOutput(const char* szPath, std::string& strText);

    // The report steps (CLCCbCDataManagerReport.cpp).
    // The checks of a generated text shared by the three conversions: the
    // definition's flag, the size limit, well-formedness, the output file.
    // strXml receives the text, or is emptied with a row recorded.
    bool FinishXml(const char* szFunction, bool bOk, std::string& strXml);
    // A conversion runs no field rules, so a value its writer cannot put into
    // the document is first met there and recorded at its record and column
    // (HE60011E, HE60009E). Each such row is replaced by the rows the road's
    // check definition (made by fnBuild) gives for the same record and
    // column, where it gives any, so that the user reads what the check
    // says. Rows without a record, and all rows when the check cannot be
    // made, stay as they are.
    void ExplainRefusedValues(CLCCbCCsvFile* pCsv, const std::function<bool(CLCCbCDefinition&)>& fnBuild);
    // The cross checks of the CbC report CSV in their order (those of the
    // second schema only under 209). bCountriesOnly: only the checks that
    // keep every constituent entity in exactly one CbcReports element.
    // False when any failed; at once after a fatal one.
    bool RunCrossChecks(bool bCountriesOnly);

    unsigned short m_usDefinitionId = 0;
    std::string m_strCsvPath;
    std::string m_strSoftName;
    std::string m_strSakuseiName;
    std::string m_strOutputPath;
    // Content flags ("1" present, "2" absent) of the final parent company, the
    // country report and the business overview, and their corporate numbers.
    std::string m_strTodokede;
    std::string m_strCbC;
    std::string m_strMf;
    std::string m_strTodokedeHojinNo;
    std::string m_strCbCHojinNo;
    std::string m_strMfHojinNo;
    std::unique_ptr<CLCCbCCsvAppendixTable> m_pCsvAppendixTable;
    std::unique_ptr<CLCCbCCsvCbCReport> m_pCsvCbCReport;
    std::string m_strHojinNo;          // reporting corporate number of the CbC report
    std::string m_strXmlPath;
    std::unique_ptr<CLCGIRCsvAppendixTable> m_pGIRCsvAppendixTable;
    std::string m_strGIRTeikyouNo;
    std::string m_strGIRHojinNo;
    std::string m_strFilePath;
    // Created by a loading step; destroyed after the CSV objects.
    std::unique_ptr<CLCCbCDefinition> m_pDefinition;
};
