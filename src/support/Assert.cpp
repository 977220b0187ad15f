#include "support/Assert.h"

#include <cstdio>
#include <cstdlib>

#include "support/Log.h"

namespace {

const size_t ASSERT_TEXT_LIMIT = 1024;

bool AnswerOk(const char*)
{
    return false;
}

void NoWindow() {}

void ExitProcessNow(int code)
{
    std::exit(code);
}

AssertUi g_AssertUi = {AnswerOk, NoWindow, ExitProcessNow};

} // namespace

void SetAssertUi(const AssertUi& ui)
{
    g_AssertUi.ShowBox = ui.ShowBox ? ui.ShowBox : AnswerOk;
    g_AssertUi.DestroyMainWindow = ui.DestroyMainWindow ? ui.DestroyMainWindow : NoWindow;
    g_AssertUi.Exit = ui.Exit ? ui.Exit : ExitProcessNow;
}

void FormatAssertMessage(char* buffer, size_t size, const char* expression,
                         const char* file, unsigned int line)
{
    if (!buffer || size == 0)
        return;
    const size_t limit = size < ASSERT_TEXT_LIMIT + 1 ? size : ASSERT_TEXT_LIMIT + 1;
    std::snprintf(buffer, limit, "at line %u in file %s: \"%s\": OK to continue.", line,
                  file ? file : "", expression ? expression : "");
}

void DoAssert(const char* expression, const char* file, unsigned int line)
{
    char message[ASSERT_TEXT_LIMIT + 1];
    FormatAssertMessage(message, sizeof message, expression, file, line);
    LogMessage("DoAssert:  %s", message);
    if (g_AssertUi.ShowBox(message)) {
        LogMessage("IDCANCEL DestroyWindow");
        g_AssertUi.DestroyMainWindow();
    }
    LogMessage("IDOK DoAssert");
}

void DoAssertFatal(const char* file, unsigned int line)
{
    DoAssert("x", file, line);
    g_AssertUi.Exit(1);
    std::abort(); // Exit must not return
}
