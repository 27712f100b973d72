#include "about/qt/stretched_picture.h"

#include <QPainter>
#include <QSvgRenderer>

StretchedPicture::StretchedPicture(QWidget* parent) : QWidget(parent) {}

void StretchedPicture::Load(const QString& file)
{
    delete vector_;
    vector_ = nullptr;
    bitmap_ = QImage();
    if (file.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        vector_ = new QSvgRenderer(file, this);
        vector_->setAspectRatioMode(Qt::IgnoreAspectRatio);
    } else {
        bitmap_.load(file);
    }
    update();
}

void StretchedPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (vector_ && vector_->isValid())
        vector_->render(&painter, QRectF(rect()));
    else if (!bitmap_.isNull())
        painter.drawImage(QRectF(rect()), bitmap_);
}
