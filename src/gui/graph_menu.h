#pragma once
#include <QMenu>
#include <array>

#include "recording/live_graph.h"

namespace vrx::gui {

// The live graph's menu: "Auto-cycle" with its four periods, then the four groups.
class GraphMenu : public QMenu {
    Q_OBJECT
public:
    explicit GraphMenu(QWidget* parent = nullptr);
    void setChecks(const GraphMenuChecks& checks);
    QAction* groupAction(int group) const { return m_group.at(static_cast<std::size_t>(group)); }
    QAction* timeAction(int index) const { return m_time.at(static_cast<std::size_t>(index)); }

signals:
    void groupChosen(int group);
    void timeChosen(int timeIndex);

private:
    std::array<QAction*, 5> m_group{}; // 1..4
    std::array<QAction*, 4> m_time{};
};

} // namespace vrx::gui
