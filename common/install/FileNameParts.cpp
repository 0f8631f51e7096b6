#include "install/FileNameParts.h"

#include "text/TextCut.h"

BOOL GetTailAfterLast(LPCTSTR text, char ch, CString& out)
{
    CString tail(text != nullptr ? text : "");
    if (!KeepAfterChar(tail, ch, TRUE))
        tail.Empty();
    out = tail;
    return !out.IsEmpty();
}

BOOL GetFileNamePart(LPCTSTR path, CString& out)
{
    return GetTailAfterLast(path, '\\', out);
}

BOOL GetFileTitleNoExt(LPCTSTR path, CString& out)
{
    CString name;
    if (!GetFileNamePart(path, name))
        name = path != nullptr ? path : "";
    if (name.IsEmpty())
    {
        out.Empty();
        return FALSE;
    }
    KeepBeforeChar(name, '.');
    out = name;
    return TRUE;
}
