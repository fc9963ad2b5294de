#include "frm_msgbox.h"

#include "dialog_look.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "diag/message_box.h"
#include "twips.h"

namespace vrx::gui {

FrmMsgbox::FrmMsgbox(const MessageBoxRequest& request, bool alwaysOnTop, QWidget* owner) : QDialog(owner) {
    setWindowTitle(QString::fromStdString(request.title));
    prepareModalDialog(*this, alwaysOnTop);
    const int tpp = screenTwipsPerPixel();
    const int width = request.widthTwips > 0 ? request.widthTwips : 5400;
    const int height = request.heightTwips > 0 ? request.heightTwips : 2400;
    setFixedSize(twipsToPixels(width, tpp), twipsToPixels(height, tpp));

    auto* picture = new QLabel(this);
    const QStyle::StandardPixmap icon = request.picture == 2   ? QStyle::SP_MessageBoxWarning
                                        : request.picture == 3 ? QStyle::SP_MessageBoxCritical
                                        : request.picture == 4 ? QStyle::SP_MessageBoxQuestion
                                                               : QStyle::SP_MessageBoxInformation;
    picture->setPixmap(style()->standardIcon(icon).pixmap(32, 32));
    picture->setGeometry(twipsRect(300, 300, 480, 480, tpp));
    // A message may span several lines ("\r\n") or be longer than the box is wide: each label
    // wraps and is as tall as its text, and the second one starts below the first.
    auto lineLabel = [this](const std::string& text) {
        QString t = QString::fromStdString(text);
        t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        auto* label = new QLabel(t, this);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    };
    m_line1 = lineLabel(request.line1);
    m_line2 = lineLabel(request.line2);
    QRect first = twipsRect(960, 300, width - 1200, 360, tpp);
    first.setHeight(std::max(first.height(), m_line1->heightForWidth(first.width())));
    m_line1->setGeometry(first);
    QRect second = twipsRect(960, 700, width - 1200, 360, tpp);
    second.moveTop(std::max(second.top(), first.bottom() + 4));
    m_line2->setGeometry(second);

    const MessageBoxLayout layout = layoutMessageBox(request.mode, width, height);
    m_first = new QPushButton(this);
    m_second = new QPushButton(this);
    int index = 0;
    for (const auto* spec : {&layout.first, &layout.second}) {
        QPushButton* b = index == 0 ? m_first : m_second;
        b->setText(QString::fromStdString(spec->caption));
        b->setGeometry(twipsRect(spec->leftTwips, spec->topTwips, spec->widthTwips, spec->heightTwips, tpp));
        b->setVisible(spec->visible);
        const int result = index == 0 ? kBoxFirstButton : kBoxSecondButton;
        connect(b, &QPushButton::clicked, this, [this, result] { finishWith(result); });
        ++index;
    }
    m_first->setDefault(true);
    m_first->setFocus();
}

void FrmMsgbox::finishWith(int result) {
    m_finishing = true;
    done(result);
}

void FrmMsgbox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        finishWith(kBoxSecondButton);
        return;
    }
    QDialog::keyPressEvent(event);
}

void FrmMsgbox::closeEvent(QCloseEvent* event) {
    // The close box has its own answer; the base class would report a plain rejection.
    event->accept();
    if (!m_finishing) finishWith(kBoxClosed);
}

} // namespace vrx::gui
