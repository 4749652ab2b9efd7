#include "windows/TitleWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "core/Game.h"
#include "platform/InputCodes.h"
#include "platform/qt/KeyMap.h"
#include "platform/qt/QtText.h"
#include "ui_TitleWindow.h"
#include "windows/TitleTexts.h"
#include "windows/WindowFonts.h"

namespace windows {

using platform::Text;
using platform::VirtualKey;

TitleWindow::TitleWindow(game::Game& game, QWidget* parent)
    : QWidget(parent), game_(game), ui_(std::make_unique<Ui::TitleWindow>()) {
    ui_->setupUi(this);
    window_fonts::ApplyFormPixelSizes(*this);
    for (int index = 0; index < game::kInputModeCount; ++index) {
        connect(ModeOption(index), &QRadioButton::toggled, this, [this, index](bool checked) {
            if (checked) {
                optInputMode_Click(static_cast<int16_t>(index));
            }
        });
    }
    for (QWidget* control : findChildren<QWidget*>()) {
        control->installEventFilter(this);
    }
    connect(ui_->cmdGo, &QPushButton::clicked, this, &TitleWindow::cmdGo_Click);
    connect(ui_->cmdQuit, &QPushButton::clicked, this, &TitleWindow::cmdQuit_Click);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    Form_Load();
}

TitleWindow::~TitleWindow() = default;

QLineEdit* TitleWindow::PunishKeyBox(int index) const {
    return index == 0 ? ui_->txtPunishKey0 : ui_->txtPunishKey1;
}

QRadioButton* TitleWindow::ModeOption(int index) const {
    switch (index) {
        case 1:
            return ui_->optInputMode1;
        case 2:
            return ui_->optInputMode2;
        default:
            return ui_->optInputMode0;
    }
}

int TitleWindow::PunishKeyBoxIndex(const QObject* object) const {
    if (object == ui_->txtPunishKey0)
        return 0;
    if (object == ui_->txtPunishKey1)
        return 1;
    return -1;
}

void TitleWindow::Form_Load() {
    // A window made anew never starts inside a punch-key box.
    editingPunishKey_ = false;
    game_.LoadSettings(game_.SettingsPath());
    for (int index = 0; index < 2; ++index) {
        ShowKeyName(index, static_cast<int16_t>(game_.GetPunishKey(index)));
    }
    const title_texts::Records records = title_texts::ForRecords(
        game_.GetHiScore(), game_.GetMaxKnockOutScore(), game_.GetMaxHits());
    ui_->lblHiScore->setText(Text(records.hiScore));
    ui_->lblMaxKOScore->setText(Text(records.maxKnockOut));
    ui_->lblMaxHits->setText(Text(records.maxHits));
    ui_->lblHPS->setText(Text(records.hitsPerSecond));

    int32_t mode = game_.GetInputMode();
    // A hand-edited file may hold a mode this window has no option for.
    if (mode < 0 || mode >= game::kInputModeCount) {
        mode = game::kMouseOnly;
    }
    ModeOption(mode)->setChecked(true);
    optInputMode_Click(static_cast<int16_t>(mode));

    game_.LoadSheet(&ui_->picSplash->Surface(), "s");
    ui_->lblVersion->setText(QStringLiteral("Ver.%1.%2.%3")
                                 .arg(FENDO_VERSION_MAJOR)
                                 .arg(FENDO_VERSION_MINOR)
                                 .arg(FENDO_VERSION_PATCH));
}

void TitleWindow::ShowKeyName(int index, int16_t keyCode) {
    QLineEdit* box = PunishKeyBox(index);
    box->setText(Text(title_texts::KeyName(keyCode)));
    // The box scrolls to the cursor, which setText leaves at the end: "PgDown"
    // would show as "own".
    box->setCursorPosition(0);
}

void TitleWindow::ShowHowToTexts(int32_t mode) {
    ui_->lblHowToSelect->setText(Text(title_texts::HowToSelectText(mode)));
    ui_->lblHowToPunish->setText(
        Text(title_texts::HowToPunishText(mode, static_cast<int16_t>(game_.GetPunishKeyL()),
                                          static_cast<int16_t>(game_.GetPunishKeyR()))));
}

void TitleWindow::optInputMode_Click(int16_t index) {
    const bool keysInUse = index != game::kMouseOnly;
    ui_->fraPunishKey->setEnabled(keysInUse);
    for (int boxIndex = 0; boxIndex < 2; ++boxIndex) {
        (boxIndex == 0 ? ui_->lblPunishKey0 : ui_->lblPunishKey1)->setEnabled(keysInUse);
        PunishKeyBox(boxIndex)->setEnabled(keysInUse);
    }
    // Tab reaches only the option that is on. Qt sees to that itself only
    // once an option has had the focus, not for a mode set by the program.
    for (int option = 0; option < game::kInputModeCount; ++option) {
        ModeOption(option)->setFocusPolicy(option == index ? Qt::StrongFocus : Qt::ClickFocus);
    }
    ShowHowToTexts(index);
    game_.SetInputMode(index);
}

void TitleWindow::SelectInputMode(int32_t mode) {
    QRadioButton* option = ModeOption(mode);
    option->setFocus(Qt::OtherFocusReason);
    option->setChecked(true);
    ShowHowToTexts(mode);
    game_.SetInputMode(mode);
}

void TitleWindow::Form_KeyDown(int16_t keyCode, int16_t) {
    if (editingPunishKey_) {
        return;
    }
    switch (keyCode) {
        case VirtualKey::Q:
            cmdQuit_Click();
            break;
        case VirtualKey::M:
            SelectInputMode(game::kMouseOnly);
            break;
        case VirtualKey::H:
            SelectInputMode(game::kMouseAndKeyboard);
            break;
        case VirtualKey::K:
            SelectInputMode(game::kKeyboardOnly);
            break;
        case VirtualKey::L:
        case VirtualKey::R:
            if (!ModeOption(game::kMouseOnly)->isChecked()) {
                PunishKeyBox(keyCode == VirtualKey::L ? 0 : 1)->setFocus(Qt::OtherFocusReason);
            }
            break;
        default:
            break;
    }
}

void TitleWindow::txtPunishKey_GotFocus(int16_t index) {
    editingPunishKey_ = true;
    QLineEdit* box = PunishKeyBox(index);
    QPalette palette = box->palette();
    // Not in the disabled group: a box switched off must still grey.
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Base, QColor(255, 255, 0));
        palette.setColor(group, QPalette::Text, Qt::black);
    }
    box->setPalette(palette);
    // Focus by Tab selects the name, which would hide the editing colours,
    // and scrolls to its end.
    QMetaObject::invokeMethod(
        box, [box] { box->setCursorPosition(0); }, Qt::QueuedConnection);
}

