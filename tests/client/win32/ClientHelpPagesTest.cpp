// The client's help pages in the program itself: every help id that its
// dialogs name has a page linking the help's style sheet, the contents reach
// every page, and a help id declared in the client's sources without a page
// of its own (a new dialog's) fails here.
#include "client/FindResourceIds.h"
#include "client/ListResourceIds.h"
#include "client/TanzoResourceIds.h"
#include "client/UserIdManageResourceIds.h"
#include "client/actions/feedback/FeedbackResourceIds.h"
#include "client/actions/relist/ResubmitDetailResourceIds.h"
#include "client/actions/relist/ResubmitItemEditResourceIds.h"
#include "client/actions/relist/ResubmitResourceIds.h"
#include "client/actions/shared/TemplateMenuResourceIds.h"
#include "client/actions/updates/AddDescriptionResourceIds.h"
#include "client/actions/updates/FeaturedAmountResourceIds.h"
#include "controls/BrowserResourceIds.h"
#include "controls/HelpPages.h"
#include "text/HtmlDocument.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace
{
struct HelpIdCase
{
    const char* name;
    UINT nId;
};

#define HELP_ID(id)                                                                                          \
    {                                                                                                        \
#id, id                                                                                              \
    }

// Every help id the client's dialogs and main window pass.
const HelpIdCase kClientHelpIds[] = {
    HELP_ID(HID_CONTENTS),
    HELP_ID(HID_LIST_PAGES),
    HELP_ID(HID_MEMO_SETTING),
    HELP_ID(HID_PAGE_NUMBER),
    HELP_ID(HID_FIND),
    HELP_ID(HID_USERID_MANAGE),
    HELP_ID(HID_OPTIONS),
    HELP_ID(HID_LOGIN_SETTING),
    HELP_ID(HID_FONT_SIZE),
    HELP_ID(HID_COLOR_SETTING),
    HELP_ID(HID_TOOLBAR_SETTING),
    HELP_ID(IDH_RESUBMIT_CONFIRM),
    HELP_ID(IDH_RESUBMIT_SETTING),
    HELP_ID(IDH_RESUBMIT_SETTING),
    HELP_ID(IDH_RESUBMIT_CHARGE_OPTION),
    HELP_ID(IDH_ADD_BANK_NAME),
    HELP_ID(IDH_ADD_PAY_METHOD),
    HELP_ID(IDH_ITEM_EDIT),
    HELP_ID(IDH_EDIT_TITLE),
    HELP_ID(IDH_EDIT_BUY_NOW),
    HELP_ID(IDH_EDIT_SALES_MODE),
    HELP_ID(IDH_EDIT_QUANTITY),
    HELP_ID(IDH_EDIT_DESCRIPTION),
    HELP_ID(IDH_EDIT_CONDITION),
    HELP_ID(IDH_EDIT_CONDITION_NEW),
    HELP_ID(IDH_EDIT_CONDITION_JOB),
    HELP_ID(IDH_EDIT_SIZE_WEIGHT),
    HELP_ID(IDH_EDIT_SHIP),
    HELP_ID(IDH_EDIT_SHIP_JOB),
    HELP_ID(IDH_SHIP_ENTRY),
    HELP_ID(IDH_ADD_DESCRIPTION),
    HELP_ID(IDH_ADD_DESCRIPTION_TEMPLATE),
    HELP_ID(IDH_FEATURED_AMOUNT),
    HELP_ID(IDH_TEMPLATE_MANAGER),
    HELP_ID(HID_TEMPLATE_LIST),
};

std::string SourceRoot()
{
    std::string fixtures = TANZO_FIXTURES;
    return fixtures.substr(0, fixtures.rfind("/tests/"));
}

CString WindowsPath(const std::string& unixPath)
{
    CString path = CString("Z:") + unixPath.c_str();
    path.Replace('/', '\\');
    return path;
}

// The help-id defines of every source below a folder, by name.
void ScanHelpIds(const std::string& folder, std::map<std::string, UINT>& ids)
{
    static const std::regex define(R"(^\s*#\s*define\s+((?:IDH|HID)_\w+)\s+(\d+)\s*$)");
    WIN32_FIND_DATAA data;
    HANDLE hFind = ::FindFirstFileA(WindowsPath(folder + "/*"), &data);
    ASSERT_NE(INVALID_HANDLE_VALUE, hFind) << folder;
    do
    {
        std::string name = data.cFileName;
        if (name == "." || name == "..")
            continue;
        std::string path = folder + "/" + name;
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        {
            ScanHelpIds(path, ids);
            continue;
        }
        const std::string::size_type dot = name.rfind('.');
        const std::string extension = dot == std::string::npos ? "" : name.substr(dot);
        if (extension != ".h" && extension != ".cpp")
            continue;
        std::ifstream in(path);
        std::string line;
        std::smatch match;
        while (std::getline(in, line))
            if (std::regex_match(line, match, define))
                ids[match[1]] = (UINT)std::stoul(match[2]);
    } while (::FindNextFileA(hFind, &data));
    ::FindClose(hFind);
}

class ClientHelpPages : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_hProgram = ::LoadLibraryExA(WindowsPath(TANZO_EXE), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }
    static void TearDownTestSuite()
    {
        if (s_hProgram != nullptr)
            ::FreeLibrary(s_hProgram);
        s_hProgram = nullptr;
    }
    void SetUp() override { ASSERT_NE(nullptr, s_hProgram) << TANZO_EXE; }

    static HMODULE s_hProgram;
};

