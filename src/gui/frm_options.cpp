#include "frm_options.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "dialog_look.h"
#include "live_graph_widget.h"

namespace vrx::gui {

namespace {
constexpr int kSave = 0, kClose = 1;

QString text(const char* s) {
    return QString::fromLatin1(s);
}

QString str(const std::string& s) {
    return QString::fromStdString(s);
}

// The graph's look in small: background, grid and a "Text" label in the text colour.
class GraphPreview : public QWidget {
public:
    explicit GraphPreview(QWidget* parent) : QWidget(parent) {
        setFixedSize(120, 54);
        setAccessibleName(QStringLiteral("Preview of the graph colours"));
    }
    void setColors(std::int32_t back, std::int32_t textColor, std::int32_t grid) {
        m_back = fromBgr(back);
        m_text = fromBgr(textColor);
        m_grid = fromBgr(grid);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), m_back);
        p.setPen(m_grid);
        for (int x = 0; x < width(); x += 12)
            p.drawLine(x, 0, x, height());
        for (int y = 0; y < height(); y += 9)
            p.drawLine(0, y, width(), y);
        p.setPen(m_text);
        p.drawText(rect(), Qt::AlignCenter, QStringLiteral("Text"));
    }

private:
    QColor m_back, m_text, m_grid;
};

QString seriesCaption(Swatch kind, int index) {
    const QString n = QString::number(index + 1);
    switch (kind) {
    case Swatch::Temp:
        return QStringLiteral("Ch ") + n;
    case Swatch::Fan:
        return QStringLiteral("Fan") + n;
    case Swatch::Pump:
        return QStringLiteral("Pump") + n;
    case Swatch::Flow:
        return QStringLiteral("Flow") + n;
    case Swatch::Graph:
        break;
    }
    return {};
}

int seriesCount(Swatch kind) {
    switch (kind) {
    case Swatch::Temp:
        return 10;
    case Swatch::Fan:
        return 6;
    case Swatch::Pump:
    case Swatch::Flow:
        return 2;
    case Swatch::Graph:
        return 3;
    }
    return 0;
}

bool& seriesFlag(OptionValues& v, Swatch kind, int index) {
    const auto i = static_cast<std::size_t>(index);
    switch (kind) {
    case Swatch::Temp:
        return v.tempGraph.at(i);
    case Swatch::Fan:
        return v.fanGraph.at(i);
    case Swatch::Pump:
        return v.pumpGraph.at(i);
    case Swatch::Flow:
    case Swatch::Graph:
        break;
    }
    return v.flowGraph.at(i);
}

bool isEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}
} // namespace

FrmOptions::FrmOptions(QWidget* parent, OptionsEditor& editor, Dialogs& dialogs, bool alwaysOnTop,
                       ScanHandler scan)
    : QDialog(parent), m_editor(editor), m_work(editor), m_dialogs(dialogs), m_scanHandler(std::move(scan)) {
    prepareModalDialog(*this, alwaysOnTop);
    paintSettingsBackground(*this);
    setWindowTitle(text(OptionsEditor::kCaption));

    auto* left = new QVBoxLayout;
    left->addWidget(buildPort());
    left->addWidget(buildStart());
    left->addWidget(buildTemperatures());
    left->addWidget(buildFlow());
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(buildSeries());
    right->addWidget(buildColors());
    right->addWidget(buildGraphChoice());
    right->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 10, 14, 12);
    layout->addLayout(columns);
    layout->addLayout(buildButtons());
    // Hidden rows take no room, so a small board's window is shorter and its buttons higher.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    showBoard();
}

QWidget* FrmOptions::optionRow(const QString& group, const std::vector<std::pair<int, QString>>& codes,
                               int selected, const std::function<void(int)>& store) {
    auto* row = new QWidget(this);
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    auto* buttons = new QButtonGroup(row);
    for (const auto& [code, caption] : codes) {
        auto* b = new QRadioButton(caption, row);
        b->setAccessibleName(group + QStringLiteral(": ") + caption.trimmed());
        b->setChecked(code == selected);
        buttons->addButton(b, code);
        h->addWidget(b);
        m_options[group][code] = b;
    }
    h->addStretch(1);
    connect(buttons, &QButtonGroup::idToggled, this, [store](int id, bool on) {
        if (on) store(id);
    });
    return row;
}

