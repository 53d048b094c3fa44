#pragma once
// The Windows test program's own small harness (GoogleTest has no mingw-w64
// build here): cases register themselves, checks record failures with the
// values compared, and main prints "N passed, N failed".
#include <sstream>
#include <string>
#include <vector>

namespace wintest {

using CaseFn = void (*)();
struct SCase {
    const char* szName;
    CaseFn pfnRun;
};
std::vector<SCase>& Cases();

struct CRegistrar {
    CRegistrar(const char* szName, CaseFn pfnRun) { Cases().push_back({szName, pfnRun}); }
};

// Records a failed check of the running case.
void Fail(const char* szFile, int nLine, const std::string& strWhat);

// Bytes outside printable ASCII are shown as \xNN, so that encodings can be read.
std::string Show(const std::string& str);
inline std::string Show(const char* sz) { return sz == nullptr ? "(null)" : Show(std::string(sz)); }
template <typename T>
std::string Show(const T& value)
{
    std::ostringstream out;
    out << value;
    return out.str();
}

template <typename A, typename B>
void CheckEqual(const A& a, const B& b, const char* szA, const char* szB, const char* szFile, int nLine)
{
    if (!(a == b))
        Fail(szFile, nLine, std::string(szA) + " == " + szB + "\n      got      " + Show(a) + "\n      expected " + Show(b));
}

} // namespace wintest

#define WIN_TEST(name)                                                   \
    static void name();                                                  \
    static const wintest::CRegistrar name##Registrar(#name, &name);      \
    static void name()

#define CHECK(cond)                                                      \
    do {                                                                 \
        if (!(cond))                                                     \
            wintest::Fail(__FILE__, __LINE__, #cond);                    \
    } while (0)

#define CHECK_EQ(a, b) wintest::CheckEqual((a), (b), #a, #b, __FILE__, __LINE__)
