#pragma once
// The nineteen operations in one table: name, arguments in order with their
// kind, the result object each answers with and the properties of the
// binding's result it fills. tesvant-host, the Objective-C binding and the COM
// checks' late-bound host are built from it, so an operation or an argument
// changes here (and in the API's declaration, which the table is checked
// against).
#include "api/CLCCsvConvDataCbC.h"

#include <cstddef>
#include <iterator>
#include <string_view>
#include <type_traits>
#include <utility>

class CLCCsvConvResultCbC;
class CLCCsvConvResultGIR;

namespace apiops {

// The most arguments any operation takes (ReportIntegrityCheck).
constexpr std::size_t kMaxArguments = 7;

enum class EArgKind {
    Text,           // UTF-8 text
    ShiftJisText,   // text the host hands over in UTF-8 and converts to Shift_JIS (null when it cannot)
    Size,           // a number of bytes (long)
};

struct SArgument {
    std::string_view szName;   // as the usage text shows it
    EArgKind eKind;
};

// The properties of the binding's result object, in its order.
enum EProperty {
    PropResult,
    PropDetailErrorInfo,
    PropAppendixTableData,
    PropCbCReportData,
    PropXMLData,
    PropGIRAppendixTableData,
    PropFolderPath,
    PropFileName,
    PropCsvData,
    PropCsvDataSize,
    PropGIRData,
    PropBase64Data,
    PropDetailErrorInfoCount,
    PropDetailErrorInfoList,   // a list, not a text
    PropErrorFileName,         // a list, not a text
    kPropertyCount,
    PropNone = kPropertyCount  // ends a row's properties
};

// What an operation answered: exactly one of the two is set.
struct SAnswer {
    const CLCCsvConvResultCbC* pCbC;
    const CLCCsvConvResultGIR* pGIR;
};

// Runs the operation on the API object: the texts in argument order (the
// entry of a Size argument is unused), the size for a Size argument.
using RunFn = SAnswer (*)(CLCCsvConvDataCbC& api, const char* const* aTexts, long lSize);

// The API method's own parameters, which the table's arguments must match.
struct SSignature {
    std::size_t nArgs;
    bool abSize[kMaxArguments];
    bool bGIR;   // answers with the GIR result
};

struct SOperation {
    std::string_view szName;
    RunFn pfnRun;
    SSignature signature;
    SArgument aArgs[kMaxArguments];
    EProperty aProperties[5];   // copied into the binding's result, in order

