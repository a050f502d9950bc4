// The decorations of a window that Qt has no widget for: shapes, lines and pictures.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

class QSvgRenderer;

namespace morvane::ui {

// A rectangle, square, oval, circle or rounded rectangle; the mouse passes through it.
class ShapeWidget : public QWidget {
public:
    explicit ShapeWidget(QWidget* parent);
    // shape: 0 rectangle, 1 square, 2 oval, 3 circle, 4 rounded rectangle, 5 rounded square
    void setLook(int shape, const QColor& border, int borderWidth, bool filled, const QColor& fill);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int shape_ = 0;
    QColor border_;
    int borderWidth_ = 1;
    bool filled_ = false;
    QColor fill_;
};

// A straight line from one corner of the widget to the other (set with setEnds).
class LineWidget : public QWidget {
public:
    explicit LineWidget(QWidget* parent);
    // Places the widget around the two points (pixels in the parent) and draws the line.
    void setEnds(QPoint a, QPoint b, const QColor& colour, int width);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPoint a_, b_;  // in the widget
    QColor colour_;
    int width_ = 1;
};

// A picture file (SVG or bitmap) drawn scaled into the widget, keeping its proportions.
// A file that does not exist leaves an empty frame.
class PictureWidget : public QWidget {
public:
    explicit PictureWidget(QWidget* parent);
    ~PictureWidget() override;
    void setPicture(const QString& resourcePath);
    void setBorder(bool border);
    bool hasPicture() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString path_;
    QSvgRenderer* svg_ = nullptr;
    QPixmap* pixmap_ = nullptr;
    bool border_ = false;
};

}  // namespace morvane::ui
