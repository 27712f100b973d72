// The standard OK button: its green tick 2 pixels from the left edge and the caption
// centred in the rest.
#pragma once

#include <QImage>
#include <QPushButton>

class OkButton : public QPushButton {
    Q_OBJECT

public:
    explicit OkButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage glyph_;
};
