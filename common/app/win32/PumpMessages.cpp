#include "afx/WinThread.h"
#include "app/AppComm.h"

void PumpMessages(CWinThread* pThread)
{
    if (pThread == nullptr)
        return;
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        if (msg.message == WM_QUIT)
        {
            // Eaten here, the quit would never reach the main loop and the
            // program would stay without a window.
            ::PostQuitMessage((int)msg.wParam);
            return;
        }
        if (!pThread->PreTranslateMessage(&msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}
