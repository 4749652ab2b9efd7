#include <exception>
#include <filesystem>
#include <iostream>
#include <string_view>
#include <vector>

#include "BmpWriter.h"
#include "Pictures.h"
#include "Preview.h"
#include "PunchSound.h"
#include "WavWriter.h"

// make_assets <data folder> [--preview <folder>]
// Writes the default sprite set and punch sound; the preview folder gets composed scenes.
int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.empty() || (args.size() != 1 && (args.size() != 3 || args[1] != "--preview"))) {
        std::cerr << "usage: make_assets <data folder> [--preview <folder>]\n";
        return 2;
    }
    try {
        const std::filesystem::path out(args[0]);
        std::filesystem::create_directories(out);

        const art::Canvas characters = art::makeCharacterSheet();
        const art::PictureSet pictures{art::makeSchoolScene(), characters,
                                       art::makePunchSheet(),  art::makeBeatingScene(),
                                       art::makeJudgeScene(),  art::makeSplashPicture(characters)};

        art::writeBmp(out / "default_m.bmp", pictures.school);
        art::writeBmp(out / "default_c.bmp", pictures.characters);
        art::writeBmp(out / "default_p.bmp", pictures.punches);
        art::writeBmp(out / "default_b.bmp", pictures.beating);
        art::writeBmp(out / "default_f.bmp", pictures.judge);
        art::writeBmp(out / "default_s.bmp", pictures.splash);
        const std::vector<double> sound = art::makePunchSound(art::kPunchSampleRate);
        art::writeWav(out / "default_p.wav", sound, art::kPunchSampleRate);

        if (args.size() == 3) {
            art::writePreviews(std::filesystem::path(args[2]), pictures);
        }
    } catch (const std::exception& e) {
        std::cerr << "make_assets: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
