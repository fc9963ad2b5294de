#include "frm_auto.h"

#include "dialog_look.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "auto_curve_plot.h"

namespace vrx::gui {

namespace {
constexpr int kSave = 0, kClose = 1;
constexpr int kChannelsPerRow = 5;
} // namespace

FrmAuto::FrmAuto(QWidget* parent, AutoEditor& editor, bool alwaysOnTop)
    : QDialog(parent), m_editor(editor), m_work(editor) {
    setWindowTitle(QString::fromStdString(m_work.caption()));
    prepareModalDialog(*this, alwaysOnTop);

    auto* channelBox = new QGroupBox(this);
    channelBox->setAccessibleName(QStringLiteral("Temperature channel"));
    auto* channelGrid = new QGridLayout(channelBox);
    auto* group = new QButtonGroup(this);
    for (int c = 0; c < kTempChannels; ++c) {
        const QString name = QStringLiteral("CH. %1").arg(c + 1);
        auto* b = new QRadioButton(name, channelBox);
        b->setAccessibleName(name);
        b->setEnabled(m_work.channelEnabled(c));
        b->setVisible(m_work.channelVisible(c));
        b->setChecked(c == m_work.channel());
        group->addButton(b, c);
        channelGrid->addWidget(b, c / kChannelsPerRow, c % kChannelsPerRow);
        m_channels[static_cast<std::size_t>(c)] = b;
    }
    connect(group, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) m_work.setChannel(id);
    });

    m_noHysteresis = new QCheckBox(QStringLiteral("Disable hysteresis"), this);
    m_noHysteresis->setAccessibleName(m_noHysteresis->text());
    m_noHysteresis->setChecked(m_work.noHysteresis());
    connect(m_noHysteresis, &QCheckBox::toggled, this, [this](bool on) { m_work.setNoHysteresis(on); });

    m_plot = new AutoCurvePlot(m_work, this);

    auto* row = new QHBoxLayout;
    row->addWidget(m_noHysteresis);
    row->addStretch(1);
    for (const int index : {kSave, kClose}) {
        const QString text = QString::fromLatin1(index == kSave ? " Save" : " Close");
        auto* b = new QPushButton(text, this);
        b->setAccessibleName(text.trimmed());
        b->setMinimumWidth(80);
        row->addWidget(b);
        m_buttons[static_cast<std::size_t>(index)] = b;
    }
    connect(button(kSave), &QPushButton::clicked, this, &FrmAuto::save);
    connect(button(kClose), &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addWidget(channelBox);
    layout->addWidget(m_plot);
    layout->addLayout(row);
    // Hidden channels take no room, so a small board's window is shorter.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    button(kSave)->setFocus();
}

void FrmAuto::save() {
    m_editor = m_work;
    accept();
}

} // namespace vrx::gui
