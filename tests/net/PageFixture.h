#ifndef TANZO_TESTS_NET_PAGEFIXTURE_H
#define TANZO_TESTS_NET_PAGEFIXTURE_H

// Pages of tests/fixtures/forms read into documents.

#include <fstream>
#include <iterator>
#include <string>

#include "afx/String.h"
#include "text/HtmlDocument.h"

inline CString ReadFormFixture(const char* name)
{
    std::string path = std::string(TANZO_FIXTURES) + "/forms/" + name;
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return CString(text.c_str());
}

#endif // TANZO_TESTS_NET_PAGEFIXTURE_H
