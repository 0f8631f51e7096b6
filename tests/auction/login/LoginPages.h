#ifndef TANZO_TESTS_AUCTION_LOGINPAGES_H
#define TANZO_TESTS_AUCTION_LOGINPAGES_H

// Pages of tests/fixtures/login (kept in UTF-8) in the program's code page.

#include <fstream>
#include <iterator>
#include <string>

#include "afx/String.h"
#include "text/WideConvert.h"

inline CString ReadLoginFixture(const char* name)
{
    std::string path = std::string(TANZO_FIXTURES) + "/login/" + name;
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    CString page;
    Utf8ToAnsi(text.c_str(), page);
    return page;
}

#endif // TANZO_TESTS_AUCTION_LOGINPAGES_H
