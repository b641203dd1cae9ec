// Build configuration of the framework: import/export decoration and calling
// conventions.
#pragma once

#ifndef _UNICODE
#error The framework is built for wide-character text only: define UNICODE and _UNICODE.
#endif

#define _AFX_CLASS_EXPORT __declspec(dllexport)
#define _AFX_CLASS_IMPORT __declspec(dllimport)
#define _AFX_API_EXPORT __declspec(dllexport)
#define _AFX_API_IMPORT __declspec(dllimport)

// _AFX_CORE_IMPL is defined only while MFC71U.DLL itself is compiled.
#ifdef _AFX_CORE_IMPL
#define _AFX_CORE_CLASS _AFX_CLASS_EXPORT
#define _AFX_CORE_API _AFX_API_EXPORT
#else
#define _AFX_CORE_CLASS _AFX_CLASS_IMPORT
#define _AFX_CORE_API _AFX_API_IMPORT
#endif

// An extension DLL defines _AFXEXT while it builds itself, so that its
// AFX_EXT_CLASS classes are exported; its users see them imported.
#ifdef _AFXEXT
#define AFX_EXT_CLASS _AFX_CLASS_EXPORT
#define _AFX_EXT_API _AFX_API_EXPORT
#else
#define AFX_EXT_CLASS _AFX_CLASS_IMPORT
#define _AFX_EXT_API _AFX_API_IMPORT
#endif

#define AFXAPI __stdcall
#define afx_msg
