// Renders Harmtally's artwork: the dragon background and the application icon.
// Usage: harmtally-draw-art OUTPUT_DIR
//
// Beside each JPEG and PNG it writes the pixels the program shows, decoded from that very file
// and stored raw (.rgb32, .argb32: QImage's Format_RGB32 and Format_ARGB32 rows, no padding), so
// the program starts without an image plugin or a decoder and draws exactly the same pixels.
//
// Vector geometry and a fixed-seed generator only, so every run writes the same files. The main
// window sets red labels straight onto the picture's upper left (x < 282, y < 246), so that corner
// stays in deep shadow: the dragon is lit only from behind and from the mist below, and its eye
// sits in the clear strip right of the labels.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <utility>

namespace {

// A tiny LCG: QRandomGenerator's sequence for a given seed is not promised across Qt versions.
qreal random(std::uint32_t &state, qreal lo, qreal hi)
{
    state = state * 1664525u + 1013904223u;
    return lo + (hi - lo) * ((state >> 8) / qreal(1u << 24));
}

// Start point followed by Bezier segments of the given degree, two or three points each.
QPainterPath bezier(int degree, std::initializer_list<qreal> v)
{
    const qreal *c = v.begin();
    QPainterPath path(QPointF(c[0], c[1]));
    for (c += 2; c + 2 * degree <= v.end(); c += 2 * degree) {
        if (degree == 2)
            path.quadTo(c[0], c[1], c[2], c[3]);
        else
            path.cubicTo(c[0], c[1], c[2], c[3], c[4], c[5]);
    }
    return path;
}

QPainterPath cubics(std::initializer_list<qreal> v) { return bezier(3, v); }
QPainterPath quads(std::initializer_list<qreal> v) { return bezier(2, v); }

// Unit normal to the right of the direction of travel along the path.
QPointF normalAt(const QPainterPath &path, qreal t)
{
    return QLineF::fromPolar(1, path.angleAtPercent(t) + 90).p2();
}

template <typename Gradient> Gradient withStops(Gradient g, const QGradientStops &stops)
{
    g.setStops(stops);
    return g;
}

// Colour c at the centre of a radial gradient (or the end of a linear one), gone at the other.
template <typename Gradient> Gradient fade(Gradient g, QColor c, bool inward = true)
{
    QColor clear = c;
    clear.setAlpha(0);
    return withStops(g, {{0.0, inward ? c : clear}, {1.0, inward ? clear : c}});
}

QPen roundPen(const QBrush &brush, qreal width)
{
    return QPen(brush, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Back light from the right plus a weaker glow from the mist below; neither reaches the labels.
qreal lightAt(qreal x, qreal y)
{
    const auto smooth = [](qreal t) {
        t = qBound(0.0, t, 1.0);
        return t * t * (3 - 2 * t);
    };
    return qMax(smooth((x - 262) / 170), 0.55 * smooth((y - 262) / 110));
}

const QRect canvas(0, 0, 488, 478);
const QColor ink(1, 4, 6);
const QPointF eye(301, 103);
const QPainterPath skull
    = cubics({92,  182, 88,  168, 96,  156, 112, 154, 126, 152, 132, 160, 150, 158, 190, 152,
              236, 138, 258, 122, 274, 104, 292, 88,  316, 78,  334, 72,  346, 72,  356, 74});
const QPainterPath spine
    = cubics({356, 74, 404, 84, 440, 150, 446, 240, 452, 330, 440, 420, 434, 490});
// The neck swings forward into the chest so it fills the clear rows under the form.
const QPainterPath throat
    = cubics({330, 226, 306, 280, 262, 316, 236, 370, 214, 420, 206, 460, 204, 490});
const QPainterPath jaw = cubics({330, 226, 290, 228, 230, 224, 176, 216, 136, 210,
                                 110, 208, 100, 202, 94,  198, 92,  190, 92,  182});
const QPainterPath mouth
    = cubics({96, 190, 140, 196, 220, 196, 270, 192, 284, 191, 292, 188, 298, 180});

void drawSky(QPainter &p)
{
    p.fillRect(canvas, withStops(QLinearGradient(0, 0, 0, canvas.height()),
                                 {{0.0, QColor(5, 8, 17)}, {1.0, QColor(8, 15, 27)}}));
    // A cold glow behind the skull lifts the horns off the night.
    p.fillRect(canvas, fade(QRadialGradient(420, 40, 190), QColor(40, 100, 120, 70)));

    std::uint32_t seed = 1234;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 120; ++i) {
        const QPointF c(random(seed, 0, canvas.width()), random(seed, 0, canvas.height()));
        const qreal size = random(seed, 0.4, 1.2);
        const qreal bright = 0.15 + 0.85 * lightAt(c.x() + 40, c.y() + 40);
        p.setBrush(QColor(190, 215, 255, int(random(seed, 30, 150) * bright)));
        p.drawEllipse(c, size, size);
    }
    // Drifting mist low down: round gradients squashed flat so the falloff stays smooth.
    for (int i = 0; i < 14; ++i) {
        const QPointF c(random(seed, -60, canvas.width() + 60), random(seed, 290, canvas.height()));
        const qreal radius = random(seed, 80, 170);
        p.save();
        p.translate(c);
        p.scale(1.0, random(seed, 0.25, 0.45));
        p.setBrush(
            fade(QRadialGradient(0, 0, radius), QColor(70, 110, 140, int(random(seed, 14, 34)))));
        p.drawEllipse(QPointF(0, 0), radius, radius);
        p.restore();
    }
}

void drawHorn(QPainter &p, QPainterPath horn, QPointF base, QPointF tip)
{
    horn.closeSubpath();
    p.setBrush(withStops(
        QLinearGradient(base, tip),
        {{0.0, QColor(12, 18, 20)}, {0.5, QColor(52, 64, 62)}, {1.0, QColor(118, 124, 110)}}));
    p.setPen(QPen(ink, 2.0));
    p.drawPath(horn);

    // Growth rings: arcs of a circle centred further along the axis, so each bows towards the base.
    p.save();
    p.setClipPath(horn);
    p.setPen(QPen(QColor(4, 8, 10, 150), 1.3));
    const QPointF axis = tip - base;
    const QPointF unit = axis / std::hypot(axis.x(), axis.y());
    const int angle = int((qRadiansToDegrees(std::atan2(-axis.y(), axis.x())) + 150) * 16);
    for (qreal t = 0.1; t < 0.75; t += 0.1) {
        const QPointF c = base + axis * t + unit * 34;
        p.drawArc(QRectF(c.x() - 34, c.y() - 34, 68, 68), angle, 60 * 16);
    }
    p.restore();
}

void drawSpikes(QPainter &p)
{
    p.setPen(QPen(ink, 1.6));
    for (qreal t = 0.04; t < 0.97; t += 0.07) {
        const QPointF at = spine.pointAtPercent(t);
        const QPointF n = normalAt(spine, t);
        const QPointF d(-n.y(), n.x());
        const qreal h = 40 - 16 * t;
        const qreal w = 11 - 3 * t;
        const QPointF tip = at + n * h + d * (h * 0.55);
        QPainterPath spike(at - d * w);
        spike.quadTo(at + n * (h * 0.6) - d * (w * 0.2), tip);
        spike.quadTo(at + n * (h * 0.3) + d * (w * 0.6), at + d * w);
        p.setBrush(withStops(QLinearGradient(at, tip),
                             {{0.0, QColor(6, 26, 30)}, {1.0, QColor(80, 150, 140)}}));
        p.drawPath(spike);
    }
}

void drawHide(QPainter &p)
{
    std::uint32_t seed = 77;
    p.setPen(Qt::NoPen);
    // Bottom rows first so each row overlaps the one below, like shingles.
    int row = 0;
    for (qreal y = 500; y > 60; y -= (4.5 + std::hypot(220.0, y - 180) * 0.022) * 0.48, ++row) {
        for (qreal x = 80 - (row % 2) * 5; x < 480;) {
            const qreal s = 4.5 + std::hypot(x - 86, y - 180) * 0.022;
            const qreal l = qBound(0.0, lightAt(x, y) * 0.8 + random(seed, 0.0, 0.08), 1.0);
            const QColor base = QColor::fromRgbF(0.02 + 0.08 * l, 0.07 + 0.30 * l, 0.09 + 0.26 * l);
            const QPointF c(x + (row % 2) * s * 0.45, y);
            p.setBrush(withStops(QRadialGradient(c + QPointF(s * 0.2, -s * 0.35), s * 0.75),
                                 {{0.0, base.lighter(135)}, {0.7, base}, {1.0, base.darker(230)}}));
            p.drawEllipse(c, s * 0.62, s * 0.56);
            x += s * 0.92;
        }
    }

    p.setBrush(Qt::NoBrush);
    // Paler belly plates down the throat, picked out by the glow from below.
    p.setPen(roundPen(fade(QLinearGradient(0, 250, 0, 330), QColor(120, 170, 150, 60), false), 34));
    p.drawPath(throat.translated(14, 0));
    p.setPen(QPen(QColor(2, 8, 10, 200), 1.6));
    for (qreal t = 0.03; t < 1.0; t += 0.045) {
        const QPointF n = normalAt(throat, t);
        p.drawPath(quads({0, 0, 10 * n.x(), 10 * n.y() + 5, 26 * n.x(), 26 * n.y()})
                       .translated(throat.pointAtPercent(t) - n * 2));
    }
    // The neck turns away from the back light, so its middle sinks into shade.
    p.strokePath(spine.translated(-62, 16), roundPen(QColor(0, 3, 6, 80), 70));
    // The head throws the top of the throat into shadow.
    p.fillRect(canvas, fade(QRadialGradient(304, 240, 64), QColor(0, 0, 0, 150)));

    // Rim light: a broad soft band under a thin hard edge, along the back of the head and neck.
    QPainterPath back = skull;
    back.connectPath(spine);
    const QColor rim(140, 240, 230);
    for (const auto &[alpha, width] : {std::pair{40, 22.0}, {110, 7.0}, {220, 2.2}}) {
        const QColor edge(rim.red(), rim.green(), rim.blue(), alpha);
        p.strokePath(back, roundPen(fade(QLinearGradient(250, 0, 390, 0), edge, false), width));
        p.strokePath(throat, roundPen(fade(QLinearGradient(0, 262, 0, 380), edge, false), width));
    }
    // Just enough starlight on the snout to keep its outline in the dark.
    p.setPen(roundPen(QColor(140, 240, 230, 30), 3.0));
    p.drawPath(skull);
    // A sunken socket gives the eye's glow something to shine out of.
    p.fillRect(canvas, fade(QRadialGradient(eye, 30), QColor(0, 0, 0, 170)));
}

void drawFace(QPainter &p)
{
    // Fangs fall into the same shadow as the hide, so only the rear ones catch any light.
    p.setPen(QPen(ink, 0.9));
    for (qreal t = 0.08; t < 0.9; t += 0.09) {
        const QPointF at = mouth.pointAtPercent(t);
        const qreal len = t < 0.12 ? 12 : 9 - 3 * t;
        const qreal l = 0.16 + 0.84 * lightAt(at.x(), at.y());
        p.setBrush(QColor::fromRgbF(0.77 * l, 0.75 * l, 0.66 * l));
        p.drawPath(quads({-3, -1, -1, len * 0.6, 1, len, 2, len * 0.4, 3.5, -0.5}).translated(at));
    }

    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(ink, 2.4));
    p.drawPath(mouth);
    p.drawPath(cubics({298, 180, 318, 172, 326, 198, 322, 216}));
    p.setPen(roundPen(ink, 3.0));
    p.drawPath(quads({100, 170, 106, 164, 114, 168}));
    // Heavy brow ridge with a catch of light along its top edge.
    const QPainterPath brow = cubics({266, 110, 278, 94, 300, 88, 330, 90});
    p.setPen(roundPen(ink, 3.4));
    p.drawPath(brow);
    p.setPen(roundPen(QColor(140, 230, 220, 150), 1.4));
    p.drawPath(brow.translated(2, -3));
    // The back of the skull, shadowed where it overhangs the neck, sets the head apart from it.
    const QPainterPath nape = cubics({352, 80, 376, 124, 370, 190, 330, 228});
    p.strokePath(nape.translated(7, 2), roundPen(QColor(0, 2, 4, 110), 12));
    p.strokePath(nape, roundPen(QColor(140, 240, 230, 90), 1.4));
    p.strokePath(nape, roundPen(ink, 2.2));

    // The eye: a soft glow, the lit almond, then a slit pupil.
    p.fillRect(canvas, withStops(QRadialGradient(eye, 34), {{0.0, QColor(255, 200, 80, 190)},
                                                            {0.3, QColor(255, 170, 50, 70)},
                                                            {1.0, QColor(255, 150, 40, 0)}}));
    p.setBrush(withStops(
        QRadialGradient(eye, 13),
        {{0.0, QColor(255, 252, 200)}, {0.55, QColor(255, 196, 60)}, {1.0, QColor(210, 90, 10)}}));
    p.setPen(QPen(ink, 1.8));
    p.drawPath(quads({-14, 3, 0, -10, 15, -5, 2, 8, -14, 3}).translated(eye));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(24, 8, 0));
    p.drawEllipse(eye + QPointF(1, -1), 1.6, 5);
}

