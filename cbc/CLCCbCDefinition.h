#pragma once
#include <memory>
#include <string>
#include <vector>

class CLCCbCCsvCbCReport;
class CLCCbCCsvFile;
class CLCCbCDataDefReport;
class CLCXDom;

// One CbC definition file (ids 203 to 206, 208, 209, 213, 214) built into a
// tree of definition nodes, then used once: to validate every record of a CSV
// that the data manager has read, or to write the XML text of a conversion.
//
// The definition owns its report nodes; it borrows the CSV objects it is
// given. Unexpected failures (null argument, missing definition file, an id
// the operation does not serve, a bad definition, an exception) record the
// collector's fatal row and a log entry: a build answers false, a validation
// 1, a writer clears the ok flag and answers "". Data errors are recorded as
// rows by the rules and checks that find them.
class CLCCbCDefinition {
public:
    CLCCbCDefinition();
    virtual ~CLCCbCDefinition();

    CLCCbCDefinition(const CLCCbCDefinition&) = delete;
    CLCCbCDefinition& operator=(const CLCCbCDefinition&) = delete;

    // Appendix table AIA120 from 203 (check) or 204 (conversion). The names
    // are written on every output page.
    bool CreateDefinition(const char* szReportId, unsigned short usDefinitionId, const char* szSoftNM,
                          const char* szSakuseiNM, bool bValidate);
    // CbC report from 205 or 209 (check) or 206 or 208 (conversion). The nodes
    // borrow the CSV for the values of the root and of currCode attributes.
    bool CreateDefinition2(const char* szRootName, unsigned short usDefinitionId, CLCCbCCsvCbCReport* pCsv,
                           bool bValidate);
    // GIR appendix table AIA540 from 214 (check) or 213 (conversion).
    bool CreateGIRApxTblDef(const char* szReportId, unsigned short usDefinitionId, const char* szSoftNM,
                            const char* szSakuseiNM, bool bValidate);

    // Every record against the rules; a record that passes is filed into the
    // CSV's sections. 0 all passed, 1 fatal, else the message of the last
    // record that failed.
    unsigned ValidateCsv(CLCCbCCsvFile* pCsv);
    // As ValidateCsv, each record by the report of its kind (column 1).
    unsigned ValidateCsv2(CLCCbCCsvFile* pCsv);
    // The rules of one record (0-based), by the report of its kind in a CbC
    // report definition; nothing is filed. 0 passed, 1 fatal, else the last
    // message the record's rules reported.
    unsigned ValidateRecord(CLCCbCCsvFile* pCsv, long lRecord);

    // The XML fragment (no declaration) of a conversion; "" with the ok flag
    // cleared on failure. The ok flag is only ever cleared here.
    std::string MakeReportData(CLCCbCCsvFile* pCsv, bool* pOk);
    std::string MakeReportData2(CLCCbCCsvFile* pCsv, bool* pOk);
    std::string MakeGIRApxTblData(CLCCbCCsvFile* pCsv, bool* pOk);

private:
    // The appendix build shared by AIA120 and AIA540.
    bool BuildAppendix(const char* szFunction, const char* szReportId, unsigned short usDefinitionId,
                       const char* szSoftNM, const char* szSakuseiNM, bool bValidate, bool bGIR);
    // Builds the "item" children of the DOM's current "report" element into
    // the report node (CbC kinds when bReportKinds), placed as a tree by
    // "parent" (bForMake) or as a flat list. The cursor ends on the report
    // element. False after recording the fatal row.
    static bool PlaceItems(const char* szFunction, CLCXDom& dom, CLCCbCDataDefReport& report, bool bForMake,
                           bool bValidate, bool bReportKinds, CLCCbCCsvCbCReport* pCsvReport);
    // From the first node of a parsed document to its root element.
    static bool MoveToRoot(CLCXDom& dom);
    // Files every record into the CSV's sections; false after a row.
    static bool DistributeAll(CLCCbCCsvFile* pCsv);
    // ValidateCsv and ValidateCsv2: every record's rules, a record that passes
    // filed; szFunction names the caller in a log entry.
    unsigned ValidateRecords(const char* szFunction, CLCCbCCsvFile* pCsv);

    std::unique_ptr<CLCCbCDataDefReport> m_pReport;   // appendix tables
    std::string m_strProcId;
    std::string m_strProcVR;
    std::string m_strReportId;
    std::string m_strReportVR;
    long m_lPageRec = 0;
    std::vector<std::unique_ptr<CLCCbCDataDefReport>> m_vReports;   // CbC report, by record kind
    std::string m_strRootNode;
    std::string m_strDumyFlg;
    std::string m_strAttr;
    std::string m_strAttrValueRec;
    long m_lAttrValueColumn = -1;
    unsigned short m_nDefinitionId = 0;
};
