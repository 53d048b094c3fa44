#pragma once
#include "foundation/platform/CLCPlatformTraits.h"
#include <string>

// The trace log: off unless the environment variable kDebugSwitch exists when
// InitDebugDump runs; then entries are appended to LogFolder()/
// _OVK_TESVANT_yyyyMMdd.log (the date of the latest InitDebugDump that saw
// the variable). Each entry: "--<date> <time> <function>--", the message (when
// not null), "[File:<file> Line:<line>]", an empty line; nothing is ever cut.
// Never throws, never reports; a null file or function writes nothing.
// The switch and the folder are the build's (CLCPlatformTraits).
class CLCDebugDump {
public:
    static constexpr const char* kDebugSwitch = CLCPlatformTraits::kDebugSwitch;

    // The GIR steps after which the container tree may be dumped.
    enum class DumpStage { ConvertHierarchy, MappingConvDefine, CreateAutoItem };

    CLCDebugDump() = default;
    virtual ~CLCDebugDump() = default;

    static void InitDebugDump();
    static void OutputLog(const char* szSourceFile, int nLine, const char* szFunction, const char* szMessage);

    // The folder of the log and of the GIR container dump: the home folder, or
    // in the Windows build the temporary folder. "" when there is none.
    static std::string LogFolder();
    // Whether the container tree is dumped after the stage: the log is on, or
    // in the Windows build the stage's own variable is present.
    static bool IsDumpOn(DumpStage stage);
    // The label the dump after the stage carries ("ConvertHierarchy", or
    // "CLCGIRDataManager::ConvertHierarchy" in the Windows build).
    static std::string DumpLabel(DumpStage stage);

    // Visible for tests.
    static bool IsOutput();
    static const char* OutputPath();
};

#define CLC_LOG(func, msg) CLCDebugDump::OutputLog(__FILE__, __LINE__, (func), (msg))
