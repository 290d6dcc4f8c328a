#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    MessageBoxW(nullptr, L"混凝土配合比设计", L"Mixora", MB_OK);
    return 0;
}
