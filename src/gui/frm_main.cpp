#include "frm_main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QScreen>
#include <QWindow>

#include "app/name_boxes.h"
#include "art_underlay.h"
#include "board_art.h"
#include "twips.h"

namespace vrx::gui {
namespace {

void setTextIfChanged(QLabel* label, const std::string& text) {
    const QString value = QString::fromStdString(text);
    if (label->text() != value) label->setText(value);
}

const char* kNameStyle = "QLineEdit { background: transparent; border: none; color: #dfe7ef; padding: 0; }"
                         "QLineEdit:focus { background: #2b3643; border: 1px solid #4d7fae; border-radius: 3px; }";
const char* kValueStyle = "QLabel { color: #f2f6fa; background: transparent; }";

} // namespace

FrmMain::FrmMain(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setWindowTitle("VRX");
    setAttribute(Qt::WA_DeleteOnClose, false);
    m_tpp = screenTwipsPerPixel();
    m_layout.twipsPerPixel = m_tpp;
    buildControls();
    for (MainTimer t : {MainTimer::Scan, MainTimer::Com, MainTimer::View, MainTimer::ShutDown, MainTimer::Graph,
                        MainTimer::Log}) {
        auto* timer = new QTimer(this);
        timer->setInterval(t == MainTimer::Scan ? 1500 : 1000);
        m_timers[t] = timer;
    }
    resize(m_layout.widthPx(), m_layout.heightPx());
}

QLabel* FrmMain::makeLabel(Qt::Alignment align) {
    auto* label = new QLabel(this);
    label->setAlignment(align | Qt::AlignVCenter);
    label->setStyleSheet(kValueStyle);
    return label;
}

// A reading that changes every second: a plain palette (no style sheet to resolve at each paint)
// and the art under it drawn by the label itself.
QLabel* FrmMain::makeReading() {
    auto* label = new QLabel(this);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    m_underlay->attach(label);
    return label;
}

void FrmMain::buildControls() {
    for (int i = 0; i < kNameBoxes; ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QString("txtTname_%1").arg(i));
        box->setAccessibleName(QString::fromStdString(nameBoxPurpose(i)));
        box->setStyleSheet(kNameStyle);
        // A longer name would not fit the recording's fixed columns.
        box->setMaxLength(nameBoxLimit(i));
        box->installEventFilter(this); // Enter, Up, Down and leaving the box go to the core
        m_txtTname[static_cast<std::size_t>(i)] = box;
    }
    m_underlay = new ArtUnderlay(m_art, *this);
    for (auto& l : m_labTemp) l = makeReading();
    for (auto& b : m_tempBars) {
        b = new BarGauge(this);
        m_underlay->attach(b);
        b->setMaximum(160);
        b->setColor(QColor(230, 120, 60));
    }
    for (auto& m : m_marks) {
        m = new QWidget(this);
        m->setAttribute(Qt::WA_StyledBackground);
        m->hide();
    }
    m_graph = new LiveGraphWidget(this);
    m_graphMenu = new GraphMenu(this);
    connect(m_graph, &LiveGraphWidget::menuRequested, this, &FrmMain::popupGraphMenu);
    for (auto& l : m_labGhp) {
        l = makeLabel(Qt::AlignRight);
        l->setCursor(Qt::PointingHandCursor);
        l->installEventFilter(this); // a click on the scale opens the graph menu
    }
    m_labGhp[0]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (auto& l : m_labFan) l = makeReading();
    for (auto& b : m_fanBars) {
        b = new BarGauge(this);
        m_underlay->attach(b);
        b->setMaximum(100);
        b->setColor(QColor(70, 170, 230));
    }
    for (auto& l : m_labPump) l = makeReading();
    for (auto& b : m_pumpBars) {
        b = new BarGauge(this);
        m_underlay->attach(b);
        b->setMaximum(32);
        b->setColor(QColor(90, 200, 140));
    }
    for (auto& l : m_labLPM) l = makeReading();
    m_labVRX = makeLabel(Qt::AlignLeft);
    m_labVRX->setStyleSheet("QLabel { color: #8fa3b8; background: transparent; }");
    m_labPort = makeLabel(Qt::AlignRight);
    m_labPort->setStyleSheet("QLabel { color: #e8f0f8; background: transparent; font-weight: bold; }");
    m_imgAct = makeLabel(Qt::AlignCenter);
    m_imgAct->setText(QString::fromUtf8("\u25CF"));
    m_imgAct->setStyleSheet("QLabel { color: #e04848; background: transparent; }");
    buildAlarmModeImage();
    m_hideButton = new WindowButton(WindowButton::Glyph::Hide, this);
    m_hideButton->setToolTip("Hide to the tray");
    m_hideButton->setAccessibleName("Hide to the notification area");
    m_exitButton = new WindowButton(WindowButton::Glyph::Close, this);
    m_exitButton->setToolTip("Exit");
    m_exitButton->setAccessibleName("Exit");
    connect(m_hideButton, &QAbstractButton::clicked, this, [this] {
        if (onHideRequested) onHideRequested();
        else hideWindow();
    });
    connect(m_exitButton, &QAbstractButton::clicked, this, [this] {
        if (onExitRequested) onExitRequested();
    });
    buildCommandRow();
    // The window opens with the keyboard on the first command button rather than in a name box,
    // where Shift and a letter would be typed instead of reaching the window's shortcuts.
    commandButton(kOptionsButton)->setFocus(Qt::OtherFocusReason);
}

