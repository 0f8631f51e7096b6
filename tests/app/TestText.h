#ifndef TANZO_TESTS_APP_TESTTEXT_H
#define TANZO_TESTS_APP_TESTTEXT_H

// Long texts for the tests (both builds).

#include <string>

// The piece n times over.
inline std::string RepeatText(const char* piece, int n)
{
    std::string text;
    for (int i = 0; i < n; ++i)
        text += piece;
    return text;
}

#endif // TANZO_TESTS_APP_TESTTEXT_H
