// Fuzz target over the whole data file path: parse and read an arbitrary text into a catalogue;
// when that succeeds, write the catalogue and read the written text again, which must succeed
// and give the same records.

#include "MemoryFile.h"
#include "catalogue/Data.h"
#include "datafile/DataFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct CCounts
{
    int Ingredients = 0, Suppliers = 0, Recipes = 0, Sales = 0;
    bool operator==(const CCounts&) const = default;
};

CCounts CountsOf(const CData& data)
{
    CCounts counts{data.GetNbIngredients(), 0, data.GetNbRecipes(), data.Sales.Count()};
    for (const CIngredient& ingredient : data.Ingredients)
        counts.Suppliers += ingredient.Suppliers.Count();
    return counts;
}

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "data file round trip failed: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    CMemoryFile input(std::string(reinterpret_cast<const char*>(bytes), size));
    CData first;
    CDataFile firstFile;
    if (firstFile.ReadFromXML(first, input) != 0)
        return 0;

    CMemoryFile written;
    firstFile.WriteToXML(first, written);
    if (!firstFile.IsUnchanged(first))
        Fail("a catalogue counts as changed right after it was written");

    CMemoryFile again(written.Content());
    CData second;
    if (CDataFile().ReadFromXML(second, again) != 0)
        Fail("the written text does not read back");
    if (!(CountsOf(first) == CountsOf(second)))
        Fail("the written text reads back with other records");
    return 0;
}
