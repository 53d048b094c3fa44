#pragma once
#include <string>

// Reads one GIR definition file by its identifier as UTF-8 text, shared by the
// three definition managers.
class CLCGIRDefinitionText {
public:
    // The file of usId (loader path, Shift_JIS decoded) into strText. A missing,
    // unreadable or empty file records the GIR collector's fatal row, logs
    // "想定しないエラーが発生しました。" under szFunction and answers false.
    static bool Read(unsigned short usId, const char* szFunction, std::string& strText);
};
