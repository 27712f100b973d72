// The profile-file rules on text alone: numbers, lookups, in-place edits, bad input.
#include <cerrno>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <string>

#include "app/settings/ini_number.h"
#include "app/settings/ini_text.h"
#include "app/settings/profile_encoding.h"
#include "file_bytes.h"
#include "platform/exclusive_open.h"

using namespace std::string_literals;

namespace orr {
namespace {

struct NumberCase {
    const char* text;
    std::optional<std::int32_t> expected;
};

class ProfileInteger : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ProfileInteger, ReadsAsSigned32BitOrNothing) {
    EXPECT_EQ(parse_profile_integer(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileInteger,
    ::testing::Values(
        NumberCase{"0x2A0", 672}, NumberCase{"$10", 16}, NumberCase{" 7", 7}, NumberCase{"12abc", std::nullopt},
        NumberCase{"0X1f", 31}, NumberCase{"$ff", 255}, NumberCase{"  -0x10", -16}, NumberCase{"-$80000000", INT32_MIN},
        NumberCase{"$7FFFFFFF", INT32_MAX}, NumberCase{"$80000000", std::nullopt}, NumberCase{"$FFFFFFFF", std::nullopt},
        NumberCase{"2147483647", INT32_MAX}, NumberCase{"2147483648", std::nullopt},
        NumberCase{"-2147483648", INT32_MIN}, NumberCase{"-2147483649", std::nullopt},
        NumberCase{"99999999999999999999999", std::nullopt}, NumberCase{"00000000000000000000000012", 12},
        NumberCase{"+5", 5}, NumberCase{"-5", -5}, NumberCase{"0", 0}, NumberCase{"", std::nullopt},
        NumberCase{"   ", std::nullopt}, NumberCase{"-", std::nullopt}, NumberCase{"0x", std::nullopt},
        NumberCase{"$", std::nullopt}, NumberCase{"7 ", std::nullopt}, NumberCase{"\t7", std::nullopt},
        NumberCase{"- 5", std::nullopt}, NumberCase{"0x-1", std::nullopt}, NumberCase{"1e3", std::nullopt},
        NumberCase{"$g", std::nullopt}, NumberCase{"00x10", std::nullopt}, NumberCase{"12.5", std::nullopt},
        NumberCase{"--1", std::nullopt}));

struct LookupCase {
    const char* name;
    std::string file;
    const char* section;
    const char* key;
    std::optional<std::string> expected;
};

class ProfileLookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(ProfileLookup, FindsTheValue) {
    const LookupCase& c = GetParam();
    EXPECT_EQ(IniText(c.file).value(c.section, c.key), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileLookup,
    ::testing::Values(
        LookupCase{"Plain", "[orrindale]\nwindow_Width=700\n", "orrindale", "window_Width", "700"},
        LookupCase{"NamesIgnoreCase", "[OrrinDALE]\nWINDOW_width=700\n", "orrindale", "window_Width", "700"},
        LookupCase{"SpacesAroundIgnored", "  [ orrindale ]  \n \t window_Width \t=  700  \n", "orrindale",
                   "window_Width", "700"},
        LookupCase{"DoubleQuotes", "[s]\nk=\" 7 \"\n", "s", "k", " 7 "},
        LookupCase{"SingleQuotes", "[s]\nk='abc'\n", "s", "k", "abc"},
        LookupCase{"UnmatchedQuotesStay", "[s]\nk=\"abc'\n", "s", "k", "\"abc'"},
        LookupCase{"LoneQuoteStays", "[s]\nk=\"\n", "s", "k", "\""},
        LookupCase{"EmptyValue", "[s]\nk=\n", "s", "k", ""},
        LookupCase{"ValueHoldsEquals", "[s]\nk=a=b\n", "s", "k", "a=b"},
        LookupCase{"CommentIgnored", "[s]\n;k=1\n  ; k=2\nk=3\n", "s", "k", "3"},
        LookupCase{"LineWithoutEqualsIsNoKey", "[s]\nk\nk=4\n", "s", "k", "4"},
        LookupCase{"OtherSectionIgnored", "[a]\nk=1\n[s]\nj=2\n", "s", "k", std::nullopt},
        LookupCase{"KeyOutsideAnySection", "k=1\n[s]\n", "s", "k", std::nullopt},
        LookupCase{"FirstKeyWins", "[s]\nk=1\nK=2\n", "s", "k", "1"},
        LookupCase{"FirstSectionOnly", "[s]\nj=1\n[t]\n[S]\nk=2\n", "s", "k", std::nullopt},
        LookupCase{"HeaderWithoutBracket", "[s\nk=5\n", "s", "k", "5"},
        LookupCase{"ByteOrderMark", "\xEF\xBB\xBF[s]\r\nk=6\r\n", "s", "k", "6"},
        LookupCase{"CarriageReturnsOnly", "[a]\rk=1\r[s]\rk=7\rj=8\r", "s", "j", "8"},
        LookupCase{"MixedLineEnds", "[a]\r\nk=1\n[s]\rk=9\r\nj=10", "s", "k", "9"},
        LookupCase{"NulInValue", "[s]\nk=6\0"s "59\nj=1\n", "s", "k", "6\0"s "59"},
        LookupCase{"NulInKeyMatchesNothing", "[s]\nk\0"s "=1\n", "s", "k", std::nullopt},
        LookupCase{"NoLineEndAtAll", "[s]", "s", "k", std::nullopt},
        LookupCase{"Empty", "", "s", "k", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileLookupLength, ValuesAreCutAt2047Characters) {
    const std::string long_value(5000, 'x');
    const auto read = IniText("[s]\nk=" + long_value + "\n").value("s", "k");
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, long_value.substr(0, 2047));
    EXPECT_EQ(IniText("[s]\nk=" + long_value.substr(0, 2047) + "\n").value("s", "k")->size(), 2047u);
}

struct EditCase {
    const char* name;
    std::string before;
    const char* key;
    const char* value;
    std::string after;
};

class ProfileEdit : public ::testing::TestWithParam<EditCase> {};

TEST_P(ProfileEdit, ChangesOnlyTheKeysLine) {
    const EditCase& c = GetParam();
    IniText text(c.before);
    EXPECT_TRUE(text.set_value("orrindale", c.key, c.value));
    EXPECT_EQ(text.bytes(), c.after);
    EXPECT_EQ(text.value("orrindale", c.key), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileEdit,
    ::testing::Values(
        EditCase{"NewFile", "", "k", "1", "[orrindale]\nk=1\n"},
        EditCase{"ReplaceInPlace", "; mine\n[orrindale]\n  k = 5 \nj=2\n\n[x]\nk=3\n", "k", "6",
                 "; mine\n[orrindale]\nk=6\nj=2\n\n[x]\nk=3\n"},
        EditCase{"ReplaceUsesCallersSpelling", "[orrindale]\nK=5\n", "k", "6", "[orrindale]\nk=6\n"},
        EditCase{"ReplaceKeepsCrLf", "[orrindale]\r\nk=5\r\nj=2\r\n", "k", "6", "[orrindale]\r\nk=6\r\nj=2\r\n"},
        EditCase{"AppendAfterLastEntry", "[orrindale]\nj=2\n; about x\n\n[x]\n", "k", "1",
                 "[orrindale]\nj=2\nk=1\n; about x\n\n[x]\n"},
        EditCase{"AppendToLastLineWithoutEnd", "[orrindale]\nj=2", "k", "1", "[orrindale]\nj=2\nk=1"},
        EditCase{"AppendAfterHeaderWithoutEnd", "[a]\r\n[orrindale]", "k", "1", "[a]\r\n[orrindale]\r\nk=1"},
        EditCase{"AppendInCarriageReturnFile", "[orrindale]\rj=2\r", "k", "1", "[orrindale]\rj=2\rk=1\r"},
        EditCase{"NewSectionAfterBlankLine", "[a]\r\nx=1\r\n", "k", "1", "[a]\r\nx=1\r\n\r\n[orrindale]\r\nk=1\r\n"},
        EditCase{"NewSectionEndsUnendedLine", "x=1", "k", "1", "x=1\n\n[orrindale]\nk=1\n"},
        EditCase{"NewSectionAfterExistingBlank", "[a]\n\n", "k", "1", "[a]\n\n[orrindale]\nk=1\n"},
        EditCase{"OnlyFirstDuplicateSection", "[orrindale]\nj=1\n[ORRINDALE]\nk=2\n", "k", "3",
                 "[orrindale]\nj=1\nk=3\n[ORRINDALE]\nk=2\n"},
        EditCase{"OnlyFirstDuplicateKey", "[orrindale]\nk=1\nk=2\n", "k", "3", "[orrindale]\nk=3\nk=2\n"},
        EditCase{"KeyOutsideSectionKept", "k=9\n[orrindale]\n", "k", "1", "k=9\n[orrindale]\nk=1\n"},
        EditCase{"ByteOrderMarkKept", "\xEF\xBB\xBF[orrindale]\r\nk=1\r\n", "k", "2", "\xEF\xBB\xBF[orrindale]\r\nk=2\r\n"},
        EditCase{"ByteOrderMarkOnly", "\xEF\xBB\xBF", "k", "2", "\xEF\xBB\xBF[orrindale]\nk=2\n"},
        EditCase{"NulBytesKept", "[a]\nz=\0\0"s "\n[orrindale]\nk=\0"s "\n", "k", "2", "[a]\nz=\0\0"s "\n[orrindale]\nk=2\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileEditResult, WritingTheSameLineChangesNothing) {
    IniText text("[orrindale]\nk=1\n");
    EXPECT_FALSE(text.set_value("orrindale", "k", "1"));
    EXPECT_EQ(text.bytes(), "[orrindale]\nk=1\n");
    // A line that reads the same but is spelled differently is normalised.
    IniText spaced("[orrindale]\nk = 1\n");
    EXPECT_TRUE(spaced.set_value("orrindale", "k", "1"));
    EXPECT_EQ(spaced.bytes(), "[orrindale]\nk=1\n");
}

TEST(ProfileEditResult, RefusesNamesThatCouldNotBeReadBack) {
    IniText text;
    EXPECT_THROW(text.set_value("orrindale", "a=b", "1"), std::invalid_argument);
    EXPECT_THROW(text.set_value("orrindale", "[k", "1"), std::invalid_argument);
    EXPECT_THROW(text.set_value("orrindale", " ;k", "1"), std::invalid_argument);
    EXPECT_THROW(text.set_value("orrindale", "k", "1\n[x]"), std::invalid_argument);
    EXPECT_THROW(text.set_value("orr]", "k", "1"), std::invalid_argument);
    EXPECT_EQ(text.bytes(), "");
}

// Random files from profile-like fragments and junk: a write reads back, leaves the
// other keys' values alone and changes no other line.
TEST(ProfileBadInput, RandomFilesKeepEverythingAroundAWrite) {
    const std::string fragments[] = {"[orrindale]", "[ORRINDALE ]", "[other]", "window_Width=5", "WINDOW_WIDTH = 6",
                                     "window_Height=7", "k=8", "\xEF\xBB\xBF", "\r", "\n", "\r\n", ";c", "=", "[", "\0"s};
    std::mt19937 pick(20260131);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes;
        const int pieces = static_cast<int>(pick() % 30);
        for (int i = 0; i < pieces; ++i) {
            if (pick() % 4 == 0) bytes += static_cast<char>(pick() % 256);
            else bytes += fragments[pick() % std::size(fragments)];
        }
        IniText text(bytes);
        const auto height = text.value("orrindale", "window_Height");
        const auto other = text.value("other", "k");
        text.set_value("orrindale", "window_Width", "700");
        ASSERT_EQ(text.value("orrindale", "window_Width"), "700") << testing::PrintToString(bytes);
        EXPECT_EQ(text.value("orrindale", "window_Height"), height) << testing::PrintToString(bytes);
        EXPECT_EQ(text.value("other", "k"), other) << testing::PrintToString(bytes);
        EXPECT_EQ(test::removed_by_edit(bytes, text.bytes()).find_first_of("\r\n"), std::string::npos)
            << testing::PrintToString(bytes);
    }
}

// Profile files in their encodings: decoded to the text that is edited, and encoded
// back byte for byte, whatever the UTF-16 holds.
struct EncodingCase {
    const char* name;
    std::string bytes;
    ProfileEncoding encoding;
    std::string text;
    std::string trailing;
};

class ProfileEncodingRoundTrip : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(ProfileEncodingRoundTrip, DecodesAndComesBackByteForByte)
{
    const EncodingCase& c = GetParam();
    const ProfileText decoded = decode_profile(c.bytes);
    EXPECT_EQ(decoded.encoding, c.encoding);
    EXPECT_EQ(decoded.text, c.text);
    EXPECT_EQ(decoded.trailing, c.trailing);
    EXPECT_EQ(encode_profile(decoded), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileEncodingRoundTrip,
    ::testing::Values(
        EncodingCase{"AnsiBytes", "[s]\r\nk=\xE9\r\n", ProfileEncoding::Bytes, "[s]\r\nk=\xE9\r\n", ""},
        EncodingCase{"Utf8MarkStaysInTheBytes", "\xEF\xBB\xBF[s]", ProfileEncoding::Bytes, "\xEF\xBB\xBF[s]",
                     ""},
        EncodingCase{"Utf16LeMarkOnly", "\xFF\xFE", ProfileEncoding::Utf16Le, "", ""},
        EncodingCase{"Utf16Le", "\xFF\xFEk\0=\0\xE9\0\x03\x26"s, ProfileEncoding::Utf16Le,
                     "k=\xC3\xA9\xE2\x98\x83", ""},
        EncodingCase{"Utf16Be", "\xFE\xFF\0k\0=\x26\x03"s, ProfileEncoding::Utf16Be, "k=\xE2\x98\x83", ""},
        EncodingCase{"SurrogatePair", "\xFF\xFE\x3D\xD8\xC5\xDC", ProfileEncoding::Utf16Le,
                     "\xF0\x9F\x93\x85", ""},
        EncodingCase{"LoneHighAtTheEnd",
                     "\xFF\xFE"
                     "a\0\x3D\xD8"s,
                     ProfileEncoding::Utf16Le, "a\xED\xA0\xBD", ""},
        EncodingCase{"LowBeforeHigh", "\xFF\xFE\xC5\xDC\x3D\xD8", ProfileEncoding::Utf16Le,
                     "\xED\xB3\x85\xED\xA0\xBD", ""},
        EncodingCase{"OddLastByte",
                     "\xFF\xFE"
                     "a\0b"s,
                     ProfileEncoding::Utf16Le, "a", "b"},
        EncodingCase{"NulUnits", "\xFF\xFE\0\0"s, ProfileEncoding::Utf16Le, "\0"s, ""},
        EncodingCase{"MarkOfTheOtherOrderInside", "\xFE\xFF\xFF\xFE", ProfileEncoding::Utf16Be,
                     "\xEF\xBF\xBE", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileEncodingEdit, KeepsWhatTheEditDoesNotTouch)
{
    ProfileText profile = decode_profile("\xFF\xFE;\0\x3D\xD8\r\0\n\0[\0s\0]\0\r\0\n\0k\0=\0"
                                         "1\0\r\0\n\0z"s);
    IniText text(profile.text);
    EXPECT_EQ(text.value("s", "k"), "1");
    text.set_value("s", "k", "22");
    profile.text = text.bytes();
    EXPECT_EQ(encode_profile(profile), "\xFF\xFE;\0\x3D\xD8\r\0\n\0[\0s\0]\0\r\0\n\0k\0=\0"
                                       "2\0"
                                       "2\0\r\0\n\0z"s);
}

struct CodeCase {
    std::uint32_t code;
    platform::OpenTest expected;
};

class WindowsOpenError : public ::testing::TestWithParam<CodeCase> {};

TEST_P(WindowsOpenError, IsClassifiedByCode) {
    EXPECT_EQ(platform::classify_windows_open_error(GetParam().code), GetParam().expected) << GetParam().code;
}

using platform::OpenTest;
INSTANTIATE_TEST_SUITE_P(Codes, WindowsOpenError,
                         ::testing::Values(CodeCase{2, OpenTest::NotFound}, CodeCase{3, OpenTest::NotFound},
                                           CodeCase{21, OpenTest::NotFound}, CodeCase{26, OpenTest::NotFound},
                                           CodeCase{27, OpenTest::NotFound}, CodeCase{32, OpenTest::Open},
                                           CodeCase{33, OpenTest::Open}, CodeCase{5, OpenTest::Error},
                                           CodeCase{0, OpenTest::Error}, CodeCase{4, OpenTest::Error},
                                           CodeCase{20, OpenTest::Error}, CodeCase{22, OpenTest::Error},
                                           CodeCase{34, OpenTest::Error}, CodeCase{123, OpenTest::Error}));

TEST(PosixOpenError, MissingPathIsNotFoundAndTheRestAnError) {
    EXPECT_EQ(platform::classify_posix_open_error(ENOENT), OpenTest::NotFound);
    EXPECT_EQ(platform::classify_posix_open_error(ENOTDIR), OpenTest::NotFound);
    for (int code : {EACCES, EPERM, EROFS, ETXTBSY, EISDIR, EIO}) {
        EXPECT_EQ(platform::classify_posix_open_error(code), OpenTest::Error) << code;
    }
}

} // namespace
} // namespace orr
