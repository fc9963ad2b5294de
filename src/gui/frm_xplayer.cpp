#include "frm_xplayer.h"

#include <QBuffer>
#include <QCheckBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "dialog_look.h"
#include "live_graph_widget.h"
#include "log_chart_widget.h"
#include "twips.h"

namespace vrx::gui {

// Room right of a pane for its right-hand scale, and below an enlarged pane for its time axis,
// which the pane's own size would cut off.
constexpr int kRightScalePx = 36;
constexpr int kTimeAxisPx = 14;
namespace {

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

constexpr int kCaptionHeight = 16;
const char* const kButtonCaptions[] = {" C/F", " LPM/GPM", " Open ", " Capture", " Close", "Export CSV"};

LogChart chartOf(int i) {
    return static_cast<LogChart>(i);
}

// The chart a channel's check box redraws.
LogChart chartOfChannel(int i) {
    if (i < 10) return LogChart::Temperatures;
    if (i < 16) return LogChart::Fans;
    if (i < 18) return LogChart::Pumps;
    return LogChart::Flows;
}

} // namespace

std::string captureBmp(const LogViewer& viewer, LogChart chart) {
    const QImage image = renderCapture(viewer, chart);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "BMP")) return {};
    return bytes.toStdString();
}

FrmxPlayer::FrmxPlayer(Settings& settings, Dialogs& dialogs, LogViewerHost& host, const std::string& programFolder,
                       QWidget* parent)
    : QDialog(parent), m_viewer(settings, dialogs, host, programFolder), m_tpp(screenTwipsPerPixel()) {
    setWindowTitle(" Log Viewer");
    setModal(false);
    auto* left = new QVBoxLayout;
    left->addWidget(makeChartArea());
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setAccessibleName("Cursor position");
    connect(m_slider, &QSlider::valueChanged, this, [this](int v) {
        m_viewer.setPosition(v);
        refreshCursor();
    });
    left->addWidget(m_slider);
    auto* right = new QVBoxLayout;
    right->addWidget(makeDetails());
    right->addWidget(makeChannels());
    right->addStretch();
    right->addWidget(makeButtons());
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right);
    refresh();
}

QLabel* FrmxPlayer::label(const QString& accessibleName, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setAccessibleName(accessibleName);
    return l;
}

QWidget* FrmxPlayer::makeChartArea() {
    auto* area = new QWidget(this);
    const PaneRect whole = paneRect(LogChart::Temperatures, true, m_tpp);
    area->setFixedSize(whole.left * 2 + whole.width + kRightScalePx, whole.top + whole.height + kTimeAxisPx + 4);
    for (int i = 0; i < kLogCharts; ++i) {
        auto* chart = new LogChartWidget(m_viewer, chartOf(i), m_tpp, area);
        chart->onPress = [this, i](int y) { m_viewer.startDrag(chartOf(i), y); };
        chart->onDrag = [this, chart](int y) {
            m_viewer.dragTo(y);
            chart->update();
        };
        chart->onRelease = [this] { m_viewer.endDrag(); };
        chart->onDoubleClick = [this, i] {
            m_viewer.endDrag();
            m_viewer.mResizeBox(chartOf(i));
            refresh();
        };
        m_charts[at(i)] = chart;
        m_labCaption[at(i)] = label(QString("Chart caption %1").arg(i + 1), area);
    }
    return area;
}

QWidget* FrmxPlayer::makeDetails() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    auto add = [&](const QString& caption, QLabel* value) {
        grid->addWidget(new QLabel(caption, box), row, 0);
        grid->addWidget(value, row++, 1, 1, 3);
    };
    add("Log File:", m_labFileName = label("Log file", box));
    add("Interval :", m_labInterval = label("Interval", box));
    add("Start :", m_labTime[0] = label("Start", box));
    add("End :", m_labTime[1] = label("End", box));
    add("Point :", m_labPoint = label("Point", box));
    for (int j = 0; j < 2; ++j) {
        m_labFlow[at(j)] = label(QString("Flow meter %1 model").arg(j + 1), box);
        m_labHose[at(j)] = label(QString("Flow meter %1 tubing").arg(j + 1), box);
        grid->addWidget(m_labFlow[at(j)], row, 0, 1, 2);
        grid->addWidget(m_labHose[at(j)], row++, 2, 1, 2);
    }
    return box;
}

