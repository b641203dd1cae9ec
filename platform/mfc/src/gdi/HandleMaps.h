// Which wrapper stands for a GDI handle or a device context: the owning
// wrapper from the process-wide permanent maps, or a temporary one from the
// calling thread's maps.
#pragma once

#include <afxgdi.h>

// Records pObject as the owner of hObject. False when another wrapper owns
// it already or there is no memory.
bool AfxSetPermanentGdi(HGDIOBJ hObject, CGdiObject* pObject);
// Forgets the owner of hObject, but only when it is pObject.
void AfxRemovePermanentGdi(HGDIOBJ hObject, CGdiObject* pObject);
bool AfxSetPermanentDC(HDC hDC, CDC* pDC);
void AfxRemovePermanentDC(HDC hDC, CDC* pDC);

// The owner of hObject when it is a pClass; otherwise a temporary pClass
// wrapper of the calling thread (for CGdiObject itself, of the class that
// the handle's object type calls for). Null for a null handle or without
// memory.
CGdiObject* AfxGdiFromHandle(HGDIOBJ hObject, CRuntimeClass* pClass);
CDC* AfxDCFromHandle(HDC hDC);

void AfxDeleteTempGdiObjects();
void AfxDeleteTempDCs();

// Gives pObject a handle that a Create function just made; the handle is
// deleted again when it cannot be attached.
BOOL AfxAttachNewGdi(CGdiObject* pObject, HGDIOBJ hObject);

// Stock objects and system colour brushes belong to the system: no wrapper
// deletes them.
bool AfxIsSystemGdiObject(HGDIOBJ hObject);

// The calling thread ends: its temporary wrappers and their maps go.
void AfxEndThreadTemps();
// The framework unloads: the thread slot goes too.
void AfxFreeTempStorage();
