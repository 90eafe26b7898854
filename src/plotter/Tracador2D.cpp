#include "plotter/Tracador2D.h"

#include "core/chars.h"
#include "core/errors.h"
#include "core/numbers.h"

#include <QContextMenuEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>

namespace calvorin {

namespace {

std::int32_t checked32(std::int64_t v) {
    if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
        throw InvalidOperation();
    return static_cast<std::int32_t>(v);
}

} // namespace

std::int32_t PlotPicture::nearest(Extended v) {
    const Extended r = std::rint(v); // the default rounding: halves to even
    if (!(r >= std::numeric_limits<std::int32_t>::min() && r <= std::numeric_limits<std::int32_t>::max()))
        throw InvalidOperation();
    // Through double: converting an extended straight to an integer switches the rounding mode, slowly.
    return static_cast<std::int32_t>(static_cast<double>(r));
}

QPoint PlotPicture::origin(const PlotSettings& s) const {
    return origin(s, size_);
}

QPoint PlotPicture::origin(const PlotSettings& s, QSize size) {
    // Unsigned halving: the remainder is dropped.
    const auto halfWidth = static_cast<std::int32_t>(static_cast<std::uint32_t>(size.width()) / 2);
    const auto halfHeight = static_cast<std::int32_t>(static_cast<std::uint32_t>(size.height()) / 2);
    if (!s.orignScroll) return {halfWidth, halfHeight};
    return {checked32(std::int64_t{halfWidth} + s.orign.X), checked32(std::int64_t{halfHeight} + s.orign.Y)};
}

PlotPicture::Grid PlotPicture::grid(QPoint origin, qreal ratio) {
    Grid g;
    g.ratio = ratio;
    g.thickness = std::max(1, qRound(ratio));
    // At a ratio of 1 this is the origin itself, with nothing left over.
    const Extended x = (origin.x() + 0.5L) * g.ratio - g.thickness / 2.0L;
    const Extended y = (origin.y() + 0.5L) * g.ratio - g.thickness / 2.0L;
    g.whole = {checked32(static_cast<std::int64_t>(std::floor(x))),
               checked32(static_cast<std::int64_t>(std::floor(y)))};
    g.fx = x - g.whole.x();
    g.fy = y - g.whole.y();
    return g;
}

std::int32_t PlotPicture::Grid::column(Extended right) const {
    return checked32(std::int64_t{nearest(right * ratio + fx)} + whole.x());
}

std::int32_t PlotPicture::Grid::row(Extended down) const {
    return checked32(std::int64_t{nearest(down * ratio + fy)} + whole.y());
}

QPoint PlotPicture::pixel(const PlotSettings& s, const Grid& g, Extended x, Extended y) {
    const std::int32_t column = g.column(fpu::div(x, s.scale.X));
    const std::int32_t row = g.row(fpu::div(-y, s.scale.Y));
    return {column, row};
}

void PlotPicture::sampleText(std::string_view expression, Extended x, std::string& out) {
    out.clear();
    std::string number;
    for (std::size_t i = 0; i < expression.size(); ++i) {
        const char c = expression[i];
        const bool lone = (c == 'x' || c == 'X') && !(i > 0 && isLetter(expression[i - 1])) &&
                          !(i + 1 < expression.size() && isLetter(expression[i + 1]));
        if (!lone) {
            out += c;
            continue;
        }
        if (number.empty()) number = formatGeneral(x) + ' ';
        out += number;
    }
}

Extended PlotPicture::sample(std::string_view expression, Extended x) {
    sampleText(expression, x, text_);
    return evaluator_.Evaluate(text_);
}

void selectPen(QPainter& painter, const TPen& pen) {
    QPainter::CompositionMode mode = QPainter::CompositionMode_Source;
    if (pen.Mode == TPen::Not) mode = QPainter::RasterOp_NotDestination;
    if (pen.Mode == TPen::Xor) mode = QPainter::RasterOp_SourceXorDestination;
    // A flat cap leaves the last pixel of a line unset, as a line to a point does.
    painter.setPen(QPen(QColor::fromRgb(penColour(pen)), pen.Width, pen.Style, Qt::FlatCap));
    painter.setCompositionMode(mode);
}

QRgb penColour(const TPen& pen) {
    switch (pen.Mode) {
    case TPen::Black:
        return qRgb(0, 0, 0);
    case TPen::White:
        return qRgb(255, 255, 255);
    case TPen::NotCopy:
        return ~pen.Color.rgb() | 0xff000000u;
    default:
        return pen.Color.rgb();
    }
}

void drawLine(QImage& image, QPoint from, QPoint to, const TPen& pen) {
    const qreal ratio = image.devicePixelRatio();
    // A thin line is drawn that many times, each beside the last along the minor axis.
    const int thickness = std::max(1, qRound(ratio));
    // Nothing to draw when both ends lie beyond the same edge (most of a steep curve).
    const auto beyond = [&](int a, int b, int end) {
        return (a + thickness <= 0 && b + thickness <= 0) || (a >= end && b >= end);
    };
    if (from == to || beyond(from.x(), to.x(), image.width()) || beyond(from.y(), to.y(), image.height()))
        return;
    if (pen.Width > 1 || pen.Style != Qt::SolidLine) {
        QPainter painter(&image);
        painter.scale(1 / ratio, 1 / ratio); // the image's own pixels
        TPen scaled = pen;
        scaled.Width = std::max(1, qRound(pen.Width * ratio));
        selectPen(painter, scaled);
        painter.drawLine(from, to);
        return;
    }
    // Thin solid lines are drawn here: the painter is slow on long clipped lines, and a curve is
    // mostly those. Steps go along the major axis; only the steps inside the image are visited.
    const std::int64_t dx = std::int64_t{to.x()} - from.x(), dy = std::int64_t{to.y()} - from.y();
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t major = xMajor ? dx : dy, minor = xMajor ? dy : dx;
    const std::int64_t steps = std::llabs(major), rise = std::llabs(minor);
    if (steps == 0) return;
    const std::int64_t majorStep = major > 0 ? 1 : -1, minorStep = minor > 0 ? 1 : -1;
    const std::int64_t m0 = xMajor ? from.x() : from.y(), n0 = xMajor ? from.y() : from.x();
    const std::int64_t majorEnd = xMajor ? image.width() : image.height();
    const std::int64_t minorEnd = xMajor ? image.height() : image.width();
    // The last pixel (step `steps`) is not set.
    const std::int64_t first = std::max<std::int64_t>(0, majorStep > 0 ? -m0 : m0 - (majorEnd - 1));
    const std::int64_t last = std::min(steps - 1, majorStep > 0 ? majorEnd - 1 - m0 : m0);
    if (first > last) return;
    // Minor offset at step i: (2 i rise + steps) div (2 steps), carried on as quotient and remainder.
    const std::int64_t twoSteps = 2 * steps;
    const __int128 start = static_cast<__int128>(first) * rise * 2 + steps;
    auto offset = static_cast<std::int64_t>(start / twoSteps);
    auto remainder = static_cast<std::int64_t>(start % twoSteps);
    const QRgb colour = penColour(pen);
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (std::int64_t i = first; i <= last; ++i) {
        const std::int64_t m = m0 + i * majorStep, n0i = n0 + offset * minorStep;
        for (std::int64_t n = std::max<std::int64_t>(n0i, 0); n < std::min(n0i + thickness, minorEnd); ++n) {
            const std::int64_t x = xMajor ? m : n, y = xMajor ? n : m;
            QRgb& pixel = reinterpret_cast<QRgb*>(bits + y * stride)[x];
            if (pen.Mode == TPen::Not)
                pixel = ~pixel | 0xff000000u;
            else if (pen.Mode == TPen::Xor)
                pixel = (pixel ^ colour) | 0xff000000u;
            else
                pixel = colour;
        }
        remainder += 2 * rise;
        if (remainder >= twoSteps) {
            remainder -= twoSteps;
            ++offset;
        }
    }
}

namespace {

// The title on a box of the background's colour.
void drawTitle(QPainter& painter, const PlotSettings& s) {
    painter.setFont(s.font);
    const QFontMetrics metrics(s.font);
    const QRect box(s.title.X, s.title.Y, metrics.horizontalAdvance(s.title.Text), metrics.height());
    painter.fillRect(box, s.color);
    painter.setPen(s.textColor);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, s.title.Text);
}

// A pen's colour over the background, for drawings that cannot mix colours as the image does.
QColor overBackground(const TPen& pen, const QColor& background) {
    if (pen.Mode == TPen::Not) return QColor::fromRgb(~background.rgb() | 0xff000000u);
    if (pen.Mode == TPen::Xor) return QColor::fromRgb((background.rgb() ^ pen.Color.rgb()) | 0xff000000u);
    return QColor::fromRgb(penColour(pen));
}

// The tick dots on the axes: at every multiple of the spacing, from minus to plus the picture's
// size, those inside it.
template <class Dot> void forEachTick(const PlotSettings& s, QPoint p, QSize size, Dot dot) {
    const std::int32_t tx = PlotPicture::nearest(fpu::div(s.ticks.X, s.scale.X));
    const std::int32_t ty = PlotPicture::nearest(fpu::div(s.ticks.Y, s.scale.Y));
    const QRect inside(QPoint(), size);
    const auto dots = [&](std::int32_t spacing, int extent, auto at) {
        if (spacing <= 0) return;
        for (std::int64_t h = -(extent / spacing) * std::int64_t{spacing}; h <= extent; h += spacing)
            if (const QPoint d = at(h); inside.contains(d)) dot(d);
    };
    dots(ty, size.height(), [&](std::int64_t h) { return QPoint(p.x(), static_cast<int>(p.y() + h)); });
    dots(tx, size.width(), [&](std::int64_t h) { return QPoint(static_cast<int>(p.x() + h), p.y()); });
}

QPen vectorPen(const TPen& pen, const QColor& background) {
    return QPen(overBackground(pen, background), pen.Width, pen.Style, Qt::FlatCap, Qt::MiterJoin);
}

} // namespace

