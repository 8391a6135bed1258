#include "SplashDialog.h"

#include "platform/Clock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace {

constexpr int kEmptyWidth = 500;
constexpr int kEmptyHeight = 370;
constexpr int kTextLeft = 10;
constexpr int kFirstLineTop = 325;
constexpr int kSecondLineTop = 343;
// How long a real display may take to map the window before it is painted anyway.
constexpr int kExposeWaitMs = 500;

} // namespace

CSplashDlg::CSplashDlg(CClock& clock)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), m_clock(clock),
      m_created(clock.TickCount())
{
    setObjectName(QStringLiteral("splash"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(kEmptyWidth + 2 * kBorder, kEmptyHeight + 2 * kBorder);
}

void CSplashDlg::ShowNow()
{
    CenterOnScreen();
    show();
    WaitUntilExposed();
    repaint();
}

void CSplashDlg::SetPicture(const QImage& picture)
{
    m_picture = picture;
    m_hasPicture = true;
    setFixedSize(picture.width() + 2 * kBorder, picture.height() + 2 * kBorder);
    CenterOnScreen();
    repaint();
}

void CSplashDlg::SetStatus(const QString& text)
{
    m_lines[1] = text;
    repaint();
}

void CSplashDlg::CloseAfterMinimumTime()
{
    while (m_clock.TickCount() - m_created < kMinimumShowMs)
        m_clock.Sleep(kWaitStepMs);
    hide();
}

void CSplashDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(120, 120, 120));
    if (!m_hasPicture)
        return;
    painter.drawImage(kBorder, kBorder, m_picture);
    PaintLine(painter, m_lines[0], kFirstLineTop);
    PaintLine(painter, m_lines[1], kSecondLineTop);
}

// A text line from (10, top) to (picture width - 20, picture height), left-aligned in the
// default font; positions count from the picture's top-left corner.
void CSplashDlg::PaintLine(QPainter& painter, const QString& text, int top)
{
    const QRect area(kBorder + kTextLeft, kBorder + top, m_picture.width() - 20 - kTextLeft,
                     m_picture.height() - top);
    painter.setPen(Qt::black);
    painter.setFont(font());
    painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

void CSplashDlg::CenterOnScreen()
{
    const QScreen* screen = this->screen();
    if (screen == nullptr)
        return;
    QRect frame(QPoint(), size());
    frame.moveCenter(screen->geometry().center());
    move(frame.topLeft());
}

// A real display maps the window asynchronously; painting before that shows nothing.
void CSplashDlg::WaitUntilExposed()
{
    QElapsedTimer waited;
    waited.start();
    while (windowHandle() != nullptr && !windowHandle()->isExposed() && waited.elapsed() < kExposeWaitMs)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
}
