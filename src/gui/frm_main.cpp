#include "frm_main.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QScreen>

#include "board_art.h"
#include "twips.h"

namespace vrx::gui {
namespace {

// Column geometry inside the two panels (twips).
constexpr int kSwatchLeft = 330, kSwatchSize = 150;
constexpr int kTempNameLeft = 540, kTempNameWidth = 1450;
constexpr int kTempBarLeft = 2060, kTempBarWidth = 1280;
constexpr int kTempValueLeft = 3400, kTempValueWidth = 900;
constexpr int kRightNameLeft = 4600, kRightNameWidth = 1250;
constexpr int kRightBarLeft = 5920, kRightBarWidth = 1250;
constexpr int kRightValueLeft = 7230, kRightValueWidth = 1260;
constexpr int kRowHeight = 300, kBarHeight = 190;

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

void FrmMain::buildControls() {
    for (auto& box : m_txtTname) {
        box = new QLineEdit(this);
        box->setStyleSheet(kNameStyle);
        box->setMaxLength(255);
        // Renaming from the window arrives with the keyboard commands; until then names are shown only.
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::ClickFocus);
    }
    for (auto& l : m_labTemp) l = makeLabel(Qt::AlignRight);
    for (auto& b : m_tempBars) {
        b = new BarGauge(this);
        b->setMaximum(160);
        b->setColor(QColor(230, 120, 60));
    }
    for (auto& s : m_shpColor) {
        s = new QWidget(this);
        s->setAttribute(Qt::WA_StyledBackground);
    }
    for (auto& l : m_labFan) l = makeLabel(Qt::AlignRight);
    for (auto& b : m_fanBars) {
        b = new BarGauge(this);
        b->setMaximum(100);
        b->setColor(QColor(70, 170, 230));
    }
    for (auto& l : m_labPump) l = makeLabel(Qt::AlignRight);
    for (auto& b : m_pumpBars) {
        b = new BarGauge(this);
        b->setMaximum(32);
        b->setColor(QColor(90, 200, 140));
    }
    for (auto& l : m_labLPM) l = makeLabel(Qt::AlignRight);
    m_labVRX = makeLabel(Qt::AlignLeft);
    m_labVRX->setStyleSheet("QLabel { color: #8fa3b8; background: transparent; }");
    m_labPort = makeLabel(Qt::AlignRight);
    m_labPort->setStyleSheet("QLabel { color: #e8f0f8; background: transparent; font-weight: bold; }");
    m_imgAct = makeLabel(Qt::AlignCenter);
    m_imgAct->setText(QString::fromUtf8("\u25CF"));
    m_imgAct->setStyleSheet("QLabel { color: #e04848; background: transparent; }");
    m_hideButton = new WindowButton(WindowButton::Glyph::Hide, this);
    m_hideButton->setToolTip("Hide to the tray");
    m_exitButton = new WindowButton(WindowButton::Glyph::Close, this);
    m_exitButton->setToolTip("Exit");
    connect(m_hideButton, &QAbstractButton::clicked, this, [this] { hideWindow(); });
    connect(m_exitButton, &QAbstractButton::clicked, this, [this] {
        if (onExitRequested) onExitRequested();
    });
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
    QFont valueFont = font();
    valueFont.setPixelSize(twipsToPixels(l.fullBoardRows ? 185 : 200, tpp));
    const int rowH = l.fullBoardRows ? kRowHeight : 340;
    for (int i = 0; i < 10; ++i) {
        const auto idx = static_cast<std::size_t>(i);
        const bool shown = i < 5 || l.fullBoardRows;
        const int top = l.rowTop(i);
        m_txtTname[idx]->setGeometry(twipsRect(kTempNameLeft, top, kTempNameWidth, rowH, tpp));
        m_tempBars[idx]->setGeometry(twipsRect(kTempBarLeft, top + (rowH - kBarHeight) / 2, kTempBarWidth, kBarHeight, tpp));
        m_labTemp[idx]->setGeometry(twipsRect(kTempValueLeft, top, kTempValueWidth, rowH, tpp));
        for (QWidget* w : {static_cast<QWidget*>(m_txtTname[idx]), static_cast<QWidget*>(m_tempBars[idx]),
                           static_cast<QWidget*>(m_labTemp[idx])}) {
            w->setFont(valueFont);
            w->setVisible(shown);
        }
    }
    for (int i = 0; i < 5; ++i)
        m_shpColor[static_cast<std::size_t>(i)]->setGeometry(
            twipsRect(kSwatchLeft, l.swatchTop(i) + (rowH - kSwatchSize) / 2 - 40, kSwatchSize, kSwatchSize, tpp));
    placeRightRows();
    m_labVRX->setGeometry(twipsRect(300, l.versionLabelTop - 60, 8000, 250, tpp));
    m_labPort->setGeometry(twipsRect(4600, 300, 2900, 300, tpp));
    m_imgAct->setGeometry(twipsRect(7450, 330, 250, 250, tpp));
    if (l.largeFontButtons) {
        m_hideButton->setGeometry(twipsRect(7850, 140, 348, 204, tpp));
        m_exitButton->setGeometry(twipsRect(8260, 140, 348, 204, tpp));
    } else {
        m_hideButton->setGeometry(twipsRect(7850, 300, 300, 300, tpp));
        m_exitButton->setGeometry(twipsRect(8260, 300, 300, 300, tpp));
    }
}

void FrmMain::placeRightRows() {
    const FormLayout& l = m_layout;
    const int tpp = m_tpp;
    const bool full = l.fullBoardRows;
    const int rowH = full ? kRowHeight : 340;
    QFont valueFont = font();
    valueFont.setPixelSize(twipsToPixels(full ? 185 : 200, tpp));
    QFont small = valueFont;
    small.setPixelSize(std::max(9, valueFont.pixelSize() - 2));

    // Small board: fans 1..3, pump 1, flow 1; full board: fans 1..6, pumps, flows.
    enum class Kind { Fan, Pump, Flow };
    struct Row {
        Kind kind;
        int index;
    };
    std::vector<Row> rows;
    const int fans = full ? 6 : 3, devices = full ? 2 : 1;
    for (int i = 0; i < fans; ++i) rows.push_back({Kind::Fan, i});
    for (int i = 0; i < devices; ++i) rows.push_back({Kind::Pump, i});
    for (int i = 0; i < devices; ++i) rows.push_back({Kind::Flow, i});

    auto hideAll = [](auto& widgets) {
        for (QWidget* w : widgets) w->setVisible(false);
    };
    hideAll(m_labFan);
    hideAll(m_fanBars);
    hideAll(m_labPump);
    hideAll(m_pumpBars);
    hideAll(m_labLPM);
    for (int i = 10; i < 20; ++i) m_txtTname[static_cast<std::size_t>(i)]->setVisible(false);

    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int top = l.rowTop(static_cast<int>(r));
        const QRect nameRect = twipsRect(kRightNameLeft, top, kRightNameWidth, rowH, tpp);
        const QRect barRect = twipsRect(kRightBarLeft, top + (rowH - kBarHeight) / 2, kRightBarWidth, kBarHeight, tpp);
        const QRect valueRect = twipsRect(kRightValueLeft, top, kRightValueWidth, rowH, tpp);
        const auto i = static_cast<std::size_t>(rows[r].index);
        QLineEdit* name = nullptr;
        std::vector<QWidget*> parts;
        switch (rows[r].kind) {
        case Kind::Fan:
            name = m_txtTname[14 + i];
            m_fanBars[i]->setGeometry(barRect);
            m_labFan[i]->setGeometry(valueRect);
            parts = {m_fanBars[i], m_labFan[i]};
            break;
        case Kind::Pump:
            name = m_txtTname[i == 0 ? 11 : 13];
            m_pumpBars[i]->setGeometry(barRect);
            m_labPump[i]->setGeometry(valueRect);
            // The drive text sits on the bar.
            // The drive text starts on the bar and may run on into the value column's free left part.
            m_labPump[i + 2]->setGeometry(twipsRect(kRightBarLeft + 60, top, kRightValueLeft - kRightBarLeft + 300, rowH, tpp));
            m_labPump[i + 2]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            m_labPump[i + 2]->setFont(small);
            parts = {m_pumpBars[i], m_labPump[i], m_labPump[i + 2]};
            break;
        case Kind::Flow:
            name = m_txtTname[i == 0 ? 10 : 12];
            m_labLPM[i]->setGeometry(twipsRect(kRightBarLeft, top, kRightBarWidth + 1310, rowH, tpp));
            parts = {m_labLPM[i]};
            break;
        }
        name->setGeometry(nameRect);
        name->setFont(valueFont);
        name->setVisible(true);
        for (QWidget* w : parts) {
            if (w->font().pixelSize() != small.pixelSize()) w->setFont(valueFont);
            w->setVisible(true);
            w->raise();
        }
    }
    for (auto* l2 : m_labPump) l2->raise();
}

void FrmMain::setNameBox(int index, const std::string& text) {
    QLineEdit* box = nameBox(index);
    const QString value = QString::fromStdString(text);
    if (box->text() != value) box->setText(value);
    box->setCursorPosition(0);
}

void FrmMain::clearTempLabel(int index) { tempLabel(index)->clear(); }

namespace {
void setTextIfChanged(QLabel* label, const std::string& text) {
    const QString value = QString::fromStdString(text);
    if (label->text() != value) label->setText(value);
}
} // namespace

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

void FrmMain::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!m_art.isNull()) p.drawPixmap(0, 0, m_art);
    else p.fillRect(rect(), QColor(22, 26, 32));
}

void FrmMain::mousePressEvent(QMouseEvent* event) {
    m_dragging = true;
    m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void FrmMain::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragging) move(event->globalPosition().toPoint() - m_dragOffset);
}

void FrmMain::mouseReleaseEvent(QMouseEvent*) { m_dragging = false; }

} // namespace vrx::gui
