#include "files/ProfileFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "IniFolder.h"

namespace {

namespace fs = std::filesystem;
using fakes::IniFileTest;

using ReadProfileString = IniFileTest;
using WriteProfileString = IniFileTest;

TEST_F(ReadProfileString, MissingFileGivesTheDefaultUnchanged) {
    EXPECT_EQ(Read("Control Settings", "PunishKeyL", "37"), "37");
    EXPECT_EQ(Read("Scores", "HiScore", ""), "");
    EXPECT_EQ(Read("Scores", "HiScore", "  0 "), "  0 ");
}

TEST_F(ReadProfileString, MissingSectionOrKeyGivesTheDefault) {
    WriteRaw("[Scores]\r\nHiScore=5\r\n");
    EXPECT_EQ(Read("Control Settings", "HiScore", "0"), "0");
    EXPECT_EQ(Read("Scores", "MaxHits", "0"), "0");
    EXPECT_EQ(Read("Scores", "HiScore", "0"), "5");
}

TEST_F(ReadProfileString, FolderInsteadOfFileGivesTheDefault) {
    fs::create_directory(path_);
    EXPECT_EQ(Read("Scores", "HiScore", "0"), "0");
}

TEST_F(ReadProfileString, PipeInsteadOfFileGivesTheDefaultWithoutWaiting) {
    ASSERT_EQ(mkfifo(path_.c_str(), 0600), 0);
    EXPECT_EQ(Read("Scores", "HiScore", "0"), "0");
    EXPECT_FALSE(Write("Scores", "HiScore", "1"));
    EXPECT_TRUE(fs::is_fifo(path_));
}

TEST_F(ReadProfileString, MatchesSectionAndKeyWithoutRegardToCase) {
    WriteRaw("[sCoReS]\nhiscore=12\nMAXHITS=3\n");
    EXPECT_EQ(Read("Scores", "HiScore"), "12");
    EXPECT_EQ(Read("SCORES", "MaxHits"), "3");
}

TEST_F(ReadProfileString, IgnoresBlanksAroundNames) {
    WriteRaw("  [ \tControl Settings  ]\n \t InputMode \t=2\n");
    EXPECT_EQ(Read("Control Settings", "InputMode"), "2");
    EXPECT_EQ(Read(" Control Settings\t", "  InputMode "), "2");
}

TEST_F(ReadProfileString, KeepsBlanksInsideNames) {
    WriteRaw("[Control Settings]\nInputMode=2\n");
    EXPECT_EQ(Read("ControlSettings", "InputMode"), "<default>");
    EXPECT_EQ(Read("Control Settings", "Input Mode"), "<default>");
}

TEST_F(ReadProfileString, FirstOfDuplicateKeysWins) {
    WriteRaw("[Scores]\nHiScore=1\nhiscore=2\nHiScore=3\n");
    EXPECT_EQ(Read("Scores", "HiScore"), "1");
}

TEST_F(ReadProfileString, OnlyTheFirstOfDuplicateSectionsCounts) {
    WriteRaw("[Scores]\nHiScore=1\n[Other]\nHiScore=7\n[SCORES]\nHiScore=2\nMaxHits=9\n");
    EXPECT_EQ(Read("Scores", "HiScore"), "1");
    EXPECT_EQ(Read("Scores", "MaxHits"), "<default>");
}

TEST_F(ReadProfileString, FindsKeysOnlyInTheirOwnSection) {
    WriteRaw("HiScore=4\n[Other]\nHiScore=5\n[Scores]\nMaxHits=6\n");
    EXPECT_EQ(Read("Scores", "HiScore"), "<default>");
    EXPECT_EQ(Read("Other", "HiScore"), "5");
}

TEST_F(ReadProfileString, TrimsBlanksAroundTheValue) {
    WriteRaw("[S]\nA=  12 \t\nB=\t-5\nC= two words \n");
    EXPECT_EQ(Read("S", "A"), "12");
    EXPECT_EQ(Read("S", "B"), "-5");
    EXPECT_EQ(Read("S", "C"), "two words");
}

TEST_F(ReadProfileString, StripsOneMatchingPairOfQuotes) {
    WriteRaw(
        "[S]\n"
        "Double=\"12\"\n"
        "Single='34'\n"
        "Inner=\" padded \"\n"
        "Nested=\"'x'\"\n"
        "Empty=\"\"\n");
    EXPECT_EQ(Read("S", "Double"), "12");
    EXPECT_EQ(Read("S", "Single"), "34");
    EXPECT_EQ(Read("S", "Inner"), " padded ");
    EXPECT_EQ(Read("S", "Nested"), "'x'");
    EXPECT_EQ(Read("S", "Empty"), "");
}

TEST_F(ReadProfileString, KeepsQuotesThatDoNotPair) {
    WriteRaw(
        "[S]\n"
        "Mixed=\"12'\n"
        "OpenOnly=\"12\n"
        "CloseOnly=12\"\n"
        "Lone=\"\n"
        "Inside=a\"b\"\n");
    EXPECT_EQ(Read("S", "Mixed"), "\"12'");
    EXPECT_EQ(Read("S", "OpenOnly"), "\"12");
    EXPECT_EQ(Read("S", "CloseOnly"), "12\"");
    EXPECT_EQ(Read("S", "Lone"), "\"");
    EXPECT_EQ(Read("S", "Inside"), "a\"b\"");
}

TEST_F(ReadProfileString, KeyWithEmptyValueGivesEmptyStringNotTheDefault) {
    WriteRaw("[Scores]\nMaxHits=\nHiScore=   \n");
    EXPECT_EQ(Read("Scores", "MaxHits", "0"), "");
    EXPECT_EQ(Read("Scores", "HiScore", "0"), "");
}

TEST_F(ReadProfileString, KeepsEverythingAfterTheFirstEqualsSign) {
    WriteRaw("[S]\nA=b=c;d\n");
    EXPECT_EQ(Read("S", "A"), "b=c;d");
}

TEST_F(ReadProfileString, IgnoresCommentsAndLinesWithoutEqualsSign) {
    WriteRaw(
        "; [Scores]\n"
        "[Scores]\n"
        ";HiScore=9\n"
        "   ; MaxHits=8\n"
        "MaxKnockOutScore\n"
        "[Broken\n"
        "InputMode=1\n");
    EXPECT_EQ(Read("Scores", "HiScore"), "<default>");
    EXPECT_EQ(Read("Scores", "MaxHits"), "<default>");
    EXPECT_EQ(Read("Scores", "MaxKnockOutScore"), "<default>");
    EXPECT_EQ(Read("Scores", "InputMode"), "1");
}

TEST_F(ReadProfileString, ToleratesCrLfLfAndAByteOrderMark) {
    WriteRaw("\xEF\xBB\xBF[Scores]\r\nHiScore=1\r\nMaxHits=2\nMaxKnockOutScore=3");
    EXPECT_EQ(Read("Scores", "HiScore"), "1");
    EXPECT_EQ(Read("Scores", "MaxHits"), "2");
    EXPECT_EQ(Read("Scores", "MaxKnockOutScore"), "3");
}

TEST_F(ReadProfileString, CutsLongValuesToTheProfileBuffer) {
    const std::string longValue = std::string(32766, 'a') + "bcd";
    WriteRaw("[S]\nLong=" + longValue + "\nFits=" + std::string(32766, 'z') + "\n");
    EXPECT_EQ(Read("S", "Long"), std::string(32766, 'a'));
    EXPECT_EQ(Read("S", "Fits"), std::string(32766, 'z'));
    EXPECT_EQ(Read("S", "Missing", longValue), std::string(32766, 'a'));
}

TEST_F(ReadProfileString, EndsTheValueAtANulCharacter) {
    WriteRaw(
        std::string("[S]\nA=12\0"
                    "34\n",
                    12));
    EXPECT_EQ(Read("S", "A"), "12");
}

TEST_F(WriteProfileString, BuildsTheSettingsFileFromNothingInWriteOrder) {
    EXPECT_TRUE(Write("Scores", "HiScore", "1234"));
    EXPECT_TRUE(Write("Scores", "MaxKnockOutScore", "567"));
    EXPECT_TRUE(Write("Scores", "MaxHits", "89"));
    EXPECT_TRUE(Write("Control Settings", "InputMode", "0"));
    EXPECT_TRUE(Write("Control Settings", "PunishKeyL", "37"));
    EXPECT_TRUE(Write("Control Settings", "PunishKeyR", "39"));
    EXPECT_EQ(ReadRaw(),
              "[Scores]\r\n"
              "HiScore=1234\r\n"
              "MaxKnockOutScore=567\r\n"
              "MaxHits=89\r\n"
              "[Control Settings]\r\n"
              "InputMode=0\r\n"
              "PunishKeyL=37\r\n"
              "PunishKeyR=39\r\n");
    EXPECT_EQ(Read("Scores", "MaxKnockOutScore"), "567");
    EXPECT_EQ(Read("Control Settings", "PunishKeyR"), "39");
}

TEST_F(WriteProfileString, ReplacesTheValueWhereTheKeyStands) {
    WriteRaw("[Scores]\r\nHiScore=1\r\nMaxHits=2\r\n[Control Settings]\r\nInputMode=0\r\n");
    EXPECT_TRUE(Write("Scores", "HiScore", "-5"));
    EXPECT_EQ(ReadRaw(),
              "[Scores]\r\nHiScore=-5\r\nMaxHits=2\r\n[Control Settings]\r\nInputMode=0\r\n");
}

TEST_F(WriteProfileString, MatchesNamesLikeReadAndKeepsTheFilesSpellingOfTheKey) {
    WriteRaw("[ scores ]\n  hiscore =  1 \nMaxHits=2\n");
    EXPECT_TRUE(Write("Scores", "HiScore", "77"));
    EXPECT_EQ(ReadRaw(), "[ scores ]\nhiscore=77\nMaxHits=2\n");
}

TEST_F(WriteProfileString, ReplacesOnlyTheFirstOfDuplicateKeys) {
    WriteRaw("[S]\nA=1\nA=2\n[S]\nA=3\n");
    EXPECT_TRUE(Write("S", "A", "9"));
    EXPECT_EQ(ReadRaw(), "[S]\nA=9\nA=2\n[S]\nA=3\n");
}

TEST_F(WriteProfileString, KeepsEveryOtherLineByteForByte) {
    const std::string before =
        "; settings\r\n"
        "[Other]  ; trailing words\r\n"
        "  Odd Key =  'quoted'  \r\n"
        "noequals\r\n"
        "\r\n"
        "[Scores]\r\n"
        "HiScore = 1\r\n"
        "\t;MaxHits=3\r\n"
        "\r\n"
        "[Last]\r\n"
        "X=\"y\"";
    WriteRaw(before);
    EXPECT_TRUE(Write("Scores", "HiScore", "2"));
    std::string expected = before;
    expected.replace(expected.find("HiScore = 1"), 11, "HiScore=2");
    EXPECT_EQ(ReadRaw(), expected);
    EXPECT_EQ(Read("Other", "Odd Key"), "quoted");
    EXPECT_EQ(Read("Last", "X"), "y");
}

TEST_F(WriteProfileString, AddsAMissingKeyToTheEndOfItsOwnSection) {
    WriteRaw("[Scores]\nHiScore=1\n; best\n\n\n[Control Settings]\nInputMode=1\n");
    EXPECT_TRUE(Write("scores", "MaxHits", "4"));
    EXPECT_EQ(ReadRaw(),
              "[Scores]\nHiScore=1\n; best\nMaxHits=4\n\n\n[Control Settings]\nInputMode=1\n");
}

TEST_F(WriteProfileString, AddsAMissingKeyToTheFirstOfDuplicateSections) {
    WriteRaw("[S]\nA=1\n[T]\n[S]\nB=2\n");
    EXPECT_TRUE(Write("S", "B", "3"));
    EXPECT_EQ(ReadRaw(), "[S]\nA=1\nB=3\n[T]\n[S]\nB=2\n");
    EXPECT_EQ(Read("S", "B"), "3");
}

TEST_F(WriteProfileString, AddsAKeyRightUnderAnEmptySectionsHeader) {
    WriteRaw("[Scores]\r\n\r\n[Control Settings]\r\n");
    EXPECT_TRUE(Write("Scores", "HiScore", "8"));
    EXPECT_EQ(ReadRaw(), "[Scores]\r\nHiScore=8\r\n\r\n[Control Settings]\r\n");
}

TEST_F(WriteProfileString, AddsAMissingSectionAtTheEndOfTheFile) {
    WriteRaw("[Control Settings]\nInputMode=2\n\n");
    EXPECT_TRUE(Write("Scores", "HiScore", "10"));
    EXPECT_EQ(ReadRaw(), "[Control Settings]\nInputMode=2\n\n[Scores]\nHiScore=10\n");
}

TEST_F(WriteProfileString, EndsAnUnendedLastLineBeforeAddingToIt) {
    WriteRaw("[S]\r\nA=1");
    EXPECT_TRUE(Write("S", "B", "2"));
    EXPECT_EQ(ReadRaw(), "[S]\r\nA=1\r\nB=2\r\n");
    EXPECT_TRUE(Write("T", "C", "3"));
    EXPECT_EQ(ReadRaw(), "[S]\r\nA=1\r\nB=2\r\n[T]\r\nC=3\r\n");
}

// A lone CR ends a line too, and a line the write adds ends the way the
// file's first line ends.
TEST_F(WriteProfileString, AddsLinesWithTheFilesOwnLineEnd) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        // before, after
        {"[S]\rA=1\r", "[S]\rA=7\rB=2\r[T]\rC=3\r"},
        {"[S]\rA=1", "[S]\rA=7\rB=2\r[T]\rC=3\r"},
        {"[S]\nA=1\r\n", "[S]\nA=7\r\nB=2\n[T]\nC=3\n"},
        {"[S]\r\nA=1\n", "[S]\r\nA=7\nB=2\r\n[T]\r\nC=3\r\n"},
        {"[S]\r\rA=1\r\n", "[S]\r\rA=7\r\nB=2\r[T]\rC=3\r"},
        {"[S]\r\r\nA=1\r\r\nB=2\r", "[S]\r\r\nA=7\r\r\nB=2\r[T]\rC=3\r"},
        {"[S]\nA=1\rB=2\r\n", "[S]\nA=7\rB=2\r\n[T]\nC=3\n"},
    };
    for (const auto& [before, after] : cases) {
        SCOPED_TRACE(before);
        WriteRaw(before);
        EXPECT_EQ(Read("S", "A"), "1");
        EXPECT_TRUE(Write("S", "A", "7") && Write("S", "B", "2") && Write("T", "C", "3"));
        EXPECT_EQ(ReadRaw(), after);
    }
}

