#pragma once
// TTracador2D: plots y = f(x) typed as text. The picture is kept in an off-screen image and only
// copied (stretched) to the screen when painted, so repaints and zoom steps evaluate nothing.
// The image has the screen's device pixel ratio: at 2 x a curve is drawn with the screen's own
// pixels, not pixel-doubled. The drawing itself lives in calvorin::PlotPicture, which needs no widget.
#include "core/real.h"
#include "expr/InFixa.h"
#include "platform/dialogs.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QMenu>
#include <QObject>
#include <QPen>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// ---- the records a window sets field by field ----

struct TPontoInt {
    Q_GADGET
    Q_PROPERTY(std::int32_t X MEMBER X)
    Q_PROPERTY(std::int32_t Y MEMBER Y)
public:
    std::int32_t X = 0;
    std::int32_t Y = 0;
};

struct TPontoReal {
    Q_GADGET
    Q_PROPERTY(calvorin::Extended X MEMBER X)
    Q_PROPERTY(calvorin::Extended Y MEMBER Y)
public:
    calvorin::Extended X = 0;
    calvorin::Extended Y = 0;
};

struct TMarcador {
    Q_GADGET
    Q_PROPERTY(std::int32_t X MEMBER X)
    Q_PROPERTY(std::int32_t Y MEMBER Y)
    Q_PROPERTY(QColor Cor MEMBER Cor)
public:
    std::int32_t X = 0;
    std::int32_t Y = 0;
    QColor Cor = Qt::black;
};

struct TTitulo {
    Q_GADGET
    Q_PROPERTY(QString Text MEMBER Text)
    Q_PROPERTY(std::int32_t X MEMBER X)
    Q_PROPERTY(std::int32_t Y MEMBER Y)
public:
    QString Text;
    std::int32_t X = 0;
    std::int32_t Y = 0;
};

struct TFaixa {
    Q_GADGET
    Q_PROPERTY(calvorin::Extended Left MEMBER Left)
    Q_PROPERTY(calvorin::Extended Right MEMBER Right)
    Q_PROPERTY(calvorin::Extended Increment MEMBER Increment)
public:
    calvorin::Extended Left = 0;
    calvorin::Extended Right = 0;
    calvorin::Extended Increment = 0;
};

// A pen: colour, style and width, and how it mixes with what is already in the image.
struct TPen {
    Q_GADGET
    Q_PROPERTY(QColor Color MEMBER Color)
    Q_PROPERTY(PenMode Mode MEMBER Mode)
    Q_PROPERTY(Qt::PenStyle Style MEMBER Style)
    Q_PROPERTY(int Width MEMBER Width)
public:
    enum PenMode { Copy, Black, White, NotCopy, Not, Xor };
    Q_ENUM(PenMode)

    QColor Color = Qt::black;
    PenMode Mode = Copy;
    Qt::PenStyle Style = Qt::SolidLine;
    int Width = 1;
};

namespace calvorin {

// Everything a picture is drawn from.
struct PlotSettings {
    bool automaticRange = true;
    TPen axis{Qt::red};
    QColor color = Qt::black;
    QString expression;
    TPen line{Qt::yellow};
    TPontoInt orign;
    bool orignScroll = true;
    TPontoReal scale{0.05L, 0.05L};
    TFaixa range{-105, 105, 1};
    TMarcador ticks{10, 10, Qt::white};
    TTitulo title;
    QFont font;
    QColor textColor = Qt::black;
};

// The off-screen picture: background, axes, tick dots, title and curve. Its size and every
// setting are in logical pixels; the image holds `ratio` device pixels to each of them.
class PlotPicture {
public:
    QImage image;

    // The image at a new size and device pixel ratio. What it gains shows the background colour,
    // and so does all of it until something is drawn: an empty picture never shows unfilled memory.
    void resize(QSize size, qreal ratio, const QColor& background);
    // The size in logical pixels.
    QSize size() const { return size_; }
    void drawBackground(const PlotSettings& s);
    // The curve after the background; gives the validity of the last sample evaluated. Arithmetic
    // faults of a sample and coordinates beyond 32 bits leave it with what was drawn so far.
    bool plot(const PlotSettings& s);
    // The last drawing again as an SVG file of the picture's size, from the settings it was drawn
    // with: rectangles, lines and text, the curve as one path. False when the device fails.
    bool writeSvg(QIODevice& device);

    QPoint origin(const PlotSettings& s) const;
    // The expression with every lone x written as the number x followed by a blank.
    static void sampleText(std::string_view expression, Extended x, std::string& out);
    // The nearest 32-bit integer, halves to the even one; beyond 32 bits is an invalid operation.
    static std::int32_t nearest(Extended v);

private:
    // Where logical pixels land in the image: with a ratio above 1 a logical pixel's line is
    // `thickness` image pixels wide, laid about the middle of the device pixels it covers.
    struct Grid {
        Extended ratio = 1;
        int thickness = 1;
        QPoint whole;            // the origin's first image pixel
        Extended fx = 0, fy = 0; // what rounding left of it
        // The image's column and row that many logical pixels right of and below the origin.
        std::int32_t column(Extended right) const;
        std::int32_t row(Extended down) const;
    };
    static Grid grid(QPoint origin, qreal ratio);

    static QPoint origin(const PlotSettings& s, QSize size);
    static QPoint pixel(const PlotSettings& s, const Grid& g, Extended x, Extended y);
    Extended sample(std::string_view expression, Extended x);
    // Samples the curve, handing each step to `segment` as two pixels.
    template <class Segment> bool trace(const PlotSettings& s, const Grid& g, int width, Segment segment);
    void replay(QPainter& painter);

