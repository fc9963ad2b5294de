#pragma once
#include <QAbstractButton>

namespace vrx::gui {

// The flat round buttons of the borderless window (hide, exit).
class WindowButton : public QAbstractButton {
    Q_OBJECT
public:
    enum class Glyph { Hide, Close };
    WindowButton(Glyph glyph, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {20, 20}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    Glyph m_glyph;
    bool m_hover = false;
};

} // namespace vrx::gui
