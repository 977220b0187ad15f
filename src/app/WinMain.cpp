// Entry point: single instance, application object, page wiring, music, and
// the message loop that doubles as the page's animation clock.
#include <windows.h>

#include <new>

#include "app/Application.h"
#include "app/AssertWindow.h"
#include "app/SingleInstanceGuard.h"
#include "audio/MidiManager.h"
#include "audio/SoundEffect.h"
#include "audio/WinmmLibrary.h"
#include "controls/ChildWindow.h"
#include "controls/DialogTemplate.h"
#include "shell/WM_Messages.h"
#include "sticker/AnimView.h"
#include "sticker/PageStartup.h"
#include "support/Log.h"
#include "support/StartupFiles.h"

namespace {

const char CLASS_NAME[] = "ZEPClass04";
const char WINDOW_TITLE[] = "Mossleaf 4";
const char INSTANCE_ID[] = "S-7d3a9e04-5b61-4c2f-8e90-3a1f6b2c4d85";
const int SCREEN_WIDTH = 1024;
const int SCREEN_HEIGHT = 768;
const int ICON_ID = 100;
const DWORD IDLE_SLEEP_MS = 10;

SingleInstanceGuard g_InstanceGuard;

unsigned long SystemMilliseconds()
{
    const CWinmmLibrary* winmm = CWinmmLibrary::Get();
    return winmm ? winmm->TimeGetTime() : GetTickCount();
}

// The page is redrawn only once the play screen has been painted.
void IdleStep()
{
    if (Messages.ScreenState == 2 && PageWindow)
        AnimView.FlushDirty(PageWindow->GetHWnd());
}

// The title screen needs neither the page nor the music: it is painted and
// shown first. Only its own messages are handled here; input waits in the
// queue until the page it may act on exists.
void ShowFirstScreen(HWND window)
{
    MSG msg;
    while (PeekMessageA(&msg, window, WM_USER_CREATE_CONTROLS, WM_USER_CREATE_CONTROLS, PM_REMOVE))
        DispatchMessageA(&msg);
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    // Wine puts what was painted on the screen when a look into the queue
    // finds nothing.
    PeekMessageA(&msg, window, WM_USER_CREATE_CONTROLS, WM_USER_CREATE_CONTROLS, PM_NOREMOVE);
}

WPARAM RunMessageLoop()
{
    MSG msg;
    for (;;) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!GetMessageA(&msg, nullptr, 0, 0))
                return msg.wParam;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        } else if (AppActive) {
            IdleStep();
            // Sleeps like Sleep(IDLE_SLEEP_MS), but a message ends the sleep:
            // a pointer move is drawn at once, not up to a sleep later.
            MsgWaitForMultipleObjects(0, nullptr, FALSE, IDLE_SLEEP_MS, QS_ALLINPUT);
        } else {
            WaitMessage();
        }
    }
}

// The application from its window to the end of the message loop; the exit code.
int RunBook(HINSTANCE instance, int showCommand)
{
    g_Application = new (std::nothrow)
        CApplication(MainWndProc, CLASS_NAME, WINDOW_TITLE, instance, showCommand, ICON_ID, 0,
                     SCREEN_WIDTH, SCREEN_HEIGHT, WS_POPUP, nullptr);
    if (!g_Application)
        return 0;
    if (!g_Application->getHWnd()) {
        g_Application->SwitchDisplayMode();
        LogMessage("No handle was created.");
        delete g_Application;
        g_Application = nullptr;
        return 0;
    }

    hGlobal = g_Application->getHWnd();
    LogMessage("hGlobal %i  CApplication->getHWnd() %i", PtrToInt(hGlobal),
               PtrToInt(g_Application->getHWnd()));

    ShowFirstScreen(g_Application->getHWnd());
    g_Application->SwitchDisplayMode();
    StartPage(g_Application->getHWnd());
    LogStartupStep("page");

    // Plays at once if active; from now on every activation restarts it.
    MidiManager.Play(MUSIC_FILES, g_Application->getHWnd());
    MidiManager.InitializedMIDI();
    LogMessage("MidiManager.InitializedMIDI() ******;");
    LogStartupStep("music");
    SoundEffect::PrepareDevices();
    LogStartupStep("sound devices");

    // Every bitmap dialog builds its template from these when it is shown.
    FillDialogKindTable();

    LogMessage("");
    LogMessage("------------------Beginning of Message Loop------------------");
    LogMessage("");

    const WPARAM exitCode = RunMessageLoop();

    LogMessage("");
    LogMessage("------------------End of Message Loop------------------");
    LogMessage("");

    delete g_Application;
    g_Application = nullptr;
    return static_cast<int>(exitCode);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
#ifdef MOSSLEAF_TRACE
    g_LogEnabled = 1;
#endif
    SetLogClock(SystemMilliseconds);
    LogStartupStep("entry");
    InstallAssertWindow();

    if (!g_InstanceGuard.Check(CLASS_NAME, INSTANCE_ID))
        return 0;
    BeginProgramFiles();
    const int exitCode = RunBook(instance, showCommand);
    // Only the main window's creation handler waits for the missing-file
    // check: without a window it may still be running.
    EndFileCheck();
    return exitCode;
}
