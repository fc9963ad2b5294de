// FrmMain's alarm looks: label colours and red bars of the channels in alarm, grey rows without a
// sensor, and the speaker image that tells silent mode from alarm mode.
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "frm_main.h"

namespace vrx::gui {
namespace {

// The alarm colour is a clear red rather than a dark one: dark red is unreadable on the dark art.
const QColor kAlarmText(255, 72, 72);
const QColor kNormalText(255, 255, 255);

// Called for every channel at every check: only a real change touches the label, so an idle
// window does not restyle and repaint its readings each second.
void setTextColor(QLabel* label, const QColor& color) {
    if (label->palette().color(QPalette::WindowText) == color) return;
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

// A speaker; with sound waves in alarm mode, crossed out in silent mode.
QPixmap speakerPixmap(bool silent) {
    constexpr int kSize = 32;
    QPixmap pm(kSize, kSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(223, 231, 239);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    QPainterPath body;
    body.moveTo(3, 12);
    body.lineTo(9, 12);
    body.lineTo(17, 5);
    body.lineTo(17, 27);
    body.lineTo(9, 20);
    body.lineTo(3, 20);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(Qt::NoBrush);
    if (silent) {
        p.setPen(QPen(kAlarmText, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(21, 11), QPointF(29, 21));
        p.drawLine(QPointF(29, 11), QPointF(21, 21));
    } else {
        p.setPen(QPen(ink, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(12, 10, 10, 12), -50 * 16, 100 * 16);
        p.drawArc(QRectF(11, 5, 18, 22), -55 * 16, 110 * 16);
    }
    return pm;
}

} // namespace

void FrmMain::buildAlarmModeImage() {
    m_imgMode = new QLabel(this);
    m_imgMode->setAccessibleName("Alarm sound mode");
    m_imgMode->setScaledContents(true);
    m_imgMode->setStyleSheet("QLabel { background: transparent; }");
    setAlarmModeImage(false);
}

void FrmMain::setAlarmModeImage(bool silent) {
    m_imgMode->setPixmap(speakerPixmap(silent));
    m_imgMode->setToolTip(silent ? "Silent Mode" : "Alarm Mode");
}

void FrmMain::setTempLook(int channel, AlarmLook look) {
    QColor color = kNormalText;
    if (look == AlarmLook::Alarm) color = kAlarmText;
    if (look == AlarmLook::NoSensor) color = palette().color(QPalette::Disabled, QPalette::WindowText);
    setTextColor(tempLabel(channel), color);
    tempBar(channel)->setAlarm(look == AlarmLook::Alarm);
}

void FrmMain::setPumpAlarm(int pump, bool alarm) {
    setTextColor(pumpLabel(pump), alarm ? kAlarmText : kNormalText);
}

void FrmMain::setFlowAlarm(int flow, bool alarm) {
    setTextColor(flowLabel(flow), alarm ? kAlarmText : kNormalText);
}

} // namespace vrx::gui
