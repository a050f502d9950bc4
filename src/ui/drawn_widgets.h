// The decorations of a window that Qt has no widget for: shapes, lines and pictures.
#pragma once

#include <QCheckBox>
#include <QColor>
#include <QGroupBox>
#include <QPixmap>
#include <QRadioButton>
#include <QString>
#include <QWidget>
#include <utility>
#include <vector>

class QSvgRenderer;

namespace morvane::ui {

// A rectangle, square, oval, circle or rounded rectangle; the mouse passes through it.
class ShapeWidget : public QWidget {
public:
    explicit ShapeWidget(QWidget* parent);
    // shape: 0 rectangle, 1 square, 2 oval, 3 circle, 4 rounded rectangle, 5 rounded square
    void setLook(int shape, const QColor& border, int borderWidth, bool filled, const QColor& fill);
    bool filled() const { return filled_; }
    QColor fill() const { return fill_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int shape_ = 0;
    QColor border_;
    int borderWidth_ = 1;
    bool filled_ = false;
    QColor fill_;
};

// A frame as the windows are laid out for: one etched line around the box whose top runs
// through the middle of the caption, the caption a few pixels from the left edge. The
// controls inside are placed from the box's top-left corner, the first ones just below the
// caption.
class FrameBox : public QGroupBox {
public:
    explicit FrameBox(QWidget* parent);
    // The row of the top line and the caption's rectangle, in the box.
    int lineY() const;
    QRect captionRect() const;
    // The pieces [from, to] of the top line that are drawn: it stops at the caption and at
    // every control placed on it (a field beside the caption reads as part of it).
    std::vector<std::pair<int, int>> topLine() const;

protected:
    void paintEvent(QPaintEvent*) override;
};

// An option button and a check box whose caption breaks at blanks onto the lines the
// control is tall enough for, as the windows expect; the whole control takes the click.
class OptionButton : public QRadioButton {
public:
    explicit OptionButton(QWidget* parent) : QRadioButton(parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

class CheckButton : public QCheckBox {
public:
    explicit CheckButton(QWidget* parent) : QCheckBox(parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

// The height a caption needs beside the indicator of an option button or check box of the
// given width, its lines broken at blanks; and whether every word fits on a line.
int wrappedCaptionHeight(const QAbstractButton* button, int width, bool* wordsFit = nullptr);

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
    QPixmap rendered_;  // the drawing at the size and pixel ratio it was last shown in
    QPixmap* pixmap_ = nullptr;
    bool border_ = false;
};

}  // namespace morvane::ui
