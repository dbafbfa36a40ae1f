// idle_program.exe: a program that does nothing for two minutes and then ends, for tests that
// need a process running from a given file.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    Sleep(120000);
    return 0;
}
