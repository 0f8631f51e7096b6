#ifndef TANZO_TESTAPP_RESOURCE_H
#define TANZO_TESTAPP_RESOURCE_H

// Menu, accelerators, icon and document strings of the frame.
#define IDR_MAINFRAME 128

#endif // TANZO_TESTAPP_RESOURCE_H
