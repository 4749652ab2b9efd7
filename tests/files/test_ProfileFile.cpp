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

// What reading entries from a file gives: the file's bytes (none: no file at
// all), then each read as section, entry, the value it gives and its fallback.
struct Lookup {
    std::string section;
    std::string entry;
    std::string value;
    std::string fallback = "<default>";
};

struct ReadCase {
    std::string name;
    std::optional<std::string> file;
    std::vector<Lookup> lookups;

    friend void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }
};

std::vector<ReadCase> ReadCases() {
    const std::string longValue = std::string(32766, 'a') + "bcd";
    const std::string fits(32766, 'z');
    return {
        {"MissingFileGivesTheDefaultUnchanged",
         std::nullopt,
         {{"Control Settings", "PunishKeyL", "37", "37"},
          {"Scores", "HiScore", "", ""},
          {"Scores", "HiScore", "  0 ", "  0 "}}},
        {"MissingSectionOrKeyGivesTheDefault",
         "[Scores]\r\nHiScore=5\r\n",
         {{"Control Settings", "HiScore", "0", "0"},
          {"Scores", "MaxHits", "0", "0"},
          {"Scores", "HiScore", "5", "0"}}},
        {"MatchesSectionAndKeyWithoutRegardToCase",
         "[sCoReS]\nhiscore=12\nMAXHITS=3\n",
         {{"Scores", "HiScore", "12"}, {"SCORES", "MaxHits", "3"}}},
        {"IgnoresBlanksAroundNames",
         "  [ \tControl Settings  ]\n \t InputMode \t=2\n",
         {{"Control Settings", "InputMode", "2"}, {" Control Settings\t", "  InputMode ", "2"}}},
        {"KeepsBlanksInsideNames",
         "[Control Settings]\nInputMode=2\n",
         {{"ControlSettings", "InputMode", "<default>"},
          {"Control Settings", "Input Mode", "<default>"}}},
        {"FirstOfDuplicateKeysWins",
         "[Scores]\nHiScore=1\nhiscore=2\nHiScore=3\n",
         {{"Scores", "HiScore", "1"}}},
        {"OnlyTheFirstOfDuplicateSectionsCounts",
         "[Scores]\nHiScore=1\n[Other]\nHiScore=7\n[SCORES]\nHiScore=2\nMaxHits=9\n",
         {{"Scores", "HiScore", "1"}, {"Scores", "MaxHits", "<default>"}}},
        {"FindsKeysOnlyInTheirOwnSection",
         "HiScore=4\n[Other]\nHiScore=5\n[Scores]\nMaxHits=6\n",
         {{"Scores", "HiScore", "<default>"}, {"Other", "HiScore", "5"}}},
        {"TrimsBlanksAroundTheValue",
         "[S]\nA=  12 \t\nB=\t-5\nC= two words \n",
         {{"S", "A", "12"}, {"S", "B", "-5"}, {"S", "C", "two words"}}},
        {"StripsOneMatchingPairOfQuotes",
         "[S]\nDouble=\"12\"\nSingle='34'\nInner=\" padded \"\nNested=\"'x'\"\nEmpty=\"\"\n",
         {{"S", "Double", "12"},
          {"S", "Single", "34"},
          {"S", "Inner", " padded "},
          {"S", "Nested", "'x'"},
          {"S", "Empty", ""}}},
        {"KeepsQuotesThatDoNotPair",
         "[S]\nMixed=\"12'\nOpenOnly=\"12\nCloseOnly=12\"\nLone=\"\nInside=a\"b\"\n",
         {{"S", "Mixed", "\"12'"},
          {"S", "OpenOnly", "\"12"},
          {"S", "CloseOnly", "12\""},
          {"S", "Lone", "\""},
          {"S", "Inside", "a\"b\""}}},
        {"KeyWithEmptyValueGivesEmptyStringNotTheDefault",
         "[Scores]\nMaxHits=\nHiScore=   \n",
         {{"Scores", "MaxHits", "", "0"}, {"Scores", "HiScore", "", "0"}}},
        {"KeepsEverythingAfterTheFirstEqualsSign", "[S]\nA=b=c;d\n", {{"S", "A", "b=c;d"}}},
        {"IgnoresCommentsAndLinesWithoutEqualsSign",
         "; [Scores]\n[Scores]\n;HiScore=9\n   ; "
         "MaxHits=8\nMaxKnockOutScore\n[Broken\nInputMode=1\n",
         {{"Scores", "HiScore", "<default>"},
          {"Scores", "MaxHits", "<default>"},
          {"Scores", "MaxKnockOutScore", "<default>"},
          {"Scores", "InputMode", "1"}}},
        {"ToleratesCrLfLfAndAByteOrderMark",
         "\xEF\xBB\xBF[Scores]\r\nHiScore=1\r\nMaxHits=2\nMaxKnockOutScore=3",
         {{"Scores", "HiScore", "1"},
          {"Scores", "MaxHits", "2"},
          {"Scores", "MaxKnockOutScore", "3"}}},
        {"CutsLongValuesToTheProfileBuffer",
         "[S]\nLong=" + longValue + "\nFits=" + fits + "\n",
         {{"S", "Long", std::string(32766, 'a')},
          {"S", "Fits", fits},
          {"S", "Missing", std::string(32766, 'a'), longValue}}},
        {"EndsTheValueAtANulCharacter",
         std::string("[S]\nA=12\0"
                     "34\n",
                     12),
         {{"S", "A", "12"}}},
    };
}

class FileRead : public fakes::IniFileTest, public testing::WithParamInterface<ReadCase> {};

