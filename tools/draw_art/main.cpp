// Renders Harmtally's artwork: the dragon background and the application icon.
//
// Usage: harmtally-draw-art OUTPUT_DIR
//
// Everything is vector geometry plus a fixed-seed generator and no text, so each run produces
// the same files and the art can be regenerated instead of hand-edited.

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLine>
#include <QLinearGradient>
#include <QList>
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
struct Lcg
{
    std::uint32_t state;

    qreal range(qreal lo, qreal hi)
    {
        state = state * 1664525u + 1013904223u;
        return lo + (hi - lo) * ((state >> 8) / qreal(1u << 24));
    }
};

// Start point followed by cubic segments, three control points each.
QPainterPath cubics(std::initializer_list<qreal> v)
{
    const qreal *c = v.begin();
    QPainterPath path(QPointF(c[0], c[1]));
    for (c += 2; c + 6 <= v.end(); c += 6)
        path.cubicTo(c[0], c[1], c[2], c[3], c[4], c[5]);
    return path;
}

// Start point followed by quadratic segments, two control points each.
QPainterPath quads(std::initializer_list<qreal> v)
{
    const qreal *c = v.begin();
    QPainterPath path(QPointF(c[0], c[1]));
    for (c += 2; c + 4 <= v.end(); c += 4)
        path.quadTo(c[0], c[1], c[2], c[3]);
    return path;
}

// Unit normal to the right of the direction of travel along the path.
QPointF normalAt(const QPainterPath &path, qreal t)
{
    const QPointF d
            = path.pointAtPercent(qMin(t + 0.01, 1.0)) - path.pointAtPercent(qMax(t - 0.01, 0.0));
    return QPointF(d.y(), -d.x()) / std::hypot(d.x(), d.y());
}

QPen roundPen(const QColor &color, qreal width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

const QRect canvas(0, 0, 488, 478);
const QColor ink(2, 8, 10);
const QPainterPath spine
        = cubics({ 226, 108, 292, 104, 352, 150, 376, 232, 398, 310, 414, 400, 456, 490 });
const QPainterPath throat
        = cubics({ 182, 232, 214, 250, 236, 290, 246, 340, 256, 400, 252, 450, 248, 490 });

QPainterPath silhouette()
{
    QPainterPath path = cubics({ 34,  174, 36,  158, 50,  150, 68,  150, 86,  150, 96,
                                 144, 110, 142, 128, 140, 142, 126, 156, 112, 166, 102,
                                 180, 98,  196, 102, 206, 104, 216, 106, 226, 108 });
    path.connectPath(spine);
    path.connectPath(throat.toReversed());
    path.connectPath(cubics({ 182, 232, 150, 226, 110, 214, 80, 204, 60, 198,
                              44,  192, 40,  184, 36,  180, 34, 177, 34, 174 }));
    path.closeSubpath();
    return path;
}

void drawSky(QPainter &p)
{
    QLinearGradient sky(0, 0, 0, canvas.height());
    sky.setStops(
            { { 0.0, QColor(5, 8, 18) }, { 0.6, QColor(7, 15, 28) }, { 1.0, QColor(3, 6, 12) } });
    p.fillRect(canvas, sky);
    // A faint cold glow behind the head lifts it off the background.
    QRadialGradient halo(QPointF(150, 150), 240);
    halo.setStops({ { 0.0, QColor(30, 90, 110, 60) }, { 1.0, QColor(30, 90, 110, 0) } });
    p.fillRect(canvas, halo);

    Lcg rng{ 1234 };
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 120; ++i) {
        const QPointF c(rng.range(0, canvas.width()), rng.range(0, canvas.height()));
        const qreal size = rng.range(0.4, 1.3);
        p.setBrush(QColor(190, 215, 255, int(rng.range(30, 150))));
        p.drawEllipse(c, size, size);
    }
    // Drifting mist: round gradients squashed flat so the falloff stays smooth.
    for (int i = 0; i < 16; ++i) {
        const QPointF c(rng.range(-60, canvas.width() + 60), rng.range(190, canvas.height()));
        const qreal radius = rng.range(80, 170);
        const QColor mist(70, 110, 140, int(rng.range(18, 40)));
        QRadialGradient g(QPointF(0, 0), radius);
        g.setStops({ { 0.0, mist }, { 1.0, QColor(70, 110, 140, 0) } });
        p.save();
        p.translate(c);
        p.scale(1.0, rng.range(0.25, 0.45));
        p.setBrush(g);
        p.drawEllipse(QPointF(0, 0), radius, radius);
        p.restore();
    }
}

