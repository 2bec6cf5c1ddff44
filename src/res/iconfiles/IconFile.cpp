// A program that only carries an icon: the file list shows its icon for the
// up row and for shared items. Started by itself, it does nothing.

// Windows
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 0; }