QRadioButton* FrmOptions::option(const QString& group, int code) const {
    return m_options.at(group).at(code);
}

QGroupBox* FrmOptions::buildPort() {
    auto* box = new QGroupBox(QStringLiteral("Port"), this);
    auto* h = new QHBoxLayout(box);
    m_portBox = new QComboBox(box);
    m_portBox->setEditable(true);
    m_portBox->setAccessibleName(QStringLiteral("Port number"));
    m_portBox->lineEdit()->setAccessibleName(QStringLiteral("Port number"));
    m_portBox->view()->setAccessibleName(QStringLiteral("Ports found"));
    m_portBox->setToolTip(QStringLiteral("A port number from 1 to 255; empty to scan every port"));
    m_portBox->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("255  (/dev/ttyUSB31)")) + 40);
    for (const PortEntry& p : m_work.ports())
        m_portBox->addItem(str(p.label), p.number);
    m_portBox->setEditText(str(m_work.values().portText));
    // A chosen list entry puts its number in the box; the device name is only there to see.
    connect(m_portBox, &QComboBox::activated, this, [this](int index) {
        m_portBox->setEditText(QString::number(m_portBox->itemData(index).toInt()));
    });
    connect(m_portBox, &QComboBox::editTextChanged, this,
            [this](const QString& t) { m_work.values().portText = t.toStdString(); });
    m_fixed = new QCheckBox(QStringLiteral("Fixed"), box);
    m_fixed->setAccessibleName(QStringLiteral("Fixed port"));
    m_fixed->setChecked(m_work.values().fixedPort);
    connect(m_fixed, &QCheckBox::toggled, this, [this](bool on) { m_work.values().fixedPort = on; });
    m_portLabel = new QLabel(box);
    m_portLabel->setAccessibleName(QStringLiteral("Port state"));
    m_portLabel->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("Scanning...")));
    m_scan = new QPushButton(box);
    connect(m_scan, &QPushButton::clicked, this, [this] {
        if (!m_scanHandler(m_work)) m_portBox->setFocus(Qt::OtherFocusReason);
    });
    h->addWidget(m_portBox);
    h->addWidget(m_fixed);
    h->addWidget(m_portLabel);
    h->addWidget(m_scan);
    showPortState();
    return box;
}

void FrmOptions::showPortState() {
    m_portLabel->setText(str(m_work.portState()));
    m_scan->setText(str(m_work.scanCaption()));
    m_scan->setAccessibleName(str(m_work.scanCaption()) + QStringLiteral(" (port scan)"));
}

void FrmOptions::showLinkState(const LinkStateView& view) {
    m_work.showLinkState(view);
    if (view.portBox >= 0) m_portBox->setEditText(str(m_work.values().portText));
    showPortState();
}

QGroupBox* FrmOptions::buildStart() {
    OptionValues& v = m_work.values();
    auto* box = new QGroupBox(QStringLiteral("Start"), this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("Window at start"), box), 0, 0);
    grid->addWidget(optionRow(QStringLiteral("OptTray"), {{0, text(" On")}, {1, text("Off")}}, v.trayIndex,
                              [this](int c) { m_work.values().trayIndex = c; }),
                    0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Start at login"), box), 1, 0);
    grid->addWidget(optionRow(QStringLiteral("OptStart"), {{0, text("Off")}, {1, text(" On")}}, v.startIndex,
                              [this](int c) { m_work.values().startIndex = c; }),
                    1, 1);
    m_log = new QCheckBox(QStringLiteral("Debug Log"), box);
    m_memory = new QCheckBox(QStringLiteral("Share Data Memory"), box);
    m_log->setAccessibleName(m_log->text());
    m_memory->setAccessibleName(m_memory->text());
    m_log->setChecked(v.debugLog);
    m_memory->setChecked(v.shareMemory);
    connect(m_log, &QCheckBox::toggled, this, [this](bool on) { m_work.values().debugLog = on; });
    connect(m_memory, &QCheckBox::toggled, this, [this](bool on) { m_work.values().shareMemory = on; });
    grid->addWidget(m_log, 2, 0);
    grid->addWidget(m_memory, 2, 1);
    return box;
}

