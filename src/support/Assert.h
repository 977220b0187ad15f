// Reporting of broken invariants. Callers test the condition themselves and
// call DoAssert with its text when it fails; execution goes on afterwards.
#pragma once

#include <cstddef>

#define ML_ASSERT(condition)                                   \
    do {                                                       \
        if (!(condition))                                      \
            DoAssert(#condition, __FILE__, __LINE__);          \
    } while (0)

// Reports and then ends the process with exit code 1, whatever the user chose.
#define ML_ASSERT_FATAL() DoAssertFatal(__FILE__, __LINE__)

void DoAssert(const char* expression, const char* file, unsigned int line);
[[noreturn]] void DoAssertFatal(const char* file, unsigned int line);

// The message box text for a failed condition, at most 1024 characters.
void FormatAssertMessage(char* buffer, size_t size, const char* expression,
                         const char* file, unsigned int line);

// How the report reaches the user. The Windows program shows a message box
// owned by the main window; the default answers OK, as a host has no screen.
struct AssertUi {
    // Beeps, shows the text and returns true when the user chose Cancel.
    bool (*ShowBox)(const char* text);
    // Destroys the main window, so the program ends at the next message.
    void (*DestroyMainWindow)();
    // Ends the process at once.
    void (*Exit)(int code);
};
void SetAssertUi(const AssertUi& ui);
