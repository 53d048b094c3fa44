#pragma once
// Helpers of the API tests: a private folder per test, copies of the shipped
// examples (Shift_JIS, CR LF) and broken copies made by replacing ASCII text.
#include "api/CLCCsvConvDataCbC.h"
#include "api/CLCCsvConvResultCbC.h"
#include "foundation/FoundationTestFolder.h"
#include "foundation/platform/CLCMacOSNative.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace apitest {

inline std::string ExamplePath(const std::string& strName)
{
    return std::string(TESVANT_SOURCE_DIR) + "/examples/" + strName;
}

// Every text property of a CbC result, in property order, for whole comparisons.
struct SResultTexts {
    std::string strResult, strDetail, strAppendix, strCbCReport, strXml, strGIRAppendix, strFolder,
        strFileName, strCsv, strCsvSize, strBase64;
    bool operator==(const SResultTexts& o) const
    {
        return strResult == o.strResult && strDetail == o.strDetail && strAppendix == o.strAppendix
               && strCbCReport == o.strCbCReport && strXml == o.strXml && strGIRAppendix == o.strGIRAppendix
               && strFolder == o.strFolder && strFileName == o.strFileName && strCsv == o.strCsv
               && strCsvSize == o.strCsvSize && strBase64 == o.strBase64;
    }
};

inline SResultTexts Texts(const CLCCsvConvResultCbC& r)
{
    return {r.getResult(),    r.getDetailErrorInfo(),   r.getAppendixTableData(), r.getCbCReportData(),
            r.getXMLData(),   r.get_GIRAppendixTableData(), r.get_FolderPath(),   r.get_FileName(),
            r.get_CsvData(),  r.get_CsvDataSize(),      r.get_Base64Data()};
}

inline void PrintTo(const SResultTexts& t, std::ostream* os)
{
    *os << "{" << t.strResult << " | " << t.strDetail << " | appendix " << t.strAppendix.size() << "B | cbc "
        << t.strCbCReport.size() << "B | xml " << t.strXml.size() << "B | gir " << t.strGIRAppendix.size()
        << "B | " << t.strFolder << " | " << t.strFileName << " | csv " << t.strCsv.size() << "B | "
        << t.strCsvSize << " | b64 " << t.strBase64.size() << "B}";
}

// A fresh folder per test; the folder chooser and the fault hook are put back
// at the end, so no test leaks them into another.
class ApiTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        CLCMacOSNative::SetFolderChooser({});
        CLCCsvConvDataCbC::SetFaultHookForTest({});
    }

    std::string Path(const std::string& strName) const { return m_folder / strName; }

    std::string Write(const std::string& strName, const std::string& strBytes) const
    {
        const std::string strPath = Path(strName);
        WriteBytes(strPath, strBytes);
        return strPath;
    }

    // A copy of a shipped example in the test's folder.
    std::string Example(const std::string& strName) const
    {
        return Write(strName, ReadBytes(ExamplePath(strName)));
    }

    // A copy of an example with one ASCII text replaced (it must occur).
    std::string Broken(const std::string& strExample, const std::string& strFrom, const std::string& strTo,
                       const std::string& strName = "broken.csv") const
    {
        std::string strBytes = ReadBytes(ExamplePath(strExample));
        const size_t nAt = strBytes.find(strFrom);
        EXPECT_NE(nAt, std::string::npos) << strFrom << " is not in " << strExample;
        if (nAt != std::string::npos)
            strBytes.replace(nAt, strFrom.size(), strTo);
        return Write(strName, strBytes);
    }

    CTestFolder m_folder;
};

} // namespace apitest
