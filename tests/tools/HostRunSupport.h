#pragma once
// Runs a program through the shell with its standard output and error caught
// in files of a test folder: the host tests' one way to start tesvant-host.
#include "foundation/FoundationTestFolder.h"

#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace hostrun {

struct SRun {
    int nExit = -1;
    std::string strOut;
    std::string strErr;
};

inline std::string ShellQuote(const std::string& strArg)
{
    std::string strQuoted = "'";
    for (char ch : strArg) {
        if (ch == '\'')
            strQuoted += "'\\''";
        else
            strQuoted += ch;
    }
    return strQuoted + "'";
}

// vecProgram: the program and any leading words (a launcher), then vecArgs.
inline SRun Run(const std::vector<std::string>& vecProgram, const std::vector<std::string>& vecArgs,
                const CTestFolder& folder, const std::string& strTag = "run")
{
    // Run in the test's folder, so that relative names land there.
    std::string strCommand = "cd " + ShellQuote(folder.Path().string()) + " &&";
    for (const std::string& strWord : vecProgram)
        strCommand += " " + ShellQuote(strWord);
    for (const std::string& strArg : vecArgs)
        strCommand += " " + ShellQuote(strArg);
    const std::string strOut = folder / (strTag + ".stdout");
    const std::string strErr = folder / (strTag + ".stderr");
    strCommand += " >" + ShellQuote(strOut) + " 2>" + ShellQuote(strErr) + " </dev/null";
    SRun run;
    const int nStatus = std::system(strCommand.c_str());
    if (nStatus != -1 && WIFEXITED(nStatus))
        run.nExit = WEXITSTATUS(nStatus);
    run.strOut = ReadBytes(strOut);
    run.strErr = ReadBytes(strErr);
    return run;
}

} // namespace hostrun
