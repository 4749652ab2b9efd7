#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QProxyStyle>
#include <QTimer>

#include "platform/qt/QtMessageBox.h"

namespace {

// Desktop styles that decorate dialog buttons with icons, as KDE's and GNOME's do.
class IconButtonsStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons) {
            return 1;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

struct SeenBox {
    bool seen = false;
    QString title;
    QString text;
    bool boxHasIcon = true;
    int buttons = 0;
    bool buttonHasIcon = true;
};

TEST(QtMessageBox, IsAPlainBoxWithOneOkButtonAndNoIconEvenUnderAnIconStyle) {
    QStyle* previous = QApplication::style();
    const QString previousName = previous->name();
    QApplication::setStyle(new IconButtonsStyle);

    SeenBox seen;
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        seen.seen = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.boxHasIcon = !box->iconPixmap().isNull();
        const auto buttons = box->buttons();
        seen.buttons = static_cast<int>(buttons.size());
        seen.buttonHasIcon = buttons.empty() || !buttons.front()->icon().isNull();
        box->accept();
    });
    platform::QtMessageBox messages;
    messages.Show("ゲームオーバー 0pts", "Fendo");
    QApplication::setStyle(previousName);

    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.title, QStringLiteral("Fendo"));
    EXPECT_EQ(seen.text, QStringLiteral("ゲームオーバー 0pts"));
    EXPECT_FALSE(seen.boxHasIcon);
    EXPECT_EQ(seen.buttons, 1);
    EXPECT_FALSE(seen.buttonHasIcon);
}

}  // namespace
