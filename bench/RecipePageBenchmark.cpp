#include "RecipePageBenchmark.h"

#include "BenchPageHost.h"
#include "BenchTiming.h"
#include "controls/ListCtrlEx.h"
#include "pages/PageFactory.h"
#include "pages/recipes/DialogRecipe.h"
#include "pages/recipes/RecipeFigures.h"
#include "pages/recipes/RecipePage.h"

#include <QApplication>
#include <QLineEdit>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

// Levels of recipes below `recipe` (0 for one of ingredients only).
int Depth(const CRecipe& recipe)
{
    int depth = 0;
    for (const CRecipeIngredient& line : recipe.RecipeIngredients) {
        if (line.SubRecipe)
            depth = std::max(depth, 1 + Depth(*line.SubRecipe));
    }
    return depth;
}

// Lines visited when costing `recipe` once, sub-recipes walked again at every use.
long LinesWalked(const CRecipe& recipe)
{
    long lines = 0;
    for (const CRecipeIngredient& line : recipe.RecipeIngredients)
        lines += 1 + (line.SubRecipe ? LinesWalked(*line.SubRecipe) : 0);
    return lines;
}

// A recipe of 30 lines: every third line is one of the ingredient recipes that nest deepest
// (so the recipe nests three levels below its own), the others ingredients.
void BuildDeepRecipe(CData& data, CRecipe& recipe)
{
    std::vector<CRecipe*> deepest;
    int best = 0;
    for (CRecipe& candidate : data.Recipes) {
        if (!candidate.UseAsIngredient)
            continue;
        const int depth = Depth(candidate);
        if (depth > best)
            deepest.clear();
        if (depth >= best) {
            best = depth;
            deepest.push_back(&candidate);
        }
    }
    recipe.Name = "Tiefe Rezeptur";
    recipe.NameGroupIndex = 3;
    recipe.NbPortion = 8;
    recipe.PriceSell = 24.5;
    for (int line = 0; line < 30; ++line) {
        if (line % 3 == 0 && !deepest.empty())
            recipe.AddRecipeIngredient(deepest[static_cast<size_t>(line / 3) % deepest.size()], nullptr, 1.5,
                                       5);
        else
            recipe.AddRecipeIngredient(nullptr, data.Ingredients.At(line * 97 % data.GetNbIngredients()),
                                       0.25, 10);
    }
}

double Time(int repeat, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int run = 0; run < repeat; ++run) {
        const auto start = CSteadyClock::now();
        work();
        times.push_back(Milliseconds(start, CSteadyClock::now()));
    }
    return Median(times);
}

void PrintRow(const char* work, double milliseconds)
{
    std::printf("| %-66s | %8.2f ms |\n", work, milliseconds);
}

void TimePage(CBenchPageHost& host, int repeat)
{
    std::unique_ptr<CRecipePage> page;
    const double open = Time(repeat, [&] {
        page.reset(static_cast<CRecipePage*>(PageFactory::Create(EPage::Recipes, host, nullptr)));
        page->resize(1100, 640);
        page->InitFromData(*host.GetData());
        page->show();
        QApplication::processEvents();
    });
    const double fill = Time(repeat, [&] { page->FillList(); });
    double sink = 0.0;
    const double costing = Time(repeat, [&] {
        for (const CRecipe& recipe : host.GetData()->Recipes)
            sink += CRecipeFigures::Of(recipe).PriceBuy;
    });
    const double shown = Time(repeat, [&] {
        page->FillList();
        page->repaint();
        QApplication::processEvents();
    });
    std::printf("(checksum %.2f)\n", sink);
    std::printf("recipes page: %d recipes, %d rows shown; recipe dialog: 30 lines, median of %d runs\n\n",
                host.GetData()->GetNbRecipes(), page->List()->model()->rowCount(), repeat);
    std::printf("| %-66s | %11s |\n|---|---|\n", "work", "time");
    PrintRow("opening the page: create, fill every recipe, show and paint", open);
    PrintRow("FillList: figures of every recipe, rows, Fill, Sort", fill);
    PrintRow("of which the figures of every recipe (costing alone)", costing);
    PrintRow("FillList and painting the shown page", shown);
}

void TimeDialog(CBenchPageHost& host, int repeat)
{
    CData& data = *host.GetData();
    CRecipe recipe(&data);
    BuildDeepRecipe(data, recipe);
    CDialogRecipe dialog(host, recipe, nullptr);
    dialog.resize(1000, 700);
    dialog.show();
    QApplication::processEvents();
    int portions = 8;
    const double field = Time(repeat * 20, [&] {
        dialog.PortionsField()->setText(QString::number(++portions % 7 + 2));
        dialog.Recompute();
    });
    dialog.LineList()->SelectRowById(1);
    bool down = true;
    const double move = Time(repeat * 20, [&] {
        down ? dialog.MoveLineDown() : dialog.MoveLineUp();
        down = !down;
    });
    PrintRow("recipe dialog: recompute the figures after a field change", field);
    PrintRow("recipe dialog: move a line (refill the lines, recompute)", move);
    std::printf("\nnesting below the dialog's recipe: %d levels; lines walked to cost it once: %ld\n",
                Depth(recipe), LinesWalked(recipe));
    long walked = 0;
    for (const CRecipe& each : data.Recipes)
        walked += LinesWalked(each);
    std::printf("lines walked to cost every recipe once: %ld (the file holds %ld lines)\n", walked, [&data] {
        long lines = 0;
        for (const CRecipe& each : data.Recipes)
            lines += each.GetNbRecipeIngredients();
        return lines;
    }());
}

} // namespace

void RunRecipePageBenchmark(CData& data, int repeat)
{
    CBenchPageHost host(data);
    TimePage(host, repeat);
    TimeDialog(host, repeat);
}
