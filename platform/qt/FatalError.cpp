#include "platform/qt/FatalError.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdlib>

#include "platform/MessageBox.h"
#include "platform/qt/QtText.h"

namespace platform {

void ShowOverflowAndAbort(std::string_view) {
    if (QApplication::instance() != nullptr) {
        QMessageBox::critical(nullptr, Text(kAppTitle),
                              QStringLiteral("実行時エラー '6':\n\nオーバーフローしました。"));
    }
    std::abort();
}

}  // namespace platform