// A file with a UTF-16 byte order mark is read and written as UTF-16 in its
// own byte order; one that is not UTF-16 after the mark is left untouched.
TEST_F(WriteProfileString, KeepsAUtf16FileInUtf16) {
    using fakes::Utf16;
    const std::u16string before = u"[S]\r\nA=1\r\nN=\u00E9\U0001F600\r\n";
    const std::u16string after = u"[S]\r\nA=7\r\nN=\u00E9\U0001F600\r\nB=2\r\n";
    const std::vector<std::pair<std::string, std::optional<std::string>>> cases = {
        {Utf16(before), Utf16(after)},
        {Utf16(before, true), Utf16(after, true)},
        {Utf16(std::string("[S]\nA=1\n")) + "\n", std::nullopt},
        {Utf16(u"[S]\nA=1\nN=\xD800\n"), std::nullopt},
        {Utf16(u"[S]\nA=1\nN=\xDC00\xD800\n", true), std::nullopt},
    };
    for (const auto& [start, end] : cases) {
        SCOPED_TRACE(start);
        WriteRaw(start);
        EXPECT_EQ(Read("S", "A"), end ? "1" : "<default>");
        EXPECT_EQ(Write("S", "A", "7") && Write("S", "B", "2"), end.has_value());
        EXPECT_EQ(ReadRaw(), end.value_or(start));
        EXPECT_EQ(Read("S", "N"), end ? "\u00E9\U0001F600" : "<default>");
    }
}

