#pragma once
// The Control Panel applets for the Favorites menu, collected by a worker: the
// applet files of the system directory are loaded one by one and asked for
// their applets' names. The menu shows what has been collected so far.

// Standard library
#include <string>
#include <vector>

struct Applet {
    std::string name;  // what the menu shows
    std::string file;  // the applet file's full path
    int index = 0;     // the applet's number inside its file
};

// The applets collected so far, in collection order, at most ID_APPLET_COUNT.
std::vector<Applet> CollectedApplets();

// Starts the worker unless one is already running; it replaces the list when done.
void StartAppletCollector();

// Opens applet n of the collected list; false when there is none.
bool OpenCollectedApplet(int n);
