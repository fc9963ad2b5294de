#include "limit_dialog.h"

#include "dialog_look.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <stdexcept>

#include "safety/channel_sliders.h"

namespace vrx::gui {

namespace {
const QColor kDot(0x52, 0x7A, 0xB9);
constexpr int kSave = 0, kClose = 1;
constexpr int kPageStep = 5;

bool isEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

QLabel* dotLabel(QWidget* parent) {
    QPixmap dot(8, 8);
    dot.fill(Qt::transparent);
    QPainter p(&dot);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kDot);
    p.drawEllipse(0, 0, 8, 8);
    auto* label = new QLabel(parent);
    label->setPixmap(dot);
    return label;
}
} // namespace

LimitDialog::LimitDialog(QWidget* parent, Dialogs& dialogs, bool alwaysOnTop)
    : QDialog(parent), m_dialogs(dialogs) {
    prepareModalDialog(*this, alwaysOnTop);
    paintSettingsBackground(*this);
}

std::size_t LimitDialog::at(int channel) {
    if (channel < 0 || channel >= kLimitChannels) throw std::out_of_range("LimitDialog: no such channel");
    return static_cast<std::size_t>(channel);
}

const LimitDialog::DeviceRow& LimitDialog::device(LimitField f) const {
    const auto& rows = f.kind == LimitKind::Pump ? m_pumps : m_flows;
    return rows.at(static_cast<std::size_t>(f.unit));
}

QGroupBox* LimitDialog::buildTemperature(const QString& title, const QString& widestValue) {
    auto* box = new QGroupBox(title, this);
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(2, 1);

    m_all = new QCheckBox(QStringLiteral("All"), box);
    m_all->setAccessibleName(QStringLiteral("All channels"));
    connect(m_all, &QCheckBox::clicked, this, [this](bool on) {
        work().ChkChAll_Click(on);
        refresh();
    });
    m_groupButton = new QToolButton(box);
    m_groupButton->setText(QStringLiteral("Group"));
    m_groupButton->setAccessibleName(QStringLiteral("Slider group"));
    m_groupButton->setToolTip(QStringLiteral("Move all sliders together (also: right click on a slider)"));
    connect(m_groupButton, &QToolButton::clicked, this,
            [this] { showGroupMenu(m_groupButton->mapToGlobal(QPoint(0, m_groupButton->height()))); });
    grid->addWidget(m_all, 0, 1);
    grid->addWidget(m_groupButton, 0, 2, Qt::AlignLeft);

    const int valueWidth = fontMetrics().horizontalAdvance(widestValue) + 6;
    for (int c = 0; c < kLimitChannels; ++c) {
        ChannelRow& row = m_rows[at(c)];
        const QString name = QString::fromStdString(work().channelName(c));
        row.check = new QCheckBox(name, box);
        row.check->setAccessibleName(name);
        connect(row.check, &QCheckBox::toggled, this, [this, c](bool on) {
            if (!m_refreshing) work().setChannelOn(c, on);
        });
        row.slider = new QSlider(Qt::Horizontal, box);
        row.slider->setRange(0, work().sliderMax());
        row.slider->setSingleStep(1);
        row.slider->setPageStep(kPageStep);
        row.slider->setMinimumWidth(220);
        row.slider->setAccessibleName(name + QStringLiteral(" limit"));
        row.slider->setContextMenuPolicy(Qt::CustomContextMenu);
        row.slider->installEventFilter(this);
        connect(row.slider, &QSlider::valueChanged, this, [this, c](int v) {
            if (m_refreshing) return;
            scroll(c, v);
            refresh();
        });
        connect(row.slider, &QWidget::customContextMenuRequested, this,
                [this, c](const QPoint& pos) { showGroupMenu(slider(c)->mapToGlobal(pos)); });
        row.value = new QLabel(box);
        row.value->setMinimumWidth(valueWidth);
        row.value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.value->setAccessibleName(name + QStringLiteral(" limit value"));
        QLabel* dot = dotLabel(box);
        const int r = c + 1;
        grid->addWidget(dot, r, 0);
        grid->addWidget(row.check, r, 1);
        grid->addWidget(row.slider, r, 2);
        grid->addWidget(row.value, r, 3);
        row.widgets = {dot, row.check, row.slider, row.value};
        addChannelExtras(grid, r, 4, c);
    }
    return box;
}

void LimitDialog::addToRow(int channel, QWidget* w) {
    m_rows[at(channel)].widgets.push_back(w);
}

