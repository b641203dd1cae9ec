#include "LexorinBasis.h"

#include "BasisHeap.h"
#include "Text.h"

CT_UString::CT_UString() = default;

CT_UString::CT_UString(const CT_UString& other) : CT_String(other) {}

CT_UString::CT_UString(const CT_String* other)
{
    v_Set(other);
}

CT_UString::CT_UString(const wchar_t* text, unsigned length)
{
    v_Set(text, length);
}

CT_UString::CT_UString(const char* text, unsigned length)
{
    v_Set(text, length, Basis::kWidenBytes);
}

CT_UString::~CT_UString() = default;

CT_UString& CT_UString::operator=(const CT_UString& other)
{
    v_Set(&other);
    return *this;
}

void CT_UString::vv_Init(const char* text, unsigned length)
{
    v_Set(text, length, Basis::kWidenBytes);
}

// Null when no memory is left: callers' new-expressions check before
// constructing (-fcheck-new), as the product family builds them.
void* CT_UString::operator new(size_t size)
{
    return Basis::pv_Allocate(size);
}

void CT_UString::operator delete(void* block)
{
    Basis::v_Free(block);
}
