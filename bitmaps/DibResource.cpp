#include "DibResource.h"

#include "DibFormat.h"

// The system's readers take a header's word for the size of the table and
// the bits, so a broken picture is never handed to them: they would read past
// the resource.
const BYTE* pcn1_FindWholePicture(HINSTANCE module, LPCWSTR name, DWORD* pSize)
{
    const HRSRC resource = ::FindResourceW(module, name, RT_BITMAP);
    if (!resource)
        return nullptr;
    const HGLOBAL data = ::LoadResource(module, resource);
    const auto* bytes = data ? static_cast<const BYTE*>(::LockResource(data)) : nullptr;
    const DWORD size = ::SizeofResource(module, resource);
    if (!CT_DIBFormat::sb_IsReadable(bytes, size))
        return nullptr;
    if (pSize)
        *pSize = size;
    return bytes;
}
