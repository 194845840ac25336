/* front_end_check.h: the windows and checks of the programs that run the
 * README's front-end examples, for C and C++: a hidden host with child
 * controls, and checks that print what they expected and what they got. */
#ifndef FRONT_END_CHECK_H
#define FRONT_END_CHECK_H

#include <windows.h>

#include <stdio.h>
#include <string.h>

static int failures = 0;

static HWND CreateChild(HWND host, const char* cls)
{
    return CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE, 0, 0, 300, 100, host, NULL,
                           GetModuleHandleA(NULL), NULL);
}

static HWND CreateHost(void)
{
    return CreateWindowExA(0, "STATIC", "front end", WS_POPUP, 0, 0, 400, 400, NULL, NULL,
                           GetModuleHandleA(NULL), NULL);
}

static void Check(int ok, const char* what, int line)
{
    if (!ok) {
        printf("line %d: %s\n", line, what);
        ++failures;
    }
}
#define CHECK(condition) Check((condition) != 0, #condition, __LINE__)

static void CheckText(HWND hWnd, const char* expected, int line)
{
    char shown[256] = "";
    GetWindowTextA(hWnd, shown, sizeof shown);
    if (strcmp(shown, expected) != 0) {
        printf("line %d: expected \"%s\", got \"%s\"\n", line, expected, shown);
        ++failures;
    }
}
#define CHECK_TEXT(hWnd, expected) CheckText((hWnd), (expected), __LINE__)

/* The list's lines, joined by '|'. */
static void CheckLines(HWND list, const char* expected, int line)
{
    char joined[1024] = "";
    const int count = (int)SendMessageA(list, LB_GETCOUNT, 0, 0);
    int i;
    for (i = 0; i < count; ++i) {
        char item[256] = "";
        if (SendMessageA(list, LB_GETTEXTLEN, (WPARAM)i, 0) < (LRESULT)sizeof item)
            SendMessageA(list, LB_GETTEXT, (WPARAM)i, (LPARAM)item);
        if (i > 0)
            strncat(joined, "|", sizeof joined - strlen(joined) - 1);
        strncat(joined, item, sizeof joined - strlen(joined) - 1);
    }
    if (strcmp(joined, expected) != 0) {
        printf("line %d: expected lines \"%s\", got \"%s\"\n", line, expected, joined);
        ++failures;
    }
}
#define CHECK_LINES(list, expected) CheckLines((list), (expected), __LINE__)

#endif
