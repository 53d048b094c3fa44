#pragma once

class CLCXDomNsxml;

// The way into one section of the check definition (211), shared by the
// validators that walk a section row by row.
class CLCGIRCheckSection {
public:
    // Moves the cursor to the first row of the root's child named szSection.
    // On failure the log gets the text of the step that failed (szNoSection:
    // no such section; szNoRow: a section without rows), the fatal row is
    // recorded and the answer is false.
    static bool MoveToFirstRow(CLCXDomNsxml* pDefine, const char* szSection, const char* szNoSection,
                               const char* szNoRow);
    // Logs the text under the function's name and records the fatal row.
    static void Fatal(const char* szFunction, const char* szText);
};
