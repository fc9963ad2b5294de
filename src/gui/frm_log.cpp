#include "frm_log.h"

#include "dialog_look.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace vrx::gui {

namespace {
constexpr int kRecord = 0, kStop = 1, kClose = 2;
constexpr int kCheckMs = 1000;
constexpr int kBoxesPerRow = 5;

const char* frameTitle(LogGroup group) {
    switch (group) {
    case LogGroup::Temp:
        return "Temperature";
    case LogGroup::Fan:
        return "Fan";
    case LogGroup::Pump:
        return "Pump";
    case LogGroup::Flow:
        break;
    }
    return "Flowmeter ";
}

QString channelCaption(LogGroup group, int index) {
    const int n = index + 1;
    switch (group) {
    case LogGroup::Temp:
        return QStringLiteral("CH.%1").arg(n);
    case LogGroup::Fan:
        return QStringLiteral("Fan%1").arg(n);
    case LogGroup::Pump:
        return QStringLiteral("Pump%1").arg(n);
    case LogGroup::Flow:
        break;
    }
    return QStringLiteral("Flow%1").arg(n);
}
} // namespace

FrmLog::FrmLog(QWidget* parent, LogSettings& model, bool alwaysOnTop) : QDialog(parent), m_model(model) {
    setWindowTitle(QStringLiteral(" Log"));
    prepareModalDialog(*this, alwaysOnTop);
    m_model.mFirstSetup();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addLayout(buildFileRow());
    for (const LogGroup group : kLogGroups) layout->addWidget(buildFrame(group));
    layout->addWidget(buildChoices());
    layout->addLayout(buildButtons());
    // The layout shrinks the dialog to the boxes a small board shows.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_check = new QTimer(this);
    m_check->setInterval(kCheckMs);
    connect(m_check, &QTimer::timeout, this, [this] {
        m_model.TimCheck_Timer();
        showControls();
    });
    fill();
    button(m_model.controls().record ? kRecord : kStop)->setFocus();
}

QLayout* FrmLog::buildFileRow() {
    auto* row = new QHBoxLayout;
    auto* title = new QLabel(QStringLiteral("Log File Name"), this);
    m_path = new QLineEdit(this);
    m_path->setReadOnly(true);
    m_path->setMinimumWidth(320);
    m_path->setAccessibleName(QStringLiteral("Log File Name"));
    title->setBuddy(m_path);
    m_folder = new QToolButton(this);
    m_folder->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    m_folder->setAccessibleName(QStringLiteral("Choose log file"));
    m_folder->setToolTip(QStringLiteral("Log File Name"));
    connect(m_folder, &QToolButton::clicked, this, [this] {
        if (m_model.mPickLogFile()) m_path->setText(QString::fromStdString(m_model.TxtPath()));
    });
    row->addWidget(title);
    row->addWidget(m_path, 1);
    row->addWidget(m_folder);
    return row;
}

QGroupBox* FrmLog::buildFrame(LogGroup group) {
    const auto g = static_cast<std::size_t>(group);
    auto* frame = new QGroupBox(QString::fromLatin1(frameTitle(group)), this);
    auto* grid = new QGridLayout(frame);
    for (int i = 0; i < logGroupSize(group); ++i) {
        auto* box = new QCheckBox(channelCaption(group, i), frame);
        box->setAccessibleName(QString::fromLatin1(frameTitle(group)).trimmed() + QLatin1Char(' ') +
                               channelCaption(group, i));
        connect(box, &QCheckBox::toggled, this, [this, group, i](bool on) { m_model.setChannel(group, i, on); });
        grid->addWidget(box, i / kBoxesPerRow, i % kBoxesPerRow);
        m_channels[g].push_back(box);
    }
    m_frames[g] = frame;
    return frame;
}

