#include "text/RandomText.h"

#include <cstdlib>

void RandomAlphanumeric(int count, CString& out)
{
    CString result;
    for (int i = 0; i < count; ++i)
    {
        switch (std::rand() % 3)
        {
        case 0:
            result += (char)('0' + std::rand() % 10);
            break;
        case 1:
            result += (char)('a' + std::rand() % 26);
            break;
        default:
            result += (char)('A' + std::rand() % 26);
            break;
        }
    }
    out = std::move(result);
}
