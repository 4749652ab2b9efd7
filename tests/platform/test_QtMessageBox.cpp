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

TEST(QtMessageBox, IsAPlainBoxWithOneOkButtonAndNoIconEvenUnderAnIconStyle) {
    QStyle* previous = QApplication::style();
    const QString previousName = previous->name();
    QApplication::setStyle(new IconButtonsStyle);

    QString seen;
    QTimer::singleShot(0, [&seen] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            const auto buttons = box->buttons();
            seen = QStringLiteral("%1|%2|box icon %3|buttons %4|button icon %5")
                       .arg(box->windowTitle(), box->text())
                       .arg(!box->iconPixmap().isNull())
                       .arg(buttons.size())
                       .arg(buttons.empty() || !buttons.front()->icon().isNull());
            box->accept();
        }
    });
    platform::QtMessageBox messages;
    messages.Show("ゲームオーバー 0pts", "Fendo");
    QApplication::setStyle(previousName);

    EXPECT_EQ(seen, QStringLiteral("Fendo|ゲームオーバー 0pts|box icon 0|buttons 1|button icon 0"));
}

}  // namespace
