#include "platform/qt/FatalError.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdlib>

#include "platform/MessageBox.h"

namespace platform {

void ShowOverflowAndAbort(std::string_view) {
    if (QApplication::instance() != nullptr) {
        QMessageBox::critical(
            nullptr, QString::fromUtf8(kAppTitle.data(), static_cast<qsizetype>(kAppTitle.size())),
            QStringLiteral("実行時エラー '6':\n\nオーバーフローしました。"));
    }
    std::abort();
}

}  // namespace platform