QGroupBox* FrmOptions::buildTemperatures() {
    auto* box = new QGroupBox(QStringLiteral("Temperatures"), this);
    auto* v = new QVBoxLayout(box);
    v->addWidget(optionRow(QStringLiteral("OptTemp"), {{1, text("Celsius (C)")}, {2, text("Fahrenheit (F)")}},
                           m_work.values().tempUnit, [this](int c) { m_work.values().tempUnit = c; }));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < 10; ++i) {
        OffsetRow& row = m_offsets[static_cast<std::size_t>(i)];
        const QString name = str(m_work.channelName(i));
        row.name = new QLabel(name, box);
        row.edit = new QLineEdit(box);
        row.edit->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("-1000")) + 12);
        row.edit->setAccessibleName(QStringLiteral("Temperature offset of ") + name);
        row.edit->setToolTip(QStringLiteral("Added to the reading: a whole number from -100 to 100"));
        row.edit->installEventFilter(this);
        row.bar = new QScrollBar(Qt::Vertical, box);
        row.bar->setRange(-kOffsetLimit, kOffsetLimit);
        row.bar->setFixedHeight(row.edit->sizeHint().height());
        row.bar->setAccessibleName(QStringLiteral("Adjust the temperature offset of ") + name);
        connect(row.edit, &QLineEdit::textEdited, this, [this, i](const QString& t) {
            m_work.values().offsetText.at(static_cast<std::size_t>(i)) = t.toStdString();
        });
        connect(row.edit, &QLineEdit::editingFinished, this, [this, i] { leaveOffset(i); });
        connect(row.bar, &QScrollBar::valueChanged, this, [this, i](int value) {
            if (m_showing) return;
            m_work.VScroll1_Change(i, value);
            showOffset(i);
        });
        const int r = i % 5, c = (i / 5) * 3;
        grid->addWidget(row.name, r, c);
        grid->addWidget(row.edit, r, c + 1);
        grid->addWidget(row.bar, r, c + 2);
        showOffset(i);
    }
    v->addLayout(grid);
    return box;
}

void FrmOptions::showOffset(int channel) {
    const OffsetRow& row = m_offsets.at(static_cast<std::size_t>(channel));
    m_showing = true;
    row.edit->setText(str(m_work.values().offsetText.at(static_cast<std::size_t>(channel))));
    if (const auto position = m_work.scrollPosition(channel)) row.bar->setValue(*position);
    m_showing = false;
}

void FrmOptions::leaveOffset(int channel) {
    // Save checks every box anyway, and Close discards them: no warning on the way to either.
    QWidget* to = QApplication::focusWidget();
    if (to == button(kSave) || to == button(kClose) || !isVisible()) return;
    if (m_work.TxtOffset_LostFocus(channel, m_dialogs)) {
        showOffset(channel);
        return;
    }
    offsetEdit(channel)->setFocus(Qt::OtherFocusReason);
    offsetEdit(channel)->selectAll();
}

QGroupBox* FrmOptions::buildFlow() {
    OptionValues& v = m_work.values();
    auto* box = new QGroupBox(QStringLiteral("Flowmeter"), this);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(optionRow(QStringLiteral("OptUnit"), {{1, text("LPM")}, {2, text("GPM")}}, v.flowUnit,
                                [this](int c) { m_work.values().flowUnit = c; }));
    for (int m = 0; m < 2; ++m) {
        const auto mi = static_cast<std::size_t>(m);
        const QString suffix = QString::number(m + 1);
        auto* meter = new QWidget(box);
        auto* grid = new QGridLayout(meter);
        grid->setContentsMargins(0, 0, 0, 0);
        grid->addWidget(new QLabel(QStringLiteral("Flow Meter #") + suffix + QStringLiteral(" :"), meter), 0,
                        0);
        grid->addWidget(optionRow(QStringLiteral("OptFlow") + suffix,
                                  {{1, text("ZRT-VX17")}, {2, text("ZRT-VX16")}}, v.flowModel[mi],
                                  [this, mi](int c) { m_work.values().flowModel[mi] = c; }),
                        0, 1);
        grid->addWidget(new QLabel(QStringLiteral("Tubing(I.D.) :"), meter), 1, 0);
        grid->addWidget(
            optionRow(QStringLiteral("OptHose") + suffix,
                      {{1, QStringLiteral("10/13mm (3/8\", 1/2\")")}, {2, QStringLiteral("6mm (1/4\")")}},
                      v.tubeSize[mi], [this, mi](int c) { m_work.values().tubeSize[mi] = c; }),
            1, 1);
        layout->addWidget(meter);
        m_meterRows[mi] = meter;
    }
    return box;
}

