#pragma once

#include <cstdint>
#include <string>

#include "platform/MessageBox.h"
#include "platform/Random.h"

namespace characters {

// One pupil of the school: a name, a level, a trait, and from time to time a
// misdeed that lasts six roster frames. Graduation past level 100 turns the
// object into a newly enrolled Fendor in place.
class Fendor {
public:
    static constexpr int32_t kMisdeedFrames = 6;
    static constexpr int32_t kGraduationLevel = 100;

    Fendor(platform::Random& random, platform::MessageBox& messages);

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    int32_t Lv() const { return lv_; }
    void SetLv(int32_t lv) { lv_ = lv; }
    int32_t Sense() const { return sense_; }
    void SetSense(int32_t sense) { sense_ = sense; }
    int32_t Miss() const { return miss_; }
    void SetMiss(int32_t miss) { miss_ = miss; }
    int32_t MissTime() const { return missTime_; }
    void SetMissTime(int32_t missTime) { missTime_ = missTime; }

    // A new Fendor: random name and trait, level 1, behaving.
    void Create();
    // The Fendor's own behaviour for one roster frame.
    void DoFendo();
    // Changes nothing: only asks whether the Fendor is misbehaving, so picking it is just.
    bool Attack() const;
    // "<name>; Lv<level>"
    std::string GetFendorData() const;
    // Gains `increase` levels, or a random 0..Sense when `increase` is not
    // positive; any misdeed ends.
    void LvUp(bool graduationNotice, int32_t increase);
    // Points for `hits` hits on this misdeed; needs Miss >= 1.
    int32_t PointsCalc(int32_t hits) const;

private:
    void StartMisdeed();
    void Graduate();

    platform::Random& random_;
    platform::MessageBox& messages_;
    std::string name_;
    int32_t lv_ = 1;
    int32_t sense_ = 1;
    int32_t miss_ = 0;
    int32_t missTime_ = 0;
};

}  // namespace characters
