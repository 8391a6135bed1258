// Entry point of every test program: the process runs with its own temporary HOME and XDG
// directories, so no test reads or writes the user's files.

#include "TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>

namespace {

void SetEnv(const char* name, const std::filesystem::path& value)
{
    std::filesystem::create_directories(value);
    setenv(name, value.c_str(), 1);
}

} // namespace

int main(int argc, char** argv)
{
    auto home = std::make_unique<CTempDir>();
    SetEnv("HOME", home->Path());
    SetEnv("XDG_CONFIG_HOME", home->Path() / ".config");
    SetEnv("XDG_DATA_HOME", home->Path() / ".local" / "share");
    SetEnv("XDG_CACHE_HOME", home->Path() / ".cache");
    SetEnv("TMPDIR", home->Path() / "tmp");

    testing::InitGoogleMock(&argc, argv);
    const int result = RUN_ALL_TESTS();
    home.reset();
    return result;
}
