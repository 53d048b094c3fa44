#pragma once
#include "foundation/CLCCbCMessage.h"
#include <map>
#include <string>
#include <vector>

// One collected error row. line 9999 (CbC) / 99999999 (GIR) marks an argument
// error; column2 is -1 when the check has one column only.
struct _ResultTable {
    long long line;
    long long column;
    long long column2;
    CLCCbCMessage_t message;
};

// The process-wide error collector. instance() makes the kind the execution
// mode needs (exact type), replacing a collector of the wrong kind.
class CLCValidResult {
public:
    // The error text of a run that met an unexpected failure.
    static constexpr const char* kFatalText = "0000-00000-HE60000E";

    static CLCValidResult* instance();
    static void destroy();

    virtual ~CLCValidResult();
    virtual void SetResult(CLCCbCMessage_t message, long line, long column, long column2);
    virtual void SetFatalError();

    void ClearResult();
    // Sorted, de-duplicated, capped error text ("%04d-%s-%s" rows joined by ",");
    // empties the rows.
    std::string MakeResult();

    static bool compareResult(const _ResultTable& a, const _ResultTable& b);
    static bool uniqueResult(const _ResultTable& a, const _ResultTable& b);

    const std::vector<_ResultTable>& Rows() const { return m_vecResult; }

protected:
    CLCValidResult() = default;
    CLCValidResult(const CLCValidResult&) = delete;
    CLCValidResult& operator=(const CLCValidResult&) = delete;

    std::vector<_ResultTable> m_vecResult;
    static CLCValidResult* m_pInstance;
};

// The GIR collector: rows per CSV file name, one error text per file.
class CLCValidResultGIR : public CLCValidResult {
public:
    // File name of rows about no particular CSV file (arguments, folder, fatal).
    static constexpr const char* kOtherFile = "その他";
    // The detail text of the fatal row, filed under kOtherFile.
    static constexpr const char* kFatalTextGIR = "00000000-00000-HE60000E";

    // Always a GIR collector: one of any other kind is deleted and replaced,
    // whatever the execution mode.
    static CLCValidResultGIR* instance();
    static void destroy();

    ~CLCValidResultGIR() override;
    // A row without a file name is filed under "その他" (kOtherFile), so the
    // detail lists never lose it.
    void SetResult(CLCCbCMessage_t message, long line, long column, long column2) override;
    // Appends the fatal row under "その他"; earlier rows stay.
    void SetFatalError() override;

    void SetResult(const std::string& strFile, CLCCbCMessage_t message, long line, long column, long column2);
    void ClearResult(const std::string& strFile);
    void ClearResultAll();
    // Error text of one file's rows ("%08ld-%s-%s"); nothing is cleared. Any
    // failure is logged and thrown as std::runtime_error.
    std::string MakeResult(std::string strFile, std::vector<_ResultTable> vecRows);
    // Builds the two parallel lists in the fixed file-group order and empties the
    // map. Any failure is logged and thrown as std::runtime_error; the map and the
    // earlier lists are then left as they were.
    void MakeDetailErrorInfo();
    std::vector<std::string> getFileList() const;
    std::vector<std::string> getDetailErrorInfoList() const;

    const std::map<std::string, std::vector<_ResultTable>>& FileRows() const { return m_mapResult; }

private:
    friend class CLCValidResult;
    CLCValidResultGIR() = default;

    std::map<std::string, std::vector<_ResultTable>> m_mapResult;
    std::vector<std::string> m_vecFileList;
    std::vector<std::string> m_vecDetailErrorInfoList;
};
