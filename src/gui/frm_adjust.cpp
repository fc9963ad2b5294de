#include "frm_adjust.h"

#include "dialog_look.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace vrx::gui {

namespace {
constexpr int kClose = 0, kSave = 1, kDefault = 2;
constexpr int kPageStep = 5;

bool isEnter(const QKeyEvent* key) {
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}
} // namespace

FrmAdjust::FrmAdjust(QWidget* parent, PowerAdjust& editor, bool alwaysOnTop)
    : QDialog(parent), m_editor(editor), m_work(editor) {
    setWindowTitle(QString::fromStdString(m_work.caption()));
    prepareModalDialog(*this, alwaysOnTop);
    paintSettingsBackground(*this);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setColumnStretch(1, 1);
    // Wide enough for the longest value text, so the labels never shift while a slider moves.
    const int valueWidth = fontMetrics().horizontalAdvance(QStringLiteral("(12.73V)")) + 6;
    for (int n = 1; n <= kLevels; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        const QString name = QStringLiteral("Level %1").arg(n);
        auto* caption = new QLabel(name, this);
        auto* slider = new QSlider(Qt::Horizontal, this);
        slider->setRange(1, m_work.sliderMax());
        slider->setSingleStep(1);
        slider->setPageStep(kPageStep);
        slider->setMinimumWidth(260);
        slider->setAccessibleName(name);
        slider->installEventFilter(this);
        caption->setBuddy(slider);
        auto* value = new QLabel(this);
        value->setMinimumWidth(valueWidth);
        value->setAccessibleName(name + QStringLiteral(" value"));
        connect(slider, &QSlider::valueChanged, this, [this, n](int v) {
            m_work.setValue(n, v);
            m_values[static_cast<std::size_t>(n - 1)]->setText(QString::fromStdString(m_work.valueLabel(n)));
        });
        grid->addWidget(caption, n - 1, 0);
        grid->addWidget(slider, n - 1, 1);
        grid->addWidget(value, n - 1, 2);
        m_sliders[i] = slider;
        m_values[i] = value;
    }

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (const int index : {kDefault, kSave, kClose}) {
        const char* text = index == kDefault ? " Default" : index == kSave ? " Save" : " Close";
        auto* b = new QPushButton(QString::fromLatin1(text), this);
        b->setAccessibleName(QString::fromLatin1(text).trimmed());
        b->setMinimumWidth(80);
        b->installEventFilter(this);
        row->addWidget(b);
        m_buttons[static_cast<std::size_t>(index)] = b;
    }
    connect(button(kDefault), &QPushButton::clicked, this, [this] {
        m_work.mDefault();
        showValues();
    });
    connect(button(kSave), &QPushButton::clicked, this, &FrmAdjust::save);
    connect(button(kClose), &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    showValues();
    slider(1)->setFocus();
}

void FrmAdjust::showValues() {
    for (int n = 1; n <= kLevels; ++n) {
        slider(n)->setValue(m_work.value(n));
        valueLabel(n)->setText(QString::fromStdString(m_work.valueLabel(n)));
    }
}

void FrmAdjust::save() {
    m_editor = m_work;
    accept();
}

bool FrmAdjust::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    for (int n = 1; n <= kLevels; ++n) {
        if (watched != slider(n) || !isEnter(key)) continue;
        QWidget* next = n < kLevels ? static_cast<QWidget*>(slider(n + 1)) : button(kSave);
        next->setFocus(Qt::TabFocusReason);
        return true;
    }
    // On screen the buttons run Default, Save, Close: Left goes to the next higher index.
    for (int index = 0; index < 3; ++index) {
        if (watched != button(index)) continue;
        const int to = key->key() == Qt::Key_Left ? index + 1 : key->key() == Qt::Key_Right ? index - 1 : -2;
        if (to == -2) break;
        if (to >= 0 && to <= kDefault) button(to)->setFocus(Qt::TabFocusReason);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vrx::gui
