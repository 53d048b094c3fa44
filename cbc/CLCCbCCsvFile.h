#pragma once
#include "foundation/CLCCbCMessage.h"
#include <memory>
#include <string>
#include <vector>

class CLCCbCAppendixTable;
class CLCCbCCbCReport;
class CLCCbCRecordData;
class CLCGIRAppendixTable;

// Base of every parsed CSV file. It owns the one CSV dialect of the system:
// ReadFile reads and decodes a Shift_JIS file, Parse splits the text into
// fields and hands each to the subclass's ColumnTerm, which keeps the record.
// The record table holds a copy of every kept record's columns in file order;
// the subclass keeps the matching CLCCbCRecordData objects at the same index.
//
// Failures are recorded in CLCValidResult::instance(): a file that cannot be
// read records the fatal row; a NUL byte records HE60012E and bytes that are
// not Shift_JIS (CP932) record HE60011E, both at line 0, column 0.
class CLCCbCCsvFile {
public:
    // What LoadCsvText found in a file.
    enum class CsvText { Ok, Unreadable, Empty, HasNul, NotShiftJis };

    CLCCbCCsvFile() = default;
    virtual ~CLCCbCCsvFile() = default;
    CLCCbCCsvFile(const CLCCbCCsvFile&) = delete;
    CLCCbCCsvFile& operator=(const CLCCbCCsvFile&) = delete;

    // The tokenizer. False when a record end's ColumnTerm refused the record
    // (the rest of the text is not read) or on a null text (fatal row).
    virtual bool Parse(const char* szText);
    virtual bool ValidateRecord(std::vector<std::string>& vecColumns);
    virtual bool ValidateCsv();
    virtual bool DistributeRecord(long lIndex);
    // lColumn is 1-based: column n is read at index n-1 and reported as n.
    virtual bool ValidOverlapColumn(long lColumn, CLCCbCMessage_t message);
    virtual CLCCbCAppendixTable* GetCbCFinalParentCompany();
    virtual CLCCbCAppendixTable* GetCbCCountryReport();
    virtual CLCCbCAppendixTable* GetCbCBusinessOverView();
    virtual CLCCbCCbCReport* GetCbCMessageSpec();
    virtual CLCCbCCbCReport* GetCbCReportingEntity();
    virtual CLCCbCCbCReport* GetCbCReportsSummary();
    virtual CLCCbCCbCReport* GetCbCReportsConstEntities();
    virtual CLCCbCCbCReport* GetCbCAdditionalInfo();
    virtual const char* GetColumnValue(long lRecord, long lColumn);
    // Reads, decodes, parses and checks the whole file; false when any step
    // failed (the cause is already recorded).
    virtual bool ReadFile(const char* szPath);
    virtual bool ColumnTerm(std::string& strField, std::vector<std::string>& vecColumns, bool bEndOfRecord);
    virtual CLCGIRAppendixTable* GetGIRAppendixTable();

    unsigned long GetRecordCount() const { return static_cast<unsigned long>(m_vecRecordTable.size()); }
    // Text of the record table at (record, column), both 0-based; null outside it.
    const char* GetItem(long lRecord, long lColumn) const;
    // Columns of the record table's entry; 0 outside the table.
    long GetColumnCount(long lRecord) const;
    // Bytes of text in the record table (no separators).
    size_t GetTextSize() const;

    // Reads a CSV file's bytes and decodes them from CP932 to UTF-8, telling
    // apart a file that cannot be read, an empty one, one with a NUL byte and
    // one that is not Shift_JIS. The text is one block of little more than
    // its size (empty on failure). Records nothing.
    static CsvText LoadCsvText(const char* szPath, std::string& strUtf8);

    // The CSV dialect of every reader. A field ends at a comma, a record at
    // CR, LF or CR LF. A field that starts with a quote runs to the next lone
    // quote ("" stands for one quote, separators are text) and whatever
    // follows the closing quote joins it; a quote anywhere else is text. An
    // unterminated quote runs to the end of the text.
    //
    // The sink is given each field in pieces, sink.Piece(p, n): none for an
    // empty field, one for a plain field (where it stands in the text), and
    // for a quoted one its runs of text, each "" as the first of its quotes.
    // Then sink.End(pAt, bEndOfRecord), pAt where the separator stands (the
    // end of the text for the last field). A false End at a record end stops
    // the walk; the answer is that of the last End.
    //
    // Every piece handed over, and every separator, lies before the walk's
    // position, so a sink may rewrite the text it has been given in place.
    template <typename Sink>
    static bool Tokenize(const char* szText, Sink& sink);

protected:
    // The record hand-over shared by the subclasses: trims the field into the
    // column list; at a record end asks ValidateRecord and keeps a record of
    // more than one column under the next number of lLineCnt.
    bool HandOverField(std::string& strField, std::vector<std::string>& vecColumns, bool bEndOfRecord,
                       long long& lLineCnt, std::vector<std::unique_ptr<CLCCbCRecordData>>& vecRecords);

    std::vector<std::vector<std::string>> m_vecRecordTable;
};

template <typename Sink>
bool CLCCbCCsvFile::Tokenize(const char* szText, Sink& sink)
{
    // The bytes that end a run of unquoted text.
    struct SRunEnds {
        bool bEnd[256] = {};
        constexpr SRunEnds()
        {
            for (unsigned char c : {'\0', ',', '\r', '\n'})
                bEnd[c] = true;
        }
    };
    static constexpr SRunEnds kRunEnds;
    bool bQuoted = false;
    const char* p = szText;
    const char* pFieldStart = p;
    while (*p != '\0') {
        const char c = *p;
        if (bQuoted) {
            if (c == '"' && p[1] == '"') {
                sink.Piece(p, 1);
                p += 2;
                continue;
            }
            if (c == '"') {
                bQuoted = false;     // text after the closing quote joins the field
                ++p;
                continue;
            }
            // Comma, CR and LF included.
            const char* pRun = p;
            while (*p != '\0' && *p != '"')
                ++p;
            sink.Piece(pRun, static_cast<size_t>(p - pRun));
            continue;
        }
        if (c == '"' && p == pFieldStart) {
            bQuoted = true;
            ++p;
            continue;
        }
        if (c == ',') {
            sink.End(p, false);
            pFieldStart = ++p;
            continue;
        }
        if (c == '\r' || c == '\n') {
            if (!sink.End(p, true))
                return false;
            if (c == '\r' && p[1] == '\n')
                ++p;
            pFieldStart = ++p;
            continue;
        }
        // The rest of an unquoted field up to its separator, quotes included.
        const char* pRun = p;
        while (!kRunEnds.bEnd[static_cast<unsigned char>(*p)])
            ++p;
        sink.Piece(pRun, static_cast<size_t>(p - pRun));
    }
    return sink.End(p, true);
}
