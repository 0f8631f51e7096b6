// The client program's one application object.
#include "client/TanzoApp.h"

CTanzoApp theApp;
