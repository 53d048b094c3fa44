// The Windows entry of tesvant-host: the arguments arrive as UTF-16 and go on
// as UTF-8, standard output carries the JSON's bytes unchanged, and the
// thread joins a single-threaded COM apartment (the folder dialog, MSXML).
#include "windows/CLCWinText.h"
#include <windows.h>
#include <objbase.h>
#include <fcntl.h>
#include <io.h>
#include <cstdio>
#include <string>
#include <vector>

int TesvantHostMain(int argc, char** argv);   // tools/tesvant-host.cpp's main, renamed for this build

int wmain(int argc, wchar_t** wargv)
{
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::vector<std::string> vecArgs;
    for (int i = 0; i < argc; ++i) {
        std::string strArg;
        if (!CLCWinText::WideToUtf8(wargv[i], strArg)) {
            std::fputs("tesvant-host: an argument is not valid UTF-16\n", stderr);
            return 2;
        }
        vecArgs.push_back(std::move(strArg));
    }
    std::vector<char*> vecArgv;
    for (std::string& strArg : vecArgs)
        vecArgv.push_back(strArg.data());
    vecArgv.push_back(nullptr);

    const HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const int nExit = TesvantHostMain(argc, vecArgv.data());
    if (SUCCEEDED(hr))
        CoUninitialize();
    return nExit;
}
