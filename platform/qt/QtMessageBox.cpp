#include "platform/qt/QtMessageBox.h"

#include <QMessageBox>
#include <QString>

namespace platform {

void QtMessageBox::Show(std::string_view text, std::string_view caption) {
    QWidget* parent = parentProvider_ ? parentProvider_() : nullptr;
    QMessageBox box(QMessageBox::NoIcon,
                    QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                    QMessageBox::Ok, parent);
    box.setObjectName("fendoMessageBox");
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace platform