QImage renderBackground()
{
    QImage img(canvas.size(), QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawSky(p);

    // The far horn goes down first so the head covers its root; a veil pushes it back in depth.
    const QPainterPath farHorn
        = cubics({296, 86, 298, 48, 318, 20, 352, 2, 330, 26, 322, 54, 326, 86});
    drawHorn(p, farHorn, QPointF(310, 86), QPointF(352, 2));
    p.fillPath(farHorn, QColor(2, 6, 12, 120));
    drawSpikes(p);

    QPainterPath body = skull;
    body.connectPath(spine);
    body.connectPath(throat.toReversed());
    body.connectPath(jaw);
    body.closeSubpath();
    p.save();
    p.setClipPath(body);
    drawHide(p);
    p.restore();
    p.strokePath(body, QPen(ink, 2.6));

    drawHorn(p, cubics({318, 84, 330, 44, 366, 14, 424, 4, 380, 26, 358, 54, 354, 90}),
             QPointF(336, 86), QPointF(424, 4));
    drawHorn(p, quads({318, 206, 352, 214, 392, 240, 354, 230, 322, 226}), QPointF(320, 216),
             QPointF(392, 240));
    drawFace(p);

    // Vignette keeps the edges quiet behind the form's controls.
    p.fillRect(canvas, withStops(QRadialGradient(300, 200, 420),
                                 {{0.5, QColor(0, 0, 0, 0)}, {1.0, QColor(0, 0, 0, 150)}}));
    return img;
}

QImage renderIcon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size, size);

    // Never thinner than 1.5 px, so the emblem survives at 16 px.
    const QPen pen = roundPen(QColor(52, 130, 235), qMax(1.5, size / 14.0) / size);
    QPainterPath shield = quads({0.5, 0.07, 0.68, 0.15, 0.88, 0.13});
    shield.lineTo(0.88, 0.46);
    shield.cubicTo(0.88, 0.70, 0.70, 0.86, 0.5, 0.95);
    shield.cubicTo(0.30, 0.86, 0.12, 0.70, 0.12, 0.46);
    shield.lineTo(0.12, 0.13);
    shield.quadTo(0.32, 0.15, 0.5, 0.07);
    p.setBrush(QColor(52, 130, 235, 40));
    p.setPen(pen);
    p.drawPath(shield);

    // Three claw rakes; the outer ones shorter and staggered like the marks of a spread paw.
    const QLineF rakes[]
        = {{0.46, 0.28, 0.30, 0.60}, {0.62, 0.28, 0.44, 0.70}, {0.75, 0.38, 0.59, 0.72}};
    for (const QLineF &r : rakes) {
        QPainterPath rake(r.p1());
        rake.quadTo(QPointF(r.x2() + 0.13, (r.y1() + r.y2()) / 2), r.p2());
        p.strokePath(rake, pen);
    }
    return img;
}