HMODULE ClientHelpPages::s_hProgram = nullptr;

TEST_F(ClientHelpPages, EveryHelpIdOfTheDialogsHasItsTitledPageLinkingTheStyleSheet)
{
    CString style;
    ASSERT_TRUE(LoadHelpPage(s_hProgram, IDR_HELP_STYLE, style));
    EXPECT_NE(-1, style.Find("body"));
    for (const HelpIdCase& c : kClientHelpIds)
    {
        CString page;
        ASSERT_TRUE(LoadHelpPage(s_hProgram, c.nId, page)) << c.name;
        EXPECT_TRUE(LinksHelpStyle(page)) << c.name;
        EXPECT_NE(-1, page.Find("charset=utf-8")) << c.name;
        CHtmlDocument document(page);
        CString title;
        EXPECT_TRUE(document.GetTitle(title) && !title.IsEmpty()) << c.name;
    }
}

TEST_F(ClientHelpPages, EveryHelpIdDeclaredInTheClientIsInTheTable)
{
    std::map<std::string, UINT> declared;
    ScanHelpIds(SourceRoot() + "/client", declared);
    ASSERT_FALSE(declared.empty());
    std::map<std::string, UINT> listed;
    for (const HelpIdCase& c : kClientHelpIds)
        listed[c.name] = c.nId;
    for (const auto& [name, nId] : declared)
    {
        EXPECT_EQ(1u, listed.count(name)) << name << " has no entry in the table";
        CString page;
        EXPECT_TRUE(LoadHelpPage(s_hProgram, nId, page)) << name << " (" << nId << ") has no page";
    }
}

TEST_F(ClientHelpPages, TheContentsLeadToEveryPageAndOnlyToPagesOfTheProgram)
{
    CString contents;
    ASSERT_TRUE(LoadHelpPage(s_hProgram, HID_CONTENTS, contents));
    CHtmlDocument document(contents);
    CPtrList anchors;
    document.FindElements("a", anchors);
    std::set<UINT> linked;
    for (POSITION pos = anchors.GetHeadPosition(); pos != nullptr;)
    {
        auto* pAnchor = static_cast<CMarkupNode*>(anchors.GetNext(pos));
        CString href;
        ASSERT_TRUE(pAnchor->GetAttribute("href", href));
        UINT nId = (UINT)atoi(href);
        CString page;
        EXPECT_TRUE(nId != 0 && LoadHelpPage(s_hProgram, nId, page)) << (LPCTSTR)href;
        linked.insert(nId);
    }
    for (const HelpIdCase& c : kClientHelpIds)
    {
        if (c.nId == HID_CONTENTS)
            continue;
        EXPECT_EQ(1u, linked.count(c.nId)) << c.name << " is not reached from the contents";
    }
}

} // namespace
