#pragma once
#include <QAbstractButton>

namespace vrx::gui {

// A small drawn button of the command row in the header, in the look of the window buttons; the
// buttons that open a menu carry a down-arrow. It takes the keyboard focus.
class CommandButton : public QAbstractButton {
    Q_OBJECT
public:
    enum class Glyph { Options, Fans, Pumps, Alarm, Shutdown, Record, Viewer };
    CommandButton(Glyph glyph, bool opensMenu, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {27, 20}; }
    // Drawn pressed while its menu is open.
    void setMenuOpen(bool open);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    Glyph m_glyph;
    bool m_opensMenu;
    bool m_hover = false;
    bool m_menuOpen = false;
};

} // namespace vrx::gui
