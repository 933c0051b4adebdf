#include "services/core/ProfileEdit.h"
#include "services/core/ProfileText.h"

#include <gtest/gtest.h>

#include <string>

using namespace pelikor;

namespace {

std::string valueIn(const std::string& bytes, const char* section, const char* key)
{
    return ProfileText(bytes).value(section, key).value_or("<missing>");
}

} // namespace

TEST(ProfileRead, NamesIgnoreCaseAndBlanksAroundNamesAndValuesAreTrimmed)
{
    const std::string file = "  [ nAsTaVeNi ]  \n\t pomocnik \t=  1 \t\nUVITANI=0\n";
    EXPECT_EQ(valueIn(file, "Nastaveni", "Pomocnik"), "1");
    EXPECT_EQ(valueIn(file, "NASTAVENI", "uvitani"), "0");
}

TEST(ProfileRead, MissingSectionOrKeyIsMissing)
{
    const std::string file = "[Jine]\nPomocnik=1\n[Nastaveni]\nUvitani=1\n";
    EXPECT_FALSE(ProfileText(file).value("Nastaveni", "Pomocnik"));
    EXPECT_FALSE(ProfileText(file).value("Chybi", "Uvitani"));
    EXPECT_FALSE(ProfileText("").value("Nastaveni", "Pomocnik"));
}

TEST(ProfileRead, OtherSectionsCommentsAndCrlfAroundTheSection)
{
    const std::string file = "; Kolvex family\r\n[Manual]\r\nPomocnik=9\r\n\r\n"
                             "[Nastaveni]\r\n; Pomocnik=7\r\nPomocnik=1\r\nUvitani=0\r\n\r\n"
                             "[Pelikor]\r\nUvitani=5\r\n";
    EXPECT_EQ(valueIn(file, "Nastaveni", "Pomocnik"), "1");
    EXPECT_EQ(valueIn(file, "Nastaveni", "Uvitani"), "0");
    EXPECT_EQ(valueIn(file, "Manual", "Pomocnik"), "9");
    EXPECT_EQ(valueIn(file, "Pelikor", "Uvitani"), "5");
}

TEST(ProfileRead, ValuesAreTextNotNumbers)
{
    EXPECT_EQ(valueIn("[Nastaveni]\nPomocnik=01\n", "Nastaveni", "Pomocnik"), "01");
    EXPECT_EQ(valueIn("[Nastaveni]\nPomocnik=1 \n", "Nastaveni", "Pomocnik"), "1") << "trailing blank trimmed";
    EXPECT_EQ(valueIn("[Nastaveni]\nPomocnik=ano\n", "Nastaveni", "Pomocnik"), "ano");
    EXPECT_EQ(valueIn("[Nastaveni]\nPomocnik=\n", "Nastaveni", "Pomocnik"), "");
    EXPECT_EQ(valueIn("[Nastaveni]\nPomocnik=a=b\n", "Nastaveni", "Pomocnik"), "a=b");
    EXPECT_EQ(valueIn("[Nastaveni]\nPomocnik=\"1\"\n", "Nastaveni", "Pomocnik"), "1") << "one pair of quotes dropped";
    EXPECT_EQ(valueIn("[Nastaveni]\nPomocnik=\"1'\n", "Nastaveni", "Pomocnik"), "\"1'");
}

TEST(ProfileRead, FirstSectionAndFirstKeyOfANameWin)
{
    const std::string file = "[Nastaveni]\nPomocnik=1\npomocnik=0\n[NASTAVENI]\nPomocnik=2\nUvitani=1\n";
    EXPECT_EQ(valueIn(file, "Nastaveni", "Pomocnik"), "1");
    EXPECT_FALSE(ProfileText(file).value("Nastaveni", "Uvitani")) << "a repeated section is never read";
}

TEST(ProfileRead, LinesWithoutEqualsAndKeysBeforeAnySectionCountForNothing)
{
    const std::string file = "Pomocnik=1\n[Nastaveni\nPomocnik=2\n[Nastaveni]\nPomocnik\nUvitani=1\n";
    EXPECT_EQ(valueIn(file, "Nastaveni", "Uvitani"), "1");
    EXPECT_FALSE(ProfileText(file).value("Nastaveni", "Pomocnik"));
}

