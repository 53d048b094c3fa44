#include "cbc/CLCCbCDataManager.h"
#include "cbc/CLCCbCCsvAppendixTable.h"
#include "cbc/CLCCbCCsvCbCReport.h"
#include "cbc/CLCCbCDefinition.h"
#include "cbc/CLCCbCValidator.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "gir/CLCGIRCsvAppendixTable.h"
#include <initializer_list>
#include <new>

namespace {

constexpr long kArgumentLine = 9999;

// One argument of a preparation step: the caller's text, where it is kept,
// and the table it is checked against.
struct SArgument {
    const char* szValue;
    std::string* pField;
    CLCArgValid_t eKind;
};

enum class EArgCheck { Passed, Failed, Fatal };

// Stores every argument first, then checks them in order so that each bad one
// gets its row; the position in the list is the reported column.
EArgCheck StoreAndCheck(std::initializer_list<SArgument> args)
{
    for (const SArgument& arg : args) {
        if (arg.szValue != nullptr)
            *arg.pField = CLCCbCCommon::StringTrim(arg.szValue);
    }
    EArgCheck eResult = EArgCheck::Passed;
    long lPosition = 0;
    for (const SArgument& arg : args) {
        ++lPosition;
        // Without an output path the XML is only handed back.
        if (arg.eKind == ARG_VALID_OUT_PATH && arg.pField->empty())
            continue;
        CLCCbCValidator validator;
        if (!validator.Initialize(arg.eKind))
            return EArgCheck::Fatal;
        const CLCCbCMessage_t msg = validator.Validate(arg.pField->c_str(), kArgumentLine, lPosition);
        if (msg == HE60000E)
            return EArgCheck::Fatal;
        if (msg != CBC_MSG_NONE)
            eResult = EArgCheck::Failed;
    }
    return eResult;
}

// Every preparation step starts from a clean collector.
bool Prepare(std::initializer_list<SArgument> args)
{
    CLCValidResult::instance()->ClearResult();
    return StoreAndCheck(args) == EArgCheck::Passed;
}

} // namespace

bool CLCCbCDataManager::Guarded(const char* szFunction, const std::function<bool()>& fnStep)
{
    try {
        return fnStep();
    } catch (const std::bad_alloc&) {
        CLC_LOG(szFunction, "メモリ確保に失敗しました。");
    } catch (...) {
        CLC_LOG(szFunction, kUnexpectedError);
    }
    CLCValidResult::instance()->SetFatalError();
    return false;
}

CLCCbCDataManager::CLCCbCDataManager() = default;

CLCCbCDataManager::~CLCCbCDataManager()
{
    m_pCsvAppendixTable.reset();
    m_pCsvCbCReport.reset();
    m_pGIRCsvAppendixTable.reset();
}

bool CLCCbCDataManager::InitForCheck(const char* szCsvPath)
{
    return Guarded("CLCCbCDataManager::InitForCheck", [&] {
        return Prepare({
            {szCsvPath, &m_strCsvPath, ARG_VALID_CSV},
        });
    });
}

bool CLCCbCDataManager::InitForReportIntegrityCheck(const char* szCsvPath, const char* szTodokede,
                                                    const char* szCbC, const char* szMf,
                                                    const char* szTodokedeHojinNo,
                                                    const char* szCbCHojinNo, const char* szMfHojinNo)
{
    return Guarded("CLCCbCDataManager::InitForReportIntegrityCheck", [&] {
        return Prepare({
            {szCsvPath, &m_strCsvPath, ARG_VALID_CSV},
            {szTodokede, &m_strTodokede, ARG_VALID_TEIKYOU_NAIYOU},
            {szCbC, &m_strCbC, ARG_VALID_TEIKYOU_NAIYOU},
            {szMf, &m_strMf, ARG_VALID_TEIKYOU_NAIYOU},
            {szTodokedeHojinNo, &m_strTodokedeHojinNo, ARG_VALID_HOJIN_BANGO},
            {szCbCHojinNo, &m_strCbCHojinNo, ARG_VALID_HOJIN_BANGO},
            {szMfHojinNo, &m_strMfHojinNo, ARG_VALID_HOJIN_BANGO},
        });
    });
}

