#pragma once
#include <string_view>

// Everything the Windows build does visibly differently from the others, chosen
// here at build time and nowhere else. The core reads these values; platform
// bodies that cannot help differing (the Windows listing sees attributes, the
// Windows encoder is the crypto library's) assert that they agree with them.
namespace CLCPlatformTraits {

#if defined(_WIN32)
inline constexpr bool kWindowsBuild = true;
#else
inline constexpr bool kWindowsBuild = false;
#endif

// StringTrim's set, each entry a whole UTF-8 sequence. Elsewhere: every Unicode
// separator (general category Z, U+3000 included), tab, U+000A to U+000D and
// U+0085. Windows: space, U+3000, tab, CR, LF, form feed, vertical tab.
inline constexpr std::string_view kUnicodeTrimSet[] = {
    "\x09", "\x0A", "\x0B", "\x0C", "\x0D", "\x20",
    "\xC2\x85",                                     // U+0085
    "\xC2\xA0",                                     // U+00A0
    "\xE1\x9A\x80",                                 // U+1680
    "\xE2\x80\x80", "\xE2\x80\x81", "\xE2\x80\x82", "\xE2\x80\x83", "\xE2\x80\x84",
    "\xE2\x80\x85", "\xE2\x80\x86", "\xE2\x80\x87", "\xE2\x80\x88", "\xE2\x80\x89",
    "\xE2\x80\x8A",                                 // U+2000 to U+200A
    "\xE2\x80\xA8", "\xE2\x80\xA9",                 // U+2028, U+2029
    "\xE2\x80\xAF",                                 // U+202F
    "\xE2\x81\x9F",                                 // U+205F
    "\xE3\x80\x80",                                 // U+3000
};
inline constexpr std::string_view kWindowsTrimSet[] = {
    "\x20", "\xE3\x80\x80", "\x09", "\x0D", "\x0A", "\x0C", "\x0B",
};
#if defined(_WIN32)
inline constexpr const auto& kTrimSet = kWindowsTrimSet;
#else
inline constexpr const auto& kTrimSet = kUnicodeTrimSet;
#endif

// Folder listings never hold names beginning with "."; the Windows listing
// also leaves out entries that carry the hidden attribute.
inline constexpr bool kListingSkipsHiddenAttribute = kWindowsBuild;

// A GIR file path is split into folder and name at any of these; GIR
// GetFileName joins a body file to its sub-folder with kGIRFileNameJoiner.
inline constexpr std::string_view kPathSeparators = kWindowsBuild ? "\\/" : "/";
inline constexpr char kGIRFileNameJoiner = kWindowsBuild ? '\\' : '/';

// Base64 of a file: the Windows encoder ends the last line with CR LF too and
// refuses an empty file; elsewhere the last line has no break and an empty
// file gives "".
inline constexpr bool kBase64FinalLineBreak = kWindowsBuild;
inline constexpr bool kBase64RefusesEmpty = kWindowsBuild;

// GetFolderPath's Result when the user cancelled the folder dialog.
inline constexpr const char* kCancelledFolderResult = kWindowsBuild ? "S_OK" : "S_FALSE";

// The log's function text of the API operations 11 to 19 carries the class
// name in the Windows build, as that of operations 1 to 10 always does.
inline constexpr bool kQualifiedApiFunctions = kWindowsBuild;

// The debug log: its switch (presence alone counts) and whether it, and the
// GIR container dump, lie in the temporary folder rather than the home folder.
inline constexpr const char* kDebugSwitch = kWindowsBuild ? "TESVANT_OUTPUT" : "jp.tesvant.Tesvant.DebugOutput";
inline constexpr bool kLogInTemporaryFolder = kWindowsBuild;

// The GIR container dumps after ConvertHierarchy, MappingConvDefine and
// CreateAutoItem, in that order: Windows switches each with its own variable
// and labels it with the class name; elsewhere the log switch turns all three on.
inline constexpr const char* kDumpSwitches[] = {"TESVANT_DUMP_CONVER", "TESVANT_DUMP_MAPPING", "TESVANT_DUMP_AUTOITEM"};
inline constexpr bool kDumpsSwitchedApart = kWindowsBuild;
inline constexpr std::string_view kDumpLabelPrefix = kWindowsBuild ? "CLCGIRDataManager::" : "";

// Definitions: Windows carries them as resources and LoadResoucePath answers
// their bytes; elsewhere it answers the path of a file.
inline constexpr bool kDefinitionsAsResources = kWindowsBuild;

} // namespace CLCPlatformTraits
