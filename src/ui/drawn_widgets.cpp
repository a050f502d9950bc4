#include "ui/drawn_widgets.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <algorithm>

namespace morvane::ui {

namespace {
QRectF fitted(const QRectF& target, QSizeF size) {
    if (size.isEmpty()) return target;
    size.scale(target.size(), Qt::KeepAspectRatio);
    QRectF r(QPointF(0, 0), size);
    r.moveCenter(target.center());
    return r;
}
}  // namespace

ShapeWidget::ShapeWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::setLook(int shape, const QColor& border, int borderWidth, bool filled,
                          const QColor& fill) {
    shape_ = shape, border_ = border, borderWidth_ = std::max(1, borderWidth);
    filled_ = filled, fill_ = fill;
    update();
}

void ShapeWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, shape_ >= 2);
    const qreal half = borderWidth_ / 2.0;
    QRectF r = QRectF(rect()).adjusted(half, half, -half, -half);
    if (shape_ == 1 || shape_ == 3 || shape_ == 5) {  // square forms: centred
        const qreal side = std::min(r.width(), r.height());
        QRectF sq(0, 0, side, side);
        sq.moveCenter(r.center());
        r = sq;
    }
    p.setPen(QPen(border_, borderWidth_));
    p.setBrush(filled_ ? QBrush(fill_) : Qt::NoBrush);
    switch (shape_) {
        case 2:
        case 3: p.drawEllipse(r); break;
        case 4:
        case 5: {
            const qreal radius = std::min(r.width(), r.height()) / 6;
            p.drawRoundedRect(r, radius, radius);
            break;
        }
        default: p.drawRect(r);
    }
}

LineWidget::LineWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineWidget::setEnds(QPoint a, QPoint b, const QColor& colour, int width) {
    width_ = std::max(1, width);
    colour_ = colour;
    const int pad = width_;
    const QRect box = QRect(a, b).normalized().adjusted(-pad, -pad, pad, pad);
    setGeometry(box);
    a_ = a - box.topLeft();
    b_ = b - box.topLeft();
    update();
}

void LineWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const bool straight = a_.x() == b_.x() || a_.y() == b_.y();
    p.setRenderHint(QPainter::Antialiasing, !straight);
    p.setPen(QPen(colour_, width_, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(a_, b_);
}

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent) {}

PictureWidget::~PictureWidget() { delete pixmap_; }

void PictureWidget::setPicture(const QString& path) {
    if (path == path_) return;
    path_ = path;
    delete svg_;
    svg_ = nullptr;
    delete pixmap_;
    pixmap_ = nullptr;
    if (path.startsWith(QLatin1Char('<'))) {
        svg_ = new QSvgRenderer(path.toUtf8(), this);
        if (!svg_->isValid()) {
            delete svg_;
            svg_ = nullptr;
        }
    } else if (!path.isEmpty() && QFile::exists(path)) {
        if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
            svg_ = new QSvgRenderer(path, this);
            if (!svg_->isValid()) {
                delete svg_;
                svg_ = nullptr;
            }
        } else {
            pixmap_ = new QPixmap(path);
            if (pixmap_->isNull()) {
                delete pixmap_;
                pixmap_ = nullptr;
            }
        }
    }
    update();
}

void PictureWidget::setBorder(bool border) {
    border_ = border;
    update();
}

bool PictureWidget::hasPicture() const { return svg_ || pixmap_; }

void PictureWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRectF r = rect();
    if (svg_) {
        svg_->render(&p, fitted(r, svg_->defaultSize()));
    } else if (pixmap_) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(fitted(r, pixmap_->size()), *pixmap_, QRectF(pixmap_->rect()));
    }
    if (border_ || !hasPicture()) {
        p.setPen(QPen(palette().color(hasPicture() ? QPalette::WindowText : QPalette::Mid), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

}  // namespace morvane::ui
