#include "TempDir.h"

#include <cstdlib>
#include <stdexcept>
#include <system_error>

CTempDir::CTempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "kk-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed for " + pattern);
    m_path = pattern;
}

CTempDir::~CTempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}
