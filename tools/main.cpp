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

        const art::Canvas characters = art::MakeCharacterSheet();
        const art::PictureSet pictures{art::MakeSchoolScene(), characters,
                                       art::MakePunchSheet(),  art::MakeBeatingScene(),
                                       art::MakeJudgeScene(),  art::MakeSplashPicture(characters)};

        art::WriteBmp(out / "default_m.bmp", pictures.school);
        art::WriteBmp(out / "default_c.bmp", pictures.characters);
        art::WriteBmp(out / "default_p.bmp", pictures.punches);
        art::WriteBmp(out / "default_b.bmp", pictures.beating);
        art::WriteBmp(out / "default_f.bmp", pictures.judge);
        art::WriteBmp(out / "default_s.bmp", pictures.splash);
        const std::vector<double> sound = art::MakePunchSound(art::kPunchSampleRate);
        art::WriteWav(out / "default_p.wav", sound, art::kPunchSampleRate);

        if (args.size() == 3) {
            art::WritePreviews(std::filesystem::path(args[2]), pictures);
        }
    } catch (const std::exception& e) {
        std::cerr << "make_assets: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
