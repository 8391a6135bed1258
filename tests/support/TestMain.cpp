// Entry point of every test program: the process runs with its own temporary HOME and XDG
// directories (on Windows also USERPROFILE, TMP and TEMP), so no test reads or writes the
// user's files.

#include "TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>

// The sanitizers read these before main when the test build has them (tests/support/CMakeLists.txt).
extern "C" const char* __asan_default_options()
{
    return KK_ASAN_OPTIONS;
}

extern "C" const char* __lsan_default_options()
{
    return KK_LSAN_OPTIONS;
}

extern "C" const char* __ubsan_default_options()
{
    return KK_UBSAN_OPTIONS;
}

namespace {

void SetEnv(const char* name, const std::filesystem::path& value)
{
    std::filesystem::create_directories(value);
#ifdef _WIN32
    const std::wstring wideName(name, name + std::char_traits<char>::length(name));
    _wputenv_s(wideName.c_str(), value.c_str());
#else
    setenv(name, value.c_str(), 1);
#endif
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
#ifdef _WIN32
    SetEnv("USERPROFILE", home->Path());
    SetEnv("TMP", home->Path() / "tmp");
    SetEnv("TEMP", home->Path() / "tmp");
#endif

    testing::InitGoogleMock(&argc, argv);
    const int result = RUN_ALL_TESTS();
    home.reset();
    return result;
}
