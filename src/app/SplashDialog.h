#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <cstdint>

class CClock;

// The start-up window: a picture with two text lines below its motif, the second one the
// status line that the data file loader feeds. It stays at least kMinimumShowMs on screen:
// closing waits, in steps of kWaitStepMs through the given clock, until that much time has
// passed since its creation. Painting shows nothing until a picture is set.
class CSplashDlg : public QWidget
{
    Q_OBJECT

public:
    static constexpr uint32_t kMinimumShowMs = 3500;
    static constexpr uint32_t kWaitStepMs = 100;
    // Border around the picture on each side (window = picture + 4).
    static constexpr int kBorder = 2;

    // Records the creation tick; without a picture the window is 504 × 374 pixels.
    explicit CSplashDlg(CClock& clock);

    // Shows the window centred on the screen and paints it before returning.
    void ShowNow();
    // Sizes the window to the picture + 4, centres it and repaints at once.
    void SetPicture(const QImage& picture);
    // Sets the status line (the second text line) and repaints at once.
    void SetStatus(const QString& text);
    // Waits until kMinimumShowMs have passed since creation, then hides the window.
    void CloseAfterMinimumTime();

    QString GetStatus() const { return m_lines[1]; }
    uint32_t GetCreationTick() const { return m_created; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void CenterOnScreen();
    void WaitUntilExposed();
    void PaintLine(QPainter& painter, const QString& text, int top);

    CClock& m_clock;
    uint32_t m_created;
    QImage m_picture;
    bool m_hasPicture = false;
    QString m_lines[2];
};
