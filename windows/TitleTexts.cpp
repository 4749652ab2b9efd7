#include "windows/TitleTexts.h"

#include <array>
#include <string_view>
#include <utility>

namespace windows::title_texts {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

// Keys that are neither letters nor digits but still make good punch keys.
constexpr std::array<std::pair<int16_t, std::string_view>, 14> kNamedKeys = {{
    {33, "PgUp"},
    {34, "PgDown"},
    {35, "End"},
    {36, "Home"},
    {37, "←"},
    {38, "↑"},
    {39, "→"},
    {40, "↓"},
    {46, "Delete"},
    {106, "n*"},
    {107, "n+"},
    {109, "n-"},
    {110, "n,"},
    {111, "n/"},
}};

}  // namespace

std::string KeyName(int16_t keyCode) {
    if (keyCode >= 'A' && keyCode <= 'Z') {
        return std::string(1, static_cast<char>(keyCode));
    }
    if (keyCode >= '0' && keyCode <= '9') {
        return std::string(1, static_cast<char>(keyCode));
    }
    // The keypad's digits are 96 to 105.
    if (keyCode >= 96 && keyCode <= 105) {
        std::string name = "n";
        name += static_cast<char>('0' + keyCode - 96);
        return name;
    }
    for (const auto& [code, name] : kNamedKeys) {
        if (code == keyCode) {
            return std::string(name);
        }
    }
    return kNoName;
}

std::string HowToSelectText(int32_t mode) {
    std::string text = "<<メインシーンでの操作>>";
    text += kLineBreak;
    switch (mode) {
        case 0:
        case 1:
            text += "マウスのクリックでフェンドルを選択";
            break;
        case 2:
            text += "ASD";
            text += kLineBreak;
            text += "  ZXC それぞれのキーで選択";
            break;
        default:
            break;
    }
    return text;
}

std::string HowToPunishText(int32_t mode, int16_t punishKeyL, int16_t punishKeyR) {
    std::string text = "<<撲殺シーンでの操作>>";
    text += kLineBreak;
    switch (mode) {
        case 0:
            text += "左，右クリックを交互に連打";
            break;
        case 1:
        case 2:
            text += KeyName(punishKeyL);
            text += " ，";
            text += KeyName(punishKeyR);
            text += " キーを交互に連打";
            break;
        default:
            break;
    }
    return text;
}

}  // namespace windows::title_texts
