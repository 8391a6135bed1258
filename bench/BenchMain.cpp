// The benchmark harness: generates data files and measures load, save, change detection and
// costing against a pugixml loader and a plain writer doing the same work.
//
//   kk-bench generate S|L FILE       write a generated catalogue
//   kk-bench run FILE [REPEAT]       time everything, median of REPEAT runs (default 5)
//   kk-bench peak own|pugixml FILE   load once; print the peak resident memory in KiB
//   kk-bench list FILE [REPEAT]      time the list of all sales in the data model and the widget
//   kk-bench ingredients FILE [REPEAT]  time the ingredients page filling its list
//   kk-bench sales FILE [REPEAT]     time the sales page, a booking and the list of all sales
//   kk-bench recipes FILE [REPEAT]      time the recipes page and the recipe dialog
//   kk-bench stock FILE [REPEAT]     time the stock dialog's moves and type-ahead
//   kk-bench impact FILE [REPEAT]    time the price impact of one ingredient and a simulation
//   kk-bench register FILE [REPEAT]  time the cash register import's proposals and booking

#include "BenchTiming.h"
#include "CostCheckBenchmark.h"
#include "DataGenerator.h"
#include "EvaluationBenchmark.h"
#include "EvaluationPageBenchmark.h"
#include "IngredientPageBenchmark.h"
#include "ListBenchmark.h"
#include "MenuBenchmark.h"
#include "PlainWriter.h"
#include "PriceImpactBenchmark.h"
#include "PrintBenchmark.h"
#include "PugiLoader.h"
#include "RecipePageBenchmark.h"
#include "RegisterBookingBenchmark.h"
#include "SalesPageBenchmark.h"
#include "StockEntryBenchmark.h"
#include "StrongPugiLoader.h"
#include "StrongWriter.h"
#include "catalogue/Data.h"
#include "datafile/DataFile.h"
#include "platform/FileSystemFile.h"
#include "platform/PosixFileSystem.h"
#include "platform/StdFile.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

