#pragma once

#include <string>

// Where the platform layer's diagnostic lines go (the program's log file). The application
// forwards them to CLogFile; tests collect them.
class CLogSink
{
public:
    virtual ~CLogSink() = default;
    virtual void WriteLog(const std::string& line) = 0;
};
