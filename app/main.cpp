// tarvonel6: the window. Shows the shutter count of the Nikon photo named on
// the command line, or opened from the toolbar.

#include "app/CTarvonel6App.h"
#include "framework/AfxWinMain.h"

// The one application object, constructed before main.
CTarvonel6App theApp;

int main(int argc, char* argv[]) { return AfxWinMain(argc, argv); }
