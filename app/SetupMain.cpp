#include "CSetupApp.h"

// The one application object of setup.exe.
CSetupApp theApp;
