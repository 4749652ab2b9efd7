#include "characters/FendorNames.h"

namespace clsFendorTables {

const std::array<std::string_view, 33> FendorNames = {
    "エリュフォード", "シルキリ",       "リェム",         "ロウ",         "ディリウス",
    "ガラス",         "アガタ",         "ヒッポリュテー", "オリヴィア",   "ヘクト",
    "パトリシア",     "ポルケ",         "ルーファン",     "アルファ",     "フィー",
    "ロメル",         "エクトラス",     "ラッカー",       "レインミリウ", "ネイ",
    "スィグマ",       "テュラグロ",     "ミュガレーム",   "ルーム",       "ゼグ",
    "ラーディ",       "デュラフィーク", "リリーサ",       "レヴィアド",   "スモプワイム",
    "アトイル",       "イエプニュス",   "ポチ",
};

}  // namespace clsFendorTables
