#pragma once
#include "cbc/CLCCbCCsvAppendixTable.h"
#include "gir/CLCGIRAppendixTable.h"

// The GIR appendix-table CSV of form AIA540: five columns per record, every
// record in the one GIR section. Reading, numbering, the record bounds and the
// corporate-number overlap check are those of the AIA120 table; its three
// CbC sections stay empty.
class CLCGIRCsvAppendixTable : public CLCCbCCsvAppendixTable {
public:
    CLCGIRCsvAppendixTable();
    ~CLCGIRCsvAppendixTable() override;

    // Exactly five columns, or a blank line; HE60012E at 0/0 otherwise.
    bool ValidateRecord(std::vector<std::string>& vecColumns) override;
    bool DistributeRecord(long lIndex) override;
    CLCGIRAppendixTable* GetGIRAppendixTable() override { return &m_GIRAppendixTable; }

private:
    CLCGIRAppendixTable m_GIRAppendixTable;
};
