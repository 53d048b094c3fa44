// Files, folders and the user's environment on Linux (POSIX and glibc).
#include "foundation/platform/CLCMacOSNative.h"
#include "foundation/platform/CLCPlatformSystem.h"
#include <atomic>
#include <chrono>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <pwd.h>
#include <set>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

bool IsEmpty(const char* sz)
{
    return sz == nullptr || *sz == '\0';
}

bool StatPath(const char* szPath, struct stat& st)
{
    return !IsEmpty(szPath) && ::stat(szPath, &st) == 0;
}

bool IsFolder(const std::string& strPath)
{
    struct stat st;
    return StatPath(strPath.c_str(), st) && S_ISDIR(st.st_mode);
}

// The path without its last component, as a path library removes it: trailing
// separators are ignored, "/x" gives "/", a bare name gives "".
std::string ParentOf(std::string strPath)
{
    while (strPath.size() > 1 && strPath.back() == '/')
        strPath.pop_back();
    const size_t nSlash = strPath.rfind('/');
    if (nSlash == std::string::npos)
        return std::string();
    if (nSlash == 0)
        return "/";
    strPath.resize(nSlash);
    while (strPath.size() > 1 && strPath.back() == '/')
        strPath.pop_back();
    return strPath;
}

bool WriteAll(int fd, const std::string& strBytes)
{
    const char* p = strBytes.data();
    size_t nLeft = strBytes.size();
    while (nLeft > 0) {
        ssize_t n = ::write(fd, p, nLeft);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        nLeft -= static_cast<size_t>(n);
    }
    return true;
}