QToolButton* FrmOptions::makeSwatch(Swatch kind, int index, const QString& what) {
    auto* b = new QToolButton(this);
    b->setFixedSize(34, 16);
    b->setAccessibleName(what);
    b->setToolTip(QStringLiteral("Choose a colour"));
    connect(b, &QToolButton::clicked, this, [this, kind, index] {
        if (m_work.pickColor(kind, index, m_dialogs)) showSwatch(kind, index);
    });
    return b;
}

void FrmOptions::showSwatch(Swatch kind, int index) {
    QPixmap fill(28, 10);
    fill.fill(fromBgr(m_work.color(kind, index)));
    QToolButton* b = swatch(kind, index);
    b->setIcon(QIcon(fill));
    b->setIconSize(fill.size());
    if (kind == Swatch::Graph) {
        const auto& g = m_work.values().graphColor;
        static_cast<GraphPreview*>(m_preview)->setColors(g[kGraphBack], g[kGraphText], g[kGraphGrid]);
    }
}

QGroupBox* FrmOptions::buildSeries() {
    auto* box = new QGroupBox(QStringLiteral("Series"), this);
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(2);
    int column = 0;
    for (const Swatch kind : {Swatch::Temp, Swatch::Fan, Swatch::Pump, Swatch::Flow}) {
        std::vector<SeriesRow>& rows = m_series[kind];
        const int count = seriesCount(kind);
        for (int i = 0; i < count; ++i) {
            const QString caption = seriesCaption(kind, i);
            SeriesRow row;
            row.check = new QCheckBox(caption, box);
            row.check->setAccessibleName(QStringLiteral("Draw ") + caption + QStringLiteral(" in the graph"));
            row.check->setChecked(seriesFlag(m_work.values(), kind, i));
            connect(row.check, &QCheckBox::toggled, this,
                    [this, kind, i](bool on) { seriesFlag(m_work.values(), kind, i) = on; });
            row.swatch = makeSwatch(kind, i, QStringLiteral("Graph colour of ") + caption);
            rows.push_back(row);
            // Temperatures fill two columns of five; fans one of six; pumps and flows share one.
            const int r = kind == Swatch::Flow ? i + 3 : (kind == Swatch::Temp ? i % 5 : i);
            const int c = kind == Swatch::Temp ? (i / 5) * 2 : column;
            grid->addWidget(row.check, r, c);
            grid->addWidget(row.swatch, r, c + 1);
            showSwatch(kind, i);
        }
        if (kind == Swatch::Temp)
            column = 4;
        else if (kind == Swatch::Fan)
            column = 6;
    }
    return box;
}

QGroupBox* FrmOptions::buildColors() {
    auto* box = new QGroupBox(QStringLiteral("Color"), this);
    auto* h = new QHBoxLayout(box);
    m_preview = new GraphPreview(box);
    auto* grid = new QGridLayout;
    const std::array<QString, 3> names = {QStringLiteral("Background"), QStringLiteral("Text"),
                                          QStringLiteral("Grid")};
    for (int i = 0; i < 3; ++i) {
        const QString& name = names[static_cast<std::size_t>(i)];
        grid->addWidget(new QLabel(name, box), i, 0);
        m_graphSwatches[static_cast<std::size_t>(i)] = makeSwatch(
            Swatch::Graph, i, QStringLiteral("Graph ") + name.toLower() + QStringLiteral(" colour"));
        grid->addWidget(m_graphSwatches[static_cast<std::size_t>(i)], i, 1);
        showSwatch(Swatch::Graph, i);
    }
    h->addLayout(grid);
    h->addWidget(m_preview);
    h->addStretch(1);
    return box;
}

