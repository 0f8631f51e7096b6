#ifndef TANZO_TESTS_CLIENT_STATUSPAGEFIXTURE_H
#define TANZO_TESTS_CLIENT_STATUSPAGEFIXTURE_H

// Status pages of tests/fixtures/status (code page 932, as fetched pages
// are once converted) and the service origins they are written for.

#include <fstream>
#include <iterator>
#include <string>

#include "afx/String.h"
#include "net/ServiceHosts.h"

inline CString ReadStatusFixture(const char* name)
{
    std::ifstream in(std::string(TANZO_FIXTURES) + "/status/" + name, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return CString(text.c_str());
}

// The hosts of the fixtures for the scope.
class CFixtureOrigins
{
public:
    CFixtureOrigins()
    {
        SetServiceOrigin(HostLogin, "https://login.example");
        SetServiceOrigin(HostOpenList, "http://open.example");
        SetServiceOrigin(HostClosedList, "http://closed.example");
        SetServiceOrigin(HostItemPage, "http://page.example");
        SetServiceOrigin(HostAuctions, "http://auctions.example");
        SetServiceOrigin(HostImages, "http://img.example");
    }
    ~CFixtureOrigins() { ResetServiceOrigins(); }
    CFixtureOrigins(const CFixtureOrigins&) = delete;
    CFixtureOrigins& operator=(const CFixtureOrigins&) = delete;
};

#endif // TANZO_TESTS_CLIENT_STATUSPAGEFIXTURE_H
