// The four built-in word lists and the word test.
#include "platform/app.h"
#include "tests/behaviour/fixture.h"

namespace {

struct ListFacts {
    int length;
    const char16_t* first;
    const char16_t* last;
};
constexpr ListFacts kLists[] = {
    {3, u"ABS", u"ZOO"}, {4, u"ABBE", u"ZOOS"}, {5, u"ABACI", u"ZOOMS"}, {6, u"ABACUS", u"ZYGOTE"}};

TEST_F(GameTest, ShippedListsHoldSortedUpperCaseWordsOfTheDeclaredCounts) {
    CTavolkDlg d;  // the counts are fixed at construction
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE("list " + std::to_string(k));
        const auto bytes = platform::FindEmbeddedResource("WORDS", 135 + k);
        ASSERT_TRUE(bytes.has_value());
        const std::size_t length = static_cast<std::size_t>(kLists[k].length);
        EXPECT_EQ(bytes->size(), std::size_t(d.m_nWordChars[k]));
        EXPECT_EQ(bytes->size(), std::size_t(d.m_nWordCount[k]) * length);
        for (std::uint8_t b : *bytes)
            ASSERT_TRUE(b >= 'A' && b <= 'Z') << int(b);
        const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
        for (std::size_t s = length; s < text.size(); s += length)
            ASSERT_LT(text.substr(s - length, length), text.substr(s, length)) << "at " << s;
    }
    const std::vector<int> counts(std::begin(d.m_nWordCount), std::end(d.m_nWordCount));
    EXPECT_EQ(counts, (std::vector<int>{647, 2557, 5147, 8332}));
}

TEST_F(GameTest, ListsLoadInOrderAndWordsAreAddressedByIndex) {
    CTavolkDlg& d = Open();
    EXPECT_EQ(d.m_strWords[0].substr(0, 6), u"ABSACE");
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(d.WordAt(k, 0), kLists[k].first);
        EXPECT_EQ(d.WordAt(k, d.m_nWordCount[k] - 1), kLists[k].last);
    }
    EXPECT_EQ(d.WordAt(0, 1), u"ACE");
    // Past the end there is nothing; out-of-range arguments give nothing too.
    EXPECT_EQ(d.WordAt(0, 647), u"");
    EXPECT_EQ(d.WordAt(3, 1 << 30), u"");
    EXPECT_EQ(d.WordAt(0, -1), u"");
    EXPECT_EQ(d.WordAt(4, 0), u"");
    EXPECT_EQ(d.WordAt(-1, 0), u"");
}

TEST_F(GameTest, WordAtCutsAWordThatRunsPastTheEndOfItsText) {
    CTavolkDlg& d = Open();
    d.m_strWords[1] = u"ABLEAXL";
    EXPECT_EQ(d.WordAt(1, 0), u"ABLE");
    EXPECT_EQ(d.WordAt(1, 1), u"AXL");
    EXPECT_EQ(d.WordAt(1, 2), u"");
}

TEST_F(GameTest, IsWordAnswersForAnyString) {
    CTavolkDlg& d = Open();
    const std::pair<std::u16string, bool> cases[] = {
        // First and last words of each list.
        {u"ABS", true},
        {u"ZOO", true},
        {u"ABBE", true},
        {u"ZOOS", true},
        {u"ABACI", true},
        {u"ZOOMS", true},
        {u"ABACUS", true},
        {u"ZYGOTE", true},
        // Words every list must hold.
        {u"ACE", true},
        {u"DOG", true},
        {u"GOD", true},
        {u"NOTE", true},
        {u"LAST", true},
        {u"RAIN", true},
        {u"TONE", true},
        {u"SALT", true},
        // Case matters; straddles and near misses are no words.
        {u"abs", false},
        {u"Abs", false},
        {u"BSA", false},
        {u"SACE", false},
        {u"SATL", false},
        {u"ZZZ", false},
        {u"ZYGOTF", false},
        {u"AAAAAA", false},
        // Lengths without a list.
        {u"", false},
        {u"A", false},
        {u"AB", false},
        {u"ABSACEA", false},
        {u"ABACUSABACUS", false},
        {std::u16string(100000, u'A'), false},
        // Not letters at all.
        {std::u16string(u"AB\0", 3), false},
        {u"A B", false},
        {u"\u00C4BS", false},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(d.IsWord(text), expected) << platform::headless::Narrow(text);
}

TEST_F(GameTest, MissingOrEmptyListMakesEveryStringOfItsLengthANonWord) {
    backend.RemoveResource("WORDS", 136);
    backend.ReplaceResource("WORDS", 137, {});
    CTavolkDlg& d = Open(5);  // the program still starts
    EXPECT_EQ(d.m_nSize, 5);
    EXPECT_TRUE(d.m_strWords[1].empty());
    EXPECT_TRUE(d.m_strWords[2].empty());
    EXPECT_FALSE(d.IsWord(u"NOTE"));
    EXPECT_FALSE(d.IsWord(u"ZOOMS"));
    EXPECT_EQ(d.WordAt(1, 0), u"");
    // The other lists are unaffected.
    EXPECT_TRUE(d.IsWord(u"DOG"));
    EXPECT_TRUE(d.IsWord(u"ZYGOTE"));
}

TEST_F(GameTest, ScanStopsAtTheDeclaredLengthNotTheLoadedOne) {
    CTavolkDlg& d = Open();
    // A text longer than its declared length: words past the limit are unseen.
    d.m_nWordChars[0] = 6;
    EXPECT_TRUE(d.IsWord(u"ACE"));
    EXPECT_FALSE(d.IsWord(u"ACT"));
    d.m_nWordChars[0] = 0;
    EXPECT_FALSE(d.IsWord(u"ABS"));
    d.m_nWordChars[0] = -5;
    EXPECT_FALSE(d.IsWord(u"ABS"));
    // A declared length beyond the text is harmless.
    d.m_nWordChars[3] = 1 << 30;
    EXPECT_TRUE(d.IsWord(u"ZYGOTE"));
    EXPECT_FALSE(d.IsWord(u"ZYGOTF"));
}

}  // namespace
