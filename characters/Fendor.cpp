#include "characters/Fendor.h"

#include "arithmetic/CheckedMath.h"
#include "arithmetic/RandomInt.h"
#include "characters/FendorNames.h"
#include "characters/FendorTexts.h"

namespace characters {

using arithmetic::CheckedAdd;
using arithmetic::CheckedDiv;
using arithmetic::CheckedMul;
using arithmetic::CheckedSub;
using arithmetic::RandomUpTo;

Fendor::Fendor(platform::Random& random, platform::MessageBox& messages)
    : random_(random), messages_(messages) {}

void Fendor::Create() {
    const int32_t index = RandomUpTo(random_, 32.0);
    name_ = std::string(FendorNames.at(static_cast<size_t>(index)));
    lv_ = 1;
    sense_ = RandomUpTo(random_, 9.0) + 1;
    miss_ = 0;
    missTime_ = 0;
}

void Fendor::DoFendo() {
    if (missTime_ > 0) {
        missTime_ = CheckedSub(missTime_, 1);
    }
    if (missTime_ > 0) {
        return;
    }
    miss_ = 0;

    const int32_t levelUpDraw = RandomUpTo(random_, 150.0);
    if (CheckedSub(levelUpDraw, sense_) <= 0) {
        LvUp(true, 1);
    }

    // Read the level only now: a graduation just above starts again at 1.
    const int32_t misdeedDraw = RandomUpTo(random_, static_cast<double>(CheckedAdd(lv_, 5)));
    if (misdeedDraw != 0) {
        return;
    }
    StartMisdeed();
}

void Fendor::StartMisdeed() {
    const int32_t severityDraw = RandomUpTo(random_, 50.0);
    miss_ = CheckedAdd(CheckedDiv(severityDraw, lv_), 1);
    if (miss_ >= 10) {
        miss_ = miss_ / 10;
    }
    if (miss_ >= 5) {
        miss_ = miss_ / 5;
    }
    if (miss_ == 0) {
        miss_ = 1;
    }
    missTime_ = kMisdeedFrames;
}

bool Fendor::Attack() const {
    return missTime_ >= 1 && miss_ >= 1;
}

std::string Fendor::GetFendorData() const {
    std::string text = name_;
    text += fendor_texts::kLevelTag;
    text += std::to_string(lv_);
    return text;
}

void Fendor::LvUp(bool graduationNotice, int32_t increase) {
    if (increase > 0) {
        lv_ = CheckedAdd(lv_, increase);
    } else {
        lv_ = CheckedAdd(lv_, RandomUpTo(random_, static_cast<double>(sense_)));
    }
    if (lv_ > kGraduationLevel && graduationNotice) {
        Graduate();
    }
    miss_ = 0;
    missTime_ = 0;
}

void Fendor::Graduate() {
    messages_.Show(name_ + std::string(fendor_texts::kGraduated));
    Create();
    messages_.Show(name_ + std::string(fendor_texts::kEnrolled));
}

int32_t Fendor::PointsCalc(int32_t hits) const {
    const int32_t perHit = CheckedMul(CheckedMul(lv_, 2), missTime_);
    return CheckedDiv(CheckedMul(perHit, CheckedMul(hits, 6)), miss_);
}

}  // namespace characters
