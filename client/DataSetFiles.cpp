#include "client/DataSetFiles.h"

#include "text/PathUtil.h"

#include <cstring>

namespace
{
const DataSetInfo kDataSets[DataSetCount] = {
    {"TanzoTemplate.updateauction", "TanzoTemplateUpdateAuctionDocument", 1, 0x01, 0x02, 950, 952, 954, 956},
    {"TanzoTemplate.rateeditasseller", "TanzoTemplateRateEditAsSellerDocument", 1, 0x04, 0x08, 951, 953, 955,
     957},
    {"TanzoTemplate.rateeditasbuyer", "TanzoTemplateRateEditAsBuyerDocument", 1, 0x10, 0x20, 963, 964, 965,
     966},
    {"TanzoAuctionItem.useredit", "TanzoAuctionItemUserEditDocument", 2, 0x40, 0x80, 980, 981, 982, 983},
};
} // namespace

const DataSetInfo* GetDataSetInfo(int set)
{
    return set >= 0 && set < DataSetCount ? &kDataSets[set] : nullptr;
}

BOOL IsPlainFolderName(LPCTSTR name)
{
    if (name == nullptr || *name == '\0' || std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
        return FALSE;
    char last = '\0';
    for (LPCTSTR p = name; *p != '\0'; p = AfxCharNext(p))
    {
        const unsigned char ch = (unsigned char)*p;
        if (ch < 0x20 || std::strchr("\\/:*?\"<>|", ch) != nullptr)
            return FALSE;
        // Only a one-byte character can be the dot or blank Windows drops.
        last = AfxCharNext(p) == p + 1 ? *p : '\0';
    }
    return last != '.' && last != ' ';
}

BOOL MakeDataFolder(LPCTSTR root, int set, LPCTSTR userID, CString& out)
{
    out.Empty();
    if (root == nullptr || *root == '\0' || GetDataSetInfo(set) == nullptr)
        return FALSE;
    if (set != dataSetUserEdits)
    {
        out = root;
        return TRUE;
    }
    if (!IsPlainFolderName(userID))
        return FALSE;
    JoinPath(out, root, userID);
    return TRUE;
}

BOOL MakeDataFilePath(LPCTSTR root, int set, LPCTSTR userID, CString& out)
{
    CString folder;
    if (!MakeDataFolder(root, set, userID, folder))
    {
        out.Empty();
        return FALSE;
    }
    JoinPath(out, folder, GetDataSetInfo(set)->fileName);
    return TRUE;
}
