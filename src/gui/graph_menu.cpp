#include "graph_menu.h"

namespace vrx::gui {

GraphMenu::GraphMenu(QWidget* parent) : QMenu("TopCycle", parent) {
    QMenu* cycle = addMenu("Auto-cycle");
    const char* times[] = {"5 sec", "10 sec", "20 sec", "30 sec"};
    for (int t = 0; t < 4; ++t) {
        QAction* a = cycle->addAction(times[t]);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, t] { emit timeChosen(t); });
        m_time[static_cast<std::size_t>(t)] = a;
    }
    const char* groups[] = {"", "Temperature", "Fan", "Pump", "Flow Meter"};
    for (int g = 1; g <= 4; ++g) {
        QAction* a = addAction(groups[g]);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, g] { emit groupChosen(g); });
        m_group[static_cast<std::size_t>(g)] = a;
    }
}

void GraphMenu::setChecks(const GraphMenuChecks& checks) {
    for (int g = 1; g <= 4; ++g) m_group[static_cast<std::size_t>(g)]->setChecked(checks.group[static_cast<std::size_t>(g)]);
    for (int t = 0; t < 4; ++t) m_time[static_cast<std::size_t>(t)]->setChecked(checks.time[static_cast<std::size_t>(t)]);
}

} // namespace vrx::gui
