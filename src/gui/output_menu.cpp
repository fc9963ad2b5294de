#include "output_menu.h"

#include <algorithm>

namespace vrx::gui {
namespace {

bool isFan(OutputKind kind) {
    return kind == OutputKind::Fan;
}

int unitOfItem(const OutputMenu& model, int item) {
    const auto it = std::find(model.itemOfUnit.begin(), model.itemOfUnit.end(), item);
    return it == model.itemOfUnit.end() ? -1 : static_cast<int>(it - model.itemOfUnit.begin());
}

} // namespace

OutputPopupMenu::OutputPopupMenu(OutputKind kind, QWidget* parent) : QMenu(parent), m_kind(kind) {
    setObjectName(isFan(kind) ? "TopFanMnu" : "TopPumpMnu");
    setAccessibleName(isFan(kind) ? "Fan menu" : "Pump menu");
    const int units = entryCount(kind);
    for (int u = 0; u < units; ++u) {
        auto* sub = new QMenu(this);
        // The group's submenu comes after the units' in the naming: Fanmnu7, Pumpmnu3.
        sub->setObjectName(QString(isFan(kind) ? "Fanmnu%1" : "Pumpmnu%1").arg(u == 0 ? units : u));
        m_submenus.push_back(sub);
    }
}

void OutputPopupMenu::setModel(const OutputMenu& model) {
    clear(); // the submenus' own actions survive: only the items this menu owns go
    const QString itemName = isFan(m_kind) ? "FanMenu" : "PumpMenu";
    for (std::size_t i = 0; i < model.items.size(); ++i) {
        const QString caption = QString::fromStdString(model.items[i]);
        const int unit = unitOfItem(model, static_cast<int>(i));
        QAction* action = nullptr;
        if (caption.isEmpty()) {
            action = addSeparator();
        } else if (unit >= 0) {
            QMenu* sub = submenu(unit);
            sub->setTitle(caption);
            sub->setAccessibleName(caption);
            fillSubmenu(unit, model.submenus.at(static_cast<std::size_t>(unit)));
            action = addMenu(sub);
        } else {
            // A command of its own (the pump test): unit -1 with its top item's index.
            action = addAction(caption);
            connect(action, &QAction::triggered, this, [this, i] { emit itemChosen(m_kind, -1, static_cast<int>(i)); });
        }
        action->setObjectName(itemName);
        action->setProperty("index", static_cast<int>(i));
        action->setVisible(model.visible.at(i));
        action->setEnabled(model.enabled.at(i));
    }
}

void OutputPopupMenu::fillSubmenu(int unit, const LevelSubmenu& model) {
    QMenu* sub = submenu(unit);
    sub->clear();
    // An empty caption is a separator, unless no item follows it (pumps have no "Disable").
    int last = kSubmenuItems - 1;
    while (last >= 0 && model.captions[static_cast<std::size_t>(last)].empty())
        --last;
    for (int i = 0; i <= last; ++i) {
        const std::string& caption = model.captions[static_cast<std::size_t>(i)];
        if (caption.empty()) {
            sub->addSeparator();
            continue;
        }
        QAction* action = sub->addAction(QString::fromStdString(caption));
        action->setObjectName(sub->objectName());
        action->setProperty("index", i);
        // "Adjust" opens a dialog; it is a command, never a mode that could be checked.
        action->setCheckable(i != kLevelAdjust);
        action->setChecked(i == model.checked);
        connect(action, &QAction::triggered, this, [this, unit, i] { emit itemChosen(m_kind, unit, i); });
    }
}

} // namespace vrx::gui
