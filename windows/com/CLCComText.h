#pragma once
#include <windows.h>
#include <oleauto.h>
#include <string>

// Text across the COM edge: BSTRs in, UTF-8 to the core and back.
namespace CLCComText {

// A copy that keeps null as null; throws std::bad_alloc when it cannot be made.
BSTR Copy(BSTR bstr);
// A new BSTR of the UTF-8 text ("" for text that is not UTF-8); throws
// std::bad_alloc when it cannot be made.
BSTR FromUtf8(const std::string& strUtf8);
// The BSTR as UTF-8: "" for null, false for text that is not UTF-16.
bool ToUtf8(BSTR bstr, std::string& strOut);
// The BSTR in code page 932: "" for null, false when a character has no
// Shift_JIS form.
bool ToCp932(BSTR bstr, std::string& strOut);

} // namespace CLCComText