void FrmMain::setTimerHandler(MainTimer timer, std::function<void()> handler) {
    connect(m_timers.at(timer), &QTimer::timeout, this, std::move(handler));
}

ScreenInfo FrmMain::screen() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    const QSize size = s ? s->geometry().size() : QSize(1280, 1024);
    return {size.width() * m_tpp, size.height() * m_tpp, m_tpp};
}

void FrmMain::moveToTwips(int left, int top) { move(twipsToPixels(left, m_tpp), twipsToPixels(top, m_tpp)); }
void FrmMain::setWidthTwips(int width) { resize(twipsToPixels(width, m_tpp), height()); }
int FrmMain::leftTwips() const { return x() * m_tpp; }
int FrmMain::topTwips() const { return y() * m_tpp; }
int FrmMain::widthTwips() const { return width() * m_tpp; }
int FrmMain::heightTwips() const { return height() * m_tpp; }

void FrmMain::applyLayout(const FormLayout& layout) {
    m_layout = layout;
    m_tpp = layout.twipsPerPixel;
    m_art = drawBoardArt(layout);
    setFixedSize(layout.widthPx(), layout.heightPx());
    // Rounded corners: the window is cut to a rounded rectangle.
    const int corner = layout.cornerPx;
    QRegion region(0, 0, layout.widthPx(), layout.heightPx());
    QRegion shape = QRegion(corner / 2, 0, layout.widthPx() - corner, layout.heightPx())
                        .united(QRegion(0, corner / 2, layout.widthPx(), layout.heightPx() - corner));
    for (const QPoint& c : {QPoint(0, 0), QPoint(layout.widthPx() - corner, 0), QPoint(0, layout.heightPx() - corner),
                            QPoint(layout.widthPx() - corner, layout.heightPx() - corner)})
        shape = shape.united(QRegion(c.x(), c.y(), corner, corner, QRegion::Ellipse));
    setMask(shape.intersected(region));
    placeControls();
    update();
}

void FrmMain::placeControls() {
    const FormLayout& l = m_layout;
    const int tpp = m_tpp;
    const MainLayoutRects r = computeMainLayout(l);
    auto px = [tpp](const QRect& tw) { return twipsRect(tw.x(), tw.y(), tw.width(), tw.height(), tpp); };
    QFont valueFont = font();
    valueFont.setPixelSize(twipsToPixels(l.fullBoardRows ? 180 : 195, tpp));
    QFont small = valueFont;
    small.setPixelSize(std::max(8, twipsToPixels(150, tpp)));

    for (int i = 0; i < 10; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const bool shown = i < 5 || l.fullBoardRows;
        m_txtTname[k]->setGeometry(px(r.temps[k].name));
        m_tempBars[k]->setGeometry(px(r.temps[k].bar));
        m_labTemp[k]->setGeometry(px(r.temps[k].value));
        m_marks[k]->setGeometry(px(r.temps[k].mark));
        for (QWidget* w : {static_cast<QWidget*>(m_txtTname[k]), static_cast<QWidget*>(m_tempBars[k]),
                           static_cast<QWidget*>(m_labTemp[k])}) {
            w->setFont(valueFont);
            w->setVisible(shown);
        }
    }

    auto hideAll = [](auto& widgets) {
        for (QWidget* w : widgets) w->setVisible(false);
    };
    hideAll(m_labFan);
    hideAll(m_fanBars);
    hideAll(m_labPump);
    hideAll(m_pumpBars);
    hideAll(m_labLPM);
    for (std::size_t i = 10; i < 20; ++i) m_txtTname[i]->setVisible(false);
    // Device cells are half as wide as a temperature row: keep their text at the compact size.
    QFont deviceFont = valueFont;
    deviceFont.setPixelSize(twipsToPixels(180, tpp));
    for (const DeviceCell& cell : r.devices) placeDeviceCell(cell, deviceFont, small);

    m_graph->setTwipsPerPixel(tpp);
    m_graph->setGeometry(px(r.graph));
    for (std::size_t i = 0; i < m_labGhp.size(); ++i) {
        m_labGhp[i]->setGeometry(px(r.graphLabels[i]));
        m_labGhp[i]->setFont(i == 0 ? valueFont : small);
    }
    QFont bold = valueFont;
    bold.setBold(true);
    m_labGhp[0]->setFont(bold);

    m_labVRX->setGeometry(px(r.version));
    m_labVRX->setFont(small);
    m_labPort->setGeometry(px(r.linkStatus));
    m_imgAct->setGeometry(px(r.activity));
    m_imgMode->setGeometry(px(r.alarmMode));
    m_hideButton->setGeometry(px(r.hideButton));
    m_exitButton->setGeometry(px(r.exitButton));
    for (std::size_t k = 0; k < m_commandButtons.size(); ++k)
        if (m_commandButtons[k]) m_commandButtons[k]->setGeometry(px(r.commandButtons[k]));
}