    constexpr std::size_t ArgCount() const { return signature.nArgs; }
    constexpr bool AnswersGIR() const { return signature.bGIR; }
};

namespace detail {

inline SAnswer Answer(const CLCCsvConvResultCbC* pResult) { return {pResult, nullptr}; }
inline SAnswer Answer(const CLCCsvConvResultGIR* pResult) { return {nullptr, pResult}; }

template <typename P>
P Argument(const char* const* aTexts, long lSize, std::size_t nIndex)
{
    if constexpr (std::is_same_v<P, long>)
        return lSize;
    else
        return aTexts[nIndex];
}

template <typename R, typename... P, std::size_t... I>
SAnswer Call(CLCCsvConvDataCbC& api, R* (CLCCsvConvDataCbC::*pfnMethod)(P...), const char* const* aTexts, long lSize,
             std::index_sequence<I...>)
{
    return Answer((api.*pfnMethod)(Argument<P>(aTexts, lSize, I)...));
}

template <typename R, typename... P>
constexpr SSignature SignatureOf(R* (CLCCsvConvDataCbC::*)(P...))
{
    static_assert(((std::is_same_v<P, const char*> || std::is_same_v<P, long>) && ...));
    return {sizeof...(P), {std::is_same_v<P, long>...}, std::is_same_v<R, CLCCsvConvResultGIR>};
}

template <auto pfnMethod>
SAnswer Run(CLCCsvConvDataCbC& api, const char* const* aTexts, long lSize)
{
    return Call(api, pfnMethod, aTexts, lSize, std::make_index_sequence<SignatureOf(pfnMethod).nArgs>());
}

} // namespace detail

// The operation's name, its runner and its signature, from the API method of that name.
#define CLC_API_METHOD(name) \
    #name, &apiops::detail::Run<&CLCCsvConvDataCbC::name>, apiops::detail::SignatureOf(&CLCCsvConvDataCbC::name)

constexpr EArgKind Text = EArgKind::Text;
constexpr EArgKind ShiftJisText = EArgKind::ShiftJisText;
constexpr EArgKind Size = EArgKind::Size;

// A CbC report row copies data properties its operation does not write; from
// a new API object those are empty texts.
#define CLC_API_CBC_PROPERTIES {PropResult, PropDetailErrorInfo, PropAppendixTableData, PropCbCReportData, PropXMLData}
#define CLC_API_GIR_PROPERTIES(data) \
    {PropResult, PropDetailErrorInfoCount, PropDetailErrorInfoList, PropErrorFileName, data}

// One row per operation, in the API's order (the COM dispatch identifiers and
// the binding's operation numbers).
inline constexpr SOperation kOperations[] = {
    {CLC_API_METHOD(AppendixTableCsvCheck), {{"CSV_PATH", Text}}, CLC_API_CBC_PROPERTIES},
    {CLC_API_METHOD(ReportIntegrityCheck),
     {{"CSV_PATH", Text}, {"TODOKEDE", Text}, {"CBC", Text}, {"MF", Text}, {"TODOKEDE_HOJIN_NO", Text},
      {"CBC_HOJIN_NO", Text}, {"MF_HOJIN_NO", Text}},
     CLC_API_CBC_PROPERTIES},
    {CLC_API_METHOD(CsvConvAppendixTableData),
     {{"CSV_PATH", Text}, {"SOFT_NAME", Text}, {"SAKUSEI_NAME", Text}, {"OUTPUT_PATH", Text}}, CLC_API_CBC_PROPERTIES},
    {CLC_API_METHOD(CbCReportCsvCheck), {{"CSV_PATH", Text}}, CLC_API_CBC_PROPERTIES},
    {CLC_API_METHOD(CbCReportIntegrityCheck), {{"CSV_PATH", Text}, {"HOJIN_NO", Text}}, CLC_API_CBC_PROPERTIES},
    {CLC_API_METHOD(CsvConvCbCReportData), {{"CSV_PATH", Text}, {"OUTPUT_PATH", Text}}, CLC_API_CBC_PROPERTIES},
    {CLC_API_METHOD(ReadXMLFile), {{"XML_PATH", Text}, {"LIMIT_SIZE", Size}}, CLC_API_CBC_PROPERTIES},
    {CLC_API_METHOD(CbCReportCsvCheck2), {{"CSV_PATH", Text}}, CLC_API_CBC_PROPERTIES},
    {CLC_API_METHOD(CbCReportIntegrityCheck2), {{"CSV_PATH", Text}, {"HOJIN_NO", Text}}, CLC_API_CBC_PROPERTIES},
    {CLC_API_METHOD(CsvConvCbCReportData2), {{"CSV_PATH", Text}, {"OUTPUT_PATH", Text}}, CLC_API_CBC_PROPERTIES},
    {CLC_API_METHOD(GIRCsvCheck), {{"CSV_FOLDER", Text}, {"HOJIN_NO", Text}}, CLC_API_GIR_PROPERTIES(PropGIRData)},
    {CLC_API_METHOD(CsvConvGIRData), {{"CSV_FOLDER", Text}, {"OUTPUT_PATH", Text}},
     CLC_API_GIR_PROPERTIES(PropGIRData)},
    {CLC_API_METHOD(GIRAppendixTableCsvCheck), {{"CSV_PATH", Text}, {"TEIKYOU_NO", Text}, {"HOJIN_NO", Text}},
     {PropResult, PropDetailErrorInfo, PropGIRAppendixTableData, PropXMLData, PropNone}},
    {CLC_API_METHOD(CsvConvGIRAppendixTableData),
     {{"CSV_PATH", Text}, {"SOFT_NAME", Text}, {"SAKUSEI_NAME", Text}, {"OUTPUT_PATH", Text}},
     {PropResult, PropDetailErrorInfo, PropGIRAppendixTableData, PropXMLData, PropNone}},
    {CLC_API_METHOD(GetFolderPath), {{"INITIAL_FOLDER", Text}},
     {PropResult, PropDetailErrorInfo, PropFolderPath, PropFileName, PropNone}},
    {CLC_API_METHOD(ReadCSVFile), {{"CSV_PATH", Text}},
     {PropResult, PropDetailErrorInfo, PropCsvData, PropCsvDataSize, PropNone}},
    {CLC_API_METHOD(CbCCsvWrite), {{"CSV_PATH", Text}, {"WRITE_DATA", ShiftJisText}},
     {PropResult, PropDetailErrorInfo, PropNone, PropNone, PropNone}},
    {CLC_API_METHOD(GIRFolderCheck), {{"CSV_FOLDER", Text}}, CLC_API_GIR_PROPERTIES(PropFileName)},
    {CLC_API_METHOD(ReadFile), {{"FILE_PATH", Text}}, {PropResult, PropDetailErrorInfo, PropBase64Data, PropNone, PropNone}},
};
#undef CLC_API_METHOD
#undef CLC_API_CBC_PROPERTIES
#undef CLC_API_GIR_PROPERTIES
constexpr std::size_t kOperationCount = std::size(kOperations);

// Every row's arguments are the method's: as many, and a Size exactly where it takes a long.
constexpr bool ArgumentsMatchMethods()
{
    for (const SOperation& op : kOperations) {
        for (std::size_t i = 0; i < kMaxArguments; ++i) {
            if ((i < op.signature.nArgs) == op.aArgs[i].szName.empty())
                return false;
            if (i < op.signature.nArgs && (op.aArgs[i].eKind == EArgKind::Size) != op.signature.abSize[i])
                return false;
        }
    }
    return true;
}
static_assert(ArgumentsMatchMethods(), "each operation's arguments are those of its API method");

} // namespace apiops
