#include "ui/drawn_widgets.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionButton>
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

namespace {
constexpr int WrapFlags =
    Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

QString plainText(const QAbstractButton* b) {
    QString t = b->text();
    t.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    t.remove(QChar('&'));
    t.replace(QChar('\x01'), QChar('&'));
    return t;
}

int indicatorRoom(const QAbstractButton* b) {
    const bool radio = qobject_cast<const QRadioButton*>(b) != nullptr;
    const QStyle* s = b->style();
    return s->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth,
                          nullptr, b) +
           s->pixelMetric(
               radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing,
               nullptr, b);
}

// Draws the indicator, then the caption broken onto lines where one line is too short.
template <class Button>
bool paintWrapped(Button* b, QStyle::ControlElement element) {
    const QString text = plainText(b);
    const QRect room(indicatorRoom(b), 0, std::max(0, b->width() - indicatorRoom(b)), b->height());
    if (b->fontMetrics().horizontalAdvance(text) <= room.width()) return false;
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.state |= b->isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    opt.state |= b->isChecked() ? QStyle::State_On : QStyle::State_Off;
    if (b->hasFocus()) opt.state |= QStyle::State_HasFocus;
    QPainter p(b);
    b->style()->drawControl(element, &opt, &p, b);
    p.setPen(b->palette().color(b->isEnabled() ? QPalette::Active : QPalette::Disabled,
                                QPalette::WindowText));
    p.drawText(room, WrapFlags, b->text());
    return true;
}
}  // namespace

void OptionButton::paintEvent(QPaintEvent* event) {
    if (!paintWrapped(this, QStyle::CE_RadioButton)) QRadioButton::paintEvent(event);
}

void CheckButton::paintEvent(QPaintEvent* event) {
    if (!paintWrapped(this, QStyle::CE_CheckBox)) QCheckBox::paintEvent(event);
}

int wrappedCaptionHeight(const QAbstractButton* b, int width, bool* wordsFit) {
    const QString text = plainText(b);
    const QFontMetrics fm(b->font());
    const int room = std::max(1, width - indicatorRoom(b));
    if (wordsFit) {
        *wordsFit = true;
        for (const QString& word : text.split(QChar(' '), Qt::SkipEmptyParts))
            if (fm.horizontalAdvance(word) > room) *wordsFit = false;
    }
    if (fm.horizontalAdvance(text) <= room) return fm.height();
    return fm.boundingRect(QRect(0, 0, room, 100000), WrapFlags & ~Qt::AlignVCenter, text).height();
}

FrameBox::FrameBox(QWidget* parent) : QGroupBox(parent) {}

int FrameBox::lineY() const { return QFontMetrics(font()).height() / 2; }

QRect FrameBox::captionRect() const {
    if (title().isEmpty()) return {};
    const QFontMetrics fm(font());
    const int w = fm.horizontalAdvance(QString(title()).remove(QChar('&'))) + 4;
    return {6, 0, std::min(w, std::max(0, width() - 8)), fm.height()};
}

std::vector<std::pair<int, int>> FrameBox::topLine() const {
    std::vector<std::pair<int, int>> gaps;
    if (const QRect c = captionRect(); !c.isEmpty()) gaps.emplace_back(c.left(), c.right());
    const int y = lineY();
    for (QObject* o : children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isHidden() || w->isWindow()) continue;
        const QRect g = w->geometry();
        if (g.top() <= y + 1 && g.bottom() >= y) gaps.emplace_back(g.left() - 1, g.right() + 1);
    }
    std::sort(gaps.begin(), gaps.end());
    std::vector<std::pair<int, int>> pieces;
    int from = 0;
    for (const auto& [l, r] : gaps) {
        if (l > from) pieces.emplace_back(from, l - 1);
        from = std::max(from, r + 1);
    }
    if (from <= width() - 1) pieces.emplace_back(from, width() - 1);
    return pieces;
}

void FrameBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    const QPalette& pal = palette();
    const int top = lineY(), right = width() - 1, bottom = height() - 1;
    // An etched line: dark, with a light line one pixel inside it.
    for (int pass = 0; pass < 2; ++pass) {
        const int d = pass;  // the light line lies one pixel to the right and below
        p.setPen(pal.color(group, pass == 0 ? QPalette::Dark : QPalette::Light));
        for (const auto& [from, to] : topLine())
            p.drawLine(std::max(from, d), top + d, std::min(to, right - 1 + d), top + d);
        p.drawLine(d, top + d, d, bottom - 1 + d);
        p.drawLine(d, bottom - 1 + d, right - 1 + d, bottom - 1 + d);
        p.drawLine(right - 1 + d, top + d, right - 1 + d, bottom - 1 + d);
    }
    const QRect caption = captionRect();
    if (caption.isEmpty()) return;
    p.setPen(pal.color(group, QPalette::WindowText));
    p.setFont(font());
    p.drawText(caption.adjusted(2, 0, 0, 0),
               Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, title());
}

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
    rendered_ = QPixmap();
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
        // A drawing is rendered once for its size, not on every repaint of the window.
        const QRectF target = fitted(r, svg_->defaultSize());
        const qreal ratio = devicePixelRatioF();
        const QSize pixels = (target.size() * ratio).toSize();
        if (rendered_.size() != pixels || rendered_.devicePixelRatio() != ratio) {
            rendered_ = QPixmap(pixels);
            rendered_.fill(Qt::transparent);
            QPainter q(&rendered_);
            svg_->render(&q, QRectF(QPointF(0, 0), QSizeF(pixels)));
            q.end();
            rendered_.setDevicePixelRatio(ratio);
        }
        p.drawPixmap(target.topLeft(), rendered_);
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