void FrmMain::placeDeviceCell(const DeviceCell& cell, const QFont& font, const QFont& small) {
    const int tpp = m_tpp;
    auto px = [tpp](const QRect& tw) { return twipsRect(tw.x(), tw.y(), tw.width(), tw.height(), tpp); };
    const auto i = static_cast<std::size_t>(cell.index);
    QLineEdit* name = nullptr;
    QWidget* mark = nullptr;
    std::vector<QWidget*> parts;
    switch (cell.kind) {
    case DeviceKind::Fan:
        name = m_txtTname[14 + i];
        mark = m_marks[10 + i];
        m_fanBars[i]->setGeometry(px(cell.bar));
        m_labFan[i]->setGeometry(px(cell.value));
        parts = {m_fanBars[i], m_labFan[i]};
        break;
    case DeviceKind::Pump:
        name = m_txtTname[i == 0 ? 11 : 13];
        mark = m_marks[16 + i];
        m_pumpBars[i]->setGeometry(px(cell.bar));
        m_labPump[i]->setGeometry(px(cell.value));
        m_labPump[i + 2]->setGeometry(px(cell.drive));
        m_labPump[i + 2]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        parts = {m_pumpBars[i], m_labPump[i], m_labPump[i + 2]};
        break;
    case DeviceKind::Flow:
        name = m_txtTname[i == 0 ? 10 : 12];
        mark = m_marks[18 + i];
        m_labLPM[i]->setGeometry(px(cell.value));
        parts = {m_labLPM[i]};
        break;
    }
    mark->setGeometry(px(cell.mark));
    name->setGeometry(px(cell.name));
    name->setFont(font);
    name->setVisible(true);
    for (QWidget* w : parts) {
        w->setFont(cell.kind == DeviceKind::Pump && w == parts.back() ? small : font);
        w->setVisible(true);
    }
}

void FrmMain::setNameBox(int index, const std::string& text) {
    QLineEdit* box = nameBox(index);
    const QString value = QString::fromStdString(text);
    if (box->text() != value) box->setText(value);
    box->setCursorPosition(0);
}

void FrmMain::clearTempLabel(int index) { tempLabel(index)->clear(); }

void FrmMain::showStatus(const StatusDisplay& d) {
    for (int i = 0; i < d.temperatureRows; ++i) {
        const auto k = static_cast<std::size_t>(i);
        setTextIfChanged(m_labTemp[k], d.temps[k].text);
        m_tempBars[k]->setValue(d.temps[k].bar);
    }
    for (int i = 0; i < d.fanRows; ++i) {
        const auto k = static_cast<std::size_t>(i);
        setTextIfChanged(m_labFan[k], d.fans[k].text);
        m_fanBars[k]->setValue(d.fans[k].bar);
    }
    for (int i = 0; i < d.deviceRows; ++i) {
        const auto k = static_cast<std::size_t>(i);
        setTextIfChanged(m_labPump[k], d.pumps[k].speedText);
        setTextIfChanged(m_labPump[k + 2], d.pumps[k].driveText);
        m_pumpBars[k]->setValue(d.pumps[k].bar);
        setTextIfChanged(m_labLPM[k], d.flows[k].text);
        m_labLPM[k]->setProperty("tag", QString::fromStdString(d.flows[k].tag));
    }
}

void FrmMain::setFanBarStyle(int style) {
    for (auto* b : m_fanBars) b->setDisplayStyle(style);
}