void drawHorn(QPainter &p, QPainterPath horn, QPointF base, QPointF tip)
{
    horn.closeSubpath();
    QLinearGradient g(base, tip);
    g.setStops({ { 0.0, QColor(26, 36, 38) },
                 { 0.5, QColor(84, 96, 90) },
                 { 1.0, QColor(146, 144, 122) } });
    p.setBrush(g);
    p.setPen(QPen(ink, 2.0));
    p.drawPath(horn);

    // Growth rings: arcs of a circle centred further along the axis, so each bows towards the base.
    p.save();
    p.setClipPath(horn);
    p.setPen(QPen(QColor(10, 16, 18, 150), 1.3));
    const QPointF axis = tip - base;
    const QPointF unit = axis / std::hypot(axis.x(), axis.y());
    const qreal angle = qRadiansToDegrees(std::atan2(-axis.y(), axis.x()));
    const qreal r = 40;
    for (qreal t = 0.1; t < 0.75; t += 0.1) {
        const QPointF c = base + axis * t + unit * r;
        p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), int((angle + 150) * 16), 60 * 16);
    }
    p.restore();
}

void drawSpikes(QPainter &p)
{
    QPainterPath membrane(spine.pointAtPercent(0.04));
    QList<std::pair<QPainterPath, QLinearGradient>> spikes;
    for (qreal t = 0.07; t < 0.97; t += 0.075) {
        const QPointF at = spine.pointAtPercent(t);
        const QPointF n = normalAt(spine, t);
        const QPointF d(-n.y(), n.x());
        const qreal h = 36 - 14 * t;
        const qreal w = 11 - 3 * t;
        const QPointF tip = at + n * h + d * (h * 0.55);
        membrane.lineTo(tip);
        membrane.quadTo(at + d * (h * 0.6) + n * (h * 0.25),
                        spine.pointAtPercent(qMin(t + 0.075, 1.0)));
        QPainterPath spike(at - d * w);
        spike.quadTo(at + n * (h * 0.6) - d * (w * 0.2), tip);
        spike.quadTo(at + n * (h * 0.3) + d * (w * 0.6), at + d * w);
        QLinearGradient g(at, tip);
        g.setStops({ { 0.0, QColor(10, 44, 48) }, { 1.0, QColor(92, 140, 130) } });
        spikes.append({ spike, g });
    }
    // Webbing first so the spikes sit on top of it.
    p.setPen(QPen(QColor(3, 10, 12, 180), 1.0));
    p.setBrush(QColor(12, 46, 52, 170));
    p.drawPath(membrane);
    p.setPen(QPen(ink, 1.6));
    for (const auto &[spike, shade] : spikes) {
        p.setBrush(shade);
        p.drawPath(spike);
    }
}

// How strongly the key light, above and left of the head, falls on a point.
qreal lightAt(qreal x, qreal y)
{
    return std::pow(qBound(0.0, 1.0 - std::hypot(x - 140, y - 120) / 400.0, 1.0), 1.4);
}

void drawScales(QPainter &p)
{
    Lcg rng{ 77 };
    // Bottom rows first so each row overlaps the one below, like shingles.
    int row = 0;
    for (qreal y = 500; y > 90; y -= (5.0 + std::hypot(166.0, y - 172) * 0.03) * 0.48, ++row) {
        for (qreal x = 20 - (row % 2) * 5; x < 480;) {
            const qreal s = 5.0 + std::hypot(x - 34, y - 172) * 0.03;
            const qreal l = qBound(0.0, lightAt(x, y) + rng.range(-0.06, 0.06), 1.0);
            const QColor base = QColor::fromRgbF(0.03 + 0.09 * l, 0.11 + 0.27 * l, 0.14 + 0.23 * l);
            const QPointF c(x + (row % 2) * s * 0.45, y);
            QRadialGradient g(c + QPointF(-s * 0.15, -s * 0.35), s * 0.75);
            // The snout and jaw read as smoother hide than the armoured neck.
            const int relief = x < 180 && y < 225 ? 140 : 240;
            g.setStops({ { 0.0, base.lighter(130) }, { 0.7, base }, { 1.0, base.darker(relief) } });
            p.setBrush(g);
            p.drawEllipse(c, s * 0.62, s * 0.56);
            x += s * 0.92;
        }
    }
}