TEST(ProfileRead, ValuesUpTo2047CharactersComeWhole)
{
    const std::string whole(kMaxProfileValue, 'x');
    EXPECT_EQ(valueIn("[Nastaveni]\nPomocnik=" + whole + "\n", "Nastaveni", "Pomocnik"), whole);
    EXPECT_EQ(valueIn("[Nastaveni]\nPomocnik=" + whole + "yz\n", "Nastaveni", "Pomocnik"), whole);
}

TEST(ProfileRead, BytesOfOtherCodePagesAndZerosAreKeptAsTheyAre)
{
    const std::string file = std::string("[Nastaveni]\nPomocnik=\x9a\xe8\0x\n", 26);
    EXPECT_EQ(valueIn(file, "Nastaveni", "Pomocnik"), std::string("\x9a\xe8\0x", 4));
}

TEST(ProfileEdit, ReplacesOnlyTheKeysLineKeepingItsLineEnd)
{
    const std::string before = "[A]\r\nPomocnik=1\r\n[Nastaveni]\r\n  pomocnik = 0 \r\nUvitani=1\r\n[B]\r\nx=y";
    const std::string after = "[A]\r\nPomocnik=1\r\n[Nastaveni]\r\npomocnik=1\r\nUvitani=1\r\n[B]\r\nx=y";
    EXPECT_EQ(withProfileValue(before, "Nastaveni", "Pomocnik", "1"), after);
}

TEST(ProfileEdit, AddsAMissingKeyAfterTheSectionsLastKey)
{
    const std::string before = "[Nastaveni]\nUvitani=1\n\n; note\n[B]\nx=y\n";
    EXPECT_EQ(withProfileValue(before, "NASTAVENI", "Pomocnik", "0"),
              "[Nastaveni]\nUvitani=1\nPomocnik=0\n\n; note\n[B]\nx=y\n");
    EXPECT_EQ(withProfileValue("[Nastaveni]\r\n[B]\r\n", "Nastaveni", "Pomocnik", "1"),
              "[Nastaveni]\r\nPomocnik=1\r\n[B]\r\n");
}

TEST(ProfileEdit, AddsAKeyToASectionAtTheEndOfAFileWithoutFinalLineEnd)
{
    EXPECT_EQ(withProfileValue("[Nastaveni]\nUvitani=1", "Nastaveni", "Pomocnik", "1"),
              "[Nastaveni]\nUvitani=1\nPomocnik=1\n");
    EXPECT_EQ(withProfileValue("[Nastaveni]", "Nastaveni", "Pomocnik", "1"), "[Nastaveni]\r\nPomocnik=1\r\n");
}

TEST(ProfileEdit, AddsAMissingSectionAtTheEnd)
{
    EXPECT_EQ(withProfileValue("[A]\nx=y\n", "Nastaveni", "Uvitani", "0"), "[A]\nx=y\n[Nastaveni]\nUvitani=0\n");
    EXPECT_EQ(withProfileValue("[A]\r\nx=y", "Nastaveni", "Uvitani", "0"), "[A]\r\nx=y\r\n[Nastaveni]\r\nUvitani=0\r\n");
    EXPECT_EQ(withProfileValue("", "Nastaveni", "Uvitani", "0"), "[Nastaveni]\r\nUvitani=0\r\n");
}

TEST(ProfileEdit, WritesIntoTheFirstSectionOfItsNameOnly)
{
    const std::string before = "[Nastaveni]\nUvitani=1\n[Nastaveni]\nPomocnik=1\n";
    EXPECT_EQ(withProfileValue(before, "Nastaveni", "Pomocnik", "0"),
              "[Nastaveni]\nUvitani=1\nPomocnik=0\n[Nastaveni]\nPomocnik=1\n");
}

TEST(ProfileEdit, WhatIsWrittenReadsBack)
{
    const std::string edited = withProfileValue("; x\n[Jine]\nPomocnik=5\n", "Nastaveni", "Pomocnik", "ano");
    EXPECT_EQ(valueIn(edited, "Nastaveni", "Pomocnik"), "ano");
    EXPECT_EQ(valueIn(edited, "Jine", "Pomocnik"), "5");
}
