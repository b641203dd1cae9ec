#include "LexorinBasis.h"

namespace {

// Position just after the last separator; 0 when the name has no folder.
unsigned n_NameStart(const CT_UString& path)
{
    for (unsigned i = path.vn_GetLength(); i > 0; --i) {
        const wchar_t unit = path.u_GetAt(i - 1);
        if (unit == L'\\' || unit == L'/')
            return i;
    }
    return 0;
}

} // namespace

CT_FileName::CT_FileName(const CT_UString* path)
{
    co_Path.v_Set(path);
}

CT_FileName::~CT_FileName() = default;

int CT_FileName::b_GetPath(CT_UString* folder) const
{
    if (!folder)
        return FALSE;
    const unsigned end = n_NameStart(co_Path);
    folder->v_Set(nullptr, 0);
    folder->v_Set(co_Path.qcuz_Get(), end);
    return end != 0 && folder->vn_GetLength() == end;
}

// The extension starts at the last dot of the name; a dot that begins the
// name (".profile") starts no extension.
int CT_FileName::b_GetBaseName(CT_UString* name) const
{
    if (!name)
        return FALSE;
    const unsigned start = n_NameStart(co_Path);
    unsigned end = co_Path.vn_GetLength();
    for (unsigned i = end; i > start + 1; --i) {
        if (co_Path.u_GetAt(i - 1) == L'.') {
            end = i - 1;
            break;
        }
    }
    name->v_Set(nullptr, 0);
    name->v_Set(co_Path.qcuz_Get() + start, end - start);
    return end != start && name->vn_GetLength() == end - start;
}
