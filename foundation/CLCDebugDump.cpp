#include "foundation/CLCDebugDump.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/platform/CLCMacOSNative.h"
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <string>

namespace {

// Threads of the host log at the same time (the Windows build's object
// layer logs outside the API lock): the switch, the path and each append are
// taken under mtx, so no entry is lost or torn and the path never changes
// under a reader.
struct SLogState {
    std::mutex mtx;
    bool bOutput = false;
    std::string strOutputPath;
};

SLogState& State()
{
    static SLogState state;
    return state;
}

} // namespace

void CLCDebugDump::InitDebugDump()
{
    try {
        if (std::getenv(kDebugSwitch) == nullptr)
            return;
        // The date of the latest call names the file, so a long-running host
        // moves to the new day's file at its next call.
        const std::string strName = CLCCbCCommon::Now("'_OVK_TESVANT_'yyyyMMdd'.log'", nullptr);
        std::string strPath = CLCMacOSNative::appendFilePath(LogFolder().c_str(), strName.c_str());
        SLogState& state = State();
        const std::lock_guard<std::mutex> lock(state.mtx);
        state.bOutput = true;
        state.strOutputPath = std::move(strPath);
    } catch (...) {
    }
}

void CLCDebugDump::OutputLog(const char* szSourceFile, int nLine, const char* szFunction, const char* szMessage)
{
    if (szSourceFile == nullptr || szFunction == nullptr)
        return;
    try {
        // Inside: taking the lock may throw, and the log must not.
        if (!IsOutput())
            return;
        // Built whole, never cut: a long function name or path still gives a
        // complete four-line entry.
        std::string strEntry = "--" + CLCCbCCommon::Now("yyyy'-'MM'-'dd", "HH':'mm':'ss") + " " + szFunction + "--\n";
        if (szMessage != nullptr)
            strEntry.append(szMessage).append("\n");
        strEntry.append("[File:").append(szSourceFile).append(" Line:").append(std::to_string(nLine)).append("]\n");
        strEntry += "\n";

        SLogState& state = State();
        const std::lock_guard<std::mutex> lock(state.mtx);
        std::ofstream out(std::filesystem::u8path(state.strOutputPath), std::ios::binary | std::ios::app);
        if (!out)
            return;
        out << strEntry;
        out.flush();
    } catch (...) {
    }
}

std::string CLCDebugDump::LogFolder()
{
    if (CLCPlatformTraits::kLogInTemporaryFolder)
        return CLCMacOSNative::temporaryDirectory();
    return CLCMacOSNative::homeDirectory();
}

bool CLCDebugDump::IsDumpOn(DumpStage stage)
{
    if (!CLCPlatformTraits::kDumpsSwitchedApart)
        return IsOutput();
    return std::getenv(CLCPlatformTraits::kDumpSwitches[static_cast<int>(stage)]) != nullptr;
}

std::string CLCDebugDump::DumpLabel(DumpStage stage)
{
    static constexpr const char* kStageNames[] = {"ConvertHierarchy", "MappingConvDefine", "CreateAutoItem"};
    static_assert(std::size(kStageNames) == std::size(CLCPlatformTraits::kDumpSwitches), "one name per switch");
    return std::string(CLCPlatformTraits::kDumpLabelPrefix) + kStageNames[static_cast<int>(stage)];
}

bool CLCDebugDump::IsOutput()
{
    SLogState& state = State();
    const std::lock_guard<std::mutex> lock(state.mtx);
    return state.bOutput;
}

const char* CLCDebugDump::OutputPath()
{
    return State().strOutputPath.c_str();
}
