#include "windows/WindowFonts.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>
#include <QVariant>
#include <array>
#include <string_view>

namespace windows::window_fonts {
namespace {

// Both made by the build from the sources' texts (windows/CMakeLists.txt).
constexpr auto kBundledFont = ":/fonts/FendoUIGothic-Regular.ttf";
constexpr auto kUiCharacters = ":/fonts/ui-characters.txt";

// ASCII only: whatever font is left draws it.
constexpr std::string_view kNoJapaneseFont =
    "Fendo cannot show its Japanese texts: no font on this system has their characters. "
    "Install the package fonts-ipafont-gothic or fonts-noto-cjk, then start the game again.";

struct LatinFace {
    const char* requested;
    const char* installed;
};
constexpr std::array<LatinFace, 3> kLatinFaces{{
    {"Arial", "Liberation Sans"},
    {"Verdana", "DejaVu Sans"},
    {"Courier", "Liberation Mono"},
}};

// The family of the compiled-in font, or nothing when it cannot be registered.
QString RegisterBundledFont() {
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(kBundledFont));
    return id < 0 ? QString() : QFontDatabase::applicationFontFamilies(id).value(0);
}

}  // namespace

void RegisterSubstitutes() {
    const QString bundled = RegisterBundledFont();
    QStringList japanese{QStringLiteral("IPAPGothic")};
    if (!bundled.isEmpty()) {
        japanese.prepend(bundled);
    }
    QFont::insertSubstitutions(QStringLiteral("MS UI Gothic"), japanese);
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"), japanese);
    // The bundled font behind each Latin face, so that a system without it still draws
    // a sans-serif face rather than whatever serif face it has.
    for (const LatinFace& face : kLatinFaces) {
        QStringList faces{QString::fromLatin1(face.installed)};
        if (!bundled.isEmpty()) {
            faces.append(bundled);
        }
        QFont::insertSubstitutions(QString::fromLatin1(face.requested), faces);
    }
    QApplication::setFont(WindowFont());
}

QFont WindowFont() {
    QFont font(QStringLiteral("MS UI Gothic"));
    font.setPixelSize(12);
    return font;
}

void ApplyFormPixelSizes(QWidget& window) {
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    // The window first: its widgets without a size of their own take its size.
    widgets.prepend(&window);
    for (QWidget* widget : widgets) {
        const QVariant pixels = widget->property("pixelSize");
        if (pixels.isValid()) {
            QFont font = widget->font();
            font.setPixelSize(pixels.toInt());
            widget->setFont(font);
        }
    }
}

QString UiCharacters() {
    QFile file(QString::fromLatin1(kUiCharacters));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool Covers(const QFont& font, QStringView text) {
    const QFontMetrics metrics(font);
    for (const char32_t character : text.toUcs4()) {
        if (!metrics.inFontUcs4(character)) {
            return false;
        }
    }
    return true;
}

bool CheckReadable(QStringView characters, platform::MessageBox& box, std::FILE* log) {
    if (Covers(WindowFont(), characters)) {
        return true;
    }
    std::fprintf(log, "Fendo: %.*s\n", static_cast<int>(kNoJapaneseFont.size()),
                 kNoJapaneseFont.data());
    box.Show(kNoJapaneseFont);
    return false;
}

}  // namespace windows::window_fonts
