// Application
#include "ui/app/TrailmarkApp.h"

// Windows
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    CTrailmarkApp app;
    return app.Run();
}