std::string ReadWhole(const std::string& path)
{
    std::ifstream stream(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
}

// Through the file system the program uses, so the file is mapped as when the program opens it.
bool LoadOwn(const std::string& path, CData& data, CDataFile& dataFile)
{
    CPosixFileSystem files;
    CFileSystem::Handle handle = CFileSystem::kNoHandle;
    if (files.Open(path, CFileSystem::ReadOnly, handle) != 0)
        return false;
    CFileSystemFile file(files, handle, path);
    return dataFile.ReadFromXML(data, file) == 0;
}

bool LoadPugi(const std::string& path, PugiLoader::CCatalogue& catalogue)
{
    return PugiLoader::Load(ReadWhole(path), catalogue);
}

// Reads the file into a fresh buffer and loads it the strong way.
bool LoadStrong(const std::string& path, StrongPugi::CCatalogue& catalogue)
{
    const std::string text = ReadWhole(path);
    auto buffer = std::make_unique_for_overwrite<char[]>(text.size() + 1);
    std::memcpy(buffer.get(), text.data(), text.size() + 1);
    return StrongPugi::Load(std::move(buffer), text.size(), catalogue);
}

void SaveStrong(const StrongPugi::CCatalogue& catalogue, const std::string& path)
{
    const CStrongText text = RenderStrong(catalogue);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(text.Bytes.get(), 1, text.Length, file);
    std::fclose(file);
}

void SaveOwn(const CData& data, CDataFile& dataFile, const std::string& path)
{
    CStdFile file(path, CStdFile::CreateWrite);
    dataFile.WriteToXML(data, file);
    file.Close();
}

double CostOfEveryRecipe(const CData& data)
{
    double sum = 0.0;
    for (const CRecipe& recipe : data.Recipes) {
        sum += recipe.GetPriceBuyPerPortion() + recipe.GetPriceSellCalculatedTax() +
               recipe.GetContributionMargin() + recipe.GetCostRatio();
    }
    return sum;
}

long PeakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

int Generate(const std::string& size, const std::string& path)
{
    CData data;
    CDataFile dataFile;
    GenerateCatalogue(data, size == "L" ? CGeneratorSize::Large() : CGeneratorSize::Small());
    SaveOwn(data, dataFile, path);
    std::printf("%s: %ju bytes, %d ingredients, %d recipes, %d sales\n", path.c_str(),
                static_cast<std::uintmax_t>(std::filesystem::file_size(path)), data.GetNbIngredients(),
                data.GetNbRecipes(), data.Sales.Count());
    return 0;
}

void Report(const char* what, double own, const char* reference, double other)
{
    std::printf("| %-34s | %10.1f ms | %-16s | %10.1f ms | %6.2f |\n", what, own, reference, other,
                own / other);
}

int Run(const std::string& path, int repeat)
{
    const double sizeMb = static_cast<double>(std::filesystem::file_size(path)) / (1024.0 * 1024.0);
    std::printf("file %s, %.1f MiB, median of %d runs\n\n", path.c_str(), sizeMb, repeat);
    std::printf("| %-34s | %13s | %-16s | %13s | %6s |\n|---|---|---|---|---|\n", "work", "Kostenkoch",
                "reference", "reference", "ratio");

    const double load = MedianMilliseconds(repeat, [&] {
        CData data;
        CDataFile dataFile;
        LoadOwn(path, data, dataFile);
    });
    const double pugi = MedianMilliseconds(repeat, [&] {
        PugiLoader::CCatalogue c;
        LoadPugi(path, c);
    });
    Report("load (read, parse, build)", load, "pugixml loader", pugi);
    const double strong = MedianMilliseconds(repeat, [&] {
        StrongPugi::CCatalogue c;
        LoadStrong(path, c);
    });
    Report("load (read, parse, build)", load, "strong pugixml", strong);

    CData data;

    CDataFile dataFile;
    LoadOwn(path, data, dataFile);
    const std::string out = path + ".bench-out.xml";
    const double save = MedianMilliseconds(repeat, [&] { SaveOwn(data, dataFile, out); });
    const double plain = MedianMilliseconds(repeat, [&] { WritePlain(data, out + ".plain"); });
    Report("save (render, write)", save, "plain writer", plain);
    StrongPugi::CCatalogue strongCatalogue;
    LoadStrong(path, strongCatalogue);
    const double strongSave =
        MedianMilliseconds(repeat, [&] { SaveStrong(strongCatalogue, out + ".strong"); });
    Report("save (render, write)", save, "strong renderer", strongSave);
    if (ReadWhole(out) != ReadWhole(out + ".plain"))
        std::printf("\nwarning: the plain writer's text differs from the program's\n");
    // The program's ids count on across the loads of this process; the reference's start at 0,
    // as in a fresh run, so its text is compared with the file (saved once by the program).
    if (ReadWhole(path) != ReadWhole(out + ".strong"))
        std::printf("\nwarning: the strong renderer's text differs from the file\n");

    const double unchanged = MedianMilliseconds(repeat, [&] { (void)dataFile.IsUnchanged(data); });
    volatile double sink = 0.0;
    const double cost = MedianMilliseconds(repeat, [&] { sink = sink + CostOfEveryRecipe(data); });
    std::printf(
        "\n| IsUnchanged | %.1f ms |\n| cost of every recipe (%d recipes, 4 figures each) | %.2f ms |\n",
        unchanged, data.GetNbRecipes(), cost);
    RunEvaluationBenchmark(data);
    std::filesystem::remove(out);
    std::filesystem::remove(out + ".plain");
    std::filesystem::remove(out + ".strong");
    return 0;
}

int Peak(const std::string& which, const std::string& path)
{
    const long before = PeakKilobytes();
    bool ok = false;
    CData data;
    CDataFile dataFile;
    PugiLoader::CCatalogue catalogue;
    ok = which == "own" ? LoadOwn(path, data, dataFile) : LoadPugi(path, catalogue);
    std::printf("%s peak %ld KiB (before loading %ld KiB), file %ju KiB, %s\n", which.c_str(),
                PeakKilobytes(), before, static_cast<std::uintmax_t>(std::filesystem::file_size(path) / 1024),
                ok ? "ok" : "FAILED");
    return ok ? 0 : 1;
}

// Loads the file and runs a widget benchmark on it, offscreen unless a platform is asked for.
int RunWidgetBenchmark(const std::string& path, int argc, char** argv,
                       const std::function<void(CData&)>& benchmark)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    CData data;
    CDataFile dataFile;
    if (!LoadOwn(path, data, dataFile)) {
        std::fprintf(stderr, "read file failed: %s\n", path.c_str());
        return 1;
    }
    benchmark(data);
    return 0;
}

int List(const std::string& path, int repeat, int argc, char** argv)
{
    return RunWidgetBenchmark(path, argc, argv, [repeat](CData& data) { RunListBenchmark(data, repeat); });
}

int Ingredients(const std::string& path, int repeat, int argc, char** argv)
{
    return RunWidgetBenchmark(path, argc, argv,
                              [repeat](CData& data) { RunIngredientPageBenchmark(data, repeat); });
}

int Sales(const std::string& path, int repeat, int argc, char** argv)
{
    return RunWidgetBenchmark(path, argc, argv,
                              [repeat](CData& data) { RunSalesPageBenchmark(data, repeat); });
}

int EvaluationPage(const std::string& path, int repeat, int argc, char** argv)
{
    return RunWidgetBenchmark(path, argc, argv,
                              [repeat](CData& data) { RunEvaluationPageBenchmark(data, repeat); });
}

