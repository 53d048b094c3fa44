#pragma once
#include "gir/CLCFileInfo.h"
#include "gir/CLCGIRValidator.h"
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class CLCGIRCsvData;
class CLCGIRDataManager;

// The structure check of every CSV file of a GIR folder that passed its layout
// check. Puts the body files into their fixed order (FilingInfo,
// GeneralSection, Summary 1..n, JurisdictionSection 1..n, UTPRAttribution
// 1..n), reads and parses each file through the GIR data manager, which keeps
// the parsed files in that order for the container tree, and checks the text,
// the records and columns 1 and 6. Rows go to the GIR collector under the
// file's name (record number as line where a record is concerned).
//
// The folder list belongs to the controller; this check reorders its
// sub-folder part. Every operation catches what it meets: fatal row, false.
class CLCGIRValidCsvStruct : public CLCGIRValidator {
public:
    // Records above which a single file, and the whole return, are refused.
    static constexpr long kMaxFileRecords = 999998;
    static constexpr long kMaxTotalRecords = 999999;

    explicit CLCGIRValidCsvStruct(std::vector<CLCFileInfo_t>* pFileInfo);
    ~CLCGIRValidCsvStruct() override;

    // Initialize, CheckTotalFileSize, ValidCsvFile, ValidAllCsvFiles; the
    // first false ends it.
    bool ValidateCsvStruct(const char* szFolder);
    bool Initialize(const char* szFolder);
    // The files of the list together within the size limit, else the folder
    // check's row (HE60035E).
    bool CheckTotalFileSize();
    // Reads every file of the list: unreadable (HE60006E), not Shift_JIS
    // (HE60011E), a NUL byte (HE60012E), a forbidden substring (HE60011E,
    // nothing else from that file), a record not of six columns (HE60012E,
    // once), no six-column record (HE60013E). True when nothing was recorded.
    bool ValidCsvFile();
    // Element names in the element list (HE60046E, column 1), hierarchy
    // numbers in range (HE60047E, column 6) and the record limits (HE60045E).
    bool ValidAllCsvFiles();
    // One or two digits, within 6..18 in the message header and 7..18 elsewhere.
    bool ValidCsvItemHierarchyNumberRange(const std::string& strFileName, const std::string& strNumber);

private:
    // Checks the records of one parsed file; false when a row was recorded.
    bool ValidRecords(CLCGIRCsvData& data, const std::string& strFileName);

    CLCGIRDataManager* m_pDataManager = nullptr;
    std::string m_strFolderPath;
    std::vector<CLCFileInfo_t>* m_pFileInfo;
    long m_lRefFolderCount = 0;
    std::vector<std::string> m_vNGString;
    // Element name: in the element list. The names are held by the deque,
    // which never moves them, so a record's name is looked up without a copy.
    std::deque<std::string> m_dequeName;
    std::unordered_map<std::string_view, bool> m_mapKnownName;
};

// Body files in their fixed order: by the number of their first two
// characters, then by the number between the last "_" and the last ".".
bool compStructFilename(const CLCFileInfo_t& a, const CLCFileInfo_t& b);
