#pragma once
#include <QColor>
#include <QWidget>

namespace vrx::gui {

// A horizontal bar gauge: a value out of a maximum, in one of two display styles.
class BarGauge : public QWidget {
    Q_OBJECT
public:
    explicit BarGauge(QWidget* parent = nullptr);
    void setValue(int value);
    int value() const { return m_value; }
    void setMaximum(int maximum);
    int maximum() const { return m_maximum; }
    // 1 = solid fill, 2 = segmented fill.
    void setDisplayStyle(int style);
    int displayStyle() const { return m_style; }
    void setColor(const QColor& color);
    // An alarm fills the bar in red, whatever its colour.
    void setAlarm(bool alarm);
    bool alarm() const { return m_alarm; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_value = 0;
    int m_maximum = 100;
    int m_style = 1;
    bool m_alarm = false;
    QColor m_color{64, 170, 230};
};

} // namespace vrx::gui