QWidget* FrmxPlayer::makeChannels() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(1);
    grid->addWidget(new QLabel("Max", box), 0, 3);
    grid->addWidget(new QLabel("Min", box), 0, 4);
    for (int i = 0; i < kLogChannels; ++i) {
        const int row = i + 1;
        auto* chk = new QCheckBox(box);
        connect(chk, &QCheckBox::clicked, this, [this, i](bool on) {
            if (m_viewer.setShown(i, on)) m_charts[at(static_cast<int>(chartOfChannel(i)))]->update();
            refresh();
        });
        auto* swatch = new QPushButton(box);
        swatch->setFixedSize(22, 12);
        swatch->setAutoDefault(false);
        connect(swatch, &QPushButton::clicked, this, [this, i] {
            if (m_viewer.mPickColor(i)) refresh();
        });
        m_chkDat[at(i)] = chk;
        m_cmdColor[at(i)] = swatch;
        m_labLogs[at(i)] = label(QString("Reading %1").arg(i + 1), box);
        m_labLogs[at(i)]->setMinimumWidth(m_labLogs[at(i)]->fontMetrics().horizontalAdvance("22.50 LPM / 5.9 GPM"));
        grid->addWidget(chk, row, 0);
        grid->addWidget(swatch, row, 1);
        grid->addWidget(m_labLogs[at(i)], row, 2);
        if (i < kTempChannels) {
            m_labMax[at(i)] = label(QString("Maximum %1").arg(i + 1), box);
            m_labMin[at(i)] = label(QString("Minimum %1").arg(i + 1), box);
            grid->addWidget(m_labMax[at(i)], row, 3);
            grid->addWidget(m_labMin[at(i)], row, 4);
        }
    }
    return box;
}

QWidget* FrmxPlayer::makeButtons() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 6; ++i) {
        auto* b = new QPushButton(kButtonCaptions[i], box);
        b->setAccessibleName(QString(kButtonCaptions[i]).trimmed());
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, i] { command(i); });
        row->addWidget(b);
        m_buttons[at(i)] = b;
    }
    return box;
}

void FrmxPlayer::command(int index) {
    switch (index) {
    case 0: m_viewer.mTempChang(); break;
    case 1: m_viewer.mFlowUnitChang(); break;
    case 2:
        setCursor(Qt::WaitCursor);
        m_viewer.mOpenFile();
        unsetCursor();
        break;
    case 3:
        setCursor(Qt::WaitCursor);
        m_viewer.mImgCapture([this](LogChart c) { return captureBmp(m_viewer, c); });
        unsetCursor();
        break;
    case 4: reject(); return;
    case 5: m_viewer.exportCsv(); break;
    default: return;
    }
    refresh();
}

