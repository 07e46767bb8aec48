// The behaviour every ProfileStore must share with the platform's private
// profile, as typed GoogleTest cases. A test file instantiates the suite with
// a factory type providing
//     static std::unique_ptr<ProfileStore> Open(std::string_view fileText);
// which returns a store over a profile file holding fileText (no file at all
// when fileText is empty).
#pragma once
#include "editor/app/profile.h"
#include "editor/app/profile_store.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

template <class Factory> class ProfileStoreContract : public testing::Test {
protected:
    ProfileStore& Open(std::string_view fileText)
    {
        m_store = Factory::Open(fileText);
        return *m_store;
    }
    std::vector<std::string> KeysOf(std::string_view section)
    {
        Profile profile(*m_store);
        ProfileKeyList list = profile.ListKeys(section);
        std::vector<std::string> names;
        for (std::string_view name : list.Names())
            names.emplace_back(name);
        return names;
    }

private:
    std::unique_ptr<ProfileStore> m_store;
};

TYPED_TEST_SUITE_P(ProfileStoreContract);

TYPED_TEST_P(ProfileStoreContract, MissingFileSectionOrKeyGivesTheDefault)
{
    ProfileStore& empty = this->Open("");
    EXPECT_EQ(empty.ReadString("Options", "Fontname", "Fixedsys"), "Fixedsys");
    EXPECT_EQ(Profile(empty).ReadInt("Options", "TabLength", 8), 8);

    ProfileStore& store = this->Open("[Options]\r\nTabLength=4\r\n");
    EXPECT_EQ(store.ReadString("Options", "Cursor", "dflt"), "dflt");
    EXPECT_EQ(store.ReadString("Printing", "TabLength", "dflt"), "dflt");
}

TYPED_TEST_P(ProfileStoreContract, SectionsAndKeysMatchWithoutCase)
{
    ProfileStore& store = this->Open("[OPTIONS]\r\nTABLENGTH=4\r\n[settings]\r\nSaveDeskTop=0\r\n");
    EXPECT_EQ(store.ReadString("Options", "TabLength", ""), "4");
    EXPECT_EQ(store.ReadString("oPTIONS", "tablength", ""), "4");
    EXPECT_EQ(store.ReadString("Settings", "SaveDesktop", ""), "0");

    // One key under both spellings: the write replaces the value in place.
    store.WriteString("Settings", "SaveDesktop", "1");
    EXPECT_EQ(store.ReadString("SETTINGS", "SAVEDESKTOP", ""), "1");
    EXPECT_EQ(this->KeysOf("Settings"), (std::vector<std::string>{"SaveDeskTop"}));
}

TYPED_TEST_P(ProfileStoreContract, ValuesAreTrimmedOfBlanksAndOnePairOfQuotes)
{
    ProfileStore& store = this->Open("[S]\r\n"
                                     "  Padded  =   a b c   \r\n"
                                     "Double=\"quoted text\"\r\n"
                                     "Single='x'\r\n"
                                     "Inner=\"\"twice\"\"\r\n"
                                     "Open=\"unbalanced\r\n"
                                     "Mixed=\"a'\r\n"
                                     "Lone=\"\r\n"
                                     "Empty=\r\n");
    EXPECT_EQ(store.ReadString("S", "Padded", "-"), "a b c");
    EXPECT_EQ(store.ReadString("S", "Double", "-"), "quoted text");
    EXPECT_EQ(store.ReadString("S", "Single", "-"), "x");
    EXPECT_EQ(store.ReadString("S", "Inner", "-"), "\"twice\"");
    EXPECT_EQ(store.ReadString("S", "Open", "-"), "\"unbalanced");
    EXPECT_EQ(store.ReadString("S", "Mixed", "-"), "\"a'");
    EXPECT_EQ(store.ReadString("S", "Lone", "-"), "\"");
    // Present but empty: the empty value, not the default.
    EXPECT_EQ(store.ReadString("S", "Empty", "-"), "");
}

TYPED_TEST_P(ProfileStoreContract, FirstOfDuplicateSectionsAndKeysWins)
{
    ProfileStore& store = this->Open("[A]\r\nx=1\r\nx=9\r\n[B]\r\nx=2\r\n[a]\r\nx=3\r\ny=4\r\n");
    EXPECT_EQ(store.ReadString("A", "x", ""), "1");
    EXPECT_EQ(store.ReadString("A", "y", "none"), "none");
    store.WriteString("a", "x", "5");
    EXPECT_EQ(store.ReadString("A", "x", ""), "5");
    EXPECT_EQ(store.ReadString("B", "x", ""), "2");
}

TYPED_TEST_P(ProfileStoreContract, HeaderWithoutClosingBracketOpensNoSection)
{
    ProfileStore& store = this->Open("[A]\r\n[B\r\nk=1\r\n");
    EXPECT_EQ(store.ReadString("A", "k", ""), "1");
    EXPECT_EQ(store.ReadString("B", "k", "none"), "none");
}

