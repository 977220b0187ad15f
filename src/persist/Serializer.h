// Writes a file as a sequence of long and string records. Every failure
// throws a pointer to its message text (const char*).
//
// The records go to a temporary file beside the target. Only a save that
// completes replaces the target, so an interrupted save (an exception, a
// failed write, a crash) leaves the old file whole.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>

class Serializer : public std::ofstream {
public:
    // Throws "Serializer::Serializer: couldn't open file" when the file
    // cannot be created.
    explicit Serializer(const std::string& path);
    // Commits when Commit was not called, no write failed and no exception
    // is unwinding through the writer's scope; otherwise the temporary file
    // is removed and the target left as it was.
    ~Serializer() override;

    Serializer(const Serializer&) = delete;
    Serializer& operator=(const Serializer&) = delete;

    void PutLong(int32_t value);
    void PutString(const std::string& text);

    // Flushes, closes and moves the temporary file over the target. Throws
    // "Serializer::Commit: file write failed" when the data did not reach
    // the target (which then keeps its old contents). Callers that must know
    // whether the save took call it as their last step.
    void Commit();

private:
    void Discard();

    enum class State { Open, Committed, Discarded };

    std::string m_Target;
    std::string m_Temporary;
    int m_UncaughtAtStart;
    State m_State = State::Open;
};