bool CLCCbCDataManager::InitForMake(const char* szCsvPath, const char* szSoftName,
                                    const char* szSakuseiName, const char* szOutputPath)
{
    return Guarded("CLCCbCDataManager::InitForMake", [&] {
        return Prepare({
            {szCsvPath, &m_strCsvPath, ARG_VALID_CSV},
            {szSoftName, &m_strSoftName, ARG_VALID_SOFT_NAME},
            {szSakuseiName, &m_strSakuseiName, ARG_VALID_SAKUSEI_NAME},
            {szOutputPath, &m_strOutputPath, ARG_VALID_OUT_PATH},
        });
    });
}

bool CLCCbCDataManager::InitForCbCReportIntegrityCheck(const char* szCsvPath, const char* szHojinNo)
{
    return Guarded("CLCCbCDataManager::InitForCbCReportIntegrityCheck", [&] {
        return Prepare({
            {szCsvPath, &m_strCsvPath, ARG_VALID_CSV},
            {szHojinNo, &m_strHojinNo, ARG_VALID_HOJIN_BANGO},
        });
    });
}

bool CLCCbCDataManager::InitForMake2(const char* szCsvPath, const char* szOutputPath)
{
    return Guarded("CLCCbCDataManager::InitForMake2", [&] {
        return Prepare({
            {szCsvPath, &m_strCsvPath, ARG_VALID_CSV},
            {szOutputPath, &m_strOutputPath, ARG_VALID_OUT_PATH},
        });
    });
}

bool CLCCbCDataManager::InitForGIRApxTblCsvChk(const char* szCsvPath, const char* szTeikyouNo,
                                               const char* szHojinNo)
{
    return Guarded("CLCCbCDataManager::InitForGIRApxTblCsvChk", [&] {
        return Prepare({
            {szCsvPath, &m_strCsvPath, ARG_VALID_CSV},
            {szTeikyouNo, &m_strGIRTeikyouNo, ARG_VALID_TEIKYOU_NAIYOU},
            {szHojinNo, &m_strGIRHojinNo, ARG_VALID_HOJIN_BANGO},
        });
    });
}

bool CLCCbCDataManager::InitForXml(const char* szXmlPath, long lLimitSize)
{
    return Guarded("CLCCbCDataManager::InitForXml", [&] {
        CLCValidResult::instance()->ClearResult();
        const EArgCheck ePath = StoreAndCheck({{szXmlPath, &m_strXmlPath, ARG_VALID_XML}});
        if (ePath == EArgCheck::Fatal)
            return false;
        // -1 means no limit; anything lower cannot be a size.
        if (lLimitSize < -1) {
            CLCValidResult::instance()->SetResult(HE60009E, kArgumentLine, 2, -1);
            return false;
        }
        return ePath == EArgCheck::Passed;
    });
}

bool CLCCbCDataManager::InitForCsv(const char* szCsvPath)
{
    return Guarded("CLCCbCDataManager::InitForCsv", [&] {
        return Prepare({
            {szCsvPath, &m_strCsvPath, ARG_VALID_CSV_ONLY},
        });
    });
}

bool CLCCbCDataManager::InitForCsvWrite(const char* szCsvPath)
{
    return Guarded("CLCCbCDataManager::InitForCsvWrite", [&] {
        return Prepare({
            {szCsvPath, &m_strCsvPath, ARG_VALID_CSV_WRITE},
        });
    });
}

bool CLCCbCDataManager::InitForFile(const char* szFilePath)
{
    return Guarded("CLCCbCDataManager::InitForFile", [&] {
        return Prepare({
            {szFilePath, &m_strFilePath, ARG_VALID_FILE},
        });
    });
}

bool CLCCbCDataManager::OutputFileConvData(const char* szPath, const char* szText)
{
    return Guarded("CLCCbCDataManager::OutputFileConvData", [&] {
        if (szText == nullptr || *szText == '\0') {
            CLC_LOG("CLCCbCDataManager::OutputFileConvData", kUnexpectedError);
            CLCValidResult::instance()->SetFatalError();
            return false;
        }
        std::string strText(szText);
        return WriteOutput(szPath, strText);
    });
}

bool CLCCbCDataManager::WriteOutput(const char* szPath, std::string& strText)
{
    if (!CLCCbCCommon::WriteFileData(szPath != nullptr ? szPath : "", strText)) {
        CLCValidResult::instance()->SetResult(HE60020E, 0, 0, -1);
        return false;
    }
    return true;
}

std::string CLCCbCDataManager::GetErrorMsg()
{
    return CLCValidResult::instance()->MakeResult();
}

void CLCCbCDataManager::Terminate()
{
    CLCValidResult::destroy();
}
