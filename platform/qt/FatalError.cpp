#include "platform/qt/FatalError.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace platform {

void ShowOverflowAndAbort(std::string_view what) {
    std::fprintf(stderr, "Fendo: run-time error 6: overflow (%.*s)\n",
                 static_cast<int>(what.size()), what.data());
    if (QApplication::instance() != nullptr) {
        QMessageBox::critical(nullptr, QStringLiteral("Fendo"),
                              QStringLiteral("実行時エラー '6':\n\nオーバーフローしました。"));
    }
    std::abort();
}

}  // namespace platform