void PlotPicture::resize(QSize size, qreal ratio, const QColor& background) {
    QImage resized(QSize(qRound(size.width() * ratio), qRound(size.height() * ratio)), QImage::Format_RGB32);
    resized.setDevicePixelRatio(ratio);
    resized.fill(background);
    if (drawn_) QPainter(&resized).drawImage(0, 0, image); // at its size in logical pixels
    image = std::move(resized);
    size_ = size;
}

void PlotPicture::drawBackground(const PlotSettings& s) {
    drawn_ = Drawn{size_, s, false};
    const QPoint p = origin(s);
    const Grid g = grid(p, image.devicePixelRatio());
    const int width = image.width(), height = image.height();
    image.fill(s.color);
    const QPoint axes(g.column(0), g.row(0));
    drawLine(image, {axes.x(), 0}, {axes.x(), height}, s.axis);
    drawLine(image, {0, axes.y()}, {width, axes.y()}, s.axis);
    // A dot covers a logical pixel's share of the image.
    const QRgb tick = s.ticks.Cor.rgb();
    const QRect inside = image.rect();
    forEachTick(s, p, size_, [&](QPoint d) {
        const QRect dot =
            QRect(g.column(d.x() - p.x()), g.row(d.y() - p.y()), g.thickness, g.thickness) & inside;
        for (int y = dot.top(); y <= dot.bottom(); ++y)
            for (int x = dot.left(); x <= dot.right(); ++x)
                image.setPixel(x, y, tick);
    });
    if (!s.title.Text.isEmpty()) {
        QPainter painter(&image);
        drawTitle(painter, s);
    }
}