void drawShading(QPainter &p)
{
    QRadialGradient sheen(QPointF(112, 148), 70);
    sheen.setStops({ { 0.0, QColor(140, 230, 215, 30) }, { 1.0, QColor(140, 230, 215, 0) } });
    p.fillRect(canvas, sheen);
    QLinearGradient fall(150, 150, 430, 480);
    fall.setStops({ { 0.0, QColor(0, 0, 0, 0) }, { 1.0, QColor(0, 4, 8, 210) } });
    p.fillRect(canvas, fall);
    // The lower jaw sits a shade deeper than the muzzle above it.
    QPainterPath jaw = cubics({ 40, 184, 80, 190, 130, 198, 178, 204 });
    jaw.connectPath(cubics({ 186, 236, 150, 226, 110, 214, 80, 204, 60, 198, 44, 192, 40, 184 }));
    p.fillPath(jaw, QColor(0, 6, 10, 80));

    // Shadowed throat with a band of paler belly plates.
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(QColor(0, 6, 10, 120), 60));
    p.drawPath(throat);
    p.setPen(roundPen(QColor(110, 140, 110, 40), 40));
    p.drawPath(throat);
    p.setPen(QPen(QColor(4, 14, 16, 200), 1.6));
    for (qreal t = 0.04; t < 1.0; t += 0.05) {
        const QPointF a = throat.pointAtPercent(t);
        const QPointF n = normalAt(throat, t);
        QPainterPath plate(a - n * 2);
        plate.quadTo(a + n * 10 + QPointF(0, 4), a + n * 22);
        p.drawPath(plate);
    }

    // Cold rim light along the skull and spine.
    p.setPen(roundPen(QColor(130, 235, 225, 60), 5));
    p.drawPath(cubics({ 38, 164, 48, 150, 68, 150, 88, 148, 120, 142, 146, 114, 170, 104 }));
    p.setPen(QPen(QColor(120, 230, 220, 45), 7));
    p.drawPath(spine);

    // A sunken socket gives the eye's glow something to shine out of.
    QRadialGradient socket(QPointF(162, 134), 26);
    socket.setStops({ { 0.0, QColor(0, 0, 0, 150) }, { 1.0, QColor(0, 0, 0, 0) } });
    p.fillRect(canvas, socket);
}