QGroupBox* FrmOptions::buildGraphChoice() {
    OptionValues& v = m_work.values();
    auto* box = new QGroupBox(QStringLiteral("Item"), this);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(optionRow(QStringLiteral("OptCycle"),
                                {{0, text("Auto-cycle ")},
                                 {1, text("Temperature")},
                                 {2, text("Fan")},
                                 {3, text("Pump")},
                                 {4, text("Flowmeter")}},
                                v.cycleMode, [this](int c) { m_work.values().cycleMode = c; }));
    layout->addWidget(new QLabel(text("Time inteval "), box));
    layout->addWidget(
        optionRow(QStringLiteral("OptSec"),
                  {{0, text("5sec")}, {1, text("10sec")}, {2, text("20 sec")}, {3, text("30 sec")}},
                  v.cycleTimeIndex, [this](int c) { m_work.values().cycleTimeIndex = c; }));
    return box;
}

QLayout* FrmOptions::buildButtons() {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (const int index : {kSave, kClose}) {
        const QString caption = text(index == kSave ? " Save" : " Close");
        auto* b = new QPushButton(caption, this);
        b->setAccessibleName(caption.trimmed());
        b->setMinimumWidth(80);
        b->setAutoDefault(false);
        b->installEventFilter(this);
        row->addWidget(b);
        m_buttons[static_cast<std::size_t>(index)] = b;
    }
    connect(button(kSave), &QPushButton::clicked, this, &FrmOptions::save);
    connect(button(kClose), &QPushButton::clicked, this, &QDialog::reject);
    return row;
}

QCheckBox* FrmOptions::seriesBox(Swatch kind, int index) const {
    return m_series.at(kind).at(static_cast<std::size_t>(index)).check;
}

QToolButton* FrmOptions::swatch(Swatch kind, int index) const {
    if (kind == Swatch::Graph) return m_graphSwatches.at(static_cast<std::size_t>(index));
    return m_series.at(kind).at(static_cast<std::size_t>(index)).swatch;
}

void FrmOptions::showBoard() {
    const auto showSeries = [this](Swatch kind, int shown) {
        for (int i = 0; i < seriesCount(kind); ++i) {
            seriesBox(kind, i)->setVisible(i < shown);
            swatch(kind, i)->setVisible(i < shown);
        }
    };
    showSeries(Swatch::Temp, m_work.tempRows());
    showSeries(Swatch::Fan, m_work.fanRows());
    showSeries(Swatch::Pump, m_work.deviceRows());
    showSeries(Swatch::Flow, m_work.deviceRows());
    for (int i = 0; i < 10; ++i) {
        const OffsetRow& row = m_offsets.at(static_cast<std::size_t>(i));
        for (QWidget* w : {static_cast<QWidget*>(row.name), static_cast<QWidget*>(row.edit),
                           static_cast<QWidget*>(row.bar)})
            w->setVisible(i < m_work.tempRows());
    }
    m_meterRows[1]->setVisible(m_work.deviceRows() > 1);
}

void FrmOptions::save() {
    if (const std::optional<RefusedField> bad = m_work.checkFields(m_dialogs)) {
        QWidget* field = bad->field == OptionField::Offset ? static_cast<QWidget*>(offsetEdit(bad->index))
                                                           : static_cast<QWidget*>(m_portBox);
        field->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_editor = m_work;
    accept();
}

bool FrmOptions::eventFilter(QObject* watched, QEvent* event) {
    for (int i = 0; i < 10; ++i) {
        if (watched != offsetEdit(i)) continue;
        if (event->type() == QEvent::MouseButtonDblClick) {
            m_work.TxtOffset_DblClick(i);
            showOffset(i);
            return true;
        }
        if (event->type() != QEvent::KeyPress) break;
        const auto* key = static_cast<QKeyEvent*>(event);
        // Enter goes on to the next control; Left goes back to the previous box.
        if (isEnter(key)) {
            focusNextChild();
            return true;
        }
        if (key->key() == Qt::Key_Left && i > 0) {
            offsetEdit(i - 1)->setFocus(Qt::BacktabFocusReason);
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress && (watched == button(kSave) || watched == button(kClose))) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right) {
            button(key->key() == Qt::Key_Left ? kSave : kClose)->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vrx::gui
