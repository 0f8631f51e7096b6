#include <gtest/gtest.h>

#include <map>
#include <string>

#include "net/ServiceHosts.h"

namespace
{
struct OriginScope
{
    ~OriginScope() { ResetServiceOrigins(); }
};

std::map<std::string, std::string> g_profile;

CString ReadProfile(LPCTSTR section, LPCTSTR key, LPCTSTR defaultValue)
{
    auto it = g_profile.find(std::string(section) + "\\" + key);
    return it != g_profile.end() ? CString(it->second.c_str()) : CString(defaultValue);
}
} // namespace

TEST(ServiceHosts, DefaultsAreOriginsWithKeys)
{
    for (int i = 0; i < ServiceHostCount; ++i)
    {
        ServiceHost host = (ServiceHost)i;
        CString origin = GetServiceOrigin(host);
        // The trading system's announcement page is the one http:// address.
        EXPECT_EQ(0, origin.Find(host == HostTrading ? "http://" : "https://")) << i;
        EXPECT_NE('/', origin[origin.GetLength() - 1]) << i;
        EXPECT_EQ(origin, GetDefaultServiceOrigin(host));
        EXPECT_EQ(0, CString(GetServiceHostKey(host)).Find("Host")) << i;
        for (int j = 0; j < i; ++j)
            EXPECT_STRNE(GetServiceHostKey(host), GetServiceHostKey((ServiceHost)j));
    }
    EXPECT_STREQ("HostProtectedLogin", GetServiceHostKey(HostProtectedLogin));
    EXPECT_STREQ("HostTrading", GetServiceHostKey(HostTrading));
    EXPECT_STREQ("HostContact", GetServiceHostKey(HostContact));
    EXPECT_STREQ("", GetServiceHostKey(ServiceHostCount));
    EXPECT_TRUE(GetServiceOrigin((ServiceHost)-1).IsEmpty());
}

TEST(ServiceHosts, SetOrigin)
{
    OriginScope restore;
    struct Case
    {
        const char* origin;
        BOOL accepted;
        const char* inForce;
    } cases[] = {
        {"http://127.0.0.1:8080", TRUE, "http://127.0.0.1:8080"},
        {"http://127.0.0.1:8080/", TRUE, "http://127.0.0.1:8080"},
        {"HTTPS://Stand-In.local", TRUE, "https://Stand-In.local"},
        {"https://host:443/", TRUE, "https://host"},
        {"http://host:443", TRUE, "http://host:443"},
        {"http://host/path", FALSE, nullptr},
        {"http://host?x=1", FALSE, nullptr},
        {"http://host#top", FALSE, nullptr},
        {"ftp://host", FALSE, nullptr},
        {"host:8080", FALSE, nullptr},
        {"http://", FALSE, nullptr},
        {"http://host:99999", FALSE, nullptr},
    };
    for (const Case& c : cases)
    {
        ResetServiceOrigins();
        EXPECT_EQ(c.accepted, SetServiceOrigin(HostSell, c.origin)) << c.origin;
        EXPECT_STREQ(c.inForce ? c.inForce : GetDefaultServiceOrigin(HostSell), GetServiceOrigin(HostSell))
            << c.origin;
    }
    ASSERT_TRUE(SetServiceOrigin(HostSell, "http://a"));
    EXPECT_TRUE(SetServiceOrigin(HostSell, ""));
    EXPECT_STREQ(GetDefaultServiceOrigin(HostSell), GetServiceOrigin(HostSell));
    ASSERT_TRUE(SetServiceOrigin(HostSell, "http://a"));
    EXPECT_TRUE(SetServiceOrigin(HostSell, nullptr));
    EXPECT_STREQ(GetDefaultServiceOrigin(HostSell), GetServiceOrigin(HostSell));
    EXPECT_FALSE(SetServiceOrigin(ServiceHostCount, "http://a"));
}

TEST(ServiceHosts, LoadFromProfile)
{
    OriginScope restore;
    g_profile.clear();
    g_profile["Settings\\HostAuctions"] = " http://127.0.0.1:8080 ";
    g_profile["Settings\\HostLogin"] = "not an origin";
    g_profile["Settings\\HostSell"] = "";
    g_profile["Other\\HostPortal"] = "http://elsewhere";
    EXPECT_EQ(1, LoadServiceOrigins(ReadProfile));
    EXPECT_STREQ("http://127.0.0.1:8080", GetServiceOrigin(HostAuctions));
    EXPECT_STREQ(GetDefaultServiceOrigin(HostLogin), GetServiceOrigin(HostLogin));
    EXPECT_STREQ(GetDefaultServiceOrigin(HostSell), GetServiceOrigin(HostSell));
    EXPECT_STREQ(GetDefaultServiceOrigin(HostPortal), GetServiceOrigin(HostPortal));
    EXPECT_EQ(0, LoadServiceOrigins(nullptr));
}

TEST(ServiceHosts, ServiceUrl)
{
    OriginScope restore;
    SetServiceOrigin(HostOpenList, "http://127.0.0.1:9000");
    CString url = "old";
    EXPECT_TRUE(MakeServiceURL(HostOpenList, "/jp/show/mystatus?select=selling", url));
    EXPECT_STREQ("http://127.0.0.1:9000/jp/show/mystatus?select=selling", url);
    EXPECT_FALSE(MakeServiceURL(HostOpenList, "", url));
    EXPECT_TRUE(url.IsEmpty());
}
