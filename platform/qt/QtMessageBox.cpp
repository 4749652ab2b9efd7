#include "platform/qt/QtMessageBox.h"

#include <QAbstractButton>
#include <QIcon>
#include <QMessageBox>
#include <QString>

#include "platform/qt/QtText.h"

namespace platform {

void QtMessageBox::Show(std::string_view text, std::string_view caption) {
    QWidget* parent = parentProvider_ ? parentProvider_() : nullptr;
    QMessageBox box(QMessageBox::NoIcon, Text(caption), Text(text), QMessageBox::Ok, parent);
    box.setObjectName("fendoMessageBox");
    // Some desktop styles put an icon on every dialog button; the game's boxes stay plain.
    for (QAbstractButton* button : box.buttons()) {
        button->setIcon(QIcon());
    }
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace platform
