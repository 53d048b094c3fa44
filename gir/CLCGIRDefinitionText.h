#pragma once
#include <string>

class CLCXDomNsxml;

// Reads one GIR definition file by its identifier as UTF-8 text, shared by the
// three definition managers.
class CLCGIRDefinitionText {
public:
    // The file of usId (loader path, Shift_JIS decoded) into strText. A missing,
    // unreadable or empty file records the GIR collector's fatal row, logs
    // "想定しないエラーが発生しました。" under szFunction and answers false.
    static bool Read(unsigned short usId, const char* szFunction, std::string& strText);

    // The loading step of the check and edit managers: id 0 is only logged
    // (szMissingIdLog) and answers false; otherwise the file of usId is parsed
    // into dom, replacing what it held. Any failure answers false with the
    // fatal row; nothing is thrown.
    static bool LoadDom(unsigned short usId, const char* szFunction, const char* szMissingIdLog,
                        CLCXDomNsxml& dom);
};