template <class Segment>
bool PlotPicture::trace(const PlotSettings& s, const Grid& g, int width, Segment segment) {
    const std::string expression = s.expression.toStdString();
    const TFaixa range = s.automaticRange ? TFaixa{-Extended(width), Extended(width), 1} : s.range;
    // An increment that does not move forward (zero, negative, not a number) would sample for ever:
    // the first sample alone is taken, as when Left is beyond Right.
    const bool forward = range.Increment > 0;

    Extended x = range.Left;
    // kept as the program has always written it: the first sample is taken twice, the curve starting with a
    // line to where the pen stands, and it ends at the first sample that does not evaluate
    Extended y = sample(expression, x);
    if (!evaluator_.Valid()) return false;
    QPoint at = pixel(s, g, x, y);
    while (forward && x <= range.Right) {
        y = sample(expression, x);
        if (!evaluator_.Valid()) break;
        const QPoint to = pixel(s, g, x, y);
        segment(at, to);
        at = to;
        const Extended next = fpu::add(x, range.Increment);
        if (next == x) break; // an increment lost to rounding would never reach Right
        x = next;
    }
    return evaluator_.Valid();
}

bool PlotPicture::plot(const PlotSettings& s) {
    drawBackground(s);
    drawn_->curve = true;
    if (s.expression.isEmpty()) return true;
    return trace(s, grid(origin(s), image.devicePixelRatio()), size_.width(),
                 [this, &line = s.line](QPoint from, QPoint to) { drawLine(image, from, to, line); });
}

