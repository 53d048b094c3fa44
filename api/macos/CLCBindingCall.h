#pragma once
#include "api/CLCApiOperations.h"
#include "api/macos/CLIBindingOperation.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

static_assert(apiops::kOperationCount == CLIOpLast, "operation n is row n - 1 of the table");

// The C++ side of one binding call: the API object made for the call, the
// operation run on it and copies of its result's texts, taken while the API
// object lives. This is the only layer of the binding that catches C++
// exceptions: no member lets one out, a failure is answered by null or false.
class CLCBindingCall {
public:
    // A new API object for one call (it initialises the XML library); null when
    // it could not be made. Close deletes it; null is allowed there.
    static CLCBindingCall* Open() noexcept;
    static void Close(CLCBindingCall* pCall) noexcept;

    // The Shift_JIS (code page 932) form of a UTF-8 text, kept until Close, by
    // the core's own converter; null for null and for text it cannot convert.
    const char* ToCp932(const char* szUtf8) noexcept;

    // Runs the operation with its text arguments in the API's order (unused
    // entries may be anything) and copies the result. False when an exception
    // ended it: then nothing is copied.
    bool Run(CLIBindingOperation eOp, const char* const* pArgs, long limitSize) noexcept;

    // After Run: a text field of the API result ("" for one the result kind
    // lacks), and the entries of the two list fields.
    const std::string& Text(apiops::EProperty eField) const noexcept;
    size_t ListSize(apiops::EProperty eField) const noexcept;
    const char* ListEntry(apiops::EProperty eField, size_t nIndex) const noexcept;

    // The texts and lists of one API result, by field.
    struct SResultCopy {
        std::string aTexts[apiops::kPropertyCount];
        std::vector<std::string> vecDetailErrInfo;
        std::vector<std::string> vecErrFileName;
    };

    ~CLCBindingCall();
    CLCBindingCall(const CLCBindingCall&) = delete;
    CLCBindingCall& operator=(const CLCBindingCall&) = delete;

private:
    CLCBindingCall();
    const std::vector<std::string>* List(apiops::EProperty eField) const noexcept;

    std::unique_ptr<CLCCsvConvDataCbC> m_pApi;
    std::string m_strCp932;
    SResultCopy m_copy;
};