TEST_F(WriteProfileString, KeepsTheByteOrderMark) {
    WriteRaw("\xEF\xBB\xBF[S]\nA=1\n");
    EXPECT_TRUE(Write("S", "A", "2"));
    EXPECT_EQ(ReadRaw(), "\xEF\xBB\xBF[S]\nA=2\n");
}

TEST_F(WriteProfileString, WritesAKeyIntoAnEmptyFile) {
    WriteRaw("");
    EXPECT_TRUE(Write("S", "A", "1"));
    EXPECT_EQ(ReadRaw(), "[S]\r\nA=1\r\n");
}

TEST_F(WriteProfileString, WritesNamesWithoutSurroundingBlanks) {
    EXPECT_TRUE(Write("  Scores ", " HiScore\t", "3"));
    EXPECT_EQ(ReadRaw(), "[Scores]\r\nHiScore=3\r\n");
}

TEST_F(WriteProfileString, ValueWithBracketsEqualsAndSemicolonReadsBack) {
    EXPECT_TRUE(Write("Odd]Name", "Key", "a=b;[c]"));
    EXPECT_EQ(Read("Odd]Name", "Key"), "a=b;[c]");
}

TEST_F(WriteProfileString, RefusesWhatCannotBeStoredAsOneLineAndLeavesTheFile) {
    const std::string before = "[S]\nA=1\n";
    WriteRaw(before);
    EXPECT_FALSE(Write("S", "A", "1\n[T]"));
    EXPECT_FALSE(Write("S", "A", "1\r2"));
    EXPECT_FALSE(Write("S", "A",
                       std::string_view("1\0"
                                        "2",
                                        3)));
    EXPECT_FALSE(Write("S\nT", "A", "1"));
    EXPECT_FALSE(Write("S", "A=B", "1"));
    EXPECT_FALSE(Write("S", "  ", "1"));
    EXPECT_FALSE(Write("S", ";A", "1"));
    EXPECT_FALSE(Write("S", "[A]", "1"));
    EXPECT_EQ(ReadRaw(), before);
}

