// Turns the trace log on for one test and reads back its messages, without
// the time prefix. Use inside a TestFolder, as the log goes to the current
// directory.
#pragma once

#include <fstream>
#include <string>
#include <vector>

#include "support/Log.h"

class TraceCapture {
public:
    TraceCapture() { g_LogEnabled = 1; }
    ~TraceCapture() { g_LogEnabled = 0; }
    TraceCapture(const TraceCapture&) = delete;
    TraceCapture& operator=(const TraceCapture&) = delete;

    // The messages written so far, in order; the log is then started afresh.
    std::vector<std::string> Take()
    {
        std::vector<std::string> messages;
        std::ifstream in("log.txt", std::ios::binary);
        for (std::string line; std::getline(in, line);)
            messages.push_back(line.substr(line.find('\t') + 1)); // no tab: the whole line
        in.close();
        std::remove("log.txt");
        return messages;
    }
};

// For failure messages: the lines joined.
inline std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += "[" + line + "] ";
    return text;
}
