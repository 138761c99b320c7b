// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Prints, in UTF-8, each program's name, then what Explorer's Properties show for it and
// how many icons it holds:
//   resources.exe PROGRAM.exe...
#include <stdio.h>
#include <stdlib.h>
#include <windows.h>

static BOOL CALLBACK CountIcon(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR count) {
    (void)module;
    (void)type;
    (void)name;
    ++*(int*)count;
    return TRUE;
}

int wmain(int argc, wchar_t** argv) {
    static const char* const names[] = {"ProductName", "FileDescription", "CompanyName",
                                        "FileVersion", "ProductVersion"};
    for (int i = 1; i < argc; ++i) {
        char text[1024];
        WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, text, sizeof text, NULL, NULL);
        printf("%s\n", text);
        const DWORD size = GetFileVersionInfoSizeW(argv[i], NULL);
        void* info = size ? malloc(size) : NULL;
        const BOOL read = info && GetFileVersionInfoW(argv[i], 0, size, info);
        for (size_t n = 0; read && n < sizeof names / sizeof names[0]; ++n) {
            wchar_t key[128];
            wchar_t* value;
            UINT length;
            // The resources are Russian, Unicode.
            swprintf(key, 128, L"\\StringFileInfo\\041904B0\\%hs", names[n]);
            if (VerQueryValueW(info, key, (void**)&value, &length)) {
                WideCharToMultiByte(CP_UTF8, 0, value, -1, text, sizeof text, NULL, NULL);
                printf("%s=%s\n", names[n], text);
            }
        }
        free(info);
        HMODULE module = LoadLibraryExW(argv[i], NULL, LOAD_LIBRARY_AS_DATAFILE);
        int icons = 0;
        if (module) {
            EnumResourceNamesW(module, (LPCWSTR)RT_GROUP_ICON, CountIcon, (LONG_PTR)&icons);
        }
        printf("icons=%d\n", icons);
    }
    return 0;
}
