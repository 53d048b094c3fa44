#include "gir/CLCGIRControl.h"

#include "cbc/CLCValidTable.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "gir/CLCGIRContainer.h"
#include "gir/CLCGIRDataManager.h"
#include "gir/CLCGIRPropertyManager.h"
#include "gir/CLCGIRValidCorrelation.h"
#include "gir/CLCGIRValidCsvStruct.h"
#include "gir/CLCGIRValidExclusive.h"
#include "gir/CLCGIRValidFileStruct.h"
#include "gir/CLCGIRValidIntegrity.h"
#include "gir/CLCGIRValidSingleItem.h"
#include "gir/CLCGIRValidXmlOccurs.h"
#include "gir/CLCGIRValidator.h"
#include "gir/CLCGIRXmlGenerator.h"

#include <stdexcept>
#include <utility>

namespace {
constexpr long kArgumentLine = 99999999;
constexpr unsigned short kEditDefinition = 210;
constexpr unsigned short kCheckDefinition = 211;
constexpr unsigned short kElementList = 212;
constexpr const char* kMessageRefIdItem = "MS00004";

// Runs one step; any exception becomes the fatal row and false.
template <typename FnStep>
bool Guarded(const char* szFunction, FnStep fnStep)
{
    try {
        return fnStep();
    } catch (...) {
        CLCValidResultGIR::instance()->SetFatalError();
        CLC_LOG(szFunction, kUnexpectedError);
        return false;
    }
}

[[noreturn]] void Fail(const char* szFunction, const char* szMessage)
{
    CLC_LOG(szFunction, szMessage);
    throw std::runtime_error(szMessage);
}

// One argument of a GIR operation, checked at (99999999, position).
struct SArgument {
    const std::string* pValue;
    CLCArgValid_t kind;
    long lPosition;
};

// Every argument is checked even after an ordinary failure; an unexpected one
// (or a validator that cannot be set up) ends the check at once.
bool CheckArguments(std::initializer_list<SArgument> arguments)
{
    bool bOk = true;
    for (const SArgument& argument : arguments) {
        CLCGIRValidator validator;
        if (!validator.InitializeParam(argument.kind))
            return false;
        const CLCCbCMessage_t result = validator.ValidateParam(argument.pValue->c_str(), kArgumentLine,
                                                               argument.lPosition);
        if (result == HE60000E)
            return false;
        if (result != 0)
            bOk = false;
    }
    return bOk;
}

void StoreTrimmed(const char* szValue, std::string& strField)
{
    if (szValue != nullptr)
        strField = CLCCbCCommon::StringTrim(szValue);
}

template <typename TValidator>
bool RunRuleSet(const char* szFunction)
{
    return Guarded(szFunction, [] {
        TValidator validator;
        return validator.Validate() == 0;
    });
}
} // namespace

bool CLCGIRControl::Initiarize()
{
    static constexpr const char* kFunction = "CLCGIRControl::Initiarize";
    Terminate();
    return Guarded(kFunction, [] {
        CLCGIRPropertyManager* pProperty = CLCGIRPropertyManager::instance();
        if (pProperty == nullptr)
            Fail(kFunction, "プロパティマネージャインスタンス生成に失敗しました。");
        if (!pProperty->LoadEditDefinition(kEditDefinition))
            Fail(kFunction, "編集用定義体情報読込に失敗しました。");
        if (!pProperty->LoadCheckDefinition(kCheckDefinition))
            Fail(kFunction, "チェック用定義体情報読込に失敗しました。");
        if (!pProperty->LoadElementList(kElementList))
            Fail(kFunction, "GLOBE_OECD要素一覧に失敗しました。");
        if (CLCGIRDataManager::instance() == nullptr)
            Fail(kFunction, "データマネージャインスタンス生成に失敗しました。");
        if (CLCValidResultGIR::instance() == nullptr)
            Fail(kFunction, "処理結果インスタンス生成に失敗しました。");
        return true;
    });
}

bool CLCGIRControl::InitForGIRCsvCheck(const char* szFolder, const char* szHojinNo)
{
    return Guarded("CLCGIRControl::InitForGIRCsvCheck", [&] {
        StoreTrimmed(szFolder, m_strFolderPath);
        StoreTrimmed(szHojinNo, m_strHojinNo);
        m_bFolderSet = true;
        return CheckArguments({{&m_strFolderPath, ARG_VALID_CSV_FOLDER, 1},
                               {&m_strHojinNo, ARG_VALID_HOJIN_BANGO, 2}});
    });
}

bool CLCGIRControl::InitForCsvConvGIRData(const char* szFolder, const char* szOutputPath)
{
    return Guarded("CLCGIRControl::InitForCsvConvGIRData", [&] {
        StoreTrimmed(szFolder, m_strFolderPath);
        StoreTrimmed(szOutputPath, m_strOutPath);
        m_bFolderSet = true;
        if (m_strOutPath.empty())
            return CheckArguments({{&m_strFolderPath, ARG_VALID_CSV_FOLDER, 1}});
        return CheckArguments({{&m_strFolderPath, ARG_VALID_CSV_FOLDER, 1},
                               {&m_strOutPath, ARG_VALID_OUT_PATH, 2}});
    });
}

bool CLCGIRControl::InitForGIRFolderCheck(const char* szFolder)
{
    return Guarded("CLCGIRControl::InitForGIRFolderCheck", [&] {
        StoreTrimmed(szFolder, m_strFolderPath);
        m_bFolderSet = true;
        return CheckArguments({{&m_strFolderPath, ARG_VALID_CSV_FOLDER, 1}});
    });
}