void PlotPicture::replay(QPainter& painter) {
    if (!drawn_) { // never drawn: the blank picture, all of one colour
        painter.fillRect(QRect(QPoint(), size_),
                         image.isNull() ? QColor(Qt::white) : QColor(image.pixel(0, 0)));
        return;
    }
    const Drawn d = *drawn_;
    const PlotSettings& s = d.settings;
    const int width = d.size.width(), height = d.size.height();
    // Lines run through the middle of the pixels they cover in the image.
    const QPointF half(0.5, 0.5);
    QPainterPath curve;
    try {
        const QPoint p = origin(s, d.size);
        painter.fillRect(QRect(QPoint(), d.size), s.color);
        painter.setPen(vectorPen(s.axis, s.color));
        painter.drawLine(QPointF(p.x(), 0) + half, QPointF(p.x(), height) + half);
        painter.drawLine(QPointF(0, p.y()) + half, QPointF(width, p.y()) + half);
        QList<QRect> dots;
        forEachTick(s, p, d.size, [&](QPoint dot) { dots << QRect(dot, QSize(1, 1)); });
        painter.setPen(Qt::NoPen);
        painter.setBrush(s.ticks.Cor);
        painter.drawRects(dots);
        if (!s.title.Text.isEmpty()) drawTitle(painter, s);
        if (d.curve && !s.expression.isEmpty())
            trace(s, grid(p, 1), width, [&](QPoint from, QPoint to) {
                if (curve.isEmpty()) curve.moveTo(QPointF(from) + half);
                curve.lineTo(QPointF(to) + half);
            });
    } catch (const Error&) {
        // A fault ends this drawing where it ended the image's.
    }
    if (curve.isEmpty()) return;
    painter.setPen(vectorPen(s.line, s.color));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(curve);
}

bool PlotPicture::writeSvg(QIODevice& device) {
    const QSize size = drawn_ ? drawn_->size : size_;
    QSvgGenerator generator;
    generator.setOutputDevice(&device);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(), size));
    QPainter painter;
    if (!painter.begin(&generator)) return false;
    replay(painter);
    return painter.end();
}

} // namespace calvorin

using namespace calvorin;

