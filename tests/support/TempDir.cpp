#include "TempDir.h"

#include "platform/PathText.h"
#include "platform/PlatformPaths.h"

#include <random>
#include <stdexcept>
#include <system_error>

namespace {

constexpr int kAttempts = 100;

// Six random letters and digits, as mkdtemp would put in place of "XXXXXX".
std::string RandomSuffix(std::mt19937& generator)
{
    static constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::uniform_int_distribution<int> pick(0, sizeof(kAlphabet) - 2);
    std::string suffix(6, ' ');
    for (char& c : suffix)
        c = kAlphabet[pick(generator)];
    return suffix;
}

} // namespace

// Creates the directory exclusively (create_directory fails when the name is taken), on every
// system, where mkdtemp exists only on POSIX.
CTempDir::CTempDir()
{
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    std::mt19937 generator(std::random_device{}());
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const std::filesystem::path candidate = base / ("kk-test-" + RandomSuffix(generator));
        std::error_code error;
        if (std::filesystem::create_directory(candidate, error) && !error) {
            m_path = candidate;
            return;
        }
    }
    throw std::runtime_error("no temporary directory could be made in " + base.string());
}

CTempDir::~CTempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string CTempDir::File(const std::string& name) const
{
    return CPathText::Join(CPlatformPaths::ToText(m_path), name);
}
