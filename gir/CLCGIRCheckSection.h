#pragma once
#include <functional>

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
    // Calls fnChild with the cursor on each element child named szName of the
    // cursor's element, in order, until it answers false. -1: no element child
    // (the cursor stays); 0: every child visited; 1: stopped. Otherwise the
    // cursor ends on the last child reached.
    static int VisitChildren(CLCXDomNsxml* pDefine, const char* szName, const std::function<bool()>& fnChild);
    // Logs the text under the function's name and records the fatal row.
    static void Fatal(const char* szFunction, const char* szText);
};
