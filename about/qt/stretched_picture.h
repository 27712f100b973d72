// A picture control that draws its picture stretched to its bounds: a vector picture
// (SVG) or a bitmap, as the About window's banner and badge.
#pragma once

#include <QImage>
#include <QWidget>

class QSvgRenderer;

class StretchedPicture : public QWidget {
    Q_OBJECT

public:
    explicit StretchedPicture(QWidget* parent = nullptr);

    // An SVG file or a bitmap Qt reads (by its contents).
    void Load(const QString& file);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer* vector_ = nullptr;
    QImage bitmap_;
};
