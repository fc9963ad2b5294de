#include "frm_down.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

namespace vrx::gui {

namespace {
QString text(const char* s) {
    return QString::fromLatin1(s);
}
} // namespace

FrmDown::FrmDown(QWidget* parent, ShutdownSettings& editor, bool alwaysOnTop, Dialogs& dialogs)
    : LimitDialog(parent, dialogs, alwaysOnTop), m_editor(editor), m_work(editor) {
    setWindowTitle(text(ShutdownSettings::kCaption));

    QGroupBox* temps = buildTemperature(text(ShutdownSettings::kLabTitle[0]), QStringLiteral("212"));
    QGroupBox* pumps =
        buildDevices(LimitKind::Pump, text(ShutdownSettings::kLabTitle[1]),
                     {text(ShutdownSettings::kChkPump[0]), text(ShutdownSettings::kChkPump[1])},
                     text(ShutdownSettings::kRpm));
    QGroupBox* flows =
        buildDevices(LimitKind::Flow, text(ShutdownSettings::kLabTitle[2]),
                     {text(ShutdownSettings::kChkFlow[0]), text(ShutdownSettings::kChkFlow[1])},
                     QString::fromStdString(m_work.flowUnit()));
    auto* devices = new QHBoxLayout;
    devices->addWidget(pumps, 1);
    devices->addWidget(flows, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 10, 14, 12);
    layout->addWidget(temps);
    layout->addLayout(devices);
    layout->addWidget(buildAction());
    layout->addSpacing(4);
    layout->addLayout(buildButtons());
    // Hidden rows take no room, so a small board's window is shorter.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    showBoard();
    refresh();
    slider(0)->setFocus();
}

QGroupBox* FrmDown::buildAction() {
    auto* box = new QGroupBox(text(ShutdownSettings::kFramAction), this);
    auto* row = new QHBoxLayout(box);
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        auto* b = new QRadioButton(text(ShutdownSettings::kOptPower[static_cast<std::size_t>(i)]), box);
        b->setAccessibleName(b->text());
        group->addButton(b, i);
        row->addWidget(b);
        m_options[static_cast<std::size_t>(i)] = b;
    }
    optPower(m_work.action())->setChecked(true);
    connect(group, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) m_work.setAction(id);
    });
    row->addStretch(1);

    auto* delayLabel = new QLabel(text(ShutdownSettings::kDelay), box);
    m_delay = new QComboBox(box);
    for (const std::string& item : ShutdownSettings::delayItems())
        m_delay->addItem(QString::fromStdString(item));
    m_delay->setCurrentIndex(m_work.delayIndex());
    m_delay->setAccessibleName(QStringLiteral("Delay in seconds"));
    delayLabel->setBuddy(m_delay);
    connect(m_delay, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_work.setDelayIndex(index); });
    row->addWidget(delayLabel);
    row->addWidget(m_delay);
    row->addWidget(new QLabel(text(ShutdownSettings::kSec), box));
    return box;
}

QString FrmDown::valueText(int channel) const {
    return QString::fromStdString(m_work.limitLabel(channel));
}

void FrmDown::addChannelExtras(QGridLayout* grid, int row, int column, int channel) {
    auto* mark = new QLabel(QString::fromStdString(m_work.unitLabel()), grid->parentWidget());
    grid->addWidget(mark, row, column);
    addToRow(channel, mark);
    m_marks[static_cast<std::size_t>(channel)] = mark;
}

} // namespace vrx::gui
