#pragma once
// The CbC report roads of the facade, run on a data manager the way the API
// runs them: the steps in order, stopping at the first that fails, then the
// error text and Terminate.
#include "cbc/CLCCbCDataManager.h"
#include "cbc/CbCReportCsvBuilder.h"
#include "foundation/CLCCbCCommon.h"

#include <xercesc/util/PlatformUtils.hpp>

#include <string>

namespace cbctest {

// Holds the XML library initialised, as the API object does for its whole life,
// so that the steps' own initialisations are cheap. Construct in a suite's set-up.
class XercesHold {
public:
    XercesHold() { xercesc::XMLPlatformUtils::Initialize(); }
    ~XercesHold() { xercesc::XMLPlatformUtils::Terminate(); }
    XercesHold(const XercesHold&) = delete;
    XercesHold& operator=(const XercesHold&) = delete;
};

struct SRoadResult {
    bool bOk = false;
    std::string strErrors;
    std::string strXml;
};

inline CLCCbCCommon::EXEC_MODE ModeOf(ELayout eLayout)
{
    return eLayout == ELayout::First ? CLCCbCCommon::EXEC_MODE_CBC_REPORT : CLCCbCCommon::EXEC_MODE_CBC_REPORT2;
}

// CbCReportCsvCheck / CbCReportCsvCheck2.
inline SRoadResult RunCheck(ELayout eLayout, const std::string& strCsvPath)
{
    CLCCbCCommon::setExecMode(ModeOf(eLayout));
    SRoadResult result;
    CLCCbCDataManager manager;
    result.bOk = manager.InitForCheck(strCsvPath.c_str()) &&
                 manager.LoadCsvWithDefinition2("CBC_OECD", CheckDefinition(eLayout), true) && manager.ValidateCsv2();
    result.strErrors = manager.GetErrorMsg();
    manager.Terminate();
    return result;
}

// CbCReportIntegrityCheck / CbCReportIntegrityCheck2.
inline SRoadResult RunIntegrityCheck(ELayout eLayout, const std::string& strCsvPath, const std::string& strHojinNo)
{
    CLCCbCCommon::setExecMode(ModeOf(eLayout));
    SRoadResult result;
    CLCCbCDataManager manager;
    result.bOk = manager.InitForCbCReportIntegrityCheck(strCsvPath.c_str(), strHojinNo.c_str()) &&
                 manager.LoadCsvWithDefinition2("CBC_OECD", CheckDefinition(eLayout), true) &&
                 manager.ValidateCsv2() && manager.CbCReportIntegrityCheck();
    result.strErrors = manager.GetErrorMsg();
    manager.Terminate();
    return result;
}

// CsvConvCbCReportData / CsvConvCbCReportData2, without output path.
inline SRoadResult RunConvert(ELayout eLayout, const std::string& strCsvPath)
{
    CLCCbCCommon::setExecMode(ModeOf(eLayout));
    SRoadResult result;
    CLCCbCDataManager manager;
    result.bOk = manager.InitForMake2(strCsvPath.c_str(), "") &&
                 manager.LoadCsvWithDefinition2("CBC_OECD", ConvertDefinition(eLayout), false) &&
                 manager.MakeData2(result.strXml);
    result.strErrors = manager.GetErrorMsg();
    manager.Terminate();
    return result;
}

} // namespace cbctest
