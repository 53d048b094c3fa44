#pragma once
#include "cbc/CLCCbCCsvFile.h"
#include <memory>
#include <string>
#include <vector>

class CLCGIRCsvData;

// The CSV files of one GIR run, parsed one after the other and kept in the
// order of parsing.
class CLCGIRCsvDataManager {
public:
    CLCGIRCsvDataManager();
    virtual ~CLCGIRCsvDataManager();
    CLCGIRCsvDataManager(const CLCGIRCsvDataManager&) = delete;
    CLCGIRCsvDataManager& operator=(const CLCGIRCsvDataManager&) = delete;

    // Drops a pending file and reads a new one: its text, or null when the read
    // failed (nothing is then pending; GetLastReadStatus tells why).
    const char* ReadCSVFile(const std::string& strPath);
    // Parses the pending file and keeps it: the parsed file, or null when
    // nothing is pending or the parse failed (the file then stays pending).
    // nKeepRecords: see CLCGIRCsvData::Parse.
    CLCGIRCsvData* ParseCSVFile(size_t nKeepRecords = static_cast<size_t>(-1));
    int GetCsvFileNumber() const { return static_cast<int>(m_vCsvData.size()); }
    // Null for an index outside the parsed files.
    CLCGIRCsvData* GetCsvData(int nIndex) const;
    CLCCbCCsvFile::CsvText GetLastReadStatus() const { return m_eLastReadStatus; }

private:
    std::unique_ptr<CLCGIRCsvData> m_pReadCsvData;
    std::vector<std::unique_ptr<CLCGIRCsvData>> m_vCsvData;
    CLCCbCCsvFile::CsvText m_eLastReadStatus = CLCCbCCsvFile::CsvText::Ok;
};