TEST_F(WriteProfileString, KeepsThePermissionsOfTheFile) {
    WriteRaw("[S]\nA=1\n");
    fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_TRUE(Write("S", "A", "2"));
    EXPECT_EQ(fs::status(path_).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(WriteProfileString, WritesThroughASymbolicLink) {
    const fs::path real = folder_ / "real.ini";
    std::ofstream(real, std::ios::binary) << "[S]\nA=1\n";
    fs::create_symlink(real, path_);
    EXPECT_TRUE(Write("S", "A", "2"));
    EXPECT_TRUE(fs::is_symlink(path_));
    EXPECT_EQ(Read("S", "A"), "2");
}

// One replace of the whole file must leave the very bytes that writing the
// keys one at a time leaves, whatever the file held before.
TEST_F(WriteProfileString, SeveralKeysAtOnceGiveTheBytesOfOneAtATime) {
    const std::vector<files::ProfileEdit> edits = {
        {"Scores", "HiScore", "1234"},
        {"Scores", "MaxKnockOutScore", "567"},
        {"Scores", "MaxHits", "89"},
        {"Control Settings", "InputMode", "0"},
        {"Control Settings", "PunishKeyL", "-37"},
        {"Control Settings", "PunishKeyR", "39"},
    };
    const std::vector<std::optional<std::string>> starts = {
        std::nullopt,
        "",
        "[Scores]\r\nHiScore=1\r\nMaxKnockOutScore=2\r\nMaxHits=3\r\n[Control Settings]\r\n"
        "InputMode=1\r\nPunishKeyL=65\r\nPunishKeyR=66\r\n",
        "[Control Settings]\nInputMode=2\n",
        "\xEF\xBB\xBF; mine\n[Window]\nLeft=3\n\n[ scores ]\n hiscore = 9 \n;MaxHits=1\n\n"
        "[Other]\nX=1\n[SCORES]\nMaxHits=5",
        "[control settings]\r\nPUNISHKEYR=1\r\n[Scores]\r\n[Scores]\r\nMaxHits=7\r\nstray line",
    };
    const std::string oneByOne = (folder_ / "one-by-one.ini").string();
    for (const std::optional<std::string>& start : starts) {
        SCOPED_TRACE(start.value_or("<no file>"));
        fs::remove(path_);
        fs::remove(oneByOne);
        if (start) {
            WriteRaw(*start);
            fakes::Write(oneByOne, *start);
        }
        for (const files::ProfileEdit& e : edits) {
            ASSERT_TRUE(files::WriteProfileString(e.section, e.entry, e.value, oneByOne));
        }
        ASSERT_TRUE(files::WriteProfileStrings(path_, edits));
        EXPECT_EQ(ReadRaw(), fakes::ReadBytes(oneByOne));
    }
}

// No write makes a file longer than the longest one a read takes.
TEST_F(WriteProfileString, NeverMakesAFileTooLongToReadBack) {
    const std::string head = "[S]\r\nA=1\r\n;";
    for (const std::size_t after : {1048576u, 1048577u}) {
        SCOPED_TRACE(after);
        const std::string before = head + std::string(after - head.size() - 3, 'x');
        WriteRaw(before);
        EXPECT_EQ(Write("S", "A", "1234"), after == 1048576u);
        EXPECT_EQ(ReadRaw().size(), after == 1048576u ? after : before.size());
        EXPECT_EQ(Read("S", "A"), after == 1048576u ? "1234" : "1");
    }
}

// Anyone who may read the folder may lock it; keeping it locked must not keep
// the game from saving for ever.
TEST_F(WriteProfileString, SavesEvenWhileSomeoneKeepsTheFolderLocked) {
    const files::UniqueFd folder(::open(folder_.c_str(), O_RDONLY | O_DIRECTORY));
    ASSERT_EQ(::flock(folder.get(), LOCK_EX), 0);
    const fakes::HangGuard guard;
    EXPECT_TRUE(Write("S", "A", "1"));
    EXPECT_EQ(Read("S", "A"), "1");
}

TEST_F(WriteProfileString, SeveralKeysAtOnceWriteNothingWhenOneCannotBeStored) {
    WriteRaw("[S]\nA=1\n");
    const std::vector<files::ProfileEdit> edits = {{"S", "A", "2"}, {"S", "B", "x\ny"}};
    EXPECT_FALSE(files::WriteProfileStrings(path_, edits));
    EXPECT_EQ(ReadRaw(), "[S]\nA=1\n");
}

}  // namespace
