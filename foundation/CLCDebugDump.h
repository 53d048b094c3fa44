#pragma once

// The trace log: off unless the environment variable kDebugSwitch exists when
// InitDebugDump runs; then entries are appended to
// $HOME/_OVK_TESVANT_yyyyMMdd.log (the date of the latest InitDebugDump that saw
// the variable). Each entry: "--<date> <time> <function>--", the message (when
// not null), "[File:<file> Line:<line>]", an empty line; nothing is ever cut.
// Never throws, never reports; a null file or function writes nothing.
class CLCDebugDump {
public:
    static constexpr const char* kDebugSwitch = "jp.tesvant.Tesvant.DebugOutput";

    CLCDebugDump() = default;
    virtual ~CLCDebugDump() = default;

    static void InitDebugDump();
    static void OutputLog(const char* szSourceFile, int nLine, const char* szFunction, const char* szMessage);

    // Visible for tests.
    static bool IsOutput();
    static const char* OutputPath();
};

#define CLC_LOG(func, msg) CLCDebugDump::OutputLog(__FILE__, __LINE__, (func), (msg))
