// Writes the README's sample printouts as PDF files, from the sample catalogue:
//
//     kk_print_samples OUTPUT_DIRECTORY SAMPLE_FILE
//
// a long ingredient list (the sample's ingredients and 120 more, as the ingredients page shows
// them), the recipe sheet of a dish with a picture, its calculation sheet for 10 portions and
// the empty and the filled inventory list. scripts/take-print-samples.sh turns them into PNG.

#include "FakePageHost.h"
#include "catalogue/Data.h"
#include "controls/ListCtrlEx.h"
#include "datafile/DataFile.h"
#include "pages/PageFactory.h"
#include "pages/ingredients/IngredientPage.h"
#include "platform/FileSystemFile.h"
#include "platform/PosixFileSystem.h"
#include "print/InventoryList.h"
#include "print/PrintJob.h"
#include "print/PrintRunner.h"
#include "print/RecipeSheet.h"
#include "print/TablePrinter.h"
#include "resources/StringIds.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QRadialGradient>
#include <cstdio>
#include <memory>

namespace {

const CLocalTime kPrintedAt{2024, 3, 14, 12, 30, 0};

bool ReadSample(const std::string& path, CData& data)
{
    CPosixFileSystem files;
    CFileSystem::Handle handle = CFileSystem::kNoHandle;
    if (files.Open(path, CFileSystem::ReadOnly, handle) != 0)
        return false;
    CFileSystemFile file(files, handle, path);
    CDataFile dataFile;
    return dataFile.ReadFromXML(data, file) == 0;
}

// 40 goods in three kinds each, with prices that vary but repeat from run to run.
void AddMoreIngredients(CData& data)
{
    const char* const goods[][2] = {{"\xC4pfel Boskop", "Obst"},
                                    {"Birnen", "Obst"},
                                    {"Blumenkohl", "Gem\xFCse"},
                                    {"Brokkoli", "Gem\xFCse"},
                                    {"Champignons", "Gem\xFCse"},
                                    {"Dill", "Kr\xE4uter"},
                                    {"Eier Gr\xF6\xDF"
                                     "e M",
                                     "Milchprodukte"},
                                    {"Erbsen", "Gem\xFCse"},
                                    {"Feldsalat", "Gem\xFCse"},
                                    {"Fenchel", "Gem\xFCse"},
                                    {"Forelle", "Fisch"},
                                    {"Gurken", "Gem\xFCse"},
                                    {"H\xE4hnchenbrust", "Fleisch"},
                                    {"Honig", "Vorrat"},
                                    {"Joghurt", "Milchprodukte"},
                                    {"Kalbfleisch", "Fleisch"},
                                    {"Knoblauch", "Gem\xFCse"},
                                    {"Kohlrabi", "Gem\xFCse"},
                                    {"Lachs", "Fisch"},
                                    {"Lauch", "Gem\xFCse"},
                                    {"Mehl Type 405", "Vorrat"},
                                    {"Milch 3,5 %", "Milchprodukte"},
                                    {"M\xF6hren", "Gem\xFCse"},
                                    {"Nudeln", "Vorrat"},
                                    {"Oliven\xF6l", "Vorrat"},
                                    {"Paprika rot", "Gem\xFCse"},
                                    {"Petersilie", "Kr\xE4uter"},
                                    {"Quark", "Milchprodukte"},
                                    {"Reis", "Vorrat"},
                                    {"Rote Bete", "Gem\xFCse"},
                                    {"Rucola", "Gem\xFCse"},
                                    {"Sellerie", "Gem\xFCse"},
                                    {"Senf", "Vorrat"},
                                    {"Spargel wei\xDF", "Gem\xFCse"},
                                    {"Speck", "Fleisch"},
                                    {"Spinat", "Gem\xFCse"},
                                    {"Tomaten", "Gem\xFCse"},
                                    {"Waln\xFCsse", "Vorrat"},
                                    {"Zander", "Fisch"},
                                    {"Zucker", "Vorrat"}};
    const char* const kinds[] = {"", " Bio", " regional"};
    int number = 0;
    for (const auto& [name, group] : goods) {
        for (const char* kind : kinds) {
            CIngredient scratch(&data);
            scratch.Name = std::string(name) + kind;
            scratch.Group = group;
            scratch.Unit = number % 4 == 0 ? "St\xFC"
                                             "ck"
                                           : "kg";
            scratch.StockAmount = (number * 7 % 23) * 0.5;
            const double price = 0.8 + (number * 37 % 113) * 0.17;
            scratch.AddIngredientSupplier(number % 2 ? "Gro\xDFmarkt S\xFC"
                                                       "d"
                                                     : "Hofladen Rieder",
                                          price, 1.0);
            scratch.SupplierInUse = scratch.Suppliers.Head();
            if (data.AddIngredient(scratch) != 1)
                return;
            ++number;
        }
    }
}

// A plate seen from above: something to stand for a photo of the dish.
QString WritePicture(const QDir& output)
{
    QImage image(640, 480, QImage::Format_RGB32);
    image.fill(QColor(236, 228, 214));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPoint(320, 240), 210, 210);
    QRadialGradient meat(QPointF(300, 230), 120);
    meat.setColorAt(0, QColor(150, 80, 45));
    meat.setColorAt(1, QColor(95, 45, 25));
    painter.setBrush(meat);
    painter.drawEllipse(QPoint(290, 235), 120, 85);
    painter.setBrush(QColor(214, 170, 80));
    for (int ring = 0; ring < 9; ++ring)
        painter.drawEllipse(QPoint(250 + ring * 14, 190 + (ring % 3) * 12), 22, 9);
    painter.setBrush(QColor(90, 140, 60));
    painter.drawEllipse(QPoint(420, 300), 30, 22);
    painter.end();
    const QString path = output.filePath(QStringLiteral("zwiebelrostbraten.jpg"));
    image.save(path, "JPG", 90);
    return path;
}