void TitleWindow::txtPunishKey_LostFocus(int16_t index) {
    editingPunishKey_ = false;
    // The colours of the window around it, whatever its theme.
    PunishKeyBox(index)->setPalette(QPalette());
}

void TitleWindow::txtPunishKey_KeyDown(int16_t index, int16_t keyCode, int16_t) {
    const QString name = Text(title_texts::KeyName(keyCode));
    const QLineEdit* other = PunishKeyBox(index == 0 ? 1 : 0);
    if (name == QLatin1String(title_texts::kNoName) || name == other->text()) {
        return;
    }
    ShowKeyName(index, keyCode);
    game_.SetPunishKey(index, keyCode);
    ShowHowToTexts(game_.GetInputMode());
    // Queued, so the focus moves on only once this key has been dealt with.
    QCoreApplication::postEvent(PunishKeyBox(index),
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
}

void TitleWindow::cmdGo_Click() {
    // A second Go can be queued behind the one that closed the window.
    if (unloaded_) {
        return;
    }
    goRequested_ = true;
    close();
    if (onGo) {
        onGo();
    }
}

void TitleWindow::cmdQuit_Click() {
    close();
}

void TitleWindow::Form_QueryUnload() {
    game_.SaveSettings(game_.SettingsPath());
}

void TitleWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    Form_QueryUnload();
    if (!goRequested_ && onQuit) {
        onQuit();
    }
}

bool TitleWindow::PreviewKey(QObject* target, QKeyEvent* event) {
    const int key = event->key();
    // Tab and Shift+Tab only move the focus.
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        return false;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // A push button with the focus takes Enter itself; anywhere else it
        // presses the default button.
        if (qobject_cast<QPushButton*>(target) != nullptr) {
            return false;
        }
        ui_->cmdGo->click();
        return true;
    }
    const int16_t keyCode = platform::VirtualKeyFromQt(key, event->modifiers());
    const int16_t shift = platform::ShiftStateFromQt(event->modifiers());
    Form_KeyDown(keyCode, shift);
    if (unloaded_) {
        return true;
    }
    const int boxIndex = PunishKeyBoxIndex(target);
    if (boxIndex >= 0) {
        // The boxes take no typing: a key is a punch key or nothing.
        txtPunishKey_KeyDown(static_cast<int16_t>(boxIndex), keyCode, shift);
        return true;
    }
    return false;
}

bool TitleWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            // A key a control leaves alone travels on to its parents: only
            // its first stop, the control with the focus, looks at it.
            if (static_cast<QWidget*>(watched)->hasFocus()) {
                return PreviewKey(watched, static_cast<QKeyEvent*>(event));
            }
            break;
        case QEvent::FocusIn:
            if (const int index = PunishKeyBoxIndex(watched); index >= 0) {
                txtPunishKey_GotFocus(static_cast<int16_t>(index));
            }
            break;
        case QEvent::FocusOut:
            // Another window taking the focus does not take the player out of the box.
            if (static_cast<QFocusEvent*>(event)->reason() == Qt::ActiveWindowFocusReason) {
                break;
            }
            if (const int index = PunishKeyBoxIndex(watched); index >= 0) {
                txtPunishKey_LostFocus(static_cast<int16_t>(index));
            }
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

void TitleWindow::keyPressEvent(QKeyEvent* event) {
    if (!hasFocus() || !PreviewKey(this, event)) {
        QWidget::keyPressEvent(event);
    }
}

}  // namespace windows
