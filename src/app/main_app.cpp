// The one application object of TAVO.exe; the framework's entry point runs it.
#include "app/tavo_app.h"

CTAVOApp theApp;
