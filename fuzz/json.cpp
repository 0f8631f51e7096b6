// The JSON reader on arbitrary bytes: the first byte chooses the reader's
// options, the rest is the text. Whatever it reads must print to a text that
// reads back to the same print; copies print alike.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "afx/String.h"
#include "text/Json.h"
#include "text/MbcsString.h"

namespace
{
void Fail(const char* what, const std::string& a, const std::string& b)
{
    std::fprintf(stderr, "json: %s\n[%s]\n[%s]\n", what, a.c_str(), b.c_str());
    std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const DWORD options = data[0] & 0x0F;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    CJsonDocument first;
    first.GetOptions().Set(options);
    if (first.Parse(text.c_str()) != JSON_PARSE_OK || first.GetRoot() == nullptr)
        return 0;

    CString printed;
    first.GetRoot()->ToText(printed);
    CJsonDocument second;
    second.GetOptions().Set(options);
    if (second.Parse(printed) != JSON_PARSE_OK || second.GetRoot() == nullptr)
        Fail("print does not read back", text, std::string(printed));
    CString reprinted;
    second.GetRoot()->ToText(reprinted);
    if (reprinted != printed)
        Fail("print changes on reading back", std::string(printed), std::string(reprinted));

    std::unique_ptr<CJsonValue> copy(first.GetRoot()->Clone());
    CString copied;
    copy->ToText(copied);
    if (copied != printed)
        Fail("copy prints otherwise", std::string(printed), std::string(copied));

    CString plain;
    first.GetRoot()->ToTextStyled(plain, JSON_STYLE_UNESCAPE | JSON_STYLE_UNICODE);
    if (CJsonValue* pMessage = first.GetRoot()->FindValue("message", MATCH_NOCASE))
        pMessage->ToTextStyled(plain, JSON_STYLE_UNESCAPE | JSON_STYLE_UNICODE);
    return 0;
}
