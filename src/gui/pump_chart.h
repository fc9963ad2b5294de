#pragma once
// The chart of the pump characteristics window: grid, axis texts, the speed and flow curves of
// each pump/flow-meter pair and, after a completed test, the result texts. Laid out in twips.
#include <QWidget>

#include "pumptest/pump_test_chart.h"
#include "settings/settings_record.h"

namespace vrx::gui {

class PumpChart : public QWidget {
    Q_OBJECT
public:
    PumpChart(const PumpTestChart& chart, const Settings& settings, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawGrid(QPainter& p) const;
    void drawTitle(QPainter& p) const;
    void drawAxisTexts(QPainter& p) const;
    void drawCurves(QPainter& p) const;
    void drawResults(QPainter& p) const;

    const PumpTestChart& m_chart;
    const Settings& m_settings;
};

} // namespace vrx::gui
