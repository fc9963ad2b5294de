#include "frm_msgbox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "diag/messages.h"

namespace vrx::gui {
namespace {

// Runs the box modally and acts on it once its event loop is running.
int runBox(int mode, const std::function<void(FrmMsgbox&)>& act) {
    FrmMsgbox box({5400, 2400, mode, "ZADa2.1", "first line", "second line", 1}, false);
    QTimer::singleShot(0, &box, [&box, &act] { act(box); });
    return box.exec();
}

TEST(FrmMsgbox, ResultsForButtonsEscapeAndCloseBox) {
    struct Case {
        const char* what;
        int mode;
        std::function<void(FrmMsgbox&)> act;
        int result;
    };
    const Case cases[] = {
        {"OK", 0, [](FrmMsgbox& b) { b.button(0)->click(); }, 0},
        {"Yes", 1, [](FrmMsgbox& b) { b.button(0)->click(); }, 0},
        {"No", 1, [](FrmMsgbox& b) { b.button(1)->click(); }, 1},
        {"Cancel", 2, [](FrmMsgbox& b) { b.button(1)->click(); }, 1},
        {"Esc", 0,
         [](FrmMsgbox& b) {
             QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
             QApplication::sendEvent(&b, &esc);
         },
         1},
        {"close box in mode 0", 0, [](FrmMsgbox& b) { b.close(); }, 2},
        {"close box in mode 1", 1, [](FrmMsgbox& b) { b.close(); }, 2},
    };
    for (const auto& c : cases) EXPECT_EQ(runBox(c.mode, c.act), c.result) << c.what;
}

TEST(FrmMsgbox, ShowsTheRequestedTextsAndButtons) {
    FrmMsgbox box({5400, 2400, 2, "Title", "one", "two", 2}, false);
    EXPECT_EQ(box.windowTitle(), "Title");
    EXPECT_EQ(box.caption(0)->text(), "one");
    EXPECT_EQ(box.caption(1)->text(), "two");
    EXPECT_EQ(box.button(0)->text(), "OK");
    EXPECT_EQ(box.button(1)->text(), "Cancel");
    EXPECT_FALSE(box.button(1)->isHidden());
    FrmMsgbox single({5400, 2400, 0, "T", "", "", 1}, false);
    EXPECT_TRUE(single.button(1)->isHidden());
}

TEST(FrmMsgbox, AMessageOfSeveralLinesIsShownWholeAboveTheButtons) {
    // The pump test's caution: three lines in a box 8600 x 2200 twips.
    FrmMsgbox box({8600, 2200, 2, "Pump Characteristics", MessageText(114), "", 1}, false);
    box.show();
    const QLabel* text = box.caption(0);
    EXPECT_FALSE(text->text().contains(QLatin1Char('\r')));
    EXPECT_GE(text->height(), text->heightForWidth(text->width()));
    EXPECT_LE(text->geometry().bottom(), box.button(0)->geometry().top());
    EXPECT_LE(box.caption(1)->geometry().top(), box.height());
}

} // namespace
} // namespace vrx::gui
