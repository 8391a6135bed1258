#include "PrintBenchmark.h"

#include "BenchPageHost.h"
#include "BenchTiming.h"
#include "catalogue/Data.h"
#include "controls/ListCtrlEx.h"
#include "pages/PageFactory.h"
#include "pages/ingredients/IngredientPage.h"
#include "print/PrintJob.h"
#include "print/PrintLayout.h"
#include "print/PrintRunner.h"
#include "print/TablePrinter.h"
#include "resources/StringIds.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

void RunPrintBenchmark(CData& data, int repeat)
{
    CBenchPageHost host(data, CLocalTime{2024, 3, 14, 12, 30, 0});
    std::unique_ptr<CIngredientPage> page(
        static_cast<CIngredientPage*>(PageFactory::Create(EPage::Ingredients, host, nullptr)));
    page->InitFromData(data);
    const CListCtrlData& list = page->List()->GetData();
    const CPrintJob job(CPrintHeader::Make(data, StringId::kIngredientListTitle, host.Clock().LocalNow()),
                        [&list](CPrintLayout& layout) { return CTablePrinter::Layout(layout, list); });
    const QString path = QDir::temp().filePath(QStringLiteral("kk-bench-zutatenliste.pdf"));

    std::vector<double> layoutTimes, totalTimes, layoutCpu, totalCpu;
    const auto cpuMs = [](std::clock_t from, std::clock_t to) {
        return 1000.0 * double(to - from) / CLOCKS_PER_SEC;
    };
    int pages = 0;
    for (int run = 0; run < repeat; ++run) {
        const auto start = CSteadyClock::now();
        const std::clock_t cpuStart = std::clock();
        {
            QPdfWriter writer(path);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setResolution(600);
            writer.setPageMargins(QMarginsF(0, 0, 0, 0));
            pages = job.Layout(writer)->PageCount();
        }
        const auto laidOut = CSteadyClock::now();
        const std::clock_t cpuLaidOut = std::clock();
        const int failure = CPrintRunner::WritePdf(job, path);
        const auto written = CSteadyClock::now();
        layoutCpu.push_back(cpuMs(cpuStart, cpuLaidOut));
        totalCpu.push_back(cpuMs(cpuLaidOut, std::clock()));
        if (failure != 0)
            std::printf("printing failed: %d\n", failure);
        layoutTimes.push_back(Milliseconds(start, laidOut));
        totalTimes.push_back(Milliseconds(laidOut, written));
    }
    std::printf("ingredients list printed: %zu rows, %d pages, %lld KiB PDF, median of %d runs\n\n",
                list.GetItems().size(), pages, static_cast<long long>(QFileInfo(path).size() / 1024), repeat);
    std::printf("| %-58s | %11s |\n|---|---|\n", "work", "time");
    std::printf("| %-58s | %8.1f ms |\n", "layout pass alone (items on pages)", Median(layoutTimes));
    std::printf("| %-58s | %8.1f ms |\n", "layout pass and writing the PDF file (WritePdf)",
                Median(totalTimes));
    QFile::remove(path);
}