int Menu(const std::string& path, int repeat, int argc, char** argv)
{
    return RunWidgetBenchmark(path, argc, argv, [repeat](CData& data) { RunMenuBenchmark(data, repeat); });
}

int Print(const std::string& path, int repeat, int argc, char** argv)
{
    return RunWidgetBenchmark(path, argc, argv, [repeat](CData& data) { RunPrintBenchmark(data, repeat); });
}

int Recipes(const std::string& path, int repeat, int argc, char** argv)
{
    return RunWidgetBenchmark(path, argc, argv,
                              [repeat](CData& data) { RunRecipePageBenchmark(data, repeat); });
}

int Stock(const std::string& path, int repeat, int argc, char** argv)
{
    return RunWidgetBenchmark(path, argc, argv,
                              [repeat](CData& data) { RunStockEntryBenchmark(data, repeat); });
}

// The costing check needs no window.
int CostCheck(const std::string& path, int repeat)
{
    CData data;
    CDataFile dataFile;
    if (!LoadOwn(path, data, dataFile)) {
        std::fprintf(stderr, "read file failed: %s\n", path.c_str());
        return 1;
    }
    RunCostCheckBenchmark(data, repeat);
    return 0;
}

int Impact(const std::string& path, int repeat)
{
    CData data;
    CDataFile dataFile;
    if (!LoadOwn(path, data, dataFile)) {
        std::fprintf(stderr, "read file failed: %s\n", path.c_str());
        return 1;
    }
    RunPriceImpactBenchmark(data, repeat);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 3 && args[0] == "generate")
        return Generate(args[1], args[2]);
    if ((args.size() == 2 || args.size() == 3) && args[0] == "run")
        return Run(args[1], args.size() == 3 ? std::max(1, std::atoi(args[2].c_str())) : 5);
    if (args.size() == 3 && args[0] == "peak")
        return Peak(args[1], args[2]);
    if ((args.size() == 2 || args.size() == 3) && args[0] == "list")
        return List(args[1], args.size() == 3 ? std::max(1, std::atoi(args[2].c_str())) : 5, argc, argv);
    if ((args.size() == 2 || args.size() == 3) && args[0] == "ingredients")
        return Ingredients(args[1], args.size() == 3 ? std::max(1, std::atoi(args[2].c_str())) : 5, argc,
                           argv);
    if ((args.size() == 2 || args.size() == 3) && args[0] == "register") {
        CData data;
        CDataFile dataFile;
        if (!LoadOwn(args[1], data, dataFile))
            return 1;
        RunRegisterBookingBenchmark(data, args.size() == 3 ? std::max(1, std::atoi(args[2].c_str())) : 5);
        return 0;
    }
    if ((args.size() == 2 || args.size() == 3) && args[0] == "sales")
        return Sales(args[1], args.size() == 3 ? std::max(1, std::atoi(args[2].c_str())) : 5, argc, argv);
    if ((args.size() == 2 || args.size() == 3) && args[0] == "evaluation-page")
        return EvaluationPage(args[1], args.size() == 3 ? std::max(1, std::atoi(args[2].c_str())) : 5, argc,
                              argv);
    if ((args.size() == 2 || args.size() == 3) && args[0] == "menu")
        return Menu(args[1], args.size() == 3 ? std::max(1, std::atoi(args[2].c_str())) : 5, argc, argv);
    if ((args.size() == 2 || args.size() == 3) && args[0] == "print")
        return Print(args[1], args.size() == 3 ? std::max(1, std::atoi(args[2].c_str())) : 5, argc, argv);
    if ((args.size() == 2 || args.size() == 3) && args[0] == "recipes")
        return Recipes(args[1], args.size() == 3 ? std::max(1, std::atoi(args[2].c_str())) : 5, argc, argv);
    if ((args.size() == 2 || args.size() == 3) && args[0] == "stock")
        return Stock(args[1], args.size() == 3 ? std::max(1, std::atoi(args[2].c_str())) : 5, argc, argv);
    if ((args.size() == 2 || args.size() == 3) && args[0] == "impact")
        return Impact(args[1], args.size() == 3 ? std::max(1, std::atoi(args[2].c_str())) : 5);
    if ((args.size() == 2 || args.size() == 3) && args[0] == "costcheck")
        return CostCheck(args[1], args.size() == 3 ? std::max(1, std::atoi(args[2].c_str())) : 5);
    std::fprintf(
        stderr,
        "usage: kk-bench generate S|L FILE | run FILE [REPEAT] | peak own|pugixml FILE | "
        "list FILE [REPEAT] | ingredients FILE [REPEAT] | recipes FILE [REPEAT] | "
        "sales FILE [REPEAT] | evaluation-page FILE [REPEAT] | menu FILE [REPEAT] | "
        "print FILE [REPEAT] | stock FILE [REPEAT] | costcheck FILE [REPEAT] | impact FILE [REPEAT]\n");
    return 2;
}