QWidget* FrmLog::buildChoices() {
    auto* frame = new QGroupBox(this);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(new QLabel(QStringLiteral("Active Recording"), frame), 0, 0, 1, 2);
    auto* continuousLabel = new QLabel(QStringLiteral("Continuous Recording"), frame);
    m_continuous = new QCheckBox(QStringLiteral("Yes"), frame);
    m_continuous->setAccessibleName(QStringLiteral("Continuous Recording"));
    continuousLabel->setBuddy(m_continuous);
    connect(m_continuous, &QCheckBox::toggled, this, [this](bool on) { m_model.setContinuous(on); });
    auto* intervalLabel = new QLabel(QStringLiteral("Interval"), frame);
    m_period = new QComboBox(frame);
    m_period->addItems({QStringLiteral("1 min"), QStringLiteral("10 min"), QStringLiteral("30 min"),
                        QStringLiteral("1 hour")});
    m_period->setAccessibleName(QStringLiteral("Interval"));
    intervalLabel->setBuddy(m_period);
    connect(m_period, &QComboBox::activated, this, [this](int index) { m_model.setPeriodIndex(index); });
    grid->addWidget(continuousLabel, 1, 0);
    grid->addWidget(m_continuous, 1, 1);
    grid->addWidget(intervalLabel, 2, 0);
    grid->addWidget(m_period, 2, 1);
    return frame;
}

QLayout* FrmLog::buildButtons() {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (const int index : {kRecord, kStop, kClose}) {
        const char* text = index == kRecord ? " Record" : index == kStop ? " Stop" : " Close";
        auto* b = new QPushButton(QString::fromLatin1(text), this);
        b->setAccessibleName(QString::fromLatin1(text).trimmed());
        b->setAutoDefault(false);
        b->setMinimumWidth(80);
        b->installEventFilter(this);
        row->addWidget(b);
        m_buttons[static_cast<std::size_t>(index)] = b;
    }
    connect(button(kRecord), &QPushButton::clicked, this, [this] {
        if (m_model.record()) m_check->start();
        m_path->setText(QString::fromStdString(m_model.TxtPath()));
        showControls();
    });
    connect(button(kStop), &QPushButton::clicked, this, [this] {
        m_model.stop();
        m_check->stop();
        showControls();
    });
    connect(button(kClose), &QPushButton::clicked, this, &QDialog::reject);
    return row;
}

QCheckBox* FrmLog::channelBox(LogGroup group, int index) const {
    return m_channels.at(static_cast<std::size_t>(group)).at(static_cast<std::size_t>(index));
}

void FrmLog::fill() {
    m_path->setText(QString::fromStdString(m_model.TxtPath()));
    m_period->setCurrentIndex(m_model.periodIndex());
    m_continuous->setChecked(m_model.continuous());
    for (const LogGroup group : kLogGroups) {
        for (int i = 0; i < logGroupSize(group); ++i) {
            QCheckBox* box = channelBox(group, i);
            // Filling must not write back: a hidden box keeps its stored value.
            const QSignalBlocker quiet(box);
            box->setChecked(m_model.channel(group, i));
            box->setVisible(m_model.channelShown(group, i));
        }
    }
    showControls();
}

void FrmLog::showControls() {
    const LogControls& c = m_model.controls();
    button(kRecord)->setEnabled(c.record);
    button(kStop)->setEnabled(c.stop);
    for (QGroupBox* frame : m_frames) frame->setEnabled(c.channels);
    m_period->setEnabled(c.periodList);
    m_folder->setEnabled(c.folderButton);
    if (!m_model.checkTimer()) m_check->stop();
}

bool FrmLog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Left && key != Qt::Key_Right) return QDialog::eventFilter(watched, event);
    const int step = key == Qt::Key_Left ? -1 : 1;
    for (int index = 0; index < 3; ++index) {
        if (watched != button(index)) continue;
        for (int to = index + step; to >= 0 && to < 3; to += step) {
            if (!button(to)->isEnabled()) continue;
            button(to)->setFocus(Qt::TabFocusReason);
            break;
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vrx::gui
