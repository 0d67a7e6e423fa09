// SPDX-License-Identifier: GPL-3.0-or-later
// A program that Windows 7 cannot load: it imports a function that came with
// Windows 8. The check of the imports must refuse it.
#include <windows.h>

int main()
{
    FILETIME now;
    GetSystemTimePreciseAsFileTime(&now);
    return static_cast<int>(now.dwLowDateTime & 1);
}
