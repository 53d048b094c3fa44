#pragma once
#include <string>
#include <vector>

// The result of the three GIR folder operations. The two lists are filled
// pairwise: file name i belongs to detail text i.
class CLCCsvConvResultGIR {
public:
    std::string get_Result() const { return m_strResult; }
    void put_Result(std::string str) { m_strResult = std::move(str); }
    // The document can be tens of megabytes: read it in place.
    const std::string& get_GIRData() const { return m_strGIRData; }
    void put_GIRData(std::string str) { m_strGIRData = std::move(str); }
    const std::string& get_FileName() const { return m_strFileName; }
    void put_FileName(std::string str) { m_strFileName = std::move(str); }

    long get_ErrInfoCount() const { return static_cast<long>(m_vecErrFileName.size()); }
    std::vector<std::string> GetErrFileName() const { return m_vecErrFileName; }
    std::vector<std::string> GetDetailErrInfo() const { return m_vecDetailErrInfo; }
    void clearDetailErrorInfo();
    bool addFileName(std::string str);
    bool addDetailErrorInfo(std::string str);
    bool Clear();

private:
    std::string m_strResult;
    std::string m_strGIRData;
    std::vector<std::string> m_vecErrFileName;
    std::vector<std::string> m_vecDetailErrInfo;
    std::string m_strFileName;
};