TYPED_TEST_P(ProfileStoreContract, IntegersAreReadFromTheText)
{
    ProfileStore& store = this->Open("[N]\r\n"
                                     "Plain=42\r\n"
                                     "Negative=-12\r\n"
                                     "Trailing=12abc\r\n"
                                     "Text=abc\r\n"
                                     "Empty=\r\n"
                                     "Sign=-\r\n"
                                     "Huge=99999999999999999999\r\n"
                                     "HugeNegative=-99999999999999999999\r\n"
                                     "Quoted=\"7\"\r\n");
    Profile profile(store);
    EXPECT_EQ(profile.ReadInt("N", "Plain", 5), 42);
    EXPECT_EQ(profile.ReadInt("N", "Negative", 5), -12);
    EXPECT_EQ(profile.ReadInt("N", "Trailing", 5), 12);
    EXPECT_EQ(profile.ReadInt("N", "Text", 5), 5);
    EXPECT_EQ(profile.ReadInt("N", "Empty", 5), 5);
    EXPECT_EQ(profile.ReadInt("N", "Sign", 5), 5);
    EXPECT_EQ(profile.ReadInt("N", "Huge", 5), 2147483647);
    EXPECT_EQ(profile.ReadInt("N", "HugeNegative", 5), -2147483647 - 1);
    EXPECT_EQ(profile.ReadInt("N", "Quoted", 5), 7);
    EXPECT_EQ(profile.ReadInt("N", "Missing", 5), 5);
}

TYPED_TEST_P(ProfileStoreContract, WritesCreateTheFileSectionAndKey)
{
    ProfileStore& store = this->Open("");
    Profile profile(store);
    EXPECT_TRUE(profile.WriteInt("Options", "TabLength", -3));
    EXPECT_TRUE(profile.WriteString("Window", "Last Set", "C:\\WORK\\PROJECT.SET"));
    EXPECT_EQ(profile.ReadInt("Options", "TabLength", 8), -3);
    EXPECT_EQ(profile.ReadString("window", "last set"), "C:\\WORK\\PROJECT.SET");

    EXPECT_TRUE(profile.WriteInt("Options", "TabLength", 4));
    EXPECT_EQ(profile.ReadInt("Options", "TabLength", 8), 4);
}

TYPED_TEST_P(ProfileStoreContract, LongValuesComeBackWhole)
{
    ProfileStore& store = this->Open("");
    std::string text(10000, 'x');
    text[0] = 'A';
    text.back() = 'Z';
    store.WriteString("Printing", "Header", text);
    EXPECT_EQ(store.ReadString("Printing", "Header", ""), text);
}

TYPED_TEST_P(ProfileStoreContract, DeletesKeysAndSections)
{
    ProfileStore& store = this->Open("[Desktop]\r\nTpltID1=3\r\nDocPath1=a.c\r\n"
                                     "[Extensions]\r\n1=C;*.c\r\n2=H;*.h\r\n");
    store.DeleteKey("extensions", "2");
    EXPECT_EQ(store.ReadString("Extensions", "2", "gone"), "gone");
    EXPECT_EQ(store.ReadString("Extensions", "1", ""), "C;*.c");
    store.DeleteKey("Extensions", "30"); // not there: harmless

    store.DeleteSection("DESKTOP");
    EXPECT_EQ(store.ReadString("Desktop", "TpltID1", "gone"), "gone");
    EXPECT_EQ(store.ReadString("Desktop", "DocPath1", "gone"), "gone");
    EXPECT_TRUE(this->KeysOf("Desktop").empty());
    EXPECT_EQ(store.ReadString("Extensions", "1", ""), "C;*.c");
}

TYPED_TEST_P(ProfileStoreContract, ListsTheKeysOfASectionInFileOrder)
{
    this->Open("[Help]\r\n*=WIN31WH.HLP\r\n; comment\r\nnovalue\r\n"
               "c=C.HLP\r\nCPP=CPP.HLP\r\n[Other]\r\nx=1\r\n");
    EXPECT_EQ(this->KeysOf("HELP"), (std::vector<std::string>{"*", "c", "CPP"}));
    EXPECT_TRUE(this->KeysOf("Missing").empty());
}

TYPED_TEST_P(ProfileStoreContract, KeyListIsCutToTheBufferAndEndsWithTwoNuls)
{
    ProfileStore& store = this->Open("[S]\r\nabc=1\r\ndefgh=2\r\nz=3\r\n");
    // Room to spare: "abc\0defgh\0z\0\0", the rest untouched.
    std::vector<char> roomy(16, '#');
    EXPECT_EQ(store.ListKeys("S", roomy), 12u);
    EXPECT_EQ(std::string(roomy.data(), 16), std::string("abc\0defgh\0z\0\0###", 16));

    // Ten bytes: the second name is cut, then two NULs.
    std::vector<char> small(10, '#');
    EXPECT_EQ(store.ListKeys("S", small), 8u);
    EXPECT_EQ(std::string(small.data(), 10), std::string("abc\0defg\0\0", 10));
}

REGISTER_TYPED_TEST_SUITE_P(ProfileStoreContract, MissingFileSectionOrKeyGivesTheDefault,
                            SectionsAndKeysMatchWithoutCase,
                            ValuesAreTrimmedOfBlanksAndOnePairOfQuotes,
                            FirstOfDuplicateSectionsAndKeysWins,
                            HeaderWithoutClosingBracketOpensNoSection, IntegersAreReadFromTheText,
                            WritesCreateTheFileSectionAndKey, LongValuesComeBackWhole,
                            DeletesKeysAndSections, ListsTheKeysOfASectionInFileOrder,
                            KeyListIsCutToTheBufferAndEndsWithTwoNuls);
