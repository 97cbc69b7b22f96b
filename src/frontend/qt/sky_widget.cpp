#include "frontend/qt/sky_widget.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace orvant {

namespace {

constexpr int kMargin = 18;
constexpr double kMarkRadius = 6;

// The point of the sky on a disc of radius `r` around `centre` (screen y grows downwards).
QPointF onDisc(const SkyPoint& p, QPointF centre, double r) {
    return {centre.x() + p.x * r, centre.y() - p.y * r};
}

double discRadius(const QWidget& w) {
    return std::min(w.width(), w.height()) / 2.0 - kMargin;
}

// Whether two marks (or their absence) paint alike on a disc of radius `r` pixels.
bool paintAlike(const std::optional<SkyPoint>& a, const std::optional<SkyPoint>& b, double r) {
    if (a.has_value() != b.has_value()) return false;
    return !a || std::hypot(a->x - b->x, a->y - b->y) * r < 1;
}

void drawGrid(QPainter& painter, QPointF centre, double r) {
    painter.setPen(QPen(painter.pen().color(), 1, Qt::DotLine));
    for (double elevation : {0.0, 30.0, 60.0}) {
        const double ring = r * (90 - elevation) / 90;
        painter.drawEllipse(centre, ring, ring);
    }
    painter.drawLine(QPointF(centre.x() - r, centre.y()), QPointF(centre.x() + r, centre.y()));
    painter.drawLine(QPointF(centre.x(), centre.y() - r), QPointF(centre.x(), centre.y() + r));
    painter.setPen(QPen(painter.pen().color(), 1, Qt::SolidLine));
    const QFontMetrics metrics = painter.fontMetrics();
    const double half = metrics.height() / 2.0;
    painter.drawText(QPointF(centre.x() - metrics.horizontalAdvance("N") / 2.0, centre.y() - r - 4),
                     "N");
    painter.drawText(QPointF(centre.x() - metrics.horizontalAdvance("S") / 2.0,
                             centre.y() + r + metrics.ascent() + 2),
                     "S");
    painter.drawText(QPointF(centre.x() + r + 4, centre.y() + half / 2), "E");
    painter.drawText(
        QPointF(centre.x() - r - 4 - metrics.horizontalAdvance("W"), centre.y() + half / 2), "W");
}

}  // namespace

SkyWidget::SkyWidget() {
    setObjectName("skyView");
    setMinimumSize(200, 200);
    setToolTip(
        "The sky: north up, the horizon at the rim; the pass, the satellite (dot) and "
        "where the antennas point (ring)");
}

void SkyWidget::show(const SkyPicture& picture) {
    const double r = discRadius(*this);
    if (isVisible() && picture.track == picture_.track && picture.state == picture_.state &&
        paintAlike(picture.satellite, picture_.satellite, r) &&
        paintAlike(picture.antennas, picture_.antennas, r))
        return;
    picture_ = picture;
    update();
}

void SkyWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(palette().color(QPalette::WindowText));
    const double r = discRadius(*this);
    const QPointF centre(width() / 2.0, height() / 2.0);
    drawGrid(painter, centre, r);
    if (!picture_.track.empty()) {
        QPainterPath path(onDisc(picture_.track.front(), centre, r));
        for (const SkyPoint& p : picture_.track) path.lineTo(onDisc(p, centre, r));
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawPath(path);
    }
    if (picture_.satellite) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(Qt::red));
        painter.drawEllipse(onDisc(*picture_.satellite, centre, r), kMarkRadius, kMarkRadius);
    }
    if (picture_.antennas) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(0, 160, 0), 2));
        painter.drawEllipse(onDisc(*picture_.antennas, centre, r), kMarkRadius + 3,
                            kMarkRadius + 3);
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QPointF(4, painter.fontMetrics().ascent() + 2),
                     QString::fromStdString(picture_.state));
}

}  // namespace orvant
