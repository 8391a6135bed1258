#pragma once

#include <QImage>
#include <QWidget>
#include <string>

// The picture of a recipe: a white area with the picture drawn as large as it fits, its aspect
// ratio kept and centred along the other axis.
class CPictureCtrl : public QWidget
{
    Q_OBJECT

public:
    explicit CPictureCtrl(QWidget* parent = nullptr);

    // Loads `name` from `directory` (Windows-1252 text). Fails quietly, leaving the control
    // empty, when either is empty or the file is no picture that can be read.
    bool Load(const std::string& directory, const std::string& name);
    void Clear();
    bool HasPicture() const { return !m_picture.isNull(); }
    const QImage& Picture() const { return m_picture; }

    // Whether the file at `path` (Windows-1252 text) reads as a picture.
    static bool CanLoad(const std::string& path);
    // Where a picture of `picture` size is drawn in `area`.
    static QRect FitRect(QSize picture, const QRect& area);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr int kLargestSide = 2048;

    static QImage Read(const std::string& path);

    QImage m_picture;
};
