#include "board_art.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "main_layout.h"
#include "twips.h"

namespace vrx::gui {
namespace {

void drawPanel(QPainter& p, const QRectF& r, const QString& caption, int captionPx) {
    QPainterPath path;
    path.addRoundedRect(r, 8, 8);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(38, 46, 56));
    g.setColorAt(1, QColor(27, 33, 40));
    p.fillPath(path, g);
    p.setPen(QPen(QColor(62, 74, 88), 1));
    p.drawPath(path);
    QFont f = p.font();
    f.setPixelSize(captionPx);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(120, 170, 215));
    p.drawText(r.adjusted(10, 3, -10, 0), Qt::AlignLeft | Qt::AlignTop, caption);
}

} // namespace

QPixmap drawBoardArt(const FormLayout& l) {
    const int tpp = l.twipsPerPixel;
    QPixmap pix(l.widthPx(), l.heightPx());
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, 0, pix.height());
    bg.setColorAt(0, QColor(30, 36, 44));
    bg.setColorAt(1, QColor(16, 19, 24));
    p.fillRect(pix.rect(), bg);

    // Header band with the program's name; the command buttons sit right of it.
    const MainLayoutRects r = computeMainLayout(l);
    const int headerPx = twipsToPixels(r.header.height(), tpp);
    QLinearGradient hb(0, 0, 0, headerPx);
    hb.setColorAt(0, QColor(44, 84, 124));
    hb.setColorAt(1, QColor(26, 44, 64));
    p.fillRect(QRect(0, 0, pix.width(), headerPx), hb);
    p.setPen(QColor(90, 140, 190));
    p.drawLine(0, headerPx, pix.width(), headerPx);
    QFont title = p.font();
    title.setPixelSize(twipsToPixels(420, tpp));
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(230, 238, 246));
    p.drawText(QRect(twipsToPixels(300, tpp), 0, pix.width(), headerPx), Qt::AlignVCenter, "VRX");

    const int captionPx = twipsToPixels(165, tpp);
    auto px = [tpp](const QRect& tw) { return QRectF(twipsRect(tw.x(), tw.y(), tw.width(), tw.height(), tpp)); };
    drawPanel(p, px(r.tempPanel), "TEMPERATURES", captionPx);
    drawPanel(p, px(r.graphPanel), "", captionPx);
    drawPanel(p, px(r.devicePanel), "FANS  ·  PUMPS  ·  FLOW", captionPx);
    return pix;
}

} // namespace vrx::gui
