#include "windows/TitleWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "core/Game.h"
#include "platform/InputCodes.h"
#include "platform/qt/KeyMap.h"
#include "ui_TitleWindow.h"
#include "windows/QtText.h"
#include "windows/TitleTexts.h"

namespace windows {

using platform::VirtualKey;

TitleWindow::TitleWindow(game::Game& game, QWidget* parent)
    : QWidget(parent), game_(game), ui_(std::make_unique<Ui::TitleWindow>()) {
    ui_->setupUi(this);
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
        const auto keyCode = static_cast<int16_t>(game_.GetPunishKey(index));
        PunishKeyBox(index)->setText(Text(title_texts::KeyName(keyCode)));
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
    palette.setColor(QPalette::Base, QColor(255, 255, 0));
    palette.setColor(QPalette::Text, Qt::black);
    box->setPalette(palette);
    // Focus by Tab selects the text, which would hide the editing colours.
    QMetaObject::invokeMethod(box, &QLineEdit::deselect, Qt::QueuedConnection);
}

void TitleWindow::txtPunishKey_LostFocus(int16_t index) {
    editingPunishKey_ = false;
    QLineEdit* box = PunishKeyBox(index);
    QPalette palette = box->palette();
    const QPalette system = QGuiApplication::palette();
    palette.setColor(QPalette::Base, system.color(QPalette::Base));
    palette.setColor(QPalette::Text, system.color(QPalette::Text));
    box->setPalette(palette);
}

void TitleWindow::txtPunishKey_KeyDown(int16_t index, int16_t keyCode, int16_t) {
    const QString name = Text(title_texts::KeyName(keyCode));
    const QLineEdit* other = PunishKeyBox(index == 0 ? 1 : 0);
    if (name == QLatin1String(title_texts::kNoName) || name == other->text()) {
        return;
    }
    QLineEdit* box = PunishKeyBox(index);
    box->setText(name);
    game_.SetPunishKey(index, keyCode);
    ShowHowToTexts(game_.GetInputMode());
    // Queued, so the focus moves on only once this key has been dealt with.
    QCoreApplication::postEvent(box, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
}

void TitleWindow::cmdGo_Click() {
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
