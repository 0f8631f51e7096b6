#ifndef TANZO_TESTS_ACTIONS_WIN32_STOPWHENHELD_H
#define TANZO_TESTS_ACTIONS_WIN32_STOPWHENHELD_H

#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include "afx/Wnd.h"
#include "auction/operations/OperationResourceIds.h"
#include "net/HttpComm.h"
#include "net/win32/StandIn.h"

// Stops a job once the stand-in holds one of its requests, from a thread
// of its own (the job's thread is inside that request), then lets the
// request be answered: the stop comes before the answer, so the job must
// take it first, and nobody waits for a receive time-out.
class CStopWhenHeld
{
public:
    // stop: false while it cannot stop yet.
    explicit CStopWhenHeld(std::function<bool()> stop)
        : m_thread(
              [this, stop]
              {
                  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
                  while (!m_bDone && std::chrono::steady_clock::now() < end)
                  {
                      if (StandIn::CountHeld() > 0 && stop())
                      {
                          m_bStopped = true;
                          break;
                      }
                      ::Sleep(10);
                  }
                  StandIn::ReleaseHeld();
              })
    {
    }
    // 中止 of the conversation, as the run dialog sets it.
    explicit CStopWhenHeld(CHttpComm& http)
        : CStopWhenHeld(
              [&http]
              {
                  http.SetCancel(TRUE);
                  return true;
              })
    {
    }
    // 中止 pressed in a run dialog (its click queued to it).
    explicit CStopWhenHeld(CWnd& run)
        : CStopWhenHeld(
              [&run]
              {
                  const HWND hRun = run.m_hWnd;
                  if (hRun == nullptr)
                      return false;
                  ::PostMessageA(hRun, WM_COMMAND, MAKEWPARAM(IDC_PREPARE_ABORT, BN_CLICKED),
                                 (LPARAM)::GetDlgItem(hRun, IDC_PREPARE_ABORT));
                  return true;
              })
    {
    }
    ~CStopWhenHeld() { Join(); }
    CStopWhenHeld(const CStopWhenHeld&) = delete;
    CStopWhenHeld& operator=(const CStopWhenHeld&) = delete;

    // Whether it stopped the job.
    bool Join()
    {
        m_bDone = true;
        if (m_thread.joinable())
            m_thread.join();
        return m_bStopped;
    }

private:
    std::atomic<bool> m_bDone{false};
    std::atomic<bool> m_bStopped{false};
    std::thread m_thread;
};

#endif // TANZO_TESTS_ACTIONS_WIN32_STOPWHENHELD_H
