// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for the programs in the installer's test: appends the folder it was started
// in and its arguments, in UTF-8, to the file that KLETOCHKA_TEST_LOG names.
#include <stdio.h>
#include <stdlib.h>
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
    const wchar_t* log = _wgetenv(L"KLETOCHKA_TEST_LOG");
    FILE* f = log ? _wfopen(log, L"ab") : NULL;
    if (!f) {
        return 1;
    }
    wchar_t cwd[MAX_PATH];
    char text[4 * MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, cwd);
    WideCharToMultiByte(CP_UTF8, 0, cwd, -1, text, sizeof text, NULL, NULL);
    fprintf(f, "started in %s\n", text);
    for (int i = 0; i < argc; ++i) {
        WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, text, sizeof text, NULL, NULL);
        fprintf(f, "argument %d: %s\n", i, text);
    }
    return fclose(f) != 0;
}
