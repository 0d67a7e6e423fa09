// SPDX-License-Identifier: GPL-3.0-or-later
/* Wine's wintab.h (LGPL-2.1+), with the two macros that Wine's own headers
   define for it and MinGW-w64's do not. */
#ifndef RADIXON_WINTAB_H
#define RADIXON_WINTAB_H
#include <windows.h>
#ifndef DECL_WINELIB_TYPE_AW
#ifdef UNICODE
#define WINELIB_NAME_AW(name) name##W
#else
#define WINELIB_NAME_AW(name) name##A
#endif
#define DECL_WINELIB_TYPE_AW(type) typedef WINELIB_NAME_AW(type) type;
#endif
#ifndef API
#define API WINAPI
#endif
#include "wine_wintab.h"
#endif
