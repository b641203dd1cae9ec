#include "LexorinBasis.h"

#include "BasisHeap.h"

#include <string.h>

CT_VoidArray::CT_VoidArray(unsigned elementSize)
    : pn1_Data(nullptr), n_ElementSize(elementSize), n_Count(0), n_Capacity(0)
{
}

// A copy that finds no memory is empty.
CT_VoidArray::CT_VoidArray(const CT_VoidArray& other) : CT_VoidArray(other.n_ElementSize)
{
    *this = other;
}

CT_VoidArray::~CT_VoidArray()
{
    Basis::v_Free(pn1_Data);
}

// Without memory for the copy the array keeps its own elements.
CT_VoidArray& CT_VoidArray::operator=(const CT_VoidArray& other)
{
    if (&other == this)
        return *this;
    BYTE* data = nullptr;
    if (other.n_Count) {
        data = static_cast<BYTE*>(Basis::pv_AllocateArray(other.n_Count, other.n_ElementSize));
        if (!data)
            return *this;
        memcpy(data, other.pn1_Data, static_cast<size_t>(other.n_Count) * other.n_ElementSize);
    }
    Basis::v_Free(pn1_Data);
    pn1_Data = data;
    n_ElementSize = other.n_ElementSize;
    n_Count = n_Capacity = other.n_Count;
    return *this;
}

unsigned CT_VoidArray::n_GetCount() const
{
    return n_Count;
}

unsigned CT_VoidArray::n_GetElementSize() const
{
    return n_ElementSize;
}

const void* CT_VoidArray::pcv_GetAt(unsigned index) const
{
    return index < n_Count ? pn1_Data + static_cast<size_t>(index) * n_ElementSize : nullptr;
}

// An array of elements without size holds nothing.
int CT_VoidArray::b_Append(const void* element)
{
    if (!element || n_ElementSize == 0)
        return FALSE;
    if (n_Count == n_Capacity) {
        if (n_Capacity > 0x3FFFFFFF)
            return FALSE;
        const unsigned capacity = n_Capacity ? n_Capacity * 2 : 8;
        BYTE* data = static_cast<BYTE*>(Basis::pv_AllocateArray(capacity, n_ElementSize));
        if (!data)
            return FALSE;
        if (n_Count)
            memcpy(data, pn1_Data, static_cast<size_t>(n_Count) * n_ElementSize);
        // The element may be one of this array's own: copy it before the
        // old storage goes.
        memcpy(data + static_cast<size_t>(n_Count) * n_ElementSize, element, n_ElementSize);
        Basis::v_Free(pn1_Data);
        pn1_Data = data;
        n_Capacity = capacity;
    } else {
        memmove(pn1_Data + static_cast<size_t>(n_Count) * n_ElementSize, element, n_ElementSize);
    }
    ++n_Count;
    return TRUE;
}

void CT_VoidArray::v_RemoveAll()
{
    Basis::v_Free(pn1_Data);
    pn1_Data = nullptr;
    n_Count = n_Capacity = 0;
}

unsigned CT_VoidArray::n_Find(const void* element) const
{
    if (!element)
        return 0;
    for (unsigned i = 0; i < n_Count; ++i)
        if (memcmp(pn1_Data + static_cast<size_t>(i) * n_ElementSize, element, n_ElementSize) == 0)
            return i + 1;
    return 0;
}
