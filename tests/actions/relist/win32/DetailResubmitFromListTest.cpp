// Re-listing with new settings from the main window's closed list against
// the stand-in: the detailed settings typed for this run only, the tabs
// never opened asked about once each, then what the service holds of every
// item (the normal or the easy-trading sub-pages by the form it served)
// and a profile left as it was.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "ResubmitStandIn.h"
#include "actions/shared/win32/ListJobFixture.h"
#include "afx/TestText.h"
#include "client/TanzoResourceIds.h"
#include "client/actions/relist/ResubmitDetailResourceIds.h"
#include "client/actions/relist/ResubmitResourceIds.h"
#include "client/actions/relist/ResubmitSettingDialog.h"

using namespace ResubmitStandIn;

namespace
{
const std::set<std::string> kSettingSections = {"137", "293", "150", "146", "180", "181", "238",
                                                "239", "209", "285", "286", "288", "289", "291"};

// Every value the re-listing settings keep in their sections, by section
// and name; the page states, which remember answers, and the tab last
// shown apart.
std::map<std::string, std::string> StoredDialogValues()
{
    std::map<std::string, std::string> values;
    HKEY hDialogs = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, CLIENT_PROFILE_KEY "\\Dialog", 0, KEY_READ, &hDialogs) !=
        ERROR_SUCCESS)
        return values;
    char szSection[256];
    for (DWORD i = 0;; ++i)
    {
        DWORD nSection = sizeof(szSection);
        if (::RegEnumKeyExA(hDialogs, i, szSection, &nSection, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        HKEY hSection = nullptr;
        if (::RegOpenKeyExA(hDialogs, szSection, 0, KEY_READ, &hSection) != ERROR_SUCCESS)
            continue;
        char szName[256];
        BYTE data[2048];
        for (DWORD j = 0;; ++j)
        {
            DWORD nName = sizeof(szName), nData = sizeof(data), dwType = 0;
            if (::RegEnumValueA(hSection, j, szName, &nName, nullptr, &dwType, data, &nData) != ERROR_SUCCESS)
                break;
            const std::string name = szName;
            if (kSettingSections.count(szSection) == 0 || name == "PermanentStateVal" ||
                name == "InheritRegVal" || name == "SelectTab")
                continue;
            values[std::string(szSection) + " " + name] = std::string((const char*)data, nData);
        }
        ::RegCloseKey(hSection);
    }
    ::RegCloseKey(hDialogs);
    return values;
}

class DetailResubmitFromList : public ListJobTest
{
};
} // namespace

TEST_F(DetailResubmitFromList, SixItemsGoUpWithTheNewSettingsOfTheirListingKind)
{
    ASSERT_TRUE(StandIn::Available()) << "run under tools/stand-in/with-stand-in";
    ASSERT_TRUE(Start());
    CTanzoListCtrl* pList = ShowTab(1, 6);
    ASSERT_NE(nullptr, pList);
    std::vector<std::string> ids = RowIds(*pList);
    ids.resize(6);
    // The settings as an earlier opening of the settings command left them.
    {
        CResubmitSettingDialog opened(CResubmitSettingDialog::ModeSettings, Frame());
        ASSERT_TRUE(opened.CreateModeless(Frame()));
        opened.SendMessage(WM_COMMAND, IDCANCEL, 0);
        opened.DestroyWindow();
    }
    const std::map<std::string, std::string> storedBefore = StoredDialogValues();

    m_boxes.nAnswer = IDYES;
    bool bSettingsShown = false;
    WhenDialogShows(IDC_CONFIRM_LIST,
                    [&](HWND hConfirm)
                    {
                        WhenDialogShows(
                            IDC_RESUBMIT_TYPE_KEEP,
                            [&](HWND hSettings)
                            {
                                bSettingsShown = true;
                                // A click of the radio, which unticks its neighbour.
                                ::SendMessageA(FindControl(hSettings, IDC_RESUBMIT_TYPE_NEW), BM_CLICK, 0, 0);
                                HWND hDetail = ::GetParent(FindControl(hSettings, IDC_DETAIL_TABS));
                                SetControlText(hDetail, IDC_DETAIL_DURATION, "5");
                                SetControlText(hDetail, IDC_DETAIL_CLOSING_TIME, "21");
                                SetControlText(hDetail, IDC_DETAIL_NUM_RESUBMIT, "2");
                                ClickControl(hSettings, IDC_RESUBMIT_DONT_SAVE);
                                ::SetFocus(FindControl(hSettings, IDOK));
                                Click(hSettings, IDOK);
                            });
                        Click(hConfirm, IDOK);
                    });
    Frame()->SendMessage(WM_COMMAND, ID_ITEM_RESUBMIT, 0);
    ASSERT_TRUE(bSettingsShown);

    // The two tabs never opened, asked about once each.
    int nPayment = 0, nShipping = 0;
    for (const std::string& text : m_boxes.texts)
    {
        nPayment += text == LoadText(1100) ? 1 : 0;
        nShipping += text == LoadText(1101) ? 1 : 0;
    }
    EXPECT_EQ(1, nPayment);
    EXPECT_EQ(1, nShipping);

    int nNewStyle = 0;
    for (const std::string& id : ids)
    {
        SCOPED_TRACE(id);
        const Relistings made = Relisted(id);
        ASSERT_EQ(1, made.count);
        std::map<std::string, std::string> fields = made.listings[0].fields;
        EXPECT_EQ("5", fields["Duration"]);
        EXPECT_EQ("21", fields["ClosingTime"]);
        EXPECT_EQ("2", fields["numResubmit"]);
        // The shipping page's own place, 東京都, in both kinds.
        EXPECT_EQ("13", fields["loc_cd"]);
        EXPECT_EQ("0", fields["retpolicy"]);
        if (ReadServedItem(id).style == "new")
        {
            ++nNewStyle;
            EXPECT_EQ(1u, fields.count("salesContract"));
            EXPECT_EQ(0u, fields.count("shiptime"));
        }
        else
        {
            EXPECT_EQ(0u, fields.count("salesContract"));
            EXPECT_EQ(1u, fields.count("shiptime"));
        }
    }
    // Both kinds of form are among them.
    EXPECT_LT(0, nNewStyle);
    EXPECT_GT(6, nNewStyle);
    ASSERT_FALSE(storedBefore.empty());
    EXPECT_EQ(storedBefore, StoredDialogValues());
}