    QSize size_;
    TCalculadoraInFixa evaluator_;
    std::string text_; // the sample text, kept so that samples reuse its storage
    // What the picture was last drawn from, so that it can be drawn again as vectors.
    struct Drawn {
        QSize size;
        PlotSettings settings;
        bool curve = false;
    };
    std::optional<Drawn> drawn_;
};

// What a pen draws with: the colour its mode leaves, and the painter set up for it.
QRgb penColour(const TPen& pen);
void selectPen(QPainter& painter, const TPen& pen);
// A line from one image pixel towards another, the last pixel left unset; outside the image is
// ignored. In an image of a ratio above 1 it is as wide as the pen's width in logical pixels.
void drawLine(QImage& image, QPoint from, QPoint to, const TPen& pen);

} // namespace calvorin

class TTracador2D : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool AutomaticRange READ AutomaticRange WRITE setAutomaticRange)
    Q_PROPERTY(TPen Axis READ Axis WRITE setAxis)
    Q_PROPERTY(QColor Color READ Color WRITE setColor)
    Q_PROPERTY(bool Expand READ Expand WRITE setExpand)
    Q_PROPERTY(QString Expression READ Expression WRITE setExpression)
    Q_PROPERTY(calvorin::Extended Zoom READ Zoom WRITE setZoom)
    Q_PROPERTY(bool IncrementalDisplay READ IncrementalDisplay WRITE setIncrementalDisplay)
    Q_PROPERTY(TPen Line READ Line WRITE setLine)
    // kept as the program has always written it: "Orign"
    Q_PROPERTY(TPontoInt Orign READ Orign WRITE setOrign)
    Q_PROPERTY(bool OrignScroll READ OrignScroll WRITE setOrignScroll)
    Q_PROPERTY(TPontoReal Scale READ Scale WRITE setScale)
    Q_PROPERTY(TFaixa Range READ Range WRITE setRange)
    Q_PROPERTY(TMarcador Ticks READ Ticks WRITE setTicks)
    Q_PROPERTY(TTitulo Title READ Title WRITE setTitle)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
    Q_PROPERTY(Alignment Align READ Align WRITE setAlign)

public:
    // Where the control keeps itself inside its parent; only alNone lets Expand be true.
    enum Alignment { alNone, alTop, alBottom, alLeft, alRight, alClient };
    Q_ENUM(Alignment)

    explicit TTracador2D(QWidget* parent = nullptr);

    void DrawBackground();
    bool Plot();
    void ZoomIn();
    void ZoomOut();
    // Asks for a name and writes the picture: as shown for PNG, drawn again as vectors for SVG.
    // A cancelled dialog writes nothing; raises FileError when the file cannot be written, and an
    // existing file is only ever replaced by a complete new one.
    void SaveImage();
    // The menu the right mouse button opens over the control.
    void setPopupMenu(QMenu* menu) { popupMenu_ = menu; }

    // The records are the control's own: a window may write their fields one by one
    // (img->Scale().X = 0.5); setting a whole record copies its fields.
    TPontoInt& Orign() { return s_.orign; }
    TPontoReal& Scale() { return s_.scale; }
    TFaixa& Range() { return s_.range; }
    TMarcador& Ticks() { return s_.ticks; }
    TTitulo& Title() { return s_.title; }
    TPen& Axis() { return s_.axis; }
    TPen& Line() { return s_.line; }
    void setOrign(const TPontoInt& v) { s_.orign = v; }
    void setScale(const TPontoReal& v) { s_.scale = v; }
    void setRange(const TFaixa& v) { s_.range = v; }
    void setTicks(const TMarcador& v) { s_.ticks = v; }
    void setTitle(const TTitulo& v) { s_.title = v; }
    void setAxis(const TPen& v) { s_.axis = v; }
    void setLine(const TPen& v) { s_.line = v; }

    bool AutomaticRange() const { return s_.automaticRange; }
    QColor Color() const { return s_.color; }
    bool Expand() const { return expand_; }
    QString Expression() const { return s_.expression; }
    calvorin::Extended Zoom() const { return zoom_; }
    bool IncrementalDisplay() const { return incrementalDisplay_; }
    bool OrignScroll() const { return s_.orignScroll; }
    bool Transparent() const { return transparent_; }
    Alignment Align() const { return align_; }
    void setAutomaticRange(bool v) { s_.automaticRange = v; }
    void setColor(const QColor& v) { s_.color = v; }
    void setExpand(bool v) { expand_ = v && align_ == alNone; }
    void setExpression(const QString& v) { s_.expression = v; }
    void setZoom(calvorin::Extended v) { zoom_ = v; }
    void setIncrementalDisplay(bool v) { incrementalDisplay_ = v; }
    void setOrignScroll(bool v) { s_.orignScroll = v; }
    void setTransparent(bool v);
    void setAlign(Alignment v) { align_ = v; }

    // The off-screen picture (in device pixels) and the state the zoom steps keep.
    const QImage& image() const { return picture_.image; }
    calvorin::Extended magnification() const { return magnification_; }
    bool followsSize() const { return followSize_; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    struct Drawing;
    void followSize();
    void imageChanged();
    void copyToScreen();
    void zoomed();
    // The picture's size at the current magnification; where it is shown when it does not expand.
    QSize magnifiedSize() const;
    QRect destination() const;

    calvorin::PlotSettings s_;
    calvorin::PlotPicture picture_;
    bool expand_ = true;
    calvorin::Extended zoom_ = 0.5L;
    bool incrementalDisplay_ = false;
    bool transparent_ = false;
    Alignment align_ = alNone;
    calvorin::Extended magnification_ = 1;
    bool followSize_ = true;
    QPointer<QMenu> popupMenu_;
    calvorin::SaveDialog saveDialog_;
};
