#include "pump_chart.h"

#include <QPainter>

#include "live_graph_widget.h"
#include "measure/flow.h"
#include "text/format.h"

namespace vrx::gui {
namespace {

constexpr int kWidthTwips = 6750, kHeightTwips = 6500;
constexpr int kTwipsPerPixel = 15;
constexpr double kOrigin = 900; // every chart coordinate is shifted by this much

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

double xLevel(int level) {
    return kOrigin + 300.0 * level;
}
double yRpm(double rpm) {
    return kOrigin + 3600 - 0.66 * rpm;
}
double yFlow(double lpm) {
    return kOrigin + 3600 - 160 * lpm;
}

void text(QPainter& p, double x, double y, const QString& s) {
    // Text is placed by its top-left corner, as on the original picture.
    p.drawText(QPointF(x, y + p.fontMetrics().ascent()), s);
}

} // namespace

PumpChart::PumpChart(const PumpTestChart& chart, const Settings& settings, QWidget* parent)
    : QWidget(parent), m_chart(chart), m_settings(settings) {
    setAccessibleName("Pump characteristics chart");
    setFixedSize(sizeHint());
}

QSize PumpChart::sizeHint() const {
    return {kWidthTwips / kTwipsPerPixel, kHeightTwips / kTwipsPerPixel};
}

void PumpChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
    QFont font = p.font();
    font.setPointSizeF(8.0 * kTwipsPerPixel); // 8 points once the painter's scale applies
    p.setFont(font);
    drawGrid(p);
    drawTitle(p);
    drawAxisTexts(p);
    drawCurves(p);
    if (m_chart.resultsInPicture) drawResults(p);
}

void PumpChart::drawGrid(QPainter& p) const {
    p.setPen(QPen(QColor(0xE0, 0xE0, 0xE0), 0));
    for (int i = 0; i <= 16; ++i)
        p.drawLine(QPointF(900 + 300 * i, 901), QPointF(900 + 300 * i, 4500));
    for (int k = 0; k <= 18; ++k)
        p.drawLine(QPointF(901, 900 + 200 * k), QPointF(5700, 900 + 200 * k));
}

void PumpChart::drawTitle(QPainter& p) const {
    p.save();
    QFont title = p.font();
    title.setFamily("Arial");
    title.setBold(true);
    title.setPointSizeF(11.0 * kTwipsPerPixel);
    p.setFont(title);
    p.setPen(QColor(0x40, 0x40, 0x40));
    text(p, 2200, 200, "Pump Characteristics");
    p.restore();
}

void PumpChart::drawAxisTexts(QPainter& p) const {
    p.setPen(QColor(0x80, 0x80, 0x80));
    text(p, 900, 600, QString("Pump (RPM)") + QString(53, ' ') + "Flowmeter (LPM/GPM)");
    for (int i = 0; i <= 8; ++i) {
        const double lpm = 22.5 - 2.5 * i;
        text(p, i == 8 ? 580 : 450, 800 + 400 * i, QString::fromStdString(formatWhole(5400 - 600 * i)));
        text(p, 5780, 800 + 400 * i,
             QString::fromStdString(formatFixed(lpm, i < 8 ? 1 : 2) + "/" +
                                    formatFixed(lpm / kLitresPerGallon, 2)));
    }
    for (int n = 0; n <= 15; ++n) {
        const QString label = n == 15 ? QString("15(Level)") : QString::number(n);
        text(p, n < 10 ? 900 + 298 * n : 850 + 300 * n, 4500, label);
    }
}

void PumpChart::drawCurves(QPainter& p) const {
    const int pairs = testPairs(m_settings.sys.BoardType);
    for (int level = kTestLevels; level >= m_chart.drawnFrom && level >= 1; --level) {
        const int next = level == kTestLevels ? level : level + 1;
        for (int k = 0; k < pairs; ++k) {
            const auto& rpm = m_chart.TestRpm[at(k)];
            const auto& flow = m_chart.TestFlow[at(k)];
            p.setPen(QPen(fromBgr(m_settings.pump.PumpColor[at(k)]), 30));
            p.drawLine(QPointF(xLevel(level), yRpm(rpm[at(level)])),
                       QPointF(xLevel(next), yRpm(rpm[at(level + 1)])));
            p.setPen(QPen(fromBgr(m_settings.pump.FlowColor[at(k)]), 30));
            p.drawLine(QPointF(xLevel(level), yFlow(flow[at(level)])),
                       QPointF(xLevel(next), yFlow(flow[at(level + 1)])));
        }
    }
    if (m_chart.drawnFrom > kTestLevels) return;
    p.setPen(fromBgr(m_settings.pump.PumpColor[0]));
    text(p, 5220, 4300 - 0.66 * m_chart.TestRpm[0][kTestLevels], "P1");
    p.setPen(fromBgr(m_settings.pump.FlowColor[0]));
    text(p, 5460, 4300 - 160 * m_chart.TestFlow[0][kTestLevels], "F1");
    if (m_chart.drawnFrom != 1 || pairs != 2) return;
    p.setPen(fromBgr(m_settings.pump.PumpColor[1]));
    text(p, 950, 4300 - 0.66 * m_chart.TestRpm[1][1], "P2");
    p.setPen(fromBgr(m_settings.pump.FlowColor[1]));
    text(p, 1190, 4300 - 160 * m_chart.TestFlow[1][1], "F2");
}

void PumpChart::drawResults(QPainter& p) const {
    p.setPen(QColor(0x80, 0x80, 0x80));
    const int pairs = testPairs(m_settings.sys.BoardType);
    for (int k = 0; k < pairs; ++k) {
        const int dx = 3000 * k;
        QFont bold = p.font();
        bold.setBold(true);
        p.save();
        p.setFont(bold);
        text(p, 600 + dx, 4800, k == 0 ? "[Main]" : "[Secondary]");
        p.restore();
        const QString gap(k == 0 ? 5 : 14, ' ');
        auto lab = [](const std::string& s) { return QString::fromStdString(s); };
        text(p, 700 + dx, 5100, "Pump     High  :" + gap + lab(m_chart.LabPump[at(2 * k)]));
        text(p, 1300 + dx, 5300, "Low  :" + gap + lab(m_chart.LabPump[at(2 * k + 1)]));
        text(p, 700 + dx, 5600, "Flowmeter");
        text(p, 1100 + dx, 5800, "Tubing(I.D.) :" + QString(5, ' ') + lab(m_chart.LabTub[at(k)]));
        text(p, 1100 + dx, 6000, "High  :   " + lab(m_chart.LabFlow[at(2 * k)]));
        text(p, 1100 + dx, 6200, "Low  :    " + lab(m_chart.LabFlow[at(2 * k + 1)]));
    }
}

} // namespace vrx::gui
