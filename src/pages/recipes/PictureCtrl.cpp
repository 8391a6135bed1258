#include "PictureCtrl.h"

#include "controls/RecipePicture.h"
#include "platform/PathText.h"
#include "platform/qt/TextConversion.h"

#include <QPainter>

CPictureCtrl::CPictureCtrl(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool CPictureCtrl::Load(const std::string& directory, const std::string& name)
{
    m_picture = directory.empty() || name.empty() ? QImage() : Read(CPathText::Join(directory, name));
    update();
    return HasPicture();
}

void CPictureCtrl::Clear()
{
    m_picture = QImage();
    update();
}

bool CPictureCtrl::CanLoad(const std::string& path)
{
    return !Read(path).isNull();
}

// Read the one way the printout reads it too (upright, format from the contents), at a size a
// screen can show rather than with a camera's full tens of megabytes.
QImage CPictureCtrl::Read(const std::string& path)
{
    return CRecipePicture::Read(ToQString(path), QSize(kLargestSide, kLargestSide));
}

QRect CPictureCtrl::FitRect(QSize picture, const QRect& area)
{
    if (picture.isEmpty() || area.isEmpty())
        return {};
    const QSize fitted = picture.scaled(area.size(), Qt::KeepAspectRatio);
    const QPoint offset((area.width() - fitted.width()) / 2, (area.height() - fitted.height()) / 2);
    return {area.topLeft() + offset, fitted};
}

void CPictureCtrl::paintEvent(QPaintEvent* event)
{
    (void)event;
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (HasPicture()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(FitRect(m_picture.size(), rect()), m_picture);
    }
}