bool save(const QImage &img, const QString &path, const char *format, int quality = -1)
{
    if (!img.save(path, format, quality)) {
        std::fprintf(stderr, "harmtally-draw-art: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("wrote %s (%dx%d)\n", qPrintable(path), img.width(), img.height());
    return true;
}

// Decodes the file just written, as the program once did at start, and stores the pixels raw.
bool saveRaw(const QString &encoded, const QString &path, QImage::Format format, QSize clip = {})
{
    QImageReader reader(encoded);
    if (clip.isValid())
        reader.setClipRect(QRect(QPoint(0, 0), clip));
    const QImage img = reader.read();
    QFile file(path);
    if (img.format() != format || img.bytesPerLine() != img.width() * 4
        || !file.open(QIODevice::WriteOnly)
        || file.write(reinterpret_cast<const char *>(img.constBits()), img.sizeInBytes())
               != img.sizeInBytes()) {
        std::fprintf(stderr, "harmtally-draw-art: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("wrote %s (%dx%d)\n", qPrintable(path), img.width(), img.height());
    return true;
}

// The main window's client area (5085 x 5520 twips): all of the picture it ever shows.
constexpr QSize kShownPicture(339, 368);

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: harmtally-draw-art OUTPUT_DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "harmtally-draw-art: cannot create directory %s\n", argv[1]);
        return 1;
    }

    const QString jpeg = out.filePath(QStringLiteral("background.jpg"));
    bool ok = save(renderBackground(), jpeg, "JPG", 85)
              && saveRaw(jpeg, out.filePath(QStringLiteral("background.rgb32")),
                         QImage::Format_RGB32, kShownPicture);
    for (const int size : {16, 32, 48}) {
        const QString png = out.filePath(QStringLiteral("icon-%1.png").arg(size));
        ok = save(renderIcon(size), png, "PNG")
             && saveRaw(png, out.filePath(QStringLiteral("icon-%1.argb32").arg(size)),
                        QImage::Format_ARGB32)
             && ok;
    }
    return ok ? 0 : 1;
}
