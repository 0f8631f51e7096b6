// The standard shell command of a command line: the first plain argument
// opens a file; switches ask for printing, DDE or a server start.
#include "afx/CommandLineInfo.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
// As CWinApp::ParseCommandLine hands them over: flag characters dropped.
void Parse(CCommandLineInfo& info, const std::vector<const char*>& args)
{
    for (size_t i = 0; i < args.size(); ++i)
    {
        const char* arg = args[i];
        BOOL bFlag = arg[0] == '-' || arg[0] == '/';
        info.ParseParam(bFlag ? arg + 1 : arg, bFlag, i + 1 == args.size());
    }
}

TEST(CommandLineInfo, ShellCommands)
{
    struct Case
    {
        std::vector<const char*> args;
        int nCommand;
        const char* fileName;
    };
    const Case cases[] = {
        {{}, CCommandLineInfo::FileNew, ""},
        {{"C:\\データ\\表.tst"}, CCommandLineInfo::FileOpen, "C:\\データ\\表.tst"},
        {{"/p", "a.tst"}, CCommandLineInfo::FilePrint, "a.tst"},
        {{"-dde"}, CCommandLineInfo::FileDDE, ""},
        {{"/unregserver"}, CCommandLineInfo::AppUnregister, ""},
        {{"/P", "a.tst"}, CCommandLineInfo::FileOpen, "a.tst"}, // shell switches match exactly
        {{"a.tst", "b.tst"}, CCommandLineInfo::FileOpen, "a.tst"},
    };
    for (const Case& c : cases)
    {
        CCommandLineInfo info;
        Parse(info, c.args);
        EXPECT_EQ(c.nCommand, (int)info.m_nShellCommand) << (c.args.empty() ? "" : c.args[0]);
        EXPECT_EQ(CString(c.fileName), info.m_strFileName);
    }
}

TEST(CommandLineInfo, PrintToAndServerStarts)
{
    CCommandLineInfo info;
    Parse(info, {"/pt", "a.tst", "printer", "driver", "port"});
    EXPECT_EQ(CCommandLineInfo::FilePrintTo, info.m_nShellCommand);
    EXPECT_EQ(CString("printer"), info.m_strPrinterName);
    EXPECT_EQ(CString("driver"), info.m_strDriverName);
    EXPECT_EQ(CString("port"), info.m_strPortName);

    CCommandLineInfo server;
    Parse(server, {"-Embedding"});
    EXPECT_TRUE(server.m_bRunEmbedded);
    EXPECT_FALSE(server.m_bShowSplash);
}
} // namespace