void FrmxPlayer::refresh() {
    const Recording* r = m_viewer.recording();
    m_labFileName->setText(q(m_viewer.fileNameText()));
    m_labInterval->setText(r ? q(intervalText(r->LogLineLimit)) : QString());
    m_labTime[0]->setText(r ? q(startText(*r)) : QString());
    m_labTime[1]->setText(r ? q(endText(*r)) : QString());
    for (int j = 0; j < 2; ++j) {
        // A small board has no second flow meter: its texts stay blank.
        const bool blank = !r || (j == 1 && r->smallBoard());
        m_labFlow[at(j)]->setText(blank ? QString() : q(flowModelText(*r, j)));
        m_labHose[at(j)]->setText(blank ? QString() : q(tubingText(*r, j)));
        m_labFlow[at(j)]->setEnabled(m_viewer.channelEnabled(18 + j));
        m_labHose[at(j)]->setEnabled(m_viewer.channelEnabled(18 + j));
    }
    for (int i = 0; i < kLogChannels; ++i) {
        const QString name = q(m_viewer.channelName(i));
        m_chkDat[at(i)]->setText(name);
        m_chkDat[at(i)]->setAccessibleName(name);
        m_chkDat[at(i)]->setChecked(m_viewer.shown(i));
        m_chkDat[at(i)]->setEnabled(m_viewer.channelEnabled(i));
        m_cmdColor[at(i)]->setAccessibleName(name + " colour");
        m_cmdColor[at(i)]->setEnabled(m_viewer.swatchEnabled(i));
        m_cmdColor[at(i)]->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid gray;")
                                             .arg(fromBgr(m_viewer.swatchColor(i)).name()));
    }
    for (int i = 0; i < kTempChannels; ++i) {
        m_labMax[at(i)]->setText(q(m_viewer.maxText(i)));
        m_labMin[at(i)]->setText(q(m_viewer.minText(i)));
    }
    for (int i = 0; i < kLogCharts; ++i)
        m_labCaption[at(i)]->setText(q(m_viewer.chartCaption(chartOf(i))));
    {
        const QSignalBlocker block(m_slider);
        m_slider->setRange(0, m_viewer.lineLimit());
        m_slider->setValue(m_viewer.position());
    }
    m_buttons[3]->setEnabled(m_viewer.FileLoaded());
    m_buttons[5]->setEnabled(m_viewer.FileLoaded());
    placePanes();
    refreshCursor();
}

void FrmxPlayer::refreshCursor() {
    m_labPoint->setText(q(m_viewer.pointLabel()));
    const auto readOuts = m_viewer.readOuts();
    for (int i = 0; i < kLogChannels; ++i)
        m_labLogs[at(i)]->setText(q(readOuts[at(i)]));
    for (LogChartWidget* c : m_charts)
        c->update();
}

void FrmxPlayer::placePanes() {
    const bool zoomed = m_viewer.ChartZoomed();
    for (int i = 0; i < kLogCharts; ++i) {
        const bool visible = !zoomed || m_viewer.ZoomedChart() == chartOf(i);
        const PaneRect pane = paneRect(chartOf(i), zoomed, m_tpp);
        m_charts[at(i)]->setGeometry(pane.left, pane.top, pane.width + kRightScalePx,
                                     pane.height + (zoomed ? kTimeAxisPx : 0));
        m_charts[at(i)]->setVisible(visible);
        m_labCaption[at(i)]->setGeometry(pane.left, pane.top - kCaptionHeight, pane.width, kCaptionHeight);
        m_labCaption[at(i)]->setVisible(visible);
    }
}

void FrmxPlayer::showEvent(QShowEvent* event) {
    m_closed = false;
    placeWindow();
    QDialog::showEvent(event);
}

void FrmxPlayer::placeWindow() {
    if (const auto saved = m_viewer.savedPosition()) {
        move(twipsToPixels((*saved)[0], m_tpp), twipsToPixels((*saved)[1], m_tpp));
        return;
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
}

void FrmxPlayer::keyPressEvent(QKeyEvent* event) {
    // Left and right walk the five window buttons.
    if ((event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) &&
        walkButtonRow(std::span(m_buttons).first(5), event->key() == Qt::Key_Right))
        return;
    QDialog::keyPressEvent(event);
}

void FrmxPlayer::done(int result) {
    // Every way out (Close, Escape, the close box) stores the window's place once.
    if (!m_closed) {
        m_closed = true;
        m_viewer.closed(pos().x() * m_tpp, pos().y() * m_tpp);
    }
    QDialog::done(result);
}

} // namespace vrx::gui
