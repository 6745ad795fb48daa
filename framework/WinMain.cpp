#include "CWinApp.h"

// The process entry point of a program built on the framework. Kept apart so
// that test programs, which bring their own main, do not pull it in.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, lpCmdLine, nCmdShow);
}
