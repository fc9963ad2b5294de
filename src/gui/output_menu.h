#pragma once
#include <QMenu>
#include <vector>

#include "outputs/output_menus.h"

namespace vrx::gui {

// The fan or pump menu: the units, each with its submenu of modes and levels. It is refilled
// from the core's model before every popup, so it shows exactly what is stored.
class OutputPopupMenu : public QMenu {
    Q_OBJECT
public:
    explicit OutputPopupMenu(OutputKind kind, QWidget* parent = nullptr);
    void setModel(const OutputMenu& model);
    OutputKind kind() const { return m_kind; }
    // Submenu of unit u (0 = the whole group).
    QMenu* submenu(int unit) const { return m_submenus.at(static_cast<std::size_t>(unit)); }

signals:
    void itemChosen(vrx::OutputKind kind, int unit, int item);

private:
    void fillSubmenu(int unit, const LevelSubmenu& model);

    OutputKind m_kind;
    std::vector<QMenu*> m_submenus; // by unit
};

} // namespace vrx::gui