void FrmMain::setActivityImageVisible(bool visible) { m_imgAct->setVisible(visible); }
void FrmMain::setVersionLabel(const std::string& text) { m_labVRX->setText(QString::fromStdString(text)); }
void FrmMain::setLinkStatus(const std::string& text) { m_labPort->setText(QString::fromStdString(text)); }

void FrmMain::setAlwaysOnTop(bool onTop) {
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (wasVisible) show(); // changing flags hides a window
}

void FrmMain::setTaskbarButton() {
    // A frameless top-level window still gets a taskbar entry unless told otherwise; keep it hidden
    // until the program decides to show it.
    setWindowFlag(Qt::Tool, false);
    hide();
}

void FrmMain::showWindow() {
    show();
    raise();
    activateWindow();
}

void FrmMain::hideWindow() { hide(); }

void FrmMain::setTimerEnabled(MainTimer timer, bool enabled) {
    QTimer* t = m_timers.at(timer);
    if (enabled && !t->isActive()) t->start();
    if (!enabled && t->isActive()) t->stop();
}

bool FrmMain::timerEnabled(MainTimer timer) const { return m_timers.at(timer)->isActive(); }

void FrmMain::closeAllAndQuit() {
    QApplication::closeAllWindows();
    hide();
    // Deferred, so that an exit during start-up, before the event loop runs, still ends it.
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void FrmMain::clearReadings() {
    for (auto* l : m_labTemp) l->clear();
    for (auto* l : m_labPump) l->clear();
    for (auto* l : m_labFan) l->clear();
    for (auto* l : m_labLPM) l->clear();
    for (auto* b : m_tempBars) b->setValue(0);
    for (auto* b : m_pumpBars) b->setValue(0);
    for (auto* b : m_fanBars) b->setValue(0);
}

void FrmMain::setGraphAxis(const std::array<std::string, 9>& labels) {
    for (std::size_t i = 0; i < labels.size(); ++i) setTextIfChanged(m_labGhp[i], labels[i]);
}

void FrmMain::drawGraph(const std::vector<GraphLine>& grid, const std::vector<GraphLine>& lines) {
    m_graph->setPicture(grid, lines);
}

void FrmMain::setGraphColors(std::int32_t backColor, std::int32_t textColor) {
    m_graph->setBackColor(fromBgr(backColor));
    const QString style = QString("QLabel { color: %1; background: transparent; }").arg(fromBgr(textColor).name());
    for (auto* l : m_labGhp) l->setStyleSheet(style);
    m_labPort->setStyleSheet(QString("QLabel { color: %1; background: transparent; font-weight: bold; }")
                                 .arg(fromBgr(textColor).name()));
}

void FrmMain::setLegend(const std::array<LegendMark, 20>& marks) {
    for (std::size_t i = 0; i < marks.size(); ++i) {
        m_marks[i]->setVisible(marks[i].visible);
        m_marks[i]->setStyleSheet(QString("background: %1; border: 1px solid #0c0f12; border-radius: 2px;")
                                      .arg(fromBgr(marks[i].color).name()));
    }
}

void FrmMain::popupGraphMenu(const QPoint& globalPos) {
    if (graphMenuChecks) m_graphMenu->setChecks(graphMenuChecks());
    m_graphMenu->popup(globalPos);
}

bool FrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (watched == static_cast<QObject*>(windowHandle())) return previewKey(key);
        if (commandButtonKey(watched, key)) return true;
    }
    if (const int box = nameBoxIndex(watched); box >= 0 && nameBoxEvent(box, event)) return true;
    if (event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            for (QLabel* l : m_labGhp)
                if (watched == l) {
                    popupGraphMenu(mouse->globalPosition().toPoint());
                    return true;
                }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FrmMain::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!m_art.isNull()) p.drawPixmap(0, 0, m_art);
    else p.fillRect(rect(), QColor(22, 26, 32));
}

void FrmMain::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    // The desktop moves the window where it offers that (it must under Wayland, where a program
    // cannot place its own window); elsewhere the window follows the mouse itself.
    if (windowHandle() != nullptr && windowHandle()->startSystemMove()) return;
    m_dragging = true;
    m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

bool FrmMain::closeRequested(bool fromDesktop) {
    // Alt+F4 or the desktop's close command asks like the exit button; the program's own
    // closing goes through.
    if (!fromDesktop || !onExitRequested) return true;
    onExitRequested();
    return false;
}

void FrmMain::closeEvent(QCloseEvent* event) {
    if (closeRequested(event->spontaneous())) QWidget::closeEvent(event);
    else event->ignore();
}

void FrmMain::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragging) move(event->globalPosition().toPoint() - m_dragOffset);
}

void FrmMain::mouseReleaseEvent(QMouseEvent*) { m_dragging = false; }

} // namespace vrx::gui
