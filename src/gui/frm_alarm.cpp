#include "frm_alarm.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace vrx::gui {

namespace {
QString text(const char* s) {
    return QString::fromLatin1(s);
}
} // namespace

FrmAlarm::FrmAlarm(QWidget* parent, AlarmSettings& editor, bool alwaysOnTop, Dialogs& dialogs,
                   AlarmSound& sound)
    : LimitDialog(parent, dialogs, alwaysOnTop), m_editor(editor), m_work(editor), m_sound(sound) {
    setWindowTitle(text(AlarmSettings::kCaption));

    auto* modes = new QHBoxLayout;
    auto* modeGroup = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        auto* b = new QRadioButton(text(AlarmSettings::kOptAlarm[static_cast<std::size_t>(i)]), this);
        b->setAccessibleName(b->text());
        modeGroup->addButton(b, i);
        modes->addWidget(b);
        m_options[static_cast<std::size_t>(i)] = b;
    }
    modes->addStretch(1);
    optAlarm(m_work.silent() ? 0 : 1)->setChecked(true);
    connect(modeGroup, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) m_work.setSilent(id == 0);
    });

    QGroupBox* temps = buildTemperature(text(AlarmSettings::kLabTitle[0]), QStringLiteral("210   F"));
    // The first slider pages by 1 C: it is the one used to fine-tune a group.
    slider(0)->setPageStep(1);
    const QString flowUnit = QString::fromStdString(m_work.flowUnit());
    QGroupBox* flows = buildDevices(
        LimitKind::Flow, text(AlarmSettings::kLabTitle[1]),
        {QString::fromStdString(m_work.flowName(0)), QString::fromStdString(m_work.flowName(1))}, flowUnit);
    QGroupBox* pumps =
        buildDevices(LimitKind::Pump, text(AlarmSettings::kLabTitle[2]),
                     {QString::fromStdString(m_work.pumpName(0)), QString::fromStdString(m_work.pumpName(1))},
                     text(AlarmSettings::kRpm));
    auto* devices = new QHBoxLayout;
    devices->addWidget(pumps, 1);
    devices->addWidget(flows, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 10, 14, 12);
    layout->addLayout(modes);
    layout->addWidget(temps);
    layout->addLayout(devices);
    layout->addSpacing(4);
    layout->addLayout(buildButtons());
    // Hidden rows take no room, so a small board's window is shorter and its buttons higher.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    showBoard();
    refresh();
    slider(0)->setFocus();
}

QString FrmAlarm::valueText(int channel) const {
    return QString::fromStdString(m_work.limitLabel(channel));
}

void FrmAlarm::addChannelExtras(QGridLayout* grid, int row, int column, int channel) {
    QWidget* box = grid->parentWidget();
    const QString name = QString::fromStdString(m_work.channelName(channel));
    SoundRow& s = m_sounds[static_cast<std::size_t>(channel)];
    s.file = new QToolButton(box);
    s.file->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    s.file->setAccessibleName(QStringLiteral("Choose the alarm sound of ") + name);
    s.file->setToolTip(QStringLiteral("Choose a sound file (*.wav)"));
    connect(s.file, &QToolButton::clicked, this, [this, channel] {
        if (m_work.ImgFile_Click(channel, dialogs(), m_sound)) showSound(channel);
    });
    s.name = new QLabel(box);
    s.name->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("alarm-sound-01.wav")));
    s.name->setAccessibleName(QStringLiteral("Alarm sound of ") + name);
    s.name->setFocusPolicy(Qt::StrongFocus);
    s.name->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(s.name, &QWidget::customContextMenuRequested, this, [this, channel](const QPoint& pos) {
        showClearMenu(channel, soundRow(channel).name->mapToGlobal(pos));
    });
    s.play = new QToolButton(box);
    s.play->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    s.play->setAccessibleName(QStringLiteral("Play the alarm sound of ") + name);
    s.play->setToolTip(QStringLiteral("Play the sound once"));
    connect(s.play, &QToolButton::clicked, this, [this, channel] { m_work.ImgWav_Click(channel, m_sound); });
    grid->addWidget(s.file, row, column);
    grid->addWidget(s.name, row, column + 1);
    grid->addWidget(s.play, row, column + 2);
    for (QWidget* w :
         {static_cast<QWidget*>(s.file), static_cast<QWidget*>(s.name), static_cast<QWidget*>(s.play)})
        addToRow(channel, w);
    showSound(channel);
}

void FrmAlarm::showSound(int channel) {
    const SoundRow& s = soundRow(channel);
    s.name->setText(QString::fromStdString(m_work.soundTitle(channel)));
    s.name->setToolTip(QString::fromStdString(m_work.soundTip(channel)));
    s.play->setEnabled(!m_work.soundPath(channel).empty());
}

// The sound menu: "Clear" takes the channel's sound file away.
void FrmAlarm::showClearMenu(int channel, const QPoint& where) {
    QMenu menu(this);
    QAction* clear = menu.addAction(text(AlarmSettings::kClearItem));
    connect(clear, &QAction::triggered, this, [this, channel] {
        m_work.mnu_clear(channel);
        showSound(channel);
    });
    menu.exec(where);
}

} // namespace vrx::gui
