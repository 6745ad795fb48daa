// The Win32 base types the framework speaks in. On Windows they come from
// <windows.h>; the portable core also builds on Linux for the sanitizer and
// fuzzing runs, where the few types it needs are declared here.
#pragma once

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <cstdint>

typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef uint32_t DWORD;
typedef unsigned int UINT;
typedef int32_t LONG;
typedef int64_t LONGLONG;
typedef char CHAR;
typedef char TCHAR;
typedef const char* LPCSTR;
typedef const char* LPCTSTR;
typedef char* LPSTR;
typedef char* LPTSTR;
typedef void* LPVOID;
typedef void* HANDLE;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

// No code page with double-byte characters on the native build.
inline BOOL IsDBCSLeadByte(BYTE) { return FALSE; }
#endif

// Opaque iteration cursor of the framework's collections.
struct __POSITION {};
typedef __POSITION* POSITION;
