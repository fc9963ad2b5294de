#include "frm_delay.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace vrx::gui {

namespace {

constexpr int kOk = 0, kCancel = 1;

// A warning triangle with an exclamation mark, drawn so no image file has to ship.
class WarningSign : public QWidget {
public:
    explicit WarningSign(QWidget* parent) : QWidget(parent) {
        setFixedSize(48, 44);
        setAccessibleName(QStringLiteral("Warning"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(2, 2, -2, -2);
        QPainterPath triangle;
        triangle.moveTo(r.center().x(), r.top());
        triangle.lineTo(r.right(), r.bottom());
        triangle.lineTo(r.left(), r.bottom());
        triangle.closeSubpath();
        p.setPen(QPen(QColor(0x40, 0x30, 0x00), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(0xFF, 0xD0, 0x20));
        p.drawPath(triangle);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        const double x = r.center().x();
        p.drawRoundedRect(QRectF(x - 2.5, r.top() + r.height() * 0.3, 5, r.height() * 0.4), 2, 2);
        p.drawEllipse(QPointF(x, r.bottom() - r.height() * 0.15), 3, 3);
    }
};

QFrame* separator(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QLabel* label(const char* text, const char* name, QWidget* parent) {
    auto* l = new QLabel(QString::fromLatin1(text), parent);
    l->setAccessibleName(QString::fromLatin1(name));
    return l;
}

} // namespace

FrmDelay::FrmDelay(QWidget* parent, Countdown& model) : QDialog(parent), m_model(model) {
    setWindowTitle(QString::fromLatin1(Countdown::kCaption));
    m_label1 = label(Countdown::kLabel1, "Countdown", this);
    m_labDelay = label(" sec", "Seconds left", this);
    m_label2 = label("Temperature sensor : ", "Source channel", this);
    m_label3[0] = label(Countdown::kWarning0, "Warning", this);
    m_label3[1] = label(Countdown::kWarning1, "Warning detail", this);
    QFont bold = m_labDelay->font();
    bold.setBold(true);
    m_labDelay->setFont(bold);

    auto* countRow = new QHBoxLayout;
    countRow->addWidget(m_label1);
    countRow->addWidget(m_labDelay);
    countRow->addStretch(1);
    auto* warnText = new QVBoxLayout;
    warnText->addWidget(m_label3[0]);
    warnText->addWidget(m_label3[1]);
    auto* warnRow = new QHBoxLayout;
    warnRow->addWidget(new WarningSign(this), 0, Qt::AlignTop);
    warnRow->addSpacing(8);
    warnRow->addLayout(warnText, 1);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    for (const int index : {kOk, kCancel}) {
        const char* text = index == kOk ? Countdown::kOk : Countdown::kCancel;
        auto* b = new QPushButton(QString::fromLatin1(text), this);
        b->setAccessibleName(QString::fromLatin1(text).trimmed());
        b->setAutoDefault(false);
        b->setMinimumWidth(90);
        b->installEventFilter(this);
        buttonRow->addWidget(b);
        m_buttons[static_cast<std::size_t>(index)] = b;
    }
    connect(button(kOk), &QPushButton::clicked, this, [this] {
        m_model.okClick();
        followModel();
    });
    connect(button(kCancel), &QPushButton::clicked, this, [this] {
        m_model.cancelClick();
        followModel();
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->addLayout(countRow);
    layout->addWidget(m_label2);
    layout->addWidget(separator(this));
    layout->addLayout(warnRow);
    layout->addWidget(separator(this));
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    refresh();
}

void FrmDelay::present(bool topmost) {
    refresh();
    // Changing the flags of a shown window hides it, so they are set before showing.
    if (isVisible()) hide();
    setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    setWindowModality(Qt::WindowModal);
    show();
    raise();
    activateWindow();
    button(kOk)->setFocus(Qt::OtherFocusReason);
}

void FrmDelay::refresh() {
    m_labDelay->setText(QString::fromStdString(m_model.LabDelay()));
    m_label2->setText(QString::fromStdString(m_model.Label2()));
}

void FrmDelay::closeWindow() {
    if (isVisible()) QDialog::done(QDialog::Rejected);
}

void FrmDelay::followModel() {
    if (!m_model.running()) closeWindow();
}

void FrmDelay::reject() {
    m_model.escape();
    closeWindow();
}

bool FrmDelay::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && (watched == button(kOk) || watched == button(kCancel))) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Left || key == Qt::Key_Right) {
            button(key == Qt::Key_Left ? kOk : kCancel)->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vrx::gui
