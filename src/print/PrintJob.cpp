#include "PrintJob.h"

#include "print/PrintLayout.h"
#include "print/PrintPass.h"

#include <QPagedPaintDevice>
#include <utility>

CPrintJob::CPrintJob(CPrintHeader header, CLayoutOperation layout)
    : m_header(std::move(header)), m_layout(std::move(layout))
{}

std::unique_ptr<CPrintLayout> CPrintJob::Layout(const QPaintDevice& device) const
{
    auto layout = std::make_unique<CPrintLayout>(device, m_header);
    if (!m_layout(*layout) && layout->Failure() == 0)
        layout->Fail(-1);
    return layout;
}

int CPrintJob::Print(QPagedPaintDevice& device, int from, int to) const
{
    const std::unique_ptr<CPrintLayout> layout = Layout(device);
    if (layout->Failure() != 0)
        return layout->Failure();
    return CPrintPass::Run(device, *layout, from, to) ? 0 : -1;
}