TTracador2D::TTracador2D(QWidget* parent)
    : QWidget(parent),
      saveDialog_(QStringLiteral("CVGráfico"), QStringLiteral("Imagem PNG|*.png|Imagem SVG|*.svg")) {
    resize(105, 105);
    picture_.resize(size(), devicePixelRatioF(), s_.color);
    imageChanged();
}

void TTracador2D::followSize() {
    const qreal ratio = devicePixelRatioF();
    if (followSize_ && !picture_.image.isNull() &&
        (picture_.size() != size() || picture_.image.devicePixelRatio() != ratio))
        picture_.resize(size(), ratio, s_.color);
}

void TTracador2D::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    followSize();
}

void TTracador2D::imageChanged() {
    setAttribute(Qt::WA_OpaquePaintEvent, !transparent_);
    update();
}

void TTracador2D::copyToScreen() {
    if (isVisible()) repaint();
}

void TTracador2D::setTransparent(bool v) {
    if (v == transparent_) return;
    transparent_ = v;
    imageChanged();
}

// Every drawing reports a change, also one that an error ends: what was drawn shows later.
struct TTracador2D::Drawing {
    TTracador2D& control;
    explicit Drawing(TTracador2D& c) : control(c) {
        // A hidden control gets its resize event only when shown; the image follows its size here too.
        control.followSize();
        control.s_.font = control.font();
        control.s_.textColor = control.palette().color(control.foregroundRole());
    }
    ~Drawing() { control.imageChanged(); }
    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;
};

void TTracador2D::DrawBackground() {
    Drawing drawing(*this);
    picture_.drawBackground(s_);
}

bool TTracador2D::Plot() {
    bool valid = false;
    {
        Drawing drawing(*this);
        valid = picture_.plot(s_);
    }
    copyToScreen();
    return valid;
}

QSize TTracador2D::magnifiedSize() const {
    return {PlotPicture::nearest(picture_.size().width() * magnification_),
            PlotPicture::nearest(picture_.size().height() * magnification_)};
}

void TTracador2D::zoomed() {
    if (expand_)
        resize(magnifiedSize());
    else
        copyToScreen();
}

void TTracador2D::ZoomIn() {
    followSize_ = false;
    magnification_ += zoom_;
    zoomed();
}

void TTracador2D::ZoomOut() {
    if (magnification_ <= 1) return;
    magnification_ -= zoom_;
    followSize_ = false;
    zoomed();
}

void TTracador2D::SaveImage() {
    const std::optional<QString> chosen = saveDialog_.execute();
    if (!chosen) return;
    // A name with either extension is written in that format; any other gets the chosen filter's.
    QString name = *chosen;
    bool svg = saveDialog_.filterIndex() == 1;
    if (name.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive))
        svg = true;
    else if (name.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        svg = false;
    else
        name += svg ? QStringLiteral(".svg") : QStringLiteral(".png");
    // Written beside the old file and swapped in only when complete.
    QSaveFile file(name);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         (svg ? picture_.writeSvg(file) : picture_.image.save(&file, "PNG"));
    if (!written || !file.commit()) throw FileError::cannotCreate(name.toStdString());
}

void TTracador2D::contextMenuEvent(QContextMenuEvent* e) {
    if (popupMenu_) popupMenu_->popup(e->globalPos());
}

QRect TTracador2D::destination() const {
    if (expand_) return rect();
    const QSize shown = magnifiedSize();
    return {QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown};
}

void TTracador2D::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QImage& image = picture_.image;
    if (!transparent_ || image.isNull()) {
        painter.drawImage(destination(), image);
        return;
    }
    // Pixels of the bottom-left pixel's colour are not drawn.
    const QRgb key = image.pixel(0, image.height() - 1);
    QImage shown = image.convertToFormat(QImage::Format_ARGB32);
    for (int row = 0; row < shown.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(shown.scanLine(row));
        for (int column = 0; column < shown.width(); ++column)
            if (line[column] == key) line[column] = 0;
    }
    painter.drawImage(destination(), shown);
}
