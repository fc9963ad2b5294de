#include "frm_characteristics.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "dialog_look.h"
#include "live_graph_widget.h"
#include "pump_chart.h"
#include "twips.h"

namespace vrx::gui {
namespace {

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

FrmCharacteristics::FrmCharacteristics(QWidget* parent, PumpTest& test, const Settings& settings)
    : QDialog(parent), m_test(test), m_settings(settings) {
    setWindowTitle(" Pump Characteristics");
    setModal(true);

    m_chart = new PumpChart(test.chart(), settings, this);
    m_progress = new QProgressBar(this);
    m_progress->setRange(0, 100);
    m_progress->setAccessibleName("Test progress");

    auto* frames = new QHBoxLayout;
    for (int k = 0; k < 2; ++k)
        frames->addWidget(makeFrame(k));

    auto* buttons = new QHBoxLayout;
    const char* captions[] = {" Start", " Capture", " Close"};
    for (int i = 0; i < 3; ++i) {
        auto* b = new QPushButton(captions[i], this);
        b->setAccessibleName(QString(captions[i]).trimmed());
        b->setAutoDefault(false);
        buttons->addWidget(b);
        m_buttons[at(i)] = b;
    }
    connect(m_buttons[0], &QPushButton::clicked, this, [this] { start(); });
    connect(m_buttons[1], &QPushButton::clicked, this, [this] {
        if (onCapture) onCapture();
    });
    connect(m_buttons[2], &QPushButton::clicked, this, [this] { reject(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_chart, 0, Qt::AlignHCenter);
    layout->addWidget(m_progress);
    layout->addLayout(frames);
    layout->addLayout(buttons);

    m_test.open();
    refresh();
}

QGroupBox* FrmCharacteristics::makeFrame(int pair) {
    auto* box = new QGroupBox(pair == 0 ? "Main" : "Secondary", this);
    auto* grid = new QGridLayout(box);
    auto label = [box](const QString& name) {
        auto* l = new QLabel(box);
        l->setAccessibleName(name);
        l->setMinimumWidth(l->fontMetrics().horizontalAdvance("22.5 LPM / 5.94 GPM "));
        return l;
    };
    const QString n = QString::number(pair + 1);
    m_labPump[at(2 * pair)] = label("Pump " + n + " high");
    m_labPump[at(2 * pair + 1)] = label("Pump " + n + " low");
    m_labFlow[at(2 * pair)] = label("Flow " + n + " high");
    m_labFlow[at(2 * pair + 1)] = label("Flow " + n + " low");
    m_labTub[at(pair)] = label("Tubing " + n);
    m_labCapFlow[at(pair)] = label("Flow meter " + n);
    m_swatches[at(pair)] = makeSwatch(pair, "Pump " + n + " curve colour");
    m_swatches[at(pair + 2)] = makeSwatch(pair + 2, "Flow meter " + n + " curve colour");
    grid->addWidget(new QLabel("Pump", box), 0, 0);
    grid->addWidget(m_swatches[at(pair)], 1, 0, Qt::AlignLeft);
    grid->addWidget(m_swatches[at(pair + 2)], 3, 0, Qt::AlignLeft);
    grid->addWidget(new QLabel("High :", box), 0, 1);
    grid->addWidget(m_labPump[at(2 * pair)], 0, 2);
    grid->addWidget(new QLabel("Low :", box), 1, 1);
    grid->addWidget(m_labPump[at(2 * pair + 1)], 1, 2);
    grid->addWidget(m_labCapFlow[at(pair)], 2, 0, 1, 3);
    grid->addWidget(new QLabel("Tubing(I.D.) :", box), 3, 1);
    grid->addWidget(m_labTub[at(pair)], 3, 2);
    grid->addWidget(new QLabel("High :", box), 4, 1);
    grid->addWidget(m_labFlow[at(2 * pair)], 4, 2);
    grid->addWidget(new QLabel("Low :", box), 5, 1);
    grid->addWidget(m_labFlow[at(2 * pair + 1)], 5, 2);
    m_frames[at(pair)] = box;
    return box;
}

QPushButton* FrmCharacteristics::makeSwatch(int k, const QString& name) {
    auto* b = new QPushButton(this);
    b->setAccessibleName(name);
    b->setToolTip(name);
    b->setAutoDefault(false);
    b->setFixedSize(28, 14);
    connect(b, &QPushButton::clicked, this, [this, k] {
        if (onPickColor) onPickColor(k);
    });
    return b;
}

void FrmCharacteristics::refresh() {
    const PumpTestChart& c = m_test.chart();
    m_progress->setValue(std::min(m_test.TestStep(), 100));
    for (int i = 0; i < 4; ++i) {
        m_labPump[at(i)]->setText(QString::fromStdString(c.LabPump[at(i)]));
        m_labFlow[at(i)]->setText(QString::fromStdString(c.LabFlow[at(i)]));
    }
    for (int k = 0; k < 2; ++k) {
        m_labTub[at(k)]->setText(QString::fromStdString(c.LabTub[at(k)]));
        m_labCapFlow[at(k)]->setText(QString::fromStdString(c.LabCapFlow[at(k)]));
    }
    m_frames[1]->setVisible(m_test.pairs() == 2);
    const auto& pump = m_settings.pump;
    for (int k = 0; k < 4; ++k) {
        const Int32 bgr = k < 2 ? pump.PumpColor[at(k)] : pump.FlowColor[at(k - 2)];
        m_swatches[at(k)]->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid gray;")
                                             .arg(fromBgr(bgr).name()));
        m_swatches[at(k)]->setEnabled(!m_test.running());
    }
    m_buttons[0]->setEnabled(m_test.startEnabled());
    m_buttons[1]->setEnabled(m_test.captureEnabled() && !m_test.running());
    setCursor(m_test.running() ? Qt::WaitCursor : Qt::ArrowCursor);
    m_chart->update();
}

void FrmCharacteristics::start() {
    m_test.mStartTest();
    refresh();
}

void FrmCharacteristics::showEvent(QShowEvent* event) {
    m_closed = false;
    placeWindow();
    QDialog::showEvent(event);
}

void FrmCharacteristics::placeWindow() {
    const int tpp = screenTwipsPerPixel();
    const Int32 left = m_settings.sys.WindowPos[4], top = m_settings.sys.WindowPos[5];
    if (left != 0 || top != 0) {
        move(twipsToPixels(left, tpp), twipsToPixels(top, tpp));
        return;
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
}

void FrmCharacteristics::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) &&
        walkButtonRow(m_buttons, event->key() == Qt::Key_Right))
        return;
    QDialog::keyPressEvent(event);
}

void FrmCharacteristics::done(int result) {
    // Every way out (Close, Escape, the close box) hands the outputs back once.
    if (!m_closed) {
        m_closed = true;
        const int tpp = screenTwipsPerPixel();
        m_test.close(pos().x() * tpp, pos().y() * tpp);
    }
    QDialog::done(result);
}

} // namespace vrx::gui