TEST_P(FileRead, GivesTheValueOrTheFallback) {
    if (GetParam().file) {
        WriteRaw(*GetParam().file);
    }
    for (const Lookup& l : GetParam().lookups) {
        EXPECT_EQ(Read(l.section, l.entry, l.fallback), l.value) << l.section << " / " << l.entry;
    }
}

INSTANTIATE_TEST_SUITE_P(ReadProfileString, FileRead, testing::ValuesIn(ReadCases()),
                         [](const auto& info) { return info.param.name; });

// What writing entries one by one leaves: the file before (none: no file at
// all), the writes, each of which must succeed and read back, and the bytes after.
struct WriteCase {
    const char* name;
    std::optional<std::string> before;
    std::vector<files::ProfileEdit> writes;
    std::string after;

    friend void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }
};

const WriteCase kWriteCases[] = {
    {"BuildsTheSettingsFileFromNothingInWriteOrder",
     std::nullopt,
     {{"Scores", "HiScore", "1234"},
      {"Scores", "MaxKnockOutScore", "567"},
      {"Scores", "MaxHits", "89"},
      {"Control Settings", "InputMode", "0"},
      {"Control Settings", "PunishKeyL", "37"},
      {"Control Settings", "PunishKeyR", "39"}},
     "[Scores]\r\nHiScore=1234\r\nMaxKnockOutScore=567\r\nMaxHits=89\r\n"
     "[Control Settings]\r\nInputMode=0\r\nPunishKeyL=37\r\nPunishKeyR=39\r\n"},
    {"ReplacesTheValueWhereTheKeyStands",
     "[Scores]\r\nHiScore=1\r\nMaxHits=2\r\n[Control Settings]\r\nInputMode=0\r\n",
     {{"Scores", "HiScore", "-5"}},
     "[Scores]\r\nHiScore=-5\r\nMaxHits=2\r\n[Control Settings]\r\nInputMode=0\r\n"},
    {"MatchesNamesLikeReadAndKeepsTheFilesSpellingOfTheKey",
     "[ scores ]\n  hiscore =  1 \nMaxHits=2\n",
     {{"Scores", "HiScore", "77"}},
     "[ scores ]\nhiscore=77\nMaxHits=2\n"},
    {"ReplacesOnlyTheFirstOfDuplicateKeys",
     "[S]\nA=1\nA=2\n[S]\nA=3\n",
     {{"S", "A", "9"}},
     "[S]\nA=9\nA=2\n[S]\nA=3\n"},
    {"AddsAMissingKeyToTheEndOfItsOwnSection",
     "[Scores]\nHiScore=1\n; best\n\n\n[Control Settings]\nInputMode=1\n",
     {{"scores", "MaxHits", "4"}},
     "[Scores]\nHiScore=1\n; best\nMaxHits=4\n\n\n[Control Settings]\nInputMode=1\n"},
    {"AddsAMissingKeyToTheFirstOfDuplicateSections",
     "[S]\nA=1\n[T]\n[S]\nB=2\n",
     {{"S", "B", "3"}},
     "[S]\nA=1\nB=3\n[T]\n[S]\nB=2\n"},
    {"AddsAKeyRightUnderAnEmptySectionsHeader",
     "[Scores]\r\n\r\n[Control Settings]\r\n",
     {{"Scores", "HiScore", "8"}},
     "[Scores]\r\nHiScore=8\r\n\r\n[Control Settings]\r\n"},
    {"AddsAMissingSectionAtTheEndOfTheFile",
     "[Control Settings]\nInputMode=2\n\n",
     {{"Scores", "HiScore", "10"}},
     "[Control Settings]\nInputMode=2\n\n[Scores]\nHiScore=10\n"},
    {"EndsAnUnendedLastLineBeforeAddingAKey",
     "[S]\r\nA=1",
     {{"S", "B", "2"}},
     "[S]\r\nA=1\r\nB=2\r\n"},
    {"EndsAnUnendedLastLineBeforeAddingASection",
     "[S]\r\nA=1",
     {{"S", "B", "2"}, {"T", "C", "3"}},
     "[S]\r\nA=1\r\nB=2\r\n[T]\r\nC=3\r\n"},
    {"KeepsTheByteOrderMark",
     "\xEF\xBB\xBF[S]\nA=1\n",
     {{"S", "A", "2"}},
     "\xEF\xBB\xBF[S]\nA=2\n"},
    {"WritesAKeyIntoAnEmptyFile", "", {{"S", "A", "1"}}, "[S]\r\nA=1\r\n"},
    {"WritesNamesWithoutSurroundingBlanks",
     std::nullopt,
     {{"  Scores ", " HiScore\t", "3"}},
     "[Scores]\r\nHiScore=3\r\n"},
    {"ValueWithBracketsEqualsAndSemicolonReadsBack",
     std::nullopt,
     {{"Odd]Name", "Key", "a=b;[c]"}},
     "[Odd]Name]\r\nKey=a=b;[c]\r\n"},
};

class FileWrite : public fakes::IniFileTest, public testing::WithParamInterface<WriteCase> {};

TEST_P(FileWrite, LeavesTheseBytesAndReadsBack) {
    if (GetParam().before) {
        WriteRaw(*GetParam().before);
    }
    for (const files::ProfileEdit& e : GetParam().writes) {
        EXPECT_TRUE(Write(e.section, e.entry, e.value)) << e.section << " / " << e.entry;
    }
    EXPECT_EQ(ReadRaw(), GetParam().after);
    for (const files::ProfileEdit& e : GetParam().writes) {
        EXPECT_EQ(Read(e.section, e.entry), e.value) << e.section << " / " << e.entry;
    }
}

INSTANTIATE_TEST_SUITE_P(WriteProfileString, FileWrite, testing::ValuesIn(kWriteCases),
                         [](const auto& info) { return std::string(info.param.name); });

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
