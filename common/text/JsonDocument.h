#ifndef TANZO_TEXT_JSONDOCUMENT_H
#define TANZO_TEXT_JSONDOCUMENT_H

#include "afx/wintypes.h"
#include "text/BitFlags.h"
#include "text/JsonReader.h"

class CJsonValue;

// JSON text read into a tree of values. The options (JSON_ALLOW_ bits) are
// all clear unless the owner sets them before reading.
class CJsonDocument
{
public:
    CJsonDocument();
    ~CJsonDocument();

    CJsonDocument(const CJsonDocument&) = delete;
    CJsonDocument& operator=(const CJsonDocument&) = delete;

    // Replaces the tree by the one read from the text: JSON_PARSE_OK (also
    // for an empty text, which leaves no root), else a JSON_PARSE_ code and
    // no root.
    int Parse(LPCTSTR lpszText);
    // Null before a successful reading of a text with a value.
    CJsonValue* GetRoot() const { return m_pRoot; }

    CBitFlags& GetOptions() { return m_options; }
    const CBitFlags& GetOptions() const { return m_options; }

private:
    CJsonValue* m_pRoot = nullptr;
    CBitFlags m_options;
};

#endif // TANZO_TEXT_JSONDOCUMENT_H