void drawFace(QPainter &p)
{
    QPainterPath mouth = cubics({ 40, 184, 80, 190, 130, 198, 178, 204 });
    mouth.quadTo(184, 206, 186, 212);
    // Ivory fangs, longest at the front, plus one from the lower jaw.
    p.setBrush(QColor(196, 192, 168));
    p.setPen(QPen(QColor(16, 20, 18), 0.9));
    for (qreal t = 0.1; t < 0.8; t += 0.1) {
        const QPointF at = mouth.pointAtPercent(t);
        const qreal len = t < 0.15 ? 12 : 8 - 4 * t;
        p.drawPath(
                quads({ -3, -1, -1, len * 0.6, 1, len, 2, len * 0.4, 3.5, -0.5 }).translated(at));
    }
    p.drawPath(quads({ 50, 190, 52, 180, 55, 174, 56, 182, 57, 191 }));

    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(ink, 2.4));
    p.drawPath(mouth);
    p.drawPath(cubics({ 180, 204, 206, 190, 216, 166, 212, 144 }));
    p.setPen(roundPen(ink, 3.4));
    p.drawPath(quads({ 48, 162, 56, 154, 66, 158 }));
    // Heavy brow ridge with a catch of light along its top edge.
    const QPainterPath brow = cubics({ 128, 132, 144, 120, 170, 114, 200, 118 });
    p.setPen(roundPen(ink, 3.2));
    p.drawPath(brow);
    p.setPen(roundPen(QColor(140, 220, 210, 70), 1.5));
    p.drawPath(brow.translated(0, -3));
    // Fine creases: snout ridge, chin and the folds behind the eye.
    p.setPen(roundPen(QColor(2, 8, 10, 160), 1.4));
    p.drawPath(cubics({ 74, 156, 96, 150, 112, 146, 130, 140 }));
    p.drawPath(quads({ 60, 196, 100, 206, 150, 214 }));
    for (int i = 0; i < 3; ++i)
        p.drawPath(quads({ 188.0 + i * 9, 150.0 + i * 4, 196.0 + i * 9, 164.0 + i * 4,
                           190.0 + i * 8, 180.0 + i * 4 }));

    // The eye: a soft glow, the lit almond, then a slit pupil.
    const QPointF eye(162, 136);
    QRadialGradient glow(eye, 46);
    glow.setStops({ { 0.0, QColor(255, 200, 80, 190) },
                    { 0.3, QColor(255, 170, 50, 80) },
                    { 1.0, QColor(255, 150, 40, 0) } });
    p.fillRect(canvas, glow);
    QRadialGradient iris(eye, 13);
    iris.setStops({ { 0.0, QColor(255, 252, 200) },
                    { 0.55, QColor(255, 196, 60) },
                    { 1.0, QColor(210, 90, 10) } });
    p.setBrush(iris);
    p.setPen(QPen(ink, 1.8));
    p.drawPath(quads({ -14, 3, 0, -10, 15, -5, 2, 8, -14, 3 }).translated(eye));
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
            = cubics({ 172, 112, 196, 62, 238, 26, 290, 12, 254, 34, 228, 72, 216, 118 });
    drawHorn(p, farHorn, QPointF(194, 112), QPointF(290, 12));
    p.fillPath(farHorn, QColor(4, 10, 18, 110));
    drawSpikes(p);

    const QPainterPath body = silhouette();
    p.save();
    p.setClipPath(body);
    p.setPen(Qt::NoPen);
    drawScales(p);
    drawShading(p);
    p.restore();
    p.strokePath(body, QPen(ink, 2.6));

    drawHorn(p, cubics({ 194, 112, 226, 62, 276, 34, 330, 28, 288, 44, 256, 82, 240, 128 }),
             QPointF(214, 120), QPointF(330, 28));
    drawHorn(p, quads({ 184, 220, 218, 228, 254, 250, 218, 242, 190, 240 }), QPointF(186, 230),
             QPointF(254, 250));
    drawFace(p);

    // Vignette keeps the edges quiet behind the form's controls.
    QRadialGradient vignette(QPointF(200, 200), 420);
    vignette.setStops({ { 0.5, QColor(0, 0, 0, 0) }, { 1.0, QColor(0, 0, 0, 150) } });
    p.fillRect(canvas, vignette);
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
    const qreal stroke = qMax(1.5, size / 14.0) / size;
    const QColor blue(52, 130, 235);
    QPainterPath shield = quads({ 0.5, 0.07, 0.68, 0.15, 0.88, 0.13 });
    shield.lineTo(0.88, 0.46);
    shield.cubicTo(0.88, 0.70, 0.70, 0.86, 0.5, 0.95);
    shield.cubicTo(0.30, 0.86, 0.12, 0.70, 0.12, 0.46);
    shield.lineTo(0.12, 0.13);
    shield.quadTo(0.32, 0.15, 0.5, 0.07);
    p.setBrush(QColor(52, 130, 235, 40));
    p.setPen(roundPen(blue, stroke));
    p.drawPath(shield);

    // Three claw rakes; the outer ones shorter and staggered like the marks of a spread paw.
    const QLineF rakes[] = { { 0.46, 0.28, 0.30, 0.60 },
                             { 0.62, 0.28, 0.44, 0.70 },
                             { 0.75, 0.38, 0.59, 0.72 } };
    for (const QLineF &r : rakes) {
        QPainterPath rake(r.p1());
        rake.quadTo(QPointF(r.x2() + 0.13, (r.y1() + r.y2()) / 2), r.p2());
        p.strokePath(rake, roundPen(blue, stroke));
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

    bool ok = save(renderBackground(), out.filePath(QStringLiteral("background.jpg")), "JPG", 85);
    for (const int size : { 16, 32, 48 })
        ok = save(renderIcon(size), out.filePath(QStringLiteral("icon-%1.png").arg(size)), "PNG")
                && ok;
    return ok ? 0 : 1;
}
