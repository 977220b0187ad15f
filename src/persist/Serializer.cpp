#include "persist/Serializer.h"

#include <cstdio>
#include <exception>

#include "persist/FileReplace.h"
#include "persist/NativePath.h"
#include "support/Log.h"

namespace {

const char* const COMMIT_FAILED = "Serializer::Commit: file write failed";

std::string TemporaryFor(const std::string& path)
{
    // Beside the target, so the final move stays within one folder.
    return path + ".tmp";
}

} // namespace

Serializer::Serializer(const std::string& path)
    : std::ofstream(NativePath(TemporaryFor(path)),
                    std::ios::out | std::ios::binary | std::ios::trunc),
      m_Target(path),
      m_Temporary(TemporaryFor(path)),
      m_UncaughtAtStart(std::uncaught_exceptions())
{
    if (!is_open()) {
        LogMessage("Serializer::Serializer: unable to open: %s", path.c_str());
        throw "Serializer::Serializer: couldn't open file";
    }
}

Serializer::~Serializer()
{
    if (m_State != State::Open)
        return;
    if (std::uncaught_exceptions() > m_UncaughtAtStart || fail()) {
        Discard();
        return;
    }
    try {
        Commit();
    } catch (const char* text) {
        LogMessage("Serializer::~Serializer: %s", text);
    }
}

void Serializer::PutLong(int32_t value)
{
    const uint32_t bits = static_cast<uint32_t>(value);
    const char bytes[4] = {static_cast<char>(bits), static_cast<char>(bits >> 8),
                           static_cast<char>(bits >> 16), static_cast<char>(bits >> 24)};
    write(bytes, sizeof bytes);
    if (bad())
        throw "Serializer::PutLong: file write failed";
}

void Serializer::PutString(const std::string& text)
{
    PutLong(static_cast<int32_t>(text.size()));
    write(text.data(), static_cast<std::streamsize>(text.size()));
    if (bad())
        throw "Serializer::PutString: file write failed";
}

void Serializer::Commit()
{
    if (m_State == State::Committed)
        return;
    if (m_State == State::Discarded)
        throw COMMIT_FAILED;
    flush();
    if (fail()) {
        Discard();
        throw COMMIT_FAILED;
    }
    close();
    if (fail()) {
        Discard();
        throw COMMIT_FAILED;
    }
    if (!ReplaceWithTemporary(NativePath(m_Temporary), NativePath(m_Target))) {
        m_State = State::Discarded;
        LogMessage("Serializer::Commit: unable to replace: %s", m_Target.c_str());
        throw COMMIT_FAILED;
    }
    m_State = State::Committed;
}

void Serializer::Discard()
{
    close();
    std::remove(NativePath(m_Temporary).c_str());
    m_State = State::Discarded;
}