// Creates a fresh file beside the target; the name starts with "." so that a
// listing never shows it while it exists, and stays short whatever the
// target's name.
int CreateTempBeside(const std::string& strTarget, std::string& strTemp)
{
    static std::atomic<unsigned> s_nCounter{0};
    const std::string strFolder = strTarget.find('/') == std::string::npos ? "." : ParentOf(strTarget);
    const auto nClock = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int nTry = 0; nTry < 16; ++nTry) {
        strTemp = strFolder + (strFolder == "/" ? "" : "/") + ".tesvant_tmp_" + std::to_string(::getpid()) + "_"
            + std::to_string(s_nCounter++) + "_" + std::to_string(nClock);
        int fd = ::open(strTemp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

// An existing file keeps its permissions and must be writable; a symbolic link
// is written through.
bool CLCPlatformSystem::WriteFileSafely(const char* szPath, const std::string& strBytes,
                                        const std::function<bool()>& fnMayReplace)
{
    if (IsEmpty(szPath))
        return false;
    std::string strTarget = szPath;
    struct stat st;
    const bool bExists = ::stat(szPath, &st) == 0;
    if (bExists) {
        if (!S_ISREG(st.st_mode) || ::access(szPath, W_OK) != 0)
            return false;
        if (char* szReal = ::realpath(szPath, nullptr)) {
            strTarget = szReal;
            std::free(szReal);
        }
    }

    std::string strTemp;
    int fd = CreateTempBeside(strTarget, strTemp);
    if (fd < 0)
        return false;
    bool bOk = WriteAll(fd, strBytes);
    if (bOk && bExists) {
        // Keep the owner where we may (root).
        const bool bOtherOwner = st.st_uid != ::geteuid() || st.st_gid != ::getegid();
        if (bOtherOwner && ::fchown(fd, st.st_uid, st.st_gid) != 0)
            errno = 0;   // not allowed: the writer owns the new file
        bOk = ::fchmod(fd, st.st_mode & 07777) == 0;
    }
    if (bOk)
        bOk = ::fsync(fd) == 0;
    if (::close(fd) != 0)
        bOk = false;
    if (bOk && fnMayReplace)
        bOk = AskGate(fnMayReplace);
    if (bOk)
        bOk = ::rename(strTemp.c_str(), strTarget.c_str()) == 0;
    if (!bOk) {
        ::unlink(strTemp.c_str());
        return false;
    }
    // Make the new name itself durable; the data already is, so a failure here
    // does not undo the write.
    std::string strFolder = strTarget.find('/') == std::string::npos ? "." : ParentOf(strTarget);
    int dfd = ::open(strFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return true;
}

namespace {

// ---- folder chooser ----

bool FindOnPath(const char* szProgram, std::string& strFound)
{
    const char* szPath = std::getenv("PATH");
    if (IsEmpty(szPath))
        return false;
    std::string strList = szPath;
    size_t nStart = 0;
    for (;;) {
        size_t nEnd = strList.find(':', nStart);
        std::string strDir = strList.substr(nStart, nEnd == std::string::npos ? std::string::npos : nEnd - nStart);
        if (strDir.empty())
            strDir = ".";
        std::string strCandidate = strDir + "/" + szProgram;
        struct stat st;
        if (::stat(strCandidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(strCandidate.c_str(), X_OK) == 0) {
            strFound = strCandidate;
            return true;
        }
        if (nEnd == std::string::npos)
            return false;
        nStart = nEnd + 1;
    }
}

// zenity when a display and the program are there; otherwise "cancelled". The
// child reads /dev/null and runs in its own session, so it can never stop to
// wait on the terminal of the host.
int ZenityChooser(const char* szInitialFolder, std::string& strChosen)
{
    if (IsEmpty(std::getenv("DISPLAY")) && IsEmpty(std::getenv("WAYLAND_DISPLAY")))
        return 0;
    std::string strZenity;
    if (!FindOnPath("zenity", strZenity))
        return 0;

    std::vector<std::string> vecArgs = {"zenity", "--file-selection", "--directory"};
    if (!IsEmpty(szInitialFolder)) {
        std::string strStart = szInitialFolder;
        if (strStart.back() != '/')
            strStart += '/';
        vecArgs.push_back("--filename=" + strStart);
    }
    std::vector<char*> vecArgv;
    for (std::string& str : vecArgs)
        vecArgv.push_back(str.data());
    vecArgv.push_back(nullptr);

    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attr;
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attr);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID);
    pid_t pid = -1;
    const int nSpawn = ::posix_spawn(&pid, strZenity.c_str(), &actions, &attr, vecArgv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attr);
    ::close(fds[1]);
    if (nSpawn != 0) {
        ::close(fds[0]);
        return -1;
    }

    std::string strOut;
    char buf[4096];
    for (;;) {
        ssize_t n = ::read(fds[0], buf, sizeof(buf));
        if (n > 0) {
            strOut.append(buf, static_cast<size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break;
    }
    ::close(fds[0]);
    int nStatus = 0;
    while (::waitpid(pid, &nStatus, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    if (!WIFEXITED(nStatus))
        return -1;
    switch (WEXITSTATUS(nStatus)) {
    case 0:
        if (!strOut.empty() && strOut.back() == '\n')
            strOut.pop_back();
        if (strOut.empty())
            return 0;
        strChosen = strOut;
        return 1;
    case 1:
        return 0;
    default:
        return -1;
    }
}

} // namespace

bool CLCPlatformSystem::ReadWholeFile(const char* szPath, std::string& strData)
{
    if (IsEmpty(szPath))
        return false;
    int fd = ::open(szPath, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    std::string strResult;
    char buf[65536];
    bool bOk = true;
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof(buf));
        if (n > 0) {
            strResult.append(buf, static_cast<size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        bOk = n == 0;
        break;
    }
    ::close(fd);
    if (!bOk)
        return false;
    strData.swap(strResult);
    return true;
}

const char* CLCMacOSNative::homeDirectory()
{
    // Every distinct answer is kept for the life of the process, so a pointer
    // handed out earlier stays valid when $HOME changes.
    static std::mutex mtx;
    static std::set<std::string> setHomes;
    std::string strHome;
    const char* szEnv = std::getenv("HOME");
    if (!IsEmpty(szEnv)) {
        strHome = szEnv;
    } else {
        struct passwd pw;
        struct passwd* pResult = nullptr;
        std::vector<char> buf(16384);
        if (::getpwuid_r(::getuid(), &pw, buf.data(), buf.size(), &pResult) == 0 && pResult != nullptr
            && pResult->pw_dir != nullptr)
            strHome = pResult->pw_dir;
    }
    std::lock_guard<std::mutex> lock(mtx);
    return setHomes.insert(strHome).first->c_str();
}

std::string CLCMacOSNative::temporaryDirectory()
{
    const char* szTmp = std::getenv("TMPDIR");
    return IsEmpty(szTmp) ? "/tmp" : szTmp;
}

bool CLCMacOSNative::pathFileExists(const char* szPath)
{
    struct stat st;
    return StatPath(szPath, st) && !S_ISDIR(st.st_mode);
}

bool CLCMacOSNative::pathDirectoryExists(const char* szPath)
{
    if (IsEmpty(szPath))
        return false;
    const std::string strParent = ParentOf(szPath);
    return !strParent.empty() && IsFolder(strParent);
}

bool CLCMacOSNative::pathDirectoryExistsNoEdit(const char* szPath)
{
    return !IsEmpty(szPath) && IsFolder(szPath);
}

bool CLCMacOSNative::pathFileIsRead(const char* szPath)
{
    return !IsEmpty(szPath) && ::access(szPath, R_OK) == 0;
}

long CLCMacOSNative::getFileSize(const char* szPath)
{
    struct stat st;
    if (!StatPath(szPath, st))
        return -1;
    return static_cast<long>(st.st_size);
}

uint64_t CLCMacOSNative::getFileSizeULL(const char* szPath)
{
    struct stat st;
    if (!StatPath(szPath, st))
        return UINT64_MAX;
    return static_cast<uint64_t>(st.st_size);
}

std::string CLCMacOSNative::appendFilePath(const char* szBase, const char* szName)
{
    if (szBase == nullptr)
        return std::string();
    std::string strBase = szBase;
    std::string strName = szName == nullptr ? std::string() : std::string(szName);
    while (strBase.size() > 1 && strBase.back() == '/')
        strBase.pop_back();
    while (!strName.empty() && strName.front() == '/')
        strName.erase(0, 1);
    while (!strName.empty() && strName.back() == '/')
        strName.pop_back();
    if (strName.empty())
        return strBase;
    if (strBase.empty())
        return strName;
    if (strBase == "/")
        return strBase + strName;
    return strBase + "/" + strName;
}

bool CLCPlatformSystem::ListFolder(const std::string& strFolder, std::vector<SFolderEntry>& vecEntries)
{
    std::unique_ptr<DIR, int (*)(DIR*)> pDir(::opendir(strFolder.c_str()), &::closedir);
    if (!pDir)
        return false;
    for (;;) {
        errno = 0;
        struct dirent* pEntry = ::readdir(pDir.get());
        if (pEntry == nullptr)
            return errno == 0;
        SFolderEntry entry;
        entry.strName = pEntry->d_name;
        if (entry.strName == "." || entry.strName == "..")
            continue;
        // The entry's own type spares a stat per file; a link (or a file
        // system that does not say) is followed as before.
        if (pEntry->d_type == DT_DIR || pEntry->d_type == DT_REG)
            entry.bFolder = pEntry->d_type == DT_DIR;
        else
            entry.bFolder = IsFolder(CLCMacOSNative::appendFilePath(strFolder.c_str(), entry.strName.c_str()));
        vecEntries.push_back(std::move(entry));
    }
}

int CLCPlatformSystem::ChooseFolder(const char* szInitialFolder, std::string& strChosen)
{
    return ZenityChooser(szInitialFolder, strChosen);
}
