// Shift_JIS conversion of the Linux platform layer (iconv).
#include "foundation/platform/CLCMacOSNative.h"
#include <cerrno>
#include <iconv.h>

namespace {

// Shift_JIS is Windows code page 932 everywhere in the system. glibc's
// "SHIFT_JIS" maps 0x5C and 0x7E to yen and overline and lacks the NEC and IBM
// extensions (①, ㈱, 髙), so it must never be used here.
constexpr const char* kSjisCharset = "CP932";
constexpr const char* kUtf8Charset = "UTF-8";

const iconv_t kNoDescriptor = reinterpret_cast<iconv_t>(-1);

// A descriptor of one direction, opened once per thread and reset before each
// text: opening one costs more than decoding a small file, and a folder is
// read in thousands of them.
class CDescriptor {
public:
    CDescriptor(const char* szTo, const char* szFrom) : m_cd(iconv_open(szTo, szFrom)) {}
    ~CDescriptor()
    {
        if (m_cd != kNoDescriptor)
            iconv_close(m_cd);
    }
    CDescriptor(const CDescriptor&) = delete;
    CDescriptor& operator=(const CDescriptor&) = delete;

    iconv_t Reset()
    {
        if (m_cd != kNoDescriptor)
            iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        return m_cd;
    }

private:
    iconv_t m_cd;
};

enum class Direction { ToUtf8, ToSjis };

iconv_t Descriptor(Direction direction)
{
    thread_local CDescriptor toUtf8(kUtf8Charset, kSjisCharset);
    thread_local CDescriptor toSjis(kSjisCharset, kUtf8Charset);
    return direction == Direction::ToUtf8 ? toUtf8.Reset() : toSjis.Reset();
}

// One strict conversion (no //IGNORE, no //TRANSLIT): any byte that does not
// convert, including an incomplete sequence at the end, fails the whole text.
bool Convert(Direction direction, const std::string& strIn, std::string& strOut)
{
    iconv_t cd = Descriptor(direction);
    if (cd == kNoDescriptor)
        return false;

    std::string strResult;
    strResult.resize(strIn.size() * 2 + 16);
    char* pIn = const_cast<char*>(strIn.data());
    size_t nInLeft = strIn.size();
    size_t nDone = 0;
    bool bOk = true;
    while (nInLeft > 0) {
        char* pOut = &strResult[nDone];
        size_t nOutLeft = strResult.size() - nDone;
        size_t nRet = iconv(cd, &pIn, &nInLeft, &pOut, &nOutLeft);
        nDone = strResult.size() - nOutLeft;
        if (nRet != static_cast<size_t>(-1))
            continue;
        if (errno == E2BIG) {
            strResult.resize(strResult.size() * 2);
            continue;
        }
        bOk = false;   // EILSEQ or EINVAL
        break;
    }
    if (!bOk)
        return false;
    strResult.resize(nDone);
    strOut.swap(strResult);
    return true;
}

} // namespace

bool CLCMacOSNative::SjisToUtf8(const std::string& strSjis, std::string& strUtf8)
{
    return Convert(Direction::ToUtf8, strSjis, strUtf8);
}

bool CLCMacOSNative::Utf8ToSjis(const std::string& strUtf8, std::string& strSjis)
{
    // iconv's UTF-8 decoder is laxer than ours about surrogates; check first.
    if (!IsValidUtf8(strUtf8))
        return false;
    return Convert(Direction::ToSjis, strUtf8, strSjis);
}