QGroupBox* LimitDialog::buildDevices(LimitKind kind, const QString& title,
                                     const std::array<QString, 2>& captions, const QString& unit) {
    auto* box = new QGroupBox(title, this);
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(8);
    auto& rows = kind == LimitKind::Pump ? m_pumps : m_flows;
    for (int j = 0; j < kLimitDevices; ++j) {
        const LimitField f{kind, j};
        DeviceRow& row = rows[static_cast<std::size_t>(j)];
        const QString& caption = captions[static_cast<std::size_t>(j)];
        row.check = new QCheckBox(caption, box);
        row.check->setAccessibleName(caption);
        row.check->setChecked(work().limits().box(f).on);
        connect(row.check, &QCheckBox::toggled, this, [this, f](bool on) { work().limits().box(f).on = on; });
        row.edit = new QLineEdit(QString::fromStdString(work().limits().box(f).text), box);
        row.edit->setAccessibleName(caption + QStringLiteral(" limit"));
        row.edit->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00,000.0")) + 16);
        row.edit->setAlignment(Qt::AlignRight);
        row.edit->installEventFilter(this);
        connect(row.edit, &QLineEdit::textChanged, this,
                [this, f](const QString& text) { work().limits().box(f).text = text.toStdString(); });
        row.unit = new QLabel(unit, box);
        grid->addWidget(row.check, j, 0);
        grid->addWidget(row.edit, j, 1);
        grid->addWidget(row.unit, j, 2);
    }
    grid->setColumnStretch(0, 1);
    return box;
}

QHBoxLayout* LimitDialog::buildButtons() {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (const int index : {kSave, kClose}) {
        const QString text = QString::fromLatin1(index == kSave ? " Save" : " Close");
        auto* b = new QPushButton(text, this);
        b->setAccessibleName(text.trimmed());
        b->setMinimumWidth(80);
        b->installEventFilter(this);
        row->addWidget(b);
        m_buttons[static_cast<std::size_t>(index)] = b;
    }
    connect(button(kSave), &QPushButton::clicked, this, &LimitDialog::save);
    connect(button(kClose), &QPushButton::clicked, this, &QDialog::reject);
    return row;
}

void LimitDialog::showBoard() {
    for (int c = 0; c < kLimitChannels; ++c)
        for (QWidget* w : m_rows[at(c)].widgets)
            w->setVisible(c < work().channels());
    for (int j = 0; j < kLimitDevices; ++j)
        for (const LimitKind kind : {LimitKind::Pump, LimitKind::Flow}) {
            const DeviceRow& row = device({kind, j});
            for (QWidget* w : {static_cast<QWidget*>(row.check), static_cast<QWidget*>(row.edit),
                               static_cast<QWidget*>(row.unit)})
                w->setVisible(j < work().devices());
        }
}

void LimitDialog::refresh() {
    m_refreshing = true;
    for (int c = 0; c < kLimitChannels; ++c) {
        const ChannelRow& row = m_rows[at(c)];
        row.check->setChecked(work().channelOn(c));
        row.slider->setValue(work().limit(c));
        row.value->setText(valueText(c));
    }
    m_refreshing = false;
}

void LimitDialog::showGroupMenu(const QPoint& where) {
    if (!m_groupMenu) {
        m_groupMenu = new QMenu(this);
        auto* group = new QActionGroup(m_groupMenu);
        for (int i = 0; i < static_cast<int>(kGroupMenuItems.size()); ++i) {
            QAction* a =
                m_groupMenu->addAction(QString::fromLatin1(kGroupMenuItems[static_cast<std::size_t>(i)]));
            a->setCheckable(true);
            group->addAction(a);
            connect(a, &QAction::triggered, this, [this, i] {
                work().mnu_group(i);
                original().mnu_group(i);
            });
        }
    }
    const QList<QAction*> items = m_groupMenu->actions();
    for (int i = 0; i < items.size(); ++i)
        items[i]->setChecked(i == work().sliderGroup());
    m_groupMenu->exec(where);
    // Group moves are measured from where the sliders stand now.
    work().takeReferences();
}

void LimitDialog::save() {
    if (const std::optional<LimitField> bad = work().checkLimits(m_dialogs)) {
        limitEdit(*bad)->setFocus(Qt::OtherFocusReason);
        limitEdit(*bad)->selectAll();
        return;
    }
    commit();
    accept();
}

QWidget* LimitDialog::nextAfterSlider(int channel) {
    if (channel + 1 < work().channels()) return slider(channel + 1);
    return limitEdit({LimitKind::Pump, 0});
}

QWidget* LimitDialog::nextAfterEdit(LimitField f) {
    if (f.unit + 1 < work().devices()) return limitEdit({f.kind, f.unit + 1});
    if (f.kind == LimitKind::Pump) return limitEdit({LimitKind::Flow, 0});
    return button(kSave);
}

bool LimitDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool shift = key->modifiers() & Qt::ShiftModifier;
    QWidget* next = nullptr;
    bool field = false;
    for (int c = 0; c < kLimitChannels && !field; ++c)
        if (watched == slider(c)) {
            field = true;
            next = nextAfterSlider(c);
        }
    for (int j = 0; j < kLimitDevices && !field; ++j)
        for (const LimitKind kind : {LimitKind::Pump, LimitKind::Flow})
            if (watched == limitEdit({kind, j})) {
                field = true;
                next = nextAfterEdit({kind, j});
            }
    // Enter goes on to the next field; it never saves from a field, with or without Shift.
    if (field && isEnter(key)) {
        if (!shift) next->setFocus(Qt::TabFocusReason);
        return true;
    }
    const bool onButton = watched == button(kSave) || watched == button(kClose);
    if (onButton && (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right)) {
        button(key->key() == Qt::Key_Left ? kSave : kClose)->setFocus(Qt::TabFocusReason);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vrx::gui