bool Write(const QDir& output, const char* name, const CData& data, int titleId,
           const CPrintJob::CLayoutOperation& layout)
{
    const CPrintJob job(CPrintHeader::Make(data, titleId, kPrintedAt), layout);
    const int failure = CPrintRunner::WritePdf(job, output.filePath(QString::fromLatin1(name)));
    if (failure != 0)
        std::fprintf(stderr, "%s: failed (%d)\n", name, failure);
    return failure == 0;
}

CRecipe* FindRecipe(CData& data, const std::string& name)
{
    for (CRecipe& recipe : data.Recipes)
        if (recipe.Name == name)
            return &recipe;
    return data.GetNbRecipes() > 0 ? data.Recipes.At(0) : nullptr;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: kk_print_samples OUTPUT_DIRECTORY SAMPLE_FILE\n");
        return 2;
    }
    QApplication application(argc, argv);
    const QDir output(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(output.path());
    CFakePageHost host;
    CData& data = host.Data;
    if (!ReadSample(argv[2], data)) {
        std::fprintf(stderr, "cannot read %s\n", argv[2]);
        return 1;
    }
    AddMoreIngredients(data);

    std::unique_ptr<CIngredientPage> page(
        static_cast<CIngredientPage*>(PageFactory::Create(EPage::Ingredients, host, nullptr)));
    page->InitFromData(data);
    const CListCtrlData& list = page->List()->GetData();
    bool written = Write(output, "zutatenliste.pdf", data, StringId::kIngredientListTitle,
                         [&](CPrintLayout& layout) { return CTablePrinter::Layout(layout, list); });

    CRecipe* recipe = FindRecipe(data, "Zwiebelrostbraten");
    if (!recipe)
        return 1;
    recipe->Comment = "Die H\xFC"
                      "fte \xFC"
                      "ber Nacht in Senf und Pfeffer marinieren. Scheiben von 2 cm schneiden, "
                      "kurz und scharf anbraten und im Ofen bei 80 \xB0"
                      "C ruhen lassen. Die Zwiebeln in Ringe "
                      "schneiden, mehlieren und in Butter goldbraun ausbacken.\r\nMit Bratkartoffeln und "
                      "Bratenjus anrichten.";
    const QString picture = WritePicture(output);
    written &= Write(output, "rezeptblatt.pdf", data, StringId::kRecipeTitle, [&](CPrintLayout& layout) {
        return CRecipeSheet(*recipe, {ERecipeSheet::Recipe, false, 0.0}, picture).Layout(layout);
    });
    written &= Write(
        output, "kalkulation-10-portionen.pdf", data, StringId::kRecipeTitle, [&](CPrintLayout& layout) {
            return CRecipeSheet(*recipe, {ERecipeSheet::Calculation, true, 10.0}, picture).Layout(layout);
        });

    data.SortIngredients("Group|Name", true);
    written &=
        Write(output, "inventurliste-leer.pdf", data, StringId::kInventoryTitle, [&](CPrintLayout& layout) {
            return CInventoryList(data, CInventoryList::Empty).Layout(layout);
        });
    written &= Write(output, "inventurliste.pdf", data, StringId::kInventoryTitle, [&](CPrintLayout& layout) {
        return CInventoryList(data, CInventoryList::Filled).Layout(layout);
    });
    return written ? 0 : 1;
}
