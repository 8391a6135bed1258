// The reference program of the whole-process measurements: does what kostenkoch-cli does for a
// command, the way a strong pugixml program would (see StrongPugiLoader.h), and exits.
//
//   kk-reference check FILE      read, fingerprint, load, render again, compare, print counts
//   kk-reference recipes FILE    read, fingerprint, load, print every recipe with its figures
//   kk-reference resave IN OUT   read, fingerprint, load, render, compare, write OUT
//
// Like the program it remembers the checksum and hash of the text read, so that it can tell
// whether a rendering gives that text again.

#include "StrongPugiLoader.h"
#include "StrongReports.h"
#include "StrongWriter.h"
#include "datafile/TextDigest.h"
#include "platform/LargePages.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/mman.h>
#include <vector>

namespace {

// pugixml's memory: one bump arena on large pages, as the program's node records are. Nothing
// is freed singly; the process ends instead.
class CArena
{
public:
    static void Install(std::size_t bytes)
    {
        void* base =
            mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
        if (base == MAP_FAILED)
            return;
        AdviseLargePages(base, bytes);
        s_next = static_cast<char*>(base);
        s_end = s_next + bytes;
        pugi::set_memory_management_functions(Allocate, [](void*) {});
    }

private:
    static void* Allocate(std::size_t size)
    {
        size = (size + 15) & ~std::size_t{15};
        if (static_cast<std::size_t>(s_end - s_next) < size)
            return nullptr;
        void* block = s_next;
        s_next += size;
        return block;
    }

    static inline char* s_next = nullptr;
    static inline char* s_end = nullptr;
};

struct CFingerprint
{
    std::size_t Length;
    std::int64_t Checksum;
    std::uint64_t Hash;

    // Checksum and hash in one pass, as the program takes them.
    static CFingerprint Of(std::string_view text)
    {
        CTextDigest digest;
        digest.Add(text);
        return {text.size(), digest.Checksum(), digest.Hash()};
    }
    bool Matches(std::string_view text) const
    {
        const CFingerprint other = Of(text);
        return Length == other.Length && Checksum == other.Checksum && Hash == other.Hash;
    }
};

// Reads the file, remembers its fingerprint and loads it; false when it cannot.
bool Load(const char* path, StrongPugi::CCatalogue& catalogue, CFingerprint& fingerprint)
{
    std::FILE* file = std::fopen(path, "rb");
    if (!file)
        return false;
    std::fseek(file, 0, SEEK_END);
    const long length = std::ftell(file);
    std::fseek(file, 0, SEEK_SET);
    auto text = std::make_unique_for_overwrite<char[]>(static_cast<std::size_t>(length) + 1);
    AdviseLargePages(text.get(), static_cast<std::size_t>(length));
    // pugixml takes 64 bytes per element and per value, about 2.2 times the text.
    CArena::Install(4 * static_cast<std::size_t>(length) + (64 << 20));
    const std::size_t read = std::fread(text.get(), 1, static_cast<std::size_t>(length), file);
    std::fclose(file);
    text[read] = '\0';
    fingerprint = CFingerprint::Of(std::string_view(text.get(), read));
    return StrongPugi::Load(std::move(text), read, catalogue);
}

bool Write(const char* path, std::string_view text)
{
    std::FILE* file = std::fopen(path, "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written;
}

int Run(const std::vector<std::string>& args)
{
    StrongPugi::CCatalogue catalogue;
    CFingerprint fingerprint{};
    if (!Load(args[1].c_str(), catalogue, fingerprint)) {
        std::fprintf(stderr, "read file failed: %s\n", args[1].c_str());
        return 1;
    }
    if (args[0] == "recipes") {
        std::fputs(StrongReports::Recipes(catalogue).c_str(), stdout);
        return 0;
    }
    const CStrongText text = RenderStrong(catalogue);
    const bool unchanged = fingerprint.Matches(text.View());
    if (args[0] == "check") {
        std::fputs(StrongReports::Check(catalogue, unchanged).c_str(), stdout);
        return 0;
    }
    if (!Write(args[2].c_str(), text.View())) {
        std::fprintf(stderr, "write file failed: %s\n", args[2].c_str());
        return 1;
    }
    std::printf("{\n    \"unchangedAfterRead\": %s\n}\n", unchanged ? "true" : "false");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    const bool valid = (args.size() == 2 && (args[0] == "check" || args[0] == "recipes")) ||
                       (args.size() == 3 && args[0] == "resave");
    if (!valid) {
        std::fprintf(stderr, "usage: kk-reference check FILE | recipes FILE | resave IN OUT\n");
        return 2;
    }
    return Run(args);
}
