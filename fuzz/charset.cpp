// The charset of a page: its Content-Type header value (the input up to the
// first line end), else its meta tag, else a guess from the bytes (the rest
// of the input). Invariants: every answer is a known code, the header wins,
// then the meta tag, and nothing past the prescanned start of the page
// changes what the meta tag says.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "net/HttpRules.h"
#include "text/Charset.h"

namespace
{
void Check(bool condition)
{
    if (!condition)
        std::abort();
}

bool IsCode(int code)
{
    return code >= CHARSET_UNKNOWN && code <= CHARSET_UTF8;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t lineEnd = input.find('\n');
    const std::string header = input.substr(0, lineEnd).c_str(); // a header value has no NUL
    const std::string body = lineEnd == std::string::npos ? std::string() : input.substr(lineEnd + 1);
    const int length = (int)body.size();

    const int fromHeader = CharsetFromContentType(header.c_str());
    const int fromMeta = FindMetaCharset(body.data(), length);
    const int guessed = GuessCharset(body.data(), length);
    Check(IsCode(fromHeader) && IsCode(fromMeta) && IsCode(guessed));

    const int chosen = ChoosePageCharset(fromHeader, body.data(), length);
    const int expected = fromHeader != CHARSET_UNKNOWN ? fromHeader
                         : fromMeta != CHARSET_UNKNOWN ? fromMeta
                                                       : guessed;
    Check(chosen == expected);

    const int prescan = 64 * 1024;
    if (length > prescan)
        Check(FindMetaCharset(body.data(), prescan) == fromMeta);
    return 0;
}