std::string CLCGIRControl::FolderFor(const char* szFolder) const
{
    if (m_bFolderSet)
        return m_strFolderPath;
    return szFolder != nullptr ? CLCCbCCommon::StringTrim(szFolder) : std::string();
}

bool CLCGIRControl::GIRCsvFileStructCheck(const char* szFolder)
{
    return Guarded("CLCGIRControl::GIRCsvFileStructCheck", [&] {
        const std::string strFolder = FolderFor(szFolder);
        CLCGIRValidFileStruct validator(&m_vFileInfo);
        return validator.ValidateFileStruct(strFolder.c_str());
    });
}

bool CLCGIRControl::GIRCsvDataStructCheck(const char* szFolder)
{
    return Guarded("CLCGIRControl::GIRCsvDataStructCheck", [&] {
        const std::string strFolder = FolderFor(szFolder);
        CLCGIRValidCsvStruct validator(&m_vFileInfo);
        return validator.ValidateCsvStruct(strFolder.c_str());
    });
}

bool CLCGIRControl::ConvertGIRStructure()
{
    static constexpr const char* kFunction = "CLCGIRControl::ConvertGIRStructure";
    return Guarded(kFunction, [] {
        CLCGIRDataManager* pManager = CLCGIRDataManager::instance();
        struct SStep {
            bool (CLCGIRDataManager::*pfnStep)();
            const char* szFailure;
        };
        static const SStep kSteps[] = {
            {&CLCGIRDataManager::GenerateXMLStructure, "XML構造リスト生成失敗"},
            {&CLCGIRDataManager::MappingConvDefine, "編集用定義体とXML構造リストマッピング失敗"},
            {static_cast<bool (CLCGIRDataManager::*)()>(&CLCGIRDataManager::CreateAutoItem), "自動生成要素追加失敗"},
            {&CLCGIRDataManager::CreateCheckList, "チェックリスト生成失敗"},
        };
        for (const SStep& step : kSteps) {
            if (!(pManager->*step.pfnStep)()) {
                CLC_LOG(kFunction, step.szFailure);
                return false;
            }
        }
        return true;
    });
}

bool CLCGIRControl::GIRValidXmlOccurs()
{
    return RunRuleSet<CLCGIRValidXmlOccurs>("CLCGIRControl::GIRValidXmlOccurs");
}

bool CLCGIRControl::GIRValidExclusive()
{
    return RunRuleSet<CLCGIRValidExclusive>("CLCGIRControl::GIRValidExclusive");
}

bool CLCGIRControl::GIRValidSingleItem()
{
    return RunRuleSet<CLCGIRValidSingleItem>("CLCGIRControl::GIRValidSingleItem");
}

bool CLCGIRControl::GIRValidCorrelation()
{
    return RunRuleSet<CLCGIRValidCorrelation>("CLCGIRControl::GIRValidCorrelation");
}

bool CLCGIRControl::GIRCsvFileIntegrityCheck()
{
    return Guarded("CLCGIRControl::GIRCsvFileIntegrityCheck", [&] {
        if (m_strHojinNo.empty())
            return true;
        CLCGIRValidIntegrity validator;
        return validator.Validate(m_strHojinNo.c_str(), kMessageRefIdItem, CLCGIRDataManager::instance()) == 0;
    });
}

bool CLCGIRControl::GenarateXML(std::string& strXml)
{
    const bool bOk = Guarded("CLCGIRControl::GenarateXML", [&] {
        CLCGIRXmlGenerator generator;
        CLCGIRContainer* pRoot = CLCGIRDataManager::instance()->GetRootContainer();
        if (!generator.MakeXMLData(pRoot, strXml) || strXml.empty())
            return false;
        if (!generator.CheckXmlSize(strXml))
            return false;
        if (m_strOutPath.empty())
            return generator.CheckXmlStruct(strXml);
        // The tree is not read again on this road: it goes while the text is parsed.
        return generator.CheckXmlStructAndOutput(m_strOutPath.c_str(), strXml,
                                                 [] { CLCGIRDataManager::instance()->ReleaseTree(); });
    });
    if (!bOk)
        std::string().swap(strXml);
    return bOk;
}

bool CLCGIRControl::CheckTotalFileSize()
{
    return Guarded("CLCGIRControl::CheckTotalFileSize",
                   [&] { return CLCGIRValidFileStruct::CheckTotalFileSize(m_vFileInfo); });
}

bool CLCGIRControl::GetFileName(const char* szFolder, std::string& strNames)
{
    return Guarded("CLCGIRControl::GetFileName", [&] {
        const std::string strFolder = FolderFor(szFolder);
        return CLCGIRValidFileStruct::GetFileName(strFolder.c_str(), strNames, &m_vFileInfo);
    });
}

void CLCGIRControl::MakeDatilErrorInfoGIR()
{
    CLCValidResultGIR::instance()->MakeDetailErrorInfo();
}

std::vector<std::string> CLCGIRControl::getFileListGIR()
{
    return CLCValidResultGIR::instance()->getFileList();
}

std::vector<std::string> CLCGIRControl::getDetailErrorInfoListGIR()
{
    return CLCValidResultGIR::instance()->getDetailErrorInfoList();
}

void CLCGIRControl::Terminate()
{
    CLCValidResultGIR::destroy();
    CLCGIRDataManager::destroy();
    CLCGIRPropertyManager::destroy();
    m_vFileInfo.clear();
}
