// The handle of a wrapper that callers may hold as a null pointer
// (GetSafeHandle, GetSafeHdc, GetSafeHwnd).
#pragma once

// Read through a volatile copy: called as a member function, the object
// could otherwise be assumed non-null and the check dropped.
template <class Object, class Handle> Handle AfxSafeHandle(const Object* pObject, Handle Object::*pHandle)
{
    const Object* volatile self = pObject;
    return self ? self->*pHandle : nullptr;
}
