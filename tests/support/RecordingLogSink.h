#pragma once

#include "platform/LogSink.h"

#include <string>
#include <vector>

// A log sink that keeps every line, for tests.
class CRecordingLogSink : public CLogSink
{
public:
    void WriteLog(const std::string& line) override { Lines.push_back(line); }

    std::vector<std::string> Lines;
};
