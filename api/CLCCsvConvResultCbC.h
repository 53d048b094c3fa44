#pragma once
#include <string>

// The result of the sixteen CbC report, appendix-table and file operations.
// Plain texts, all empty after construction; the API object owns it and
// refills it on every operation of its kind.
class CLCCsvConvResultCbC {
public:
    std::string getResult() const { return m_strResult; }
    void putResult(std::string str) { m_strResult = std::move(str); }
    std::string getDetailErrorInfo() const { return m_strDetailErrorInfo; }
    void putDetailErrorInfo(std::string str) { m_strDetailErrorInfo = std::move(str); }
    std::string getAppendixTableData() const { return m_strAppendixTableData; }
    void putAppendixTableData(std::string str) { m_strAppendixTableData = std::move(str); }
    std::string getCbCReportData() const { return m_strCbCReportData; }
    void putCbCReportData(std::string str) { m_strCbCReportData = std::move(str); }
    std::string getXMLData() const { return m_strXMLData; }
    void putXMLData(std::string str) { m_strXMLData = std::move(str); }
    std::string get_GIRAppendixTableData() const { return m_strGIRAppendixTableData; }
    void put_GIRAppendixTableData(std::string str) { m_strGIRAppendixTableData = std::move(str); }
    std::string get_FolderPath() const { return m_strFolderPath; }
    void put_FolderPath(std::string str) { m_strFolderPath = std::move(str); }
    std::string get_FileName() const { return m_strFileName; }
    void put_FileName(std::string str) { m_strFileName = std::move(str); }
    std::string get_CsvData() const { return m_strCsvData; }
    void put_CsvData(std::string str) { m_strCsvData = std::move(str); }
    std::string get_CsvDataSize() const { return m_strCsvDataSize; }
    void put_CsvDataSize(std::string str) { m_strCsvDataSize = std::move(str); }
    std::string get_Base64Data() const { return m_strBase64Data; }
    void put_Base64Data(std::string str) { m_strBase64Data = std::move(str); }

private:
    std::string m_strResult;
    std::string m_strDetailErrorInfo;
    std::string m_strAppendixTableData;
    std::string m_strCbCReportData;
    std::string m_strXMLData;
    std::string m_strGIRAppendixTableData;
    std::string m_strFolderPath;
    std::string m_strFileName;
    std::string m_strCsvData;
    std::string m_strCsvDataSize;
    std::string m_strBase64Data;
};
